pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// Every format the typed video is offered in, best first. A video-only format and an
// audio-only one are merged into one file; a format with both is the download by itself.
// What is picked shows in the options sheet and, once queued, on the card.
Sheet {
    id: root

    property DownloadOptionsForm form: null

    objectName: "formatSheet"
    title: I18n.l("Formatos")
    preferredWidth: 560

    contentItem: ColumnLayout {
        spacing: 12

        Eyebrow {
            text: I18n.l("Formatos")
            color: DS.primary
        }

        PlainLabel {
            Layout.fillWidth: true
            text: I18n.l("Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.")
            color: DS.muted
            font.pixelSize: DS.typeSmall
            wrapMode: Text.Wrap
        }

        ListView {
            id: list

            objectName: "formatList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 80
            Layout.preferredHeight: Math.min(contentHeight, 320)
            clip: true
            spacing: 4
            boundsBehavior: Flickable.StopAtBounds
            model: root.form ? root.form.formats : []
            T.ScrollBar.vertical: ScrollBarStyle {}

            delegate: ToggleChip {
                id: row

                required property var modelData
                required property int index

                objectName: "format_" + modelData.id
                width: list.width - 12
                text: row.modelData.text
                chosen: root.form !== null && (root.form.pickedVideo === row.modelData.id || root.form.pickedAudio === row.modelData.id)
                onPicked: root.form.pickFormat(row.modelData.id)
                onActiveFocusChanged: if (activeFocus) list.positionViewAtIndex(row.index, ListView.Contain)
                // Up and Down walk the list, as Left and Right walk a row of chips.
                Keys.onUpPressed: DS.moveAlongRow(row, false)
                Keys.onDownPressed: DS.moveAlongRow(row, true)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            PlainLabel {
                objectName: "formatPicked"
                Layout.fillWidth: true
                text: root.form && root.form.formatLabel.length > 0 ? root.form.formatLabel : I18n.l("Pela qualidade escolhida")
                color: DS.muted
                font.pixelSize: DS.typeSmall
                elide: Text.ElideRight
            }
            GhostButtonStyle {
                objectName: "formatClear"
                compact: true
                text: I18n.l("Limpar")
                enabled: root.form !== null && root.form.formatLabel.length > 0
                opacity: enabled ? 1 : 0.4
                onClicked: root.form.clearFormat()
            }
            PrimaryButtonStyle {
                objectName: "formatDone"
                text: I18n.l("Pronto")
                onClicked: root.close()
            }
        }
    }
}
