#include "engine/failuremessages.h"
#include "engine/linereader.h"
#include "engine/progress.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "support/files.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FailureAction)

namespace {
const QString kLogin = u"O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”."_s;
const QString kUnsupported = u"Este link não é suportado (não achei vídeo nele)."_s;
const QString kForbidden = u"Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp."_s;
const QString kFormat = u"Essa qualidade não existe para este vídeo — tente “Melhor qualidade”."_s;
const QString kNetwork = u"Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo."_s;
const QString kTimeout = u"O site demorou demais para responder. Tente de novo em alguns minutos."_s;
const QString kDiskFull = u"Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral."_s;
const QString kUnwritable = u"Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral."_s;
const QString kNoFFmpeg = u"Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor."_s;
const QString kNoDeno = u"O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor."_s;
const QString kOutdated = u"O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor."_s;
const QString kNotFound = u"O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link."_s;
const QString kForbiddenHere = u"O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você."_s;
const QString kServer = u"O site está com problemas no momento (erro do servidor). Tente de novo mais tarde."_s;
const QString kCutShort = u"A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou."_s;
const QString kNoSuchHost = u"Site não encontrado: este endereço não existe. Confira o link."_s;
const QString kRefused = u"O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde."_s;
const QString kProxy = u"A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio."_s;
const QString kGuarded = u"Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. "
                         "Se você confia nele, cole o link na janela."_s;
const QString kUnknown = u"O download falhou. Última mensagem do yt-dlp: %@"_s;
const QString kBadCookies = u"O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão."_s;
} // namespace

// Runs once in English and once in Portuguese (see CMakeLists.txt); the expected
// sentence is named by its Portuguese key and checked in the process's language.
class TestFailureMessages : public QObject
{
    Q_OBJECT

private slots:
    // Texts of Debian's yt-dlp against a local server, unless said otherwise.
    void describes_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("browserChosen");
        QTest::addColumn<QString>("key");
        QTest::addColumn<FailureAction>("action");
        using A = FailureAction;

