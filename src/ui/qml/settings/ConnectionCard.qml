import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// How downloads reach the sites: the proxy, a cookies file, the pauses sites ask for, and
// the record of what was downloaded already.
SettingsCard {
    id: root

    readonly property SettingRow proxyRow: proxySetting
    readonly property SettingRow cookiesFileRow: cookiesFileSetting

    title: I18n.l("Conexão")
    symbol: "slider.horizontal.3"

    // The chooser is the desktop's own where a desktop portal offers one; the window's otherwise.
    PortalFileChooser {
        id: cookiesChooser

        title: cookiesDialog.title
        acceptLabel: cookiesDialog.acceptLabel
        nameFilters: cookiesDialog.nameFilters
        onAccepted: url => cookiesFileSetting.problem = AppSettings.chooseCookiesFile(url)
        onUnavailable: cookiesDialog.open()
    }

    FileChooserSheet {
        id: cookiesDialog

        objectName: "cookiesDialog"
        title: I18n.l("Escolher o arquivo de cookies")
        nameFilters: [I18n.l("Arquivos de cookies") + " (*.txt)", I18n.l("Todos os arquivos") + " (*)"]
        acceptLabel: I18n.l("Escolher")
        onChosen: url => cookiesFileSetting.problem = AppSettings.chooseCookiesFile(url)
    }

    SettingRow {
        id: proxySetting

        objectName: "proxyRow"
        title: I18n.l("Proxy")
        sub: I18n.l("Deixe vazio para conectar direto.")

        SettingField {
            objectName: "proxyField"
            Layout.preferredWidth: 220
            implicitWidth: 220
            text: AppSettings.proxy
            refused: proxySetting.problem.length > 0
            onTextEdited: proxySetting.problem = ""
            onEditingFinished: proxySetting.problem = AppSettings.offerProxy(text)
        }
    }

    SettingRow {
        id: cookiesFileSetting

        objectName: "cookiesFileRow"
        title: I18n.l("Arquivo de cookies")
        sub: AppSettings.cookiesFile.length > 0
             ? AppSettings.cookiesFileText
             : I18n.l("Para quando o login do navegador falha: um cookies.txt exportado.")

        RoundIconButton {
            objectName: "clearCookiesFile"
            visible: AppSettings.cookiesFile.length > 0
            symbol: "xmark"
            help: I18n.l("Não usar o arquivo")
            onClicked: {
                cookiesFileSetting.problem = "";
                AppSettings.clearCookiesFile();
            }
        }

        GhostButtonStyle {
            objectName: "chooseCookiesFile"
            text: I18n.l("Escolher…")
            Accessible.name: cookiesDialog.title
            compact: true
            onClicked: {
                cookiesDialog.currentFolder = AppSettings.cookiesFileFolder;
                cookiesChooser.currentFolder = AppSettings.cookiesFileFolder;
                cookiesChooser.open(root.Window.window);
            }
        }
    }

    SettingRow {
        id: rateLimitSetting

        objectName: "rateLimitRow"
        title: I18n.l("Limite de velocidade")
        sub: I18n.l("Por download, como 500K ou 2M. Vazio: sem limite.")

        SettingField {
            objectName: "rateLimitField"
            text: AppSettings.rateLimitText
            refused: rateLimitSetting.problem.length > 0
            onTextEdited: rateLimitSetting.problem = ""
            onEditingFinished: rateLimitSetting.problem = AppSettings.offerRateLimit(text)
        }
    }

    SecondsRow {
        id: sleepRequestsRow

        objectName: "sleepRequestsRow"
        title: I18n.l("Pausa entre pedidos")
        sub: I18n.l("Segundos. Sites limitam quem pede rápido demais.")
        seconds: AppSettings.sleepRequests
        onOffered: text => sleepRequestsRow.problem = AppSettings.offerSleepRequests(text)
        onStepped: delta => AppSettings.stepSleepRequests(delta)
    }

    SecondsRow {
        id: sleepIntervalRow

        objectName: "sleepIntervalRow"
        title: I18n.l("Pausa entre itens da playlist")
        sub: I18n.l("Segundos antes de cada item.")
        seconds: AppSettings.sleepInterval
        onOffered: text => sleepIntervalRow.problem = AppSettings.offerSleepInterval(text)
        onStepped: delta => AppSettings.stepSleepInterval(delta)
    }

    SettingRow {
        title: I18n.l("Pular o que já foi baixado")
        sub: I18n.l("Uma playlist baixada de novo traz só os itens novos.")

        Switch {
            objectName: "switch_useArchive"
            checked: AppSettings.useArchive
            onToggled: AppSettings.useArchive = checked
        }
    }
}
