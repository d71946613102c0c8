#include "model/mediainfo.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMediaInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void notAnObject_data();
    void notAnObject();
    void bestThumb_data();
    void bestThumb();
    void capturedProbes();
};

Q_DECLARE_METATYPE(MediaInfo)

namespace {

MediaInfo info(std::function<void(MediaInfo &)> fill)
{
    MediaInfo result;
    fill(result);
    return result;
}

} // namespace

// Found by QCOMPARE through argument-dependent lookup, so beside MediaInfo.
char *toString(const MediaInfo &m)
{
    return qstrdup(QStringLiteral("title=%1 thumb=%2 duration=%3 uploader=%4 site=%5 playlist=%6 count=%7")
                       .arg(m.title.value_or(u"-"_s), m.thumbnail ? m.thumbnail->toString() : u"-"_s,
                            m.duration ? QString::number(*m.duration) : u"-"_s, m.uploader.value_or(u"-"_s),
                            m.site.value_or(u"-"_s), m.isPlaylist ? u"yes"_s : u"no"_s,
                            m.count ? QString::number(*m.count) : u"-"_s)
                       .toUtf8());
}

void TestMediaInfo::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<MediaInfo>("expected");

    QTest::newRow("single video")
        << QByteArray(R"({"title": "Clip", "duration": 61, "uploader": "Ana", "extractor_key": "Youtube",
                          "thumbnail": "https://i.example/t.jpg", "_type": "video"})")
        << info([](MediaInfo &m) {
               m.title = u"Clip"_s, m.duration = 61.0, m.uploader = u"Ana"_s, m.site = u"Youtube"_s;
               m.thumbnail = QUrl(u"https://i.example/t.jpg"_s);
           });
    QTest::newRow("fractional duration, channel for a null uploader, extractor for the site")
        << QByteArray(R"({"duration": 12.5, "uploader": null, "channel": "Chan", "extractor": "generic"})")
        << info([](MediaInfo &m) { m.duration = 12.5, m.uploader = u"Chan"_s, m.site = u"generic"_s; });
    QTest::newRow("wrong types count as missing")
        << QByteArray(R"({"title": 5, "duration": "61", "uploader": ["x"], "extractor_key": {}, "thumbnail": 3})")
        << MediaInfo();
    QTest::newRow("empty title kept as given") << QByteArray(R"({"title": ""})") << info([](MediaInfo &m) { m.title = u""_s; });
    QTest::newRow("playlist with a count")
        << QByteArray(R"({"_type": "playlist", "title": "L", "playlist_count": 12, "entries": [{}, {}, {}]})")
        << info([](MediaInfo &m) { m.title = u"L"_s, m.isPlaylist = true, m.count = 12; });
    QTest::newRow("playlist counted from its entries")
        << QByteArray(R"({"_type": "playlist", "entries": [{"id": 1}, {"id": 2}, {"id": 3}]})")
        << info([](MediaInfo &m) { m.isPlaylist = true, m.count = 3; });
    QTest::newRow("fractional count falls back to the entries")
        << QByteArray(R"({"_type": "playlist", "playlist_count": 2.5, "entries": [{}]})")
        << info([](MediaInfo &m) { m.isPlaylist = true, m.count = 1; });
    QTest::newRow("entries that are not objects")
        << QByteArray(R"({"_type": "playlist", "entries": [{}, "x"], "playlist_count": null})")
        << info([](MediaInfo &m) { m.isPlaylist = true; });
    QTest::newRow("playlist thumbnail from its first entry")
        << QByteArray(R"({"_type": "playlist", "entries": [{"thumbnails": [{"url": "https://i.example/s.jpg"},
                          {"url": "https://i.example/l.jpg"}]}, {"thumbnail": "https://i.example/2.jpg"}]})")
        << info([](MediaInfo &m) { m.isPlaylist = true, m.count = 2, m.thumbnail = QUrl(u"https://i.example/l.jpg"_s); });
    QTest::newRow("own thumbnail wins over the entries'")
        << QByteArray(R"({"_type": "playlist", "thumbnail": "https://i.example/own.jpg", "entries": [{"thumbnail": "https://i.example/1.jpg"}]})")
        << info([](MediaInfo &m) { m.isPlaylist = true, m.count = 1, m.thumbnail = QUrl(u"https://i.example/own.jpg"_s); });
    QTest::newRow("empty playlist has no thumbnail")
        << QByteArray(R"({"_type": "playlist", "entries": []})") << info([](MediaInfo &m) { m.isPlaylist = true, m.count = 0; });
    QTest::newRow("type other than playlist") << QByteArray(R"({"_type": "url", "entries": [{}], "playlist_count": 4})")
                                              << MediaInfo();
}

