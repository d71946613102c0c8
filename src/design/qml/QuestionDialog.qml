import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design

// A question with two answers. The harmless one (it keeps everything as it is) holds the
// keyboard, ring shown, from the moment the question opens, so a Return pressed out of habit
// never does the harm; the other carries out the action, in the danger colour when it
// destroys something. Escape closes it without either answer. Its title is the question,
// which is also what screen readers announce.
Sheet {
    id: root

    // The line under the question: what the action does, or what it leaves alone.
    property string detail
    property string safeText
    property string actionText
    // The action deletes or loses something: it is drawn in the danger colour.
    property bool destructive: false

    signal safeChosen
    signal actionChosen

    closePolicy: T.Popup.CloseOnEscape
    onOpened: safe.forceActiveFocus(Qt.TabFocusReason)

    contentItem: ColumnLayout {
        spacing: 10

        PlainLabel {
            objectName: root.objectName + ".question"
            text: root.title
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        PlainLabel {
            objectName: root.objectName + ".detail"
            visible: root.detail.length > 0
            text: root.detail
            color: DS.muted
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 8
            spacing: 8

            Item {
                Layout.fillWidth: true
            }

            GhostButtonStyle {
                id: safe

                objectName: root.objectName + ".safe"
                text: root.safeText
                onClicked: {
                    root.close();
                    root.safeChosen();
                }
            }

            T.Button {
                id: action

                objectName: root.objectName + ".action"
                text: root.actionText
                leftPadding: 20
                rightPadding: 20
                topPadding: 10
                bottomPadding: 10
                implicitWidth: implicitContentWidth + leftPadding + rightPadding
                implicitHeight: implicitContentHeight + topPadding + bottomPadding
                scale: action.down ? 0.97 : 1
                Keys.onReturnPressed: action.clicked()
                Keys.onEnterPressed: action.clicked()
                Accessible.role: Accessible.Button
                Accessible.name: action.text
                Accessible.onPressAction: if (action.enabled) action.clicked()
                onClicked: {
                    root.close();
                    root.actionChosen();
                }

                contentItem: ButtonLabel {
                    text: action.text
                    color: root.destructive ? DS.text : DS.bg
                    font.pixelSize: DS.typeBody
                    font.weight: Font.DemiBold
                }

                background: Rectangle {
                    radius: height / 2
                    color: root.destructive ? (action.down ? Qt.darker(DS.danger, 1.2) : DS.danger)
                                            : (action.down ? DS.primaryDeep : DS.primary)
                }

                FocusRing {
                    shown: action.visualFocus
                    controlRadius: action.height / 2
                }
            }
        }
    }
}
