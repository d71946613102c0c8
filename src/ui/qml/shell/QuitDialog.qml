import QtQuick
import Vireloom.Design
import Vireloom.UI

// Asked before quitting while downloads run: quitting stops them. Staying is the answer
// that holds the keyboard.
QuestionDialog {
    id: root

    property int running: 0

    objectName: "quitDialog"
    title: Shell.quitQuestion(root.running)
    detail: I18n.lp("Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.", root.running)
    safeText: I18n.l("Cancelar")
    actionText: I18n.l("Sair mesmo assim")
    onActionChosen: Shell.quitAnyway()
}
