pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// A pop-up menu over a text setting: the face shows the chosen option's label (or the
// stored text itself when no option has it); choosing an option stores its value.
T.Button {
    id: root

    // The stored text.
    property string selection
    // What it chooses, for screen readers; a settings row gives it its title.
    property string label
    required property OptionList options

    signal chosen(string value)

    leftPadding: 12
    rightPadding: 12
    topPadding: 6
    bottomPadding: 6
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    hoverEnabled: true
    onClicked: popup.opened ? popup.close() : popup.open()
    Keys.onReturnPressed: popup.open()
    Keys.onEnterPressed: popup.open()
    Keys.onDownPressed: popup.open()
    Accessible.role: Accessible.ButtonMenu
    Accessible.onPressAction: if (root.enabled) root.clicked()
    // Without a label of its own it is named by the settings row it stands in.
    Accessible.name: root.label.length > 0 ? root.label : ((root.parent?.parent as SettingRow)?.title ?? "")
    Accessible.description: root.options.labelFor(root.selection)

    contentItem: RowLayout {
        spacing: 6

        PlainLabel {
            objectName: "face"
            text: root.options.labelFor(root.selection)
            font.pixelSize: DS.typeSmall
            font.weight: Font.Medium
        }

        SymbolIcon {
            symbol: "chevron.down"
            size: 9
            font.weight: Font.Bold
            color: DS.muted
        }
    }

    background: Rectangle {
        radius: height / 2
        color: DS.tint(root.hovered ? 0.07 : 0.04)
        border.width: 1
        border.color: DS.border
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }

    ChoicePopup {
        id: popup

        objectName: "optionPopup"
        y: root.height + 4
        // Under the button, flush with its end.
        x: root.LayoutMirroring.enabled ? 0 : root.width - width
        implicitWidth: Math.max(root.width, contentItem.implicitWidth + leftPadding + rightPadding)
        options: root.options
        selection: root.selection
        onChosen: value => root.chosen(value)
    }
}
