import QtQuick
import Vireloom.Design

// One of the design's symbols ("clock", "xmark", ...), drawn with the icon font.
PlainLabel {
    id: root

    property string symbol
    // The symbol's size as the design gives it, like a font size.
    property real size: 12
    // A symbol that points along the line (forward, back) turns round in a mirrored window.
    readonly property bool turned: root.LayoutMirroring.enabled && DS.pointsAlongLine(root.symbol)

    text: DS.glyph(root.symbol)
    font.family: DS.iconFamily
    // The icon glyphs sit inside a margin of their em square, so they are set a little
    // larger than the design's type size to come out as large as the design draws them.
    font.pixelSize: Math.max(1, Math.round(root.size * 1.25))
    // A drawing, not words: its character means nothing read aloud.
    Accessible.ignored: true
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    transform: Scale {
        origin.x: root.width / 2
        xScale: root.turned ? -1 : 1
    }
}
