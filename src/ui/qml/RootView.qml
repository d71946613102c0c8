import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// The window's content: background, sidebar, the selected page, the drop frame, and the
// sheets presented over them.
Item {
    id: root

    objectName: "rootView"
    property bool dropTarget: false
    // The drawings rest while the window is in the background and nothing downloads.
    readonly property bool animating: Window.active || Shell.busy

    AppBackground {
        anchors.fill: parent
        running: root.animating
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Sidebar {
            Layout.fillHeight: true
            Layout.preferredWidth: 224
            animating: root.animating
        }

        Loader {
            id: page

            objectName: "page"
            Layout.fillWidth: true
            Layout.fillHeight: true
            // A new page for every section, so each starts with fresh view state.
            sourceComponent: Downloader.section === Downloader.AppSection.history ? historyPage
                           : Downloader.section === Downloader.AppSection.settings ? settingsPage : downloadsPage
            onLoaded: fadeIn.restart()

            NumberAnimation {
                id: fadeIn

                target: page.item
                property: "opacity"
                from: 0
                to: 1
                duration: 250
                easing.type: Easing.InOutQuad
            }
        }
    }

    Component {
        id: downloadsPage

        DownloadsPage {}
    }

    Component {
        id: historyPage

        HistoryPage {}
    }

    Component {
        id: settingsPage

        SettingsPage {}
    }

    DropFrame {
        anchors.fill: parent
        anchors.margins: 14
        shown: root.dropTarget
    }

    DropArea {
        objectName: "dropArea"
        anchors.fill: parent
        keys: ["text/uri-list", "text/plain"]
        onEntered: drag => root.dropTarget = drag.hasUrls || drag.hasText
        onExited: root.dropTarget = false
        onDropped: drop => {
            root.dropTarget = false;
            Shell.handleDrop(drop.urls, drop.hasText ? drop.text : "");
            drop.accept(Qt.CopyAction);
        }
    }

    LogSheet {
        id: logSheet
    }

    QuitDialog {
        id: quitDialog
    }

    Connections {
        target: Shell

        function onLogRequested(item) {
            logSheet.item = item;
            logSheet.open();
        }

        function onQuitConfirmationRequested(running: int) {
            quitDialog.running = running;
            quitDialog.open();
        }
    }

    Shortcut {
        sequence: "Ctrl+,"
        context: Qt.ApplicationShortcut
        onActivated: Downloader.section = Downloader.AppSection.settings
    }

    Shortcut {
        sequence: "Ctrl+Shift+V"
        context: Qt.ApplicationShortcut
        onActivated: Downloader.addFromClipboard()
    }

    Shortcut {
        sequence: StandardKey.Quit // qmllint disable unqualified
        context: Qt.ApplicationShortcut
        onActivated: Shell.requestQuit()
    }
}
