// Fetching and unpacking the engine programs: the blocking steps that the installer
// runs on a worker thread.

#include "install.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "base/vireloomerror.h"
#include "i18n/i18n.h"
#include "installer/freshnessmonitor.h"
#include "installer/releasecheck.h"
#include "installer/releases.h"
#include "installer/verification.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

// A transfer that receives nothing for this long is given up rather than left hanging.
constexpr int kStallTimeoutMs = 60'000;
// Sums files list a few dozen files, and a signature is smaller still; anything much
// larger is neither.
constexpr qsizetype kSumsLimit = 1 << 20;
// A new program gets this long to print its version (a single-file build unpacks itself first).
constexpr int kVersionTimeoutMs = 60'000;
const QString kPreviousYtDlp = QStringLiteral("yt-dlp.previous");
const QString kWorkedYtDlp = QStringLiteral("yt-dlp.worked");
const QString kSetAsideYtDlp = QStringLiteral("yt-dlp.set-aside");

// libarchive, and the compression libraries it pulls in, are loaded when an archive is first
// opened rather than with the application: most sessions never unpack one.
#define VIRELOOM_ARCHIVE_FUNCTIONS(X)                                                                                                      \
    X(archive_read_new)                                                                                                                    \
    X(archive_read_free)                                                                                                                   \
    X(archive_read_support_format_zip)                                                                                                     \
    X(archive_read_open_filename)                                                                                                          \
    X(archive_read_next_header)                                                                                                            \
    X(archive_read_data_block)                                                                                                             \
    X(archive_write_disk_new)                                                                                                              \
    X(archive_write_disk_set_options)                                                                                                      \
    X(archive_write_free)                                                                                                                  \
    X(archive_write_header)                                                                                                                \
    X(archive_write_data_block)                                                                                                            \
    X(archive_write_finish_entry)                                                                                                          \
    X(archive_error_string)                                                                                                                \
    X(archive_entry_pathname)                                                                                                              \
    X(archive_entry_pathname_utf8)                                                                                                         \
    X(archive_entry_set_pathname)                                                                                                          \
    X(archive_entry_filetype)                                                                                                              \
    X(archive_entry_symlink)                                                                                                               \
    X(archive_entry_hardlink)                                                                                                              \
    X(archive_entry_set_hardlink)                                                                                                          \
    X(archive_entry_perm)                                                                                                                  \
    X(archive_entry_set_perm)

struct LibArchive
{
#define VIRELOOM_ARCHIVE_POINTER(name) decltype(&::name) name = nullptr;
    VIRELOOM_ARCHIVE_FUNCTIONS(VIRELOOM_ARCHIVE_POINTER)
#undef VIRELOOM_ARCHIVE_POINTER
    QString problem;
};

