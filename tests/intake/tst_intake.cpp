#include "intake/clipboardsuggestion.h"
#include "intake/linkextraction.h"
#include "intake/linkfile.h"
#include "intake/urlscheme.h"
#include "support/fakeclipboard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SchemeRequest)

char *toString(const SchemeRequest &r)
{
    return qstrdup(QStringLiteral("text=%1 quality=%2 playlist=%3 structured=%4")
                       .arg(r.text, r.quality ? r.quality->id() : u"none"_s)
                       .arg(r.playlist)
                       .arg(r.structured)
                       .toUtf8());
}

class TestIntake : public QObject
{
    Q_OBJECT

private slots:
    void extractURLs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("links");
        const auto row = [](const char *name, const QString &text, const QStringList &links) { QTest::newRow(name) << text << links; };

        row("end of a sentence", u"Look at this: https://vimeo.com/76979871."_s, {u"https://vimeo.com/76979871"_s});
        row("question and exclamation", u"Seen https://x.com/a/status/1?? Or http://b.example/c!"_s,
            {u"https://x.com/a/status/1"_s, u"http://b.example/c"_s});
        row("in parentheses", u"(see https://example.com/v/1)"_s, {u"https://example.com/v/1"_s});
        row("wiki address keeps its brackets",
            u"More at https://en.wikipedia.org/wiki/Python_(programming_language), and (https://en.wikipedia.org/wiki/Rust_(film))."_s,
            {u"https://en.wikipedia.org/wiki/Python_(programming_language)"_s, u"https://en.wikipedia.org/wiki/Rust_(film)"_s});
        row("angle brackets", u"<https://example.com/a?b=c>"_s, {u"https://example.com/a?b=c"_s});
        row("markdown", u"Watch [the clip](https://example.com/clip?t=30) now"_s, {u"https://example.com/clip?t=30"_s});
        row("markdown with the link as text", u"[https://example.com/a](https://example.com/a)"_s, {u"https://example.com/a"_s});
        row("bold markdown", u"**https://example.com/a**"_s, {u"https://example.com/a"_s});
        row("glued by punctuation", u"links:https://a.example/1,https://b.example/2;https://c.example/3"_s,
            {u"https://a.example/1"_s, u"https://b.example/2"_s, u"https://c.example/3"_s});
        row("comma inside an address", u"https://example.com/a,b?x=1,2"_s, {u"https://example.com/a,b?x=1,2"_s});
        row("link inside a query", u"https://r.example/go?to=https://example.com/v"_s, {u"https://r.example/go?to=https://example.com/v"_s});
        row("several lines", u"first https://a.example/1\nsecond\thttps://b.example/2\r\nhttps://c.example/3"_s,
            {u"https://a.example/1"_s, u"https://b.example/2"_s, u"https://c.example/3"_s});
        row("quotes", u"He said \"https://a.example/x\" and ‘https://b.example/y’ «https://c.example/z»"_s,
            {u"https://a.example/x"_s, u"https://b.example/y"_s, u"https://c.example/z"_s});
        row("full-width punctuation", u"看这个https://a.example/v。很好（https://b.example/w）"_s,
            {u"https://a.example/v"_s, u"https://b.example/w"_s});
        row("ellipsis", u"https://example.com/a…"_s, {u"https://example.com/a"_s});
        row("same link twice, first position kept", u"https://b.example/ then https://a.example/ and https://b.example/ again"_s,
            {u"https://b.example/"_s, u"https://a.example/"_s});
        row("capital scheme is the same link", u"https://example.com/v HTTPS://EXAMPLE.com/v"_s, {u"https://example.com/v"_s});
        row("capital path is another link", u"https://example.com/v https://example.com/V"_s,
            {u"https://example.com/v"_s, u"https://example.com/V"_s});
        row("other schemes ignored", u"ftp://example.com/f mailto:a@b.c file:///etc/passwd javascript:alert(1)"_s, {});
        row("no host", u"https:// http://. https://?x"_s, {});
        row("non-ASCII path encoded", u"https://de.wikipedia.org/wiki/Köln."_s, {u"https://de.wikipedia.org/wiki/K%C3%B6ln"_s});
        row("IPv6 host and port", u"(http://[::1]:8080/a)"_s, {u"http://[::1]:8080/a"_s});
    }

    void extractURLs()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, links);
        QCOMPARE(::extractURLs(text), links);
    }

    // What someone types without a scheme is taken as an address only where it plainly is one.
    void schemelessAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("links");
        const auto row = [](const char *name, const QString &text, const QStringList &links) { QTest::newRow(name) << text << links; };

        row("host, port and path", u"127.0.0.1:8765/watch/small.html"_s, {u"https://127.0.0.1:8765/watch/small.html"_s});
        row("www without a path", u"www.example.org"_s, {u"https://www.example.org"_s});
        row("name with a path, full stop after", u"vimeo.com/76979871."_s, {u"https://vimeo.com/76979871"_s});
        row("several on lines", u"example.com/a\nwww.example.org/b"_s, {u"https://example.com/a"_s, u"https://www.example.org/b"_s});
        row("words", u"hello world"_s, {});
        row("a name alone is no address", u"notes.txt example.com"_s, {});
        row("a version and a fraction", u"version 1.2/3 and 3/4"_s, {});
        row("a file name with a path", u"clip.mp4/x"_s, {});
        row("bad port", u"example.com:http/a"_s, {});
        row("text with a real link is left to it", u"https://a.example/v and www.b.example"_s, {});
    }

    void schemelessAddresses()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, links);
        QCOMPARE(::schemelessAddresses(text), links);
    }

    void linkFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file, a folder in its place
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<bool>("readable");

        QTest::newRow("links among words, each once")
            << QByteArray("Watch https://example.org/a, then\r\nhttps://example.org/b\n\nhttps://example.org/a\n")
            << QStringList{u"https://example.org/a"_s, u"https://example.org/b"_s} << true;
        QTest::newRow("addresses without a scheme, as when pasted")
            << QByteArray("www.example.org/watch\n") << QStringList{u"https://www.example.org/watch"_s} << true;
        QTest::newRow("no link") << QByteArray("v1.2/notes") << QStringList() << true;
        QTest::newRow("not a file") << QByteArray() << QStringList() << false;
        QTest::newRow("too large for a list") << QByteArray(kLinkFileLimit + 1, 'a') << QStringList() << false;
    }

    void linkFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, links);
        QFETCH(bool, readable);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"links.txt"_s);
        if (content.isEmpty()) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        const LinkFile read = readLinkFile(path);
        QCOMPARE(read.links, links);
        QCOMPARE(read.problem.has_value(), !readable);
        if (read.problem)
            QVERIFY(read.problem->contains(u"links.txt"_s));
    }

    void schemeURL_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<SchemeRequest>("expected");
        const auto row = [](const char *name, const QString &raw, const QString &text, std::optional<Quality> quality = std::nullopt,
                            bool playlist = false, bool structured = true) {
            QTest::newRow(name) << raw << SchemeRequest{text, quality, playlist, structured};
        };
        const auto loose = [&row](const char *name, const QString &raw, const QString &text) { row(name, raw, text, {}, false, false); };

        row("structured", u"vireloom://download?url=https%3A%2F%2Fwww.youtube.com%2Fwatch%3Fv%3Dabc%26t%3D10&quality=mp3"_s,
            u"https://www.youtube.com/watch?v=abc&t=10"_s, Quality::mp3);
        row("playlist 1", u"vireloom://download?url=https%3A%2F%2Fx.example%2Fl&playlist=1"_s, u"https://x.example/l"_s, {}, true);
        row("playlist true is not 1", u"vireloom://download?url=https%3A%2F%2Fx.example%2Fl&playlist=true"_s, u"https://x.example/l"_s);
        row("unknown quality", u"vireloom://download?quality=720&url=https://x.example/v"_s, u"https://x.example/v"_s);
        row("first url item wins", u"vireloom://download?url=https://a.example/1&url=https://b.example/2&quality=p480&quality=mp3"_s,
            u"https://a.example/1"_s, Quality::p480);
        row("plus stays plus", u"vireloom://download?url=https://x.example/search?q=a+b%2Bc"_s, u"https://x.example/search?q=a+b+c"_s);
        row("any host and path", u"vireloom://fetch/now?url=https%3A%2F%2Fx.example%2Fv"_s, u"https://x.example/v"_s);
        row("empty url value", u"vireloom://download?url=&quality=mp3"_s, QString(), Quality::mp3);
        loose("no query: loose form", u"vireloom://https://x.example/v?a=1"_s, u"https://x.example/v?a=1"_s);
        loose("colon and encoded link", u"vireloom:https%3A%2F%2Fx.example%2Fv"_s, u"https://x.example/v"_s);
        loose("url item without value", u"vireloom://download?url&quality=mp3"_s, u"download?url&quality=mp3"_s);
        loose("malformed escape kept undecoded", u"vireloom://https://x.example/100%/v"_s, u"https://x.example/100%/v"_s);
        loose("blanks make it loose", u"vireloom://download?url=https://x.example/v and more"_s,
              u"download?url=https://x.example/v and more"_s);
        loose("shorter than the scheme", u"vire"_s, QString());
    }

    void schemeURL()
    {
        QFETCH(QString, raw);
        QFETCH(SchemeRequest, expected);
        QCOMPARE(parseSchemeURL(raw), expected);
    }

    void localNetworkHosts_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("local");
        for (const char *host : {"127.0.0.1",
                                 "127.8.9.10",
                                 "localhost",
                                 "LOCALHOST.",
                                 "api.localhost",
                                 "10.1.2.3",
                                 "172.16.0.1",
                                 "172.31.255.254",
                                 "192.168.1.1",
                                 "169.254.169.254",
                                 "100.64.0.1",
                                 "100.65.0.1",
                                 "100.127.255.254",
                                 "0.0.0.0",
                                 "255.255.255.255",
                                 "[::1]",
                                 "::1",
                                 "[::]",
                                 "[fe80::1]",
                                 "[fd00::1]",
                                 "[fec0::1]",
                                 "[::ffff:192.168.0.1]",
                                 "127.1",
                                 "0x7f.1",
                                 "2130706433",
                                 "router",
                                 "nas.local",
                                 "printer.lan",
                                 "box.home.arpa",
                                 "db.internal",
                                 ""})
            QTest::newRow(host) << QString::fromLatin1(host) << true;
        for (const char *host : {"example.com", "8.8.8.8", "172.32.0.1", "172.15.255.255", "192.169.0.1", "100.63.255.255", "100.128.0.1",
                                 "[2001:4860:4860::8888]", "[::ffff:8.8.8.8]", "local.example.com", "localhost.example.com", "fake.invalid"})
            QTest::newRow(host) << QString::fromLatin1(host) << false;
    }

    void localNetworkHosts()
    {
        QFETCH(QString, host);
        QFETCH(bool, local);
        QCOMPARE(isLocalNetworkHost(host), local);
    }

    void percentDecoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<QString>>("decoded");
        QTest::newRow("escapes in either case") << u"a%2Fb%3a"_s << std::optional(u"a/b:"_s);
        QTest::newRow("UTF-8") << u"K%C3%B6ln"_s << std::optional(u"Köln"_s);
        QTest::newRow("short escape") << u"a%2"_s << std::optional<QString>();
        QTest::newRow("bad hex") << u"%zz"_s << std::optional<QString>();
        QTest::newRow("bytes that are not UTF-8") << u"%C3%28"_s << std::optional<QString>();
    }

    void percentDecoding()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<QString>, decoded);
        QCOMPARE(percentDecoded(text), decoded);
    }

    void clipboardOffers()
    {
        FakeClipboard clipboard;
        ClipboardSuggestion suggestion;
        QStringList listed;
        const auto copied = [&](const std::optional<QString> &text) {
            clipboard.copy(text);
            return suggestion.check(clipboard, [&listed](const QString &link) { return listed.contains(link); });
        };

        // The first look always reads; without a change there is no new look.
        QVERIFY(copied(u"watch https://a.example/1 and https://a.example/2"_s));
        QCOMPARE(suggestion.offer(), u"https://a.example/1"_s);
        QVERIFY(!suggestion.check(clipboard, [](const QString &) { return false; }));
        QCOMPARE(clipboard.reads, 1);
        QCOMPARE(suggestion.offer(), u"https://a.example/1"_s);

        // Ignored links are never offered again, even when copied anew.
        QVERIFY(suggestion.dismiss());
        QCOMPARE(suggestion.offer(), std::nullopt);
        QVERIFY(!copied(u"https://a.example/1"_s));

        // Text without links, then no text, then a link: the last change is offered.
        QVERIFY(!copied(u"no links here"_s));
        QVERIFY(!copied(std::nullopt));
        QVERIFY(copied(u"https://b.example/x"_s));
        QCOMPARE(suggestion.offer(), u"https://b.example/x"_s);

        // Adding the offered link by any path withdraws the offer.
        QVERIFY(suggestion.noteAdded(u"https://b.example/x"_s));
        QCOMPARE(suggestion.offer(), std::nullopt);
        QVERIFY(!suggestion.noteAdded(u"https://c.example/"_s));

        // A link already in the download list is not offered; a newer link replaces an offer.
        listed << u"https://d.example/"_s;
        QVERIFY(!copied(u"https://d.example/"_s));
        QVERIFY(copied(u"https://e.example/"_s));
        QVERIFY(copied(u"https://f.example/"_s));
        QCOMPARE(suggestion.offer(), u"https://f.example/"_s);
        // A link added before it was ever copied is not offered either.
        QVERIFY(!suggestion.noteAdded(u"https://c.example/"_s));
        QVERIFY(!copied(u"https://c.example/"_s));
        QCOMPARE(suggestion.offer(), u"https://f.example/"_s);
    }
};

QTEST_APPLESS_MAIN(TestIntake)
#include "tst_intake.moc"
