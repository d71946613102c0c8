import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A modal panel over the dimmed window, for the sheets and the questions. It is as tall as
// what it holds, never wider or taller than the window leaves room for; screen readers meet
// it as a dialog under its title, and once it closes the keyboard is back on the control
// that opened it.
T.Dialog {
    id: root

    // Its width where the window is wide enough.
    property real preferredWidth: 420

    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(root.preferredWidth, (parent ? parent.width : root.preferredWidth) - 2 * DS.pageMargin)
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    height: Math.min(root.implicitHeight, (parent ? parent.height : root.implicitHeight) - 2 * DS.pageMargin)
    modal: true
    focus: true
    padding: 22
    FocusReturn.enabled: true

    T.Overlay.modal: Rectangle {
        color: DS.scrim
    }

    background: Surface {}
}
