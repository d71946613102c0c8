import QtQuick
import QtQuick.Window
import Vireloom.Design

Window {
    width: 1280
    height: 860
    visible: true
    color: DS.bg
    title: "Vireloom design gallery"

    AppBackground {
        anchors.fill: parent
    }
}
