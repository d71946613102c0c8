// Not bound: Qt 6.4 gives a list's header and footer a context of their own, where bound
// components refuse to be made. Without it the linter cannot follow their ids outwards.
// qmllint disable unqualified

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The followed channels, playlists and feeds: a row to follow a new one, then one card
// per source with its state, its own choices and its actions.
ListView {
    id: root

    objectName: "followingPage"
    model: Downloader.following.list
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    spacing: 14
    currentIndex: -1
    keyNavigationEnabled: false
    // Every card is made, so that Tab reaches all of them.
    cacheBuffer: 100000

    // The source whose folder is being chosen.
    property var folderSource

    // Follows the link in `field`, reading the newest entries too when `latest`; the field
    // keeps a refused link and is emptied once the link is followed.
    function follow(field: T.TextField, latest: bool, quality: string) {
        const url = field.text.trim();
        if (url.length === 0) {
            field.forceActiveFocus();
            return;
        }
        if (followingView.follow(url, latest, quality))
            field.clear();
    }

    FollowingView {
        id: followingView

        following: Downloader.following
    }

    PortalFileChooser {
        id: folderChooser

        selectFolder: true
        title: folderDialog.title
        acceptLabel: folderDialog.acceptLabel
        onAccepted: url => Downloader.following.chooseFolder(root.folderSource, url)
        onUnavailable: folderDialog.open()
    }

    // Where the desktop has no chooser of its own: the window's, dark, with "New folder".
    FileChooserSheet {
        id: folderDialog

        objectName: "sourceFolderDialog"
        selectFolder: true
        title: I18n.l("Escolher a pasta desta fonte")
        acceptLabel: I18n.l("Escolher")
        onChosen: url => Downloader.following.chooseFolder(root.folderSource, url)
    }

    header: ColumnLayout {
        width: root.width
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Seguindo")
            l1: I18n.l("O que é novo")
            l2: I18n.l("chega sozinho.")
            sub: I18n.l("Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.")

            GhostButtonStyle {
                objectName: "checkAll"
                visible: root.count > 0
                text: I18n.l("Verificar todas")
                symbol: "arrow.clockwise"
                onClicked: Downloader.following.checkAll()
            }
        }

        Surface {
            objectName: "followRow"
            Layout.fillWidth: true
            Layout.leftMargin: DS.pageMargin
            Layout.rightMargin: DS.pageMargin
            Layout.bottomMargin: 14
            implicitHeight: addColumn.implicitHeight + 32
            radius: 12
            Appear.delay: 0.05

            ColumnLayout {
                id: addColumn

                anchors.fill: parent
                anchors.margins: 16
                spacing: 12

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    Item {
                        Layout.fillWidth: true
                        implicitHeight: Math.max(linkField.implicitHeight, 30)

                        Rectangle {
                            anchors.fill: parent
                            radius: height / 2
                            color: DS.opacity(DS.bg, 0.6)
                            border.width: 1
                            border.color: followingView.outcomeRefused ? DS.danger
                                        : linkField.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border
                        }

                        T.TextField {
                            id: linkField

                            objectName: "followField"
                            anchors.fill: parent
                            // A link reads left to right in every language, and so does its field.
                            LayoutMirroring.enabled: false
                            LayoutMirroring.childrenInherit: true
                            horizontalAlignment: TextInput.AlignLeft
                            leftPadding: 14
                            rightPadding: 14
                            verticalAlignment: TextInput.AlignVCenter
                            Accessible.role: Accessible.EditableText
                            Accessible.name: linkPlaceholder.text
                            color: DS.text
                            selectionColor: DS.opacity(DS.primary, 0.4)
                            font.pixelSize: DS.typeBody
                            onTextEdited: followingView.clearOutcome()
                            onAccepted: root.follow(linkField, backlogChoice.latest, addQuality.selection)
                        }

                        PlainLabel {
                            id: linkPlaceholder

                            anchors.fill: parent
                            anchors.leftMargin: 14
                            anchors.rightMargin: 14
                            verticalAlignment: Text.AlignVCenter
                            Accessible.ignored: true
                            visible: linkField.text.length === 0
                            text: I18n.l("Link de um canal, playlist ou feed")
                            color: DS.opacity(DS.muted, 0.7)
                            font.pixelSize: DS.typeBody
                            elide: Text.ElideRight
                        }

                        FocusRing {
                            shown: linkField.activeFocus
                            controlRadius: parent.height / 2
                        }
                    }

                    OptionMenu {
                        id: addQuality

                        objectName: "followQuality"
                        label: I18n.l("Qualidade")
                        selection: AppSettings.quality
                        options: followingView.qualityOptions
                        onChosen: value => addQuality.selection = value
                    }

                    PrimaryButtonStyle {
                        objectName: "followButton"
                        text: I18n.l("Seguir")
                        compact: true
                        onClicked: root.follow(linkField, backlogChoice.latest, addQuality.selection)
                    }
                }

                Flow {
                    id: backlogChoice

                    // "Also the latest N": the newest entries listed now are fetched too.
                    property bool latest: false

                    Layout.fillWidth: true
                    spacing: 8

                    ChoiceChip {
                        objectName: "fromNow"
                        text: I18n.l("Daqui em diante")
                        chosen: !backlogChoice.latest
                        onPicked: backlogChoice.latest = false
                    }

                    ChoiceChip {
                        objectName: "alsoLatest"
                        text: I18n.lp("Também os últimos %ld|Também os últimos %ld", Downloader.following.listingLimit)
                        chosen: backlogChoice.latest
                        onPicked: backlogChoice.latest = true
                    }
                }

                PlainLabel {
                    objectName: "followOutcome"
                    visible: followingView.outcome.length > 0
                    Layout.fillWidth: true
                    text: followingView.outcome
                    color: followingView.outcomeRefused ? DS.danger : DS.muted
                    font.pixelSize: DS.typeCaption
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    delegate: FollowingCard {
        x: DS.pageMargin
        width: root.width - 2 * DS.pageMargin
        view: followingView
        onFolderRequested: id => {
            root.folderSource = id;
            folderDialog.currentFolder = AppSettings.folderUrl;
            folderChooser.currentFolder = AppSettings.folderUrl;
            folderChooser.open(root.Window.window);
        }
        onRemoveRequested: (id, title) => {
            confirmRemove.source = id;
            confirmRemove.sourceTitle = title;
            confirmRemove.open();
        }
    }

    footer: Item {
        width: root.width
        height: root.count === 0 ? emptyCard.height + 32 : 32

        Surface {
            id: emptyCard

            objectName: "emptyState"
            visible: root.count === 0
            x: DS.pageMargin
            width: parent.width - 2 * DS.pageMargin
            height: emptyColumn.implicitHeight + 64
            Appear.delay: 0.1

            ColumnLayout {
                id: emptyColumn

                anchors.centerIn: parent
                width: parent.width - 64
                spacing: 10

                SymbolIcon {
                    Layout.alignment: Qt.AlignHCenter
                    symbol: "dot.radiowaves.up.forward"
                    size: 28
                    color: DS.muted
                }

                PlainLabel {
                    objectName: "emptyText"
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: I18n.l("Você ainda não segue nada.")
                    font.pixelSize: DS.typeBody
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }

                PlainLabel {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: I18n.l("Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.")
                    color: DS.muted
                    font.pixelSize: DS.typeCaption
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    Sheet {
        id: confirmRemove

        property var source
        property string sourceTitle

        objectName: "removeDialog"
        title: removeQuestion.text
        closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside
        onOpened: removeCancel.forceActiveFocus()

        contentItem: ColumnLayout {
            spacing: 10

            PlainLabel {
                id: removeQuestion

                objectName: "removeQuestion"
                text: I18n.lf("Deixar de seguir “%@”?", [confirmRemove.sourceTitle])
                font.pixelSize: DS.typeTitle
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                maximumLineCount: 3
                elide: Text.ElideRight
                Layout.fillWidth: true
            }

            PlainLabel {
                text: I18n.l("Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.")
                color: DS.muted
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: 8
                spacing: 8

                Item {
                    Layout.fillWidth: true
                }

                GhostButtonStyle {
                    id: removeCancel

                    objectName: "removeCancel"
                    text: I18n.l("Cancelar")
                    onClicked: confirmRemove.close()
                }

                T.Button {
                    id: removeButton

                    objectName: "removeConfirm"
                    text: I18n.l("Deixar de seguir")
                    leftPadding: 20
                    rightPadding: 20
                    topPadding: 10
                    bottomPadding: 10
                    implicitWidth: implicitContentWidth + leftPadding + rightPadding
                    implicitHeight: implicitContentHeight + topPadding + bottomPadding
                    scale: removeButton.down ? 0.97 : 1
                    Keys.onReturnPressed: removeButton.clicked()
                    Keys.onEnterPressed: removeButton.clicked()
                    Accessible.onPressAction: removeButton.clicked()
                    Accessible.role: Accessible.Button
                    Accessible.name: removeButton.text
                    onClicked: {
                        confirmRemove.close();
                        Downloader.following.remove(confirmRemove.source);
                    }

                    contentItem: PlainLabel {
                        text: removeButton.text
                        color: DS.text
                        font.pixelSize: DS.typeBody
                        font.weight: Font.DemiBold
                        horizontalAlignment: Text.AlignHCenter
                    }

                    background: Rectangle {
                        radius: height / 2
                        color: removeButton.down ? Qt.darker(DS.danger, 1.2) : DS.danger
                    }

                    FocusRing {
                        shown: removeButton.visualFocus
                        controlRadius: removeButton.height / 2
                    }
                }
            }
        }
    }
}
