#include "launchoptions.h"

#include "base/terminal.h"
#include "i18n/i18n.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

// Options the application object reads for itself (platform plugin, display, style, ...).
// They are accepted here so that they reach it rather than being refused as unknown.
struct ToolkitOption
{
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"session", true},       {"display", true},
    {"name", true},          {"style", true},
    {"stylesheet", true},    {"reverse", false},
    {"widgetcount", false},  {"nograb", false},
    {"dograb", false},       {"sync", false},
};

// The options a user can give, each with what it does. A new option is a member here,
// an entry of `documented()` and a branch in parseLaunchOptions.
struct LaunchParser
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, L("Mostra esta ajuda e sai.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, L("Mostra a versão e sai.")};

    QCommandLineOption updateEngine{QStringLiteral("update-engine"),
                                    L("Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.")};
    QCommandLineOption engineStatus{QStringLiteral("engine-status"), L("Mostra os programas do motor, suas versões e se há atualização.")};

    QCommandLineOption background{QStringLiteral("background"),
                                  L("Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.")};
    QCommandLineOption
        follow{QStringLiteral("follow"),
               L("Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir."),
               QStringLiteral("url")};
    QCommandLineOption quality{QStringLiteral("quality"),
                               L("A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a."),
                               QStringLiteral("quality")};
    QCommandLineOption importFile{QStringLiteral("import"), L("Baixa cada link de um arquivo de texto, com as escolhas do campo de link."),
                                  QStringLiteral("file")};
    QCommandLineOption checkFollowing{QStringLiteral("check-following"), L("O Vireloom aberto verifica agora todas as fontes seguidas.")};
    QCommandLineOption listFollowing{QStringLiteral("list-following"), L("Mostra as fontes seguidas, uma por linha, e sai.")};
    QCommandLineOption registerBrowsers{QStringLiteral("register-browsers"),
                                        L("Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.")};
    QCommandLineOption unregisterBrowsers{QStringLiteral("unregister-browsers"),
                                          L("Desfaz o que --register-browsers fez nos navegadores, e sai.")};

    // Not for users: the application runs itself with it to look for a new engine release.
    QCommandLineOption checkRelease{QStringLiteral("check-release"), QString(), QStringLiteral("address")};

    QList<const QCommandLineOption *> documented() const
    {
        return {&help,    &version,    &updateEngine,   &engineStatus,  &background,       &follow,
                &quality, &importFile, &checkFollowing, &listFollowing, &registerBrowsers, &unregisterBrowsers};
    }

    LaunchParser()
    {
        // Qt's own options are written with one dash (-platform wayland).
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(L("Salve vídeo ou áudio de links como arquivos"));
        for (const QCommandLineOption *option : documented())
            parser.addOption(*option);
        checkRelease.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(checkRelease);
        for (const ToolkitOption &toolkit : kToolkitOptions) {
            QCommandLineOption option(QString::fromLatin1(toolkit.name));
            if (toolkit.takesValue)
                option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        parser.addPositionalArgument(L("endereço"),
                                     L("Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele."));
    }

    QString usage() const
    {
        // The parser's own first line names the program by how it was started, or not at all
        // before the application object exists.
        const QString text = parser.helpText();
        return L("Uso: vireloom [opções] [endereço…]") + text.mid(text.indexOf(u'\n'));
    }
};

LaunchOptions exitWith(int exitCode, const QString &message)
{
    LaunchOptions options;
    options.action = LaunchOptions::Action::Exit;
    options.exitCode = exitCode;
    options.message = message;
    return options;
}

// The parser reports an option by its bare name; the user typed it with one or two dashes.
QString asWritten(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        QStringView written(argument);
        written = written.left(written.indexOf(u'='));
        if (written.startsWith(u'-') && written.sliced(written.startsWith(u"--") ? 2 : 1) == name)
            return written.toString();
    }
    return name;
}

} // namespace

