import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Asked before quitting while downloads run: quitting stops them.
Sheet {
    id: root

    property int running: 0

    objectName: "quitDialog"
    title: question.text
    closePolicy: T.Popup.CloseOnEscape
    // Return answers "quit anyway" from the moment it asks, whatever was focused last time.
    onOpened: quit.forceActiveFocus()

    // Holds the focus from the moment the question opens: Return answers "quit anyway".
    contentItem: ColumnLayout {
        spacing: 10
        focus: true
        Keys.onReturnPressed: quit.clicked()
        Keys.onEnterPressed: quit.clicked()

        PlainLabel {
            id: question

            objectName: "quitQuestion"
            text: Shell.quitQuestion(root.running)
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }

        PlainLabel {
            objectName: "quitConsequence"
            text: I18n.lp(root.running, "Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.")
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
