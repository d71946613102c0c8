import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

Item {
    objectName: "historyPage"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Histórico")
            l1: I18n.l("Tudo que já")
            l2: I18n.l("caiu por aqui.")
            sub: I18n.l("Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.")
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
