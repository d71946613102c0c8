import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// A labelled figure, such as a speed or a size, in a small dark box.
Rectangle {
    id: root

    property string label
    property string value
    property bool accent: false

    Layout.fillWidth: true
    implicitWidth: column.implicitWidth + 24
    implicitHeight: column.implicitHeight + 24
    radius: 12
    color: DS.opacity(DS.bg, 0.55)
    border.width: 1
    border.color: DS.border

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 12
        spacing: 6

        PlainLabel {
            text: root.label
            color: DS.muted
            font.pixelSize: DS.typeCaption
            maximumLineCount: 1
            elide: Text.ElideRight
            Layout.fillWidth: true
        }

        PlainLabel {
            text: root.value
            color: root.accent ? DS.primary : DS.text
            font: DS.mono(15, Font.DemiBold)
            maximumLineCount: 1
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
}
