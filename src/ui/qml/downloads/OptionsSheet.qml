pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vireloom.Design
import Vireloom.UI

// The options of the next download, opened from the input card. Closing keeps what was
// typed; a refused value is named under its field, which turns red, and the sheet stays
// open until it is put right or cleared.
Sheet {
    id: root

    property DownloadOptionsForm form: null
    // The input card, which reads the typed link for its tracks, subtitles and formats.
    property InputCardModel card: null
    readonly property bool acceptable: root.form === null || root.form.problem.length === 0

    // Closes unless a field is refused; then the first refused field takes the keyboard.
    function finish() {
        if (root.acceptable) {
            root.close();
            return;
        }
        const fields = [[sectionStart, root.form.sectionProblem], [subLangsOption, root.form.subLangsProblem],
                        [rateLimitOption, root.form.rateLimitProblem], [patternOption, root.form.patternProblem]];
        for (const [field, problem] of fields) {
            if (problem.length > 0) {
                (field as Item).forceActiveFocus(Qt.TabFocusReason);
                return;
            }
        }
    }

    // A one-line field in the sheet's style; red while `problem` says why its value is refused.
    component Field: T.TextField {
        id: field

        property string problem
        property string label

        // Times, rates, language codes and a file name pattern: written left to right in
        // every language.
        LayoutMirroring.enabled: false
        LayoutMirroring.childrenInherit: true
        horizontalAlignment: TextInput.AlignLeft
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
        Accessible.role: Accessible.EditableText
        Accessible.name: field.label
        Accessible.description: field.problem

        PlainLabel {
            anchors.fill: parent
            anchors.leftMargin: field.leftPadding
            verticalAlignment: Text.AlignVCenter
            visible: field.text.length === 0
            text: field.placeholderText
            color: DS.opacity(DS.muted, 0.6)
            // Words, in the interface's own face: set in the values' monospaced one, Arabic
            // or Devanagari would come apart.
            font.pixelSize: field.font.pixelSize
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        background: Rectangle {
            radius: height / 2
            color: DS.opacity(DS.bg, 0.6)
            border.width: 1
            border.color: field.problem.length > 0 ? DS.danger : field.activeFocus ? DS.opacity(DS.primary, 0.6) : DS.border
        }

        FocusRing {
            shown: field.activeFocus
            controlRadius: field.height / 2
        }
    }

    // Why the field above is refused. The line is there, empty, while it is not, so the
    // sheet keeps its size as values come and go.
    component ProblemLine: PlainLabel {
        Layout.fillWidth: true
        Layout.minimumHeight: fontMetrics.height
        color: DS.danger
        font.pixelSize: DS.typeCaption
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight

        FontMetrics {
            id: fontMetrics

            font.pixelSize: DS.typeCaption
        }
    }

    // The caption in front of a row of fields.
    component RowTitle: PlainLabel {
        Layout.preferredWidth: 150
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 5
        color: DS.muted
        font.pixelSize: DS.typeSmall
        wrapMode: Text.Wrap
    }

    onAboutToShow: if (root.card) root.card.readChoices()

    Loader {
        id: formatSheet

        function open() {
            if (!item)
                setSource("FormatSheet.qml", { form: root.form });
            (item as FormatSheet).open();
        }
    }

    objectName: "optionsSheet"
    title: I18n.l("Opções do download")
    preferredWidth: 620
    closePolicy: root.acceptable ? T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside : T.Popup.NoAutoClose

    contentItem: ColumnLayout {
        spacing: 14
        Keys.onEscapePressed: root.finish()

        Eyebrow {
            text: I18n.l("Opções do download")
            color: DS.primary
        }

        // Scrolls where the window is too low for every row; the focused field stays in view.
        Flickable {
            id: scroller

            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            Layout.preferredHeight: grid.implicitHeight
            contentHeight: grid.implicitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            T.ScrollBar.vertical: ScrollBarStyle {}

        GridLayout {
            id: grid

            width: scroller.width - 12
            columns: 2
            columnSpacing: 14
            rowSpacing: 6

            RowTitle {
                visible: audioChoices.visible || readingLine.visible
                text: I18n.l("Faixa de áudio")
            }
            PlainLabel {
                id: readingLine

                objectName: "readingChoices"
                Layout.fillWidth: true
                Layout.topMargin: 5
                Layout.bottomMargin: 10
                visible: root.card !== null && root.card.readingChoices && root.form.audioTracks.length === 0
                text: I18n.l("Lendo as faixas e os formatos do link…")
                color: DS.muted
                font.pixelSize: DS.typeSmall
                wrapMode: Text.Wrap
            }
            Flow {
                id: audioChoices

                objectName: "audioTracks"
                Layout.fillWidth: true
                Layout.bottomMargin: 10
                visible: root.form !== null && root.form.audioTracks.length > 1
                spacing: 6

                ChoiceChip {
                    objectName: "audio_settings"
                    text: I18n.l("Como nos ajustes")
                    chosen: root.form !== null && root.form.audioLanguage.length === 0
                    onPicked: root.form.audioLanguage = ""
                }
                Repeater {
                    model: root.form ? root.form.audioTracks : []

                    ChoiceChip {
                        required property var modelData

                        objectName: "audio_" + modelData.code
                        text: modelData.name
                        chosen: root.form !== null && root.form.audioLanguage === modelData.code
                        onPicked: root.form.audioLanguage = modelData.code
                    }
                }
            }

            RowTitle {
                visible: formatRow.visible
                text: I18n.l("Formato")
            }
            RowLayout {
                id: formatRow

                Layout.fillWidth: true
                Layout.bottomMargin: 10
                visible: root.form !== null && root.form.formats.length > 0
                spacing: 8

                PlainLabel {
                    objectName: "formatChoice"
                    Layout.fillWidth: true
                    text: root.form && root.form.formatLabel.length > 0 ? root.form.formatLabel : I18n.l("Pela qualidade escolhida")
                    color: root.form && root.form.formatLabel.length > 0 ? DS.text : DS.muted
                    font.pixelSize: DS.typeSmall
                    elide: Text.ElideRight
                }
                GhostButtonStyle {
                    objectName: "moreFormats"
                    compact: true
                    text: I18n.l("Mais formatos…")
                    onClicked: formatSheet.open()
                }
            }

            RowTitle {
                text: I18n.l("Trecho")
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                RowLayout {
                    spacing: 8

                    Field {
                        id: sectionStart

                        objectName: "sectionStart"
                        label: I18n.l("Trecho") + " — " + I18n.l("início")
                        placeholderText: "0:00"
                        problem: root.form ? root.form.sectionProblem : ""
                        text: root.form ? root.form.start : ""
                        onTextEdited: root.form.start = text
                    }
                    PlainLabel {
                        text: "–"
                        color: DS.muted
                        Accessible.ignored: true
                    }
                    Field {
                        objectName: "sectionEnd"
                        label: I18n.l("Trecho") + " — " + I18n.l("fim")
                        placeholderText: I18n.l("fim")
                        problem: root.form ? root.form.sectionProblem : ""
                        text: root.form ? root.form.end : ""
                        onTextEdited: root.form.end = text
                    }
                }
                ProblemLine {
                    objectName: "sectionProblem"
                    text: root.form ? root.form.sectionProblem : ""
                }
            }

            RowTitle {
                text: I18n.l("Dividir por capítulos")
            }
            CheckBox {
                objectName: "splitChaptersBox"
                Layout.topMargin: 4
                Layout.bottomMargin: 10
                label: I18n.l("Dividir por capítulos")
                on: root.form ? root.form.splitChapters : false
                onOnChanged: if (root.form) root.form.splitChapters = on
            }

            RowTitle {
                text: "SponsorBlock"
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 8

                RowLayout {
                    spacing: 6

                    Repeater {
                        model: [["off", I18n.l("Desligado")], ["mark", I18n.l("Marcar")], ["remove", I18n.l("Remover")]]

                        ChoiceChip {
                            required property var modelData

                            objectName: "sponsor_" + modelData[0]
                            text: modelData[1]
                            chosen: root.form !== null && root.form.sponsorMode === modelData[0]
                            onPicked: root.form.sponsorMode = modelData[0]
                        }
                    }
                }

                Flow {
                    id: categories

                    objectName: "sponsorCategories"
                    Layout.fillWidth: true
                    visible: root.form !== null && root.form.availableCategories.length > 0
                    spacing: 6

                    Repeater {
                        model: root.form ? root.form.availableCategories : []

                        ToggleChip {
                            required property string modelData

                            objectName: "category_" + modelData
                            text: root.form.categoryLabel(modelData)
                            // Read from the list itself, so the capsule follows every change to it.
                            // The list arrives as a JavaScript array, which the linter cannot see.
                            // qmllint disable type
                            chosen: root.form !== null && root.form.sponsorCategories.includes(modelData)
                            // qmllint enable type
                            onPicked: root.form.toggleCategory(modelData)
                        }
                    }
                }
                ProblemLine {
                    objectName: "sponsorProblem"
                    text: root.form ? root.form.sponsorProblem : ""
                }
            }

            RowTitle {
                text: I18n.l("Idiomas das legendas")
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                // What the reading found, written and automatic apart; the field below
                // holds the codes and may take others.
                Repeater {
                    model: root.form ? [[I18n.l("Escritas"), root.form.subtitleChoices, "sub_"],
                                        [I18n.l("Automáticas"), root.form.automaticChoices, "auto_"]] : []

                    Flow {
                        id: subtitleRow

                        required property var modelData

                        Layout.fillWidth: true
                        Layout.bottomMargin: 4
                        visible: subtitleRow.modelData[1].length > 0
                        spacing: 6

                        PlainLabel {
                            height: 26
                            verticalAlignment: Text.AlignVCenter
                            text: subtitleRow.modelData[0]
                            color: DS.muted
                            font.pixelSize: DS.typeCaption
                        }
                        Repeater {
                            model: subtitleRow.modelData[1]

                            ToggleChip {
                                required property var modelData

                                objectName: subtitleRow.modelData[2] + modelData.code
                                text: modelData.name
                                // qmllint disable type
                                chosen: root.form !== null && root.form.subLangs.split(",").includes(modelData.code)
                                // qmllint enable type
                                onPicked: root.form.toggleSubtitle(modelData.code)
                            }
                        }
                    }
                }

                Field {
                    id: subLangsOption

                    objectName: "subLangsOption"
                    Layout.preferredWidth: 180
                    label: I18n.l("Idiomas das legendas")
                    placeholderText: I18n.l("como nos ajustes")
                    problem: root.form ? root.form.subLangsProblem : ""
                    text: root.form ? root.form.subLangs : ""
                    onTextEdited: root.form.subLangs = text
                }
                ProblemLine {
                    objectName: "subLangsProblem"
                    text: root.form ? root.form.subLangsProblem : ""
                }
            }

            RowTitle {
                text: I18n.l("Limite de velocidade")
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                Field {
                    id: rateLimitOption

                    objectName: "rateLimitOption"
                    label: I18n.l("Limite de velocidade")
                    // The settings' limit applies while the field is empty; 0 lifts it.
                    placeholderText: AppSettings.rateLimitText.length > 0 ? AppSettings.rateLimitText : "2M"
                    problem: root.form ? root.form.rateLimitProblem : ""
                    text: root.form ? root.form.rateLimit : ""
                    onTextEdited: root.form.rateLimit = text
                }
                ProblemLine {
                    objectName: "rateLimitProblem"
                    text: root.form ? root.form.rateLimitProblem : ""
                }
            }

            RowTitle {
                text: I18n.l("Nome do arquivo")
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                Field {
                    id: patternOption

                    objectName: "patternOption"
                    Layout.fillWidth: true
                    label: I18n.l("Nome do arquivo")
                    placeholderText: I18n.l("O título do vídeo (padrão)")
                    problem: root.form ? root.form.patternProblem : ""
                    text: root.form ? root.form.outputPattern : ""
                    onTextEdited: root.form.outputPattern = text
                }
                // The example name, or why the pattern is refused, on the same line.
                PlainLabel {
                    objectName: "patternPreview"
                    Layout.fillWidth: true
                    visible: patternProblem.text.length === 0
                    text: root.form ? root.form.preview : ""
                    color: DS.muted
                    font: DS.mono(11, Font.Normal)
                    elide: Text.ElideMiddle
                }
                ProblemLine {
                    id: patternProblem

                    objectName: "patternProblem"
                    visible: text.length > 0
                    text: root.form ? root.form.patternProblem : ""
                }
            }
        }

        }

        // A refusal no field owns (the fields' own are under them).
        PlainLabel {
            objectName: "optionsProblem"
            Layout.fillWidth: true
            visible: text.length > 0
            text: {
                if (!root.form)
                    return "";
                const own = [root.form.sectionProblem, root.form.sponsorProblem, root.form.subLangsProblem,
                             root.form.rateLimitProblem, root.form.patternProblem];
                return own.includes(root.form.problem) ? "" : root.form.problem;
            }
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
                opacity: root.acceptable ? 1 : 0.6
                onClicked: root.finish()
            }
        }
    }
}
