import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// The offer of a link found on the clipboard: download it, or never offer it again.
Surface {
    id: root

    property string url

    objectName: "clipboardBanner"
    radius: 12
    implicitHeight: row.implicitHeight + 28

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 14
        spacing: 12

        IconTile {
            symbol: "doc.on.clipboard"
            size: 30
            color: DS.primary
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            PlainLabel {
                text: I18n.l("Link copiado")
                font.pixelSize: DS.typeBody
                font.weight: Font.DemiBold
            }

            PlainLabel {
                objectName: "clipboardLink"
                Layout.fillWidth: true
                text: root.url
                color: DS.muted
                font: DS.mono(11)
                maximumLineCount: 1
                elide: Text.ElideMiddle
            }
        }

        GhostButtonStyle {
            objectName: "clipboardIgnore"
            compact: true
            text: I18n.l("Ignorar")
            onClicked: Downloader.intake.dismissClipboard()
        }

        PrimaryButtonStyle {
            objectName: "clipboardDownload"
            compact: true
            text: I18n.l("Baixar")
            enabled: Downloader.engine.ready
            opacity: enabled ? 1 : 0.4
            onClicked: Shell.addFromUI(root.url)
        }
    }
}
