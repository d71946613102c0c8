#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The SHA-256 of a file in lower-case hex, empty when it cannot be read. It reads the
// whole file, so it belongs on a worker thread.
QByteArray sha256Hex(const QString &path);

// The sum that a sums file in the format of sha256sum ("<hex>  <name>", or "<hex> *<name>"
// for binary mode) gives for `fileName`, in lower-case hex. A line with a sum and no name,
// as some projects publish beside a single file, stands for any name.
std::optional<QByteArray> listedSum(QByteArrayView sums, QStringView fileName);
