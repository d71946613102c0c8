#include "model/mediainfo.h"
#include "support/files.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MediaInfo)

// Found by QCOMPARE through argument-dependent lookup, so beside MediaInfo.
char *toString(const MediaInfo &m)
{
    return qstrdup(QStringLiteral("title=%1 thumb=%2 duration=%3 uploader=%4 site=%5 playlist=%6 count=%7 chosen=%8 in %9")
                       .arg(m.title.value_or(u"-"_s), m.thumbnail ? m.thumbnail->toString() : u"-"_s,
                            m.duration ? QString::number(*m.duration) : u"-"_s, m.uploader.value_or(u"-"_s), m.site.value_or(u"-"_s),
                            m.isPlaylist ? u"yes"_s : u"no"_s, m.count ? QString::number(*m.count) : u"-"_s,
                            m.chosenBytes ? QString::number(*m.chosenBytes) : u"-"_s, QString::number(m.chosenParts))
                       .toUtf8());
}

// A video offered with a dub, its original, pictures and ids no selector should meet.
const char kDubbed[] =
    "{\"title\":\"Dubbed\",\"duration\":10,"
    "\"formats\":["
    "{\"format_id\":\"sb0\",\"vcodec\":\"none\",\"acodec\":\"none\",\"ext\":\"mhtml\"},"
    "{\"format_id\":\"hls-aud-de\",\"vcodec\":\"none\",\"acodec\":null,\"language\":\"de\",\"format_note\":\"Deutsch\"},"
    "{\"format_id\":\"251\",\"vcodec\":\"none\",\"acodec\":\"opus\",\"language\":\"en\",\"format_note\":\"English original, default\",\"filesize\":1000},"
    "{\"format_id\":\"140\",\"vcodec\":\"none\",\"acodec\":\"mp4a.40.2\",\"language\":\"en\",\"language_preference\":-1},"
    "{\"format_id\":\"dub]/b\",\"vcodec\":\"none\",\"acodec\":\"opus\",\"language\":\"fr\"},"
    "{\"format_id\":\"bad-lang\",\"vcodec\":\"none\",\"acodec\":\"opus\",\"language\":\"de]/b\"},"
    "{\"format_id\":\"137\",\"vcodec\":\"avc1.640028\",\"acodec\":\"none\",\"width\":1920,\"height\":1080,\"fps\":25,\"tbr\":800},"
    "{\"format_id\":\"direct\",\"ext\":\"mp4\",\"url\":\"https://example.org/v.mp4\"}],"
    "\"subtitles\":{\"en\":[{\"ext\":\"vtt\"}],\"pt-BR\":[{\"ext\":\"vtt\"}],\"live_chat\":[{\"ext\":\"json\"}],\"xx]\":[{\"ext\":\"vtt\"}]},"
    "\"automatic_captions\":{\"de\":[{\"ext\":\"vtt\"}],\"es\":[]}}";

class TestMediaInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse()
    {
        QFETCH(QByteArray, json);
        QFETCH(std::optional<MediaInfo>, expected);
        auto info = MediaInfo::parse(json);
        // The entries have their own test below.
        if (info)
            info->entries.clear();
        QCOMPARE(info, expected);
    }

    // A real DASH probe chose two formats without sizes: two parts of unknown size.
    void chosenFormatsOfARealProbe()
    {
        const auto info = MediaInfo::parse(readFile(QStringLiteral(VIRELOOM_TEST_DATA "/probe-dash-merged.json")));
        QVERIFY(info);
        QCOMPARE(info->chosenBytes, std::nullopt);
        QCOMPARE(info->chosenParts, 2);
    }

    // What the options sheet offers of one video: its tracks once per language, the site's
    // "original" kept, subtitles written and automatic apart, and only formats whose ids
    // a selector takes as they are.
    void choicesOfAVideo()
    {
        const QByteArray json = kDubbed;
        const auto info = MediaInfo::parse(json);
        QVERIFY(info);
        const MediaChoices &choices = info->choices;
        QCOMPARE(choices.audioTracks, (std::vector<AudioTrack>{{u"de"_s, false}, {u"en"_s, true}}));
        QStringList ids;
        for (const FormatOffer &format : choices.formats)
            ids << format.id;
        QCOMPARE(ids, (QStringList{u"hls-aud-de"_s, u"251"_s, u"140"_s, u"bad-lang"_s, u"137"_s, u"direct"_s}));
        const FormatOffer &video = choices.formats[4];
        QVERIFY(video.video && !video.audio);
        QCOMPARE(video.height, std::optional(1080));
        QCOMPARE(video.bytes, std::optional(1e6)); // 800 kbit/s for ten seconds
        QVERIFY(choices.formats[3].language.isEmpty());
        // A direct file names no codec: it holds both.
        QVERIFY(choices.formats[5].video && choices.formats[5].audio);
        QCOMPARE(choices.subtitles, (QStringList{u"en"_s, u"pt-BR"_s}));
        QCOMPARE(choices.automaticSubtitles, QStringList{u"de"_s});
        // A playlist offers no one video's choices.
        QCOMPARE(MediaInfo::parse("{\"_type\":\"playlist\",\"entries\":[],\"formats\":[{\"format_id\":\"1\"}]}")->choices, MediaChoices());
    }

    // A resolved playlist as yt-dlp dumps it: a merged video needs its best audio added,
    // the cap keeps taller formats out, and an entry without sizes is unknown, not zero.
    void entriesAndTheirSizes()
    {
        // Single quotes keep the JSON readable here.
        const auto info = MediaInfo::parse(QByteArray("{'_type': 'playlist', 'entries': [ "
                                                      "{'title': 'One', 'duration': 10, 'playlist_index': 1, 'formats': [ "
                                                      "{'acodec': 'opus', 'vcodec': 'none', 'filesize': 100}, "
                                                      "{'acodec': 'aac', 'vcodec': 'none', 'tbr': 8}, "
                                                      "{'vcodec': 'vp9', 'acodec': 'none', 'height': 480, 'filesize_approx': 1000}, "
                                                      "{'vcodec': 'vp9', 'acodec': 'none', 'height': 1080, 'filesize': 5000}, "
                                                      "{'vcodec': 'avc1', 'acodec': 'aac', 'height': 360, 'filesize': 700}]}, "
                                                      "null, {'title': 'Three', 'formats': [{'url': 'http://x/3.mp4', 'filesize': 42}]}, "
                                                      "{'playlist_index': 7, 'formats': [{'vcodec': 'vp9', 'height': 720}]}, "
                                                      "{'title': 'Flat', 'filesize_approx': 9}]} ")
                                               .replace('\'', '"'));
        QVERIFY(info);
        QCOMPARE(info->entries.size(), 4u);
        // A failed entry is null in the list; positions count its slot, or come from the entry.
        QCOMPARE(info->entries[1].position, 3);
        QCOMPARE(info->entries[2].position, 7);
        QCOMPARE(info->entries[3].position, 5);
        QCOMPARE(info->unavailable, std::vector<int>{2});
        QCOMPARE(info->entries[0].title, u"One"_s);
        QCOMPARE(info->entries[0].duration, 10.0);

        const PlaylistEntry &one = info->entries[0];
        // "tbr" 8 kbit/s for 10 s is 10,000 bytes: the larger audio stream.
        QCOMPARE(estimatedBytes(one, std::nullopt, false), 5000.0 + 10000);
        QCOMPARE(estimatedBytes(one, 720, false), 1000.0 + 10000);
        QCOMPARE(estimatedBytes(one, 240, false), 10000.0);
        QCOMPARE(estimatedBytes(one, std::nullopt, true), 10000.0);
        // A direct file names no codecs: it carries both, nothing to add.
        QCOMPARE(estimatedBytes(info->entries[1], 1080, false), 42.0);
        QCOMPARE(estimatedBytes(info->entries[2], 1080, false), std::nullopt);
        QCOMPARE(estimatedBytes(info->entries[3], 1080, true), 9.0);
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
        {.title = u"Clip"_s, .thumbnail = QUrl(u"https://i.example/t.jpg"_s), .duration = 61.0, .uploader = u"Ana"_s, .site = u"Youtube"_s});
    row("fractional duration, channel for a null uploader, extractor for the site",
        R"({"duration": 12.5, "uploader": null, "channel": "Chan", "extractor": "generic"})",
        {.duration = 12.5, .uploader = u"Chan"_s, .site = u"generic"_s});
    row("wrong types count as missing", R"({"title": 5, "duration": "61", "uploader": ["x"], "extractor_key": {}, "thumbnail": 3})", {});
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

    // What a single video's download fetches: the formats the probe chose with the
    // download's own choice, video and audio apart counting both.
    row("video and audio apart", R"({"duration": 10, "requested_formats": [{"filesize": 5000}, {"tbr": 8}]})",
        {.duration = 10.0, .chosenBytes = 15000, .chosenParts = 2});
    row("one part without a size", R"({"requested_formats": [{"filesize": 5000}, {"acodec": "aac"}]})", {.chosenParts = 2});
    row("one file", R"({"filesize_approx": 700})", {.chosenBytes = 700});

    // What is not one JSON object is no answer at all.
    for (const auto &[name, json] : {std::pair{"empty", ""}, {"array", "[{\"title\": \"x\"}]"}, {"truncated", "{\"title\": \"x\""},
                                     {"warning before the JSON", "WARNING: x\n{\"title\": \"x\"}"}, {"two objects", "{}\n{}"}})
        QTest::newRow(name) << QByteArray(json) << std::optional<MediaInfo>();
}

QTEST_APPLESS_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
