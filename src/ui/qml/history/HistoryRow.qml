pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// One finished download in the history's list: its picture, title and facts, and what can
// be done with it. Below the first, a divider separates it from the one above.
Item {
    id: root

    required property int index
    required property string title
    required property string url
    required property string file
    required property string site
    required property string quality
    required property string thumbnail
    required property bool missing
    required property bool audio
    required property string qualityText
    required property string sizeText
    required property string dateText
    required property string siteTag
    property HistoryView view
    readonly property bool hover: hoverHandler.hovered

    objectName: "historyRow"
    implicitHeight: row.implicitHeight + 24 + (root.index > 0 ? 1 : 0)
    // A row takes the keyboard as one item: Return opens its file, the menu key its menu,
    // and its buttons follow it in the Tab order.
    activeFocusOnTab: true
    Keys.onReturnPressed: Downloader.open(root.file)
    Keys.onEnterPressed: Downloader.open(root.file)
    Keys.onMenuPressed: root.openMenu()
    Keys.onPressed: event => {
        if (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)) {
            root.openMenu();
            event.accepted = true;
        }
    }
    Accessible.role: Accessible.ListItem
    Accessible.name: root.title + (root.siteTag.length > 0 ? ", " + root.siteTag : "") + ", " + facts.text
    Accessible.focusable: true

    function openMenu() {
        menu.popup(plate, plate.LayoutMirroring.enabled ? 12 : plate.width - menu.width - 12, plate.height / 2);
        menu.currentIndex = 0;
    }

    RowDivider {
        visible: root.index > 0
        x: 32 + 14
        width: root.width - 64 - 28
    }

    Rectangle {
        id: plate

        x: 32
        y: root.index > 0 ? 1 : 0
        width: root.width - 64
        height: root.height - plate.y
        color: root.hover ? DS.tint(0.025) : "transparent"

        FocusRing {
            anchors.margins: 0
            shown: root.activeFocus
            controlRadius: 8
        }

        HoverHandler {
            id: hoverHandler
        }

        TapHandler {
            acceptedButtons: Qt.RightButton
            onTapped: menu.popup()
        }

        RowLayout {
            id: row

            anchors.fill: parent
            anchors.margins: 12
            spacing: 14

            // The thumbnail, or a note on a dark tile for audio and for links without one.
            Rectangle {
                Layout.preferredWidth: 96
                Layout.preferredHeight: 54
                radius: 8
                clip: true
                color: root.audio ? DS.opacity(DS.primary, 0.16) : DS.tint(0.04)
                border.width: 1
                border.color: DS.border

                Image {
                    id: picture

                    anchors.fill: parent
                    anchors.margins: 1
                    visible: !root.audio && picture.status === Image.Ready
                    source: root.audio ? "" : root.thumbnail
                    asynchronous: true
                    fillMode: Image.PreserveAspectCrop
                    sourceSize.width: 192
                }

                SymbolIcon {
                    anchors.centerIn: parent
                    visible: !picture.visible
                    symbol: root.audio ? "music.note" : "film"
                    size: 18
                    color: root.audio ? DS.primary : DS.muted
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6

                PlainLabel {
                    objectName: "rowTitle"
                    Layout.fillWidth: true
                    text: root.title
                    font.pixelSize: DS.typeBody
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 6

                    Chip {
                        objectName: "siteChip"
                        visible: text.length > 0
                        text: root.siteTag
                        color: DS.primary
                    }

                    Chip {
                        objectName: "qualityChip"
                        text: root.qualityText
                    }

                    PlainLabel {
                        id: facts

                        objectName: "factsText"
                        Layout.fillWidth: true
                        text: root.sizeText.length > 0 ? root.sizeText + "  ·  " + root.dateText : root.dateText
                        color: DS.muted
                        font: DS.mono(10)
                        elide: Text.ElideRight
                        maximumLineCount: 1
                    }

                    Chip {
                        objectName: "movedChip"
                        visible: root.missing
                        text: I18n.l("arquivo movido")
                        color: DS.warning
                    }
                }
            }

            RoundIconButton {
                objectName: "openButton"
                opacity: root.hover ? 1 : 0.55
                symbol: "play.fill"
                help: I18n.l("Abrir")
                color: DS.primary
                onClicked: Downloader.open(root.file)
            }

            RoundIconButton {
                objectName: "revealButton"
                opacity: root.hover ? 1 : 0.55
                symbol: "folder.open"
                help: I18n.l("Mostrar na pasta")
                onClicked: Downloader.reveal(root.file)
            }

            RoundIconButton {
                objectName: "againButton"
                opacity: root.hover ? 1 : 0.55
                symbol: "arrow.down"
                help: I18n.l("Baixar de novo")
                // While the file is there, the page asks first (replace or keep both).
                onClicked: {
                    if (root.view.downloadAgain(root.url, root.quality, root.file))
                        Shell.section = Shell.AppSection.downloads;
                }
            }
        }
    }

    T.Menu {
        id: menu

        objectName: "rowMenu"
        // The keyboard goes back where it was: the row, when the menu key opened it.
        FocusReturn.enabled: true
        padding: 6
        implicitWidth: 240
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

        contentItem: ListView {
            implicitHeight: contentHeight
            model: menu.contentModel
            interactive: false
        }

        background: Rectangle {
            radius: 12
            color: DS.surface
            border.width: 1
            border.color: DS.border
        }

        MenuEntry {
            objectName: "copyLink"
            text: I18n.l("Copiar link")
            onTriggered: Shell.copy(root.url)
        }

        MenuEntry {
            objectName: "removeEntry"
            text: I18n.l("Remover do histórico")
            onTriggered: root.view.remove(root.index)
        }
    }
}
