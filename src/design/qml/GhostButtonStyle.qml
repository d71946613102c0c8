import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// The quiet button: text on a faint capsule with a hairline edge.
T.Button {
    id: root

    property bool compact: false
    // An optional symbol before the text.
    property string symbol

    leftPadding: root.compact ? 12 : 18
    rightPadding: root.compact ? 12 : 18
    topPadding: root.compact ? 6 : 9
    bottomPadding: root.compact ? 6 : 9
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

    contentItem: ButtonLabel {
        text: root.text
        symbol: root.symbol
        color: DS.text
        font.pixelSize: root.compact ? DS.typeSmall : DS.typeBody
        font.weight: Font.Medium
    }

    background: Rectangle {
        radius: height / 2
        color: DS.tint(root.down ? 0.08 : 0.03)
        border.width: 1
        border.color: DS.border
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }
}
