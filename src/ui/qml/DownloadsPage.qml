import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

Item {
    objectName: "downloadsPage"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            eyebrow: I18n.l("Baixar")
            l1: I18n.l("Cole um link,")
            l2: I18n.l("a estrela traz.")
            sub: I18n.l("YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.")
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