// The library, or why it could not be loaded. Loaded once, from any thread.
const LibArchive &libArchive()
{
    static const LibArchive loaded = [] {
        LibArchive lib;
        // libarchive 3 has kept the soname libarchive.so.13 since 3.0.
        QLibrary library(QStringLiteral("archive"), 13);
        if (!library.load()) {
            lib.problem = library.errorString();
            return lib;
        }
#define VIRELOOM_ARCHIVE_RESOLVE(name)                                                                                                     \
    lib.name = reinterpret_cast<decltype(&::name)>(library.resolve(#name));                                                                \
    if (!lib.name && lib.problem.isEmpty())                                                                                                \
        lib.problem = library.errorString();
        VIRELOOM_ARCHIVE_FUNCTIONS(VIRELOOM_ARCHIVE_RESOLVE)
#undef VIRELOOM_ARCHIVE_RESOLVE
        return lib;
    }();
    return loaded;
}

struct ArchiveDeleter
{
    void operator()(archive *a) const { libArchive().archive_read_free(a); }
};
struct DiskWriterDeleter
{
    void operator()(archive *a) const { libArchive().archive_write_free(a); }
};

QString archiveError(archive *a)
{
    const char *text = libArchive().archive_error_string(a);
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
    const LibArchive &lib = libArchive();
    if (const char *utf8 = lib.archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    return QFile::decodeName(lib.archive_entry_pathname(entry));
}

// Checks an entry before anything of it is written. Returns the reason it is refused.
QString refusal(archive_entry *entry, const QString &name)
{
    const LibArchive &lib = libArchive();
    if (!staysInside(name) || name.split(u'/').contains(QStringLiteral("..")))
        return QStringLiteral("entry \"%1\" would be written outside the folder").arg(name);
    // Devices and pipes have no place among programs, and as root they would be made.
    const auto type = lib.archive_entry_filetype(entry);
    if (type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK)
        return QStringLiteral("entry \"%1\" is neither a file, a folder nor a link").arg(name);
    if (type == AE_IFLNK) {
        const QString target = QString::fromUtf8(lib.archive_entry_symlink(entry));
        const QString folder = QFileInfo(name).path();
        if (target.startsWith(u'/') || !staysInside(folder == u"." ? target : folder + u'/' + target))
            return QStringLiteral("link \"%1\" points outside the folder").arg(name);
    }
    if (const char *hardlink = lib.archive_entry_hardlink(entry)) {
        if (!staysInside(QString::fromUtf8(hardlink)))
            return QStringLiteral("link \"%1\" points outside the folder").arg(name);
    }
    return {};
}

// The archive's own modes are not taken: set-user-ID bits or a world-writable program in
// the engine folder would outlive the archive. A file with any execute bit is a program.
void setSafeMode(archive_entry *entry)
{
    const LibArchive &lib = libArchive();
    switch (lib.archive_entry_filetype(entry)) {
    case AE_IFDIR:
        lib.archive_entry_set_perm(entry, 0755);
        break;
    case AE_IFREG:
        lib.archive_entry_set_perm(entry, (lib.archive_entry_perm(entry) & 0111) ? 0755 : 0644);
        break;
    default:
        break;
    }
}

// Extracts every entry of `zip` under `folder`; returns the first error, empty on success.
QString extractAll(const QString &zip, const QString &folder)
{
    const LibArchive &lib = libArchive();
    if (!lib.problem.isEmpty())
        return lib.problem;
    std::unique_ptr<archive, ArchiveDeleter> reader(lib.archive_read_new());
    lib.archive_read_support_format_zip(reader.get());
    std::unique_ptr<archive, DiskWriterDeleter> writer(lib.archive_write_disk_new());
    // The modes are restored, after setSafeMode, so that they do not depend on the umask.
    lib.archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_UNLINK
                                                         | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS);

    if (lib.archive_read_open_filename(reader.get(), QFile::encodeName(zip).constData(), 64 * 1024) != ARCHIVE_OK)
        return archiveError(reader.get());

    const QByteArray base = QFile::encodeName(folder) + '/';
    for (;;) {
        archive_entry *entry = nullptr;
        const int next = lib.archive_read_next_header(reader.get(), &entry);
        if (next == ARCHIVE_EOF)
            return {};
        if (next < ARCHIVE_WARN)
            return archiveError(reader.get());

        const QString name = entryName(entry);
        if (const QString reason = refusal(entry, name); !reason.isEmpty())
            return reason;
        setSafeMode(entry);
        lib.archive_entry_set_pathname(entry, (base + QFile::encodeName(name)).constData());
        if (const char *hardlink = lib.archive_entry_hardlink(entry))
            lib.archive_entry_set_hardlink(entry, (base + hardlink).constData());

        if (lib.archive_write_header(writer.get(), entry) < ARCHIVE_WARN)
            return archiveError(writer.get());
        const void *block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        for (;;) {
            const int read = lib.archive_read_data_block(reader.get(), &block, &size, &offset);
            if (read == ARCHIVE_EOF)
                break;
            if (read < ARCHIVE_WARN)
                return archiveError(reader.get());
            if (lib.archive_write_data_block(writer.get(), block, size, offset) < ARCHIVE_WARN)
                return archiveError(writer.get());
        }
        if (lib.archive_write_finish_entry(writer.get()) < ARCHIVE_WARN)
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

// Runs one GET to completion on this thread. Every chunk of a 200 answer goes to `write`,
// which returns an error text to give up. Returns the address the answer came from.
QUrl fetch(const QUrl &url, const std::function<QString(QByteArrayView)> &write)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kStallTimeoutMs);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QString writeError;
    auto drain = [&] {
        const QByteArray chunk = reply->readAll();
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200 || !writeError.isEmpty())
            return;
        writeError = write(chunk);
        if (!writeError.isEmpty())
            reply->abort();
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
        throw InstallError(networkFailure(reply->error(), url.host(), reply->errorString()));
    if (status.toInt() != 200)
        throw InstallError(
            Phrase::text(QT_TRID_NOOP("HTTP %ld ao baixar %@"), {Phrase::number(status.toInt()), Phrase::verbatim(url.fileName())}));
    // A 200 whose body was cut short is no file to install.
    if (reply->error() != QNetworkReply::NoError)
        throw VireloomError::msg(reply->errorString());
    return reply->url();
}

// Where a latest-release address leads, asked on this thread.
QUrl resolveLatest(const QUrl &latest)
{
    ReleaseCheck check;
    QEventLoop loop;
    QUrl asset;
    bool failed = false;
    QObject::connect(&check, &ReleaseCheck::resolved, &loop, [&](const QUrl &url) {
        asset = url;
        loop.quit();
    });
    QObject::connect(&check, &ReleaseCheck::failed, &loop, [&] {
        failed = true;
        loop.quit();
    });
    check.start(latest);
    loop.exec();
    if (failed)
        throw InstallError(check.failure());
    return asset;
}

// A small file that a download is checked with; one that cannot be had refuses the
// download it was to check.
QByteArray fetchCheck(const QUrl &url, const QString &fileName)
{
    QByteArray body;
    try {
        fetch(url, [&body, &url](QByteArrayView chunk) {
            body.append(chunk);
            return body.size() > kSumsLimit ? QStringLiteral("%1 is too large").arg(url.fileName()) : QString();
        });
    } catch (const VireloomError &error) {
        throw InstallError(Phrase::text(QT_TRID_NOOP("Não consegui verificar %@: %@"), {Phrase::verbatim(fileName), phraseOf(error)}));
    }
    return body;
}

QByteArray sumIn(const QByteArray &sums, const QUrl &sumsUrl, const QString &fileName)
{
    const std::optional<QByteArray> sum = listedSum(sums, fileName);
    if (!sum)
        throw InstallError(
            Phrase::text(QT_TRID_NOOP("%@ não consta em %@"), {Phrase::verbatim(fileName), Phrase::verbatim(sumsUrl.fileName())}));
    return *sum;
}

// The sum that the sums file at `sumsUrl` lists for `fileName`.
QByteArray publishedSum(const QUrl &sumsUrl, const QString &fileName)
{
    return sumIn(fetchCheck(sumsUrl, fileName), sumsUrl, fileName);
}

// Like publishedSum, for sums that count only with a good signature by yt-dlp's release
// key: whoever could change the program on its way could change the sums beside it too.
QByteArray signedSum(const QUrl &sumsUrl, const QUrl &signatureUrl, const QString &fileName)
{
    const QByteArray sums = fetchCheck(sumsUrl, fileName);
    const QByteArray signature = fetchCheck(signatureUrl, fileName);
    QFile keyring(Releases::ytDlpKeyring());
    if (!keyring.open(QIODevice::ReadOnly))
        throw InstallError(Phrase::text(QT_TRID_NOOP("Não consegui verificar %@: %@"),
                                        {Phrase::verbatim(fileName),
                                         Phrase::verbatim(QStringLiteral("%1: %2").arg(keyring.fileName(), keyring.errorString()))}));
    const SignatureCheck check = checkSignature(sums, signature, keyring.readAll());
    switch (check.verdict) {
    case SignatureVerdict::good:
        return sumIn(sums, sumsUrl, fileName);
    case SignatureVerdict::bad:
        throw InstallError(Phrase::text(QT_TRID_NOOP("%@ não traz uma assinatura válida da chave de lançamento do yt-dlp"),
                                        {Phrase::verbatim(sumsUrl.fileName())}));
    case SignatureVerdict::uncheckable:
        break;
    }
    throw InstallError(
        Phrase::text(QT_TRID_NOOP("Não consegui verificar %@: %@"), {Phrase::verbatim(fileName), Phrase::verbatim(check.detail)}));
}

// yt-dlp's releases are named by date, so an older one is a step back: what a stale
// mirror or someone replaying an old, genuinely signed release would offer.
void refuseOlder(const QString &offered, const std::optional<QString> &inUse)
{
    if (inUse && compareVersions(offered, *inUse).value_or(0) < 0)
        throw InstallError(Phrase::text(QT_TRID_NOOP("O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado."),
                                        {Phrase::verbatim(offered), Phrase::verbatim(*inUse)}));
}

void checkSum(const QString &path, const QByteArray &expected, const QString &fileName, const QUrl &sumsUrl)
{
    if (sha256Hex(path) != expected) {
        QFile::remove(path);
        throw InstallError(Phrase::text(QT_TRID_NOOP("A soma SHA-256 de %@ não confere com %@"),
                                        {Phrase::verbatim(fileName), Phrase::verbatim(sumsUrl.fileName())}));
    }
}

// Checks a downloaded file against the sums published for it; a file that fails goes.
void verifyAgainst(const QString &path, const QUrl &sums, const QString &fileName)
{
    QByteArray expected;
    try {
        expected = publishedSum(sums, fileName);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    checkSum(path, expected, fileName, sums);
}

// One installation at a time per user, across processes: a running window and
// "vireloom --update-engine" never write the engine folder at once.
class InstallLock
{
public:
    InstallLock()
        : m_lock(QDir(Tools::supportDir()).filePath(QStringLiteral(".install.lock")))
    {
        // A download may take minutes; only a lock whose process is gone is stale.
        m_lock.setStaleLockTime(0);
        m_lock.lock();
    }

private:
    QLockFile m_lock;
};

QString enginePath(const QString &name)
{
    return QDir(Tools::binDir()).filePath(name);
}

// Replaces `to` by a new entry made at a temporary name beside it, in one rename.
template<typename Make>
void placeBeside(const std::filesystem::path &to, Make make)
{
    namespace fs = std::filesystem;
    const fs::path temporary = fs::path(to).concat(".new");
    std::error_code ec;
    fs::remove(temporary, ec);
    make(temporary);
    fs::rename(temporary, to);
}

std::filesystem::path fsPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

bool inEngineFolder(const QString &path)
{
    return QFileInfo(path).absolutePath() == QDir(Tools::binDir()).absolutePath();
}

// Makes `at` a second name for the engine folder's file `source` (a copy where the file
// system keeps no second names), or a link to a program of the system's, which is not
// ours to copy.
void keepAs(const std::filesystem::path &at, const QString &source)
{
    namespace fs = std::filesystem;
    const fs::path from = fsPath(source);
    if (inEngineFolder(source)) {
        placeBeside(at, [&](const fs::path &temporary) {
            std::error_code linked;
            fs::create_hard_link(from, temporary, linked);
            if (linked)
                fs::copy_file(from, temporary);
        });
    } else {
        placeBeside(at, [&](const fs::path &temporary) { fs::create_symlink(from, temporary); });
    }
}

// Keeps the yt-dlp in use as the previous copy.
void keepPrevious(const QString &current)
{
    keepAs(fsPath(enginePath(kPreviousYtDlp)), current);
}

// Both names lead to one file, links followed.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code ec;
    return std::filesystem::equivalent(fsPath(a), fsPath(b), ec) && !ec;
}

// A name in the engine folder that is there, as a file or as a link, even a broken one.
bool entryExists(const QString &name)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(fsPath(enginePath(name)), ec));
}

