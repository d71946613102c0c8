import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Asked before quitting while downloads run: quitting stops them.
T.Popup {
    id: root

    property int running: 0

    objectName: "quitDialog"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: 420
    modal: true
    focus: true
    padding: 22
    closePolicy: T.Popup.CloseOnEscape

    T.Overlay.modal: Rectangle {
        color: DS.scrim
    }

    background: Surface {}

    // Holds the focus from the moment the question opens: Return answers "quit anyway".
    contentItem: ColumnLayout {
        spacing: 10
        focus: true
        Keys.onReturnPressed: quit.clicked()
        Keys.onEnterPressed: quit.clicked()

        PlainLabel {
            objectName: "quitQuestion"
            text: Shell.quitQuestion(root.running)
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        PlainLabel {
            text: I18n.l("Se sair agora, eles serão interrompidos.")
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
                objectName: "quitCancel"
                text: I18n.l("Cancelar")
                onClicked: root.close()
            }

            PrimaryButtonStyle {
                id: quit

                objectName: "quitAnyway"
                text: I18n.l("Sair mesmo assim")
                onClicked: {
                    root.close();
                    Shell.quitAnyway();
                }
            }
        }
    }
}
