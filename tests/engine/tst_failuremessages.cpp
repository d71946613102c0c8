#include "engine/failuremessages.h"
#include "i18n/i18n.h"
#include "tools/vireloomerror.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Runs once in English and once in Portuguese (see CMakeLists.txt); the expected
// sentence is named by its Portuguese key and checked in the process's language.
class TestFailureMessages : public QObject
{
    Q_OBJECT

private slots:
    void knownPhrases_data();
    void knownPhrases();
    void unknownTextIsUnchanged();
    void privateVideoInTheInterfaceLanguage();
    void errorDescriptionIsItsText();
};

namespace {
const QString kLogin = u"O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”."_s;
const QString kUnsupported = u"Este link não é suportado (não achei vídeo nele)."_s;
const QString kPrivate = u"Vídeo privado."_s;
const QString kForbidden = u"Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp."_s;
const QString kRateLimited = u"O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador."_s;
const QString kFormat = u"Essa qualidade não existe para este vídeo — tente “Melhor qualidade”."_s;
} // namespace

void TestFailureMessages::knownPhrases_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("key");

    QTest::newRow("sign in, in capitals")
        << u"ERROR: [youtube] abc: SIGN IN TO CONFIRM you're not a bot"_s << kLogin;
    QTest::newRow("advice to pass cookies")
        << u"ERROR: Use --cookies-from-browser or --cookies for the authentication."_s << kLogin;
    QTest::newRow("login required") << u"ERROR: [instagram] Login required"_s << kLogin;
    QTest::newRow("cookies and 403: login wins") << u"HTTP Error 403: Forbidden; try cookies"_s << kLogin;
    QTest::newRow("unsupported and private: unsupported wins")
        << u"ERROR: Unsupported URL: https://x.test/private video"_s << kUnsupported;
    QTest::newRow("private video") << u"ERROR: [vimeo] 123: Private video"_s << kPrivate;
    QTest::newRow("403") << u"ERROR: unable to download video data: HTTP Error 403: Forbidden"_s << kForbidden;
    QTest::newRow("429") << u"ERROR: HTTP Error 429: Too Many Requests"_s << kRateLimited;
    QTest::newRow("format with advice")
        << u"ERROR: [youtube] x: Requested format is not available. Use --list-formats for a list of available formats"_s
        << kFormat;
}

void TestFailureMessages::knownPhrases()
{
    QFETCH(QString, raw);
    QFETCH(QString, key);
    QCOMPARE(friendlyError(raw), L(key));
}

void TestFailureMessages::unknownTextIsUnchanged()
{
    const QString timeout = u"ERROR: Unable to download webpage: <urlopen error timed out> (Caused By TimeoutError)"_s;
    QCOMPARE(friendlyError(timeout), timeout);
    QCOMPARE(friendlyError(QString()), QString());
    const QString exit = LF(u"yt-dlp saiu com código %d"_s, 1);
    QCOMPARE(friendlyError(exit), exit);
}

void TestFailureMessages::privateVideoInTheInterfaceLanguage()
{
    const QString expected = appLang() == Lang::pt ? u"Vídeo privado."_s : u"Private video."_s;
    QVERIFY(appLang() == Lang::pt || appLang() == Lang::en);
    QCOMPARE(friendlyError(u"This is a private video"_s), expected);
}

void TestFailureMessages::errorDescriptionIsItsText()
{
    const QString text = LF(u"Falha ao descompactar %@: %@"_s, u"ffmpeg.zip"_s, u"truncated"_s);
    try {
        throw VireloomError::msg(text);
    } catch (const VireloomError &error) {
        QCOMPARE(error.description(), text);
        QCOMPARE(QString::fromUtf8(error.what()), text);
    }
}

QTEST_GUILESS_MAIN(TestFailureMessages)
#include "tst_failuremessages.moc"
