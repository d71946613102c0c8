import QtQuick
import QtQuick.Window
import Vireloom.Design
import Vireloom.UI

Window {
    id: window

    objectName: "mainWindow"
    title: "Vireloom"
    width: 1080
    height: 720
    minimumWidth: 960
    minimumHeight: 640
    color: DS.bg

    RootView {
        anchors.fill: parent
    }
}