void removeEntry(const QString &name)
{
    std::error_code ec;
    std::filesystem::remove(fsPath(enginePath(name)), ec);
}

// A failure of the file system as the installer words it.
template<typename Work>
void onDisk(Work work)
{
    try {
        work();
    } catch (const std::filesystem::filesystem_error &error) {
        throw VireloomError::msg(QString::fromLocal8Bit(error.what()));
    }
}

// Puts the previous copy back: the engine folder's file returns to its place, and a link
// to the system's program goes together with the engine folder's copy, so the system's is
// found again. Nothing kept: the engine folder's copy goes.
void restorePrevious()
{
    namespace fs = std::filesystem;
    const fs::path target = fsPath(enginePath(QStringLiteral("yt-dlp")));
    const fs::path previous = fsPath(enginePath(kPreviousYtDlp));
    std::error_code ec;
    const fs::file_status kept = fs::symlink_status(previous, ec);
    if (fs::is_regular_file(kept)) {
        fs::rename(previous, target);
        return;
    }
    fs::remove(target);
    fs::remove(previous, ec);
}

} // namespace

InstallError::InstallError(const Phrase &phrase)
    : VireloomError(phrase.worded())
    , m_phrase(phrase)
{
}

Phrase phraseOf(const std::exception &error)
{
    if (const auto *install = dynamic_cast<const InstallError *>(&error))
        return install->phrase();
    if (const auto *own = dynamic_cast<const VireloomError *>(&error))
        return Phrase::verbatim(own->description());
    return Phrase::verbatim(QString::fromLocal8Bit(error.what()));
}

