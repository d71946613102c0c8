pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Vireloom.Design

// Every token, component and drawing of the design on the window background.
Window {
    id: window

    width: 1280
    height: 860
    visible: true
    color: DS.bg
    title: "Vireloom design gallery"

    AppBackground {
        anchors.fill: parent
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.bottomMargin: 28
        spacing: 18

        PageHeader {
            Layout.fillWidth: true
            eyebrow: "Design system"
            l1: "Tokens, components"
            l2: "and living artwork."
            sub: "Everything the pages are made of, on the window background: type, chips, tiles, bars, buttons, symbols and the four drawings."

            GhostButtonStyle {
                text: "Ghost"
                symbol: "folder"
            }

            PrimaryButtonStyle {
                text: "Primary"
                symbol: "arrow.down"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 32
            Layout.rightMargin: 32
            spacing: 18

            // The downloads page's input card while downloads run.
            Surface {
                Layout.preferredWidth: 700
                Layout.preferredHeight: 262
                Appear.delay: 0.05

                Nebula {
                    anchors.fill: parent
                    density: 0.9
                    radius: DS.radius
                }

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 14

                    RowLayout {
                        spacing: 12

                        DropMark {
                            size: 44
                            animated: true
                        }

                        ColumnLayout {
                            spacing: 2

                            Eyebrow {
                                text: "Input card · active"
                            }

                            PlainLabel {
                                text: "Nebula 0.9, animated mark, active signal line"
                                font.pixelSize: 15
                                font.weight: Font.DemiBold
                            }
                        }
                    }

                    Rectangle {
                        Layout.fillWidth: true
                        implicitHeight: 44
                        radius: 12
                        color: DS.opacity(DS.bg, 0.55)
                        border.width: 1
                        border.color: DS.border

                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: 14
                            anchors.rightMargin: 6
                            spacing: 10

                            SymbolIcon {
                                symbol: "link"
                                size: 13
                                color: DS.muted
                            }

                            PlainLabel {
                                Layout.fillWidth: true
                                text: "https://example.org/watch?v=<b>not bold</b>&list=1"
                                color: DS.muted
                                elide: Text.ElideRight
                            }

                            PrimaryButtonStyle {
                                text: "Baixar"
                                compact: true
                            }
                        }
                    }

                    RowLayout {
                        spacing: 8

                        CheckBox {
                            on: true
                        }

                        PlainLabel {
                            text: "Whole playlist"
                            color: DS.muted
                            font.pixelSize: 12
                        }
                    }

                    SignalLine {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 46
                        active: true
                    }
                }
            }

            Surface {
                Layout.fillWidth: true
                Layout.preferredHeight: 262
                Appear.delay: 0.1

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 12

                    Caption {
                        text: "Controls"
                    }

                    Row {
                        spacing: 8

                        RoundIconButton {
                            symbol: "xmark"
                            help: "Cancel"
                        }

                        RoundIconButton {
                            symbol: "folder"
                            help: "Show in folder"
                        }

                        RoundIconButton {
                            symbol: "arrow.clockwise"
                            help: "Try again"
                        }

                        RoundIconButton {
                            symbol: "doc.text"
                            help: "Log"
                            color: DS.primary
                        }

                        RoundIconButton {
                            symbol: "xmark.circle.fill"
                            help: "Remove"
                            color: DS.danger
                        }
                    }

                    RowLayout {
                        spacing: 8

                        PrimaryButtonStyle {
                            text: "Baixar"
                        }

                        PrimaryButtonStyle {
                            text: "Instalar"
                            compact: true
                        }

                        GhostButtonStyle {
                            text: "Limpar"
                        }

                        GhostButtonStyle {
                            text: "Copiar"
                            compact: true
                        }
                    }

                    Row {
                        spacing: 6

                        Chip {
                            text: "1080P"
                        }

                        Chip {
                            text: "MP3"
                            color: DS.primary
                        }

                        Chip {
                            text: "PLAYLIST · 12"
                            color: DS.glow
                        }

                        Chip {
                            text: "DONE"
                            color: DS.success
                        }

                        Chip {
                            text: "ENGINE"
                            color: DS.warning
                        }

                        Chip {
                            text: "FAILED"
                            color: DS.danger
                        }
                    }

                    RowLayout {
                        spacing: 10

                        CheckBox {
                            on: true
                        }

                        PlainLabel {
                            text: "Checked"
                            color: DS.muted
                            font.pixelSize: 12
                        }

                        CheckBox {
                            on: false
                        }

                        PlainLabel {
                            text: "Unchecked"
                            color: DS.muted
                            font.pixelSize: 12
                        }
                    }

                    RowDivider {}

                    PlainLabel {
                        Layout.fillWidth: true
                        text: "Outside text stays plain: <i>no markup</i> &amp; no links"
                        color: DS.muted
                        font.pixelSize: 12
                        elide: Text.ElideRight
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 32
            Layout.rightMargin: 32
            spacing: 18

            Surface {
                Layout.preferredWidth: 420
                Layout.fillHeight: true
                Appear.delay: 0.15

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 10

                    Caption {
                        text: "Progress"
                    }

                    Repeater {
                        model: [0, 0.35, 0.8, 1.5]

                        RowLayout {
                            id: meterRow

                            required property real modelData

                            Layout.fillWidth: true
                            spacing: 10

                            PlainLabel {
                                Layout.preferredWidth: 34
                                text: meterRow.modelData.toFixed(2)
                                color: DS.muted
                                font: DS.mono(10)
                            }

                            MeterBar {
                                fraction: meterRow.modelData
                                color: meterRow.modelData > 1 ? DS.success : DS.primary
                            }
                        }
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 10

                        PlainLabel {
                            Layout.preferredWidth: 34
                            text: "…"
                            color: DS.muted
                            font: DS.mono(10)
                        }

                        ShimmerBar {
                            Layout.fillWidth: true
                        }
                    }

                    Item {
                        Layout.fillHeight: true
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 8

                        StatTile {
                            label: "Speed"
                            value: "4.2 MB/s"
                            accent: true
                        }

                        StatTile {
                            label: "Remaining"
                            value: "00:42"
                        }

                        StatTile {
                            label: "Size"
                            value: "318 MB"
                        }
                    }
                }
            }

            Surface {
                Layout.preferredWidth: 330
                Layout.fillHeight: true
                Appear.delay: 0.2

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 12

                    Caption {
                        text: "Symbols"
                    }

                    GridLayout {
                        columns: 7
                        rowSpacing: 8
                        columnSpacing: 8

                        Repeater {
                            model: ["arrow.down.circle", "clock", "slider.horizontal.3", "link", "doc.on.clipboard", "xmark", "xmark.circle.fill", "checkmark", "play.fill", "magnifyingglass", "arrow.down", "arrow.clockwise", "doc.text", "folder", "film", "music.note", "sparkles.tv", "chevron.down", "shippingbox", "gearshape", "exclamationmark.triangle.fill"]

                            IconTile {
                                required property string modelData
                                required property int index

                                symbol: modelData
                                size: 32
                                color: [DS.primary, DS.glow, DS.success, DS.warning, DS.danger, DS.muted][index % 6]
                            }
                        }
                    }

                    Item {
                        Layout.fillHeight: true
                    }
                }
            }

            Surface {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Appear.delay: 0.25

                ColumnLayout {
                    anchors.fill: parent
                    anchors.margins: 20
                    spacing: 12

                    Caption {
                        text: "Logo mark"
                    }

                    RowLayout {
                        spacing: 16

                        Repeater {
                            model: [16, 22, 30, 34]

                            DropMark {
                                required property int modelData

                                size: modelData
                            }
                        }

                        Rectangle {
                            implicitWidth: 38
                            implicitHeight: 38
                            radius: 10
                            color: DS.primaryDeep

                            DropMark {
                                anchors.centerIn: parent
                                size: 30
                                mono: true
                            }
                        }

                        DropMark {
                            size: 64
                            animated: true
                        }

                        DropMark {
                            size: 96
                            animated: true
                            period: 1.6
                        }
                    }

                    Caption {
                        text: "Signal line · idle"
                    }

                    SignalLine {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 22
                        active: false
                    }
                }
            }
        }
    }
}
