#include "app/browsercommands.h"
#include "app/enginecommands.h"
#include "app/followingcommands.h"
#include "app/launchoptions.h"
#include "app/logging.h"
#include "app/trayicon.h"
#include "base/paths.h"
#include "base/terminal.h"
#include "design/designsystem.h"
#include "design/motion.h"
#include "design/rendering.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "following/following.h"
#include "i18n/i18n.h"
#include "installer/freshnessmonitor.h"
#include "intake/linkintake.h"
#include "platform/autostart.h"
#include "platform/desktopnotifications.h"
#include "platform/linuxdesktop.h"
#include "platform/singleinstance.h"
#include "platform/systemclipboard.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "ui/mainwindow.h"
#include "ui/shell.h"

#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kEngineChecksLatestMs = 2000;

// What a launch asked for, the first one or a later one that handed it over.
void handleRequests(Downloader &downloader, const ForwardedRequests &requests)
{
    for (const QString &address : requests.addresses) {
        if (address.startsWith(QLatin1StringView("vireloom:"), Qt::CaseInsensitive))
            downloader.intake()->handleSchemeURL(address);
        else
            downloader.queue()->add(address);
    }
    for (const QString &link : requests.follow) {
        if (!downloader.following()->add(link, 0, followOptions(requests.quality)))
            qCWarning(lcApp) << "not a link to follow:" << link;
    }
    for (const QString &file : requests.imports)
        downloader.importLinks(file);
    for (const BrowserMessage::Download &link : requests.browserLinks)
        downloader.queue()->addFromBrowser(link);
    if (requests.checkFollowing)
        downloader.following()->checkAll();
}

int g_terminationPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_terminationPipe[1], &byte, 1);
}

