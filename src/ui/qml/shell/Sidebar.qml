pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// Brand, sections, the downloaded total and the engine status, down the window's left edge.
Rectangle {
    id: root

    property bool animating: true

    color: DS.opacity(DS.surface, 0.9)

    Rectangle {
        anchors.right: parent.right
        width: 1
        height: parent.height
        color: DS.border
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.bottomMargin: 16
        spacing: 2

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 4
            Layout.topMargin: 44
            Layout.bottomMargin: 26
            spacing: 10

            DropMark {
                objectName: "brandMark"
                size: 34
                implicitWidth: 34
                implicitHeight: 34
                animated: Shell.busy
                running: root.animating
            }

            PlainLabel {
                text: "Vireloom"
                font.pixelSize: DS.typeTitle
                font.weight: Font.Bold
                font.letterSpacing: -0.3
                Layout.fillWidth: true
            }

            PrimaryMenuButton {}
        }

        PlainLabel {
            id: menuHeading

            text: I18n.l("MENU")
            color: DS.opacity(DS.muted, 0.7)
            font.pixelSize: DS.typeMicro
            font.weight: Font.DemiBold
            font.letterSpacing: DS.tracking(menuHeading.text, 1.8)
            Layout.leftMargin: 12
            Layout.bottomMargin: 6
        }

        Repeater {
            id: sections

            model: [
                { section: Shell.AppSection.downloads, name: "downloads", label: QT_TRID_NOOP("Downloads"), symbol: "arrow.down.circle" },
                { section: Shell.AppSection.history, name: "history", label: QT_TRID_NOOP("Histórico"), symbol: "clock" },
                { section: Shell.AppSection.following, name: "following", label: QT_TRID_NOOP("Seguindo"), symbol: "dot.radiowaves.up.forward" },
                { section: Shell.AppSection.settings, name: "settings", label: QT_TRID_NOOP("Ajustes"), symbol: "slider.horizontal.3" }
            ]

            SidebarItem {
                required property var modelData
                required property int index

                objectName: "section_" + modelData.name
                Layout.fillWidth: true
                label: I18n.l(modelData.label)
                symbol: modelData.symbol
                active: Shell.section === modelData.section
                badge: modelData.section === Shell.AppSection.downloads ? Shell.badge
                     : modelData.section === Shell.AppSection.following && !active && Downloader.following.list.newCount > 0
                       ? String(Downloader.following.list.newCount) : ""
                onClicked: Shell.section = modelData.section
                onStepRequested: by => (sections.itemAt((index + by + sections.count) % sections.count) as Item).forceActiveFocus(Qt.TabFocusReason)
            }
        }

        Item {
            Layout.fillHeight: true
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: totals.implicitHeight + 24
            radius: 12
            color: DS.opacity(DS.bg, 0.6)
            border.width: 1
            border.color: DS.border

            ColumnLayout {
                id: totals

                anchors.fill: parent
                anchors.margins: 12
                spacing: 4

                Caption {
                    text: I18n.l("Baixado")
                }

                PlainLabel {
                    objectName: "totalText"
                    text: Shell.totalText
                    font: DS.mono(18, Font.DemiBold)
                }

                PlainLabel {
                    objectName: "fileCountText"
                    text: Shell.fileCountText
                    color: DS.muted
                    font.pixelSize: DS.typeCaption
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.topMargin: 10
            spacing: 6

            Rectangle {
                objectName: "engineDot"
                width: 6
                height: 6
                radius: 3
                color: Shell.engineComplete ? DS.success : DS.warning
            }

            PlainLabel {
                objectName: "engineText"
                text: Shell.engineText
                color: DS.muted
                font.pixelSize: DS.typeCaption
                font.weight: Font.Medium
                elide: Text.ElideRight
                maximumLineCount: 1
                Layout.fillWidth: true
            }
        }
    }
}
