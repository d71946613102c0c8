import QtQuick
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The window's primary menu, where a Linux desktop puts it: settings, download the copied
// link, import a file of links, quit. Their shortcuts work anywhere in the window (see RootView).
RoundIconButton {
    id: root

    readonly property string importTitle: I18n.l("Importar links de um arquivo")
    readonly property string importLabel: I18n.l("Importar")
    readonly property var importFilters: [I18n.l("Arquivos de texto") + " (*.txt)", I18n.l("Todos os arquivos") + " (*)"]

    objectName: "primaryMenuButton"
    symbol: "line.3.horizontal"
    help: menuLoader.item?.visible ? "" : I18n.l("Menu principal")
    Accessible.role: Accessible.ButtonMenu
    Accessible.name: I18n.l("Menu principal")
    onClicked: {
        // Asked before the menu opens: open, it takes the keyboard from the button.
        const byKeyboard = root.visualFocus;
        menuLoader.active = true;
        const menu = menuLoader.item as T.Menu;
        menu.popup(root, root.LayoutMirroring.enabled ? root.width - menu.width : 0, root.height + 4);
        // Opened from the keyboard, the first entry takes it.
        if (byKeyboard)
            menu.currentIndex = 0;
    }

    function chooseLinkFile() {
        importChooser.currentFolder = AppSettings.folderUrl;
        importChooser.open(root.Window.window);
    }

    // The desktop's own chooser where a portal offers one; the window's otherwise.
    PortalFileChooser {
        id: importChooser

        title: root.importTitle
        acceptLabel: root.importLabel
        nameFilters: root.importFilters
        onAccepted: url => Shell.importLinks(url)
        onUnavailable: {
            if (!importDialog.item) {
                importDialog.setSource("FileChooserSheet.qml", {
                    objectName: "importDialog",
                    title: root.importTitle,
                    nameFilters: root.importFilters,
                    acceptLabel: root.importLabel
                });
            }
            // The loaded item is the window's chooser, which the linter only knows as an object.
            // qmllint disable type
            importDialog.item.currentFolder = AppSettings.folderUrl;
            importDialog.item.open();
            // qmllint enable type
        }
    }

    // The window's chooser is made the first time it is needed, and named by file: neither
    // its rows nor the folder listing it imports have a part in the window's first frame.
    Loader {
        id: importDialog

        // qmllint disable type
        onLoaded: importDialog.item.chosen.connect(url => Shell.importLinks(url))
        // qmllint enable type
    }

    // Built the first time it is opened, so the window's first frame does not wait for it.
    Loader {
        id: menuLoader

        active: false
        sourceComponent: menuComponent
        // The loaded item is the menu below, which the linter only knows as an object.
        // qmllint disable type
        onLoaded: menuLoader.item.importAsked.connect(root.chooseLinkFile)
        // qmllint enable type
    }

    Component {
        id: menuComponent

        T.Menu {
            id: menu

            // The chooser lives beside the menu, which is built apart from it.
            signal importAsked

            objectName: "primaryMenu"
            FocusReturn.enabled: true
            padding: 6
            implicitWidth: 380
            implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

            contentItem: ListView {
                implicitHeight: contentHeight
                model: menu.contentModel
                interactive: false
                clip: true
            }

            background: Rectangle {
                radius: 12
                color: DS.surface
                border.width: 1
                border.color: DS.border
            }

            MenuEntry {
                objectName: "menuSettings"
                text: I18n.l("Ajustes…")
                shortcut: "Ctrl+,"
                onTriggered: Shell.section = Shell.AppSection.settings
            }

            MenuEntry {
                objectName: "menuPasteLink"
                text: I18n.l("Baixar link da área de transferência")
                shortcut: "Ctrl+Shift+V"
                onTriggered: Shell.addFromClipboard()
            }

            MenuEntry {
                objectName: "menuImportLinks"
                text: I18n.l("Importar links…")
                onTriggered: menu.importAsked()
            }

            T.MenuSeparator {
                contentItem: Rectangle {
                    implicitHeight: 1
                    color: DS.border
                }
                topPadding: 4
                bottomPadding: 4
            }

            MenuEntry {
                objectName: "menuQuit"
                text: I18n.l("Sair")
                shortcut: "Ctrl+Q"
                onTriggered: Shell.requestQuit()
            }
        }
    }
}
