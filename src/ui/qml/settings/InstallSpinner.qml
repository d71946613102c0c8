import QtQuick
import Vireloom.Design

// Turns while the engine is being installed; drawn without shaders.
Item {
    id: root

    implicitWidth: 16
    implicitHeight: 16

    SymbolIcon {
        anchors.centerIn: parent
        symbol: "arrow.clockwise"
        size: 12
        color: DS.primary

        RotationAnimation on rotation {
            running: root.visible
            from: 0
            to: 360
            duration: 900
            loops: Animation.Infinite
        }
    }
}
