import QtQuick
import Vireloom.Design
import Vireloom.UI

// When downloads may start, and whether the application starts with the session.
SettingsCard {
    id: root

    title: I18n.l("Horários")
    symbol: "clock"

    FollowingView {
        id: clockTexts
    }

    SettingRow {
        objectName: "downloadWindowRow"
        title: I18n.l("Janela de downloads")
        sub: I18n.l("Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.")

        Switch {
            objectName: "switch_downloadWindow"
            checked: AppSettings.downloadWindow
            onToggled: AppSettings.downloadWindow = checked
        }
    }

    SettingRow {
        id: windowTimesRow

        objectName: "downloadWindowTimesRow"
        visible: AppSettings.downloadWindow
        title: I18n.l("Das … às …")
        sub: I18n.l("Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.")

        ClockField {
            objectName: "windowStartField"
            label: I18n.l("Início da janela")
            row: windowTimesRow
            texts: clockTexts
            minutes: AppSettings.downloadWindowStart
            onOffered: value => AppSettings.downloadWindowStart = value
        }

        PlainLabel {
            text: "–"
            color: DS.muted
        }

        ClockField {
            objectName: "windowEndField"
            label: I18n.l("Fim da janela")
            row: windowTimesRow
            texts: clockTexts
            minutes: AppSettings.downloadWindowEnd
            onOffered: value => AppSettings.downloadWindowEnd = value
        }
    }

    SettingRow {
        objectName: "startAtLoginRow"
        title: I18n.l("Iniciar o Vireloom ao entrar na sessão, na bandeja")
        sub: I18n.l("Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.")
        problem: Shell.startAtLoginProblem

        Switch {
            objectName: "switch_startAtLogin"
            checked: AppSettings.startAtLogin
            onToggled: AppSettings.startAtLogin = checked
        }
    }
}
