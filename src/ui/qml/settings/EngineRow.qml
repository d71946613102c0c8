import QtQuick
import Vireloom.Design
import Vireloom.UI

// One program of the engine: where it is and what it reports.
SettingRow {
    id: root

    property SettingsView helper
    property string path
    property string version
    // Why the program there needs an update, empty when it does not.
    property string outdated
    // Which newer release is out, empty when none is known.
    property string available

    sub: root.path.length === 0 ? ""
       : root.outdated.length > 0 ? root.outdated
       : root.available.length > 0 ? root.available
       : root.helper.displayPath(root.path)

    Chip {
        objectName: "chip"
        text: root.helper.engineChip(root.path, root.version)
        color: root.path.length === 0 ? DS.danger
             : root.outdated.length > 0 || root.helper.engineChipWarns(root.version) ? DS.warning : DS.success
    }
}
