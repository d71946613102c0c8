pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The list a menu button opens: every option, the chosen one ticked. It takes the keyboard
// as it opens, on the chosen option: Up and Down move, Return or Space choose, Escape
// closes, and a typed letter moves to the next option that starts with it.
T.Popup {
    id: root

    required property OptionList options
    // The stored value, ticked in the list.
    property string selection

    signal chosen(string value)

    // The entry holding the keyboard, or -1.
    function focusedIndex(): int {
        for (let i = 0; i < entries.count; ++i) {
            if ((entries.itemAt(i) as Item).activeFocus)
                return i;
        }
        return -1;
    }

    function focusEntry(index: int) {
        const entry = entries.itemAt(index) as Item;
        if (entry)
            entry.forceActiveFocus(Qt.TabFocusReason);
    }

    function step(by: int) {
        const count = entries.count;
        if (count > 0)
            root.focusEntry((Math.max(root.focusedIndex(), by > 0 ? -1 : 0) + by + count) % count);
    }

    function typeAhead(letter: string) {
        const index = root.options.nextStartingWith(letter, root.focusedIndex());
        if (index >= 0)
            root.focusEntry(index);
    }

    // One option: its label, ticked when it is the stored value.
    component ChoiceEntry: T.ItemDelegate {
        id: entry

        required property string value
        required property string label
        readonly property bool ticked: entry.value === root.selection

        objectName: "option_" + entry.value
        Layout.fillWidth: true
        hoverEnabled: true
        focusPolicy: Qt.StrongFocus
        implicitWidth: entryRow.implicitWidth + 24
        implicitHeight: entryRow.implicitHeight + 14
        Accessible.role: Accessible.MenuItem
        Accessible.name: entry.label
        Accessible.checkable: true
        Accessible.checked: entry.ticked
        Accessible.onPressAction: entry.clicked()
        Keys.onReturnPressed: entry.clicked()
        Keys.onEnterPressed: entry.clicked()
        onClicked: {
            root.chosen(entry.value);
            root.close();
        }

        contentItem: Item {
            RowLayout {
                id: entryRow

                anchors.fill: parent
                anchors.leftMargin: 10
                anchors.rightMargin: 12
                spacing: 8

                SymbolIcon {
                    objectName: "check"
                    Layout.preferredWidth: 14
                    symbol: "checkmark"
                    size: 11
                    color: DS.primary
                    opacity: entry.ticked ? 1 : 0
                }

                PlainLabel {
                    Layout.fillWidth: true
                    text: entry.label
                    font.pixelSize: DS.typeBody
                }
            }
        }

        background: Rectangle {
            radius: 8
            color: entry.hovered || entry.activeFocus ? DS.opacity(DS.primary, 0.14) : "transparent"
            border.width: entry.visualFocus ? DS.focusRingWidth : 0
            border.color: DS.focusRing
        }
    }

    // Kept inside the window: near the bottom the list moves up instead of running off it.
    margins: 8
    padding: 6
    focus: true
    implicitWidth: list.implicitWidth + leftPadding + rightPadding
    implicitHeight: list.implicitHeight + topPadding + bottomPadding
    onOpened: root.focusEntry(Math.max(0, root.options.indexOf(root.selection)))
    // The keyboard goes back to the button that opened the list, ring and all where the
    // list was opened from the keyboard.
    FocusReturn.enabled: true

    contentItem: ColumnLayout {
        id: list

        spacing: 0
        Keys.onUpPressed: root.step(-1)
        Keys.onDownPressed: root.step(1)
        Keys.onPressed: event => {
            // A printable character, not Escape, Space or a shortcut.
            if (event.text.length === 1 && event.text.charCodeAt(0) > 32 && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))) {
                root.typeAhead(event.text);
                event.accepted = true;
            }
        }

        Repeater {
            id: entries

            model: root.options

            ChoiceEntry {}
        }
    }

    background: Rectangle {
        radius: 12
        color: DS.surface
        border.width: 1
        border.color: DS.border
    }
}
