import QtQml
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

    // For start-up measurements, beside the first frame that main() logs.
    LoggingCategory {
        id: startupLog

        name: "vireloom.app"
        defaultLogLevel: LoggingCategory.Warning
    }

    AppBackground {
        anchors.fill: parent
        running: root.animating
    }

    // Whatever page scrolls, the control that holds the keyboard stays in sight.
    FocusInView {
        window: root.Window.window
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
            // A new page for every section, so each starts with fresh view state. Named by
            // file, a page (and what it imports) is loaded only once it is first shown.
            // Pages fade in from nothing, so the window need not wait for one: it shows its
            // background and sidebar first and the page is built between the frames after.
            active: Shell.windowDrawn
            asynchronous: true
            source: Shell.section === Shell.AppSection.history ? "HistoryPage.qml"
                  : Shell.section === Shell.AppSection.following ? "FollowingPage.qml"
                  : Shell.section === Shell.AppSection.settings ? "SettingsPage.qml" : "DownloadsPage.qml"
            onLoaded: {
                fadeIn.restart();
                console.debug(startupLog, "page shown at", Date.now());
                Shell.notePageShown();
            }

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

    // Above the page, clear of the sidebar; under the drop frame and the sheets.
    NoticeBar {
        // The page sits in the row that fills this view, so their coordinates agree.
        x: page.x + (page.width - width) / 2
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        width: Math.min(implicitWidth, page.width - 40)
    }

    DropFrame {
        id: dropFrame

        anchors.fill: parent
        shown: root.dropTarget
    }

    DropArea {
        objectName: "dropArea"
        anchors.fill: parent
        keys: ["text/uri-list", "text/plain"]
        onEntered: drag => {
            root.dropTarget = drag.hasUrls || drag.hasText;
            dropFrame.holdsLink = Shell.dragHoldsLink(drag.urls, drag.hasText ? drag.text : "");
        }
        onExited: root.dropTarget = false
        onDropped: drop => {
            root.dropTarget = false;
            Shell.handleDrop(drop.urls, drop.hasText ? drop.text : "");
            drop.accept(Qt.CopyAction);
        }
    }

    // The log sheet and the quit question are made the first time they are asked for.
    Loader {
        id: logSheet

        active: false
        source: "LogSheet.qml"
    }

    Loader {
        id: quitDialog

        active: false
        source: "QuitDialog.qml"
    }

    // What is new since the last visit stays marked on the cards while the Following page
    // is open, and counts as seen once the user leaves it.
    property int shownSection: -1
    Component.onCompleted: root.shownSection = Shell.section

    Connections {
        target: Shell

        function onSectionChanged() {
            if (root.shownSection === Shell.AppSection.following && Shell.section !== Shell.AppSection.following)
                Downloader.following.visited();
            root.shownSection = Shell.section;
        }

        function onLogRequested(item) {
            logSheet.active = true;
            const sheet = logSheet.item as LogSheet;
            sheet.item = item;
            sheet.open();
        }

        function onQuitConfirmationRequested(running: int) {
            quitDialog.active = true;
            const dialog = quitDialog.item as QuitDialog;
            dialog.running = running;
            dialog.open();
        }
    }

    Shortcut {
        sequence: "Ctrl+,"
        context: Qt.ApplicationShortcut
        onActivated: Shell.section = Shell.AppSection.settings
    }

    Shortcut {
        sequence: "Ctrl+Shift+V"
        context: Qt.ApplicationShortcut
        onActivated: Shell.addFromClipboard()
    }

    Shortcut {
        sequence: StandardKey.Quit // qmllint disable unqualified
        context: Qt.ApplicationShortcut
        onActivated: Shell.requestQuit()
    }
}
