#include "intake/clipboard.h"
#include "intake/clipboardsuggestion.h"
#include "intake/linkextraction.h"
#include "intake/urlscheme.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestIntake : public QObject
{
    Q_OBJECT

private slots:
    void extractURLs_data();
    void extractURLs();
    void schemeURL_data();
    void schemeURL();
    void percentDecoding_data();
    void percentDecoding();
    void clipboardOffers();
};

namespace {

class FakeClipboard : public Clipboard
{
public:
    qint64 changeCount() const override { return m_count; }
    std::optional<QString> text() const override
    {
        ++reads;
        return m_text;
    }
    void copy(const std::optional<QString> &text)
    {
        m_text = text;
        ++m_count;
    }
    mutable int reads = 0;

private:
    qint64 m_count = 0;
    std::optional<QString> m_text;
};

} // namespace

void TestIntake::extractURLs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("links");

    QTest::newRow("bare link") << u"https://www.youtube.com/watch?v=dQw4w9WgXcQ"_s
                               << QStringList{u"https://www.youtube.com/watch?v=dQw4w9WgXcQ"_s};
    QTest::newRow("end of a sentence") << u"Look at this: https://vimeo.com/76979871."_s << QStringList{u"https://vimeo.com/76979871"_s};
    QTest::newRow("question and exclamation") << u"Seen https://x.com/a/status/1?? Or http://b.example/c!"_s
                                              << QStringList{u"https://x.com/a/status/1"_s, u"http://b.example/c"_s};
    QTest::newRow("in parentheses") << u"(see https://example.com/v/1)"_s << QStringList{u"https://example.com/v/1"_s};
    QTest::newRow("wiki address keeps its brackets")
        << u"More at https://en.wikipedia.org/wiki/Python_(programming_language), and (https://en.wikipedia.org/wiki/Rust_(film))."_s
        << QStringList{u"https://en.wikipedia.org/wiki/Python_(programming_language)"_s, u"https://en.wikipedia.org/wiki/Rust_(film)"_s};
    QTest::newRow("angle brackets") << u"<https://example.com/a?b=c>"_s << QStringList{u"https://example.com/a?b=c"_s};
    QTest::newRow("markdown") << u"Watch [the clip](https://example.com/clip?t=30) now"_s
                              << QStringList{u"https://example.com/clip?t=30"_s};
    QTest::newRow("markdown with the link as text") << u"[https://example.com/a](https://example.com/a)"_s
                                                    << QStringList{u"https://example.com/a"_s};
    QTest::newRow("glued by punctuation") << u"links:https://a.example/1,https://b.example/2;https://c.example/3"_s
                                          << QStringList{u"https://a.example/1"_s, u"https://b.example/2"_s, u"https://c.example/3"_s};
    QTest::newRow("comma inside an address") << u"https://example.com/a,b?x=1,2"_s << QStringList{u"https://example.com/a,b?x=1,2"_s};
    QTest::newRow("link inside a query") << u"https://r.example/go?to=https://example.com/v"_s
                                         << QStringList{u"https://r.example/go?to=https://example.com/v"_s};
    QTest::newRow("several lines") << u"first https://a.example/1\nsecond\thttps://b.example/2\r\nhttps://c.example/3"_s
                                   << QStringList{u"https://a.example/1"_s, u"https://b.example/2"_s, u"https://c.example/3"_s};
    QTest::newRow("quotes") << u"He said \"https://a.example/x\" and ‘https://b.example/y’ «https://c.example/z»"_s
                            << QStringList{u"https://a.example/x"_s, u"https://b.example/y"_s, u"https://c.example/z"_s};
    QTest::newRow("full-width punctuation") << u"看这个https://a.example/v。很好（https://b.example/w）"_s
                                            << QStringList{u"https://a.example/v"_s, u"https://b.example/w"_s};
    QTest::newRow("same link twice, first position kept")
        << u"https://b.example/ then https://a.example/ and https://b.example/ again"_s
        << QStringList{u"https://b.example/"_s, u"https://a.example/"_s};
    QTest::newRow("capital scheme is the same link") << u"https://example.com/v HTTPS://EXAMPLE.com/v"_s
                                                     << QStringList{u"https://example.com/v"_s};
    QTest::newRow("capital path is another link") << u"https://example.com/v https://example.com/V"_s
                                                  << QStringList{u"https://example.com/v"_s, u"https://example.com/V"_s};
    QTest::newRow("other schemes ignored") << u"ftp://example.com/f mailto:a@b.c file:///etc/passwd javascript:alert(1)"_s
                                           << QStringList();
    QTest::newRow("no host") << u"https:// http://. https://?x"_s << QStringList();
    QTest::newRow("no link at all") << u"just words, http and https"_s << QStringList();
    QTest::newRow("non-ASCII path encoded") << u"https://de.wikipedia.org/wiki/Köln."_s
                                            << QStringList{u"https://de.wikipedia.org/wiki/K%C3%B6ln"_s};
    QTest::newRow("port and address") << u"http://127.0.0.1:8080/clip.mp4"_s << QStringList{u"http://127.0.0.1:8080/clip.mp4"_s};
    QTest::newRow("IPv6 host") << u"(http://[::1]:8080/a)"_s << QStringList{u"http://[::1]:8080/a"_s};
    QTest::newRow("bold markdown") << u"**https://example.com/a**"_s << QStringList{u"https://example.com/a"_s};
    QTest::newRow("ellipsis") << u"https://example.com/a…"_s << QStringList{u"https://example.com/a"_s};
}

