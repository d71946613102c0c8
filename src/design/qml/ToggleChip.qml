import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A capsule switched on and off on its own (one category among several). Built on the
// check box template, so screen readers hear a check box and its state; Tab reaches it,
// Left and Right move along the row, Space and Enter switch it. The model decides:
// `chosen` is bound to it, `picked` asks it to switch, and the box then shows what the
// model made of it, which may not be the plain opposite.
T.CheckBox {
    id: root

    property bool chosen: false

    signal picked

    implicitWidth: face.implicitWidth
    implicitHeight: face.implicitHeight
    padding: 0
    hoverEnabled: true
    checked: root.chosen
    nextCheckState: function() {
        root.picked();
        return root.chosen ? Qt.Checked : Qt.Unchecked;
    }
    Keys.onReturnPressed: root.picked()
    Keys.onEnterPressed: root.picked()
    // The arrows move the way they point: in a mirrored row the next chip is on the left.
    Keys.onLeftPressed: DS.moveAlongRow(root, root.LayoutMirroring.enabled)
    Keys.onRightPressed: DS.moveAlongRow(root, !root.LayoutMirroring.enabled)
    Accessible.name: root.text
    // A screen reader's "Press" and "Toggle" ask the model, as a click does. Left to Qt 6.4,
    // both would write `checked` behind the model's back.
    Accessible.onPressAction: if (root.enabled) root.picked()
    Accessible.onToggleAction: if (root.enabled) root.picked()

    indicator: null

    contentItem: Item {}

    background: ChipFace {
        id: face

        text: root.text
        chosen: root.chosen
        hovered: root.hovered
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }
}
