import QtQuick
import Vireloom.Design

// A card: the surface colour on a rounded rectangle with a soft shadow beneath and a
// faint outline, lighter at the top, drawn over whatever the card holds.
Item {
    id: root

    property real radius: DS.radius

    SoftShadow {
        z: -2
        y: 10
        width: root.width
        height: root.height
        radius: root.radius
        blur: 18
        color: DS.shade(0.35)
    }

    Rectangle {
        z: -1
        anchors.fill: parent
        radius: root.radius
        color: DS.surface
    }

    // The same fill again as two plain rectangles that leave out only the corners. They
    // change nothing on screen, but being opaque and square they let the software
    // renderer skip everything beneath the card when part of it is redrawn.
    Rectangle {
        z: -1
        anchors.fill: parent
        anchors.topMargin: root.radius
        anchors.bottomMargin: root.radius
        color: DS.surface
    }

    Rectangle {
        z: -1
        anchors.fill: parent
        anchors.leftMargin: root.radius
        anchors.rightMargin: root.radius
        color: DS.surface
    }

    GradientOutline {
        z: 1
        anchors.fill: parent
        radius: root.radius
        topColor: DS.tint(0.09)
        bottomColor: DS.opacity(DS.border, 0.9)
    }
}
