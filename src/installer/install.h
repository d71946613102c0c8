#pragma once

#include "base/vireloomerror.h"
#include "installer/phrase.h"
#include "installer/releases.h"

#include <QString>
#include <QUrl>

#include <optional>

// A failed installation step: the error's text worded in the language of the moment, and
// the phrase it was worded from, to be kept and worded again in another.
class InstallError : public VireloomError
{
public:
    explicit InstallError(const Phrase &phrase);
    const Phrase &phrase() const noexcept { return m_phrase; }

private:
    Phrase m_phrase;
};

// What any error a step threw says: an InstallError's phrase, anything else's words as they are.
Phrase phraseOf(const std::exception &error);

namespace Tools {

// Installation steps. They block on the network and the disk, so they belong on a
// worker thread; each throws VireloomError with a translated text when it fails.

// Fetches `url` to the file `to`. Redirects are followed but never from https to http;
// only a complete answer with status 200 replaces `to`, atomically, so a failed or cut
// transfer leaves whatever was there before. Returns the address the answer came from.
QUrl download(const QUrl &url, const QString &to);
// Extracts the zip archive into `into`, replacing files of the same name, then deletes
// the archive. Entries that would land outside `into` fail the whole extraction, and
// nothing is written to `into` unless every entry could be extracted.
void unzip(const QString &zip, const QString &into);
// Sets the file's mode to 0755; a failure is left for the next step to notice.
void makeExecutable(const QString &path);

// What a program prints first for "--version", trimmed; absent when it does not answer
// with something that starts like a version within a minute.
std::optional<QString> versionOf(const QString &program);

struct YtDlpInstall
{
    QString version;
    bool replaced = false;
    // The latest release is the one set aside (see setAsideYtDlp()): it was not fetched again.
    bool setAside = false;
};
// Installs yt-dlp's latest release into the engine folder. The file is checked against
// its release's SHA2-256SUMS before it replaces anything, and the replacement is one
// rename, so a download running the old file keeps it. The yt-dlp in use, when it
// answers with a version, is kept as the previous copy; a new one that does not answer
// is taken out again. With `skipIfCurrent`, a yt-dlp already at the latest release stays.
YtDlpInstall installYtDlp(bool skipIfCurrent = false, Releases::Channel channel = Releases::Channel::stable);
// What ffmpeg, ffprobe or Deno answers about its version ("5.1.6-0+deb12u1", "2.1.4"),
// named by the program's file name; empty when it does not answer within a few seconds.
QString componentVersion(const QString &program);
// The version in what one of them printed: "ffmpeg version 5.1.6-0+deb12u1 Copyright…",
// "deno 2.1.4 (stable, release, …)"; empty when it names none.
QString componentVersionIn(const QString &output);
// yt-dlp needs at least this Deno for some sites; an older one is there but not enough.
inline constexpr int kDenoNeededMajor = 2;
inline constexpr int kDenoNeededMinor = 3;
// The Deno of `version` is older than yt-dlp needs; false when the version is unknown.
bool denoTooOld(QStringView version);

// Each archive is checked against the sums its publisher puts beside it. A new program
// that does not answer with a version is taken out again, and the one it replaced put back.
void installFFmpeg();
void installDeno();
// The copy the last replacement kept: the engine folder's "yt-dlp.previous", which is a
// link to the system's yt-dlp when that was the one in use. Absent when there is none.
std::optional<QString> previousYtDlp();
// Puts the previous copy back and returns its version (empty when it gave none). Going
// back from the system's yt-dlp means removing the engine folder's copy.
QString rollBackYtDlp();

// The yt-dlp that last finished a download is kept beside the one in use, as the engine
// folder's "yt-dlp.worked": a second name for the engine folder's file, or a link to the
// system's program. keptYtDlp() gives it only while the yt-dlp in use is another program,
// one that has not finished a download since it was installed.
std::optional<QString> keptYtDlp();
// Keeps `program`, which has just finished a download, as the one that last worked.
void keepWorkingYtDlp(const QString &program);
// After the kept yt-dlp did what the one in use could not: the one in use is set aside as
// "yt-dlp.set-aside" (a link, when it is the system's) and the kept one is found in its
// place. Nothing happens when there is no kept copy to go back to.
void setAsideYtDlp();
// The yt-dlp set aside, absent when there is none.
std::optional<QString> setAsideYtDlpPath();
// Puts the yt-dlp set aside back in use; the kept copy stays kept.
void restoreSetAsideYtDlp();

} // namespace Tools