namespace Tools {

QUrl download(const QUrl &url, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly))
        throw VireloomError::msg(file.errorString());
    const QUrl from = fetch(url, [&file](QByteArrayView chunk) {
        return file.write(chunk.data(), chunk.size()) == chunk.size() ? QString() : file.errorString();
    });
    if (!file.commit())
        throw VireloomError::msg(file.errorString());
    return from;
}

void unzip(const QString &zip, const QString &into)
{
    const QString archiveName = QFileInfo(zip).fileName();
    auto failure = [&archiveName](const QString &why) {
        return InstallError(
            Phrase::text(QT_TRID_NOOP("Falha ao descompactar %@: %@"), {Phrase::verbatim(archiveName), Phrase::verbatim(why)}));
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

// What `program` printed for `args` when it ended well within the time a version is given,
// read with the engine's environment and nothing on its input.
static std::optional<QString> versionAnswer(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    prepareEngineProcess(process);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QIODevice::ReadOnly);
    if (!process.waitForFinished(kVersionTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QString> versionOf(const QString &program)
{
    // yt-dlp would read configuration files before answering; ffmpeg and Deno take no
    // such option.
    QStringList args{QStringLiteral("--version")};
    if (QFileInfo(program).fileName().startsWith(QLatin1StringView("yt-dlp")))
        args.prepend(kIgnoreConfig);
    const std::optional<QString> answer = versionAnswer(program, args);
    if (!answer)
        return std::nullopt;
    const QString version = answer->trimmed().section(u'\n', 0, 0).trimmed();
    if (version.isEmpty() || !version[0].isDigit())
        return std::nullopt;
    return version;
}

std::optional<QString> previousYtDlp()
{
    const QFileInfo kept(enginePath(kPreviousYtDlp));
    if (!kept.isFile() || !kept.isExecutable())
        return std::nullopt;
    return kept.absoluteFilePath();
}

YtDlpInstall installYtDlp(bool skipIfCurrent, Releases::Channel channel)
{
    InstallLock lock;
    const QUrl asset = resolveLatest(Releases::ytDlp(channel));
    const QString release = Releases::releaseTag(asset);
    const std::optional<QString> current = find(QStringLiteral("yt-dlp"));
    const std::optional<QString> currentVersion = current ? versionOf(*current) : std::nullopt;
    if (skipIfCurrent && !release.isEmpty() && currentVersion == release)
        return {release, false};
    // The release set aside failed where the one in use worked; only the user's word brings
    // it back (restoreSetAsideYtDlp()), not an update that offers it once more.
    if (const auto setAside = setAsideYtDlpPath(); setAside && !release.isEmpty() && versionOf(*setAside) == release)
        return {release, false, true};
    // Going back is what rolling back is for; an update only goes forward.
    if (!release.isEmpty())
        refuseOlder(release, currentVersion);

    // Checked before anything is written: without a sum there is nothing to check against.
    const QUrl sums = Releases::ytDlpSums(asset);
    const QByteArray expected = signedSum(sums, Releases::ytDlpSumsSignature(asset), asset.fileName());
    // Named as yt-dlp is, so that asking its version keeps it from reading configuration.
    const QString staging = enginePath(QStringLiteral("yt-dlp.download"));
    std::optional<QString> version;
    try {
        download(asset, staging);
        checkSum(staging, expected, asset.fileName(), sums);
        makeExecutable(staging);
        // The address's tag is not signed; the verified program's own word is what counts.
        version = versionOf(staging);
        if (version)
            refuseOlder(*version, currentVersion);
    } catch (...) {
        QFile::remove(staging);
        throw;
    }

    const QString target = enginePath(QStringLiteral("yt-dlp"));
    try {
        // Only a copy that worked is worth going back to.
        if (currentVersion)
            keepPrevious(*current);
        // Processes running the old file keep it; whoever starts yt-dlp next gets the new one.
        std::filesystem::rename(fsPath(staging), fsPath(target));
    } catch (const std::filesystem::filesystem_error &error) {
        QFile::remove(staging);
        throw VireloomError::msg(QString::fromLocal8Bit(error.what()));
    }

    if (version) {
        // A newer release is in use: what was set aside has had its day.
        removeEntry(kSetAsideYtDlp);
        return {*version, true};
    }
    const bool hadPrevious = previousYtDlp().has_value();
    try {
        restorePrevious();
    } catch (const std::filesystem::filesystem_error &error) {
        throw VireloomError::msg(QString::fromLocal8Bit(error.what()));
    }
    throw InstallError(Phrase::text(hadPrevious ? QT_TRID_NOOP("O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.")
                                                : QT_TRID_NOOP("O novo yt-dlp não respondeu com uma versão e foi removido.")));
}

QString rollBackYtDlp()
{
    InstallLock lock;
    const std::optional<QString> kept = previousYtDlp();
    if (!kept)
        throw InstallError(Phrase::text(QT_TRID_NOOP("Não há versão anterior do yt-dlp.")));
    const std::optional<QString> version = versionOf(*kept);
    try {
        restorePrevious();
    } catch (const std::filesystem::filesystem_error &error) {
        throw VireloomError::msg(QString::fromLocal8Bit(error.what()));
    }
    return version.value_or(QString());
}

std::optional<QString> keptYtDlp()
{
    const QFileInfo kept(enginePath(kWorkedYtDlp));
    if (!kept.isFile() || !kept.isExecutable())
        return std::nullopt;
    const std::optional<QString> current = find(QStringLiteral("yt-dlp"));
    if (current && sameFile(*current, kept.absoluteFilePath()))
        return std::nullopt;
    return kept.absoluteFilePath();
}

void keepWorkingYtDlp(const QString &program)
{
    InstallLock lock;
    const QString worked = enginePath(kWorkedYtDlp);
    // The kept copy itself did the work, or the one in use has done so before.
    if (sameFile(program, worked) || !QFileInfo(program).isExecutable())
        return;
    onDisk([&] { keepAs(fsPath(worked), program); });
}

void setAsideYtDlp()
{
    InstallLock lock;
    namespace fs = std::filesystem;
    const std::optional<QString> kept = keptYtDlp();
    const std::optional<QString> current = find(QStringLiteral("yt-dlp"));
    if (!kept || !current)
        return;
    const QString target = enginePath(QStringLiteral("yt-dlp"));
    const bool ours = *current == target;
    onDisk([&] {
        removeEntry(kSetAsideYtDlp);
        if (ours)
            fs::rename(fsPath(target), fsPath(enginePath(kSetAsideYtDlp)));
        else
            fs::create_symlink(fsPath(*current), fsPath(enginePath(kSetAsideYtDlp)));
        // The kept copy in the engine folder's place. A link to the system's program needs
        // nothing more once ours is out of the way; in front of the system's, it does.
        std::error_code ec;
        const fs::path worked = fsPath(*kept);
        if (fs::is_regular_file(fs::symlink_status(worked, ec)))
            keepAs(fsPath(target), *kept);
        else if (!ours)
            placeBeside(fsPath(target), [&](const fs::path &at) { fs::create_symlink(fs::read_symlink(worked), at); });
    });
}

std::optional<QString> setAsideYtDlpPath()
{
    if (!entryExists(kSetAsideYtDlp))
        return std::nullopt;
    return enginePath(kSetAsideYtDlp);
}

void restoreSetAsideYtDlp()
{
    InstallLock lock;
    namespace fs = std::filesystem;
    if (!entryExists(kSetAsideYtDlp))
        throw InstallError(Phrase::text(QT_TRID_NOOP("Nenhum yt-dlp foi deixado de lado.")));
    const QString target = enginePath(QStringLiteral("yt-dlp"));
    const QString setAside = enginePath(kSetAsideYtDlp);
    onDisk([&] {
        std::error_code ec;
        if (fs::is_regular_file(fs::symlink_status(fsPath(setAside), ec))) {
            // Replaces the kept copy's second name; "yt-dlp.worked" keeps it.
            fs::rename(fsPath(setAside), fsPath(target));
            return;
        }
        // The system's program was set aside: the engine folder's stand-in for the kept
        // copy goes, and the system's is found again.
        if (sameFile(target, enginePath(kWorkedYtDlp)))
            fs::remove(fsPath(target));
        fs::remove(fsPath(setAside));
    });
}

QString componentVersion(const QString &program)
{
    const bool deno = QFileInfo(program).fileName().startsWith(QLatin1StringView("deno"));
    const std::optional<QString> answer = versionAnswer(program, {deno ? QStringLiteral("--version") : QStringLiteral("-version")});
    return answer ? componentVersionIn(*answer) : QString();
}

QString componentVersionIn(const QString &output)
{
    const QStringList words = output.section(u'\n', 0, 0).split(u' ', Qt::SkipEmptyParts);
    if (words.value(0) == u"deno")
        return words.value(1);
    return words.value(1) == u"version" ? words.value(2) : QString();
}

bool denoTooOld(QStringView version)
{
    const QString needed = QStringLiteral("%1.%2").arg(kDenoNeededMajor).arg(kDenoNeededMinor);
    return compareComponentVersions(version, needed).value_or(0) < 0;
}

} // namespace Tools

namespace {

// Installs one program of an archive into the engine folder, keeping the one it replaces
// until the new one has answered with its version.
void installComponent(const QString &name, const QString &archive)
{
    namespace fs = std::filesystem;
    const QString target = enginePath(name);
    const QString kept = enginePath(name + QStringLiteral(".previous"));
    const bool hadOne = QFileInfo(target).isFile();
    if (hadOne)
        onDisk([&] { keepAs(fsPath(kept), target); });
    Tools::unzip(archive, Tools::binDir());
    Tools::makeExecutable(target);
    if (!Tools::componentVersion(target).isEmpty()) {
        QFile::remove(kept);
        return;
    }
    // Without a copy of ours before it, the system's program is found again.
    onDisk([&] {
        if (hadOne)
            fs::rename(fsPath(kept), fsPath(target));
        else
            fs::remove(fsPath(target));
    });
    throw InstallError(Phrase::text(hadOne ? QT_TRID_NOOP("O novo %@ não respondeu com uma versão; o anterior foi reposto.")
                                           : QT_TRID_NOOP("O novo %@ não respondeu com uma versão e foi removido."),
                                    {Phrase::verbatim(name)}));
}

} // namespace

namespace Tools {

void installFFmpeg()
{
    InstallLock lock;
    for (const QString &name : {QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}) {
        const QString archive = QDir(supportDir()).filePath(name + QStringLiteral(".zip"));
        // The mirror's latest address leads to a build's folder, which holds its sums too.
        const QUrl from = download(Releases::ffmpegComponent(name), archive);
        verifyAgainst(archive, Releases::ffmpegSums(from), from.fileName());
        installComponent(name, archive);
    }
}

void installDeno()
{
    InstallLock lock;
    const QString archive = QDir(supportDir()).filePath(QStringLiteral("deno.zip"));
    // Resolved first, so that the archive and its sums come from the same release.
    const QUrl asset = resolveLatest(Releases::deno());
    download(asset, archive);
    verifyAgainst(archive, Releases::denoSums(asset), asset.fileName());
    installComponent(QStringLiteral("deno"), archive);
}

} // namespace Tools
