#include "base/paths.h"
#include "model/qualitychoice.h"
#include "settings/settings.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

    QString storePath() const { return m_dir->filePath(u"Vireloom.conf"_s); }
    std::unique_ptr<Settings> openStore(const std::optional<QByteArray> &content = std::nullopt)
    {
        if (content && !writeFile(storePath(), *content))
            qFatal("cannot write %s", qPrintable(storePath()));
        return std::make_unique<Settings>(storePath());
    }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // The settings hold the proxy with its password: a store from an older release is made
    // private when opened, a new one is private from the start, and rewriting keeps it so.
    void storeIsPrivate_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new store") << false;
        QTest::newRow("store left readable by others") << true;
    }

    void storeIsPrivate()
    {
        QFETCH(bool, existing);
        // Owner, group and others; what Qt calls "user" repeats the owner here.
        const auto mode = [](const QString &path) { return int(QFileInfo(path).permissions()) & 0x7077; };
        const QString folder = m_dir->filePath(u"config/Vireloom"_s);
        const QString file = folder + u"/Vireloom.conf"_s;
        if (existing) {
            QVERIFY(QDir().mkpath(folder) && writeFile(file, "[General]\nproxy=http://me:pw@p:1\n"));
            QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x6644)));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7755)));
        }
        {
            Settings settings(file);
            QCOMPARE(mode(file), 0x6000);
            QCOMPARE(mode(folder), 0x7000);
            settings.setValue(SettingsKey::proxy, u"http://me:new@p:1"_s);
        }
        QCOMPARE(mode(file), 0x6000);
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(SettingsKey::proxy).toString(), u"http://me:new@p:1"_s);
    }

    // A switch edited by hand reads as what its word says; a word that says neither reads as
    // the switch's default, whichever that is.
    void switchesReadTheirSpellings_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<std::optional<bool>>("meaning"); // none: the default
        for (const char *on : {"true", "yes", "on", "1", "True", " YES "})
            QTest::newRow(on) << QByteArray(on) << std::optional(true);
        for (const char *off : {"false", "no", "off", "0"})
            QTest::newRow(off) << QByteArray(off) << std::optional(false);
        for (const char *neither : {"maybe", "onn", "y"})
            QTest::newRow(neither) << QByteArray(neither) << std::optional<bool>();
    }

    void switchesReadTheirSpellings()
    {
        QFETCH(QByteArray, word);
        QFETCH(std::optional<bool>, meaning);
        // One switch on by default and one off, so that a wrong word cannot pass for either.
        const auto s = openStore("[General]\npreferH264=" + word + "\nsubs=" + word + "\n");
        QCOMPARE(s->boolean(SettingsKey::preferH264), meaning.value_or(true));
        QCOMPARE(s->boolean(SettingsKey::subs), meaning.value_or(false));
    }

    // The table is the one place a default is given: an empty store reads every row's
    // default through the reader of its kind, a number's default lies within its bounds,
    // and reading a default never writes it.
    void emptyStoreReadsTheTable()
    {
        auto s = openStore();
        QVERIFY(!Settings::rows().isEmpty());
        for (const SettingRow &row : Settings::rows()) {
            const QString key = row.key;
            switch (row.kind) {
            case SettingKind::text:
                QCOMPARE(s->string(key), row.fallback.toString());
                break;
            case SettingKind::folder:
                QCOMPARE(s->folder(), Tools::defaultFolder());
                QCOMPARE(s->string(key), Tools::defaultFolder());
                break;
            case SettingKind::flag:
                QCOMPARE(s->boolean(key), row.fallback.toBool());
                break;
            case SettingKind::count:
                QCOMPARE(s->count(key), row.fallback.toLongLong());
                QVERIFY2(row.floor <= s->count(key) && s->count(key) <= row.ceiling, qPrintable(key));
                break;
            case SettingKind::seconds:
                QCOMPARE(s->seconds(key), row.fallback.toDouble());
                break;
            }
            QVERIFY2(Settings::row(key), qPrintable(key));
        }
        // The input card's keys are not in the table: their readers decide.
        QVERIFY(!Settings::row(SettingsKey::uiQuality));
        QCOMPARE(s->string(SettingsKey::uiQuality), std::nullopt);
        QCOMPARE(s->integer(u"neverRegistered"_s), 0);
        QVERIFY(!s->boolean(u"neverRegistered"_s));
        s->setValue(SettingsKey::subs, true);
        s.reset();
        QCOMPARE(QSettings(storePath(), QSettings::IniFormat).allKeys(), QStringList{u"subs"_s});
    }

    void simultaneousDownloadsAtLeastOne_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << QVariant(0) << 1;
        QTest::newRow("negative") << QVariant(-4) << 1;
        QTest::newRow("beyond the stepper") << QVariant(9) << 9;
        QTest::newRow("text that is no number") << QVariant(u"many"_s) << 2;
        QTest::newRow("fraction") << QVariant(3.7) << 3;
    }

    void simultaneousDownloadsAtLeastOne()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        const auto s = openStore();
        s->setValue(u"maxConcurrent"_s, stored);
        QCOMPARE(s->maxConcurrent(), expected);
    }

    void qualityAndFolderFallBack()
    {
        const auto s = openStore();
        // The input card starts from the default preset until it has been used.
        s->setValue(u"quality"_s, u"mp3"_s);
        QCOMPARE(cardQuality(*s), Quality(Quality::mp3));
        s->setValue(u"uiQuality"_s, u"p720"_s);
        QCOMPARE(cardQuality(*s), Quality(Quality::p720));
        s->setValue(u"uiQuality"_s, u"bogus"_s);
        QCOMPARE(cardQuality(*s), Quality(Quality::mp3));

        s->setValue(u"folder"_s, m_dir->path());
        QCOMPARE(s->folder(), m_dir->path());
        s->setValue(u"folder"_s, QString());
        QCOMPARE(s->folder(), Tools::defaultFolder());
    }

    void writesPersistAndNotify()
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
        const Settings reopened(storePath());
        QCOMPARE(reopened.string(SettingsKey::subLangs), u"de.*"_s);
        QCOMPARE(reopened.integer(SettingsKey::maxConcurrent), 5);
    }

    // A store that cannot be read is set aside whole, and a FIFO in its place, which would
    // keep the start waiting, unread; the defaults apply and the next write makes a new store.
    void unreadableStoreIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: a FIFO
        QTest::newRow("unclosed section") << QByteArray("[General\nmaxConcurrent=4\n");
        QTest::newRow("binary junk") << QByteArray("\xff\xfe\x00\x01\x02garbage", 12);
        QTest::newRow("a FIFO") << QByteArray();
    }

    void unreadableStoreIsSetAside()
    {
        QFETCH(QByteArray, content);
        if (content.isNull())
            QCOMPARE(::mkfifo(QFile::encodeName(storePath()).constData(), 0600), 0);
        const auto s = openStore(content.isNull() ? std::nullopt : std::optional(content));
        QCOMPARE(s->maxConcurrent(), 2);
        QVERIFY(s->setAsideFileName().startsWith(storePath() + u".unreadable-"_s));
        s->setValue(SettingsKey::maxConcurrent, 3);
        QCOMPARE(Settings(storePath()).maxConcurrent(), 3);
        if (!content.isNull())
            QCOMPARE(readFile(s->setAsideFileName()), content);
    }

    // A settings file that is a link keeps the values it led to, in a file of its own: the
    // file it pointed at is neither rewritten nor made private.
    void storeThatIsALinkGetsAFileOfItsOwn()
    {
        const QString target = m_dir->filePath(u"dotfiles/vireloom.ini"_s);
        QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()) && writeFile(target, "[General]\nmaxConcurrent=4\n"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::Permissions(0x6644)));
        QVERIFY(QFile::link(target, storePath()));
        {
            Settings settings(storePath());
            QCOMPARE(settings.maxConcurrent(), 4);
            settings.setValue(SettingsKey::maxConcurrent, 5);
        }
        QVERIFY(!QFileInfo(storePath()).isSymLink());
        QCOMPARE(Settings(storePath()).maxConcurrent(), 5);
        QCOMPARE(readFile(target), QByteArray("[General]\nmaxConcurrent=4\n"));
        QCOMPARE(int(QFileInfo(target).permissions()) & 0x7077, 0x6044);
    }

    void displayPath()
    {
        const QString home = QDir::homePath();
        QCOMPARE(Settings::displayPath(home + u"/Downloads"_s), u"~/Downloads"_s);
        QCOMPARE(Settings::displayPath(home), u"~"_s);
        QCOMPARE(Settings::displayPath(home + u"stead/x"_s), home + u"stead/x"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
