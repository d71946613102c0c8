import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design

// A single-line field of a settings row, in the monospaced style of stored values.
T.TextField {
    id: root

    // What it holds, for screen readers; a settings row gives it its title.
    property string label
    // The value last offered was refused: the field turns red until it is edited.
    property bool refused: false

    Accessible.role: Accessible.EditableText
    Accessible.name: root.label.length > 0 ? root.label : ((root.parent?.parent as SettingRow)?.title ?? "")
    // Stored values (a proxy's address, a rate, language codes) are written left to right
    // in every language.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    horizontalAlignment: TextInput.AlignLeft
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
        border.color: root.refused ? DS.danger : root.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border
    }

    FocusRing {
        shown: root.activeFocus
        controlRadius: root.height / 2
    }
}