void TestIntake::extractURLs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, links);
    QCOMPARE(::extractURLs(text), links);
}

Q_DECLARE_METATYPE(SchemeRequest)

namespace {
SchemeRequest request(const QString &text, std::optional<Quality> quality = std::nullopt, bool playlist = false,
                      bool structured = true)
{
    return {text, quality, playlist, structured};
}
} // namespace

char *toString(const SchemeRequest &r)
{
    return qstrdup(QStringLiteral("text=%1 quality=%2 playlist=%3 structured=%4")
                       .arg(r.text, r.quality ? r.quality->id() : u"none"_s)
                       .arg(r.playlist)
                       .arg(r.structured)
                       .toUtf8());
}

void TestIntake::schemeURL_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<SchemeRequest>("expected");

    QTest::newRow("structured")
        << u"vireloom://download?url=https%3A%2F%2Fwww.youtube.com%2Fwatch%3Fv%3Dabc%26t%3D10&quality=mp3"_s
        << request(u"https://www.youtube.com/watch?v=abc&t=10"_s, Quality::mp3);
    QTest::newRow("playlist 1") << u"vireloom://download?url=https%3A%2F%2Fx.example%2Fl&playlist=1"_s
                                << request(u"https://x.example/l"_s, std::nullopt, true);
    QTest::newRow("playlist true is not 1") << u"vireloom://download?url=https%3A%2F%2Fx.example%2Fl&playlist=true"_s
                                            << request(u"https://x.example/l"_s);
    QTest::newRow("unknown quality") << u"vireloom://download?quality=720&url=https://x.example/v"_s
                                     << request(u"https://x.example/v"_s);
    QTest::newRow("first url item wins") << u"vireloom://download?url=https://a.example/1&url=https://b.example/2&quality=p480&quality=mp3"_s
                                         << request(u"https://a.example/1"_s, Quality::p480);
    QTest::newRow("plus stays plus") << u"vireloom://download?url=https://x.example/search?q=a+b%2Bc"_s
                                     << request(u"https://x.example/search?q=a+b+c"_s);
    QTest::newRow("any host and path") << u"vireloom://fetch/now?url=https%3A%2F%2Fx.example%2Fv"_s
                                       << request(u"https://x.example/v"_s);
    QTest::newRow("empty url value") << u"vireloom://download?url=&quality=mp3"_s << request(QString(), Quality::mp3);
    QTest::newRow("no query: loose form") << u"vireloom://https://x.example/v?a=1"_s
                                          << request(u"https://x.example/v?a=1"_s, std::nullopt, false, false);
    QTest::newRow("colon and encoded link") << u"vireloom:https%3A%2F%2Fx.example%2Fv"_s
                                            << request(u"https://x.example/v"_s, std::nullopt, false, false);
    QTest::newRow("url item without value") << u"vireloom://download?url&quality=mp3"_s
                                            << request(u"download?url&quality=mp3"_s, std::nullopt, false, false);
    QTest::newRow("malformed escape kept undecoded") << u"vireloom://https://x.example/100%/v"_s
                                                     << request(u"https://x.example/100%/v"_s, std::nullopt, false, false);
    QTest::newRow("blanks make it loose") << u"vireloom://download?url=https://x.example/v and more"_s
                                          << request(u"download?url=https://x.example/v and more"_s, std::nullopt, false, false);
    QTest::newRow("shorter than the scheme") << u"vire"_s << request(QString(), std::nullopt, false, false);
}

