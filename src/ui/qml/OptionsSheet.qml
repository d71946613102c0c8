pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The options of the next download, opened from the input card. Closing keeps what was
// typed; a refused value shows its reason here and holds back "Baixar".
T.Popup {
    id: root

    property DownloadOptionsForm form: null

    // A one-line field in the sheet's style.
    component Field: T.TextField {
        implicitWidth: 120
        implicitHeight: contentHeight + topPadding + bottomPadding
        leftPadding: 10
        rightPadding: 10
        topPadding: 6
        bottomPadding: 6
        color: DS.text
        selectionColor: DS.opacity(DS.primary, 0.4)
        selectByMouse: true
        font: DS.mono(12, Font.Normal)

        PlainLabel {
            anchors.fill: parent
            anchors.leftMargin: parent.leftPadding
            verticalAlignment: Text.AlignVCenter
            visible: parent.text.length === 0
            text: parent.placeholderText
            color: DS.opacity(DS.muted, 0.6)
            font: parent.font
            elide: Text.ElideRight
        }

        background: Rectangle {
            radius: height / 2
            color: DS.opacity(DS.bg, 0.6)
            border.width: 1
            border.color: parent.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border
        }
    }

    // A capsule that is either chosen or not.
    component Choice: Rectangle {
        id: choice

        property alias text: choiceLabel.text
        property bool chosen: false

        signal picked

        implicitWidth: choiceLabel.implicitWidth + 18
        implicitHeight: choiceLabel.implicitHeight + 8
        radius: height / 2
        color: chosen ? DS.opacity(DS.primary, 0.22) : DS.opacity(DS.bg, 0.5)
        border.width: 1
        border.color: chosen ? DS.opacity(DS.primary, 0.6) : DS.border

        PlainLabel {
            id: choiceLabel

            anchors.centerIn: parent
            color: choice.chosen ? DS.text : DS.muted
            font.pixelSize: DS.typeCaption
            font.weight: Font.Medium
        }

        TapHandler {
            onTapped: choice.picked()
        }
    }

    // The caption in front of a row of fields.
    component RowTitle: PlainLabel {
        Layout.preferredWidth: 150
        color: DS.muted
        font.pixelSize: DS.typeSmall
        wrapMode: Text.Wrap
    }

    objectName: "optionsSheet"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: 620
    implicitHeight: contentHeight + topPadding + bottomPadding
    modal: true
    focus: true
    padding: 22
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside

    T.Overlay.modal: Rectangle {
        color: DS.scrim
    }

    background: Surface {}

    contentItem: ColumnLayout {
        spacing: 14

        Eyebrow {
            text: I18n.l("Opções do download")
            color: DS.primary
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 14
            rowSpacing: 12

            RowTitle {
                text: I18n.l("Trecho")
            }
            RowLayout {
                spacing: 8

                Field {
                    objectName: "sectionStart"
                    placeholderText: "0:00"
                    text: root.form ? root.form.start : ""
                    onTextEdited: root.form.start = text
                }
                PlainLabel {
                    text: "–"
                    color: DS.muted
                }
                Field {
                    objectName: "sectionEnd"
                    placeholderText: I18n.l("fim")
                    text: root.form ? root.form.end : ""
                    onTextEdited: root.form.end = text
                }
            }

            RowTitle {
                text: I18n.l("Dividir por capítulos")
            }
            CheckBox {
                objectName: "splitChaptersBox"
                on: root.form ? root.form.splitChapters : false
                onOnChanged: if (root.form) root.form.splitChapters = on
            }

            RowTitle {
                text: "SponsorBlock"
            }
            RowLayout {
                spacing: 6

                Repeater {
                    model: [["off", I18n.l("Desligado")], ["mark", I18n.l("Marcar")], ["remove", I18n.l("Remover")]]

                    Choice {
                        required property var modelData

                        objectName: "sponsor_" + modelData[0]
                        text: modelData[1]
                        chosen: root.form !== null && root.form.sponsorMode === modelData[0]
                        onPicked: root.form.sponsorMode = modelData[0]
                    }
                }
            }

            Item {
                visible: categories.visible
                implicitWidth: 1
            }
            Flow {
                id: categories

                Layout.fillWidth: true
                visible: root.form !== null && root.form.availableCategories.length > 0
                spacing: 6

                Repeater {
                    model: root.form ? root.form.availableCategories : []

                    Choice {
                        required property string modelData

                        text: modelData
                        chosen: root.form.hasCategory(modelData)
                        onPicked: root.form.toggleCategory(modelData)
                    }
                }
            }

            RowTitle {
                text: I18n.l("Idiomas das legendas")
            }
            Field {
                objectName: "subLangsOption"
                Layout.preferredWidth: 180
                placeholderText: I18n.l("como nos ajustes")
                text: root.form ? root.form.subLangs : ""
                onTextEdited: root.form.subLangs = text
            }

            RowTitle {
                text: I18n.l("Limite de velocidade")
            }
            Field {
                objectName: "rateLimitOption"
                placeholderText: "2M"
                text: root.form ? root.form.rateLimit : ""
                onTextEdited: root.form.rateLimit = text
            }

            RowTitle {
                text: I18n.l("Nome do arquivo")
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6

                Field {
                    objectName: "patternOption"
                    Layout.fillWidth: true
                    placeholderText: "%(title)s.%(ext)s"
                    text: root.form ? root.form.outputPattern : ""
                    onTextEdited: root.form.outputPattern = text
                }
                PlainLabel {
                    objectName: "patternPreview"
                    Layout.fillWidth: true
                    visible: text.length > 0
                    text: root.form ? root.form.preview : ""
                    color: DS.muted
                    font: DS.mono(11, Font.Normal)
                    elide: Text.ElideMiddle
                }
            }
        }

        PlainLabel {
            objectName: "optionsProblem"
            Layout.fillWidth: true
            visible: text.length > 0
            text: root.form ? root.form.problem : ""
            color: DS.danger
            font.pixelSize: DS.typeSmall
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            GhostButtonStyle {
                objectName: "optionsReset"
                compact: true
                text: I18n.l("Limpar")
                enabled: root.form !== null && root.form.edited
                opacity: enabled ? 1 : 0.4
                onClicked: root.form.reset()
            }
            Item {
                Layout.fillWidth: true
            }
            PrimaryButtonStyle {
                objectName: "optionsDone"
                text: I18n.l("Pronto")
                onClicked: root.close()
            }
        }
    }
}
