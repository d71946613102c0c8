import QtQuick
import Vireloom.Design

// A small tinted capsule with a word or two: a quality, a format, a state. Made narrower
// than its text (a layout's maximum width), it elides the text.
Item {
    id: root

    property string text
    property color color: DS.muted

    implicitWidth: label.implicitWidth + 16
    implicitHeight: label.implicitHeight + 6

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: DS.opacity(root.color, 0.12)
        border.width: 1
        border.color: DS.opacity(root.color, 0.2)
    }

    PlainLabel {
        id: label

        anchors.centerIn: parent
        width: Math.min(implicitWidth, Math.max(0, root.width - 16))
        elide: Text.ElideRight
        text: root.text
        color: root.color
        font.pixelSize: DS.typeMicro
        font.weight: Font.DemiBold
        maximumLineCount: 1
    }
}
