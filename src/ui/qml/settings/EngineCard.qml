import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// The engine's programs, where they are and which version, with the buttons that
// update or complete them.
SettingsCard {
    id: root

    required property SettingsView view

    title: I18n.l("Motor")
    symbol: "shippingbox"

    EngineBannerTexts {
        id: engineTexts

        engine: Downloader.engine
    }

    EngineRow {
        helper: root.view
        objectName: "engine_ytdlp"
        title: "yt-dlp"
        path: Downloader.engine.ytdlpPath
        version: Downloader.engine.ytdlpVersion
    }

    EngineRow {
        helper: root.view
        objectName: "engine_ffmpeg"
        title: "ffmpeg"
        path: Downloader.engine.ffmpegPath
        version: Downloader.engine.ffmpegVersion
        available: engineTexts.ffmpegAvailable
    }

    EngineRow {
        helper: root.view
        objectName: "engine_deno"
        title: "Deno"
        path: Downloader.engine.denoPath
        version: Downloader.engine.denoVersion
        outdated: Downloader.engine.denoTooOld ? engineTexts.denoTooOld : ""
        available: engineTexts.denoAvailable
    }

    SettingRow {
        title: I18n.l("Procurar versões novas do yt-dlp")
        sub: engineTexts.freshness.length > 0 ? engineTexts.freshness : I18n.l("Uma vez por dia, sem baixar nada")

        Switch {
            objectName: "switch_checkEngineUpdates"
            checked: AppSettings.checkEngineUpdates
            onToggled: AppSettings.checkEngineUpdates = checked
        }
    }

    // The actions, with a word on when to use them below.
    Column {
        width: parent.width
        topPadding: 10
        spacing: 8

        RowLayout {
            width: parent.width
            spacing: 10

            PrimaryButtonStyle {
                objectName: "updateEngine"
                text: I18n.l("Atualizar yt-dlp")
                compact: true
                enabled: !Downloader.engine.installing
                onClicked: Downloader.engine.install(true)
            }

            OptionMenu {
                objectName: "channelMenu"
                label: I18n.l("Versões do yt-dlp")
                selection: AppSettings.engineChannel
                options: root.view.channelOptions
                enabled: !Downloader.engine.installing
                onChosen: value => AppSettings.engineChannel = value
            }

            GhostButtonStyle {
                objectName: "installMissing"
                text: Downloader.engine.complete ? engineTexts.othersAction : I18n.l("Instalar o que falta")
                compact: true
                enabled: !Downloader.engine.installing
                onClicked: Downloader.engine.complete ? Downloader.engine.updateOthers() : Downloader.engine.install(false)
            }

            GhostButtonStyle {
                objectName: "rollBackEngine"
                visible: Downloader.engine.canRollBack
                text: Downloader.engine.previousYtdlpVersion.length > 0
                      ? I18n.lf("Voltar ao yt-dlp %@", [Downloader.engine.previousYtdlpVersion])
                      : I18n.l("Voltar ao yt-dlp anterior")
                compact: true
                enabled: !Downloader.engine.installing
                onClicked: Downloader.engine.rollBack()
            }

            InstallSpinner {
                objectName: "installSpinner"
                visible: Downloader.engine.installing
            }

            PlainLabel {
                objectName: "installStatus"
                Layout.fillWidth: true
                text: Downloader.engine.installStatus
                color: DS.muted
                font.pixelSize: DS.typeCaption
                elide: Text.ElideRight
            }

            RoundIconButton {
                objectName: "engineFolder"
                symbol: "folder"
                help: I18n.l("Mostrar pasta do motor")
                onClicked: Downloader.openEngineFolder()
            }
        }

        PlainLabel {
            width: parent.width
            text: I18n.l("Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.")
            color: DS.muted
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
        }
    }
}
