#include "enginecommands.h"

#include "i18n/i18n.h"
#include "settings/settings.h"
#include "tools/engineinstaller.h"
#include "tools/freshnessmonitor.h"
#include "tools/releasecheck.h"
#include "tools/tools.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

namespace {

void printLine(const QString &line)
{
    std::fputs((line + u'\n').toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

// One status line per step as the installer reports it; the last one says how it ended.
int updateEngine(Settings &settings)
{
    FreshnessMonitor freshness(&settings);
    EngineInstaller installer;
    QObject::connect(&installer, &EngineInstaller::statusChanged, &installer, [&installer] { printLine(installer.status()); });
    QObject::connect(&installer, &EngineInstaller::latestYtDlpSeen, &freshness, &FreshnessMonitor::record);
    QObject::connect(&installer, &EngineInstaller::finished, qApp, [](bool succeeded) { QCoreApplication::exit(succeeded ? 0 : 1); });
    installer.install(true);
    return QCoreApplication::exec();
}

QString freshnessLine(EngineFreshness freshness, const QString &version, const QString &latest)
{
    switch (freshness) {
    case EngineFreshness::updateAvailable:
        return LF(QStringLiteral("Há um yt-dlp mais novo: %@ (este é %@)."), latest, version);
    case EngineFreshness::current:
        return L(QStringLiteral("O yt-dlp está na versão mais recente."));
    case EngineFreshness::outdated:
        return LF(QStringLiteral("Este yt-dlp tem mais de %d dias e não consegui ver se há outro."), kOutdatedAfterDays);
    case EngineFreshness::unknown:
        break;
    }
    return L(QStringLiteral("Não se sabe se há um yt-dlp mais novo."));
}

int engineStatus(Settings &settings)
{
    QString version;
    for (const QString &name : {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe"), QStringLiteral("deno")}) {
        const std::optional<QString> path = Tools::find(name);
        QString line = name + QStringLiteral(": ") + path.value_or(L(QStringLiteral("não encontrado")));
        if (path && name == u"yt-dlp") {
            version = Tools::versionOf(*path).value_or(QString());
            if (!version.isEmpty())
                line += QStringLiteral(" (") + version + u')';
        }
        printLine(line);
    }
    if (const std::optional<QString> previous = Tools::previousYtDlp())
        printLine(QStringLiteral("yt-dlp.previous: ") + *previous);
    const FreshnessMonitor freshness(&settings);
    printLine(freshnessLine(freshness.assess(version), version, freshness.latest()));
    return 0;
}

} // namespace

int runEngineCommand(LaunchOptions::Action action, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vireloom"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vireloom"));
    Settings settings;
    settings.registerAppDefaults();
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
