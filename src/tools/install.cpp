// Fetching and unpacking the engine programs: the blocking steps that the installer
// runs on a worker thread.

#include "tools.h"

#include "i18n/i18n.h"
#include "tools/releases.h"
#include "tools/vireloomerror.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <memory>


namespace {

// A transfer that receives nothing for this long is given up rather than left hanging.
constexpr int kStallTimeoutMs = 60'000;

struct ArchiveDeleter
{
    void operator()(archive *a) const { archive_read_free(a); }
};
struct DiskWriterDeleter
{
    void operator()(archive *a) const { archive_write_free(a); }
};

QString archiveError(archive *a)
{
    const char *text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
}

// True when `relative`, read as a path inside the extraction folder, stays inside it.
bool staysInside(const QString &relative)
{
    if (relative.isEmpty() || relative.startsWith(u'/'))
        return false;
    int depth = 0;
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..")
            --depth;
        else if (part != u".")
            ++depth;
        if (depth < 0)
            return false;
    }
    return true;
}

QString entryName(archive_entry *entry)
{
    if (const char *utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    return QFile::decodeName(archive_entry_pathname(entry));
}

// Checks an entry before anything of it is written. Returns the reason it is refused.
QString refusal(archive_entry *entry, const QString &name)
{
    if (!staysInside(name) || name.split(u'/').contains(QStringLiteral("..")))
        return QStringLiteral("entry \"%1\" would be written outside the folder").arg(name);
    if (archive_entry_filetype(entry) == AE_IFLNK) {
        const QString target = QString::fromUtf8(archive_entry_symlink(entry));
        const QString folder = QFileInfo(name).path();
        if (target.startsWith(u'/') || !staysInside(folder == u"." ? target : folder + u'/' + target))
            return QStringLiteral("link \"%1\" points outside the folder").arg(name);
    }
    if (const char *hardlink = archive_entry_hardlink(entry)) {
        if (!staysInside(QString::fromUtf8(hardlink)))
            return QStringLiteral("link \"%1\" points outside the folder").arg(name);
    }
    return {};
}

// Extracts every entry of `zip` under `folder`; returns the first error, empty on success.
QString extractAll(const QString &zip, const QString &folder)
{
    std::unique_ptr<archive, ArchiveDeleter> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    std::unique_ptr<archive, DiskWriterDeleter> writer(archive_write_disk_new());
    archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_UNLINK
                                                     | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS);

    if (archive_read_open_filename(reader.get(), QFile::encodeName(zip).constData(), 64 * 1024) != ARCHIVE_OK)
        return archiveError(reader.get());

    const QByteArray base = QFile::encodeName(folder) + '/';
    for (;;) {
        archive_entry *entry = nullptr;
        const int next = archive_read_next_header(reader.get(), &entry);
        if (next == ARCHIVE_EOF)
            return {};
        if (next < ARCHIVE_WARN)
            return archiveError(reader.get());

        const QString name = entryName(entry);
        if (const QString reason = refusal(entry, name); !reason.isEmpty())
            return reason;
        archive_entry_set_pathname(entry, (base + QFile::encodeName(name)).constData());
        if (const char *hardlink = archive_entry_hardlink(entry))
            archive_entry_set_hardlink(entry, (base + hardlink).constData());

        if (archive_write_header(writer.get(), entry) < ARCHIVE_WARN)
            return archiveError(writer.get());
        const void *block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        for (;;) {
            const int read = archive_read_data_block(reader.get(), &block, &size, &offset);
            if (read == ARCHIVE_EOF)
                break;
            if (read < ARCHIVE_WARN)
                return archiveError(reader.get());
            if (archive_write_data_block(writer.get(), block, size, offset) < ARCHIVE_WARN)
                return archiveError(writer.get());
        }
        if (archive_write_finish_entry(writer.get()) < ARCHIVE_WARN)
            return archiveError(writer.get());
    }
}

