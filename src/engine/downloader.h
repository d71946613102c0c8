#pragma once

#include <QObject>
#include <QString>

#include <optional>

class EngineInstaller;
class Settings;

// The one model object of the application: the download list, the history, the engine
// state and the selected section. Created once in main() and observed by every view.
class Downloader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ytdlpPath READ ytdlpPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ffmpegPath READ ffmpegPathText NOTIFY engineChanged)
    Q_PROPERTY(QString denoPath READ denoPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpVersion READ ytdlpVersion NOTIFY ytdlpVersionChanged)
    Q_PROPERTY(bool installing READ installing NOTIFY installingChanged)
    Q_PROPERTY(QString installStatus READ installStatus NOTIFY installStatusChanged)
    Q_PROPERTY(bool engineReady READ engineReady NOTIFY engineChanged)
    Q_PROPERTY(bool engineComplete READ engineComplete NOTIFY engineChanged)

public:
    // Registers the setting defaults, then reads the engine state.
    explicit Downloader(Settings *settings, QObject *parent = nullptr);
    ~Downloader() override;

    Settings &d() const { return *m_settings; }

    static QString friendlyError(const QString &message);

    // Engine state.
    std::optional<QString> ytdlpPath() const { return m_ytdlpPath; }
    std::optional<QString> ffmpegPath() const { return m_ffmpegPath; }
    std::optional<QString> denoPath() const { return m_denoPath; }
    QString ytdlpPathText() const { return m_ytdlpPath.value_or(QString()); }
    QString ffmpegPathText() const { return m_ffmpegPath.value_or(QString()); }
    QString denoPathText() const { return m_denoPath.value_or(QString()); }
    QString ytdlpVersion() const { return m_ytdlpVersion; }
    bool installing() const;
    QString installStatus() const;
    bool engineReady() const { return m_ytdlpPath.has_value(); }
    bool engineComplete() const { return m_ytdlpPath && m_ffmpegPath && m_denoPath; }

    // Looks the engine programs up again and asks yt-dlp for its version in the background.
    Q_INVOKABLE void refreshEngine();
    // Fetches whatever is missing (and yt-dlp anew when forced); ignored while one runs.
    Q_INVOKABLE void installEngine(bool forceYtDlp = false);

signals:
    void engineChanged();
    void ytdlpVersionChanged();
    void installingChanged();
    void installStatusChanged();

private:
    void setYtdlpVersion(const QString &version);

    Settings *m_settings;
    EngineInstaller *m_installer;
    std::optional<QString> m_ytdlpPath;
    std::optional<QString> m_ffmpegPath;
    std::optional<QString> m_denoPath;
    QString m_ytdlpVersion;
};
