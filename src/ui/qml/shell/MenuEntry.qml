import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design

// A line of the primary menu: the command and, on the right, its shortcut.
T.MenuItem {
    id: root

    property string shortcut

    hoverEnabled: true
    Keys.onReturnPressed: root.triggered()
    Keys.onEnterPressed: root.triggered()
    Accessible.role: Accessible.MenuItem
    Accessible.onPressAction: if (root.enabled) root.triggered()
    Accessible.name: root.text
    implicitWidth: row.implicitWidth + 24
    implicitHeight: row.implicitHeight + 16

    contentItem: Item {
        RowLayout {
            id: row

            anchors.fill: parent
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            spacing: 16

            PlainLabel {
                text: root.text
                font.pixelSize: DS.typeBody
                Layout.fillWidth: true
            }

            PlainLabel {
                text: root.shortcut
                color: DS.muted
                font: DS.mono(11, Font.Normal)
            }
        }
    }

    background: Rectangle {
        radius: 8
        color: root.highlighted || root.hovered ? DS.opacity(DS.primary, 0.14) : "transparent"
        border.width: root.visualFocus ? DS.focusRingWidth : 0
        border.color: DS.focusRing
    }
}
