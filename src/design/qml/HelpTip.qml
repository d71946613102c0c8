import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// The hover tooltip of a control, in the window's dark style.
T.ToolTip {
    id: root

    x: parent ? (parent.width - implicitWidth) / 2 : 0
    y: parent ? parent.height + 6 : 0
    delay: 600
    margins: 6
    padding: 6
    leftPadding: 8
    rightPadding: 8
    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

    contentItem: PlainLabel {
        text: root.text
        color: DS.text
        font.pixelSize: DS.typeCaption
    }

    background: Rectangle {
        radius: 6
        color: DS.surface
        border.width: 1
        border.color: DS.border
    }
}
