import QtQuick
import Vireloom.Design

// What a choice capsule looks like: tinted and outlined in the accent while chosen, with
// its word in the middle. ChoiceChip and ToggleChip draw it behind their text.
Rectangle {
    id: root

    property string text
    property bool chosen: false
    property bool hovered: false

    implicitWidth: label.implicitWidth + 18
    implicitHeight: label.implicitHeight + 8
    radius: height / 2
    color: root.chosen ? DS.opacity(DS.primary, 0.22) : DS.opacity(DS.bg, root.hovered ? 0.8 : 0.5)
    border.width: 1
    border.color: root.chosen ? DS.opacity(DS.primary, 0.6) : DS.border

    PlainLabel {
        id: label

        anchors.centerIn: parent
        text: root.text
        color: root.chosen ? DS.text : DS.muted
        font.pixelSize: DS.typeCaption
        font.weight: Font.Medium
        Accessible.ignored: true
    }
}
