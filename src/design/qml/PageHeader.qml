import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// The head of a page: an eyebrow, a two-line title (the second line in the accent
// colour), an optional subtitle, and whatever the page puts on its trailing side. Where
// the title and the trailing items do not fit side by side (a narrow window, a long
// translation), the items drop below the title, which stays whole: a line longer than
// the title may grow wraps rather than being cut.
Item {
    id: root

    property string eyebrow
    property string l1
    property string l2
    // Shown below the title when not empty.
    property string sub
    // Items placed at the bottom of the trailing side, left to right.
    default property alias trailing: trailingRow.data
    // Room kept beside the title for trailing items that come and go: the page gives the
    // width of those hidden now, so that the title does not reflow when they appear. Below
    // the title nothing is kept, and the items start at the margin.
    property real trailingReserve: 0
    readonly property real trailingSpacing: trailingRow.spacing

    // The widest line of the title, as far as the title may grow. Measured unwrapped: a
    // wrapped line would report the width it was given. Side by side, the spacer between
    // the title and the trailing items is a column of its own, with a spacing on each side.
    readonly property real titleWidth: Math.min(520, Math.max(measure1.advanceWidth, measure2.advanceWidth))
    readonly property bool trailingBelow: trailingRow.implicitWidth > 0
                                          && titleWidth + 2 * row.columnSpacing + trailingRow.implicitWidth + root.trailingReserve
                                             > root.width - row.anchors.leftMargin - row.anchors.rightMargin

    implicitWidth: row.implicitWidth + row.anchors.leftMargin + row.anchors.rightMargin
    implicitHeight: row.implicitHeight + row.anchors.topMargin + row.anchors.bottomMargin
    Appear.delay: 0

    TextMetrics {
        id: measure1

        font: line1.font
        text: root.l1
    }

    TextMetrics {
        id: measure2

        font: line2.font
        text: root.l2
    }

    GridLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 32
        anchors.rightMargin: 32
        anchors.topMargin: 34
        anchors.bottomMargin: 18
        columns: root.trailingBelow ? 1 : 3
        columnSpacing: 20
        rowSpacing: 16

        ColumnLayout {
            Layout.alignment: Qt.AlignLeft | Qt.AlignBottom
            Layout.fillWidth: true
            Layout.maximumWidth: 520
            spacing: 10

            Eyebrow {
                text: root.eyebrow
            }

            ColumnLayout {
                spacing: 0

                PlainLabel {
                    id: line1

                    objectName: "titleLine1"
                    Layout.fillWidth: true
                    text: root.l1
                    wrapMode: Text.Wrap
                    font.pixelSize: DS.typeDisplay
                    font.weight: Font.Bold
                    font.letterSpacing: -0.8
                }

                PlainLabel {
                    id: line2

                    objectName: "titleLine2"
                    Layout.fillWidth: true
                    text: root.l2
                    wrapMode: Text.Wrap
                    color: DS.primary
                    font.pixelSize: DS.typeDisplay
                    font.weight: Font.Bold
                    font.letterSpacing: -0.8
                }
            }

            PlainLabel {
                objectName: "sub"
                Layout.preferredWidth: 520
                visible: root.sub.length > 0
                text: root.sub
                color: DS.muted
                font.pixelSize: DS.typeLead
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Layout.maximumWidth: 520
            }
        }

        Item {
            Layout.fillWidth: true
            // The layout gives each item whole pixels, rounded up: the room kept is what the
            // trailing items will take with those that come, less what they take now, so
            // that the title's column keeps its width to the pixel.
            Layout.minimumWidth: Math.ceil(trailingRow.implicitWidth + root.trailingReserve) - Math.ceil(trailingRow.implicitWidth)
            visible: !root.trailingBelow
        }

        Row {
            id: trailingRow

            objectName: "headerTrailing"
            Layout.alignment: Qt.AlignLeft | Qt.AlignBottom
            spacing: 10
        }
    }
}
