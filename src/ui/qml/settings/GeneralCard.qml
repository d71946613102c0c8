import QtQuick
import Vireloom.Design
import Vireloom.UI

// Where downloads go, how many run at once, and what the window does on its own.
SettingsCard {
    id: root

    readonly property SettingRow folderRow: folderSetting

    title: I18n.l("Geral")
    symbol: "gearshape"

    // The chooser is the desktop's own where a desktop portal offers one; the window's otherwise.
    PortalFileChooser {
        id: folderChooser

        selectFolder: true
        title: folderDialog.title
        acceptLabel: folderDialog.acceptLabel
        onAccepted: url => folderSetting.problem = AppSettings.chooseFolder(url)
        onUnavailable: folderDialog.open()
    }

    FileChooserSheet {
        id: folderDialog

        objectName: "folderDialog"
        selectFolder: true
        title: I18n.l("Escolher a pasta dos downloads")
        acceptLabel: I18n.l("Escolher")
        onChosen: url => folderSetting.problem = AppSettings.chooseFolder(url)
    }

    SettingRow {
        id: folderSetting

        objectName: "folderRow"
        title: I18n.l("Salvar em")
        sub: I18n.leftToRight(AppSettings.folderText)

        GhostButtonStyle {
            objectName: "chooseFolder"
            text: I18n.l("Escolher…")
            Accessible.name: folderDialog.title
            compact: true
            // Each time in the folder in use now.
            onClicked: {
                folderDialog.currentFolder = AppSettings.folderUrl;
                folderChooser.currentFolder = AppSettings.folderUrl;
                folderChooser.open(root.Window.window);
            }
        }
    }

    StepperRow {
        objectName: "concurrentRow"
        title: I18n.l("Downloads ao mesmo tempo")
        value: AppSettings.maxConcurrent
        floor: AppSettings.maxConcurrentFloor
        ceiling: AppSettings.maxConcurrentCeiling
        onStepped: delta => AppSettings.stepMaxConcurrent(delta)
    }

    StepperRow {
        objectName: "fragmentsRow"
        title: I18n.l("Conexões paralelas por download")
        sub: I18n.l("Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.")
        value: AppSettings.concurrentFragments
        floor: AppSettings.concurrentFragmentsFloor
        ceiling: AppSettings.concurrentFragmentsCeiling
        onStepped: delta => AppSettings.stepConcurrentFragments(delta)
    }

    SettingRow {
        title: I18n.l("Sugerir links copiados")
        sub: I18n.l("Quando você copia um link e volta para o Vireloom")

        Switch {
            objectName: "switch_watchClipboard"
            checked: AppSettings.watchClipboard
            onToggled: AppSettings.watchClipboard = checked
        }
    }

    SettingRow {
        title: I18n.l("Tocar som ao concluir")

        Switch {
            objectName: "switch_soundOnDone"
            checked: AppSettings.soundOnDone
            onToggled: AppSettings.soundOnDone = checked
        }
    }
}
