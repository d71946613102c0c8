import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// Progress on a faint track. Even nothing done shows a 1 % sliver, and changes glide.
Item {
    id: root

    property real fraction: 0
    property color color: DS.primary
    // What screen readers call the bar. Qt 6.4 gives a plain item's progress bar no value
    // to read, so the whole percent it shows is also its description.
    property string label
    readonly property int value: Math.floor(Math.min(1, Math.max(0, root.fraction)) * 100 + 1e-9)
    readonly property int minimumValue: 0
    readonly property int maximumValue: 100
    // What the fill currently covers, following `fraction` with a short ease-out.
    property real shownFraction: DS.meterFraction(root.fraction)

    implicitHeight: 6
    Layout.fillWidth: true
    Accessible.role: Accessible.ProgressBar
    Accessible.name: root.label
    Accessible.description: root.value + "%"

    Behavior on shownFraction {
        NumberAnimation {
            duration: 400
            easing.type: Easing.Bezier
            easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: DS.tint(0.07)
    }

    SoftShadow {
        anchors.left: parent.left
        width: fill.width
        height: fill.height
        radius: height / 2
        blur: 6
        color: DS.opacity(root.color, 0.5)
    }

    Rectangle {
        id: fill

        objectName: "fill"
        // From the start of the line: the right in a mirrored window.
        anchors.left: parent.left
        width: root.width * root.shownFraction
        height: root.height
        radius: height / 2
        gradient: Gradient {
            orientation: Gradient.Horizontal

            GradientStop {
                position: 0
                color: fill.LayoutMirroring.enabled ? root.color : DS.primaryDeep
            }

            GradientStop {
                position: 1
                color: fill.LayoutMirroring.enabled ? DS.primaryDeep : root.color
            }
        }
    }
}