// Moves everything under `from` into `into`: folders merge, files replace their namesakes.
void mergeInto(const std::filesystem::path &from, const std::filesystem::path &into)
{
    namespace fs = std::filesystem;
    for (const fs::directory_entry &entry : fs::directory_iterator(from)) {
        const fs::path target = into / entry.path().filename();
        std::error_code ec;
        const bool sourceIsDir = entry.is_directory() && !entry.is_symlink();
        const fs::file_status targetStatus = fs::symlink_status(target, ec);
        if (sourceIsDir && fs::is_directory(targetStatus)) {
            mergeInto(entry.path(), target);
            continue;
        }
        if (fs::is_directory(targetStatus))
            fs::remove_all(target);
        fs::rename(entry.path(), target);
    }
}

} // namespace

namespace Tools {

void download(const QUrl &url, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly))
        throw VireloomError::msg(file.errorString());

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kStallTimeoutMs);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    auto statusOf = [&reply] { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); };
    QString writeError;
    auto drain = [&] {
        const QByteArray chunk = reply->readAll();
        if (statusOf() != 200 || !writeError.isEmpty())
            return;
        if (file.write(chunk) != chunk.size()) {
            writeError = file.errorString();
            reply->abort();
        }
    };
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, drain);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    drain();

    if (!writeError.isEmpty())
        throw VireloomError::msg(writeError);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() && reply->error() != QNetworkReply::NoError)
        throw VireloomError::msg(reply->errorString());
    if (status.toInt() != 200)
        throw VireloomError::msg(LF(QStringLiteral("HTTP %ld ao baixar %@"), qint64(status.toInt()), url.fileName()));
    // A 200 whose body was cut short is no file to install.
    if (reply->error() != QNetworkReply::NoError)
        throw VireloomError::msg(reply->errorString());
    if (!file.commit())
        throw VireloomError::msg(file.errorString());
}

void unzip(const QString &zip, const QString &into)
{
    const QString archiveName = QFileInfo(zip).fileName();
    auto failure = [&archiveName](const QString &why) {
        return VireloomError::msg(LF(QStringLiteral("Falha ao descompactar %@: %@"), archiveName, why));
    };

    QDir().mkpath(into);
    // Unpacked beside the target first, so a refused or broken archive leaves the
    // engine folder exactly as it was, and the final moves stay on one file system.
    QTemporaryDir staging(QDir(into).filePath(QStringLiteral(".unpack-XXXXXX")));
    if (!staging.isValid())
        throw failure(staging.errorString());
    if (const QString error = extractAll(zip, staging.path()); !error.isEmpty())
        throw failure(error);
    try {
        mergeInto(QFile::encodeName(staging.path()).toStdString(), QFile::encodeName(into).toStdString());
    } catch (const std::filesystem::filesystem_error &error) {
        throw failure(QString::fromLocal8Bit(error.what()));
    }
    QFile::remove(zip);
}

void makeExecutable(const QString &path)
{
    std::error_code ignored;
    std::filesystem::permissions(QFile::encodeName(path).toStdString(), std::filesystem::perms(0755),
                                 std::filesystem::perm_options::replace, ignored);
}

void installYtDlp()
{
    const QString target = QDir(binDir()).filePath(QStringLiteral("yt-dlp"));
    download(Releases::ytDlp(), target);
    makeExecutable(target);
}

void installFFmpeg()
{
    for (const QString &name : {QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}) {
        const QString archive = QDir(supportDir()).filePath(name + QStringLiteral(".zip"));
        download(Releases::ffmpegComponent(name), archive);
        unzip(archive, binDir());
        makeExecutable(QDir(binDir()).filePath(name));
    }
}

void installDeno()
{
    const QString archive = QDir(supportDir()).filePath(QStringLiteral("deno.zip"));
    download(Releases::deno(), archive);
    unzip(archive, binDir());
    makeExecutable(QDir(binDir()).filePath(QStringLiteral("deno")));
}

} // namespace Tools
