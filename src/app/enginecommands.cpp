#include "enginecommands.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "base/terminal.h"
#include "i18n/i18n.h"
#include "installer/engineinstaller.h"
#include "installer/freshnessmonitor.h"
#include "installer/install.h"
#include "installer/releasecheck.h"
#include "settings/settings.h"
#include "ui/enginebannertexts.h"

#include <QCoreApplication>
#include <QProcess>
#include <QUrl>

#include <cstdio>

namespace {

// One status line per step as the installer reports it; the last one says how it ended.
int updateEngine(Settings &settings)
{
    FreshnessMonitor freshness(&settings);
    EngineInstaller installer;
    QObject::connect(&installer, &EngineInstaller::statusChanged, &installer, [&installer] { printLine(installer.status()); });
    QObject::connect(&installer, &EngineInstaller::latestYtDlpSeen, &freshness, &FreshnessMonitor::record);
    QObject::connect(&installer, &EngineInstaller::finished, qApp, [](bool succeeded) { QCoreApplication::exit(succeeded ? 0 : 1); });
    installer.install(true, Releases::channelNamed(settings.string(SettingsKey::engineChannel).value_or(QString())));
    return QCoreApplication::exec();
}

QString freshnessLine(EngineFreshness freshness, const QString &version, const QString &latest)
{
    switch (freshness) {
    case EngineFreshness::updateAvailable:
        return LF("Há um yt-dlp mais novo: %@ (este é %@).", latest, version);
    case EngineFreshness::current:
        return L("O yt-dlp está na versão mais recente.");
    case EngineFreshness::outdated:
        return LF("Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.",
                  kOutdatedAfterDays);
    case EngineFreshness::unknown:
        break;
    }
    return L("Não se sabe se há um yt-dlp mais novo.");
}

QString toolVersion(const QString &name, const QString &path)
{
    return name == u"yt-dlp" ? Tools::versionOf(path).value_or(QString()) : Tools::componentVersion(path);
}

int engineStatus(Settings &settings)
{
    QString version;
    QString denoOld;
    // What ffmpeg and Deno are and answered, to tell whether a newer release is out.
    std::optional<QString> ffmpegPath, denoPath;
    QString ffmpegVersion, denoVersion;
    bool missing[3] = {};
    int index = 0;
    for (const QString &name : {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe"), QStringLiteral("deno")}) {
        const std::optional<QString> path = Tools::find(name);
        QString line = name + QStringLiteral(": ") + path.value_or(L("não encontrado"));
        if (path) {
            const QString found = toolVersion(name, *path);
            if (name == u"yt-dlp")
                version = found;
            if (!found.isEmpty())
                line += QStringLiteral(" (") + found + u')';
            if (name == u"deno") {
                denoOld = Tools::denoTooOld(found) ? found : QString();
                denoPath = path;
                denoVersion = found;
            } else if (name == u"ffmpeg") {
                ffmpegPath = path;
                ffmpegVersion = found;
            }
        }
        // ffprobe comes with ffmpeg; the banner speaks of the two as one.
        if (name != u"ffprobe")
            missing[index++] = !path;
        else if (!path)
            missing[1] = true;
        printLine(line);
    }
    if (missing[0] || missing[1] || missing[2])
        printLine(EngineBannerTexts::missingParts(missing[0], missing[1], missing[2]));
    if (!denoOld.isEmpty())
        printLine(EngineBannerTexts::denoTooOldText(denoOld));
    if (const std::optional<QString> previous = Tools::previousYtDlp())
        printLine(QStringLiteral("yt-dlp.previous: ") + *previous);
    // Which yt-dlp last finished a download while the one in use has not, and which one
    // failed where that one worked.
    const auto withVersion = [](const QString &path) {
        const QString version = Tools::versionOf(path).value_or(QString());
        return version.isEmpty() ? path : path + QStringLiteral(" (") + version + u')';
    };
    if (const std::optional<QString> kept = Tools::keptYtDlp())
        printLine(LF("yt-dlp que funcionou por último: %@", withVersion(*kept)));
    if (const std::optional<QString> setAside = Tools::setAsideYtDlpPath())
        printLine(LF("yt-dlp deixado de lado (falhou onde o outro funcionou): %@", withVersion(*setAside)));
    const FreshnessMonitor freshness(&settings);
    printLine(freshnessLine(freshness.assess(version), version, freshness.latest()));
    const QString ffmpegLatest = freshness.latestOf(FreshnessMonitor::Component::ffmpeg);
    if (componentBehind(ffmpegPath, ffmpegVersion, ffmpegLatest))
        printLine(LF("Há um %@ mais novo: %@ (este é %@).", QStringLiteral("ffmpeg"), ffmpegLatest, ffmpegVersion));
    const QString denoLatest = freshness.latestOf(FreshnessMonitor::Component::deno);
    if (componentBehind(denoPath, denoVersion, denoLatest))
        printLine(LF("Há um %@ mais novo: %@ (este é %@).", QStringLiteral("Deno"), denoLatest, denoVersion));
    return 0;
}

} // namespace

int runEngineCommand(LaunchOptions::Action action, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vireloom"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vireloom"));
    Settings settings;
    return action == LaunchOptions::Action::UpdateEngine ? updateEngine(settings) : engineStatus(settings);
}

int runReleaseCheck(const QString &address, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QUrl latest(address, QUrl::StrictMode);
    if (!latest.isValid() || latest.isRelative()) {
        printLine(QStringLiteral("not an address: ") + address);
        return 1;
    }
    ReleaseCheck check;
    QObject::connect(&check, &ReleaseCheck::resolved, &app, [](const QUrl &asset) {
        printLine(asset.toString(QUrl::FullyEncoded));
        QCoreApplication::exit(0);
    });
    QObject::connect(&check, &ReleaseCheck::failed, &app, [](const QString &reason) {
        printLine(reason.simplified());
        QCoreApplication::exit(1);
    });
    check.start(latest);
    return QCoreApplication::exec();
}
