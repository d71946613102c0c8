pragma ComponentBehavior: Bound

import QtQuick
import Vireloom.Design
import Vireloom.UI

// A card's way out of a failure for want of a login: the login of each browser profile
// found here (but the one that just failed), and the page opened in the browser, to be sent
// again with the extension once the user has logged in.
Flow {
    id: root

    required property DownloadItem item
    required property CardTexts texts
    readonly property BrowserCompanion browsers: Shell.browsers
    // The profiles on offer: all found but the one that just failed.
    readonly property int offered: choices.count - (root.browsers.profiles.indexOf(root.texts.loginProfile) >= 0 ? 1 : 0)
    // It offers the login of at least one profile.
    readonly property bool offersProfiles: root.visible && root.offered > 0

    objectName: "loginFix"
    visible: root.texts.offersLogins && (root.offered > 0 || root.browsers.extensionReady)
    spacing: 6
    // Looked for when a card first needs them; the browsers' folders are read on a worker.
    Component.onCompleted: if (root.texts.offersLogins) root.browsers.refresh()

    Connections {
        target: root.texts

        function onOffersLoginsChanged() {
            if (root.texts.offersLogins)
                root.browsers.refresh();
        }
    }

    PlainLabel {
        objectName: "loginFixLabel"
        height: openInBrowser.height
        verticalAlignment: Text.AlignVCenter
        visible: root.offered > 0
        text: I18n.l("Tentar com o login de:")
        color: DS.muted
        font.pixelSize: DS.typeCaption
    }

    Repeater {
        id: choices

        model: root.browsers.profiles

        GhostButtonStyle {
            required property string value
            required property string label

            objectName: "loginChoice"
            visible: value !== root.texts.loginProfile
            text: label
            Accessible.name: I18n.lf("Tentar de novo com o login de %@", [label])
            compact: true
            onClicked: Downloader.queue.retryWithLogin(root.item, value, label)
        }
    }

    GhostButtonStyle {
        id: openInBrowser

        objectName: "openInBrowser"
        visible: root.browsers.extensionReady
        text: I18n.l("Abrir no navegador e enviar de novo")
        compact: true
        onClicked: root.browsers.openInBrowser(root.item)
    }
}
