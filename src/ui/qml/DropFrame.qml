import QtQuick
import QtQuick.Shapes
import Vireloom.Design
import Vireloom.UI

// The dashed frame over the window while a link is dragged over it.
Item {
    id: root

    property bool shown: false

    objectName: "dropFrame"
    opacity: root.shown ? 1 : 0
    visible: opacity > 0
    enabled: false

    Behavior on opacity {
        NumberAnimation {
            duration: 200
            easing.type: Easing.InOutQuad
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 18
        color: DS.opacity(DS.primary, 0.06)
    }

    Shape {
        anchors.fill: parent

        ShapePath {
            readonly property real r: 18
            readonly property real w: root.width - 1
            readonly property real h: root.height - 1

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

    Column {
        anchors.centerIn: parent
        spacing: 10

        DropMark {
            anchors.horizontalCenter: parent.horizontalCenter
            size: 64
            implicitWidth: 64
            implicitHeight: 64
            animated: true
            running: root.visible
        }

        PlainLabel {
            text: I18n.l("Solte o link para baixar")
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
        }
    }
}