void TestIntake::schemeURL()
{
    QFETCH(QString, raw);
    QFETCH(SchemeRequest, expected);
    QCOMPARE(parseSchemeURL(raw), expected);
}

void TestIntake::percentDecoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("decoded");
    QTest::newRow("plain") << u"abc"_s << std::optional(u"abc"_s);
    QTest::newRow("escapes") << u"a%2Fb%3a"_s << std::optional(u"a/b:"_s);
    QTest::newRow("UTF-8") << u"K%C3%B6ln"_s << std::optional(u"Köln"_s);
    QTest::newRow("plus") << u"a+b"_s << std::optional(u"a+b"_s);
    QTest::newRow("short escape") << u"a%2"_s << std::optional<QString>();
    QTest::newRow("bad hex") << u"%zz"_s << std::optional<QString>();
    QTest::newRow("bytes that are not UTF-8") << u"%C3%28"_s << std::optional<QString>();
}

void TestIntake::percentDecoding()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, decoded);
    QCOMPARE(percentDecoded(text), decoded);
}

void TestIntake::clipboardOffers()
{
    FakeClipboard clipboard;
    ClipboardSuggestion suggestion;
    QStringList listed;
    const auto isListed = [&listed](const QString &link) { return listed.contains(link); };

    // The first look always reads, even before any change.
    clipboard.copy(u"watch https://a.example/1 and https://a.example/2"_s);
    QVERIFY(suggestion.check(clipboard, isListed));
    QCOMPARE(suggestion.offer(), u"https://a.example/1"_s);
    // No change, no new look.
    QVERIFY(!suggestion.check(clipboard, isListed));
    QCOMPARE(clipboard.reads, 1);
    QCOMPARE(suggestion.offer(), u"https://a.example/1"_s);

    // Ignored links are never offered again, even when copied anew.
    QVERIFY(suggestion.dismiss());
    QCOMPARE(suggestion.offer(), std::nullopt);
    clipboard.copy(u"https://a.example/1"_s);
    QVERIFY(!suggestion.check(clipboard, isListed));

    // Text without links, then a link: the second change is offered.
    clipboard.copy(u"no links here"_s);
    QVERIFY(!suggestion.check(clipboard, isListed));
    clipboard.copy(std::nullopt);
    QVERIFY(!suggestion.check(clipboard, isListed));
    clipboard.copy(u"https://b.example/x"_s);
    QVERIFY(suggestion.check(clipboard, isListed));
    QCOMPARE(suggestion.offer(), u"https://b.example/x"_s);

    // Adding the offered link by any path withdraws the offer.
    QVERIFY(suggestion.noteAdded(u"https://b.example/x"_s));
    QCOMPARE(suggestion.offer(), std::nullopt);
    QVERIFY(!suggestion.noteAdded(u"https://c.example/"_s));

    // A link already in the download list is not offered; a newer link replaces an offer.
    listed << u"https://d.example/"_s;
    clipboard.copy(u"https://d.example/"_s);
    QVERIFY(!suggestion.check(clipboard, isListed));
    clipboard.copy(u"https://e.example/"_s);
    QVERIFY(suggestion.check(clipboard, isListed));
    clipboard.copy(u"https://f.example/"_s);
    QVERIFY(suggestion.check(clipboard, isListed));
    QCOMPARE(suggestion.offer(), u"https://f.example/"_s);
    QVERIFY(!suggestion.noteAdded(u"https://c.example/"_s));
    clipboard.copy(u"https://c.example/"_s);
    QVERIFY(!suggestion.check(clipboard, isListed));
    QCOMPARE(suggestion.offer(), u"https://f.example/"_s);
}

QTEST_APPLESS_MAIN(TestIntake)
#include "tst_intake.moc"
