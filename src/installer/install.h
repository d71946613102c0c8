#pragma once

#include "base/vireloomerror.h"
#include "installer/phrase.h"

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
};
// Installs yt-dlp's latest release into the engine folder. The file is checked against
// its release's SHA2-256SUMS before it replaces anything, and the replacement is one
// rename, so a download running the old file keeps it. The yt-dlp in use, when it
// answers with a version, is kept as the previous copy; a new one that does not answer
// is taken out again. With `skipIfCurrent`, a yt-dlp already at the latest release stays.
YtDlpInstall installYtDlp(bool skipIfCurrent = false);
// Each archive is checked against the sums its publisher puts beside it.
void installFFmpeg();
void installDeno();
// The copy the last replacement kept: the engine folder's "yt-dlp.previous", which is a
// link to the system's yt-dlp when that was the one in use. Absent when there is none.
std::optional<QString> previousYtDlp();
// Puts the previous copy back and returns its version (empty when it gave none). Going
// back from the system's yt-dlp means removing the engine folder's copy.
QString rollBackYtDlp();

} // namespace Tools
