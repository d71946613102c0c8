#include "shell.h"

#include "base/format.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "history/historylist.h"
#include "i18n/i18n.h"
#include "intake/linkextraction.h"
#include "intake/linkintake.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <utility>

Shell::Shell(Downloader *downloader, QObject *parent)
    : QObject(parent)
    , m_downloader(downloader)
    , m_cardChoice(downloader->settings())
    , m_browsers(downloader)
{
    connect(m_downloader->queue(), &DownloadQueue::activeCountChanged, this, &Shell::activityChanged);
    connect(m_downloader->queue(), &DownloadQueue::settingWanted, this, &Shell::showSetting);
    connect(m_downloader->history(), &HistoryList::totalBytesChanged, this, &Shell::historyChanged);
    connect(m_downloader->history(), &HistoryList::countChanged, this, &Shell::historyChanged);
    connect(m_downloader->engine(), &EngineSetup::engineChanged, this, &Shell::engineChanged);
    connect(m_downloader->engine(), &EngineSetup::ytdlpVersionChanged, this, &Shell::engineChanged);
    connect(m_downloader, &Downloader::fileGone, this, [this](const QString &path) {
        m_notice.show(
            LF("%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.", QFileInfo(path).fileName()));
    });
    connect(m_downloader, &Downloader::linksImported, &m_notice, &Notice::show);
}

void Shell::importLinks(const QUrl &file)
{
    if (!file.isLocalFile())
        return;
    setSection(AppSection::downloads);
    m_downloader->importLinks(file.toLocalFile());
}

bool Shell::isLinkFile(const QUrl &url)
{
    return url.isLocalFile() && url.path().endsWith(QLatin1StringView(".txt"), Qt::CaseInsensitive);
}

void Shell::setWindowDrawn()
{
    if (m_windowDrawn)
        return;
    m_windowDrawn = true;
    emit windowDrawnChanged();
}

void Shell::notePageShown()
{
    if (m_pageShown)
        return;
    m_pageShown = true;
    emit firstPageShown();
}

void Shell::setStartAtLoginProblem(const QString &problem)
{
    if (problem == m_startAtLoginProblem)
        return;
    m_startAtLoginProblem = problem;
    emit startAtLoginProblemChanged();
}

void Shell::setSection(AppSection section)
{
    if (m_section == section)
        return;
    m_section = section;
    emit sectionChanged();
}

WantedSetting Shell::takeSettingsFocus()
{
    return std::exchange(m_settingsFocus, WantedSetting::none);
}

void Shell::showSetting(WantedSetting row)
{
    m_settingsFocus = row;
    setSection(AppSection::settings);
}

void Shell::addFromUI(const QString &text)
{
    m_downloader->queue()->add(text, m_cardChoice.quality(), m_cardChoice.playlist());
    setSection(AppSection::downloads);
}

QString Shell::badge() const
{
    const int active = m_downloader->queue()->activeCount();
    return active >= 1 ? QString::number(active) : QString();
}

bool Shell::busy() const
{
    return m_downloader->queue()->activeCount() > 0;
}

QString Shell::totalText() const
{
    const qint64 total = m_downloader->history()->totalBytes();
    return total < 1 ? QStringLiteral("—") : Tools::fmtBytes(double(total));
}

QString Shell::fileCountText() const
{
    // One entry per download, and a playlist's download holds many files.
    const int count = m_downloader->history()->count();
    return LP("%ld download|%ld downloads", count);
}

QString Shell::engineText() const
{
    const EngineSetup &engine = *m_downloader->engine();
    return engine.complete() ? LF("Motor pronto · yt-dlp %@", engine.ytdlpVersion()) : L("Motor incompleto");
}

bool Shell::engineComplete() const
{
    return m_downloader->engine()->complete();
}

void Shell::handleDrop(const QList<QUrl> &urls, const QString &text)
{
    setSection(AppSection::downloads);
    const auto addLinks = [this](const QString &piece) {
        if (extractURLs(piece).isEmpty())
            return false;
        m_downloader->queue()->add(piece, m_cardChoice.quality(), m_cardChoice.playlist());
        return true;
    };
    bool added = false;
    for (const QUrl &url : urls) {
        // A text file dropped is a list of links, read as the menu's import reads it.
        if (isLinkFile(url)) {
            m_downloader->importLinks(url.toLocalFile());
            added = true;
            continue;
        }
        added = addLinks(url.toString(QUrl::FullyEncoded)) || added;
    }
    // Addresses that are no web links (files) leave the text that came with them.
    if (!added && !text.isEmpty())
        added = addLinks(text);
    if (!added)
        m_notice.show(L("Não havia link no que você soltou."));
}

void Shell::addFromClipboard()
{
    if (!m_downloader->intake()->addFromClipboard())
        m_notice.show(L("Não há link na área de transferência."));
}

bool Shell::dragHoldsLink(const QList<QUrl> &urls, const QString &text) const
{
    const auto isWebLink = [](const QUrl &url) { return url.scheme() == u"http" || url.scheme() == u"https"; };
    return std::any_of(urls.begin(), urls.end(), isWebLink) || std::any_of(urls.begin(), urls.end(), isLinkFile)
           || !extractURLs(text).isEmpty();
}

void Shell::showLog(DownloadItem *item)
{
    if (item)
        emit logRequested(item);
}

void Shell::copy(const QString &text) const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

int Shell::runningDownloads() const
{
    const auto &items = m_downloader->queue()->items()->items();
    return int(std::count_if(items.begin(), items.end(), [](const DownloadItem *item) { return item->state().isActive(); }));
}

QString Shell::quitQuestion(int running) const
{
    return LP("Há %ld download em andamento|Há %ld downloads em andamento", running);
}

void Shell::requestQuit()
{
    const int running = runningDownloads();
    if (running == 0) {
        emit quitAccepted();
        return;
    }
    emit quitConfirmationRequested(running);
}

void Shell::quitAnyway()
{
    // Only what still runs now: a download may have finished while the question was open.
    m_downloader->queue()->terminateAll();
    emit quitAccepted();
}
