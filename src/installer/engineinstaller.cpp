#include "engineinstaller.h"

#include "base/paths.h"
#include "base/vireloomerror.h"
#include "i18n/i18n.h"
#include "installer/install.h"
#include "installer/logging.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QThread>

#include <memory>
#include <optional>

EngineInstaller::EngineInstaller(QObject *parent)
    : QObject(parent)
{
}

EngineInstaller::~EngineInstaller()
{
    // A step still running holds nothing of ours: let it finish on its own rather
    // than hold up the quit until a download ends.
    if (m_worker) {
        m_worker->disconnect(this);
        m_worker->setParent(nullptr);
        connect(m_worker, &QThread::finished, m_worker, &QObject::deleteLater);
    }
}

void EngineInstaller::install(bool forceYtDlp, Releases::Channel channel, bool forceFFmpeg, bool forceDeno)
{
    if (m_installing)
        return;
    m_forceYtDlp = forceYtDlp;
    m_forceFFmpeg = forceFFmpeg;
    m_forceDeno = forceDeno;
    m_channel = channel;
    begin();
    runFrom(Step::YtDlp);
}

void EngineInstaller::rollBack()
{
    if (m_installing)
        return;
    begin();
    setStatus(L("Voltando ao yt-dlp anterior…"));
    runInBackground(
        [] {
            const QString version = Tools::rollBackYtDlp();
            return version.isEmpty() ? L("Motor pronto ✓") : LF("yt-dlp %@ de volta ✓", version);
        },
        [this] { end(true); });
}

void EngineInstaller::begin()
{
    m_failure.reset();
    m_installing = true;
    emit installingChanged();
}

// Each presence check happens when its step comes up, so a program that appeared
// meanwhile (another step, a package manager) is not fetched again.
void EngineInstaller::runFrom(Step step)
{
    switch (step) {
    case Step::YtDlp:
        if (m_forceYtDlp || !Tools::find(QStringLiteral("yt-dlp"))) {
            setStatus(L("Baixando yt-dlp…"));
            runInBackground(
                [this, channel = m_channel] {
                    const Tools::YtDlpInstall done = Tools::installYtDlp(true, channel);
                    QMetaObject::invokeMethod(this, [this, version = done.version] { emit latestYtDlpSeen(version); });
                    if (done.setAside)
                        return LF("yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.", done.version);
                    return done.replaced ? LF("yt-dlp %@ instalado e verificado ✓", done.version)
                                         : LF("yt-dlp %@ já é a versão mais recente", done.version);
                },
                [this] { runFrom(Step::FFmpeg); });
            return;
        }
        [[fallthrough]];
    case Step::FFmpeg:
        if (m_forceFFmpeg || !Tools::find(QStringLiteral("ffmpeg"))) {
            setStatus(L("Baixando ffmpeg…"));
            runInBackground(
                [] {
                    Tools::installFFmpeg();
                    return QString();
                },
                [this] { runFrom(Step::Deno); });
            return;
        }
        [[fallthrough]];
    case Step::Deno:
        if (m_forceDeno || !Tools::find(QStringLiteral("deno"))) {
            setStatus(L("Baixando Deno (necessário para o YouTube)…"));
            runInBackground(
                [] {
                    Tools::installDeno();
                    return QString();
                },
                [this] { runFrom(Step::Done); });
            return;
        }
        [[fallthrough]];
    case Step::Done:
        setStatus(L("Motor pronto ✓"));
        end(true);
        return;
    }
}

void EngineInstaller::runInBackground(const std::function<QString()> &work, const std::function<void()> &next)
{
    auto error = std::make_shared<std::optional<Phrase>>();
    auto done = std::make_shared<QString>();
    m_worker = QThread::create([work, error, done] {
        try {
            *done = work();
        } catch (const std::exception &e) {
            *error = phraseOf(e);
        }
    });
    m_worker->setObjectName(QStringLiteral("engine install"));
    connect(m_worker, &QThread::finished, this, [this, error, done, next] {
        m_worker->deleteLater();
        m_worker = nullptr;
        if (*error) {
            fail(**error);
            return;
        }
        if (!done->isEmpty())
            setStatus(*done);
        next();
    });
    m_worker->start();
}

void EngineInstaller::fail(const Phrase &reason)
{
    m_failure = Phrase::text(QT_TRID_NOOP("Falhou: %@"), {reason});
    qCWarning(lcInstaller) << "engine installation failed:" << reason.worded(Lang::en);
    setStatus(m_failure->worded());
    end(false);
}

QString EngineInstaller::storedFailure() const
{
    if (!m_failure)
        return {};
    return QString::fromUtf8(QJsonDocument(m_failure->toJson().toObject()).toJson(QJsonDocument::Compact));
}

QString EngineInstaller::wordStoredFailure(const QString &stored)
{
    const QJsonDocument document = QJsonDocument::fromJson(stored.toUtf8());
    if (const auto phrase = document.isObject() ? Phrase::fromJson(document.object()) : std::nullopt)
        return phrase->worded();
    return stored;
}

void EngineInstaller::end(bool succeeded)
{
    m_installing = false;
    emit installingChanged();
    emit finished(succeeded);
}

void EngineInstaller::setStatus(const QString &status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged();
}
