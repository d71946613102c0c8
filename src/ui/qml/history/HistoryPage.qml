// Not bound: Qt 6.4 gives a list's header and footer a context of their own, where bound
// components refuse to be made. Without it the linter cannot follow their ids outwards.
// qmllint disable unqualified

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Everything downloaded so far, newest first: three figures, a search, and one row per
// entry with its actions. The list follows the history as it changes.
ListView {
    id: root

    objectName: "historyPage"
    model: historyView.entries
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    // No row is "current": a current row would take the keyboard from the search field
    // each time the results go from none back to some.
    currentIndex: -1
    keyNavigationEnabled: false

    HistoryView {
        id: historyView

        downloader: Downloader
    }

    header: ColumnLayout {
        width: root.width
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Histórico")
            l1: I18n.l("Tudo que já")
            l2: I18n.l("caiu por aqui.")
            sub: I18n.l("Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.")

            GhostButtonStyle {
                objectName: "clearHistory"
                visible: !historyView.historyEmpty
                text: I18n.l("Limpar histórico")
                onClicked: confirmClear.open()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Layout.bottomMargin: 14
            spacing: 10
            Appear.delay: 0.05

            StatTile {
                objectName: "filesTile"
                Layout.preferredWidth: 1
                label: I18n.l("Arquivos")
                value: historyView.filesText
            }

            StatTile {
                objectName: "totalTile"
                Layout.preferredWidth: 1
                label: I18n.l("Total baixado")
                value: Shell.totalText
                accent: true
            }

            StatTile {
                objectName: "latestTile"
                Layout.preferredWidth: 1
                label: I18n.l("Último")
                value: historyView.latestText
            }
        }

        Surface {
            Layout.fillWidth: true
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Layout.bottomMargin: 14
            implicitHeight: searchRow.implicitHeight + 22
            radius: 12
            Appear.delay: 0.1

            FocusRing {
                shown: search.activeFocus
                controlRadius: 12
            }

            RowLayout {
                id: searchRow

                anchors.fill: parent
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                spacing: 10

                SymbolIcon {
                    symbol: "magnifyingglass"
                    size: 13
                    color: DS.muted
                }

                Item {
                    Layout.fillWidth: true
                    implicitHeight: Math.ceil(search.contentHeight)

                    T.TextField {
                        id: search

                        objectName: "searchField"
                        anchors.fill: parent
                        Accessible.role: Accessible.EditableText
                        Accessible.name: searchPlaceholder.text
                        color: DS.text
                        selectionColor: DS.opacity(DS.primary, 0.4)
                        font.pixelSize: DS.typeBody
                        onTextEdited: historyView.search = search.text
                    }

                    PlainLabel {
                        id: searchPlaceholder

                        anchors.fill: parent
                        verticalAlignment: Text.AlignVCenter
                        Accessible.ignored: true
                        visible: search.text.length === 0
                        text: I18n.l("Buscar por título, site ou link")
                        color: DS.opacity(DS.muted, 0.7)
                        font.pixelSize: DS.typeBody
                        elide: Text.ElideRight
                    }
                }
            }
        }
    }

    // The card behind the rows.
    Surface {
        id: listCard

        parent: root.contentItem
        z: -1
        visible: root.count > 0
        x: 32
        width: root.width - 64
        y: root.headerItem ? root.headerItem.y + root.headerItem.height : 0
        height: Math.max(0, root.contentHeight - (root.headerItem ? root.headerItem.height : 0)
                            - (root.footerItem ? root.footerItem.height : 0))
        Appear.delay: 0.15
    }

    delegate: HistoryRow {
        width: root.width
        view: historyView
        opacity: listCard.opacity
    }

    footer: Item {
        width: root.width
        height: root.count === 0 ? emptyCard.height + 32 : 32

        Surface {
            id: emptyCard

            objectName: "emptyState"
            visible: root.count === 0
            x: 32
            width: parent.width - 64
            height: emptyColumn.implicitHeight + 80
            Appear.delay: 0.15

            ColumnLayout {
                id: emptyColumn

                anchors.centerIn: parent
                spacing: 12

                DropMark {
                    Layout.alignment: Qt.AlignHCenter
                    size: 56
                    implicitWidth: 56
                    implicitHeight: 56
                    running: false
                }

                PlainLabel {
                    objectName: "emptyText"
                    Layout.alignment: Qt.AlignHCenter
                    text: historyView.emptyText
                    color: DS.muted
                    font.pixelSize: DS.typeBody
                }
            }
        }
    }

    // The whole list goes, so keeping it is the answer that holds the keyboard.
    QuestionDialog {
        id: confirmClear

        objectName: "clearDialog"
        title: I18n.l("Limpar o histórico?")
        detail: I18n.l("Só a lista é apagada — os arquivos baixados continuam na pasta.")
        safeText: I18n.l("Cancelar")
        actionText: I18n.l("Limpar")
        destructive: true
        onActionChosen: historyView.clear()
    }

    // The file is still there: keeping it beside the new one loses nothing, so that is the
    // answer that holds the keyboard; replacing moves it to the trash.
    QuestionDialog {
        id: askAgain

        property string url
        property string quality
        property string file

        objectName: "againDialog"
        title: I18n.l("Substituir o arquivo que está na pasta?")
        detail: I18n.l("“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.")
        safeText: I18n.l("Manter os dois")
        actionText: I18n.l("Substituir")
        destructive: true
        onSafeChosen: {
            historyView.keepBothAndDownload(url, quality, file);
            Shell.section = Shell.AppSection.downloads;
        }
        onActionChosen: {
            historyView.replaceAndDownload(url, quality, file);
            Shell.section = Shell.AppSection.downloads;
        }
    }

    Connections {
        target: historyView

        function onAgainAsked(url, quality, file) {
            askAgain.url = url;
            askAgain.quality = quality;
            askAgain.file = file;
            askAgain.open();
        }
    }
}
