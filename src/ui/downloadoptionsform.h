#pragma once

#include "model/downloadoptions.h"
#include "model/mediainfo.h"

#include <QJsonObject>
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The options sheet's fields as typed, and what they ask of one download. Empty fields
// ask for nothing, so an untouched form gives the default options of the one-click path.
// Any refused value holds back the whole form with its reason: nothing is dropped quietly.
class DownloadOptionsForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString start READ start WRITE setStart NOTIFY changed)
    Q_PROPERTY(QString end READ end WRITE setEnd NOTIFY changed)
    Q_PROPERTY(bool splitChapters READ splitChapters WRITE setSplitChapters NOTIFY changed)
    Q_PROPERTY(QString sponsorMode READ sponsorMode WRITE setSponsorMode NOTIFY changed)
    Q_PROPERTY(QStringList sponsorCategories READ sponsorCategories WRITE setSponsorCategories NOTIFY changed)
    Q_PROPERTY(QStringList availableCategories READ availableCategories NOTIFY changed)
    Q_PROPERTY(QString subLangs READ subLangs WRITE setSubLangs NOTIFY changed)
    Q_PROPERTY(QString rateLimit READ rateLimit WRITE setRateLimit NOTIFY changed)
    Q_PROPERTY(QString outputPattern READ outputPattern WRITE setOutputPattern NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(QString sectionProblem READ sectionProblem NOTIFY changed)
    Q_PROPERTY(QString sponsorProblem READ sponsorProblem NOTIFY changed)
    Q_PROPERTY(QString subLangsProblem READ subLangsProblem NOTIFY changed)
    Q_PROPERTY(QString rateLimitProblem READ rateLimitProblem NOTIFY changed)
    Q_PROPERTY(QString patternProblem READ patternProblem NOTIFY changed)
    Q_PROPERTY(QString preview READ preview NOTIFY changed)
    Q_PROPERTY(bool edited READ edited NOTIFY changed)
    // What the reading of the typed link offers; empty lists until one was read.
    Q_PROPERTY(QVariantList audioTracks READ audioTracks NOTIFY choicesChanged)
    Q_PROPERTY(QVariantList subtitleChoices READ subtitleChoices NOTIFY choicesChanged)
    Q_PROPERTY(QVariantList automaticChoices READ automaticChoices NOTIFY choicesChanged)
    Q_PROPERTY(QVariantList formats READ formats NOTIFY choicesChanged)
    // The audio track picked for this download; empty keeps the settings' choice.
    Q_PROPERTY(QString audioLanguage READ audioLanguage WRITE setAudioLanguage NOTIFY changed)
    Q_PROPERTY(QString pickedVideo READ pickedVideo NOTIFY changed)
    Q_PROPERTY(QString pickedAudio READ pickedAudio NOTIFY changed)
    // The picked format as the card will show it; empty while the preset chooses.
    Q_PROPERTY(QString formatLabel READ formatLabel NOTIFY changed)

public:
    using QObject::QObject;

    QString start() const { return m_start; }
    void setStart(const QString &text) { set(m_start, text); }
    QString end() const { return m_end; }
    void setEnd(const QString &text) { set(m_end, text); }
    bool splitChapters() const { return m_splitChapters; }
    void setSplitChapters(bool on) { set(m_splitChapters, on); }
    // "off", "mark" or "remove".
    QString sponsorMode() const;
    void setSponsorMode(const QString &mode);
    QStringList sponsorCategories() const { return m_categories; }
    void setSponsorCategories(const QStringList &categories) { set(m_categories, categories); }
    // The categories the current mode can act on.
    QStringList availableCategories() const;
    // Empty keeps the subtitle settings; a list turns subtitles on in those languages.
    QString subLangs() const { return m_subLangs; }
    void setSubLangs(const QString &text) { set(m_subLangs, text); }
    // "500K", "2M", "1.5G" or plain bytes per second; empty keeps the settings' limit,
    // 0 lifts it for this download.
    QString rateLimit() const { return m_rateLimit; }
    void setRateLimit(const QString &text) { set(m_rateLimit, text); }
    // Empty keeps the settings' file-name pattern.
    QString outputPattern() const { return m_outputPattern; }
    void setOutputPattern(const QString &text) { set(m_outputPattern, text); }

    // The reason the first refused field is refused; empty when every field passes.
    QString problem() const;
    // Each field's own reason, shown under it; empty while the field passes.
    QString sectionProblem() const;
    QString sponsorProblem() const;
    QString subLangsProblem() const;
    QString rateLimitProblem() const;
    QString patternProblem() const;
    // The file name the pattern gives for the sample metadata.
    QString preview() const;
    bool edited() const;

    QVariantList audioTracks() const;
    QVariantList subtitleChoices() const { return subtitleList(m_choices.subtitles); }
    QVariantList automaticChoices() const { return subtitleList(m_choices.automaticSubtitles); }
    QVariantList formats() const;
    QString audioLanguage() const { return m_audioLanguage; }
    void setAudioLanguage(const QString &code);
    QString pickedVideo() const { return m_video; }
    QString pickedAudio() const { return m_audio; }
    QString formatLabel() const;
    // The reading's offers; picks it does not offer are let go.
    void setChoices(const MediaChoices &choices);
    // Adds a subtitle language to the typed list, or takes it out.
    Q_INVOKABLE void toggleSubtitle(const QString &code);
    Q_INVOKABLE bool hasSubtitle(const QString &code) const;
    // A video-only format is the picture, an audio-only one the sound, merged together; one
    // with both is the whole download. Picking the picked one again lets it go.
    Q_INVOKABLE void pickFormat(const QString &id);
    Q_INVOKABLE void clearFormat();
    // A language by its name ("German" for "de", "Portuguese (BR)"), or the code when Qt
    // knows none.
    static QString languageName(const QString &code);
    // "1920×1080 · 25 fps · avc1 · 1.2 MB · video only", as the format list shows a format.
    static QString formatText(const FormatOffer &format);

    // The options the fields ask for; absent while a field is refused.
    std::optional<DownloadOptions> options() const;
    // The metadata the preview fills the pattern with; the preview falls back to a sample.
    void setMetadata(const QJsonObject &metadata);

    Q_INVOKABLE void toggleCategory(const QString &category);
    Q_INVOKABLE bool hasCategory(const QString &category) const { return m_categories.contains(category); }
    Q_INVOKABLE void reset();
    // A SponsorBlock category in words, in the interface language ("music_offtopic" reads
    // "Music: non-music section"); an unknown one as it is named.
    Q_INVOKABLE static QString categoryLabel(const QString &category);

    // Bytes per second for "500K", "2M", "1.5G" or a plain number; absent otherwise (see
    // OptionCheck::parseRate).
    static std::optional<qint64> parseRate(QStringView text);
    // The name yt-dlp would write for `pattern`, filled from `metadata`; fields it lacks
    // read "NA", as yt-dlp writes them.
    static QString fillPattern(QStringView pattern, const QJsonObject &metadata);

signals:
    void changed();
    void choicesChanged();

private:
    struct Parsed
    {
        DownloadOptions options;
        std::optional<QString> problem;
    };
    Parsed parse() const;
    // The codes typed in the subtitle field, each without its spaces.
    QStringList subtitleCodes() const;

    template<typename T>
    void set(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        emit changed();
    }

    QString m_start;
    QString m_end;
    bool m_splitChapters = false;
    DownloadOptions::SponsorBlock m_sponsor = DownloadOptions::SponsorBlock::off;
    QStringList m_categories;
    QString m_subLangs;
    QString m_rateLimit;
    QString m_outputPattern;
    QJsonObject m_metadata;
    MediaChoices m_choices;
    QString m_audioLanguage;
    QString m_video;
    QString m_audio;

    static QVariantList subtitleList(const QStringList &codes);
    const FormatOffer *offer(const QString &id) const;
};
