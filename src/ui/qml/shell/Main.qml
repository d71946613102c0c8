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

    RootView {
        anchors.fill: parent
    }
}
