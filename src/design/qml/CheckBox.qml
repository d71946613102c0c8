import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A bare 16-point check box; whoever places it puts its text beside it. Built on the
// check box template, which is what screen readers are told it is.
T.CheckBox {
    id: root

    // Bind it both ways: set it from the model, and write it back from onOnChanged.
    property bool on: false
    // What it switches, for screen readers: the text placed beside the box.
    property string label

    implicitWidth: 16
    implicitHeight: 16
    padding: 0
    checked: root.on
    onOnChanged: root.checked = root.on
    onToggled: root.on = root.checked
    Keys.onReturnPressed: root.on = !root.on
    Keys.onEnterPressed: root.on = !root.on
    Accessible.name: root.label
    // A screen reader's "Press" and "Toggle" switch it as Space does. Left to Qt 6.4, both
    // would write `checked` behind the template's back: the box would turn without `on`
    // following, and the binding to the model would be lost.
    Accessible.onPressAction: if (root.enabled) root.on = !root.on
    Accessible.onToggleAction: if (root.enabled) root.on = !root.on

    indicator: null

    contentItem: Item {}

    background: Rectangle {
        radius: 5
        color: root.on ? DS.primary : "transparent"
        border.width: 1.3
        border.color: root.on ? DS.primary : DS.tint(0.25)

        Behavior on color {
            ColorAnimation {
                duration: 150
                easing.type: Easing.Bezier
                easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
            }
        }

        Behavior on border.color {
            ColorAnimation {
                duration: 150
                easing.type: Easing.Bezier
                easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
            }
        }

        SymbolIcon {
            anchors.centerIn: parent
            symbol: "checkmark"
            size: 9
            color: DS.bg
            opacity: root.on ? 1 : 0

            Behavior on opacity {
                NumberAnimation {
                    duration: 150
                    easing.type: Easing.Bezier
                    easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
                }
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: 5
    }
}
