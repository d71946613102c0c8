pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Dialogs
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Every setting, bound to its key and written at once; the engine programs with the
// buttons that complete or update them; the texts that connect a browser or a launcher.
Flickable {
    id: root

    objectName: "settingsPage"
    contentWidth: width
    contentHeight: column.implicitHeight + 32
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    Component.onCompleted: {
        Downloader.engine.refresh();
        const wanted = Shell.takeSettingsFocus();
        root.revealing = wanted === WantedSetting.Row.browser ? browserRow
                       : wanted === WantedSetting.Row.proxy ? proxyRow
                       : wanted === WantedSetting.Row.cookiesFile ? cookiesFileRow
                       : wanted === WantedSetting.Row.folder ? folderRow : null;
        if (root.revealing)
            Qt.callLater(root.reveal);
    }

    // The row to bring into view. A page just made is still being laid out, so the row is
    // brought into view again as the page's height settles, until the user scrolls.
    property Item revealing: null
    onContentHeightChanged: root.reveal()
    onMovementStarted: root.revealing = null

    // Scrolls so the row stands near the top, as far as the page lets it.
    function reveal() {
        if (!root.revealing)
            return;
        const top = root.revealing.mapToItem(column, 0, 0).y - 16;
        root.contentY = Math.max(0, Math.min(top, root.contentHeight - root.height));
    }

    EngineBannerTexts {
        id: engineTexts

        engine: Downloader.engine
    }

    SettingsView {
        id: settingsView
    }

    FollowingView {
        id: clockTexts
    }

    // Each chooser is the desktop's own where a desktop portal offers one; Qt's otherwise.
    PortalFileChooser {
        id: cookiesChooser

        title: cookiesDialog.title
        acceptLabel: cookiesDialog.acceptLabel
        nameFilters: cookiesDialog.nameFilters
        onAccepted: url => cookiesFileRow.problem = AppSettings.chooseCookiesFile(url)
        onUnavailable: cookiesDialog.open()
    }

    FileDialog {
        id: cookiesDialog

        objectName: "cookiesDialog"
        title: I18n.l("Escolher o arquivo de cookies")
        fileMode: FileDialog.OpenFile
        nameFilters: [I18n.l("Arquivos de cookies") + " (*.txt)", I18n.l("Todos os arquivos") + " (*)"]
        acceptLabel: I18n.l("Escolher")
        onAccepted: cookiesFileRow.problem = AppSettings.chooseCookiesFile(cookiesDialog.selectedFile)
    }

    PortalFileChooser {
        id: folderChooser

        selectFolder: true
        title: folderDialog.title
        acceptLabel: folderDialog.acceptLabel
        onAccepted: url => folderRow.problem = AppSettings.chooseFolder(url)
        onUnavailable: folderDialog.open()
    }

    FolderDialog {
        id: folderDialog

        objectName: "folderDialog"
        title: I18n.l("Escolher a pasta dos downloads")
        acceptLabel: I18n.l("Escolher")
        onAccepted: folderRow.problem = AppSettings.chooseFolder(folderDialog.selectedFolder)
    }

    ColumnLayout {
        id: column

        width: root.width
        spacing: 14

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Ajustes")
            l1: I18n.l("Do seu jeito,")
            l2: I18n.l("sem complicação.")
        }

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.05
            title: I18n.l("Geral")
            symbol: "gearshape"

            SettingRow {
                id: folderRow

                objectName: "folderRow"
                title: I18n.l("Salvar em")
                sub: AppSettings.folderText

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

            SettingRow {
                title: I18n.l("Downloads ao mesmo tempo")

                PlainLabel {
                    objectName: "concurrentValue"
                    Layout.preferredWidth: 18
                    horizontalAlignment: Text.AlignHCenter
                    text: String(AppSettings.maxConcurrent)
                    font: DS.mono(14, Font.DemiBold)
                }

                Row {
                    StepButton {
                        objectName: "stepDown"
                        text: "−"
                        by: -1
                        setting: I18n.l("Downloads ao mesmo tempo")
                        value: String(AppSettings.maxConcurrent)
                        enabled: AppSettings.maxConcurrent > AppSettings.maxConcurrentFloor
                        onClicked: AppSettings.stepMaxConcurrent(-1)
                    }

                    StepButton {
                        objectName: "stepUp"
                        text: "+"
                        by: 1
                        setting: I18n.l("Downloads ao mesmo tempo")
                        value: String(AppSettings.maxConcurrent)
                        enabled: AppSettings.maxConcurrent < AppSettings.maxConcurrentCeiling
                        onClicked: AppSettings.stepMaxConcurrent(1)
                    }
                }
            }

            SettingRow {
                objectName: "fragmentsRow"
                title: I18n.l("Conexões paralelas por download")
                sub: I18n.l("Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.")

                PlainLabel {
                    objectName: "fragmentsValue"
                    Layout.preferredWidth: 18
                    horizontalAlignment: Text.AlignHCenter
                    text: String(AppSettings.concurrentFragments)
                    font: DS.mono(14, Font.DemiBold)
                }

                Row {
                    StepButton {
                        objectName: "fragmentsDown"
                        text: "−"
                        by: -1
                        setting: I18n.l("Conexões paralelas por download")
                        value: String(AppSettings.concurrentFragments)
                        enabled: AppSettings.concurrentFragments > AppSettings.concurrentFragmentsFloor
                        onClicked: AppSettings.stepConcurrentFragments(-1)
                    }

                    StepButton {
                        objectName: "fragmentsUp"
                        text: "+"
                        by: 1
                        setting: I18n.l("Conexões paralelas por download")
                        value: String(AppSettings.concurrentFragments)
                        enabled: AppSettings.concurrentFragments < AppSettings.concurrentFragmentsCeiling
                        onClicked: AppSettings.stepConcurrentFragments(1)
                    }
                }
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

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.1
            title: I18n.l("Formato")
            symbol: "film"

            SettingRow {
                objectName: "defaultQualityRow"
                title: I18n.l("Qualidade padrão")
                sub: I18n.l("Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.")

                OptionMenu {
                    objectName: "qualityMenu"
                    selection: AppSettings.quality
                    options: settingsView.qualityOptions
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
                id: browserRow

                objectName: "browserRow"
                title: I18n.l("Usar login do navegador")
                sub: I18n.l("Para vídeos que exigem conta (Instagram, privados).")

                OptionMenu {
                    objectName: "browserMenu"
                    selection: AppSettings.cookies
                    options: settingsView.browserOptions
                    onChosen: value => AppSettings.cookies = value
                }
            }
        }

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.15
            title: I18n.l("Conexão")
            symbol: "slider.horizontal.3"

            SettingRow {
                id: proxyRow

                objectName: "proxyRow"
                title: I18n.l("Proxy")
                sub: I18n.l("Deixe vazio para conectar direto.")

                SettingField {
                    objectName: "proxyField"
                    Layout.preferredWidth: 220
                    implicitWidth: 220
                    text: AppSettings.proxy
                    refused: proxyRow.problem.length > 0
                    onTextEdited: proxyRow.problem = ""
                    onEditingFinished: proxyRow.problem = AppSettings.offerProxy(text)
                }
            }

            SettingRow {
                id: cookiesFileRow

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
                        cookiesFileRow.problem = "";
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

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.18
            title: I18n.l("Horários")
            symbol: "clock"

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

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.2
            title: I18n.l("Motor")
            symbol: "shippingbox"

            EngineRow {
                helper: settingsView
                objectName: "engine_ytdlp"
                title: "yt-dlp"
                path: Downloader.engine.ytdlpPath
                version: Downloader.engine.ytdlpVersion
            }

            EngineRow {
                helper: settingsView
                objectName: "engine_ffmpeg"
                title: "ffmpeg"
                path: Downloader.engine.ffmpegPath
            }

            EngineRow {
                helper: settingsView
                objectName: "engine_deno"
                title: "Deno"
                path: Downloader.engine.denoPath
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

            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: 10
                spacing: 10

                PrimaryButtonStyle {
                    objectName: "updateEngine"
                    text: I18n.l("Atualizar yt-dlp")
                    compact: true
                    enabled: !Downloader.engine.installing
                    onClicked: Downloader.engine.install(true)
                }

                GhostButtonStyle {
                    objectName: "installMissing"
                    text: I18n.l("Instalar o que falta")
                    compact: true
                    enabled: !Downloader.engine.installing
                    onClicked: Downloader.engine.install(false)
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

                Spinner {
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
                Layout.fillWidth: true
                Layout.topMargin: 8
                text: I18n.l("Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.")
                color: DS.muted
                font.pixelSize: DS.typeCaption
                wrapMode: Text.Wrap
            }
        }

        SettingsCard {
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Appear.delay: 0.25
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
                    onClicked: Shell.copy(settingsView.bookmarklet)
                }
            }

            SettingRow {
                title: I18n.l("Lançadores e Terminal")
                sub: settingsView.schemeHelp

                GhostButtonStyle {
                    objectName: "copySchemePrefix"
                    text: I18n.l("Copiar")
                    Accessible.name: I18n.l("Copiar o endereço para lançadores e terminal")
                    compact: true
                    onClicked: Shell.copy(settingsView.schemePrefix)
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
    }

    // One program of the engine: where it is and what it reports.
    component EngineRow: SettingRow {
        id: engineRow

        property SettingsView helper
        property string path
        property string version

        sub: engineRow.path.length > 0 ? engineRow.helper.displayPath(engineRow.path) : ""

        Chip {
            objectName: "chip"
            text: engineRow.helper.engineChip(engineRow.path, engineRow.version)
            color: engineRow.path.length === 0 ? DS.danger : engineRow.helper.engineChipWarns(engineRow.version) ? DS.warning : DS.success
        }
    }

    // A single-line field in the page's monospaced style.
    component SettingField: T.TextField {
        id: settingField

        // What it holds, for screen readers; a settings row gives it its title.
        property string label
        // The value last offered was refused: the field turns red until it is edited.
        property bool refused: false

        Accessible.role: Accessible.EditableText
        Accessible.name: settingField.label.length > 0 ? settingField.label
                                                       : ((settingField.parent?.parent as SettingRow)?.title ?? "")
        Layout.preferredWidth: 140
        implicitWidth: 140
        implicitHeight: contentHeight + topPadding + bottomPadding
        leftPadding: 10
        rightPadding: 10
        topPadding: 5
        bottomPadding: 5
        color: DS.text
        selectionColor: DS.opacity(DS.primary, 0.4)
        font: DS.mono(12, Font.Normal)

        background: Rectangle {
            radius: height / 2
            color: DS.opacity(DS.bg, 0.6)
            border.width: 1
            border.color: settingField.refused ? DS.danger : settingField.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border
        }

        FocusRing {
            shown: settingField.activeFocus
            controlRadius: settingField.height / 2
        }
    }

    // A time of day typed as HH:MM; one that is not a time is refused with a word on the
    // row and changes nothing.
    component ClockField: SettingField {
        id: clockField

        property int minutes
        // The row that says why a time was refused, and what reads and writes the times.
        property SettingRow row
        property FollowingView texts

        signal offered(int value)

        Layout.preferredWidth: 72
        implicitWidth: 72
        horizontalAlignment: TextInput.AlignHCenter
        text: clockField.texts.clock(clockField.minutes)
        refused: clockField.row.problem.length > 0
        onTextEdited: clockField.row.problem = ""
        onEditingFinished: {
            const value = clockField.texts.minutesOf(clockField.text);
            if (value < 0) {
                clockField.row.problem = I18n.lf("“%@” não é um horário: use, por exemplo, 01:00.", [clockField.text]);
                return;
            }
            clockField.offered(value);
            clockField.text = clockField.texts.clock(value);
        }
    }

    // A number of seconds, typed or stepped; what is typed is offered when the field is left.
    component SecondsRow: SettingRow {
        id: secondsRow

        property real seconds

        signal offered(string text)
        signal stepped(int delta)

        SettingField {
            objectName: "secondsField"
            Layout.preferredWidth: 64
            implicitWidth: 64
            horizontalAlignment: TextInput.AlignRight
            refused: secondsRow.problem.length > 0
            text: String(secondsRow.seconds)
            onTextEdited: secondsRow.problem = ""
            onEditingFinished: secondsRow.offered(text)
        }

        Row {
            StepButton {
                objectName: "secondsDown"
                text: "−"
                by: -1
                setting: secondsRow.title
                value: String(secondsRow.seconds)
                enabled: secondsRow.seconds > 0
                onClicked: {
                    secondsRow.problem = "";
                    secondsRow.stepped(-1);
                }
            }

            StepButton {
                objectName: "secondsUp"
                text: "+"
                by: 1
                setting: secondsRow.title
                value: String(secondsRow.seconds)
                enabled: secondsRow.seconds < AppSettings.pauseCeiling
                onClicked: {
                    secondsRow.problem = "";
                    secondsRow.stepped(1);
                }
            }
        }
    }

    component StepButton: T.Button {
        id: step

        // Down (-1) or up (1). A screen reader hears which setting the step changes and
        // the value it has now: the sign alone says nothing.
        property int by: 1
        property string setting
        property string value

        Accessible.role: Accessible.Button
        Accessible.name: I18n.lf(step.by < 0 ? "Diminuir %@ (agora %@)" : "Aumentar %@ (agora %@)", [step.setting, step.value])
        Keys.onReturnPressed: step.clicked()
        Accessible.onPressAction: if (step.enabled) step.clicked()
        Keys.onEnterPressed: step.clicked()
        implicitWidth: 28
        implicitHeight: 24
        hoverEnabled: true
        opacity: step.enabled ? 1 : 0.35

        contentItem: PlainLabel {
            text: step.text
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: DS.typeLead
            font.weight: Font.DemiBold
        }

        background: Rectangle {
            color: DS.tint(step.down ? 0.1 : step.hovered ? 0.07 : 0.04)
            border.width: 1
            border.color: DS.border
            radius: 6
        }

        FocusRing {
            shown: step.visualFocus
            controlRadius: 6
        }
    }

    // Turns while the engine is being installed; drawn without shaders.
    component Spinner: Item {
        id: spinner

        implicitWidth: 16
        implicitHeight: 16

        SymbolIcon {
            anchors.centerIn: parent
            symbol: "arrow.clockwise"
            size: 12
            color: DS.primary

            RotationAnimation on rotation {
                running: spinner.visible
                from: 0
                to: 360
                duration: 900
                loops: Animation.Infinite
            }
        }
    }
}
