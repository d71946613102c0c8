// A stand-in launch for the single-instance tests: claims the instance at the socket
// path given first (an empty one: the default path), prints its role, and as the primary prints every message it gets
// until it has lived for VIRELOOM_TEST_LINGER_MS.

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString socketPath = arguments.takeFirst();
    if (socketPath.isEmpty())
        socketPath = SingleInstance::defaultSocketPath();
    QTextStream out(stdout);

    SingleInstance instance(socketPath);
    switch (instance.claim(arguments)) {
    case SingleInstance::Role::Forwarded:
        out << "forwarded" << Qt::endl;
        return 0;
    case SingleInstance::Role::Failed:
        out << "failed" << Qt::endl;
        return 2;
    case SingleInstance::Role::Primary:
        out << "primary" << Qt::endl;
        break;
    }
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &app,
                     [&out](const QStringList &received) { out << "received " << received.join(u'|') << Qt::endl; });
    QTimer::singleShot(qEnvironmentVariableIntValue("VIRELOOM_TEST_LINGER_MS"), &app, &QCoreApplication::quit);
    return app.exec();
}
