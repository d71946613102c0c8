#include "design/appbackground.h"
#include "design/dropmark.h"
#include "design/frameclock.h"
#include "design/nebula.h"
#include "design/signalline.h"
#include "design/starfield.h"

#include <QElapsedTimer>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A drawing that only counts how often it is drawn.
class CountingDrawing : public ArtworkItem
{
public:
    using ArtworkItem::ArtworkItem;
    void setRate(int framesPerSecond)
    {
        rate = framesPerSecond;
        animationChanged();
    }
    int frames = 0;

protected:
    int rate = 60;
    int framesPerSecond() const override { return rate; }
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *) override
    {
        ++frames;
        return node;
    }
};

} // namespace

// The drawings' clock: it runs only while a window shows something animated, and stops
// the moment the window is hidden, minimised or nothing wants frames.
class TestFrameClock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ticksWhileShown();
    void stopsWhenHiddenAndResumes();
    void stopsWhenMinimised();
    void restingDrawingsStopTheClock();
    void invisibleDrawingsStopTheClock();
    void stillMarkDrawsOnce();
    void animatedMarkTicks();
    void ratesAreCapped();
    void backgroundPassesRunningOn();

private:
    // Ticks of the window's clock within `ms` milliseconds.
    int ticksWithin(int ms);
    template<typename T>
    T *add(double width = 200, double height = 40)
    {
        auto *item = new T(m_window->contentItem());
        item->setSize(QSizeF(width, height));
        return item;
    }

    std::unique_ptr<QQuickWindow> m_window;
};

void TestFrameClock::init()
{
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(300, 200);
}

void TestFrameClock::cleanup()
{
    m_window.reset();
}

int TestFrameClock::ticksWithin(int ms)
{
    QSignalSpy ticks(FrameClock::forWindow(m_window.get()), &FrameClock::ticked);
    QTest::qWait(ms);
    return int(ticks.count());
}

void TestFrameClock::ticksWhileShown()
{
    auto *line = add<SignalLine>();
    QVERIFY(!line->isTicking());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(line->isTicking());
    QSignalSpy frames(m_window.get(), &QQuickWindow::frameSwapped);
    QVERIFY(ticksWithin(300) > 3);
    QVERIFY(frames.count() > 3);
}

void TestFrameClock::stopsWhenHiddenAndResumes()
{
    auto *line = add<SignalLine>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    FrameClock *clock = FrameClock::forWindow(m_window.get());
    QTRY_VERIFY(clock->isTicking());

    QSignalSpy changes(line, &ArtworkItem::tickingChanged);
    m_window->hide();
    QTRY_VERIFY(!clock->isTicking());
    QVERIFY(!line->isTicking());
    QCOMPARE(changes.count(), 1);
    QSignalSpy frames(m_window.get(), &QQuickWindow::frameSwapped);
    QCOMPARE(ticksWithin(300), 0);
    QCOMPARE(frames.count(), 0);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(clock->isTicking());
    QVERIFY(line->isTicking());
    QVERIFY(ticksWithin(300) > 3);
}

void TestFrameClock::stopsWhenMinimised()
{
    add<SignalLine>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    FrameClock *clock = FrameClock::forWindow(m_window.get());
    QTRY_VERIFY(clock->isTicking());

    m_window->showMinimized();
    QTRY_COMPARE(m_window->visibility(), QWindow::Minimized);
    QTRY_VERIFY(!clock->isTicking());
    QCOMPARE(ticksWithin(200), 0);

    m_window->showNormal();
    QTRY_VERIFY(clock->isTicking());
}

void TestFrameClock::restingDrawingsStopTheClock()
{
    auto *line = add<SignalLine>();
    auto *nebula = add<Nebula>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    FrameClock *clock = FrameClock::forWindow(m_window.get());
    QTRY_VERIFY(clock->isTicking());

    line->setRunning(false);
    QVERIFY(!line->isTicking());
    QVERIFY(clock->isTicking()); // the nebula still runs
    nebula->setRunning(false);
    QVERIFY(!clock->isTicking());
    QCOMPARE(ticksWithin(200), 0);

    line->setRunning(true);
    QVERIFY(clock->isTicking());
    QVERIFY(line->isTicking());
    QVERIFY(!nebula->isTicking());
}

void TestFrameClock::invisibleDrawingsStopTheClock()
{
    auto *stars = add<Starfield>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    FrameClock *clock = FrameClock::forWindow(m_window.get());
    QTRY_VERIFY(clock->isTicking());

    stars->setVisible(false);
    QVERIFY(!clock->isTicking());
    stars->setVisible(true);
    QVERIFY(clock->isTicking());
    // A parent's visibility counts too.
    m_window->contentItem()->setVisible(false);
    QVERIFY(!clock->isTicking());
    m_window->contentItem()->setVisible(true);
    QVERIFY(clock->isTicking());
    stars->setSize(QSizeF(0, 0));
    QVERIFY(!clock->isTicking());
}

void TestFrameClock::stillMarkDrawsOnce()
{
    auto *mark = add<DropMark>(30, 30);
    QSignalSpy frames(m_window.get(), &QQuickWindow::frameSwapped);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(frames.count() > 0);
    QVERIFY(!mark->isTicking());
    QVERIFY(!FrameClock::forWindow(m_window.get())->isTicking());
    frames.clear();
    QTest::qWait(300);
    QCOMPARE(frames.count(), 0);

    // Switching the animation on hands it to the clock; off again, it rests.
    mark->setAnimated(true);
    QVERIFY(mark->isTicking());
    QTRY_VERIFY(frames.count() > 2);
    mark->setAnimated(false);
    QVERIFY(!mark->isTicking());
}

void TestFrameClock::animatedMarkTicks()
{
    auto *mark = add<DropMark>(30, 30);
    mark->setAnimated(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(mark->isTicking());
    QVERIFY(ticksWithin(300) > 3);
}

void TestFrameClock::ratesAreCapped()
{
    // A slow drawing next to a fast one: the clock ticks for the fast one, and the slow
    // one is still drawn no more often than it asked.
    auto *slow = add<CountingDrawing>();
    slow->setRate(24);
    auto *fast = add<CountingDrawing>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(fast->isTicking());
    QCOMPARE(FrameClock::forWindow(m_window.get())->tickInterval(), 17);

    QTest::qWait(200);
    slow->frames = 0;
    fast->frames = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    QTest::qWait(1000);
    const double seconds = double(elapsed.elapsed()) / 1000;
    QVERIFY2(slow->frames <= 24 * seconds + 2, qPrintable(QString::number(slow->frames)));
    QVERIFY2(fast->frames <= 60 * seconds + 2, qPrintable(QString::number(fast->frames)));
    QVERIFY(slow->frames > 3);
    QVERIFY(fast->frames > slow->frames);
}

void TestFrameClock::backgroundPassesRunningOn()
{
    auto *background = new AppBackground(m_window->contentItem());
    background->setSize(QSizeF(300, 200));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(background->starfield()->isTicking());
    QSignalSpy changed(background, &AppBackground::runningChanged);
    background->setRunning(false);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!background->starfield()->isTicking());
    QCOMPARE(background->starfield()->size(), QSizeF(300, 200));
}

QTEST_MAIN(TestFrameClock)
#include "tst_frameclock.moc"
