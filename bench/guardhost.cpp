// The guard proxy on its own, for bench/measure-download (GUARD=1): the bench's server is
// on 127.0.0.1, so this guard takes loopback for the internet and refuses everything else.
// Prints its port, then relays until it is terminated.
#include "engine/guardproxy.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    GuardProxy guard({[](const QString &) { return true; }, [](const QHostAddress &address, quint16) { return address.isLoopback(); }});
    if (!guard.start())
        return 1;
    QTextStream(stdout) << guard.port() << Qt::endl;
    return app.exec();
}
