#include "thumbnailnetwork.h"

#include "settings/settings.h"

#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

// The proxy as the settings last said, read by the image loaders' threads.
struct ThumbnailNetworkFactory::Route
{
    mutable QMutex lock;
    std::optional<QNetworkProxy> proxy;

    void set(const std::optional<QNetworkProxy> &value)
    {
        QMutexLocker locker(&lock);
        proxy = value;
    }
    std::optional<QNetworkProxy> get() const
    {
        QMutexLocker locker(&lock);
        return proxy;
    }
};

namespace {

class ThumbnailNetwork : public QNetworkAccessManager
{
public:
    ThumbnailNetwork(std::shared_ptr<const ThumbnailNetworkFactory::Route> route, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_route(std::move(route))
    {
    }

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *data) override
    {
        const QString scheme = request.url().scheme().toLower();
        const std::optional<QNetworkProxy> proxy = m_route->get();
        if (op != GetOperation || (scheme != u"http" && scheme != u"https") || !proxy) {
            // An address no handler takes: the reply fails at once and nothing is sent.
            return QNetworkAccessManager::createRequest(op, QNetworkRequest(QUrl(QStringLiteral("refused:thumbnail"))),
                                                        data);
        }
        setProxy(*proxy);
        QNetworkRequest safe(request);
        safe.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        // A poster does not change: one kept on disk is shown without asking its host again,
        // whatever the host says of freshness, as rows scroll in and out of view.
        safe.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
        return QNetworkAccessManager::createRequest(op, safe, data);
    }

private:
    std::shared_ptr<const ThumbnailNetworkFactory::Route> m_route;
};

} // namespace

ThumbnailNetworkFactory::ThumbnailNetworkFactory(Settings *settings, const QString &cacheDir, QObject *parent,
                                                 GuardRule rule)
    : QObject(parent)
    , m_route(std::make_shared<Route>())
    , m_guard(new GuardProxy(std::move(rule), this))
    , m_cacheDir(cacheDir)
{
    // Started here, on the window's thread: the loaders' threads only read its address.
    const QNetworkProxy guard = m_guard->start()
                                    ? QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), m_guard->port())
                                    : QNetworkProxy();
    const auto follow = [settings, route = m_route, this, guard] {
        const std::optional<QNetworkProxy> upstream = networkProxyFor(settings->string(SettingsKey::proxy).value_or(QString()));
        if (upstream)
            m_guard->setUpstream(*upstream);
        // Without a guard, or with a proxy the guard cannot go on through, nothing is fetched.
        route->set(upstream && m_guard->port() != 0 ? std::optional(guard) : std::nullopt);
    };
    follow();
    connect(settings, &Settings::valueChanged, this, [follow](const QString &key) {
        if (key == SettingsKey::proxy)
            follow();
    });
}

ThumbnailNetworkFactory::~ThumbnailNetworkFactory() = default;

QNetworkAccessManager *ThumbnailNetworkFactory::create(QObject *parent)
{
    auto *network = new ThumbnailNetwork(m_route, parent);
    if (!m_cacheDir.isEmpty()) {
        auto *cache = new QNetworkDiskCache(network);
        cache->setCacheDirectory(m_cacheDir);
        cache->setMaximumCacheSize(kCacheBytes);
        network->setCache(cache);
    }
    return network;
}
