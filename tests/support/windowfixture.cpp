#include "windowfixture.h"

#include "base/paths.h"
#include "design/appear.h"
#include "engine/downloadqueue.h"
#include "history/historylist.h"
#include "installer/install.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "ui/mainwindow.h"
#include "ui/shell.h"

#include <QDir>
#include <QQmlIncubationController>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class SlicedIncubation : public QObject, public QQmlIncubationController
{
public:
    SlicedIncubation() { startTimer(1); }

protected:
    void timerEvent(QTimerEvent *) override { incubateFor(1); }
};

auto named(QStringView name)
{
    return [name](const QQuickItem *item) { return item->objectName() == name; };
}

} // namespace

WindowFixture::WindowFixture(const QStringList &systemDirs)
{
    QDir root(m_root.path());
    root.mkpath(u"home/Downloads"_s);
    root.mkpath(u"system"_s);
    qputenv("HOME", root.filePath(u"home"_s).toLocal8Bit());
    Tools::setLocations({root.filePath(u"support"_s), systemDirs.isEmpty() ? QStringList{root.filePath(u"system"_s)} : systemDirs,
                         root.filePath(u"cache"_s)});
    QDir().mkpath(Tools::binDir());
    m_settings = std::make_unique<Settings>(root.filePath(u"settings.conf"_s));
    // Only the local server is ever asked: no look at the release location.
    m_settings->setValue(SettingsKey::checkEngineUpdates, false);
}

// The window goes before the objects its bindings read.
WindowFixture::~WindowFixture()
{
    m_engine.reset();
    m_shell.reset();
    m_downloader.reset();
}

Downloader &WindowFixture::downloader()
{
    if (!m_downloader) {
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        m_downloader->setDesktop(&desktop);
        m_downloader->setClipboard(&clipboard);
    }
    return *m_downloader;
}

Shell &WindowFixture::shell()
{
    if (!m_shell)
        m_shell = std::make_unique<Shell>(&downloader());
    return *m_shell;
}

bool WindowFixture::show(QSize size)
{
    m_engine = std::make_unique<QQmlApplicationEngine>();
    if (buildInSlices) {
        m_incubation = std::make_unique<SlicedIncubation>();
        m_engine->setIncubationController(m_incubation.get());
    }
    m_window = loadMainWindow(*m_engine, shell());
    if (!m_window)
        return false;
    m_window->setMinimumSize(size.boundedTo(QSize(960, 640)));
    m_window->resize(size);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window) && waitForPage();
}

bool WindowFixture::waitForPage() const
{
    // Pages are built between frames, from the first frame on: wait until the one asked
    // for last is there.
    const QObject *page = m_window->findChild<QObject *>(QStringLiteral("page"));
    constexpr int null = 0, loading = 2; // Loader.Null, Loader.Loading
    const auto ready = [page] {
        const int status = page ? page->property("status").toInt() : null;
        return status != null && status != loading;
    };
    return QTest::qWaitFor(ready) && QQuickTest::qWaitForPolish(m_window);
}

bool WindowFixture::waitForEntrances() const
{
    const auto settled = [this] {
        const auto *page = m_window->findChild<QObject *>(QStringLiteral("page"));
        const auto *shown = page ? page->property("item").value<QQuickItem *>() : nullptr;
        if (shown && shown->opacity() < 1.0)
            return false;
        return findItems(m_window->contentItem(),
                         [](QQuickItem *item) {
                             const auto *appear = qobject_cast<AppearAttached *>(qmlAttachedPropertiesObject<Appear>(item, false));
                             return appear && item->isVisible() && (!appear->isOn() || item->opacity() < 1.0);
                         })
            .isEmpty();
    };
    return waitForPage() && QTest::qWaitFor(settled) && QQuickTest::qWaitForPolish(m_window);
}

QQuickItem *WindowFixture::find(QStringView name, QQuickItem *under) const
{
    waitForPage();
    return findItems(under ? under : m_window->contentItem(), named(name)).value(0);
}

QList<QQuickItem *> WindowFixture::findAll(QStringView name) const
{
    waitForPage();
    return findItems(m_window->contentItem(), named(name));
}

QString WindowFixture::textOf(QStringView name, QQuickItem *under) const
{
    QQuickItem *item = find(name, under);
    return item ? item->property("text").toString() : u"<no %1>"_s.arg(name);
}

void WindowFixture::click(QQuickItem *item, Qt::MouseButton button)
{
    QVERIFY(item);
    QTRY_VERIFY(item->isVisible());
    for (QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (!up->inherits("QQuickFlickable"))
            continue;
        const qreal shownAt = item->mapToItem(up, QPointF()).y();
        if (shownAt >= 0 && shownAt + item->height() <= up->height())
            break;
        auto *content = up->property("contentItem").value<QQuickItem *>();
        const qreal top = item->mapToItem(content, QPointF()).y();
        const qreal bottom = std::max<qreal>(0, up->property("contentHeight").toReal() - up->height());
        up->setProperty("contentY", std::clamp<qreal>(top - up->height() / 2, 0, bottom) + up->property("originY").toReal());
        break;
    }
    QVERIFY(QQuickTest::qWaitForPolish(m_window));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(m_window, button, Qt::NoModifier, centre.toPoint());
}

// QTest types into widgets only; a window gets its key events one character at a time.
void WindowFixture::typeText(const QString &text)
{
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(m_window, &release);
    }
}

void WindowFixture::makeProgram(const QString &name, const QByteArray &body)
{
    QVERIFY(writeFile(QDir(Tools::binDir()).filePath(name), "#!/bin/sh\n" + body + "\n"));
    Tools::makeExecutable(QDir(Tools::binDir()).filePath(name));
}

DownloadItem *WindowFixture::addItem(const DLState &state, const QString &title)
{
    auto *item = new DownloadItem(u"https://example.org/v"_s, Quality::best, false);
    item->setTitle(title);
    item->setState(state);
    downloader().queue()->items()->prepend(item);
    return item;
}

HistoryEntry WindowFixture::addEntry(const QString &title, const QString &url, const QString &site, const QString &quality,
                                     std::optional<QString> file)
{
    const HistoryEntry entry{QUuid::createUuid(), title, url, file, site, quality, QDateTime::currentDateTimeUtc().addSecs(-2 * 3600), {},
                             12'300'000};
    downloader().history()->prepend(entry);
    return entry;
}
