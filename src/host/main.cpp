#include "host/browserhost.h"
#include "i18n/i18n.h"
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

// The application is installed beside the host, or where the build placed it relative to
// the host's folder (libexec/vireloom next to bin).
QString application()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.filePath(QStringLiteral("vireloom")), here.filePath(QStringLiteral(VIRELOOM_HOST_TO_APP))}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.canonicalFilePath();
    }
    return {};
}

} // namespace

// The browser starts the host with the caller as its arguments (a Chromium extension's
// origin; Firefox's manifest path and add-on id); the browser has already checked them
// against the manifest, so they are not needed here.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (::isatty(STDIN_FILENO)) {
        std::fputs(qPrintable(L("Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser "
                                               "aberto à mão.")
                              + u'\n'),
                   stderr);
        return 2;
    }
    BrowserHost host({SingleInstance::defaultSocketPath(), application(), QStringLiteral(VIRELOOM_VERSION)});
    return host.serve(STDIN_FILENO, STDOUT_FILENO);
}
