import QtQuick
import QtQuick.Controls.Basic as Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The engine's output of one download, to read and copy.
Sheet {
    id: root

    property DownloadItem item: null

    objectName: "logSheet"
    title: I18n.l("Log do download")
    preferredWidth: 700
    // A fixed height: a long log scrolls inside the sheet instead of growing it.
    implicitHeight: 460
    closePolicy: T.Popup.CloseOnEscape
    onClosed: root.item = null
    // Return closes it from the moment it opens; the ring shows where the keyboard is.
    onOpened: closeButton.forceActiveFocus(Qt.TabFocusReason)

    CardTexts {
        id: texts

        item: root.item
    }

    // Holds the focus from the moment the sheet opens, so Return closes it at once.
    contentItem: ColumnLayout {
        spacing: 12
        focus: true
        Keys.onReturnPressed: root.close()
        Keys.onEnterPressed: root.close()

        Eyebrow {
            text: I18n.l("Log do download")
            color: DS.primary
        }

        PlainLabel {
            objectName: "logTitle"
            text: root.item ? root.item.title : ""
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
            elide: Text.ElideRight
            maximumLineCount: 2
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: 10
            color: DS.bg
            border.width: 1
            border.color: DS.border

            Controls.ScrollView {
                anchors.fill: parent
                anchors.margins: 1
                clip: true

                TextEdit {
                    objectName: "logText"
                    padding: 12
                    width: root.availableWidth - 2
                    text: texts.log
                    textFormat: TextEdit.PlainText
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.WrapAnywhere
                    color: DS.muted
                    selectionColor: DS.opacity(DS.primary, 0.4)
                    font: DS.mono(11, Font.Normal)
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            GhostButtonStyle {
                objectName: "copyLog"
                text: I18n.l("Copiar log")
                onClicked: Shell.copy(texts.log)
            }

            Item {
                Layout.fillWidth: true
            }

            PrimaryButtonStyle {
                id: closeButton

                objectName: "closeLog"
                text: I18n.l("Fechar")
                onClicked: root.close()
            }
        }
    }
}
