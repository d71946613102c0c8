#include "verification.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>

namespace {

bool isSha256Hex(QByteArrayView text)
{
    return text.size() == 64 && std::ranges::all_of(text, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

} // namespace

QByteArray sha256Hex(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

std::optional<QByteArray> listedSum(QByteArrayView sums, QStringView fileName)
{
    const QList<QByteArray> lines = sums.toByteArray().split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArrayView line = QByteArrayView(raw).trimmed();
        const qsizetype gap = line.indexOf(' ');
        const QByteArrayView sum = gap < 0 ? line : line.first(gap);
        if (!isSha256Hex(sum))
            continue;
        QByteArrayView name = gap < 0 ? QByteArrayView() : line.sliced(gap).trimmed();
        if (name.startsWith('*'))
            name = name.sliced(1);
        if (name.isEmpty() || QString::fromUtf8(name) == fileName)
            return sum.toByteArray().toLower();
    }
    return std::nullopt;
}
