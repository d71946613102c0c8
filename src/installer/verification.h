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

// The binary packets of an OpenPGP key in ASCII armor, as gpgv reads keyrings; anything
// without armor is taken to be binary already and returned as it is. Empty when the
// armor is damaged.
QByteArray dearmored(QByteArrayView key);

enum class SignatureVerdict {
    good, // made over the data by a key of the keyring
    bad, // altered data, another key, or no signature at all
    uncheckable // gpgv could not be run to tell
};
struct SignatureCheck
{
    SignatureVerdict verdict = SignatureVerdict::uncheckable;
    QString detail; // why it could not be checked
};

// Judges a detached signature with Debian's gpgv, run as a child against `keyring`
// (binary or armored) alone. It waits for the child, so it belongs on a worker thread.
SignatureCheck checkSignature(QByteArrayView data, QByteArrayView signature, QByteArrayView keyring);
