import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// A whole number stepped by one between its bounds. The number shows as stored, so one
// stored out of range elsewhere shows as it is until a step brings it back.
SettingRow {
    id: root

    property int value
    property int floor
    property int ceiling

    signal stepped(int delta)

    PlainLabel {
        objectName: "stepperValue"
        Layout.preferredWidth: 18
        horizontalAlignment: Text.AlignHCenter
        text: String(root.value)
        font: DS.mono(14, Font.DemiBold)
    }

    Stepper {
        canDecrease: root.value > root.floor
        canIncrease: root.value < root.ceiling
        decreaseName: I18n.lf("Diminuir %@ (agora %@)", [root.title, String(root.value)])
        increaseName: I18n.lf("Aumentar %@ (agora %@)", [root.title, String(root.value)])
        onStepped: delta => root.stepped(delta)
    }
}
