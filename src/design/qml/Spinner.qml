pragma ComponentBehavior: Bound

import QtQuick
import Vireloom.Design

// Turns while something runs whose end cannot be told in advance.
Item {
    id: root

    property bool running: true
    property color color: DS.text

    implicitWidth: 22
    implicitHeight: 22

    Item {
        id: dots

        anchors.fill: parent

        Repeater {
            model: 8

            Rectangle {
                required property int index

                x: dots.width / 2 - width / 2 + Math.sin(index * Math.PI / 4) * (dots.width / 2 - width / 2)
                y: dots.height / 2 - height / 2 - Math.cos(index * Math.PI / 4) * (dots.height / 2 - height / 2)
                width: Math.max(2, Math.round(dots.width / 6))
                height: width
                radius: width / 2
                color: root.color
                opacity: 0.2 + 0.8 * index / 7
            }
        }

        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
            running: root.running && root.visible
        }
    }
}
