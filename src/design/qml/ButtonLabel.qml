import QtQuick
import Vireloom.Design

// The label of the button styles: an optional symbol, then the text.
Item {
    id: root

    property string text
    property string symbol
    property color color
    property alias font: label.font

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    Row {
        id: row

        anchors.centerIn: parent
        spacing: 6

        SymbolIcon {
            visible: root.symbol.length > 0
            anchors.verticalCenter: parent.verticalCenter
            symbol: root.symbol
            size: label.font.pixelSize
            color: root.color
        }

        PlainLabel {
            id: label

            anchors.verticalCenter: parent.verticalCenter
            text: root.text
            color: root.color
        }
    }
}
