import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// Downloads the last session left unfinished, offered back; and a queue journal that
// could not be read, which was kept aside rather than dropped.
Surface {
    id: root

    objectName: "interruptedBanner"
    visible: Downloader.interrupted.count > 0 || Downloader.interrupted.setAside !== ""
    radius: 12
    implicitHeight: column.implicitHeight + 28

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 14
        spacing: 10

        RowLayout {
            visible: Downloader.interrupted.count > 0
            Layout.fillWidth: true
            spacing: 12

            IconTile {
                symbol: "arrow.clockwise"
                size: 30
                color: DS.primary
            }

            PlainLabel {
                objectName: "interruptedText"
                Layout.fillWidth: true
                text: I18n.lp("%ld download foi interrompido|%ld downloads foram interrompidos", Downloader.interrupted.count)
                font.pixelSize: DS.typeBody
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
            }

            GhostButtonStyle {
                objectName: "interruptedDiscard"
                compact: true
                text: I18n.l("Descartar")
                onClicked: Downloader.interrupted.discard()
            }

            PrimaryButtonStyle {
                objectName: "interruptedResume"
                compact: true
                text: I18n.l("Retomar todos")
                onClicked: Downloader.interrupted.resume()
            }
        }

        RowLayout {
            visible: Downloader.interrupted.setAside !== ""
            Layout.fillWidth: true
            spacing: 12

            IconTile {
                symbol: "exclamationmark.triangle.fill"
                size: 30
                color: DS.warning
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2

                PlainLabel {
                    Layout.fillWidth: true
                    text: I18n.l("A lista de downloads salva não pôde ser lida e foi guardada à parte.")
                    font.pixelSize: DS.typeBody
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }

                PlainLabel {
                    objectName: "journalSetAside"
                    Layout.fillWidth: true
                    text: Downloader.interrupted.setAside
                    color: DS.muted
                    font: DS.mono(11)
                    maximumLineCount: 1
                    elide: Text.ElideMiddle
                }
            }

            GhostButtonStyle {
                objectName: "journalSetAsideDismiss"
                compact: true
                text: I18n.l("OK")
                onClicked: Downloader.interrupted.dismissSetAside()
            }
        }
    }
}
