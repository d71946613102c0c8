#include "i18n/i18n.h"
#include "settings/settings.h"
#include "tools/tools.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vireloom"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vireloom"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vireloom"));

    Settings settings;
    settings.registerAppDefaults();

    return 0;
}
