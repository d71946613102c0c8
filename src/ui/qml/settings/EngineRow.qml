import QtQuick
import Vireloom.Design
import Vireloom.UI

// One program of the engine: where it is and what it reports.
SettingRow {
    id: root

    property SettingsView helper
    property string path
    property string version

    sub: root.path.length > 0 ? root.helper.displayPath(root.path) : ""

    Chip {
        objectName: "chip"
        text: root.helper.engineChip(root.path, root.version)
        color: root.path.length === 0 ? DS.danger : root.helper.engineChipWarns(root.version) ? DS.warning : DS.success
    }
}
