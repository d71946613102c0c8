#include "model/mediainfo.h"

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

const std::pair<const char *, const char *> kNotAnObject[] = {
    {"empty", ""}, {"array", "[{\"title\": \"x\"}]"}, {"truncated", "{\"title\": \"x\""},
    {"warning before the JSON", "WARNING: x\n{\"title\": \"x\"}"}, {"two objects", "{}\n{}"}};

class TestMediaInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse()
    {
        QFETCH(QByteArray, json);
        QFETCH(std::optional<MediaInfo>, expected);
        QCOMPARE(MediaInfo::parse(json), expected);
    }
};

void TestMediaInfo::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<std::optional<MediaInfo>>("expected");
    const auto row = [](const char *name, const char *json, const MediaInfo &expected) {
        QTest::newRow(name) << QByteArray(json) << std::optional(expected);
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

    // What is not one JSON object is no answer at all.
    for (const auto &[name, json] : kNotAnObject)
        QTest::newRow(name) << QByteArray(json) << std::optional<MediaInfo>();
}

QTEST_APPLESS_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
