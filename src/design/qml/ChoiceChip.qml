import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// One capsule of a row of which exactly one is chosen (a quality, a mode). Built on the
// radio button template, so screen readers hear a radio button and whether it is checked;
// Tab reaches it, Left and Right move along the row, Space and Enter choose it. The model
// decides: `chosen` is bound to it and `picked` asks it to change.
T.RadioButton {
    id: root

    property bool chosen: false

    signal picked

    implicitWidth: face.implicitWidth
    implicitHeight: face.implicitHeight
    padding: 0
    hoverEnabled: true
    checked: root.chosen
    onClicked: root.picked()
    Keys.onReturnPressed: root.picked()
    Keys.onEnterPressed: root.picked()
    // The arrows move the way they point: in a mirrored row the next chip is on the left.
    Keys.onLeftPressed: DS.moveAlongRow(root, root.LayoutMirroring.enabled)
    Keys.onRightPressed: DS.moveAlongRow(root, !root.LayoutMirroring.enabled)
    Accessible.name: root.text
    // A screen reader's "Press" and "Toggle" ask the model, as a click does. Left to Qt 6.4,
    // both would write `checked` behind the model's back (and "Toggle" would uncheck it).
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
