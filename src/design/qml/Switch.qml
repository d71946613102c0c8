import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// An on/off switch without a label of its own, tinted in the accent colour when on.
T.Switch {
    id: root

    // What it switches, for screen readers; a settings row gives it its title.
    property string label

    function flip() {
        root.toggle();
        root.toggled();
    }

    implicitWidth: 38
    implicitHeight: 22
    padding: 0
    hoverEnabled: true
    // Return and a screen reader's "Press" or "Toggle" switch it as a click does, telling
    // the row through `toggled` (toggle() alone would flip it without a word to the model).
    Keys.onReturnPressed: root.flip()
    Keys.onEnterPressed: root.flip()
    Accessible.onPressAction: if (root.enabled) root.flip()
    Accessible.onToggleAction: if (root.enabled) root.flip()
    Accessible.role: Accessible.CheckBox
    // Without a label of its own it is named by the settings row it stands in.
    Accessible.name: root.label.length > 0 ? root.label : ((root.parent?.parent as SettingRow)?.title ?? "")
    Accessible.checkable: true
    Accessible.checked: root.checked

    indicator: Rectangle {
        width: root.width
        height: root.height
        radius: height / 2
        color: root.checked ? DS.primary : DS.tint(root.hovered ? 0.14 : 0.1)
        border.width: 1
        border.color: root.checked ? DS.primaryDeep : DS.border

        Behavior on color {
            ColorAnimation {
                duration: 150
            }
        }

        Rectangle {
            objectName: "knob"
            width: parent.height - 4
            height: width
            radius: width / 2
            y: 2
            // On is towards the end of the line, the left in a mirrored window.
            x: root.checked !== root.LayoutMirroring.enabled ? parent.width - width - 2 : 2
            color: root.checked ? DS.bg : DS.text

            Behavior on x {
                NumberAnimation {
                    duration: 150
                    easing.type: Easing.OutQuad
                }
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }
}
