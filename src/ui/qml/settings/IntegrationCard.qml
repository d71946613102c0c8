pragma ComponentBehavior: Bound

import QtQuick
import Vireloom.Design
import Vireloom.UI

// The browsers and the extension, the sites that remember a browser's login, the texts that
// connect a browser, a launcher or the terminal to the application, and what links from
// other programs may do.
SettingsCard {
    id: root

    required property SettingsView view

    readonly property BrowserCompanion browsers: Shell.browsers

    title: I18n.l("Integração")
    symbol: "link"
    // The browsers' folders are read on a worker each time the page is made.
    Component.onCompleted: root.browsers.refresh()

    SettingRow {
        objectName: "browsersRow"
        title: I18n.l("Navegadores")
        sub: root.browsers.outcome.length > 0 && !root.browsers.outcomeFailed
             ? root.browsers.hostsText + "\n" + root.browsers.outcome
             : root.browsers.hostsText
        problem: root.browsers.outcomeFailed ? root.browsers.outcome : ""

        GhostButtonStyle {
            objectName: "setUpBrowsers"
            text: I18n.l("Configurar")
            Accessible.name: I18n.l("Configurar os navegadores para a extensão do Vireloom")
            compact: true
            enabled: !root.browsers.settingUp
            onClicked: root.browsers.setUp()
        }
    }

    SettingRow {
        objectName: "extensionRow"
        title: I18n.l("Extensão do navegador")
        sub: root.browsers.extensionFolder.length > 0
             ? root.browsers.extensionText + "\n" + root.view.displayPath(root.browsers.extensionFolder)
             : root.browsers.extensionText

        RoundIconButton {
            objectName: "openExtensionFolder"
            visible: root.browsers.extensionFolder.length > 0
            symbol: "folder.open"
            help: I18n.l("Abrir a pasta da extensão")
            onClicked: root.browsers.openExtensionFolder()
        }

        RoundIconButton {
            objectName: "copyExtensionFolder"
            visible: root.browsers.extensionFolder.length > 0
            symbol: "doc.on.clipboard"
            help: I18n.l("Copiar o caminho da pasta da extensão")
            onClicked: Shell.copy(root.browsers.extensionFolder)
        }
    }

    SettingRow {
        objectName: "siteLoginsRow"
        title: I18n.l("Logins lembrados")
        sub: sites.count > 0
             ? I18n.l("Estes sites usam logo de início o login de navegador que resolveu um download deles.")
             : I18n.l("Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.")
    }

    Repeater {
        id: sites

        model: root.browsers.sites

        SettingRow {
            id: site

            required property string value
            required property string label

            objectName: "siteLogin"
            title: value
            sub: label

            RoundIconButton {
                objectName: "forgetSite"
                symbol: "xmark"
                help: I18n.lf("Esquecer o login de %@", [site.value])
                onClicked: root.browsers.forgetSite(site.value)
            }
        }
    }

    SettingRow {
        title: I18n.l("Botão no navegador")
        sub: I18n.l("Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.")

        GhostButtonStyle {
            objectName: "copyBookmarklet"
            text: I18n.l("Copiar")
            Accessible.name: I18n.l("Copiar o favorito do navegador")
            compact: true
            onClicked: Shell.copy(root.view.bookmarklet)
        }
    }

    SettingRow {
        title: I18n.l("Lançadores e Terminal")
        sub: root.view.schemeHelp

        GhostButtonStyle {
            objectName: "copySchemePrefix"
            text: I18n.l("Copiar")
            Accessible.name: I18n.l("Copiar o endereço para lançadores e terminal")
            compact: true
            onClicked: Shell.copy(root.view.schemePrefix)
        }
    }

    SettingRow {
        title: I18n.l("Links da rede local vindos de outros programas")
        sub: I18n.l("Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.")

        Switch {
            objectName: "switch_schemeLocalAddresses"
            checked: AppSettings.schemeLocalAddresses === "allow"
            onToggled: AppSettings.schemeLocalAddresses = checked ? "allow" : "ask"
        }
    }
}
