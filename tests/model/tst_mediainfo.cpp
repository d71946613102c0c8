#include "model/mediainfo.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MediaInfo)

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

class TestMediaInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void notAnObject_data();
    void notAnObject();
    void capturedProbes();
};

void TestMediaInfo::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<MediaInfo>("expected");
    const auto row = [](const char *name, const char *json, const MediaInfo &expected) {
        QTest::newRow(name) << QByteArray(json) << expected;
    };

    row("single video",
        R"({"title": "Clip", "duration": 61, "uploader": "Ana", "extractor_key": "Youtube", "thumbnail": "https://i.example/t.jpg",)"
        R"( "_type": "video"})",
        {.title = u"Clip"_s, .thumbnail = QUrl(u"https://i.example/t.jpg"_s), .duration = 61.0, .uploader = u"Ana"_s,
         .site = u"Youtube"_s});
    row("fractional duration, channel for a null uploader, extractor for the site",
        R"({"duration": 12.5, "uploader": null, "channel": "Chan", "extractor": "generic"})",
        {.duration = 12.5, .uploader = u"Chan"_s, .site = u"generic"_s});
    row("wrong types count as missing", R"({"title": 5, "duration": "61", "uploader": ["x"], "extractor_key": {}, "thumbnail": 3})",
        {});
    row("playlist with a count", R"({"_type": "playlist", "title": "L", "playlist_count": 12, "entries": [{}, {}, {}]})",
        {.title = u"L"_s, .isPlaylist = true, .count = 12});
    row("playlist counted from its entries", R"({"_type": "playlist", "entries": [{"id": 1}, {"id": 2}, {"id": 3}]})",
        {.isPlaylist = true, .count = 3});
    row("fractional count falls back to the entries", R"({"_type": "playlist", "playlist_count": 2.5, "entries": [{}]})",
        {.isPlaylist = true, .count = 1});
    row("entries that are not objects", R"({"_type": "playlist", "entries": [{}, "x"], "playlist_count": null})", {.isPlaylist = true});
    row("playlist thumbnail from its first entry",
        R"({"_type": "playlist", "entries": [{"thumbnails": [{"url": "https://i.example/s.jpg"}, {"url": "https://i.example/l.jpg"}]},)"
        R"( {"thumbnail": "https://i.example/2.jpg"}]})",
        {.thumbnail = QUrl(u"https://i.example/l.jpg"_s), .isPlaylist = true, .count = 2});
    row("own thumbnail wins over the entries'",
        R"({"_type": "playlist", "thumbnail": "https://i.example/own.jpg", "entries": [{"thumbnail": "https://i.example/1.jpg"}]})",
        {.thumbnail = QUrl(u"https://i.example/own.jpg"_s), .isPlaylist = true, .count = 1});
    row("empty playlist has no thumbnail", R"({"_type": "playlist", "entries": []})", {.isPlaylist = true, .count = 0});
    row("type other than playlist", R"({"_type": "url", "entries": [{}], "playlist_count": 4})", {});

    // Without a usable thumbnail the last of the list stands in; earlier ones are never looked at.
    row("invalid thumbnail falls back to the list", R"({"thumbnail": "not a url", "thumbnails": [{"url": "https://i.example/b.jpg"}]})",
        {.thumbnail = QUrl(u"https://i.example/b.jpg"_s)});
    row("last of the list without url", R"({"thumbnails": [{"url": "https://i.example/s.jpg"}, {"id": "x"}]})", {});
    row("list of strings", R"({"thumbnails": ["https://i.example/s.jpg"]})", {});
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

// What Debian 12's yt-dlp printed for a direct link and for an RSS feed (see tests/data).
void TestMediaInfo::capturedProbes()
{
    const auto probe = [](const char *name) {
        QFile file(QStringLiteral(VIRELOOM_TEST_DATA "/") + QLatin1StringView(name));
        return file.open(QIODevice::ReadOnly) ? MediaInfo::parse(file.readAll()) : std::nullopt;
    };
    const auto video = probe("probe-single.json");
    QVERIFY(video);
    QCOMPARE(video->title, u"clip"_s);
    QCOMPARE(video->site, u"Generic"_s);
    QVERIFY(!video->isPlaylist);

    const auto list = probe("probe-feed.json");
    QVERIFY(list);
    QCOMPARE(list->title, u"Test Feed"_s);
    QVERIFY(list->isPlaylist);
    QCOMPARE(list->count, 3);
    QCOMPARE(list->thumbnail, std::nullopt);
}

QTEST_APPLESS_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
