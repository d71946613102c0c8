import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// The window's short notice (Shell.notice), at the foot of the page: one sentence and a
// button that dismisses it. Screen readers announce it as an alert when it appears.
Rectangle {
    id: root

    readonly property Notice notice: Shell.notice
    // The row is made when the first notice comes, not for the window's first frame.
    property bool needed: false

    objectName: "noticeBar"
    implicitWidth: Math.min(content.implicitWidth + 28, 560)
    implicitHeight: content.implicitHeight + 16
    radius: 12
    color: DS.opacity(DS.bg, 0.96)
    border.width: 1
    border.color: DS.border
    visible: root.notice.shown
    onVisibleChanged: needed = needed || visible
    Accessible.role: Accessible.AlertMessage
    Accessible.name: root.notice.text

    HoverHandler {
        // The loaded item is the row below, which the linter only knows as an item.
        // qmllint disable type
        onHoveredChanged: root.notice.hold(hovered || (content.item?.dismissFocused ?? false))
        // qmllint enable type
    }

    Loader {
        id: content

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 8
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        active: root.needed
        // Made apart from the bar, the row reaches the notice through the shell.
        sourceComponent: RowLayout {
            readonly property bool dismissFocused: dismiss.activeFocus

            spacing: 10

            SymbolIcon {
                symbol: "exclamationmark.triangle.fill"
                size: 14
                color: DS.warning
            }

            PlainLabel {
                objectName: "noticeText"
                Layout.fillWidth: true
                Layout.maximumWidth: 460
                text: Shell.notice.text
                wrapMode: Text.Wrap
                font.pixelSize: DS.typeSmall
                Accessible.ignored: true
            }

            RoundIconButton {
                id: dismiss

                objectName: "noticeDismiss"
                symbol: "xmark"
                help: I18n.l("Fechar")
                onClicked: Shell.notice.dismiss()
                onActiveFocusChanged: Shell.notice.hold(activeFocus)
                Keys.onEscapePressed: Shell.notice.dismiss()
            }
        }
    }
}
