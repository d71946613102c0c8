pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Qt.labs.folderlistmodel
import Vireloom.Design
import Vireloom.UI

// The window's own chooser of a folder or a file, in its dark style, for when the desktop
// has no chooser of its own to offer (see PortalFileChooser). It walks the folders, makes
// a new one where the user stands, and hands back the folder shown or the file picked.
Sheet {
    id: root

    property string acceptLabel
    // A folder is chosen: the one shown. Otherwise a file in it.
    property bool selectFolder: false
    property alias nameFilters: browser.nameFilters
    property alias currentFolder: browser.folder

    signal chosen(url url)

    // The file picked in the folder shown; none yet.
    property url pickedFile
    // While a new folder is being named.
    property bool naming: false

    function choose() {
        if (!root.selectFolder && String(root.pickedFile).length === 0)
            return;
        root.chosen(root.selectFolder ? browser.folder : root.pickedFile);
        root.close();
    }

    // A folder is entered, a file picked; Return on a file already picked chooses it.
    function activate(index: int) {
        if (index < 0)
            return;
        const url = listing.get(index, "fileUrl") as url;
        if (listing.get(index, "fileIsDir"))
            root.showFolder(url);
        else if (String(root.pickedFile) === String(url))
            root.choose();
        else
            root.pickedFile = url;
    }

    function showFolder(folder: url) {
        browser.folder = folder;
        root.pickedFile = "";
        entries.currentIndex = -1;
    }

    function makeFolder() {
        newFolderProblem.text = browser.makeFolder(newFolderName.text);
        if (newFolderProblem.text.length === 0) {
            root.naming = false;
            root.pickedFile = "";
            entries.forceActiveFocus();
        }
    }

    preferredWidth: 600
    closePolicy: T.Popup.CloseOnEscape
    onAboutToShow: {
        root.naming = false;
        root.pickedFile = "";
        entries.currentIndex = -1;
    }
    onOpened: entries.forceActiveFocus()

    FolderBrowser {
        id: browser
    }

    FolderListModel {
        id: listing

        folder: browser.folder
        showFiles: !root.selectFolder
        showDirsFirst: true
        showHidden: false
        sortCaseSensitive: false
        nameFilters: browser.patterns
    }

    contentItem: ColumnLayout {
        spacing: 12

        PlainLabel {
            Layout.fillWidth: true
            text: root.title
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            RoundIconButton {
                objectName: "chooserUp"
                symbol: "arrow.up"
                help: I18n.l("Pasta de cima")
                enabled: String(browser.parentFolder).length > 0
                onClicked: root.showFolder(browser.parentFolder)
            }

            PlainLabel {
                objectName: "chooserFolder"
                Layout.fillWidth: true
                text: browser.folderText
                color: DS.muted
                font: DS.mono(12, Font.Normal)
                elide: Text.ElideMiddle
            }

            GhostButtonStyle {
                objectName: "newFolder"
                visible: !root.naming
                text: I18n.l("Nova pasta")
                symbol: "folder.badge.plus"
                compact: true
                onClicked: {
                    newFolderName.text = "";
                    newFolderProblem.text = "";
                    root.naming = true;
                    newFolderName.forceActiveFocus();
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            visible: root.naming
            spacing: 10

            SettingField {
                id: newFolderName

                objectName: "newFolderName"
                Layout.fillWidth: true
                label: I18n.l("Nome da nova pasta")
                font: DS.mono(13, Font.Normal)
                refused: newFolderProblem.text.length > 0
                onTextEdited: newFolderProblem.text = ""
                onAccepted: root.makeFolder()
                Keys.onEscapePressed: event => {
                    root.naming = false;
                    entries.forceActiveFocus();
                    event.accepted = true;
                }
            }

            GhostButtonStyle {
                objectName: "makeFolder"
                text: I18n.l("Criar")
                compact: true
                enabled: newFolderName.text.trim().length > 0
                onClicked: root.makeFolder()
            }
        }

        PlainLabel {
            id: newFolderProblem

            objectName: "newFolderProblem"
            Layout.fillWidth: true
            visible: root.naming && text.length > 0
            color: DS.danger
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 260
            radius: 10
            color: DS.opacity(DS.bg, 0.6)
            border.width: 1
            border.color: entries.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border

            ListView {
                id: entries

                objectName: "chooserEntries"
                anchors.fill: parent
                anchors.margins: 4
                clip: true
                model: listing
                currentIndex: -1
                boundsBehavior: Flickable.StopAtBounds
                keyNavigationEnabled: true
                Keys.onReturnPressed: root.activate(entries.currentIndex)
                Keys.onEnterPressed: root.activate(entries.currentIndex)
                // The keyboard arrives on the first entry.
                onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
                Accessible.role: Accessible.List
                Accessible.name: browser.folderText

                T.ScrollBar.vertical: ScrollBarStyle {}

                delegate: T.ItemDelegate {
                    id: entry

                    required property int index
                    required property string fileName
                    required property url fileUrl
                    required property bool fileIsDir

                    objectName: "entry_" + entry.fileName
                    width: entries.width
                    implicitHeight: 32
                    leftPadding: 10
                    rightPadding: 10
                    hoverEnabled: true
                    // The list holds the keyboard and moves along its entries.
                    focusPolicy: Qt.NoFocus
                    highlighted: (entries.activeFocus && entry.ListView.isCurrentItem)
                                 || (!entry.fileIsDir && String(entry.fileUrl) === String(root.pickedFile))
                    Accessible.role: Accessible.ListItem
                    Accessible.name: entry.fileName
                    Accessible.onPressAction: entry.clicked()
                    onClicked: {
                        entries.currentIndex = entry.index;
                        if (entry.fileIsDir)
                            root.showFolder(entry.fileUrl);
                        else
                            root.pickedFile = entry.fileUrl;
                    }
                    onDoubleClicked: if (!entry.fileIsDir) root.choose()

                    contentItem: RowLayout {
                        spacing: 10

                        SymbolIcon {
                            symbol: entry.fileIsDir ? "folder" : "doc"
                            size: 14
                            color: entry.fileIsDir ? DS.primary : DS.muted
                        }

                        PlainLabel {
                            Layout.fillWidth: true
                            text: entry.fileName
                            elide: Text.ElideMiddle
                        }
                    }

                    background: Rectangle {
                        radius: 7
                        color: entry.highlighted ? DS.opacity(DS.primary, 0.18) : DS.tint(entry.hovered ? 0.05 : 0)
                    }
                }
            }

            PlainLabel {
                anchors.centerIn: parent
                visible: listing.status === FolderListModel.Ready && listing.count === 0
                text: I18n.l("Esta pasta está vazia.")
                color: DS.muted
            }
        }

        Flow {
            Layout.fillWidth: true
            visible: !root.selectFolder && browser.nameFilters.length > 1
            spacing: 8

            Repeater {
                model: browser.nameFilters

                ChoiceChip {
                    required property int index
                    required property string modelData

                    text: modelData
                    chosen: browser.filterIndex === index
                    onPicked: browser.filterIndex = index
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 4
            spacing: 8

            Item {
                Layout.fillWidth: true
            }

            GhostButtonStyle {
                objectName: "chooserCancel"
                text: I18n.l("Cancelar")
                onClicked: root.reject()
            }

            PrimaryButtonStyle {
                objectName: "chooserAccept"
                text: root.acceptLabel
                enabled: root.selectFolder || String(root.pickedFile).length > 0
                opacity: enabled ? 1 : 0.45
                onClicked: root.choose()
            }
        }
    }
}
