pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The quality preset for new links: a capsule showing the current one, opening the list.
T.AbstractButton {
    id: root

    required property InputCardModel card

    objectName: "qualityMenu"
    leftPadding: 12
    rightPadding: 12
    topPadding: 7
    bottomPadding: 7
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    onClicked: popup.open()

    contentItem: RowLayout {
        spacing: 6

        SymbolIcon {
            symbol: root.card.qualityAudio ? "music.note" : "sparkles.tv"
            size: 12
            color: DS.text
        }

        PlainLabel {
            objectName: "qualityLabel"
            text: root.card.qualityLabel
            font.pixelSize: DS.typeSmall
            font.weight: Font.Medium
        }

        SymbolIcon {
            symbol: "chevron.down"
            size: 9
            color: DS.muted
            font.weight: Font.Bold
        }
    }

    background: Rectangle {
        radius: height / 2
        color: DS.tint(0.04)
        border.width: 1
        border.color: DS.border
    }

    T.Popup {
        id: popup

        objectName: "qualityPopup"
        y: root.height + 4
        padding: 6
        implicitWidth: Math.max(220, entries.implicitWidth + leftPadding + rightPadding)
        implicitHeight: entries.implicitHeight + topPadding + bottomPadding

        background: Rectangle {
            radius: 12
            color: DS.surface
            border.width: 1
            border.color: DS.border
        }

        contentItem: ColumnLayout {
            id: entries

            spacing: 0

            Repeater {
                model: root.card.qualities

                T.AbstractButton {
                    id: entry

                    required property string value
                    required property string label

                    objectName: "quality_" + entry.value
                    Layout.fillWidth: true
                    hoverEnabled: true
                    implicitWidth: entryRow.implicitWidth + 24
                    implicitHeight: entryRow.implicitHeight + 14
                    onClicked: {
                        root.card.quality = entry.value;
                        popup.close();
                    }

                    contentItem: Item {
                        RowLayout {
                            id: entryRow

                            anchors.fill: parent
                            anchors.leftMargin: 12
                            anchors.rightMargin: 12
                            spacing: 10

                            PlainLabel {
                                Layout.fillWidth: true
                                text: entry.label
                            }

                            SymbolIcon {
                                objectName: "checkmark"
                                opacity: root.card.quality === entry.value ? 1 : 0
                                symbol: "checkmark"
                                size: 12
                                color: DS.primary
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
    }
}
