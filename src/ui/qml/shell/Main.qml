import QtQuick
import QtQuick.Window
import Vireloom.Design
import Vireloom.UI

Window {
    id: window

    objectName: "mainWindow"
    title: "Vireloom"
    // The size of a first run; the last run's size and the screen's room, and with them
    // the minimum size, are set where the window is loaded.
    width: 1080
    height: 720
    color: DS.bg
    // Arabic and Hebrew mirror the whole window. Set on the window's own root item, so that
    // the sheets, menus and dialogs, which stand outside the RootView, mirror with it.
    contentItem.LayoutMirroring.enabled: I18n.rightToLeft
    contentItem.LayoutMirroring.childrenInherit: true
    // Our controls draw with the design's tokens; what Qt draws itself in the window (its
    // fallback file dialogs, the log's scroll bar) reads this palette, so that it is dark too.
    palette.window: DS.surface
    palette.windowText: DS.text
    palette.base: DS.bg
    palette.alternateBase: DS.surface
    palette.text: DS.text
    palette.placeholderText: DS.muted
    palette.button: DS.hex(0x202027)
    palette.buttonText: DS.text
    palette.brightText: DS.text
    palette.light: DS.hex(0x202027)
    palette.midlight: DS.border
    palette.mid: DS.hex(0x3F3F46)
    palette.dark: DS.border
    palette.shadow: "black"
    palette.highlight: DS.primaryDeep
    palette.highlightedText: DS.text
    palette.link: DS.primary
    palette.toolTipBase: DS.surface
    palette.toolTipText: DS.text

    RootView {
        anchors.fill: parent
    }
}
