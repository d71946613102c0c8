pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// Every setting, bound to its key and written at once; the engine programs with the
// buttons that complete or update them; the texts that connect a browser or a launcher.
Flickable {
    id: root

    objectName: "settingsPage"
    contentWidth: width
    contentHeight: column.implicitHeight + 32
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    Component.onCompleted: {
        Downloader.engine.refresh();
        const wanted = Shell.takeSettingsFocus();
        root.revealing = wanted === WantedSetting.Row.browser ? format.browserRow
                       : wanted === WantedSetting.Row.proxy ? connection.proxyRow
                       : wanted === WantedSetting.Row.cookiesFile ? connection.cookiesFileRow
                       : wanted === WantedSetting.Row.folder ? general.folderRow : null;
        if (root.revealing)
            Qt.callLater(root.reveal);
    }

    // The row to bring into view. A page just made is still being laid out, so the row is
    // brought into view again as the page's height settles, until the user scrolls.
    property Item revealing: null
    onContentHeightChanged: root.reveal()
    onMovementStarted: root.revealing = null

    // Scrolls so the row stands near the top, as far as the page lets it.
    function reveal() {
        if (!root.revealing)
            return;
        const top = root.revealing.mapToItem(column, 0, 0).y - 16;
        root.contentY = Math.max(0, Math.min(top, root.contentHeight - root.height));
    }

    SettingsView {
        id: settingsView
    }

    ColumnLayout {
        id: column

        width: root.width
        spacing: 14

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Ajustes")
            l1: I18n.l("Do seu jeito,")
            l2: I18n.l("sem complicação.")
        }

        GeneralCard {
            id: general

            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.05
        }

        FormatCard {
            id: format

            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.1
            view: settingsView
        }

        ConnectionCard {
            id: connection

            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.15
        }

        ScheduleCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.18
        }

        EngineCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.2
            view: settingsView
        }

        IntegrationCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.25
            view: settingsView
        }
    }
}
