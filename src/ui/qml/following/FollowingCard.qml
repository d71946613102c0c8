pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// One followed source: what it is, how its checks go, its own download choices, and what
// can be done with it. Everything the source or the engine wrote is shown as plain text.
Surface {
    id: root

    // The source's row of the following list, role by role.
    required property var model
    required property FollowingView view

    signal folderRequested(var sourceId)
    signal removeRequested(var sourceId, string title)

    readonly property color stateColor: root.model.state === "failed" ? DS.danger
                                      : root.model.state === "ok" ? DS.success
                                      : root.model.state === "checking" ? DS.primary : DS.muted

    objectName: "followingCard"
    implicitHeight: column.implicitHeight + 36
    Accessible.role: Accessible.Grouping
    Accessible.name: root.model.title

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 18
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            IconTile {
                symbol: root.model.paused ? "pause.fill" : "dot.radiowaves.up.forward"
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2

                PlainLabel {
                    objectName: "sourceTitle"
                    Layout.fillWidth: true
                    text: root.model.title
                    font.pixelSize: DS.typeLead
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }

                // The site, how many entries it lists, and when it was and will be checked.
                Flow {
                    Layout.fillWidth: true
                    spacing: 12

                    PlainLabel {
                        objectName: "sourceSite"
                        visible: text.length > 0
                        width: Math.min(implicitWidth, parent.width)
                        text: root.view.site(root.model.site)
                        color: DS.muted
                        font.pixelSize: DS.typeCaption
                        elide: Text.ElideRight
                    }

                    PlainLabel {
                        objectName: "entryCount"
                        visible: root.model.entryCount >= 0
                        text: I18n.lp("%ld item|%ld itens", root.model.entryCount)
                        color: DS.muted
                        font.pixelSize: DS.typeCaption
                    }

                    PlainLabel {
                        objectName: "lastCheck"
                        width: Math.min(implicitWidth, parent.width)
                        text: I18n.lf("Última verificação: %@", [root.view.when(root.model.lastCheck, root.view.now)])
                        color: DS.muted
                        font.pixelSize: DS.typeCaption
                        elide: Text.ElideRight
                    }

                    PlainLabel {
                        objectName: "nextCheck"
                        visible: !root.model.paused
                        width: Math.min(implicitWidth, parent.width)
                        text: I18n.lf("Próxima: %@", [root.view.when(root.model.nextCheck, root.view.now)])
                        color: DS.muted
                        font.pixelSize: DS.typeCaption
                        elide: Text.ElideRight
                    }
                }
            }

            Rectangle {
                objectName: "newBadge"
                visible: root.model.newSinceVisit > 0
                implicitWidth: newText.implicitWidth + 14
                implicitHeight: newText.implicitHeight + 6
                radius: height / 2
                color: DS.primary

                PlainLabel {
                    id: newText

                    anchors.centerIn: parent
                    text: I18n.lp("%ld novo|%ld novos", root.model.newSinceVisit)
                    color: DS.bg
                    font.pixelSize: DS.typeCaption
                    font.weight: Font.DemiBold
                }
            }
        }

        // How the checks go: the state, why a check failed, and the engine's own words.
        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Rectangle {
                Layout.alignment: Qt.AlignTop
                Layout.topMargin: 5
                width: 7
                height: 7
                radius: 3.5
                color: root.stateColor
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3

                PlainLabel {
                    objectName: "stateText"
                    Layout.fillWidth: true
                    text: root.view.stateText(root.model.state, root.model.problem, root.model.backoff, root.model.paused)
                    color: root.model.state === "failed" ? DS.danger : DS.text
                    font.pixelSize: DS.typeSmall
                    wrapMode: Text.Wrap
                }

                PlainLabel {
                    objectName: "problemDetail"
                    visible: root.model.problemDetail.length > 0
                    Layout.fillWidth: true
                    text: root.model.problemDetail
                    color: DS.muted
                    font: DS.mono(11, Font.Normal)
                    wrapMode: Text.WrapAnywhere
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
            }
        }

        // Entries that point into the local network wait here for the user's word.
        RowLayout {
            objectName: "heldEntries"
            visible: root.model.heldCount > 0
            Layout.fillWidth: true
            spacing: 10

            SymbolIcon {
                symbol: "exclamationmark.triangle.fill"
                size: 14
                color: DS.warning
            }

            PlainLabel {
                objectName: "heldText"
                Layout.fillWidth: true
                text: I18n.lp("%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local", root.model.heldCount)
                font.pixelSize: DS.typeSmall
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
            }

            GhostButtonStyle {
                objectName: "ignoreHeld"
                compact: true
                text: I18n.l("Ignorar")
                onClicked: Downloader.following.ignoreHeld(root.model.sourceId)
            }

            PrimaryButtonStyle {
                objectName: "downloadHeld"
                compact: true
                text: I18n.l("Baixar")
                onClicked: Downloader.following.downloadHeld(root.model.sourceId)
            }
        }

        RowDivider {
            Layout.fillWidth: true
        }

        // This source's own choices for what it brings.
        Flow {
            Layout.fillWidth: true
            spacing: 8

            OptionMenu {
                objectName: "sourceQuality"
                label: I18n.l("Qualidade")
                selection: root.model.quality
                options: root.view.qualityOptions
                onChosen: value => Downloader.following.setQuality(root.model.sourceId, value)
            }

            OptionMenu {
                objectName: "sourceInterval"
                label: I18n.l("Frequência")
                selection: String(root.model.interval)
                options: root.view.intervalOptions
                onChosen: value => Downloader.following.setInterval(root.model.sourceId, Number(value))
            }

            ToggleChip {
                objectName: "audioOnly"
                text: I18n.l("Só áudio")
                chosen: root.model.audioOnly
                onPicked: Downloader.following.setAudioOnly(root.model.sourceId, !root.model.audioOnly)
            }

            ToggleChip {
                objectName: "subtitles"
                text: I18n.l("Legendas")
                chosen: root.model.subtitles
                onPicked: Downloader.following.setSubtitles(root.model.sourceId, !root.model.subtitles)
            }

            ToggleChip {
                objectName: "sponsorBlock"
                text: "SponsorBlock"
                chosen: root.model.sponsorBlock
                onPicked: Downloader.following.setSponsorBlock(root.model.sourceId, !root.model.sponsorBlock)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            SymbolIcon {
                symbol: "folder"
                size: 12
                color: DS.muted
            }

            PlainLabel {
                objectName: "sourceFolder"
                Layout.fillWidth: true
                text: I18n.leftToRight(root.model.folder)
                color: DS.muted
                font.pixelSize: DS.typeCaption
                elide: Text.ElideMiddle
            }

            RoundIconButton {
                objectName: "defaultFolder"
                visible: root.model.folderChosen
                symbol: "xmark"
                help: I18n.l("Voltar à pasta padrão")
                onClicked: Downloader.following.chooseFolder(root.model.sourceId, "")
            }

            GhostButtonStyle {
                objectName: "chooseSourceFolder"
                text: I18n.l("Escolher…")
                compact: true
                Accessible.name: I18n.l("Escolher a pasta desta fonte")
                onClicked: root.folderRequested(root.model.sourceId)
            }
        }

        PlainLabel {
            objectName: "sourceFolderProblem"
            visible: root.model.folderProblem.length > 0
            Layout.fillWidth: true
            text: root.model.folderProblem
            color: DS.danger
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            GhostButtonStyle {
                objectName: "pauseSource"
                text: root.model.paused ? I18n.l("Retomar") : I18n.l("Pausar")
                symbol: root.model.paused ? "play.fill" : "pause.fill"
                compact: true
                onClicked: Downloader.following.setPaused(root.model.sourceId, !root.model.paused)
            }

            GhostButtonStyle {
                objectName: "checkSource"
                text: I18n.l("Verificar agora")
                symbol: "arrow.clockwise"
                compact: true
                enabled: root.model.state !== "checking"
                onClicked: Downloader.following.checkNow(root.model.sourceId)
            }

            Item {
                Layout.fillWidth: true
            }

            GhostButtonStyle {
                objectName: "removeSource"
                text: I18n.l("Deixar de seguir")
                symbol: "xmark"
                compact: true
                onClicked: root.removeRequested(root.model.sourceId, root.model.title)
            }
        }
    }
}
