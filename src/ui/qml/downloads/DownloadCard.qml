import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// One download in the queue: thumbnail, title, facts, the state's status and actions.
Surface {
    id: root

    required property DownloadItem item
    property bool animating: true

    // Tab left the card's last control (or Shift+Tab its first): the queue decides where to.
    signal tabbedOut(bool forward)

    // The card, then its shown buttons, in the order they stand.
    function tabStops(): list<Item> {
        const stops = [root];
        for (let i = 0; i < actions.children.length; ++i) {
            const control = actions.children[i];
            if (control.visible && control.enabled)
                stops.push(control);
        }
        return stops;
    }

    // Opens the card's menu where the keyboard is, on its first entry.
    function openMenu(byKeyboard: bool) {
        menuLoader.active = true;
        const menu = menuLoader.item as T.Menu;
        if (byKeyboard) {
            menu.popup(root, root.LayoutMirroring.enabled ? 14 : root.width - menu.width - 14, root.height / 2);
            menu.currentIndex = 0;
        } else {
            menu.popup();
        }
    }

    objectName: "downloadCard"
    radius: 12
    implicitHeight: row.implicitHeight + 28
    // The card takes the keyboard as one item, read as its title, state and progress; its
    // buttons follow it in the Tab order, and the menu key opens its menu.
    activeFocusOnTab: true
    Keys.onMenuPressed: root.openMenu(true)
    Keys.onTabPressed: event => {
        const stops = root.tabStops();
        const at = stops.findIndex(stop => stop.activeFocus);
        if (at >= 0 && at + 1 < stops.length)
            stops[at + 1].forceActiveFocus(Qt.TabFocusReason);
        else
            root.tabbedOut(true);
    }
    Keys.onBacktabPressed: event => {
        const stops = root.tabStops();
        const at = stops.findIndex(stop => stop.activeFocus);
        if (at > 0)
            stops[at - 1].forceActiveFocus(Qt.BacktabFocusReason);
        else
            event.accepted = false;
    }
    Accessible.role: Accessible.ListItem
    Accessible.name: texts.spoken
    Accessible.description: texts.failed ? texts.status : ""
    Accessible.focusable: true

    FocusRing {
        shown: root.activeFocus
        controlRadius: root.radius
    }

    CardTexts {
        id: texts

        item: root.item
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 14
        spacing: 14

        Thumb {
            id: thumb

            objectName: "cardThumb"
            Layout.preferredWidth: 124
            Layout.preferredHeight: 124 * 9 / 16
            Layout.alignment: Qt.AlignVCenter
            url: texts.thumbnail
            audio: texts.audio
            animating: root.animating

            Rectangle {
                objectName: "doneBadge"
                visible: texts.canOpen
                width: 20
                height: 20
                radius: 10
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 5
                color: texts.partlyFailed ? DS.warning : DS.success

                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "checkmark"
                    size: 10
                    color: DS.bg
                    font.weight: Font.Black
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            spacing: 7

            PlainLabel {
                objectName: "cardTitle"
                Layout.fillWidth: true
                text: root.item ? root.item.title : ""
                font.pixelSize: DS.typeBody
                font.weight: Font.DemiBold
                maximumLineCount: 1
                elide: Text.ElideRight
            }

            RowLayout {
                objectName: "facts"
                Layout.fillWidth: true
                spacing: 6

                // The followed source that brought it.
                Chip {
                    objectName: "sourceChip"
                    Layout.maximumWidth: 200
                    visible: text.length > 0
                    text: root.item ? root.item.source : ""
                    color: DS.glow
                }

                Chip {
                    objectName: "siteChip"
                    visible: text.length > 0
                    text: texts.siteChip
                    color: DS.primary
                }

                Chip {
                    objectName: "qualityChip"
                    text: texts.qualityChip
                }

                Chip {
                    objectName: "playlistChip"
                    visible: text.length > 0
                    text: texts.playlistChip
                    color: DS.glow
                }

                Chip {
                    objectName: "durationChip"
                    visible: text.length > 0
                    text: texts.durationChip
                }

                PlainLabel {
                    id: uploader

                    objectName: "uploader"
                    visible: text.length > 0
                    Layout.fillWidth: true
                    text: root.item ? root.item.uploader : ""
                    color: DS.muted
                    font.pixelSize: DS.typeCaption
                    maximumLineCount: 1
                    elide: Text.ElideRight
                }

                Item {
                    Layout.fillWidth: true
                    visible: !uploader.visible
                }
            }

            ShimmerBar {
                Layout.fillWidth: true
                mirrored: LayoutMirroring.enabled
                Layout.preferredHeight: 6
                visible: texts.shimmering
                running: root.animating
            }

            MeterBar {
                objectName: "meter"
                visible: texts.metered
                label: I18n.l("Progresso")
                fraction: texts.fraction
                color: texts.waiting ? DS.muted : DS.primary
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 6

                SymbolIcon {
                    visible: texts.failed
                    Layout.alignment: Qt.AlignTop
                    symbol: "exclamationmark.triangle.fill"
                    size: 11
                    color: DS.danger
                }

                PlainLabel {
                    id: status

                    objectName: "status"
                    Layout.fillWidth: !entry.visible
                    text: texts.status
                    color: texts.failed ? DS.danger : texts.partlyFailed ? DS.warning : texts.done ? DS.success : DS.muted
                    font: texts.failed ? Qt.font({pixelSize: DS.typeCaption}) : DS.mono(10, texts.done ? Font.DemiBold : Font.Medium)
                    maximumLineCount: texts.failed ? 2 : 1
                    wrapMode: texts.failed ? Text.Wrap : Text.NoWrap
                    elide: Text.ElideRight

                    HoverHandler {
                        id: statusHover

                        enabled: texts.failed
                    }

                    HelpTip {
                        objectName: "failureHelp"
                        text: status.text
                        visible: statusHover.hovered && texts.failed
                    }
                }

                PlainLabel {
                    id: entry

                    objectName: "entry"
                    visible: text.length > 0
                    Layout.fillWidth: true
                    text: texts.entry
                    color: DS.opacity(DS.muted, 0.8)
                    font.pixelSize: DS.typeMicro
                    maximumLineCount: 1
                    elide: Text.ElideRight
                }
            }

            PlainLabel {
                objectName: "loginNote"
                visible: text.length > 0
                Layout.fillWidth: true
                text: texts.loginNote
                color: texts.loginNoteWarns ? DS.warning : DS.muted
                font.pixelSize: DS.typeMicro
                maximumLineCount: 1
                elide: Text.ElideRight
            }

            LoginFix {
                id: loginFix

                Layout.fillWidth: true
                item: root.item
                texts: texts
            }

            PlainLabel {
                objectName: "engineNote"
                visible: text.length > 0
                Layout.fillWidth: true
                text: texts.engineNote
                color: DS.muted
                font.pixelSize: DS.typeMicro
                maximumLineCount: 2
                wrapMode: Text.Wrap
                elide: Text.ElideRight
            }

            PlainLabel {
                objectName: "failedEntries"
                visible: texts.partlyFailed
                Layout.fillWidth: true
                text: texts.failedEntries
                color: DS.warning
                font.pixelSize: DS.typeMicro
                maximumLineCount: 3
                wrapMode: Text.Wrap
                elide: Text.ElideRight
            }
        }

        Row {
            id: actions

            Layout.alignment: Qt.AlignVCenter
            Layout.leftMargin: 8
            spacing: 6

            GhostButtonStyle {
                objectName: "startNowButton"
                anchors.verticalCenter: parent.verticalCenter
                visible: texts.canStartNow
                text: I18n.l("Iniciar agora")
                compact: true
                onClicked: Downloader.queue.startNow(root.item)
            }

            RoundIconButton {
                objectName: "cancelButton"
                visible: texts.canCancel
                symbol: "xmark"
                help: I18n.l("Cancelar")
                onClicked: Downloader.queue.cancel(root.item)
            }

            RoundIconButton {
                objectName: "openButton"
                visible: texts.canOpen
                symbol: "play.fill"
                help: I18n.l("Abrir")
                color: DS.primary
                onClicked: Downloader.open(texts.lastFile)
            }

            RoundIconButton {
                objectName: "revealButton"
                visible: texts.canOpen
                symbol: "folder.open"
                help: I18n.l("Mostrar na pasta")
                onClicked: Downloader.reveal(texts.lastFile)
            }

            GhostButtonStyle {
                objectName: "failureAction"
                anchors.verticalCenter: parent.verticalCenter
                // The profiles on offer below the message are the quicker way to a login.
                visible: texts.failed && text.length > 0 && !(texts.choosesBrowser && loginFix.offersProfiles)
                text: texts.failureActionLabel
                compact: true
                enabled: !Downloader.engine.installing
                onClicked: Downloader.queue.runFailureAction(root.item)
            }

            GhostButtonStyle {
                objectName: "retryFailedEntries"
                anchors.verticalCenter: parent.verticalCenter
                visible: texts.partlyFailed
                text: I18n.l("Tentar de novo os que falharam")
                compact: true
                onClicked: Downloader.queue.retryFailedEntries(root.item)
            }

            RoundIconButton {
                objectName: "retryButton"
                visible: texts.canRetry
                symbol: "arrow.clockwise"
                help: I18n.l("Tentar de novo")
                color: DS.primary
                onClicked: Downloader.queue.retry(root.item)
            }

            RoundIconButton {
                objectName: "logButton"
                visible: texts.canRetry
                symbol: "doc.text"
                help: I18n.l("Ver log")
                onClicked: Shell.showLog(root.item)
            }
        }
    }

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: root.openMenu(false)
    }

    // Built the first time it is asked for: most cards never show it. Qt 6.4 makes a
    // Loader's item in a context of its own, so this file is not bound and the linter
    // cannot follow the menu's ids outwards.
    // qmllint disable unqualified
    Loader {
        id: menuLoader

        active: false
        sourceComponent: T.Menu {
            id: menu

            objectName: "cardMenu"
            parent: root
            // The keyboard goes back where it was: the card, when the menu key opened it.
            FocusReturn.enabled: true
            padding: 6
            implicitWidth: 220
            implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

            contentItem: ListView {
                implicitHeight: contentHeight
                model: menu.contentModel
                interactive: false
                clip: true
            }

            background: Rectangle {
                radius: 12
                color: DS.surface
                border.width: 1
                border.color: DS.border
            }

            MenuEntry {
                objectName: "menuCopyLink"
                text: I18n.l("Copiar link")
                onTriggered: if (root.item) Shell.copy(root.item.url)
            }

            MenuEntry {
                objectName: "menuShowLog"
                text: I18n.l("Mostrar log")
                onTriggered: Shell.showLog(root.item)
            }

            T.MenuSeparator {
                contentItem: Rectangle {
                    implicitHeight: 1
                    color: DS.border
                }
                topPadding: 4
                bottomPadding: 4
            }

            MenuEntry {
                objectName: "menuRemove"
                text: I18n.l("Remover da lista")
                onTriggered: Downloader.queue.remove(root.item)
            }
        }
    }
    // qmllint enable unqualified
}
