#include "engine/downloadwindow.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

QDateTime at(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

} // namespace

class TestDownloadWindow : public QObject
{
    Q_OBJECT

private slots:
    void openingHours_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QDateTime>("opens");

        const QTime one(1, 0), seven(7, 0), eleven(23, 0);
        QTest::newRow("off: always open") << false << one << seven << at("2026-12-09T12:00:00Z") << true << at("2026-12-09T12:00:00Z");
        QTest::newRow("before the start") << true << one << seven << at("2026-12-09T00:30:00Z") << false << at("2026-12-09T01:00:00Z");
        QTest::newRow("at the start") << true << one << seven << at("2026-12-09T01:00:00Z") << true << at("2026-12-09T01:00:00Z");
        QTest::newRow("inside") << true << one << seven << at("2026-12-09T06:59:59Z") << true << at("2026-12-09T06:59:59Z");
        QTest::newRow("at the end") << true << one << seven << at("2026-12-09T07:00:00Z") << false << at("2026-12-10T01:00:00Z");
        QTest::newRow("evening: the next night") << true << one << seven << at("2026-12-09T22:00:00Z") << false << at("2026-12-10T01:00:00Z");
        QTest::newRow("across midnight, before")
            << true << eleven << seven << at("2026-12-09T22:59:00Z") << false << at("2026-12-09T23:00:00Z");
        QTest::newRow("across midnight, late") << true << eleven << seven << at("2026-12-09T23:30:00Z") << true << at("2026-12-09T23:30:00Z");
        QTest::newRow("across midnight, early")
            << true << eleven << seven << at("2026-12-10T03:00:00Z") << true << at("2026-12-10T03:00:00Z");
        QTest::newRow("across midnight, after")
            << true << eleven << seven << at("2026-12-10T07:00:00Z") << false << at("2026-12-10T23:00:00Z");
        QTest::newRow("start equals end: the whole day")
            << true << seven << seven << at("2026-12-09T03:00:00Z") << true << at("2026-12-09T03:00:00Z");
        QTest::newRow("end of the year") << true << one << seven << at("2026-12-31T20:00:00Z") << false << at("2027-01-01T01:00:00Z");
        // In the zone of the moment: 00:30 there is 23:30 the day before in UTC.
        QTest::newRow("another time zone") << true << one << seven << at("2026-12-09T00:30:00+01:00") << false
                                           << at("2026-12-09T01:00:00+01:00");
    }

    void openingHours()
    {
        QFETCH(bool, on);
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QDateTime, moment);
        QFETCH(bool, open);
        QFETCH(QDateTime, opens);
        const DownloadWindow window = on ? DownloadWindow(start, end) : DownloadWindow();
        QCOMPARE(window.isOpen(moment), open);
        const QDateTime next = window.nextOpening(moment);
        QCOMPARE(next, opens);
        QVERIFY(window.isOpen(next));
        QCOMPARE(next.offsetFromUtc(), moment.offsetFromUtc());
    }

    // A start that the clocks skip on the night they go forward opens once they have.
    void startSkippedByAClockChange()
    {
        const QTimeZone berlin("Europe/Berlin");
        if (!berlin.isValid())
            QSKIP("no time zone data");
        const DownloadWindow window(QTime(2, 30), QTime(5, 0));
        const QDateTime evening(QDate(2026, 3, 28), QTime(22, 0), berlin);
        const QDateTime next = window.nextOpening(evening);
        QVERIFY(next.isValid());
        QVERIFY(next > evening);
        QCOMPARE(next.date(), QDate(2026, 3, 29));
        QVERIFY(window.isOpen(next));
    }

    void readFromTheSettings()
    {
        QTemporaryDir dir;
        Settings settings(dir.filePath(u"settings.ini"_s));
        QVERIFY(!DownloadWindow::fromSettings(settings).isOn());
        settings.setValue(SettingsKey::downloadWindow, true);
        QCOMPARE(DownloadWindow::fromSettings(settings), DownloadWindow(QTime(1, 0), QTime(7, 0)));
        settings.setValue(SettingsKey::downloadWindowStart, 22 * 60 + 30);
        // Out of the day's range: brought within it rather than wrapped.
        settings.setValue(SettingsKey::downloadWindowEnd, 5000);
        QCOMPARE(DownloadWindow::fromSettings(settings), DownloadWindow(QTime(22, 30), QTime(23, 59)));
        QCOMPARE(DownloadWindow(QTime(1, 0), QTime(7, 0)).waitingText(), u"Waiting for 01:00"_s);
    }
};

QTEST_APPLESS_MAIN(TestDownloadWindow)
#include "tst_downloadwindow.moc"
