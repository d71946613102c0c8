pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Vireloom.Design

// The downloads page as far as the artwork goes: the background, the page header, the
// input card with its nebula and signal line, and the empty-queue card with the mark.
Window {
    id: window

    // True for the scene of running downloads, false for the idle page.
    required property bool busy

    width: 1080
    height: 720
    color: DS.bg
    title: "artwork bench"

    AppBackground {
        objectName: "background"
        anchors.fill: parent
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.bottomMargin: 24
        spacing: 16

        PageHeader {
            Layout.fillWidth: true
            eyebrow: "Downloads"
            l1: "Paste a link."
            l2: "We do the rest."
        }

        Surface {
            Layout.fillWidth: true
            Layout.leftMargin: 32
            Layout.rightMargin: 32
            Layout.preferredHeight: column.implicitHeight + 40

            Nebula {
                objectName: "nebula"
                anchors.fill: parent
                density: window.busy ? 0.9 : 0.25
                radius: DS.radius
            }

            ColumnLayout {
                id: column

                anchors.fill: parent
                anchors.margins: 20
                spacing: 16

                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 48
                    radius: 12
                    color: DS.opacity(DS.bg, 0.55)
                    border.width: 1
                    border.color: DS.border

                    PlainLabel {
                        anchors.verticalCenter: parent.verticalCenter
                        x: 16
                        text: "https://example.org/watch?v=abc"
                        color: DS.muted
                    }
                }

                RowLayout {
                    spacing: 10

                    Chip {
                        text: "1080P"
                    }

                    Item {
                        Layout.fillWidth: true
                    }

                    PrimaryButtonStyle {
                        text: "Baixar"
                    }
                }

                SignalLine {
                    objectName: "signal"
                    Layout.fillWidth: true
                    Layout.preferredHeight: window.busy ? 46 : 22
                    active: window.busy
                }
            }
        }

        Surface {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 32
            Layout.rightMargin: 32

            ColumnLayout {
                anchors.centerIn: parent
                spacing: 14

                DropMark {
                    objectName: "mark"
                    Layout.alignment: Qt.AlignHCenter
                    size: 70
                    animated: window.busy
                }

                PlainLabel {
                    Layout.alignment: Qt.AlignHCenter
                    text: "No downloads yet"
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                }
            }
        }
    }
}
