import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

Item {
    objectName: "settingsPage"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Ajustes")
            l1: I18n.l("Do seu jeito,")
            l2: I18n.l("sem complicação.")
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
