// A stand-in launch for the single-instance tests: claims the instance at the socket
// path given first (an empty one: the default path), prints its role, and as the primary prints every message it gets
// until it has lived for VIRELOOM_TEST_LINGER_MS. With VIRELOOM_TEST_HAND_OVER_FIRST it first
// tries the plain hand-over a later launch of the application makes.

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    // As the application does: a plain hand-over first, before any application object.
    if (qEnvironmentVariableIsSet("VIRELOOM_TEST_HAND_OVER_FIRST") && argc > 1) {
        QStringList arguments;
        for (int i = 2; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        const QString path = argv[1][0] ? QString::fromLocal8Bit(argv[1]) : SingleInstance::defaultSocketPath();
        if (SingleInstance::handOver(path, arguments)) {
            QTextStream(stdout) << "handed over" << Qt::endl;
            return 0;
        }
    }
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