// The session ending or Ctrl+C in a terminal quits as "quit anyway" does: there is nobody to ask,
// and the running downloads are stopped rather than cut off.
void quitOnTermination(Shell &shell)
{
    if (::pipe2(g_terminationPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_terminationPipe[0], QSocketNotifier::Read, &shell);
    QObject::connect(notifier, &QSocketNotifier::activated, &shell, [&shell] {
        char byte;
        while (::read(g_terminationPipe[0], &byte, 1) > 0) {
        }
        shell.quitAnyway();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

// With no tray to bring the window back, closing it quits, unless downloads run: then it
// says once how to get the window back, and quits when the last of them ends.
void closeWithoutTray(QQuickWindow *window, Shell &shell)
{
    auto noticeGiven = std::make_shared<bool>(false);
    // Started in the background, the window has not been closed: the application stays.
    auto closed = std::make_shared<bool>(false);
    const auto quitIfIdle = [window, &shell, closed] {
        if (*closed && !window->isVisible() && shell.runningDownloads() == 0)
            QCoreApplication::quit();
    };
    QObject::connect(window, &QWindow::visibleChanged, window, [&shell, noticeGiven, closed, quitIfIdle](bool visible) {
        *closed = !visible;
        if (visible)
            return;
        if (shell.runningDownloads() > 0 && !*noticeGiven) {
            *noticeGiven = true;
            DesktopNotifications::notify(QStringLiteral("Vireloom"),
                                         L("O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela."));
        }
        quitIfIdle();
    });
    QObject::connect(&shell, &Shell::activityChanged, window, quitIfIdle);
}

// Read as PNG by name: a file of unnamed format would have every image plugin loaded to
// guess it, and an SVG the renderer for it, each costing more memory than the icon.
QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    // Read first: --help, --version and a mistyped option need no display and leave a
    // running instance alone.
    const LaunchOptions options = parseLaunchOptions(argumentsFromArgv(argc, argv));
    if (options.action == LaunchOptions::Action::Exit)
        return finishLaunch(options);
    if (options.action == LaunchOptions::Action::UpdateEngine || options.action == LaunchOptions::Action::EngineStatus)
        return runEngineCommand(options.action, argc, argv);
    if (options.action == LaunchOptions::Action::CheckRelease)
        return runReleaseCheck(options.releaseAddress, argc, argv);
    if (options.action == LaunchOptions::Action::ListFollowing)
        return runListFollowing(argc, argv);
    if (options.action == LaunchOptions::Action::RegisterBrowsers || options.action == LaunchOptions::Action::UnregisterBrowsers)
        return runBrowserRegistration(options.action == LaunchOptions::Action::UnregisterBrowsers, argc, argv);

    // A later launch only passes its links on: done before any display connection or
    // plugin is set up, it costs a few milliseconds instead of a tenth of a second.
    const QString socketPath = SingleInstance::defaultSocketPath();
    if (SingleInstance::handOver(socketPath, options.forwarded()))
        return 0;
    // A script's request with nobody to take it: links to follow are kept for the next
    // start; a check has nothing to check.
    if (options.addresses.isEmpty() && !options.background && (!options.follow.isEmpty() || options.checkFollowing)) {
        if (options.follow.isEmpty()) {
            std::fputs(qPrintable(L("O Vireloom não está aberto: não há o que verificar.") + u'\n'), stderr);
            return 1;
        }
        return storeFollowRequests(options.follow, options.quality, socketPath, options.forwarded(), argc, argv);
    }

    // Widgets only for the tray icon's menu; the window is Qt Quick.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vireloom"));
    QApplication::setOrganizationName(QStringLiteral("Vireloom"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vireloom"));
    // The compositor finds the window's entry and icon by this name; Flatpak exports them under its id.
    QApplication::setDesktopFileName(qEnvironmentVariable("FLATPAK_ID", QStringLiteral("vireloom")));
    // Closing the window leaves the application, and its downloads, running.
    QApplication::setQuitOnLastWindowClosed(false);
    // What the desktop's fonts are is found on another thread while the window's QML is read.
    // That thread reads Qt's font database, so it ends before the application does, also
    // where this launch only hands its links over.
    prepareInterfaceFont();
    const auto fontsFound = qScopeGuard(&awaitInterfaceFont);

    chooseSceneGraphBackend();
    // The window's QML is read on QML's loader thread while the services below are set up;
    // between them this thread answers what the reading asks of it.
    auto engine = std::make_unique<QQmlApplicationEngine>();
    startReadingMainWindow(*engine);

    const QStringList arguments = options.forwarded();
    SingleInstance instance(socketPath);
    switch (instance.claim(arguments)) {
    case SingleInstance::Role::Forwarded:
        return 0;
    case SingleInstance::Role::Failed:
        qCWarning(lcApp) << "running without the single-instance guard";
        break;
    case SingleInstance::Role::Primary:
        // What runs cut short left behind (cookie copies, proxy files) goes; no run of
        // another instance can be using it.
        Tools::clearRunLeftovers();
        break;
    }
    answerWindowReading();

    // The daily look at the engine's latest release needs TLS; a child of our own makes it,
    // so the libraries for that are not kept in memory for the rest of the session.
    FreshnessMonitor::setCheckProgram(QCoreApplication::applicationFilePath());
    Settings settings;
    Downloader downloader(&settings, nullptr, Downloader::EngineChecks::OnRequest);
    answerWindowReading();
    LinuxDesktop desktop;
    SystemClipboard clipboard(QApplication::clipboard());
    downloader.setDesktop(&desktop);
    downloader.setClipboard(&clipboard);
    Shell shell(&downloader);
    desktop.setNotice([&shell](const QString &text) { shell.notice()->show(text); });
    // The "start when I log in" setting and the desktop's autostart entry, kept in step.
    AutostartSetting autostart(&settings, QCoreApplication::applicationFilePath());
    QObject::connect(&autostart, &AutostartSetting::problemChanged, &shell, [&shell, &autostart] {
        shell.setStartAtLoginProblem(autostart.problem());
        if (!autostart.problem().isEmpty())
            shell.notice()->show(autostart.problem());
    });

    // The window, and everything in QML, goes before the services it shows.
    const auto windowGoesFirst = qScopeGuard([&engine] { engine.reset(); });
    QQuickWindow *window = loadMainWindow(*engine, shell);
    if (!window)
        return 1;
    desktop.setWindow(window);

    QObject::connect(&shell, &Shell::quitAccepted, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    quitOnTermination(shell);
    QObject::connect(&shell, &Shell::quitConfirmationRequested, &app, [&desktop] { desktop.activateApplication(); });
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &app, [&](const QStringList &forwarded) {
        const ForwardedRequests requests = readForwarded(forwarded);
        handleRequests(downloader, requests);
        if (requests.showWindow)
            desktop.activateApplication();
    });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &app, [&](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            return;
        clipboard.noticeActivation();
        downloader.intake()->checkClipboard();
    });

    // The icons are read from their pictures once the first frame is up, or at once where the
    // window is not shown at start: the window takes its icon when it comes, and until the
    // tray icon is there a closed window waits for it hidden, as it would beside it.
    std::unique_ptr<TrayIcon> tray;
    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (!trayAvailable)
        closeWithoutTray(window, shell);
    const auto showIcons = [&tray, &shell, &desktop, &app, trayAvailable] {
        if (!QGuiApplication::windowIcon().isNull())
            return;
        QApplication::setWindowIcon(windowIcon());
        if (!trayAvailable)
            return;
        tray = std::make_unique<TrayIcon>(&shell);
        QObject::connect(tray.get(), &TrayIcon::showWindowRequested, &app, [&desktop] { desktop.activateApplication(); });
    };

    // For start-up measurements and the desktop tests: QT_LOGGING_RULES="vireloom.app.debug=true".
    QObject::connect(downloader.intake(), &LinkIntake::clipboardSuggestionChanged, &app, [&downloader] {
        qCDebug(lcApp).noquote() << "clipboard offer:" << terminalText(downloader.intake()->clipboardSuggestionText());
    });
    // The engine's version query and release check are processes of their own: they wait
    // until the first page is shown, or at most a moment where the window is not shown at once.
    QTimer::singleShot(kEngineChecksLatestMs, downloader.engine(), &EngineSetup::startChecks);
    QObject::connect(&shell, &Shell::firstPageShown, downloader.engine(), &EngineSetup::startChecks);
    // The desktop's wish for less motion is asked of another process too; nothing moves
    // before the first frame.
    QObject::connect(&shell, &Shell::windowDrawnChanged, &app, [&showIcons] {
        qCDebug(lcApp) << "first frame at" << QDateTime::currentMSecsSinceEpoch();
        Motion::instance()->followDesktop();
        showIcons();
    });
    // In the background the window waits for the tray icon or a later launch.
    if (options.background)
        showIcons();
    else
        window->show();
    // Once the window is up: the first look at the clipboard, then what this launch was given.
    QTimer::singleShot(0, &app, [&] {
        downloader.intake()->checkClipboard();
        handleRequests(downloader, readForwarded(arguments));
    });

    return app.exec();
}
