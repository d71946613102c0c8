import QtQuick
import Vireloom.Design
import Vireloom.UI

// The dashed frame over the window while a link is dragged over it.
Item {
    id: root

    property bool shown: false
    // What is dragged holds a link; otherwise the frame says that dropping it adds nothing.
    property bool holdsLink: true

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

    // The window dims under the frame, so the prompt never reads over the controls.
    Rectangle {
        anchors.fill: parent
        color: DS.scrim
    }

    Rectangle {
        anchors.fill: frame
        radius: 18
        color: DS.opacity(DS.bg, 0.55)
    }

    Rectangle {
        anchors.fill: frame
        radius: 18
        color: DS.opacity(root.holdsLink ? DS.primary : DS.danger, 0.06)
    }

    // The dashed outline needs QtQuick.Shapes, which is loaded only once a link is
    // first dragged over the window.
    Loader {
        id: frame

        anchors.fill: parent
        anchors.margins: 14
        active: root.visible
        source: "DashedOutline.qml"
    }

    // The prompt too is made for the first drag: its mark and its type have no part in the
    // window's first frame.
    Loader {
        id: prompt

        anchors.centerIn: parent
        active: root.visible
        sourceComponent: Column {
            id: column

            property bool holdsLink: true
            property bool running: false

            spacing: 10

            DropMark {
                anchors.horizontalCenter: parent.horizontalCenter
                size: 64
                implicitWidth: 64
                implicitHeight: 64
                animated: true
                running: column.running
            }

            PlainLabel {
                objectName: "dropPrompt"
                anchors.horizontalCenter: parent.horizontalCenter
                text: column.holdsLink ? I18n.l("Solte o link para baixar") : I18n.l("Não há link neste texto")
                color: column.holdsLink ? DS.text : DS.danger
                font.pixelSize: DS.typeTitle
                font.weight: Font.DemiBold
            }
        }
        // The loaded item is the column above, which the linter only knows as an item.
        // qmllint disable type
        onLoaded: {
            prompt.item.holdsLink = Qt.binding(() => root.holdsLink);
            prompt.item.running = Qt.binding(() => root.visible);
        }
        // qmllint enable type
    }
}
