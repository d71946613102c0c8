import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// One half of a stepper: a small square button with a sign on it. The sign says nothing
// to a screen reader, so the stepper gives it a name.
T.Button {
    id: root

    Accessible.role: Accessible.Button
    Accessible.onPressAction: if (root.enabled) root.clicked()
    Keys.onReturnPressed: root.clicked()
    Keys.onEnterPressed: root.clicked()
    implicitWidth: 28
    implicitHeight: 24
    hoverEnabled: true
    opacity: root.enabled ? 1 : 0.35

    contentItem: PlainLabel {
        text: root.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: DS.typeLead
        font.weight: Font.DemiBold
    }

    background: Rectangle {
        color: DS.tint(root.down ? 0.1 : root.hovered ? 0.07 : 0.04)
        border.width: 1
        border.color: DS.border
        radius: 6
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: 6
    }
}
