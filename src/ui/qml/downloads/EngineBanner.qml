import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// Shown while parts of the engine are missing (what is missing, and the way to install
// it), while yt-dlp is behind its latest release, or while Deno is too old or ffmpeg or
// Deno is behind (and the way to update them).
Surface {
    id: root

    objectName: "engineBanner"
    visible: texts.shown
    radius: 12
    implicitHeight: row.implicitHeight + 28

    EngineBannerTexts {
        id: texts

        engine: Downloader.engine
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 14
        spacing: 12

        IconTile {
            symbol: "shippingbox"
            size: 30
            color: DS.warning
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            PlainLabel {
                objectName: "engineBannerTitle"
                text: texts.title
                font.pixelSize: DS.typeBody
                font.weight: Font.DemiBold
            }

            PlainLabel {
                objectName: "engineBannerDetail"
                Layout.fillWidth: true
                text: texts.detail
                color: texts.failed ? DS.warning : DS.muted
                font.pixelSize: DS.typeCaption
                wrapMode: Text.Wrap
            }
        }

        Spinner {
            objectName: "engineSpinner"
            visible: Downloader.engine.installing
            color: DS.warning
        }

        PrimaryButtonStyle {
            objectName: "installEngine"
            visible: !Downloader.engine.installing
            compact: true
            text: texts.action
            onClicked: {
                if (texts.offersSetAside)
                    Downloader.engine.trySetAsideAgain()
                else if (texts.offersOthers)
                    Downloader.engine.updateOthers()
                else
                    Downloader.engine.install(texts.offersUpdate)
            }
        }
    }
}
