import QtQuick
import Vireloom.Design

// A picture 16:9 on a dark rounded plate. The picture loads off the GUI thread; while it
// loads a shimmer shows, and without one (no address, or it failed) a symbol stands in.
Item {
    id: root

    property url url
    property bool audio: false
    property bool animating: true
    readonly property bool loaded: picture.status === Image.Ready

    implicitWidth: 124
    implicitHeight: root.width * 9 / 16

    Rectangle {
        id: plate

        anchors.fill: parent
        radius: 9
        color: DS.opacity(DS.bg, 0.7)
    }

    SymbolIcon {
        objectName: "thumbPlaceholder"
        anchors.centerIn: parent
        visible: !root.loaded && picture.status !== Image.Loading
        symbol: root.audio ? "music.note" : "film"
        size: 18
        color: DS.opacity(DS.muted, 0.6)
    }

    ShimmerBar {
        anchors.centerIn: parent
        mirrored: LayoutMirroring.enabled
        width: root.width / 2
        height: 6
        opacity: 0.6
        visible: picture.status === Image.Loading
        running: root.animating
    }

    // Rounded clipping of an image needs a layer or a shader, both out of reach of the
    // software renderer; a ring in the card's colour covers the picture's corners instead.
    Image {
        id: picture

        objectName: "thumbImage"
        anchors.fill: parent
        source: root.url
        asynchronous: true
        cache: true
        fillMode: Image.PreserveAspectCrop
        sourceSize.width: root.width * 2
        sourceSize.height: root.height * 2
        clip: true
        visible: root.loaded
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: -4
        radius: 13
        color: "transparent"
        border.width: 5
        border.color: DS.surface
        visible: root.loaded
    }

    Rectangle {
        anchors.fill: parent
        radius: 9
        color: "transparent"
        border.width: 1
        border.color: DS.border
    }
}
