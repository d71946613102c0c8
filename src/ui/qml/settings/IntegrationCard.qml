import QtQuick
import Vireloom.Design
import Vireloom.UI

// The texts that connect a browser, a launcher or the terminal to the application, and
// what links from other programs may do.
SettingsCard {
    id: root

    required property SettingsView view

    title: I18n.l("Integração")
    symbol: "link"

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
