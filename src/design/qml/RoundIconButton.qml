import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A small round button with a symbol and a tooltip, for actions on a row or card.
T.AbstractButton {
    id: root

    property string symbol
    // The tooltip; none when empty.
    property string help
    property color color: DS.muted
    readonly property bool hover: root.hovered

    implicitWidth: 30
    implicitHeight: 30
    padding: 0
    hoverEnabled: true
    Keys.onReturnPressed: root.clicked()
    Keys.onEnterPressed: root.clicked()
    // Its tooltip is all that says what it does, so it is also its name.
    Accessible.role: Accessible.Button
    Accessible.name: root.help
    // A screen reader's "Press" clicks it. Qt 6.4's button templates leave that action
    // without a handler (it reports success and nothing happens); once handled here, Qt
    // runs no default of its own after it, so a press is one click.
    Accessible.onPressAction: if (root.enabled) root.clicked()

    contentItem: SymbolIcon {
        symbol: root.symbol
        size: 12
        color: root.hovered ? DS.text : root.color

        Behavior on color {
            ColorAnimation {
                duration: 120
                easing.type: Easing.Bezier
                easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
            }
        }
    }

    background: Rectangle {
        radius: width / 2
        color: DS.tint(root.hovered ? 0.08 : 0.03)
        border.width: 1
        border.color: DS.border

        Behavior on color {
            ColorAnimation {
                duration: 120
                easing.type: Easing.Bezier
                easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
            }
        }
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }

    // Made when the pointer rests on the button: a card has several of these buttons, and
    // most are never hovered. Qt 6.4 makes a Loader's item in a context of its own, so
    // this file is not bound and the linter cannot follow the ids outwards.
    // qmllint disable unqualified
    Loader {
        active: (root.hovered || root.visualFocus) && root.help.length > 0
        sourceComponent: HelpTip {
            parent: root
            text: root.help
        }
        // Shown once it has its parent, which places it and gives it a window.
        onLoaded: (item as HelpTip).visible = true
    }
    // qmllint enable unqualified
}
