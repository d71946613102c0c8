#pragma once

#include "installer/phrase.h"
#include "installer/releases.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// Fetches the engine programs that are missing, one component after the other. Each
// component's network and file work runs on a worker thread; the sequence itself lives
// on the thread that owns the installer and only reacts to each step's end.
class EngineInstaller : public QObject
{
    Q_OBJECT

public:
    explicit EngineInstaller(QObject *parent = nullptr);
    ~EngineInstaller() override;

    bool installing() const { return m_installing; }
    // The last status line, already translated; kept after the sequence ends.
    QString status() const { return m_status; }

    // How the last sequence failed, in the form a store keeps so that it can be worded
    // again in another language; empty when it did not fail.
    QString storedFailure() const;
    // The words of a stored failure in the language of the moment. Words stored as they
    // were shown, as earlier releases kept them, read as they are.
    static QString wordStoredFailure(const QString &stored);

    // Ignored while a sequence runs. A forced yt-dlp that is already the latest release
    // of `channel` is not fetched again.
    // With `forceFFmpeg` or `forceDeno`, ffmpeg and ffprobe, or Deno, are fetched anew too.
    void install(bool forceYtDlp, Releases::Channel channel = Releases::Channel::stable, bool forceFFmpeg = false, bool forceDeno = false);
    // Puts the previous yt-dlp back; ignored while a sequence runs.
    void rollBack();

signals:
    void installingChanged();
    void statusChanged();
    // The sequence has ended, successfully or at its first failure.
    void finished(bool succeeded);
    // yt-dlp's latest release, as an installation step found it.
    void latestYtDlpSeen(const QString &version);

private:
    enum class Step { YtDlp, FFmpeg, Deno, Done };

    void begin();
    void runFrom(Step step);
    // `work` returns a status line to show once it is done, or nothing.
    void runInBackground(const std::function<QString()> &work, const std::function<void()> &next);
    void fail(const Phrase &reason);
    void end(bool succeeded);
    void setStatus(const QString &status);

    bool m_installing = false;
    bool m_forceYtDlp = false;
    bool m_forceFFmpeg = false;
    bool m_forceDeno = false;
    Releases::Channel m_channel = Releases::Channel::stable;
    QString m_status;
    std::optional<Phrase> m_failure;
    class QThread *m_worker = nullptr;
};