LaunchOptions parseLaunchOptions(const QStringList &arguments)
{
    LaunchParser launch;
    if (!launch.parser.parse(arguments)) {
        const QStringList unknown = launch.parser.unknownOptionNames();
        const QString error =
            unknown.isEmpty() ? launch.parser.errorText() : LF("Opção desconhecida: %@", asWritten(unknown.first(), arguments));
        return exitWith(kUsageExitCode, QStringLiteral("vireloom: ") + error + QStringLiteral("\n\n") + launch.usage());
    }
    if (launch.parser.isSet(launch.help))
        return exitWith(0, launch.usage());
    if (launch.parser.isSet(launch.version))
        return exitWith(0, QStringLiteral("Vireloom " VIRELOOM_VERSION "\n"));

    LaunchOptions options;
    if (launch.parser.isSet(launch.quality)) {
        options.quality = Quality::fromId(launch.parser.value(launch.quality));
        if (!options.quality) {
            return exitWith(kUsageExitCode, QStringLiteral("vireloom: ")
                                                + LF("Qualidade desconhecida: %@", launch.parser.value(launch.quality))
                                                + QStringLiteral("\n\n") + launch.usage());
        }
    }
    if (launch.parser.isSet(launch.updateEngine)) {
        options.action = LaunchOptions::Action::UpdateEngine;
    } else if (launch.parser.isSet(launch.engineStatus)) {
        options.action = LaunchOptions::Action::EngineStatus;
    } else if (launch.parser.isSet(launch.checkRelease)) {
        options.action = LaunchOptions::Action::CheckRelease;
        options.releaseAddress = launch.parser.value(launch.checkRelease);
    } else if (launch.parser.isSet(launch.listFollowing)) {
        options.action = LaunchOptions::Action::ListFollowing;
    } else if (launch.parser.isSet(launch.registerBrowsers)) {
        options.action = LaunchOptions::Action::RegisterBrowsers;
    } else if (launch.parser.isSet(launch.unregisterBrowsers)) {
        options.action = LaunchOptions::Action::UnregisterBrowsers;
    } else {
        options.addresses = launch.parser.positionalArguments();
        options.background = launch.parser.isSet(launch.background);
        options.follow = launch.parser.values(launch.follow);
        // The running instance has another working directory: it is given the whole path.
        for (const QString &file : launch.parser.values(launch.importFile))
            options.imports << QFileInfo(file).absoluteFilePath();
        options.checkFollowing = launch.parser.isSet(launch.checkFollowing);
    }
    return options;
}

namespace {
constexpr QLatin1StringView kFollowPrefix("--follow=");
constexpr QLatin1StringView kQualityPrefix("--quality=");
constexpr QLatin1StringView kCheckFollowing("--check-following");
constexpr QLatin1StringView kImportPrefix("--import=");
constexpr QLatin1StringView kBackground("--background");
} // namespace

QStringList LaunchOptions::forwarded() const
{
    QStringList list = addresses;
    if (quality)
        list << kQualityPrefix + quality->id();
    for (const QString &link : follow)
        list << kFollowPrefix + link;
    for (const QString &file : imports)
        list << kImportPrefix + file;
    if (checkFollowing)
        list << kCheckFollowing;
    if (background)
        list << kBackground;
    return list;
}

ForwardedRequests readForwarded(const QStringList &forwarded)
{
    ForwardedRequests requests;
    for (const QString &item : forwarded) {
        if (item.startsWith(kFollowPrefix))
            requests.follow << item.sliced(kFollowPrefix.size());
        else if (item.startsWith(kImportPrefix))
            requests.imports << item.sliced(kImportPrefix.size());
        else if (item.startsWith(kQualityPrefix))
            requests.quality = Quality::fromId(QStringView(item).sliced(kQualityPrefix.size()));
        else if (item == kCheckFollowing)
            requests.checkFollowing = true;
        else if (item == kBackground)
            requests.showWindow = false;
        else if (BrowserMessage::isHandoffArgument(item)) {
            // Read with the checks the host made: the socket is the user's, but a
            // malformed link must not reach the queue by this way either.
            if (auto link = BrowserMessage::fromHandoff(item))
                requests.browserLinks << std::move(*link);
        } else if (!item.startsWith(u'-'))
            requests.addresses << item;
    }
    // A launch that only asks for something to be followed or checked is a script's: it
    // does not bring the window up. Nor does a link from the browser: the browser is where
    // the user is, and its button tells whether the link was taken.
    if (requests.addresses.isEmpty() && (!requests.follow.isEmpty() || requests.checkFollowing || !requests.browserLinks.isEmpty()))
        requests.showWindow = false;
    return requests;
}

QStringList documentedOptionNames()
{
    const LaunchParser launch;
    QStringList names;
    for (const QCommandLineOption *option : launch.documented())
        names << option->names().constLast();
    return names;
}

QStringList argumentsFromArgv(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int finishLaunch(const LaunchOptions &options)
{
    // The message may quote what was typed, which can hold anything.
    const QByteArray text = terminalText(options.message).toLocal8Bit();
    std::fputs(text.constData(), options.exitCode == 0 ? stdout : stderr);
    return options.exitCode;
}
