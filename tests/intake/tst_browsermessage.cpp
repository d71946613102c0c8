#include "intake/browsermessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using BrowserMessage::Code;

namespace {

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject linkMessage(const QJsonValue &url, const QJsonObject &more = {})
{
    QJsonObject object{{u"kind"_s, u"download"_s}, {u"url"_s, url}};
    for (auto it = more.begin(); it != more.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QJsonObject cookie(const QJsonObject &more = {})
{
    QJsonObject object{{u"name"_s, u"session"_s}, {u"value"_s, u"s3cr3t"_s}, {u"domain"_s, u".example.com"_s}, {u"path"_s, u"/"_s}};
    for (auto it = more.begin(); it != more.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QJsonObject withCookies(const QJsonArray &cookies)
{
    return linkMessage(u"https://example.com/watch?v=1"_s, {{u"cookies"_s, cookies}});
}

std::optional<Code> refusalOf(const QByteArray &message)
{
    const auto read = BrowserMessage::read(message);
    if (const auto *refusal = std::get_if<BrowserMessage::Refusal>(&read))
        return refusal->code;
    return std::nullopt;
}

std::optional<BrowserMessage::Download> downloadOf(const QByteArray &message)
{
    const auto read = BrowserMessage::read(message);
    const auto *request = std::get_if<BrowserMessage::Request>(&read);
    const auto *download = request ? std::get_if<BrowserMessage::Download>(request) : nullptr;
    return download ? std::optional(*download) : std::nullopt;
}

} // namespace

class TestBrowserMessage : public QObject
{
    Q_OBJECT

private slots:
    // Everything a hostile page or program could put in a message is refused, each with
    // the code the extension shows it by.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("code");
        const auto row = [](const char *name, const QByteArray &message, Code code) { QTest::newRow(name) << message << int(code); };

        row("empty", "", Code::notJson);
        row("not json", "{\"kind\": \"download\", ", Code::notJson);
        row("an array", "[\"https://example.com/\"]", Code::notJson);
        row("a bare string", "\"https://example.com/\"", Code::notJson);
        row("over the size limit", "{\"kind\":\"hello\",\"pad\":\"" + QByteArray(BrowserMessage::kMaxBytes, 'a') + "\"}", Code::tooLarge);
        row("no kind", json({{u"url"_s, u"https://example.com/"_s}}), Code::unknownKind);
        row("unknown kind", json({{u"kind"_s, u"upload"_s}, {u"url"_s, u"https://example.com/"_s}}), Code::unknownKind);
        row("kind of the wrong type", json({{u"kind"_s, 1}}), Code::badField);
        row("no url", json({{u"kind"_s, u"download"_s}}), Code::badField);
        row("url a number", json(linkMessage(5)), Code::badField);
        row("url null", json(linkMessage(QJsonValue::Null)), Code::badField);
        row("url a list", json(linkMessage(QJsonArray{u"https://a.example/"_s, u"https://b.example/"_s})), Code::badField);
        row("playlist a string", json(linkMessage(u"https://example.com/"_s, {{u"playlist"_s, u"yes"_s}})), Code::badField);
        row("quality a number", json(linkMessage(u"https://example.com/"_s, {{u"quality"_s, 720}})), Code::badField);
        row("page an object", json(linkMessage(u"https://example.com/"_s, {{u"page"_s, QJsonObject{}}})), Code::badField);
        row("cookies a string", json(linkMessage(u"https://example.com/"_s, {{u"cookies"_s, u"session=1"_s}})), Code::badField);

        row("file link", json(linkMessage(u"file:///etc/passwd"_s)), Code::badLink);
        row("javascript link", json(linkMessage(u"javascript:alert(document.cookie)"_s)), Code::badLink);
        row("data link", json(linkMessage(u"data:text/html,<b>x</b>"_s)), Code::badLink);
        row("ftp link", json(linkMessage(u"ftp://example.com/a.mp4"_s)), Code::badLink);
        row("vireloom address", json(linkMessage(u"vireloom://download?url=https%3A%2F%2Fexample.com%2F"_s)), Code::badLink);
        row("two links with a space", json(linkMessage(u"https://a.example/1 https://b.example/2"_s)), Code::badLink);
        row("two links glued by a comma", json(linkMessage(u"https://a.example/1,https://b.example/2"_s)), Code::badLink);
        row("two links on two lines", json(linkMessage(u"https://a.example/1\nhttps://b.example/2"_s)), Code::badLink);
        row("leading dash", json(linkMessage(u"-https://example.com/"_s)), Code::badLink);
        row("an option", json(linkMessage(u"--exec=touch /tmp/x"_s)), Code::badLink);
        row("leading blank", json(linkMessage(u" https://example.com/"_s)), Code::badLink);
        row("no host", json(linkMessage(u"https:///path"_s)), Code::badLink);
        row("empty", json(linkMessage(u""_s)), Code::badLink);
        row("text with a link in it", json(linkMessage(u"see https://example.com/"_s)), Code::badLink);

        QJsonArray tooMany;
        for (int i = 0; i <= BrowserMessage::kMaxCookies; ++i)
            tooMany.append(cookie({{u"name"_s, u"c%1"_s.arg(i)}}));
        row("more cookies than allowed", json(withCookies(tooMany)), Code::badCookie);
        row("cookie not an object", json(withCookies({u"session=1"_s})), Code::badCookie);
        row("cookie without a value", json(withCookies({QJsonObject{{u"name"_s, u"a"_s}, {u"domain"_s, u"example.com"_s}}})),
            Code::badCookie);
        row("cookie name a number", json(withCookies({cookie({{u"name"_s, 1}})})), Code::badCookie);
        row("tab in a value", json(withCookies({cookie({{u"value"_s, u"a\tb"_s}})})), Code::badCookie);
        row("line break in a value", json(withCookies({cookie({{u"value"_s, u"a\n.evil.example\tTRUE\t/\tFALSE\t0\tx\ty"_s}})})),
            Code::badCookie);
        row("line break in a name", json(withCookies({cookie({{u"name"_s, u"a\r\nb"_s}})})), Code::badCookie);
        row("domain that comments the line out", json(withCookies({cookie({{u"domain"_s, u"#HttpOnly_.example.com"_s}})})), Code::badCookie);
        row("domain with a blank", json(withCookies({cookie({{u"domain"_s, u"example.com evil"_s}})})), Code::badCookie);
        row("empty domain", json(withCookies({cookie({{u"domain"_s, u""_s}})})), Code::badCookie);
        row("path not from the root", json(withCookies({cookie({{u"path"_s, u"watch"_s}})})), Code::badCookie);
        row("secure a string", json(withCookies({cookie({{u"secure"_s, u"true"_s}})})), Code::badCookie);
        row("expiry a string", json(withCookies({cookie({{u"expirationDate"_s, u"tomorrow"_s}})})), Code::badCookie);
        row("expiry before the epoch", json(withCookies({cookie({{u"expirationDate"_s, -5}})})), Code::badCookie);
    }

    void refused()
    {
        QFETCH(QByteArray, message);
        QFETCH(int, code);
        QCOMPARE(refusalOf(message), Code(code));
        // Every refusal says why, in words.
        const auto read = BrowserMessage::read(message);
        QVERIFY(!std::get<BrowserMessage::Refusal>(read).reason.isEmpty());
    }

    void hello()
    {
        const auto read = BrowserMessage::read(R"({"kind":"hello","from":"options page"})");
        const auto *request = std::get_if<BrowserMessage::Request>(&read);
        QVERIFY(request && std::holds_alternative<BrowserMessage::Hello>(*request));
        // A message of exactly the size allowed is read.
        const QByteArray frame = R"({"kind":"hello","pad":""})";
        const QByteArray largest = QByteArray(frame).insert(frame.size() - 2, QByteArray(BrowserMessage::kMaxBytes - frame.size(), 'a'));
        QCOMPARE(largest.size(), BrowserMessage::kMaxBytes);
        QCOMPARE(refusalOf(largest), std::nullopt);
    }

    void download_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<bool>("playlist");
        const auto row = [](const char *name, const QJsonObject &message, const QString &url, const QString &page, const QString &quality,
                            bool playlist) { QTest::newRow(name) << json(message) << url << page << quality << playlist; };

        row("the link alone", linkMessage(u"https://example.com/watch?v=1"_s), u"https://example.com/watch?v=1"_s, {}, {}, false);
        row("every field",
            linkMessage(u"https://example.com/list"_s,
                        {{u"page"_s, u"https://example.com/"_s}, {u"quality"_s, u"mp3"_s}, {u"playlist"_s, true}}),
            u"https://example.com/list"_s, u"https://example.com/"_s, u"mp3"_s, true);
        row("fields nobody knows", linkMessage(u"https://example.com/a"_s, {{u"tabId"_s, 12}, {u"menu"_s, QJsonObject{{u"x"_s, 1}}}}),
            u"https://example.com/a"_s, {}, {}, false);
        row("null for what is optional",
            linkMessage(u"https://example.com/a"_s, {{u"page"_s, QJsonValue::Null}, {u"cookies"_s, QJsonValue::Null}}),
            u"https://example.com/a"_s, {}, {}, false);
        // A newer companion's preset is not a reason to refuse the link.
        row("a preset nobody knows", linkMessage(u"https://example.com/a"_s, {{u"quality"_s, u"p4320"_s}}), u"https://example.com/a"_s, {},
            {}, false);
        row("a page that is no web page", linkMessage(u"https://example.com/a.mp4"_s, {{u"page"_s, u"file:///home/me/page.html"_s}}),
            u"https://example.com/a.mp4"_s, {}, {}, false);
        row("capital scheme, given as the program writes it", linkMessage(u"HTTPS://Example.com/V"_s), u"https://example.com/V"_s, {}, {},
            false);
        row("an address on this machine", linkMessage(u"http://127.0.0.1:8080/clip.mp4"_s), u"http://127.0.0.1:8080/clip.mp4"_s, {}, {},
            false);
    }

    void download()
    {
        QFETCH(QByteArray, message);
        const auto read = downloadOf(message);
        QVERIFY(read);
        QTEST(read->url, "url");
        QTEST(read->page, "page");
        QTEST(read->quality ? read->quality->id() : QString(), "quality");
        QTEST(read->playlist, "playlist");
    }

    void cookies()
    {
        const QJsonArray cookies{
            cookie({{u"secure"_s, true}, {u"httpOnly"_s, true}, {u"expirationDate"_s, 1893456000.75}, {u"sameSite"_s, u"lax"_s}}),
            cookie({{u"name"_s, u"pref"_s}, {u"value"_s, u"a=b; c"_s}, {u"domain"_s, u"www.example.com"_s}, {u"hostOnly"_s, true}}),
            QJsonObject{{u"name"_s, u"bare"_s}, {u"value"_s, u""_s}, {u"domain"_s, u"example.com"_s}},
            // Later than any date the cookies file is read with.
            cookie({{u"name"_s, u"far"_s}, {u"expirationDate"_s, 1e300}}),
        };
        const auto read = downloadOf(json(withCookies(cookies)));
        QVERIFY(read);
        QCOMPARE(read->cookies.size(), 4);
        const BrowserCookie &first = read->cookies[0];
        QCOMPARE(first.name, u"session"_s);
        QCOMPARE(first.value, u"s3cr3t"_s);
        QCOMPARE(first.domain, u".example.com"_s);
        QVERIFY(first.secure && first.httpOnly && !first.hostOnly);
        QCOMPARE(first.expires, std::optional<qint64>(1893456000));
        const BrowserCookie &second = read->cookies[1];
        QCOMPARE(second.value, u"a=b; c"_s);
        QVERIFY(second.hostOnly && !second.secure);
        QCOMPARE(second.expires, std::nullopt);
        QCOMPARE(read->cookies[2].path, u"/"_s);
        QVERIFY(*read->cookies[3].expires < 100'000'000'000);
        // As many as allowed are all taken.
        QJsonArray most;
        for (int i = 0; i < BrowserMessage::kMaxCookies; ++i)
            most.append(cookie({{u"name"_s, u"c%1"_s.arg(i)}}));
        QCOMPARE(downloadOf(json(withCookies(most))).value_or(BrowserMessage::Download()).cookies.size(), BrowserMessage::kMaxCookies);
    }

    // What the host hands the running instance reads back as the same download.
    void handoff()
    {
        BrowserMessage::Download sent{u"https://example.com/v?id=1&t=2"_s, u"https://example.com/"_s, Quality::p720, true, {}};
        sent.cookies.append({u"session"_s, u"va\"lue\\ with \u00e9"_s, u".example.com"_s, u"/"_s, true, true, false, 1893456000});
        sent.cookies.append({u"id"_s, u""_s, u"example.com"_s, u"/watch"_s, false, false, true, std::nullopt});
        const QString argument = BrowserMessage::handoffArgument(sent);
        QVERIFY(BrowserMessage::isHandoffArgument(argument));
        QCOMPARE(BrowserMessage::fromHandoff(argument), sent);

        // An argument of that form holding anything the host would refuse is no download.
        QVERIFY(!BrowserMessage::fromHandoff(u"--browser-link={\"kind\":\"download\",\"url\":\"file:///etc/passwd\"}"_s));
        QVERIFY(!BrowserMessage::fromHandoff(u"--browser-link={\"kind\":\"hello\"}"_s));
        QVERIFY(!BrowserMessage::fromHandoff(u"--browser-link=not json"_s));
        QVERIFY(!BrowserMessage::fromHandoff(u"https://example.com/"_s));
    }

    void answers()
    {
        const auto answer = [](const QByteArray &text) { return QJsonDocument::fromJson(text).object(); };
        QCOMPARE(answer(BrowserMessage::takenAnswer()), (QJsonObject{{u"taken"_s, true}}));
        const QJsonObject refused = answer(BrowserMessage::refusedAnswer(BrowserMessage::refusal(Code::badLink)));
        QCOMPARE(refused.value(u"taken"_s), false);
        QCOMPARE(refused.value(u"code"_s), u"bad-link"_s);
        QCOMPARE(refused.value(u"reason"_s), u"Vireloom downloads one http or https link at a time, and this is not one."_s);
        QCOMPARE(answer(BrowserMessage::helloAnswer(u"1.2.3"_s, true)),
                 (QJsonObject{{u"ok"_s, true}, {u"version"_s, u"1.2.3"_s}, {u"running"_s, true}}));

        const QByteArray framed = BrowserMessage::framed("{}");
        QCOMPARE(framed.size(), 6);
        quint32 length = 0;
        memcpy(&length, framed.constData(), sizeof length);
        QCOMPARE(length, 2u);
        QCOMPARE(framed.sliced(4), "{}");
    }
};

QTEST_APPLESS_MAIN(TestBrowserMessage)
#include "tst_browsermessage.moc"