        QTest::newRow("sign in, in capitals, no browser")
            << u"[youtube] abc: SIGN IN TO CONFIRM you're not a bot"_s << QStringList() << false << kLogin << A::chooseBrowser;
        QTest::newRow("sign in with a browser chosen")
            << u"[youtube] abc: Sign in to confirm you're not a bot"_s << QStringList() << true << kLogin << A::updateEngine;
        QTest::newRow("advice to pass cookies")
            << u"Use --cookies-from-browser or --cookies for the authentication."_s << QStringList() << false << kLogin << A::chooseBrowser;
        QTest::newRow("cookies and 403: login wins")
            << u"HTTP Error 403: Forbidden; try cookies"_s << QStringList() << false << kLogin << A::chooseBrowser;
        QTest::newRow("unsupported and private: unsupported wins")
            << u"Unsupported URL: https://x.test/private video"_s << QStringList() << false << kUnsupported << A::none;
        QTest::newRow("403") << u"unable to download video data: HTTP Error 403: Forbidden"_s << QStringList() << false << kForbidden
                             << A::updateEngine;
        QTest::newRow("format with advice") << u"[youtube] x: Requested format is not available. Use --list-formats for a list of available formats"_s
                                            << QStringList() << false << kFormat << A::none;
        QTest::newRow("refused") << u"[generic] None: Unable to download webpage: <urlopen error [Errno 111] Connection refused> "
                                    "(caused by URLError(ConnectionRefusedError(111, 'Connection refused')))"_s
                                 << QStringList() << false << kRefused << A::none;
        QTest::newRow("unknown host") << u"[generic] None: Unable to download webpage: <urlopen error [Errno -2] Name or service "
                                         "not known> (caused by URLError(gaierror(-2, 'Name or service not known')))"_s
                                      << QStringList() << false << kNoSuchHost << A::none;
        // Newer releases name the host they could not resolve, and the reason after it.
        QTest::newRow("unknown host, newer wording")
            << u"[generic] Unable to download webpage: Failed to resolve 'x.invalid' ([Errno -2] Name or service not known)"_s
            << QStringList() << false << kNoSuchHost << A::none;
        QTest::newRow("no name server, newer wording") << u"Failed to resolve 'x.test' ([Errno -3] Temporary failure in name resolution)"_s
                                                       << QStringList() << false << kNetwork << A::none;
        QTest::newRow("403 of a site the engine knows") << u"[vimeo] 1: Unable to download JSON metadata: HTTP Error 403: Forbidden"_s
                                                        << QStringList() << false << kForbidden << A::updateEngine;
        QTest::newRow("502") << u"[generic] None: Unable to download webpage: HTTP Error 502: Bad Gateway"_s << QStringList() << false
                             << kServer << A::none;
        QTest::newRow("reset while downloading")
            << u"[download] Got error: [Errno 104] Connection reset by peer"_s << QStringList() << false << kCutShort << A::none;
        QTest::newRow("no answer") << u"[generic] None: Unable to download webpage: timed out (caused by TimeoutError('timed "
                                      "out')); please report this issue on  https://github.com/yt-dlp/yt-dlp/issues?q= , "
                                      "filling out the appropriate issue template. Confirm you are on the latest version using  yt-dlp -U"_s
                                   << QStringList() << false << kTimeout << A::none;
        QTest::newRow("folder not permitted") << u"unable to open for writing: [Errno 13] Permission denied: '/tmp/cap/locked/clip.mp4.part'"_s
                                              << QStringList() << false << kUnwritable << A::openSettings;
        QTest::newRow("folder cannot be made") << u"unable to create directory [Errno 13] Permission denied: '/tmp/cap/locked/sub'"_s
                                               << QStringList() << false << kUnwritable << A::openSettings;
        QTest::newRow("mp3 without ffmpeg")
            << u"Postprocessing: ffprobe and ffmpeg not found. Please install or provide the path using --ffmpeg-location"_s
            << QStringList() << false << kNoFFmpeg << A::installMissing;
        QTest::newRow("merge without ffmpeg") << u"Postprocessing: ffmpeg not found. Please install or provide the path using --ffmpeg-location"_s
                                              << QStringList() << false << kNoFFmpeg << A::installMissing;
        // Newer releases warn of a missing runtime and then fail on what it would have solved.
        QTest::newRow("no JavaScript runtime, then no format")
            << u"[youtube] x: Requested format is not available"_s
            << QStringList{u"WARNING: [youtube] No supported JavaScript runtime could be found. Only deno is enabled by default"_s,
                           u"ERROR: [youtube] x: Requested format is not available"_s}
            << false << kNoDeno << A::installDeno;
        QTest::newRow("signature extraction") << u"[youtube] x: nsig extraction failed: Some formats may be missing"_s << QStringList()
                                              << false << kOutdated << A::updateEngine;
        QTest::newRow("unknown text: a sentence and the engine's line")
            << u"[generic] None: '3' is not a valid URL."_s << QStringList() << false
            << LF(kUnknown, u"[generic] None: '3' is not a valid URL."_s) << A::none;
        QTest::newRow("unknown text: without the request to report it, or the exception")
            << u"[generic] None: Unable to download webpage: HTTP Error 418: I'm a teapot (caused by <HTTPError 418: "
               "'I'm a teapot'>); please report this issue on  https://github.com/yt-dlp/yt-dlp/issues?q= , filling out "
               "the appropriate issue template. Confirm you are on the latest version using  yt-dlp -U"_s
            << QStringList() << false << LF(kUnknown, u"[generic] None: Unable to download webpage: HTTP Error 418: I'm a teapot"_s)
            << A::none;
        // The guard's answers are not the site's: a refusal says where the link led, a name
        // it could not resolve is a name that does not exist.
        QTest::newRow("the guard refuses a plain request")
            << u"[generic] secret: Unable to download webpage: HTTP Error 403: Refused by Vireloom: local network (caused by "
               "<HTTPError 403: 'Refused by Vireloom: local network'>)"_s
            << QStringList() << false << kGuarded << A::none;
        QTest::newRow("the guard refuses a tunnel")
            << u"[generic] x: Unable to download webpage: <urlopen error Tunnel connection failed: 403 Refused by Vireloom: "
               "local network> (caused by URLError(OSError('Tunnel connection failed: 403 Refused by Vireloom: local network')))"_s
            << QStringList() << false << kGuarded << A::none;
        QTest::newRow("the guard finds no such host")
            << u"[generic] x: Unable to download webpage: HTTP Error 502: Refused by Vireloom: no such host"_s << QStringList() << false
            << kNoSuchHost << A::none;
    }

    void describes()
    {
        QFETCH(QString, raw);
        QFETCH(QStringList, log);
        QFETCH(bool, browserChosen);
        QFETCH(QString, key);
        QFETCH(FailureAction, action);

        const FailureDescription failure = describeFailure(raw, log, browserChosen);
        QCOMPARE(failure.message, L(key));
        QCOMPARE(failure.action, action);
    }

    // Which failures another login may get past: those that ask for one (or for a check
    // that the visitor is no bot), and a page that is refused as it is read.
    void wantsALogin_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("bot check") << u"[youtube] abc: Sign in to confirm you’re not a bot. Use --cookies-from-browser"_s << true;
        QTest::newRow("login required") << u"[instagram] x: login required to access this post"_s << true;
        QTest::newRow("401 of a page") << u"[generic] None: Unable to download webpage: HTTP Error 401: Unauthorized"_s << true;
        QTest::newRow("403 of a page read generically") << u"[generic] None: Unable to download webpage: HTTP Error 403: Forbidden"_s << true;
        QTest::newRow("403 of a site the engine knows")
            << u"[vimeo] 1: Unable to download JSON metadata: HTTP Error 403: Forbidden"_s << false;
        QTest::newRow("404") << u"[generic] None: Unable to download webpage: HTTP Error 404: Not Found"_s << false;
        QTest::newRow("no such host") << u"[generic] Unable to download webpage: Failed to resolve 'x.invalid'"_s << false;
        QTest::newRow("the guard refuses") << u"[generic] x: HTTP Error 403: Refused by Vireloom: local network"_s << false;
    }

    void wantsALogin()
    {
        QFETCH(QString, raw);
        QTEST(describeFailure(raw, {}, false).loginWanted, "wanted");
    }

    // Whole runs of Debian's yt-dlp (tests/data), read the way a download reads them.
    void capturedRuns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("proxy");
        QTest::addColumn<QString>("key");
        QTest::addColumn<FailureAction>("action");
        using A = FailureAction;

        QTest::newRow("connection refused mid-way: the reason follows an empty error")
            << u"refused-midway"_s << false << kCutShort << A::none;
        QTest::newRow("disk full") << u"disk-full"_s << false << kDiskFull << A::openSettings;
        QTest::newRow("read-only folder") << u"read-only-folder"_s << false << kUnwritable << A::openSettings;
        QTest::newRow("404") << u"http-404"_s << false << kNotFound << A::none;
        QTest::newRow("410") << u"http-410"_s << false << kNotFound << A::none;
        QTest::newRow("403 from a page read generically") << u"http-403"_s << false << kForbiddenHere << A::none;
        QTest::newRow("500") << u"http-500"_s << false << kServer << A::none;
        QTest::newRow("503") << u"http-503"_s << false << kServer << A::none;
        QTest::newRow("cut short every time") << u"cut-short"_s << false << kCutShort << A::none;
        QTest::newRow("nothing listens") << u"refused"_s << false << kRefused << A::none;
        QTest::newRow("no such host") << u"no-such-host"_s << false << kNoSuchHost << A::none;
        QTest::newRow("no network") << u"no-network"_s << false << kNetwork << A::none;
        QTest::newRow("the proxy refuses") << u"proxy-refused"_s << true << kProxy << A::openProxy;
        QTest::newRow("no such host behind a proxy") << u"no-such-host"_s << true << kProxy << A::openProxy;
    }

    // The guard says when it could not connect: to the site, or to the user's proxy.
    void guardCouldNotConnect_data()
    {
        QTest::addColumn<bool>("proxy");
        QTest::addColumn<QString>("key");
        QTest::addColumn<FailureAction>("action");
        QTest::newRow("directly") << false << kRefused << FailureAction::none;
        QTest::newRow("through the user's proxy") << true << kProxy << FailureAction::openProxy;
    }
    void guardCouldNotConnect()
    {
        QFETCH(bool, proxy);
        QFETCH(QString, key);
        QFETCH(FailureAction, action);
        const FailureDescription failure =
            describeFailure(u"[generic] x: Unable to download webpage: HTTP Error 502: Vireloom could not connect"_s, {}, {false, proxy, {}});
        QCOMPARE(failure.message, L(key));
        QCOMPARE(failure.action, action);
    }

    void capturedRuns()
    {
        QFETCH(QString, file);
        QFETCH(bool, proxy);
        QFETCH(QString, key);
        QFETCH(FailureAction, action);

        DownloadItem item(u"http://127.0.0.1/clip.mp4"_s, Quality::best, false);
        replay(item, file);
        const QString raw = failureText(item.lastError(), item.log(), 1);
        QVERIFY2(!raw.trimmed().isEmpty(), "a failed run must say why");
        const FailureDescription failure = describeRun(item.lastError(), item.log(), 1, {false, proxy, {}});
        QCOMPARE(failure.message, L(key));
        QCOMPARE(failure.action, action);
        QVERIFY2(!failure.message.contains(u"report"_s, Qt::CaseInsensitive), qPrintable(failure.message));
    }

    // yt-dlp ends with a traceback on a cookies file it cannot read; the traceback mentions
    // cookies, but the login is not what failed.
    void unreadableCookiesFileIsNamed()
    {
        DownloadItem item(u"http://127.0.0.1/clip.mp4"_s, Quality::best, false);
        replay(item, u"bad-cookies"_s);
        const QString file = u"/home/me/cookies.txt"_s;
        const FailureDescription failure = describeRun(item.lastError(), item.log(), 1, {false, false, file});
        QCOMPARE(failure.message, LF(kBadCookies, file));
        QCOMPARE(failure.action, FailureAction::chooseCookiesFile);
    }

    void textOfTheRun_data()
    {
        QTest::addColumn<std::optional<QString>>("lastError");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("text");

        const QString command = u"$ yt-dlp --newline -- http://x.test/v"_s;
        QTest::newRow("the error") << std::optional(u"HTTP Error 404"_s) << QStringList{command, u"ERROR: HTTP Error 404"_s}
                                   << u"HTTP Error 404"_s;
        QTest::newRow("empty error: the last line that says something")
            << std::optional(QString()) << QStringList{command, u"[generic] Downloading"_s, u"ERROR: "_s} << u"[generic] Downloading"_s;
        QTest::newRow("no error line: the engine's last line")
            << std::optional<QString>() << QStringList{command, u"[generic] Extracting URL"_s} << u"[generic] Extracting URL"_s;
        QTest::newRow("only the command line: the exit status")
            << std::optional<QString>() << QStringList{command} << LF("yt-dlp saiu com código %d", 3);
        QTest::newRow("nothing at all: the exit status")
            << std::optional<QString>() << QStringList() << LF("yt-dlp saiu com código %d", 3);
    }

    void textOfTheRun()
    {
        QFETCH(std::optional<QString>, lastError);
        QFETCH(QStringList, log);
        QFETCH(QString, text);
        QCOMPARE(failureText(lastError, log, 3), text);
    }

    void privateVideoInTheInterfaceLanguage()
    {
        const QString expected = appLang() == Lang::pt ? u"Vídeo privado."_s : u"Private video."_s;
        QVERIFY(appLang() == Lang::pt || appLang() == Lang::en);
        QCOMPARE(friendlyError(u"This is a private video"_s), expected);
    }

private:
    // Feeds a captured run to a fresh item, as a download's output reaches it.
    static void replay(DownloadItem &item, const QString &name)
    {
        RunOutput run{RunMarkers(kCaptureToken), u"/tmp"_s};
        LineReader reader([&item, &run](QStringView line) { applyOutputLine(item, line, run); });
        reader.feed(readFile(QStringLiteral(VIRELOOM_TEST_DATA "/ytdlp-2023.03.04-") + name + u".txt"_s));
        reader.flush();
    }
};

QTEST_GUILESS_MAIN(TestFailureMessages)
#include "tst_failuremessages.moc"
