#include "verification.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// gpgv checks one small file; a child that takes longer than this is stuck.
constexpr int kSignatureTimeoutMs = 60'000;

bool isSha256Hex(QByteArrayView text)
{
    return text.size() == 64
           && std::ranges::all_of(text, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); });
}

// The CRC-24 that closes an armored block (RFC 4880, section 6.1).
quint32 crc24(QByteArrayView data)
{
    quint32 crc = 0xB704CE;
    for (const char byte : data) {
        crc ^= quint32(quint8(byte)) << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000)
                crc ^= 0x1864CFB;
        }
    }
    return crc & 0xFFFFFF;
}

bool writeAll(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size();
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

QByteArray dearmored(QByteArrayView key)
{
    const qsizetype begin = key.indexOf("-----BEGIN PGP ");
    if (begin < 0)
        return key.toByteArray();
    const QList<QByteArray> lines = key.sliced(begin).toByteArray().split('\n');
    QByteArray body;
    QByteArray checksum;
    bool inHeaders = true;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith("-----END PGP ")) {
            const auto packets = QByteArray::fromBase64Encoding(body, QByteArray::AbortOnBase64DecodingErrors);
            if (!packets || packets.decoded.isEmpty())
                return {};
            // The checksum line is optional; one that is there must match.
            if (!checksum.isEmpty()) {
                const quint32 crc = crc24(packets.decoded);
                const char bytes[] = {char(crc >> 16), char(crc >> 8), char(crc)};
                if (checksum != QByteArray(bytes, sizeof bytes).toBase64())
                    return {};
            }
            return packets.decoded;
        }
        // Header lines ("Comment: ...") run up to the first blank line; base64 has no colon.
        if (inHeaders && (line.isEmpty() || !line.contains(':')))
            inHeaders = false;
        if (inHeaders || line.isEmpty())
            continue;
        if (line.startsWith('='))
            checksum = line.sliced(1);
        else
            body += line;
    }
    return {};
}

SignatureCheck checkSignature(QByteArrayView data, QByteArrayView signature, QByteArrayView keyring)
{
    // Only the system's own gpgv: the engine folder and the PATH are not trusted to provide it.
    const QString gpgv = QStandardPaths::findExecutable(QStringLiteral("gpgv"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    if (gpgv.isEmpty())
        return {SignatureVerdict::uncheckable, QStringLiteral("gpgv is not installed")};
    const QByteArray keys = dearmored(keyring);
    if (keys.isEmpty())
        return {SignatureVerdict::uncheckable, QStringLiteral("the release key is damaged")};

    // gpgv reads files; they go to a folder of their own, which also serves as its home so
    // that nothing of the user's GnuPG setup is read or written.
    QTemporaryDir home;
    const QString keysPath = home.filePath(QStringLiteral("release-keys.gpg"));
    const QString dataPath = home.filePath(QStringLiteral("signed"));
    const QString signaturePath = home.filePath(QStringLiteral("signed.sig"));
    if (!home.isValid() || !writeAll(keysPath, keys) || !writeAll(dataPath, data) || !writeAll(signaturePath, signature))
        return {SignatureVerdict::uncheckable, QStringLiteral("cannot write to %1").arg(QDir::tempPath())};

    QProcess child;
    child.setProgram(gpgv);
    child.setArguments({QStringLiteral("--homedir"), home.path(), QStringLiteral("--status-fd"), QStringLiteral("1"),
                        QStringLiteral("--keyring"), keysPath, signaturePath, dataPath});
    child.setStandardInputFile(QProcess::nullDevice());
    child.start(QIODevice::ReadOnly);
    if (!child.waitForStarted())
        return {SignatureVerdict::uncheckable, child.errorString()};
    if (!child.waitForFinished(kSignatureTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        return {SignatureVerdict::uncheckable, QStringLiteral("gpgv did not finish")};
    }
    if (child.exitStatus() != QProcess::NormalExit)
        return {SignatureVerdict::uncheckable, QStringLiteral("gpgv crashed")};

    // The exit code alone would do; the status lines make sure a signature was really there.
    bool valid = false;
    bool failed = false;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        valid = valid || line.startsWith("[GNUPG:] VALIDSIG ");
        failed = failed || line.startsWith("[GNUPG:] BADSIG ") || line.startsWith("[GNUPG:] ERRSIG ");
    }
    return {child.exitCode() == 0 && valid && !failed ? SignatureVerdict::good : SignatureVerdict::bad, {}};
}
