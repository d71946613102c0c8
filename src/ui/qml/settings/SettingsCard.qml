import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// A settings card: a heading with its symbol above the card's rows.
Surface {
    id: root

    property string title
    property string symbol
    default property alias content: body.data

    Layout.fillWidth: true
    implicitHeight: column.implicitHeight + 36

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 18
        spacing: 12

        RowLayout {
            spacing: 10

            IconTile {
                symbol: root.symbol
            }

            PlainLabel {
                text: root.title
                font.pixelSize: DS.typeLead
                font.weight: Font.DemiBold
            }
        }

        // A column rather than a layout: a row's height follows the width it is given, and
        // a layout built over several frames (as the page is) can keep a row's height from
        // before its width came, leaving a gap in the card or crowding the rows. A column
        // places every row at the height it has now.
        Column {
            id: body

            Layout.fillWidth: true
        }
    }
}
