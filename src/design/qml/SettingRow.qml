import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// One row of a settings card: a divider, the title with an optional line below it, and
// the row's control on the right.
Item {
    id: root

    property string title
    property string sub
    // Why the value last given to the control was refused; shown under the row's texts.
    property string problem
    default property alias control: controlRow.data

    // As wide as the column of rows it stands in; inside a layout, as the layout says.
    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    implicitWidth: texts.implicitWidth + controlRow.implicitWidth + 16
    implicitHeight: Math.max(texts.implicitHeight, controlRow.implicitHeight) + 23

    RowDivider {
        width: root.width
    }

    Column {
        id: texts

        anchors.left: root.left
        anchors.right: controlRow.left
        anchors.rightMargin: 16
        anchors.verticalCenter: root.verticalCenter
        anchors.verticalCenterOffset: 0.5
        spacing: 3

        PlainLabel {
            objectName: "rowTitle"
            width: texts.width
            text: root.title
            elide: Text.ElideRight
        }

        PlainLabel {
            objectName: "rowSub"
            width: texts.width
            visible: root.sub.length > 0
            text: root.sub
            color: DS.muted
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
        }

        PlainLabel {
            objectName: "rowProblem"
            width: texts.width
            visible: root.problem.length > 0
            text: root.problem
            color: DS.danger
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
        }
    }

    RowLayout {
        id: controlRow

        anchors.right: root.right
        anchors.verticalCenter: root.verticalCenter
        anchors.verticalCenterOffset: 0.5
        spacing: 10
    }
}
