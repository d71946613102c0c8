import QtQuick
import QtQuick.Shapes
import Vireloom.Design

// The drop frame's dashed outline, with rounded corners of 18 pixels.
Shape {
    id: root

    ShapePath {
        readonly property real r: 18

        strokeColor: DS.primary
        strokeWidth: 2
        fillColor: "transparent"
        strokeStyle: ShapePath.DashLine
        // In units of the stroke width: 8 on, 6 off.
        dashPattern: [4, 3]
        startX: r + 1
        startY: 1

        PathLine { x: root.width - 1 - 18; y: 1 }
        PathArc { x: root.width - 1; y: 1 + 18; radiusX: 18; radiusY: 18 }
        PathLine { x: root.width - 1; y: root.height - 1 - 18 }
        PathArc { x: root.width - 1 - 18; y: root.height - 1; radiusX: 18; radiusY: 18 }
        PathLine { x: 1 + 18; y: root.height - 1 }
        PathArc { x: 1; y: root.height - 1 - 18; radiusX: 18; radiusY: 18 }
        PathLine { x: 1; y: 1 + 18 }
        PathArc { x: 1 + 18; y: 1; radiusX: 18; radiusY: 18 }
    }
}
