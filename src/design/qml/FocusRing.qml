import QtQuick
import Vireloom.Design

// The ring drawn around a control while it holds the keyboard's focus. Controls show it
// for focus that came by keyboard (a click does not light it up); text fields whenever
// they are the typing target.
Rectangle {
    id: root

    // Whether the ring shows; the control decides which kind of focus counts.
    property bool shown: false
    // The corner radius of the control it surrounds.
    property real controlRadius: 0

    anchors.fill: parent
    anchors.margins: -(DS.focusRingGap + DS.focusRingWidth)
    radius: root.controlRadius > 0 ? root.controlRadius + DS.focusRingGap + DS.focusRingWidth : 0
    color: "transparent"
    border.width: DS.focusRingWidth
    border.color: DS.focusRing
    visible: root.shown
    Accessible.ignored: true
}
