#pragma once

#include "engine/enginesetup.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

class EngineSetup;

// The texts of the banner that offers to install the engine (which parts are missing,
// and the installation's progress or failure once it has said anything) or, once it is
// complete, to update a yt-dlp that is behind, or else a Deno too old or an ffmpeg or
// Deno with a newer release out. The settings page's engine card shows `freshness` and
// what is out for ffmpeg and Deno too.
class EngineBannerTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(EngineSetup *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(QString title READ title NOTIFY textsChanged)
    Q_PROPERTY(QString detail READ detail NOTIFY textsChanged)
    Q_PROPERTY(bool shown READ shown NOTIFY textsChanged)
    Q_PROPERTY(bool offersUpdate READ offersUpdate NOTIFY textsChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY textsChanged)
    Q_PROPERTY(bool offersSetAside READ offersSetAside NOTIFY textsChanged)
    Q_PROPERTY(QString action READ action NOTIFY textsChanged)
    Q_PROPERTY(QString freshness READ freshness NOTIFY textsChanged)
    Q_PROPERTY(QString denoTooOld READ denoTooOld NOTIFY textsChanged)
    Q_PROPERTY(bool offersOthers READ offersOthers NOTIFY textsChanged)
    Q_PROPERTY(QString othersAction READ othersAction NOTIFY textsChanged)
    Q_PROPERTY(QString ffmpegAvailable READ ffmpegAvailable NOTIFY textsChanged)
    Q_PROPERTY(QString denoAvailable READ denoAvailable NOTIFY textsChanged)

public:
    using QObject::QObject;

    EngineSetup *engine() const { return m_engine; }
    void setEngine(EngineSetup *engine);

    QString title() const;
    QString detail() const;
    bool shown() const;
    // The engine is complete and its yt-dlp has a newer release, or is old and unchecked.
    bool offersUpdate() const;
    // How yt-dlp stands against its latest release, with versions and age; empty when
    // nothing is known.
    QString freshness() const;
    // A yt-dlp was set aside after the kept one did what it could not, and nothing newer is
    // out: the button tries it again.
    bool offersSetAside() const;
    // "yt-dlp 2026.11.02", or the bare name while its version is not known.
    static QString named(const QString &version);
    // The last installation failed, and nothing runs now: its reason is the detail.
    bool failed() const;
    // The button's label: install, try again, or update.
    QString action() const;
    // Why the Deno there needs an update; empty when it does not.
    QString denoTooOld() const { return m_engine && m_engine->denoTooOld() ? denoTooOldText(m_engine->denoVersion()) : QString(); }
    // Why a Deno of `version` needs an update.
    static QString denoTooOldText(const QString &version);
    // Nothing of yt-dlp's to offer, but the Deno there is too old or a newer ffmpeg or Deno
    // is out: the button updates them.
    bool offersOthers() const;
    // The label of the button that updates ffmpeg and Deno, naming what it would fetch.
    QString othersAction() const;
    // Which ffmpeg or Deno release is out, beside the one installed; empty when it is not newer.
    QString ffmpegAvailable() const;
    QString denoAvailable() const;
    // What is missing and what each missing part is for.
    static QString missingParts(bool ytdlp, bool ffmpeg, bool deno);

signals:
    void engineChanged();
    void textsChanged();

private:
    QPointer<EngineSetup> m_engine;
};
