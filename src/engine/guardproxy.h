#pragma once

#include <QHostAddress>
#include <QNetworkProxy>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QThread;

// How Qt reaches the network through the proxy the user set for the engine: absent when
// Qt cannot speak that kind of proxy (https, socks4), so that nothing goes around it.
// An empty setting leaves the default, as it does for the engine.
std::optional<QNetworkProxy> networkProxyFor(const QString &proxy);

// Which destinations the guard lets a run reach. The host is asked about first, as the
// link names it; then every address it resolved to, with the port. One refusal refuses.
struct GuardRule
{
    std::function<bool(const QString &host)> host;
    std::function<bool(const QHostAddress &address, quint16 port)> address;

    // The public internet only: no host or address that isLocalNetworkHost or
    // isLocalNetworkAddress places in the local network.
    static GuardRule publicOnly();
};

// A forwarding proxy of Vireloom's own on 127.0.0.1 that the runs of links from outside go
// through. It resolves every destination itself, refuses those in the local network and
// connects to the very address it checked, so that neither a redirect nor a name that
// answers differently the second time reaches the local network. It speaks plain HTTP
// (absolute-form requests, one per connection) and CONNECT tunnels, and goes out through
// the user's proxy when one is set. Names are always resolved on this machine, even when
// that proxy could resolve them: the check needs the address, and the proxy is then asked
// for that address, not the name.
//
// The traffic is relayed on a thread of its own; this object is used from the thread that
// created it.
class GuardProxy : public QObject
{
    Q_OBJECT

public:
    // How the guard answers what it does not forward: the reason phrases name Vireloom so
    // that the engine's error line says who refused.
    static constexpr QLatin1StringView kRefusedReason{"Refused by Vireloom: local network"};
    static constexpr QLatin1StringView kUnresolvedReason{"Refused by Vireloom: no such host"};
    static constexpr QLatin1StringView kUnreachableReason{"Vireloom could not connect"};

    explicit GuardProxy(GuardRule rule = GuardRule::publicOnly(), QObject *parent = nullptr);
    // Stops relaying: the connections still open are closed.
    ~GuardProxy() override;

    // Starts listening (once; later calls return what the first said). The port is taken
    // at once, so nothing waits for the thread.
    bool start();
    quint16 port() const { return m_port; }
    // Readies the guard for a run whose user-set proxy is `userProxy` (empty for none):
    // starts it and chains it to that proxy. Absent when the guard cannot listen or
    // cannot speak that kind of proxy (https, socks4): the run must not go at all then.
    std::optional<QString> route(const QString &userProxy);
    // "http://127.0.0.1:PORT", what the engine is given as its proxy; empty before start().
    QString address() const;

    // Where connections go out: through this proxy (none: directly). Read as each
    // connection goes out, so a change applies to the connections that follow.
    void setUpstream(const QNetworkProxy &proxy);
    QNetworkProxy upstream() const;

    // The environment of a run that goes through the guard: no variable that names a proxy
    // or the hosts to reach without one, since the engine (and the ffmpeg it runs, which it
    // gives the proxy through http_proxy) would honour them around the guard.
    static QProcessEnvironment guardedEnvironment(QProcessEnvironment environment);

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    QThread *m_thread = nullptr;
    quint16 m_port = 0;
    bool m_started = false;
};
