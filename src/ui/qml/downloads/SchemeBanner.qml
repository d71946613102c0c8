import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// What a "vireloom:" address asked for that waits on the user: a link into the local
// network to confirm, or an address refused because it carried more than one link.
Surface {
    id: root

    objectName: "schemeBanner"
    visible: Downloader.intake.schemeLinkToConfirm !== "" || Downloader.intake.schemeRefusedLinks > 0
    radius: 12
    implicitHeight: column.implicitHeight + 28

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 14
        spacing: 10

        RowLayout {
            visible: Downloader.intake.schemeLinkToConfirm !== ""
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
                    objectName: "schemeConfirmText"
                    Layout.fillWidth: true
                    text: I18n.lf("Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?",
                                  [Downloader.intake.schemeHostToConfirm])
                    font.pixelSize: DS.typeBody
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }

                PlainLabel {
                    objectName: "schemeConfirmLink"
                    Layout.fillWidth: true
                    text: Downloader.intake.schemeLinkToConfirm
                    color: DS.muted
                    font: DS.mono(11)
                    maximumLineCount: 1
                    elide: Text.ElideMiddle
                }
            }

            GhostButtonStyle {
                objectName: "schemeIgnore"
                compact: true
                text: I18n.l("Ignorar")
                onClicked: Downloader.intake.ignoreSchemeLink()
            }

            PrimaryButtonStyle {
                objectName: "schemeDownload"
                compact: true
                text: I18n.l("Baixar")
                onClicked: Downloader.intake.confirmSchemeLink()
            }
        }

        RowLayout {
            visible: Downloader.intake.schemeRefusedLinks > 0
            Layout.fillWidth: true
            spacing: 12

            IconTile {
                symbol: "exclamationmark.triangle.fill"
                size: 30
                color: DS.warning
            }

            PlainLabel {
                objectName: "schemeRefusedText"
                Layout.fillWidth: true
                text: I18n.lp("Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.",
                              Downloader.intake.schemeRefusedLinks)
                font.pixelSize: DS.typeBody
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
            }

            GhostButtonStyle {
                objectName: "schemeRefusedDismiss"
                compact: true
                text: I18n.l("OK")
                onClicked: Downloader.intake.dismissSchemeRefusal()
            }
        }
    }
}
