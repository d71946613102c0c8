#include "engine/commandline.h"
#include "settings/settings.h"
#include "ui/appsettings.h"

#include <QDir>
#include <QFile>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The small objects behind the window's views, without a window.
class TestViewHelpers : public QObject
{
    Q_OBJECT

private slots:
    void handEditedSettingsReadAsTheEngineReadsThem_data();
    void handEditedSettingsReadAsTheEngineReadsThem();
    void eachSettingAnnouncesOnlyItself_data();
    void eachSettingAnnouncesOnlyItself();
    void stepperStaysInItsRange_data();
    void stepperStaysInItsRange();
};

void TestViewHelpers::handEditedSettingsReadAsTheEngineReadsThem_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QString>("argument"); // in the engine's arguments exactly when the switch is on

    QTest::newRow("yes") << QByteArray("preferH264=yes") << u"preferH264"_s << QVariant(true) << u"-S"_s;
    QTest::newRow("1") << QByteArray("subs=1") << u"subs"_s << QVariant(true) << u"--embed-subs"_s;
    QTest::newRow("off") << QByteArray("embedMeta=off") << u"embedMeta"_s << QVariant(false) << u"--embed-metadata"_s;
    QTest::newRow("0") << QByteArray("embedThumb=0") << u"embedThumb"_s << QVariant(false) << u"--embed-thumbnail"_s;
    QTest::newRow("unknown preset") << QByteArray("quality=p9999") << u"quality"_s << QVariant(u"best"_s) << QString();
    QTest::newRow("empty browser") << QByteArray("cookies=") << u"cookies"_s << QVariant(u"none"_s)
                                   << u"--cookies-from-browser"_s;
    QTest::newRow("browser outside the list") << QByteArray("cookies=netscape") << u"cookies"_s
                                              << QVariant(u"netscape"_s) << u"--cookies-from-browser"_s;
    QTest::newRow("out of range, shown as stored") << QByteArray("maxConcurrent=0") << u"maxConcurrent"_s
                                                   << QVariant(0) << QString();
}

void TestViewHelpers::handEditedSettingsReadAsTheEngineReadsThem()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, property);
    QFETCH(QVariant, shown);
    QFETCH(QString, argument);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"settings.conf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + line + "\n");
    file.close();
    Settings settings(file.fileName());
    settings.registerAppDefaults();
    AppSettings bound(&settings);

    QCOMPARE(bound.property(property.toLatin1()), shown);
    if (!argument.isEmpty()) {
        const QStringList args = buildArgs({u"https://example.org/v"_s, Quality::p1080}, settings, u"/usr/bin/ffmpeg"_s);
        const bool on = shown.typeId() == QMetaType::Bool ? shown.toBool() : shown != u"none"_s;
        QCOMPARE(args.contains(argument), on);
    }
}

void TestViewHelpers::eachSettingAnnouncesOnlyItself_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");

    const QMetaObject &meta = AppSettings::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!property.hasNotifySignal() || property.notifySignal().name() != property.name() + QByteArray("Changed"))
            continue;
        const QString key = QString::fromLatin1(property.name());
        QVariant value = property.typeId() == QMetaType::Bool ? QVariant(true) : QVariant(u"4"_s);
        if (key == u"folder")
            value = QDir::tempPath();
        else if (key == u"quality")
            value = u"mp3"_s;
        QTest::newRow(property.name()) << key << value;
    }
}

// Every typed property is a key of the same name and hears of that key alone.
void TestViewHelpers::eachSettingAnnouncesOnlyItself()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"settings.conf"_s));
    AppSettings bound(&settings);
    QStringList heard;
    const QMetaObject &meta = AppSettings::staticMetaObject;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            spies.push_back(std::make_unique<QSignalSpy>(&bound, meta.method(i)));
    }
    settings.setValue(key, value);
    for (const auto &spy : spies) {
        if (!spy->isEmpty())
            heard << QString::fromLatin1(spy->signal());
    }
    QCOMPARE(heard, QStringList{key + u"Changed()"_s});
    QCOMPARE(bound.property(key.toLatin1()).toString(), value.toString());
}

void TestViewHelpers::stepperStaysInItsRange_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("after");

    QTest::newRow("down from the default") << 2 << -1 << 1;
    QTest::newRow("not below 1") << 1 << -1 << 1;
    QTest::newRow("not above 6") << 6 << 1 << 6;
    QTest::newRow("down from above the range") << 9 << -1 << 6;
    QTest::newRow("up from below the range") << -3 << 1 << 1;
}

void TestViewHelpers::stepperStaysInItsRange()
{
    QFETCH(int, stored);
    QFETCH(int, delta);
    QFETCH(int, after);
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"settings.conf"_s));
    settings.setValue(SettingsKey::maxConcurrent, stored);
    AppSettings bound(&settings);
    bound.stepMaxConcurrent(delta);
    QCOMPARE(settings.integer(SettingsKey::maxConcurrent), after);
}

QTEST_GUILESS_MAIN(TestViewHelpers)
#include "tst_viewhelpers.moc"
