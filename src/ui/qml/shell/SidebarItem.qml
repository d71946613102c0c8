import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design

// One section of the sidebar: icon, label and an optional count badge. A tab button, which
// is what screen readers are told it is; which one is active is the caller's to say.
T.TabButton {
    id: root

    property string label
    property string symbol
    property bool active: false
    // Shown on a capsule when not empty.
    property string badge

    // Up or Down pressed on it: the section above or below should take the keyboard.
    signal stepRequested(int by)

    hoverEnabled: true
    checkable: false
    checked: root.active
    Keys.onReturnPressed: root.clicked()
    Keys.onEnterPressed: root.clicked()
    Keys.onUpPressed: root.stepRequested(-1)
    Keys.onDownPressed: root.stepRequested(1)
    Accessible.onPressAction: root.clicked()
    Accessible.name: root.badge.length > 0 ? root.label + ", " + root.badge : root.label
    implicitHeight: row.implicitHeight + 18
    implicitWidth: row.implicitWidth + 24

    background: Rectangle {
        radius: 10
        color: root.active ? DS.opacity(DS.primary, 0.12) : DS.tint(root.hovered ? 0.04 : 0)
        border.width: 1
        border.color: root.active ? DS.opacity(DS.primary, 0.22) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: 120
                easing.type: Easing.OutQuad
            }
        }
    }

    contentItem: Item {
        RowLayout {
            id: row

            anchors.fill: parent
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            spacing: 11

            SymbolIcon {
                symbol: root.symbol
                size: 13
                color: root.active ? DS.primary : DS.muted
                Layout.preferredWidth: 18
            }

            PlainLabel {
                text: root.label
                color: root.active ? DS.text : DS.muted
                font.pixelSize: DS.typeBody
                font.weight: root.active ? Font.DemiBold : Font.Normal
                elide: Text.ElideRight
                Layout.fillWidth: true
            }

            Rectangle {
                objectName: "badge"
                visible: root.badge.length > 0
                implicitWidth: badgeText.implicitWidth + 12
                implicitHeight: badgeText.implicitHeight + 4
                radius: height / 2
                color: DS.primary

                // Made with the first count: most starts show none.
                Loader {
                    id: badgeText

                    anchors.centerIn: parent
                    active: parent.visible
                    sourceComponent: PlainLabel {
                        color: DS.bg
                        font: DS.mono(10, Font.Bold)
                    }
                    // qmllint disable type
                    onLoaded: badgeText.item.text = Qt.binding(() => root.badge)
                    // qmllint enable type
                }
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: 10
    }
}
