import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// What the queue shows before the first link: the mark and how links get here.
Surface {
    id: root

    property bool animating: true

    objectName: "emptyCard"
    implicitHeight: column.implicitHeight + 72

    ColumnLayout {
        id: column

        anchors.centerIn: parent
        width: parent.width
        spacing: 14

        DropMark {
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 70
            Layout.preferredHeight: 70
            size: 70
            animated: true
            running: root.animating
        }

        PlainLabel {
            Layout.alignment: Qt.AlignHCenter
            text: I18n.l("Nenhum download por enquanto")
            font.pixelSize: DS.typeTitle
            font.weight: Font.DemiBold
        }

        PlainLabel {
            Layout.alignment: Qt.AlignHCenter
            text: I18n.l("Cole um link acima, arraste um link para a janela\nou copie um link e volte para o Vireloom.")
            color: DS.muted
            font.pixelSize: DS.typeSmall
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
