#pragma once

#include "model/downloadoptions.h"

#include <QJsonObject>
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <QStringList>

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

private:
    struct Parsed
    {
        DownloadOptions options;
        std::optional<QString> problem;
    };
    Parsed parse() const;

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
};
