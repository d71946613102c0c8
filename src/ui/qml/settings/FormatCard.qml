import QtQuick
import Vireloom.Design
import Vireloom.UI

// What a download is made into: its quality, codec, subtitles, metadata and cover, and the
// browser whose login it uses.
SettingsCard {
    id: root

    required property SettingsView view
    readonly property SettingRow browserRow: browserSetting

    title: I18n.l("Formato")
    symbol: "film"

    SettingRow {
        objectName: "defaultQualityRow"
        title: I18n.l("Qualidade padrão")
        sub: I18n.l("Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.")

        OptionMenu {
            objectName: "qualityMenu"
            selection: AppSettings.quality
            options: root.view.qualityOptions
            onChosen: value => AppSettings.quality = value
        }
    }

    SettingRow {
        title: I18n.l("Preferir H.264")
        sub: I18n.l("Abre direto na maioria dos players e editores, sem converter")

        Switch {
            objectName: "switch_preferH264"
            checked: AppSettings.preferH264
            onToggled: AppSettings.preferH264 = checked
        }
    }

    SettingRow {
        id: audioLanguageSetting

        objectName: "audioLanguageRow"
        title: I18n.l("Idioma do áudio")
        sub: I18n.l("Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.")

        SettingField {
            objectName: "audioLanguageField"
            text: AppSettings.audioLanguage
            refused: audioLanguageSetting.problem.length > 0
            onTextEdited: audioLanguageSetting.problem = ""
            onEditingFinished: audioLanguageSetting.problem = AppSettings.offerAudioLanguage(text)
        }
    }

    SettingRow {
        title: I18n.l("Embutir legendas")

        Switch {
            objectName: "switch_subs"
            checked: AppSettings.subs
            onToggled: AppSettings.subs = checked
        }
    }

    SettingRow {
        objectName: "subLangsRow"
        visible: AppSettings.subs
        title: I18n.l("Idiomas das legendas")

        SettingField {
            objectName: "subLangsField"
            text: AppSettings.subLangs
            onTextEdited: AppSettings.subLangs = text
        }
    }

    SettingRow {
        title: I18n.l("Gravar título e autor nos metadados")

        Switch {
            objectName: "switch_embedMeta"
            checked: AppSettings.embedMeta
            onToggled: AppSettings.embedMeta = checked
        }
    }

    SettingRow {
        title: I18n.l("Embutir miniatura como capa")

        Switch {
            objectName: "switch_embedThumb"
            checked: AppSettings.embedThumb
            onToggled: AppSettings.embedThumb = checked
        }
    }

    SettingRow {
        id: browserSetting

        objectName: "browserRow"
        title: I18n.l("Usar login do navegador")
        sub: I18n.l("Para vídeos que exigem conta (Instagram, privados).")

        OptionMenu {
            objectName: "browserMenu"
            selection: AppSettings.cookies
            options: root.view.browserOptions
            onChosen: value => AppSettings.cookies = value
        }
    }
}
