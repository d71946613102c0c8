#include "linkfile.h"

#include "i18n/i18n.h"
#include "intake/linkextraction.h"

#include <QFile>
#include <QFileInfo>

LinkFile readLinkFile(const QString &path)
{
    LinkFile result;
    const QFileInfo info(path);
    const QString name = info.fileName();
    // A FIFO or a device would keep the reader waiting for good.
    if (!info.exists() || !info.isFile()) {
        result.problem = LF("Não foi possível ler %@.", name);
        return result;
    }
    if (info.size() > kLinkFileLimit) {
        result.problem = LF("%@ é grande demais para uma lista de links.", name);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = LF("Não foi possível ler %@.", name);
        return result;
    }
    // Read up to the limit even when the file grew since it was measured.
    const QString text = QString::fromUtf8(file.read(kLinkFileLimit));
    result.links = extractURLs(text);
    if (result.links.isEmpty())
        result.links = schemelessAddresses(text);
    return result;
}
