pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The quality preset for new links: a capsule showing the current one, opening the list.
T.AbstractButton {
    id: root

    required property InputCardModel card

    objectName: "qualityMenu"
    leftPadding: 12
    rightPadding: 12
    topPadding: 7
    bottomPadding: 7
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    onClicked: popup.opened ? popup.close() : popup.open()
    Keys.onReturnPressed: popup.open()
    Keys.onEnterPressed: popup.open()
    Keys.onDownPressed: popup.open()
    Accessible.role: Accessible.ButtonMenu
    Accessible.onPressAction: if (root.enabled) root.clicked()
    Accessible.name: I18n.l("Qualidade") + ": " + root.card.qualityLabel

    contentItem: RowLayout {
        spacing: 6

        SymbolIcon {
            symbol: root.card.qualityAudio ? "music.note" : "sparkles.tv"
            size: 12
            color: DS.text
        }

        PlainLabel {
            objectName: "qualityLabel"
            text: root.card.qualityLabel
            font.pixelSize: DS.typeSmall
            font.weight: Font.Medium
        }

        SymbolIcon {
            symbol: "chevron.down"
            size: 9
            color: DS.muted
            font.weight: Font.Bold
        }
    }

    background: Rectangle {
        radius: height / 2
        color: DS.tint(0.04)
        border.width: 1
        border.color: DS.border
    }

    FocusRing {
        shown: root.visualFocus
        controlRadius: root.height / 2
    }

    ChoicePopup {
        id: popup

        objectName: "qualityPopup"
        // Under the button, from its start: its right edge in a mirrored window.
        x: root.LayoutMirroring.enabled ? root.width - width : 0
        y: root.height + 4
        implicitWidth: Math.max(220, contentItem.implicitWidth + leftPadding + rightPadding)
        options: root.card.qualities
        selection: root.card.quality
        onChosen: value => root.card.quality = value
    }
}
