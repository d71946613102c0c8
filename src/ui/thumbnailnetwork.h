#pragma once

#include <QNetworkProxy>
#include <QObject>
#include <QQmlNetworkAccessManagerFactory>
#include <QString>

#include <memory>
#include <optional>

class Settings;

// How Qt reaches the network through the proxy the user set for the engine: absent when
// Qt cannot speak that kind of proxy (https, socks4), so that nothing goes around it.
// An empty setting leaves the default, as it does for the engine.
std::optional<QNetworkProxy> networkProxyFor(const QString &proxy);

// The window fetches thumbnails (posters of the pages) itself. They are fetched only over
// http and https, and only through the proxy that the downloads use: a page's poster
// must not reveal the user's address when the user chose to hide it.
class ThumbnailNetworkFactory : public QObject, public QQmlNetworkAccessManagerFactory
{
public:
    // Follows the proxy setting as it changes, and keeps what it fetched in `cacheDir`
    // (empty: no disk cache), up to kCacheBytes, the least recently fetched going first.
    // The factory must outlive the QML engine it is given to: a parent destroyed after the
    // engine keeps it.
    ThumbnailNetworkFactory(Settings *settings, const QString &cacheDir, QObject *parent = nullptr);

    static constexpr qint64 kCacheBytes = 100 * 1000 * 1000;
    ~ThumbnailNetworkFactory() override;

    // Called on the threads that load images.
    QNetworkAccessManager *create(QObject *parent) override;

    struct Route;

private:
    std::shared_ptr<Route> m_route;
    QString m_cacheDir;
};
