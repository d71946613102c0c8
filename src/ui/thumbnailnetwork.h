#pragma once

#include "engine/guardproxy.h"

#include <QNetworkProxy>
#include <QObject>
#include <QQmlNetworkAccessManagerFactory>
#include <QString>

#include <memory>
#include <optional>

class Settings;

// The window fetches thumbnails (posters of the pages) itself. They are fetched only over
// http and https, and only through the proxy that the downloads use: a page's poster
// must not reveal the user's address when the user chose to hide it.
// A poster's address is remote text, and so is every redirect it answers with: a poster
// outside the local network reaches it by no hop. Each hop to a host outside goes through
// a guard proxy of the factory's own, which resolves it, refuses names that lead into the
// local network and goes on through the user's proxy. A poster whose own address is in the
// local network (the user's own pages) is fetched as before; a guarded item has none (see
// applyReading).
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
    GuardProxy *m_guard;
    QString m_cacheDir;
};
