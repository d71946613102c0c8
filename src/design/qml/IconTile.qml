import QtQuick
import Vireloom.Design

// A symbol on a softly tinted rounded square.
Item {
    id: root

    property string symbol
    property real size: 28
    property color color: DS.primary

    implicitWidth: root.size
    implicitHeight: root.size

    Rectangle {
        anchors.fill: parent
        radius: root.size * 0.28
        color: DS.opacity(root.color, 0.14)
        border.width: 1
        border.color: DS.opacity(root.color, 0.22)
    }

    SymbolIcon {
        anchors.centerIn: parent
        symbol: root.symbol
        size: root.size * 0.42
        color: root.color
    }
}
