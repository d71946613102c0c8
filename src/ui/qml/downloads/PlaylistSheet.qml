pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The entries of the typed playlist link: which to fetch, at what quality, and about how
// much that comes to. Opening it reads the list once per link.
Sheet {
    id: root

    property InputCardModel card: null
    readonly property PlaylistPlan plan: card ? card.plan : null

    objectName: "playlistSheet"
    title: I18n.l("Itens da playlist")
    preferredWidth: 620
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside

    onAboutToShow: {
        if (plan && plan.url !== card.input.trim())
            plan.load(card.input);
    }

    contentItem: ColumnLayout {
        spacing: 14

        Eyebrow {
            text: I18n.l("Itens da playlist")
            color: DS.primary
        }

        PlainLabel {
            Layout.fillWidth: true
            text: root.plan ? root.plan.url : ""
            color: DS.muted
            font: DS.mono(11, Font.Normal)
            elide: Text.ElideMiddle
        }

        // The quality caps the resolution, and with it the estimate.
        Flow {
            Layout.fillWidth: true
            spacing: 6

            Repeater {
                model: root.card ? root.card.qualities : null

                ChoiceChip {
                    required property string value
                    required property string label

                    objectName: "planQuality_" + value
                    text: label
                    chosen: root.card.quality === value
                    onPicked: root.card.quality = value
                }
            }
        }

        PlainLabel {
            objectName: "planBusy"
            visible: root.plan !== null && root.plan.busy
            text: I18n.l("Lendo a lista…")
            color: DS.muted
            font.pixelSize: DS.typeSmall
        }

        PlainLabel {
            objectName: "planProblem"
            Layout.fillWidth: true
            visible: text.length > 0
            text: root.plan ? root.plan.problem : ""
            color: DS.danger
            font.pixelSize: DS.typeSmall
            wrapMode: Text.Wrap
        }

        ListView {
            id: entries

            objectName: "planEntries"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(contentHeight, 280)
            visible: count > 0
            clip: true
            model: root.plan
            boundsBehavior: Flickable.StopAtBounds

            // An entry the engine could not read is listed greyed at its place, with the
            // reason, and cannot be picked.
            delegate: Item {
                id: row

                objectName: "planEntry"
                required property int index
                required property string title
                required property string duration
                required property string size
                required property bool picked
                required property bool available
                required property string reason

                width: ListView.view.width
                implicitHeight: Math.max(34, texts.implicitHeight + 12)

                Rectangle {
                    anchors.fill: parent
                    radius: 8
                    color: rowHover.hovered && row.available ? DS.tint(0.05) : "transparent"
                }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 10

                    CheckBox {
                        objectName: "planEntryBox"
                        enabled: row.available
                        opacity: row.available ? 1 : 0.35
                        label: row.title
                        on: row.picked
                        onOnChanged: if (on !== row.picked) root.plan.toggle(row.index)
                        Accessible.description: row.reason
                    }
                    ColumnLayout {
                        id: texts

                        Layout.fillWidth: true
                        spacing: 1

                        PlainLabel {
                            Layout.fillWidth: true
                            text: row.title
                            color: row.picked ? DS.text : DS.muted
                            opacity: row.available ? 1 : 0.6
                            font.pixelSize: DS.typeSmall
                            elide: Text.ElideRight
                        }
                        PlainLabel {
                            objectName: "planEntryReason"
                            Layout.fillWidth: true
                            visible: !row.available
                            text: row.reason
                            color: DS.muted
                            font.pixelSize: DS.typeMicro
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                        }
                    }
                    PlainLabel {
                        text: row.duration
                        color: DS.muted
                        font: DS.mono(11, Font.Normal)
                    }
                    PlainLabel {
                        Layout.preferredWidth: 70
                        horizontalAlignment: Text.AlignRight
                        text: row.size
                        color: DS.muted
                        font: DS.mono(11, Font.Normal)
                    }
                }

                HoverHandler {
                    id: rowHover
                }
                TapHandler {
                    enabled: row.available
                    onTapped: root.plan.toggle(row.index)
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            GhostButtonStyle {
                objectName: "planAll"
                compact: true
                text: I18n.l("Todos")
                enabled: root.plan !== null && root.plan.count > 0
                onClicked: root.plan.pickAll(true)
            }
            GhostButtonStyle {
                objectName: "planNone"
                compact: true
                text: I18n.l("Nenhum")
                enabled: root.plan !== null && root.plan.count > 0
                onClicked: root.plan.pickAll(false)
            }
            PlainLabel {
                objectName: "planSummary"
                Layout.fillWidth: true
                text: root.plan ? root.plan.summary : ""
                color: DS.text
                font.pixelSize: DS.typeSmall
                elide: Text.ElideRight
            }
            PrimaryButtonStyle {
                objectName: "planDone"
                text: I18n.l("Pronto")
                onClicked: root.close()
            }
        }
    }
}
