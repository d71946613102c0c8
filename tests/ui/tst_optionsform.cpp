#include "engine/downloadqueue.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "support/windowfixture.h"
#include "ui/downloadoptionsform.h"

#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

// The options sheet's fields, what they turn into, and their way to the engine.
class TestOptionsForm : public QObject
{
    Q_OBJECT

private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        // Empty when the value is refused.
        QTest::addColumn<QJsonObject>("options");

        QTest::newRow("empty asks nothing") << u"start"_s << u"  "_s << QJsonObject{};
        QTest::newRow("start only") << u"start"_s << u"1:30"_s << QJsonObject{{u"section"_s, QJsonObject{{u"start"_s, 90}}}};
        QTest::newRow("end only starts at zero")
            << u"end"_s << u"0:45.5"_s << QJsonObject{{u"section"_s, QJsonObject{{u"start"_s, 0}, {u"end"_s, 45.5}}}};
        QTest::newRow("not a time") << u"start"_s << u"1m30"_s << QJsonObject();
        QTest::newRow("sub langs") << u"subLangs"_s << u" en.*,pt "_s << QJsonObject{{u"subtitles"_s, true}, {u"subLangs"_s, u"en.*,pt"_s}};
        QTest::newRow("rate in mebibytes") << u"rateLimit"_s << u"1.5M"_s << QJsonObject{{u"rateLimit"_s, 1572864}};
        QTest::newRow("rate in bytes") << u"rateLimit"_s << u"800"_s << QJsonObject{{u"rateLimit"_s, 800}};
        QTest::newRow("rate zero lifts the settings' limit") << u"rateLimit"_s << u"0K"_s << QJsonObject{{u"rateLimit"_s, 0}};
        QTest::newRow("rate as shown") << u"rateLimit"_s << u"2 MB/s"_s << QJsonObject{{u"rateLimit"_s, 2097152}};
        QTest::newRow("rate with a decimal comma") << u"rateLimit"_s << u"1,5K"_s << QJsonObject{{u"rateLimit"_s, 1536}};
        QTest::newRow("rate in words") << u"rateLimit"_s << u"fast"_s << QJsonObject();
        QTest::newRow("rate negative") << u"rateLimit"_s << u"-2M"_s << QJsonObject();
        QTest::newRow("pattern") << u"outputPattern"_s << u"%(uploader)s/%(title)s.%(ext)s"_s
                                 << QJsonObject{{u"outputPattern"_s, u"%(uploader)s/%(title)s.%(ext)s"_s}};
    }

    void fields()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QJsonObject, options);
        DownloadOptionsForm form;
        QVERIFY(form.setProperty(field.toLatin1(), text));
        const bool refused = options.isEmpty() && !text.trimmed().isEmpty();
        // A refused value says why and gives no options at all, rather than dropping itself.
        QCOMPARE(form.problem().isEmpty(), !refused);
        QCOMPARE(form.options().has_value(), !refused);
        QCOMPARE(form.edited(), !options.isEmpty() || refused);
        // The reason stands under the field it belongs to.
        static const QHash<QString, const char *> ownProblem{{u"start"_s, "sectionProblem"},
                                                             {u"end"_s, "sectionProblem"},
                                                             {u"subLangs"_s, "subLangsProblem"},
                                                             {u"rateLimit"_s, "rateLimitProblem"},
                                                             {u"outputPattern"_s, "patternProblem"}};
        QCOMPARE(form.property(ownProblem.value(field)).toString(), form.problem());
        if (!refused)
            QCOMPARE(form.options()->toJson(), options);
        form.reset();
        QVERIFY(form.options() && form.options()->isDefault());
    }

    // The reading's offers: a track, subtitles and formats picked become the download's
    // options; a new reading lets go of what it does not offer.
    void choicesFromTheReading()
    {
        const auto format = [](const char *id, bool video, bool audio, std::optional<int> height, const char *language = "") {
            FormatOffer offer;
            offer.id = QString::fromLatin1(id);
            offer.video = video;
            offer.audio = audio;
            offer.height = height;
            offer.vcodec = video ? u"avc1"_s : QString();
            offer.acodec = audio ? u"mp4a"_s : QString();
            offer.language = QString::fromLatin1(language);
            return offer;
        };
        MediaChoices choices;
        choices.audioTracks = {{u"de"_s, false}, {u"en"_s, true}};
        choices.subtitles = {u"en"_s, u"pt-BR"_s};
        choices.formats = {format("a-de", false, true, {}, "de"), format("a-en", false, true, {}, "en"), format("v720", true, false, 720),
                           format("v1080", true, false, 1080), format("whole", true, true, 360)};
        DownloadOptionsForm form;
        form.setChoices(choices);
        QCOMPARE(form.audioTracks().size(), 2);
        QCOMPARE(form.audioTracks().at(1).toMap().value(u"name"_s).toString(), u"English · original"_s);
        QCOMPARE(form.formats().first().toMap().value(u"id"_s).toString(), u"whole"_s);

        form.setAudioLanguage(u"de"_s);
        form.setAudioLanguage(u"de]/b"_s); // never a code: lets go instead
        QCOMPARE(form.audioLanguage(), QString());
        form.setAudioLanguage(u"de"_s);
        form.toggleSubtitle(u"pt-BR"_s);
        form.toggleSubtitle(u"en"_s);
        form.toggleSubtitle(u"pt-BR"_s);
        QCOMPARE(form.subLangs(), u"en"_s);

        // Picture and sound merge; a whole format stands alone; the same one again lets go.
        form.pickFormat(u"v720"_s);
        form.pickFormat(u"v1080"_s);
        form.pickFormat(u"a-en"_s);
        QCOMPARE(form.options()->formatId, std::optional(u"v1080+a-en"_s));
        QCOMPARE(form.formatLabel(), u"1080p + en"_s);
        form.pickFormat(u"whole"_s);
        QCOMPARE(form.options()->formatId, std::optional(u"whole"_s));
        form.pickFormat(u"a-de"_s);
        QCOMPARE(form.options()->formatId, std::optional(u"a-de"_s));
        form.pickFormat(u"a-de"_s);
        QCOMPARE(form.options()->formatId, std::nullopt);
        form.pickFormat(u"nowhere"_s);
        QCOMPARE(form.options()->formatId, std::nullopt);

        form.pickFormat(u"v720"_s);
        form.pickFormat(u"a-de"_s);
        const DownloadOptions options = *form.options();
        QCOMPARE(options.audioLanguage, std::optional(u"de"_s));
        QCOMPARE(options.subLangs, std::optional(u"en"_s));
        QCOMPARE(options.formatLabel, std::optional(u"720p + de"_s));
        // Kept in the journal as they are, and checked again when read back.
        QCOMPARE(DownloadOptions::fromJson(options.toJson()), std::optional(options));
        QJsonObject forged = options.toJson();
        forged[u"formatId"_s] = u"v720/worst"_s;
        QCOMPARE(DownloadOptions::fromJson(forged), std::nullopt);

        // Another link's reading: what it does not offer is let go.
        choices.formats.erase(choices.formats.begin());
        choices.audioTracks = {{u"en"_s, false}};
        form.setChoices(choices);
        QCOMPARE(form.options()->formatId, std::optional(u"v720"_s));
        QCOMPARE(form.audioLanguage(), QString());
        form.reset();
        QVERIFY(form.options()->isDefault());
    }

    void sponsorModeKeepsKnownCategories()
    {
        DownloadOptionsForm form;
        form.setSponsorMode(u"mark"_s);
        QCOMPARE(form.sponsorCategories(), QStringList{u"sponsor"_s});
        form.toggleCategory(u"poi_highlight"_s);
        form.toggleCategory(u"sponsor"_s);
        form.toggleCategory(u"no_such"_s);
        QCOMPARE(form.sponsorCategories(), QStringList{u"poi_highlight"_s});
        // A highlight cannot be cut out: removing drops it and starts again from sponsors.
        form.setSponsorMode(u"remove"_s);
        QCOMPARE(form.sponsorCategories(), QStringList{u"sponsor"_s});
        form.toggleCategory(u"sponsor"_s);
        QVERIFY(!form.problem().isEmpty());
        QCOMPARE(form.sponsorProblem(), form.problem());
        form.setSponsorMode(u"off"_s);
        QVERIFY(form.problem().isEmpty());
        QVERIFY(form.options()->isDefault());
    }

    void previewFillsPattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::newRow("fields") << u"%(uploader)s - %(title)s [%(id)s].%(ext)s"_s << u"Ch - A/B [x1].webm"_s.replace(u'/', u'⧸');
        QTest::newRow("alternative and default") << u"%(album,title)s %(track|none)s.%(ext)s"_s << u"A⧸B none.webm"_s;
        QTest::newRow("missing reads NA") << u"%(album)s%%.%(ext)s"_s << u"NA%.webm"_s;
        QTest::newRow("precision cuts") << u"%(title).2s %(height)04d.%(ext)s"_s << u"A⧸ 0720.webm"_s;
    }

    void previewFillsPattern()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        const QJsonObject metadata{{u"title"_s, u"A/B"_s},
                                   {u"uploader"_s, u"Ch"_s},
                                   {u"id"_s, u"x1"_s},
                                   {u"ext"_s, u"webm"_s},
                                   {u"height"_s, 720}};
        QCOMPARE(DownloadOptionsForm::fillPattern(pattern, metadata), name);
    }

    void sheetReachesArguments()
    {
        WindowFixture f;
        f.makeProgram(u"yt-dlp"_s, currentEngine());
        QVERIFY(f.show());
        f.click(f.find(u"optionsButton"_s));
        QQuickItem *start = f.find(u"sectionStart"_s);
        QTRY_VERIFY(start && start->isVisible());
        f.click(start);
        QObject *sheet = f.window()->findChild<QObject *>(u"optionsSheet"_s);
        const qreal height = sheet->property("height").toReal();
        f.typeText(u"1:x"_s);
        // The reason shows under the field, in a line kept for it: the sheet keeps its size.
        QTRY_VERIFY(!f.textOf(u"sectionProblem"_s).isEmpty());
        QCOMPARE(f.textOf(u"optionsProblem"_s), QString());
        // A template popup has no size of its own: the sheet must take its content's.
        QVERIFY(height > 200);
        QCOMPARE(sheet->property("height").toReal(), height);
        // Done refuses the value and hands the keyboard back to its field.
        f.click(f.find(u"optionsDone"_s));
        QVERIFY(sheet->property("visible").toBool());
        QCOMPARE(f.window()->activeFocusItem(), start);
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QVERIFY(sheet->property("visible").toBool());
        // Mended, it closes; the refused value is then mended again below.
        QObject *form = f.find(u"inputCard"_s)->property("model").value<QObject *>()->property("options").value<QObject *>();
        form->setProperty("start", u"1:05"_s);
        f.click(f.find(u"optionsDone"_s));
        QTRY_VERIFY(!sheet->property("visible").toBool());
        form->setProperty("start", u"1:x"_s);
        f.click(f.find(u"linkField"_s));
        f.typeText(u"https://example.org/a"_s);
        // The refused start holds the download back until it is mended.
        QVERIFY(!f.find(u"submitButton"_s)->isEnabled());
        form->setProperty("start", u"1:05"_s);
        form->setProperty("rateLimit", u"2M"_s);
        QTRY_VERIFY(f.find(u"submitButton"_s)->isEnabled());
        f.click(f.find(u"submitButton"_s));
        QCOMPARE(f.downloader().queue()->items()->count(), 1);
        const QStringList args = f.downloader().queue()->buildArgs(*f.downloader().queue()->items()->at(0));
        // Without ffmpeg in the fixture the section is kept on the item, not cut.
        QCOMPARE(f.downloader().queue()->items()->at(0)->options().section->start, 65.0);
        QVERIFY(args.join(u' ').contains(u"-r 2097152"_s));
        // The next link goes with the settings alone.
        QCOMPARE(form->property("edited").toBool(), false);
    }
};

QTEST_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
