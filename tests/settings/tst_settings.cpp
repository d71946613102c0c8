#include "settings/settings.h"
#include "tools/tools.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartReadsEveryDefault();
    void defaultsAreNeverWritten();
    void simultaneousDownloadsAtLeastOne_data();
    void simultaneousDownloadsAtLeastOne();
    void qualityFallbacks();
    void folderFallsBackAtOnce();
    void valuesOfTheWrongKind();
    void writesPersistAndNotify();
    void unreadableFileIsKeptAside_data();
    void unreadableFileIsKeptAside();
    void displayPath();

private:
    QString storePath() const { return m_dir->filePath(u"Vireloom.conf"_s); }
    std::unique_ptr<Settings> openStore();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

std::unique_ptr<Settings> TestSettings::openStore()
{
    auto settings = std::make_unique<Settings>(storePath());
    settings->registerAppDefaults();
    return settings;
}

void TestSettings::firstStartReadsEveryDefault()
{
    const auto s = openStore();
    QCOMPARE(s->integer(SettingsKey::maxConcurrent), 2);
    QCOMPARE(s->maxConcurrent(), 2);
    QCOMPARE(s->string(SettingsKey::quality), u"best"_s);
    QCOMPARE(s->cookiesBrowser(), u"none"_s);
    QCOMPARE(s->string(SettingsKey::subLangs), u"pt.*,en.*"_s);
    QVERIFY(s->boolean(SettingsKey::preferH264));
    QVERIFY(s->boolean(SettingsKey::embedMeta));
    QVERIFY(s->boolean(SettingsKey::embedThumb));
    QVERIFY(!s->boolean(SettingsKey::subs));
    QVERIFY(s->boolean(SettingsKey::watchClipboard));
    QVERIFY(s->boolean(SettingsKey::soundOnDone));
    QCOMPARE(s->folder(), Tools::defaultFolder());
    QCOMPARE(s->string(SettingsKey::folder), Tools::defaultFolder());

    // The input card's keys are not registered: their readers decide.
    QCOMPARE(s->string(SettingsKey::uiQuality), std::nullopt);
    QVERIFY(!s->uiPlaylist());
    QCOMPARE(s->uiQuality(), Quality(Quality::best));
    QCOMPARE(s->string(u"neverRegistered"_s), std::nullopt);
    QCOMPARE(s->integer(u"neverRegistered"_s), 0);
    QVERIFY(!s->boolean(u"neverRegistered"_s));
}

void TestSettings::defaultsAreNeverWritten()
{
    {
        const auto s = openStore();
        s->setValue(u"subs"_s, true);
    }
    QSettings raw(storePath(), QSettings::IniFormat);
    QCOMPARE(raw.allKeys(), QStringList{u"subs"_s});
}

void TestSettings::simultaneousDownloadsAtLeastOne_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << QVariant(0) << 1;
    QTest::newRow("negative") << QVariant(-4) << 1;
    QTest::newRow("beyond the stepper") << QVariant(9) << 9;
    QTest::newRow("text that is no number") << QVariant(u"many"_s) << 2;
    QTest::newRow("fraction") << QVariant(3.7) << 3;
}

void TestSettings::simultaneousDownloadsAtLeastOne()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    const auto s = openStore();
    s->setValue(u"maxConcurrent"_s, stored);
    QCOMPARE(s->maxConcurrent(), expected);
}

void TestSettings::qualityFallbacks()
{
    const auto s = openStore();
    s->setValue(u"quality"_s, u"p9000"_s);
    QCOMPARE(s->defaultQuality(), Quality(Quality::best));

    // Dropped links follow the default preset until the input card has been used;
    // the input card itself starts at best.
    s->setValue(u"quality"_s, u"mp3"_s);
    QCOMPARE(s->uiQualityOrDefault(), Quality(Quality::mp3));
    QCOMPARE(s->uiQuality(), Quality(Quality::best));

    s->setValue(u"uiQuality"_s, u"p720"_s);
    QCOMPARE(s->uiQualityOrDefault(), Quality(Quality::p720));
    QCOMPARE(s->uiQuality(), Quality(Quality::p720));

    s->setValue(u"uiQuality"_s, u"bogus"_s);
    QCOMPARE(s->uiQualityOrDefault(), Quality(Quality::mp3));
    QCOMPARE(s->uiQuality(), Quality(Quality::best));
}

void TestSettings::folderFallsBackAtOnce()
{
    const auto s = openStore();
    s->setValue(u"folder"_s, m_dir->path());
    QCOMPARE(s->folder(), m_dir->path());
    s->remove(u"folder"_s);
    QCOMPARE(s->folder(), Tools::defaultFolder());
    s->setValue(u"folder"_s, QString());
    QCOMPARE(s->folder(), Tools::defaultFolder());
}

void TestSettings::valuesOfTheWrongKind()
{
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nsubs=perhaps\nsoundOnDone=0\nembedMeta=no\npreferH264=1\nmaxConcurrent=true\ncookies=firefox\n");
    file.close();

    const auto s = openStore();
    QVERIFY(!s->boolean(SettingsKey::subs));            // unreadable: the default
    QVERIFY(!s->boolean(SettingsKey::soundOnDone));
    QVERIFY(!s->boolean(SettingsKey::embedMeta));
    QVERIFY(s->boolean(SettingsKey::preferH264));
    QCOMPARE(s->maxConcurrent(), 1);
    QCOMPARE(s->cookiesBrowser(), u"firefox"_s);
}

void TestSettings::writesPersistAndNotify()
{
    const auto s = openStore();
    QSignalSpy changed(s.get(), &Settings::valueChanged);
    s->setValue(u"subLangs"_s, u"de.*"_s);
    s->setValue(u"subLangs"_s, u"de.*"_s);
    s->setValue(u"maxConcurrent"_s, 4);
    s->remove(u"maxConcurrent"_s);
    s->remove(u"maxConcurrent"_s);
    QCOMPARE(changed.size(), 3);
    QCOMPARE(changed.at(0).first().toString(), u"subLangs"_s);

    // Another store over the same file, as after a restart, reads what was written.
    s->setValue(u"maxConcurrent"_s, 5);
    const auto reopened = std::make_unique<Settings>(storePath());
    QCOMPARE(reopened->string(SettingsKey::subLangs), u"de.*"_s);
    QCOMPARE(reopened->integer(SettingsKey::maxConcurrent), 5);
}

void TestSettings::unreadableFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("unclosed section") << QByteArray("[General\nmaxConcurrent=4\n");
    QTest::newRow("binary junk") << QByteArray("\xff\xfe\x00\x01\x02garbage", 12);
}

void TestSettings::unreadableFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const auto s = openStore();
    QCOMPARE(s->maxConcurrent(), 2);
    QVERIFY(!s->setAsideFileName().isEmpty());
    s->setValue(u"subs"_s, true);

    QFile aside(s->setAsideFileName());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
    QVERIFY(aside.fileName().startsWith(storePath() + u".unreadable-"_s));
}

void TestSettings::displayPath()
{
    const QString home = QDir::homePath();
    QCOMPARE(Settings::displayPath(home + u"/Downloads"_s), u"~/Downloads"_s);
    QCOMPARE(Settings::displayPath(home), u"~"_s);
    QCOMPARE(Settings::displayPath(home + u"stead/x"_s), home + u"stead/x"_s);
    QCOMPARE(Settings::displayPath(u"/mnt/media"_s), u"/mnt/media"_s);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
