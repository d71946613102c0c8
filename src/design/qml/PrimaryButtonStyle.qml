import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// The button of a page's main action: dark text on the accent capsule, with a glow.
T.Button {
    id: root

    property bool compact: false
    // An optional symbol before the text.
    property string symbol

    leftPadding: root.compact ? 14 : 20
    rightPadding: root.compact ? 14 : 20
    topPadding: root.compact ? 7 : 10
    bottomPadding: root.compact ? 7 : 10
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    scale: root.down ? 0.97 : 1
    // Return works as Space does: on a focused button both mean "press it".
    Keys.onReturnPressed: root.clicked()
    Keys.onEnterPressed: root.clicked()
    Accessible.role: Accessible.Button
    Accessible.name: root.text
    // A screen reader's "Press" clicks it. Qt 6.4's button templates leave that action
    // without a handler (it reports success and nothing happens); once handled here, Qt
    // runs no default of its own after it, so a press is one click.
    Accessible.onPressAction: if (root.enabled) root.clicked()

    Behavior on scale {
        NumberAnimation {
            duration: 120
            easing.type: Easing.Bezier
            easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
        }
    }

    contentItem: ButtonLabel {
        text: root.text
        symbol: root.symbol
        color: DS.bg
        font.pixelSize: root.compact ? DS.typeSmall : DS.typeBody
        font.weight: Font.DemiBold
    }

    background: Item {
        SoftShadow {
            y: 4
            width: parent.width
            height: parent.height
            radius: height / 2
            blur: 14
            color: DS.primary
            opacity: root.down ? 0.2 : 0.35

            Behavior on opacity {
                NumberAnimation {
                    duration: 120
                    easing.type: Easing.Bezier
                    easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
                }
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: root.down ? DS.primaryDeep : DS.primary

            Behavior on color {
                ColorAnimation {
                    duration: 120
                    easing.type: Easing.Bezier
                    easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
                }
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }
}
