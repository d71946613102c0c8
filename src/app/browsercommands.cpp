#include "browsercommands.h"

#include "base/terminal.h"
#include "i18n/i18n.h"
#include "platform/browserhosts.h"
#include "settings/settings.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QString line(const BrowserHosts::Place &place)
{
    return QStringLiteral("  %1: %2").arg(Browsers::installName(*place.browser, place.install), Settings::displayPath(place.file));
}

} // namespace

int runBrowserRegistration(bool unregister, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vireloom"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vireloom"));
    const QString host = BrowserHosts::hostProgram();
    if (!unregister && host.isEmpty()) {
        printLine(L("O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom."),
                  stderr);
        return 1;
    }
    const Browsers::Roots roots = Browsers::Roots::current();
    const QString record = BrowserHosts::defaultRecordFile();
    const BrowserHosts::Outcome outcome =
        unregister ? BrowserHosts::unregisterBrowsers(roots, host, record) : BrowserHosts::registerBrowsers(roots, host, record);
    const auto list = [](const QString &heading, const QList<BrowserHosts::Place> &places, FILE *stream = stdout) {
        if (places.isEmpty())
            return;
        printLine(heading, stream);
        for (const BrowserHosts::Place &place : places)
            printLine(line(place), stream);
    };
    if (unregister) {
        list(L("Removido dos navegadores:"), outcome.removed);
        if (outcome.removed.isEmpty() && outcome.failed.isEmpty())
            printLine(L("Nenhum navegador estava configurado pelo Vireloom."));
    } else {
        list(L("Configurado nos navegadores:"), outcome.written);
        if (outcome.wroteFlatpak())
            printLine(L("Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada."));
        if (outcome.written.isEmpty() && outcome.failed.isEmpty() && outcome.kept.isEmpty())
            printLine(L("Nenhum navegador compatível foi encontrado."));
    }
    list(L("Deixado como está, pois não foi escrito pelo Vireloom:"), outcome.kept);
    list(L("Não consegui mudar:"), outcome.failed, stderr);
    if (!outcome.failed.isEmpty())
        return 1;
    return unregister || !outcome.written.isEmpty() ? 0 : 1;
}