void TestMediaInfo::parse()
{
    QFETCH(QByteArray, json);
    QFETCH(MediaInfo, expected);
    const auto parsed = MediaInfo::parse(json);
    QVERIFY(parsed);
    QCOMPARE(*parsed, expected);
}

void TestMediaInfo::notAnObject_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("array") << QByteArray("[{\"title\": \"x\"}]");
    QTest::newRow("truncated") << QByteArray("{\"title\": \"x\"");
    QTest::newRow("warning before the JSON") << QByteArray("WARNING: x\n{\"title\": \"x\"}");
    QTest::newRow("two objects") << QByteArray("{}\n{}");
}

void TestMediaInfo::notAnObject()
{
    QFETCH(QByteArray, json);
    QCOMPARE(MediaInfo::parse(json), std::nullopt);
}

void TestMediaInfo::bestThumb_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QUrl>("expected");

    QTest::newRow("thumbnail") << QByteArray(R"({"thumbnail": "https://i.example/a.jpg", "thumbnails": [{"url": "https://i.example/b.jpg"}]})")
                               << QUrl(u"https://i.example/a.jpg"_s);
    QTest::newRow("invalid thumbnail falls back to the list")
        << QByteArray(R"({"thumbnail": "not a url", "thumbnails": [{"url": "https://i.example/b.jpg"}]})")
        << QUrl(u"https://i.example/b.jpg"_s);
    QTest::newRow("last of the list") << QByteArray(R"({"thumbnails": [{"url": "https://i.example/s.jpg"}, {"url": "https://i.example/l.jpg"}]})")
                                      << QUrl(u"https://i.example/l.jpg"_s);
    QTest::newRow("last without url, earlier ones not looked at")
        << QByteArray(R"({"thumbnails": [{"url": "https://i.example/s.jpg"}, {"id": "x"}]})") << QUrl();
    QTest::newRow("last with an invalid url") << QByteArray(R"({"thumbnails": [{"url": "https://i.example/s.jpg"}, {"url": "::"}]})")
                                              << QUrl();
    QTest::newRow("list of strings") << QByteArray(R"({"thumbnails": ["https://i.example/s.jpg"]})") << QUrl();
}

void TestMediaInfo::bestThumb()
{
    QFETCH(QByteArray, json);
    QFETCH(QUrl, expected);
    const auto thumb = ::bestThumb(QJsonDocument::fromJson(json).object());
    QCOMPARE(thumb.value_or(QUrl()), expected);
    QCOMPARE(thumb.has_value(), !expected.isEmpty());
}

// What Debian 12's yt-dlp printed for a direct link and for an RSS feed (see tests/data).
void TestMediaInfo::capturedProbes()
{
    QFile single(QStringLiteral(VIRELOOM_TEST_DATA "/probe-single.json"));
    QVERIFY(single.open(QIODevice::ReadOnly));
    const auto video = MediaInfo::parse(single.readAll());
    QVERIFY(video);
    QCOMPARE(video->title, u"clip"_s);
    QCOMPARE(video->site, u"Generic"_s);
    QVERIFY(!video->isPlaylist);

    QFile feed(QStringLiteral(VIRELOOM_TEST_DATA "/probe-feed.json"));
    QVERIFY(feed.open(QIODevice::ReadOnly));
    const auto list = MediaInfo::parse(feed.readAll());
    QVERIFY(list);
    QCOMPARE(list->title, u"Test Feed"_s);
    QVERIFY(list->isPlaylist);
    QCOMPARE(list->count, 3);
    QCOMPARE(list->thumbnail, std::nullopt);
}

QTEST_APPLESS_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
