// Not bound: Qt 6.4 gives a list's header and footer a context of their own, where bound
// components refuse to be made. Without it the linter cannot follow their ids outwards.
// qmllint disable unqualified

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Links go in at the top; the queue below shows one card per download, built only for
// the cards in view.
Item {
    id: page

    // The drawings rest while the window is in the background and nothing downloads.
    readonly property bool animating: Window.active || Shell.busy

    objectName: "downloadsPage"

    QueueSummary {
        id: summary

        list: Downloader.queue.items
    }

    ListView {
        id: queue

        objectName: "queue"
        anchors.fill: parent
        model: Downloader.queue.items
        spacing: 10
        boundsBehavior: Flickable.StopAtBounds
        // No card is "current": a current card would take the keyboard from the link field
        // each time a download is added.
        currentIndex: -1
        keyNavigationEnabled: false
        // A view resting at the top stays there while banners and the empty card come and go.
        property bool resting: true
        onMovementEnded: queue.resting = queue.atYBeginning
        onOriginYChanged: if (queue.resting) queue.positionViewAtBeginning()
        header: ColumnLayout {
            width: queue.width
            spacing: 0

            PageHeader {
                id: header

                Layout.fillWidth: true
                eyebrow: I18n.l("Baixar")
                l1: I18n.l("Cole um link,")
                l2: I18n.l("a estrela traz.")
                sub: I18n.l("YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.")

                // Its place beside the title is kept while it is hidden, so the subtitle does
                // not reflow each time the first download finishes.
                trailingReserve: clearFinished.visible ? 0 : clearFinished.implicitWidth + header.trailingSpacing

                GhostButtonStyle {
                    id: clearFinished

                    objectName: "clearFinished"
                    visible: summary.hasFinished
                    compact: true
                    text: I18n.l("Limpar concluídos")
                    onClicked: Downloader.queue.clearFinished()
                }

                GhostButtonStyle {
                    objectName: "openFolder"
                    compact: true
                    symbol: "folder"
                    text: I18n.l("Abrir pasta")
                    onClicked: Downloader.openFolder()
                }
            }

            EngineBanner {
                Layout.fillWidth: true
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                Layout.bottomMargin: 14
            }

            InterruptedBanner {
                Layout.fillWidth: true
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                Layout.bottomMargin: 14
            }

            SchemeBanner {
                Layout.fillWidth: true
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                Layout.bottomMargin: 14
            }

            ClipboardBanner {
                visible: Downloader.intake.hasClipboardSuggestion
                url: Downloader.intake.clipboardSuggestion
                Layout.fillWidth: true
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                Layout.bottomMargin: 14
            }

            InputCard {
                Layout.fillWidth: true
                tabTarget: () => queue.count > 0 ? queue.itemAtIndex(0) : null
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                active: summary.active
                // Its drawings rest while the queue is scrolled past it.
                animating: page.animating && parent.y + y + height > queue.contentY
                Appear.delay: 0.05
            }

            EmptyCard {
                visible: summary.empty
                Layout.fillWidth: true
                Layout.leftMargin: DS.pageMargin
                Layout.rightMargin: DS.pageMargin
                Layout.topMargin: 14
                animating: page.animating
                Appear.delay: 0.1
            }

            RowLayout {
                visible: !summary.empty
                Layout.fillWidth: true
                Layout.leftMargin: 36
                Layout.rightMargin: 36
                Layout.topMargin: 24
                Layout.bottomMargin: 10

                Caption {
                    text: I18n.l("Fila")
                }

                Item {
                    Layout.fillWidth: true
                }

                PlainLabel {
                    objectName: "queueCount"
                    text: summary.countText
                    color: DS.muted
                    font: DS.mono(11)
                }
            }
        }

        footer: Item {
            width: queue.width
            height: 32
        }

        // Each card is its own delegate, so that the queue can hand the keyboard from one
        // card to the next: the list's own order of children follows creation, not position.
        delegate: DownloadCard {
            required property int index

            x: 32
            width: queue.width - 64
            animating: page.animating
            // The keyboard has gone down into the queue, which scrolls after it: the view no
            // longer rests at the top.
            onActiveFocusChanged: if (activeFocus) queue.resting = false
            onTabbedOut: forward => {
                const next = index + (forward ? 1 : -1);
                if (next >= 0 && next < queue.count) {
                    queue.positionViewAtIndex(next, ListView.Contain);
                    queue.itemAtIndex(next).forceActiveFocus(Qt.TabFocusReason);
                } else {
                    const outside = queue.itemAtIndex(forward ? queue.count - 1 : 0).nextItemInFocusChain(forward);
                    if (outside)
                        outside.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason);
                }
            }
        }

        T.ScrollBar.vertical: ScrollBarStyle {
            label: I18n.l("Downloads")
        }
    }
}
