import QtQuick
import Vireloom.Design
import Vireloom.UI

// The dashed frame over the window while a link is dragged over it.
Item {
    id: root

    property bool shown: false

    objectName: "dropFrame"
    opacity: root.shown ? 1 : 0
    visible: opacity > 0
    enabled: false

    Behavior on opacity {
        NumberAnimation {
            duration: 200
            easing.type: Easing.InOutQuad
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 18
        color: DS.opacity(DS.primary, 0.06)
    }

    // The dashed outline needs QtQuick.Shapes, which is loaded only once a link is
    // first dragged over the window.
    Loader {
        anchors.fill: parent
        active: root.visible
        source: "DashedOutline.qml"
    }

    Column {
        anchors.centerIn: parent
        spacing: 10

        DropMark {
            anchors.horizontalCenter: parent.horizontalCenter
            size: 64
            implicitWidth: 64
            implicitHeight: 64
            animated: true
            running: root.visible
        }

        PlainLabel {
            text: I18n.l("Solte o link para baixar")
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
        }
    }
}
