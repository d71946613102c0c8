import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// A number of seconds, typed or stepped; what is typed is offered when the field is left.
SettingRow {
    id: root

    property real seconds

    signal offered(string text)
    signal stepped(int delta)

    SettingField {
        objectName: "secondsField"
        Layout.preferredWidth: 64
        implicitWidth: 64
        horizontalAlignment: TextInput.AlignRight
        refused: root.problem.length > 0
        text: String(root.seconds)
        onTextEdited: root.problem = ""
        onEditingFinished: root.offered(text)
    }

    Stepper {
        canDecrease: root.seconds > 0
        canIncrease: root.seconds < AppSettings.pauseCeiling
        decreaseName: I18n.lf("Diminuir %@ (agora %@)", [root.title, String(root.seconds)])
        increaseName: I18n.lf("Aumentar %@ (agora %@)", [root.title, String(root.seconds)])
        onStepped: delta => {
            root.problem = "";
            root.stepped(delta);
        }
    }
}
