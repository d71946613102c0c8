#include "followingcommands.h"

#include "base/terminal.h"
#include "following/following.h"
#include "following/followingstore.h"
#include "i18n/i18n.h"
#include "platform/singleinstance.h"
#include "settings/settings.h"
#include "ui/followingview.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vireloom"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vireloom"));
}

} // namespace

std::optional<SourceOptions> followOptions(std::optional<Quality> quality)
{
    if (!quality)
        return std::nullopt;
    SourceOptions options;
    options.quality = *quality;
    return options;
}

int runListFollowing(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    setUpApplication();
    const QString path = FollowingStore::defaultPath();
    const std::optional<QList<FollowedSource>> sources = FollowingStore::read(path);
    if (!sources) {
        printLine(LF("Não consegui ler %@.", path), stderr);
        return 1;
    }
    // Tab-separated, for scripts; a title or link holds no tab or line break once simplified.
    for (const FollowedSource &source : *sources) {
        const QString lastCheck = source.lastCheck ? source.lastCheck->toLocalTime().toString(Qt::ISODate) : QStringLiteral("-");
        printLine(QStringList{source.title.isEmpty() ? QStringLiteral("-") : source.title.simplified(), source.url.simplified(), lastCheck,
                              FollowingView::stateText(source, false).simplified()}
                      .join(u'\t'));
    }
    return 0;
}

int storeFollowRequests(const QStringList &links, std::optional<Quality> quality, const QString &socketPath, const QStringList &forwarded,
                        int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    setUpApplication();
    // The instance rewrites the whole file at each change: written beside it, the links
    // would be lost at its next save.
    SingleInstance instance(socketPath);
    switch (instance.lockWithoutListening(forwarded)) {
    case SingleInstance::Role::Forwarded:
        return 0;
    case SingleInstance::Role::Failed:
        printLine(L("Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido."),
                  stderr);
        return 1;
    case SingleInstance::Role::Primary:
        break;
    }
    Settings settings;
    // No event loop runs: the first reading waits for the next start, which reads every
    // source it has not read yet.
    Following following(&settings);
    int refused = 0;
    for (const QString &link : links) {
        if (!following.add(link, 0, followOptions(quality))) {
            printLine(LF("Não é um link que se possa seguir: %@", link), stderr);
            ++refused;
        }
    }
    if (!following.flush()) {
        printLine(LF("Não consegui gravar %@.", FollowingStore::defaultPath()), stderr);
        return 1;
    }
    return refused == 0 ? 0 : 1;
}
