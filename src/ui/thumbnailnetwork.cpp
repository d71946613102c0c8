#include "thumbnailnetwork.h"

#include "intake/urlscheme.h"
#include "settings/settings.h"

#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

// The ways out as the settings last said, read by the image loaders' threads: the user's
// proxy (or none) and the guard, which goes on through it. Absent when the setting names a
// proxy Qt cannot speak, or the guard could not start.
struct ThumbnailNetworkFactory::Route
{
    struct Ways
    {
        QNetworkProxy user;
        QNetworkProxy guard;
    };
    mutable QMutex lock;
    std::optional<Ways> ways;

    void set(const std::optional<Ways> &value)
    {
        QMutexLocker locker(&lock);
        ways = value;
    }
    std::optional<Ways> get() const
    {
        QMutexLocker locker(&lock);
        return ways;
    }
};

namespace {

// Chosen for every connection, redirects included: a host the address itself places in the
// local network (the user's own pages' posters) is reached the way the engine reaches it;
// any other goes through the guard, which resolves it and refuses what leads there.
class ThumbnailProxies : public QNetworkProxyFactory
{
public:
    explicit ThumbnailProxies(std::shared_ptr<const ThumbnailNetworkFactory::Route> route)
        : m_route(std::move(route))
    {
    }

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        const auto ways = m_route->get();
        // Without a way out, the guard's port at 0 reaches nothing.
        if (!ways)
            return {QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 0)};
        return {isLocalNetworkHost(query.url().host()) ? ways->user : ways->guard};
    }

private:
    std::shared_ptr<const ThumbnailNetworkFactory::Route> m_route;
};

class ThumbnailNetwork : public QNetworkAccessManager
{
public:
    ThumbnailNetwork(std::shared_ptr<const ThumbnailNetworkFactory::Route> route, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_route(route)
    {
        setProxyFactory(new ThumbnailProxies(std::move(route)));
    }

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *data) override
    {
        const QString scheme = request.url().scheme().toLower();
        if (op != GetOperation || (scheme != u"http" && scheme != u"https") || !m_route->get()) {
            // An address no handler takes: the reply fails at once and nothing is sent.
            return QNetworkAccessManager::createRequest(op, QNetworkRequest(QUrl(QStringLiteral("refused:thumbnail"))), data);
        }
        QNetworkRequest safe(request);
        safe.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
        // A poster does not change: one kept on disk is shown without asking its host again,
        // whatever the host says of freshness, as rows scroll in and out of view.
        safe.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
        QNetworkReply *reply = QNetworkAccessManager::createRequest(op, safe, data);
        // Every hop is looked at: none from https down to http, and none from a poster
        // outside the local network to an address in it (a name that resolves there is the
        // guard's to refuse).
        const bool fromLocal = isLocalNetworkHost(request.url().host());
        const bool secure = scheme == u"https";
        connect(reply, &QNetworkReply::redirected, reply, [reply, fromLocal, secure](const QUrl &next) {
            if ((secure && next.scheme().toLower() != u"https") || (!fromLocal && isLocalNetworkHost(next.host())))
                reply->abort();
            else
                emit reply->redirectAllowed();
        });
        return reply;
    }

private:
    std::shared_ptr<const ThumbnailNetworkFactory::Route> m_route;
};

} // namespace

ThumbnailNetworkFactory::ThumbnailNetworkFactory(Settings *settings, const QString &cacheDir, QObject *parent)
    : QObject(parent)
    , m_route(std::make_shared<Route>())
    , m_guard(new GuardProxy(GuardRule::publicOnly(), this))
    , m_cacheDir(cacheDir)
{
    // Started here, on the window's thread: the loaders' threads only read its address.
    const bool guarding = m_guard->start();
    const QNetworkProxy guard(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), m_guard->port());
    const auto follow = [settings, route = m_route, this, guarding, guard] {
        std::optional<QNetworkProxy> user = networkProxyFor(settings->string(SettingsKey::proxy).value_or(QString()));
        if (user)
            m_guard->setUpstream(*user);
        if (user && user->type() == QNetworkProxy::DefaultProxy)
            user = QNetworkProxy(QNetworkProxy::NoProxy);
        // Without a guard, or with a proxy neither Qt nor the guard can go through, nothing is fetched.
        route->set(user && guarding ? std::optional(Route::Ways{*user, guard}) : std::nullopt);
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
