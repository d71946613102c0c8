import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// Where links are typed or pasted, with the quality and playlist choice for them.
Surface {
    id: root

    // Something downloads or finishes: the nebula thickens and the signal line wakes.
    property bool active: false
    property bool animating: true
    readonly property alias model: card

    objectName: "inputCard"
    implicitHeight: column.implicitHeight + 40

    InputCardModel {
        id: card

        downloader: Downloader
    }

    // The sheets are made the first time they open.
    Loader {
        id: optionsSheet

        function open() {
            if (!item)
                setSource("OptionsSheet.qml", { form: card.options });
            (item as OptionsSheet).open();
        }
    }

    Loader {
        id: playlistSheet

        function open() {
            if (!item)
                setSource("PlaylistSheet.qml", { card: card });
            (item as PlaylistSheet).open();
        }
    }

    Nebula {
        anchors.fill: parent
        density: root.active ? 0.9 : 0.25
        radius: DS.radius
        running: root.animating
    }

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 20
        spacing: 16

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            IconTile {
                symbol: "link"
                size: 34
                color: DS.primary
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: fieldRow.implicitHeight + 24
                radius: 12
                color: DS.opacity(DS.bg, 0.6)
                border.width: 1
                border.color: field.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border

                RowLayout {
                    id: fieldRow

                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 8

                    TextInput {
                        id: field

                        objectName: "linkField"
                        Layout.fillWidth: true
                        text: card.input
                        color: DS.text
                        selectionColor: DS.opacity(DS.primary, 0.4)
                        selectByMouse: true
                        clip: true
                        font.pixelSize: DS.typeField
                        font.weight: Font.Medium
                        onTextEdited: card.input = field.text
                        onAccepted: card.submit()
                        Component.onCompleted: field.forceActiveFocus()

                        PlainLabel {
                            anchors.fill: parent
                            visible: field.text.length === 0
                            text: I18n.l("Cole o link de um vídeo…")
                            color: DS.opacity(DS.muted, 0.7)
                            font: field.font
                            elide: Text.ElideRight
                        }
                    }

                    RoundIconButton {
                        objectName: "clearField"
                        visible: card.input.length > 0
                        implicitWidth: 22
                        implicitHeight: 22
                        symbol: "xmark.circle.fill"
                        background: null
                        onClicked: {
                            card.input = "";
                            field.forceActiveFocus();
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 14

            QualityMenu {
                card: card
            }

            RowLayout {
                id: playlistChoice

                spacing: 8

                CheckBox {
                    id: playlistBox

                    objectName: "playlistBox"
                    on: card.playlist
                    onOnChanged: card.playlist = on
                }

                PlainLabel {
                    text: I18n.l("Playlist inteira")
                    color: DS.muted
                    font.pixelSize: DS.typeSmall

                    TapHandler {
                        onTapped: playlistBox.on = !playlistBox.on
                    }
                }

                HoverHandler {
                    id: playlistHover
                }

                HelpTip {
                    text: I18n.l("Se o link fizer parte de uma playlist, baixa todos os vídeos dela")
                    visible: playlistHover.hovered
                }
            }

            // Opening the sheet is the only way to change a download's options, so the
            // one-click path stays one click.
            GhostButtonStyle {
                objectName: "optionsButton"
                compact: true
                symbol: "slider.horizontal.3"
                text: card.options.edited ? I18n.l("Opções") + " •" : I18n.l("Opções")
                onClicked: optionsSheet.open()
            }

            GhostButtonStyle {
                objectName: "playlistItemsButton"
                compact: true
                visible: card.playlist
                enabled: !card.empty
                opacity: enabled ? 1 : 0.4
                symbol: "line.3.horizontal"
                text: I18n.l("Escolher itens")
                onClicked: playlistSheet.open()
            }

            Item {
                Layout.fillWidth: true
            }

            PlainLabel {
                objectName: "shortcutHint"
                text: I18n.l("Ctrl+Shift+V baixa o link copiado")
                color: DS.opacity(DS.muted, 0.7)
                font.pixelSize: DS.typeCaption
            }

            PrimaryButtonStyle {
                objectName: "submitButton"
                text: I18n.l("Baixar")
                enabled: card.canSubmit
                opacity: enabled ? 1 : 0.4
                onClicked: card.submit()
            }
        }

        SignalLine {
            Layout.fillWidth: true
            Layout.preferredHeight: root.active ? 46 : 22
            active: root.active
            color: DS.primary
            running: root.animating

            Behavior on Layout.preferredHeight {
                NumberAnimation {
                    duration: 400
                    easing.type: Easing.InOutQuad
                }
            }
        }
    }
}
