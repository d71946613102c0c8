import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A bare 16-point check box; whoever places it puts its text beside it.
T.AbstractButton {
    id: root

    // Bind it both ways: set it from the model, and write it back from onOnChanged.
    property bool on: false

    implicitWidth: 16
    implicitHeight: 16
    padding: 0
    onClicked: root.on = !root.on

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
}
