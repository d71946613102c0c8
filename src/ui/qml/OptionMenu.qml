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

    T.Popup {
        id: popup

        objectName: "optionPopup"
        y: root.height + 4
        x: root.width - width
        // Kept inside the window: near the bottom the list moves up instead of running off it.
        margins: 8
        padding: 6
        implicitWidth: Math.max(root.width, list.implicitWidth + leftPadding + rightPadding)
        implicitHeight: list.implicitHeight + topPadding + bottomPadding

        contentItem: ColumnLayout {
            id: list

            spacing: 0

            Repeater {
                model: root.options

                T.ItemDelegate {
                    id: entry

                    required property string value
                    required property string label

                    objectName: "option_" + entry.value
                    Layout.fillWidth: true
                    hoverEnabled: true
                    implicitWidth: entryRow.implicitWidth + 24
                    implicitHeight: entryRow.implicitHeight + 14
                    onClicked: {
                        root.chosen(entry.value);
                        popup.close();
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
                                opacity: entry.value === root.selection ? 1 : 0
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
                        color: entry.hovered ? DS.opacity(DS.primary, 0.14) : "transparent"
                    }
                }
            }
        }

        background: Rectangle {
            radius: 12
            color: DS.surface
            border.width: 1
            border.color: DS.border
        }
    }
}
