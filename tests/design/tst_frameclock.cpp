#include "design/desktopmotionpreference.h"
#include "design/dropmark.h"
#include "design/frameclock.h"
#include "design/motion.h"
#include "design/signalline.h"

#include <QDBusVariant>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

class TestFrameClock;
// Makes one change to what the clock watches (on) or takes it back (off).
using Change = std::function<void(TestFrameClock &test, DropMark &mark, bool on)>;

// The drawings' clock runs only while a window shows something that should move: it
// stops when the window is hidden, minimised or left idle, and starts again at once.
class TestFrameClock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(300, 200);
    }

    void cleanup()
    {
        m_other.reset();
        m_window.reset();
        Motion::instance()->setBusy(false);
        Motion::instance()->setReduced(false);
        Motion::instance()->setRestDelay(8000);
    }

    void clockFollowsWindowAndMotion_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("ticking");
        const auto row = [](const char *name, bool ticking, const Change &change) { QTest::newRow(name) << change << ticking; };
        const Change background = [](TestFrameClock &test, DropMark &, bool on) {
            if (on) {
                test.m_other = std::make_unique<QQuickWindow>();
                test.m_other->show();
                test.m_other->requestActivate();
            } else {
                test.m_other.reset();
                test.m_window->requestActivate();
            }
        };
        const auto busy = [](const Change &change) {
            return [change](TestFrameClock &test, DropMark &mark, bool on) {
                Motion::instance()->setBusy(on);
                change(test, mark, on);
            };
        };
        const Change reduced = [](TestFrameClock &, DropMark &, bool on) { Motion::instance()->setReduced(on); };

        row("window hidden", false, [](TestFrameClock &test, DropMark &, bool on) { on ? test.m_window->hide() : test.m_window->show(); });
        row("window minimised", false,
            [](TestFrameClock &test, DropMark &, bool on) { on ? test.m_window->showMinimized() : test.m_window->showNormal(); });
        row("drawing stopped", false, [](TestFrameClock &, DropMark &mark, bool on) { mark.setRunning(!on); });
        row("parent hidden", false, [](TestFrameClock &test, DropMark &, bool on) { test.m_window->contentItem()->setVisible(!on); });
        row("another window active", false, background);
        row("another window active, downloads running", true, busy(background));
        row("reduced motion", false, reduced);
        row("reduced motion, downloads running", false, busy(reduced));
    }

    void clockFollowsWindowAndMotion()
    {
        QFETCH(Change, change);
        QFETCH(bool, ticking);
        auto *mark = new DropMark;
        mark->setAnimated(true);
        QVERIFY(showWith(mark));
        FrameClock *clock = FrameClock::forWindow(m_window.get());
        QTRY_VERIFY(clock->isTicking());
        QVERIFY(mark->isTicking());
        change(*this, *mark, true);
        QTRY_COMPARE(clock->isTicking(), ticking);
        QCOMPARE(mark->isTicking(), ticking);
        change(*this, *mark, false);
        QTRY_VERIFY(clock->isTicking());
        QVERIFY(mark->isTicking());
    }

    void restsWithoutInputUnlessBusy()
    {
        Motion::instance()->setRestDelay(300);
        QVERIFY(showWith(new SignalLine));
        FrameClock *clock = FrameClock::forWindow(m_window.get());
        QTRY_VERIFY(clock->isTicking());
        QTRY_VERIFY(!clock->isTicking());
        QVERIFY(clock->isResting());

        // Any input wakes the drawings at once.
        QTest::mouseMove(m_window.get(), QPoint(50, 20));
        QVERIFY(clock->isTicking());
        QTRY_VERIFY(!clock->isTicking());

        // A download starting wakes them too, and keeps them moving until it ends: the clock
        // ticks through twice the rest delay (ticks come at most sixty a second) unstopped.
        Motion::instance()->setBusy(true);
        QVERIFY(clock->isTicking());
        QSignalSpy stops(clock, &FrameClock::tickingChanged);
        QSignalSpy ticks(clock, &FrameClock::ticked);
        QTRY_VERIFY(ticks.count() >= 36);
        QCOMPARE(stops.count(), 0);
        Motion::instance()->setBusy(false);
        QTRY_VERIFY(!clock->isTicking());
    }

    void desktopPreference_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("reduced"); // -1: says nothing

        const QString appearance = u"org.freedesktop.appearance"_s, gnome = u"org.gnome.desktop.interface"_s;
        QTest::newRow("reduced motion asked") << appearance << u"reduced-motion"_s << QVariant(1u) << 1;
        QTest::newRow("no preference") << appearance << u"reduced-motion"_s << QVariant(0u) << 0;
        QTest::newRow("wrapped twice, as Read answers")
            << appearance << u"reduced-motion"_s << QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(1u)))) << 1;
        QTest::newRow("animations off") << gnome << u"enable-animations"_s << QVariant(false) << 1;
        QTest::newRow("animations as text") << gnome << u"enable-animations"_s << QVariant(u"false"_s) << -1;
        QTest::newRow("another setting") << appearance << u"color-scheme"_s << QVariant(1u) << -1;
    }

    void desktopPreference()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(int, reduced);
        const auto answer = DesktopMotionPreference::reducedFromSetting(group, key, value);
        QCOMPARE(answer ? int(*answer) : -1, reduced);
        // What gsettings and dconf print for the GNOME key reads the same.
        if (key == u"enable-animations" && value.metaType() == QMetaType::fromType<bool>()) {
            const QByteArray printed = value.toBool() ? "true\n" : "false\n";
            QCOMPARE(DesktopMotionPreference::reducedFromAnimationsValue(printed), answer);
        }
        QCOMPARE(DesktopMotionPreference::reducedFromAnimationsValue("No such schema\n"), std::nullopt);
    }

private:
    QQuickItem *showWith(QQuickItem *item);

    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QQuickWindow> m_other;
};

QQuickItem *TestFrameClock::showWith(QQuickItem *item)
{
    item->setParentItem(m_window->contentItem());
    item->setSize(QSizeF(200, 40));
    m_window->show();
    m_window->requestActivate();
    return QTest::qWaitForWindowActive(m_window.get()) ? item : nullptr;
}

QTEST_MAIN(TestFrameClock)
#include "tst_frameclock.moc"
