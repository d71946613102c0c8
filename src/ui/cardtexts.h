#pragma once

#include "base/format.h"
#include "model/dlstate.h"
#include "model/downloaditem.h"
#include "model/failureaction.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <optional>

// What a download card shows of its item: the facts row, the status line of each state,
// which actions the state allows and the file they act on; and the log as the log sheet
// shows it. It hears what changed in the item (DownloadItem::changed()) and announces
// only the texts made from it, so a progress line only redraws the line itself.
class CardTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DownloadItem *item READ item WRITE setItem NOTIFY itemChanged)
    Q_PROPERTY(QString siteChip READ siteChip NOTIFY siteChipChanged)
    Q_PROPERTY(QString qualityChip READ qualityChip NOTIFY itemChanged)
    Q_PROPERTY(bool audio READ audio NOTIFY itemChanged)
    Q_PROPERTY(QString playlistChip READ playlistChip NOTIFY playlistChipChanged)
    Q_PROPERTY(QString durationChip READ durationChip NOTIFY durationChipChanged)
    Q_PROPERTY(QUrl thumbnail READ thumbnail NOTIFY thumbnailChanged)
    Q_PROPERTY(DLState::Kind state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool canCancel READ canCancel NOTIFY stateChanged)
    Q_PROPERTY(bool canOpen READ canOpen NOTIFY stateChanged)
    Q_PROPERTY(bool canRetry READ canRetry NOTIFY stateChanged)
    // Queued and held back by the download window: it can be started at once.
    Q_PROPERTY(bool canStartNow READ canStartNow NOTIFY waitingChanged)
    Q_PROPERTY(bool shimmering READ shimmering NOTIFY stateChanged)
    Q_PROPERTY(bool metered READ metered NOTIFY stateChanged)
    Q_PROPERTY(bool waiting READ waiting NOTIFY stateChanged)
    Q_PROPERTY(bool done READ done NOTIFY stateChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY stateChanged)
    Q_PROPERTY(bool partlyFailed READ partlyFailed NOTIFY stateChanged)
    Q_PROPERTY(QString failedEntries READ failedEntries NOTIFY stateChanged)
    Q_PROPERTY(QString engineNote READ engineNote NOTIFY stateChanged)
    Q_PROPERTY(double fraction READ fraction NOTIFY fractionChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(FailureAction failureAction READ failureAction NOTIFY failureActionChanged)
    Q_PROPERTY(QString failureActionLabel READ failureActionLabel NOTIFY failureActionChanged)
    // The failure's button would send the user to the settings to pick a browser's login.
    Q_PROPERTY(bool choosesBrowser READ choosesBrowser NOTIFY failureActionChanged)
    Q_PROPERTY(QString entry READ entry NOTIFY entryChanged)
    // Whose login its runs use, when not the settings': the browser's, handed over with
    // the link, a profile's, or none any more after a restart.
    Q_PROPERTY(QString loginNote READ loginNote NOTIFY loginChanged)
    Q_PROPERTY(bool loginNoteWarns READ loginNoteWarns NOTIFY loginChanged)
    // The profile its runs read the login of, as the engine reads it; empty for none.
    Q_PROPERTY(QString loginProfile READ loginProfile NOTIFY loginChanged)
    // Failed for want of a login: another browser's may get it through.
    Q_PROPERTY(bool offersLogins READ offersLogins NOTIFY loginChanged)
    Q_PROPERTY(QString lastFile READ lastFile NOTIFY lastFileChanged)
    Q_PROPERTY(QString log READ log NOTIFY logChanged)
    Q_PROPERTY(QString spoken READ spoken NOTIFY spokenChanged)

public:
    using QObject::QObject;

    DownloadItem *item() const { return m_item; }
    void setItem(DownloadItem *item);

    // The site as a tag; empty where the engine knows no site of its own for the link.
    QString siteChip() const;
    // The short quality name in the interface language ("Best", "1080p", "MP3").
    QString qualityChip() const;
    bool audio() const;
    // Empty when the item is not a playlist; with entries picked, how many of how many.
    QString playlistChip() const;
    // Empty when the duration is unknown or zero.
    QString durationChip() const;
    // Only web pictures are fetched: a thumbnail address from a page names no local file.
    QUrl thumbnail() const;
    DLState::Kind state() const;
    // Probing, waiting or running: it can be cancelled.
    bool canCancel() const;
    // Done: its file can be opened and shown in its folder.
    bool canOpen() const;
    // Failed or cancelled: it can be tried again, and its log shows why.
    bool canRetry() const;
    bool canStartNow() const;
    // Probing or finishing, when no amount done can be told.
    bool shimmering() const;
    // Waiting or downloading: a bar of how much is done.
    bool metered() const;
    bool waiting() const { return is(DLState::queued); }
    bool done() const { return is(DLState::done); }
    bool failed() const { return is(DLState::failed); }
    // Done, with some entries of the playlist failed.
    bool partlyFailed() const { return m_item && m_item->partlyFailed(); }
    // One line per failed entry: its place in the playlist and why.
    QString failedEntries() const;
    // Done by the yt-dlp that last worked after the one in use failed: which one, and why.
    QString engineNote() const { return is(DLState::done) ? m_item->engineNote() : QString(); }
    double fraction() const;
    // The one line under the bar, or beside the symbol of a failure, for the current state.
    QString status() const;
    // What the failure's button does, and its label; empty when no one fix is obvious.
    FailureAction failureAction() const;
    QString failureActionLabel() const;
    bool choosesBrowser() const { return failureAction() == FailureAction::chooseBrowser; }
    // "— entry" after the progress line of a playlist being downloaded, empty otherwise.
    QString entry() const;
    QString lastFile() const;
    QString loginNote() const;
    bool loginNoteWarns() const { return m_item && m_item->login().isEmpty() && m_item->loginLost(); }
    QString loginProfile() const { return m_item ? m_item->login().browser : QString(); }
    bool offersLogins() const { return is(DLState::failed) && m_item->loginWanted(); }
    // The engine's output, one line after another. The log itself announces nothing, so
    // this is read again whenever anything shown of the item changes.
    QString log() const;
    // The card read as one item by a screen reader: title, state and, while downloading,
    // the whole percent the card shows; it changes with that number, not with every line.
    QString spoken() const;

    // "Generic", "HTML5MediaEmbed" and the like name the engine's way of reading any page,
    // not a site: the link's host stands in for them (without "www."), or nothing without one.
    static QString siteTag(const QString &site, const QString &url = {});
    static QString playlistText(bool playlist, std::optional<int> count, qsizetype picked);
    static QString spokenText(const QString &title, DLState::Kind state, double progress, const QString &status);

    // The pieces as functions of plain values, for the card and its tests.
    static QString percentText(double progress);
    static QString progressLine(double progress, const QString &size, const QString &speed, const QString &eta, const QString &playlistPos);
    static QString doneLine(qsizetype fileCount, const QString &size);
    // The post-processing step in words, with the time it has taken so far.
    static QString stepLine(const QString &step, Quality quality, qint64 elapsedMs);
    // What a running download adds once it has printed nothing for a while; empty before.
    static QString silenceNote(qint64 silentMs);
    static constexpr qint64 kSilenceMs = 120'000;

signals:
    void itemChanged();
    void stateChanged();
    void fractionChanged();
    void logChanged();
    void playlistChipChanged();
    void durationChipChanged();
    void thumbnailChanged();
    void statusChanged();
    void waitingChanged();
    void failureActionChanged();
    void entryChanged();
    void lastFileChanged();
    void siteChipChanged();
    void spokenChanged();
    void loginChanged();

private:
    bool is(DLState::Kind kind) const { return m_item && state() == kind; }
    void followClock();
    void answer(DownloadItem::Changes what);

    void updateSpoken();
    // Running, but no progress line has come yet: the engine still reads the page.
    static bool readingPage(const DownloadItem &item);

    // A size, a speed or a time as text. Formatting goes through the locale and is the
    // costliest step of showing a progress line; consecutive lines mostly repeat the total
    // and often the time left, so the last text is kept with its number.
    class LastFormatted
    {
    public:
        explicit LastFormatted(QString (*format)(double))
            : m_format(format)
        {
        }
        const QString &of(std::optional<double> number);

    private:
        QString (*m_format)(double);
        std::optional<double> m_value;
        QString m_text;
    };
    QString sizeText() const { return m_item ? m_sizeText.of(m_item->size()) : QString(); }

    QPointer<DownloadItem> m_item;
    mutable LastFormatted m_sizeText{&Tools::fmtBytes};
    mutable LastFormatted m_speedText{[](double bytes) { return Tools::fmtBytes(bytes) + QStringLiteral("/s"); }};
    mutable LastFormatted m_etaText{&Tools::fmtTime};
    // Ticks while the item runs, so that the time of a step and a silence show as they grow.
    QTimer *m_clock = nullptr;
    QString m_spoken;
};
