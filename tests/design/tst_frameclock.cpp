#include "design/desktopmotionpreference.h"
#include "design/dropmark.h"
#include "design/frameclock.h"
#include "design/motion.h"
#include "design/signalline.h"

#include <QDBusVariant>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Change { Hide, Minimise, StopDrawing, HideParent, Background, BackgroundWhileBusy, ReducedMotion, ReducedMotionWhileBusy };

} // namespace

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

        QTest::newRow("window hidden") << Change::Hide << false;
        QTest::newRow("window minimised") << Change::Minimise << false;
        QTest::newRow("drawing stopped") << Change::StopDrawing << false;
        QTest::newRow("parent hidden") << Change::HideParent << false;
        QTest::newRow("another window active") << Change::Background << false;
        QTest::newRow("another window active, downloads running") << Change::BackgroundWhileBusy << true;
        QTest::newRow("reduced motion") << Change::ReducedMotion << false;
        QTest::newRow("reduced motion, downloads running") << Change::ReducedMotionWhileBusy << false;
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

        auto apply = [&](bool on) {
            switch (change) {
            case Change::Hide:
                on ? m_window->hide() : m_window->show();
                break;
            case Change::Minimise:
                on ? m_window->showMinimized() : m_window->showNormal();
                break;
            case Change::StopDrawing:
                mark->setRunning(!on);
                break;
            case Change::HideParent:
                m_window->contentItem()->setVisible(!on);
                break;
            case Change::BackgroundWhileBusy:
                Motion::instance()->setBusy(on);
                [[fallthrough]];
            case Change::Background:
                if (on) {
                    m_other = std::make_unique<QQuickWindow>();
                    m_other->show();
                    m_other->requestActivate();
                } else {
                    m_other.reset();
                    m_window->requestActivate();
                }
                break;
            case Change::ReducedMotionWhileBusy:
                Motion::instance()->setBusy(on);
                [[fallthrough]];
            case Change::ReducedMotion:
                Motion::instance()->setReduced(on);
                break;
            }
        };
        apply(true);
        QTRY_COMPARE(clock->isTicking(), ticking);
        QCOMPARE(mark->isTicking(), ticking);
        apply(false);
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
