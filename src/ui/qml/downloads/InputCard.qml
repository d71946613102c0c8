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
    // Where Tab goes after the Download button: a function giving the queue's first card,
    // asked at the moment of the key, as cards come and go; null leaves Tab to the window.
    property var tabTarget: null
    readonly property alias model: card

    // Reading order, whatever the order of the items: the field, quality, playlist,
    // options, the playlist's entries, Download; then the queue.
    function tabStops(): list<Item> {
        const stops = [];
        for (const stop of [field, qualityMenu, playlistBox, optionsButton, playlistItemsButton, submit]) {
            if (stop.visible && stop.enabled)
                stops.push(stop);
        }
        return stops;
    }

    objectName: "inputCard"
    Keys.onTabPressed: event => {
        const stops = root.tabStops();
        const at = stops.findIndex(stop => stop.activeFocus);
        const target = at >= 0 && at + 1 < stops.length ? stops[at + 1]
                     : root.tabTarget ? root.tabTarget() as Item : null;
        if (target)
            target.forceActiveFocus(Qt.TabFocusReason);
        else
            event.accepted = false;
    }
    Keys.onBacktabPressed: event => {
        const stops = root.tabStops();
        const at = stops.findIndex(stop => stop.activeFocus);
        if (at > 0)
            stops[at - 1].forceActiveFocus(Qt.BacktabFocusReason);
        else
            event.accepted = false;
    }
    implicitHeight: column.implicitHeight + 40

    InputCardModel {
        id: card

        downloader: Downloader
        choice: Shell.cardChoice
    }

    // The sheets are made the first time they open.
    Loader {
        id: optionsSheet

        function open() {
            if (!item)
                setSource("OptionsSheet.qml", { form: card.options, card: card });
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

                FocusRing {
                    shown: field.activeFocus
                    controlRadius: 12
                }

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
                        // A link reads left to right in every language, and so does its field.
                        LayoutMirroring.enabled: false
                        LayoutMirroring.childrenInherit: true
                        horizontalAlignment: TextInput.AlignLeft
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
                        activeFocusOnTab: true
                        Accessible.role: Accessible.EditableText
                        Accessible.name: placeholder.text
                        Accessible.editable: true
                        Accessible.focusable: true

                        PlainLabel {
                            id: placeholder

                            objectName: "linkPlaceholder"
                            anchors.fill: parent
                            // Words of the interface, not a link: they start where the window's
                            // text starts, on the right in a mirrored window.
                            LayoutMirroring.enabled: I18n.rightToLeft
                            visible: field.text.length === 0
                            Accessible.ignored: true
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
                        help: I18n.l("Limpar")
                        // Select and delete do the same from the keyboard; the Tab order stays
                        // field, quality, playlist, options, Download.
                        focusPolicy: Qt.NoFocus
                        background: null
                        onClicked: {
                            card.input = "";
                            field.forceActiveFocus();
                        }
                    }
                }
            }
        }

        PlainLabel {
            objectName: "inputProblem"
            Layout.fillWidth: true
            Layout.leftMargin: 46
            visible: card.problem.length > 0
            text: card.problem
            color: DS.danger
            font.pixelSize: DS.typeCaption
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
        }

        // The choices wrap onto a second line where the card is narrow or the words long;
        // the Download button keeps its place at the end of the last line.
        RowLayout {
            Layout.fillWidth: true
            spacing: 14

            Flow {
                id: choices

                // Every piece of a line is as tall as the tallest, so a wrapped line reads as a row.
                readonly property real lineHeight: Math.max(qualityMenu.implicitHeight, optionsButton.implicitHeight)

                objectName: "inputChoices"
                Layout.fillWidth: true
                Layout.preferredWidth: 0
                Layout.alignment: Qt.AlignVCenter
                spacing: 14

                QualityMenu {
                    id: qualityMenu

                    height: choices.lineHeight
                    card: card
                }

                Row {
                    id: playlistChoice

                    height: choices.lineHeight
                    spacing: 8

                    CheckBox {
                        id: playlistBox

                        objectName: "playlistBox"
                        anchors.verticalCenter: parent.verticalCenter
                        label: playlistText.text
                        on: card.playlist
                        onOnChanged: card.playlist = on
                        Accessible.description: playlistHelp.text
                    }

                    PlainLabel {
                        id: playlistText

                        anchors.verticalCenter: parent.verticalCenter
                        text: I18n.l("Playlist inteira")
                        color: DS.muted
                        font.pixelSize: DS.typeSmall
                        Accessible.ignored: true

                        TapHandler {
                            onTapped: playlistBox.on = !playlistBox.on
                        }
                    }

                    HoverHandler {
                        id: playlistHover
                    }

                    HelpTip {
                        id: playlistHelp

                        text: I18n.l("Se o link fizer parte de uma playlist, baixa todos os vídeos dela")
                        visible: playlistHover.hovered || playlistBox.visualFocus
                    }
                }

                // Opening the sheet is the only way to change a download's options, so the
                // one-click path stays one click.
                GhostButtonStyle {
                    id: optionsButton

                    objectName: "optionsButton"
                    height: choices.lineHeight
                    compact: true
                    symbol: "slider.horizontal.3"
                    text: card.options.edited ? I18n.l("Opções") + " •" : I18n.l("Opções")
                    onClicked: optionsSheet.open()
                }

                GhostButtonStyle {
                    id: playlistItemsButton

                    objectName: "playlistItemsButton"
                    height: choices.lineHeight
                    compact: true
                    visible: card.playlist
                    enabled: !card.empty
                    opacity: enabled ? 1 : 0.4
                    symbol: "line.3.horizontal"
                    text: I18n.l("Escolher itens")
                    onClicked: playlistSheet.open()
                }

                PlainLabel {
                    objectName: "shortcutHint"
                    height: choices.lineHeight
                    verticalAlignment: Text.AlignVCenter
                    text: I18n.l("Ctrl+Shift+V baixa o link copiado")
                    color: DS.opacity(DS.muted, 0.7)
                    font.pixelSize: DS.typeCaption
                }
            }

            PrimaryButtonStyle {
                id: submit

                objectName: "submitButton"
                Layout.alignment: Qt.AlignRight | Qt.AlignBottom
                text: I18n.l("Baixar")
                enabled: card.canSubmit
                opacity: enabled ? 1 : 0.4
                // The link went to the queue: the field is ready for the next one.
                onClicked: {
                    card.submit();
                    field.forceActiveFocus();
                }
            }
        }

        SignalLine {
            Layout.fillWidth: true
            mirrored: LayoutMirroring.enabled
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
