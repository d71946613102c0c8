#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What a text file of links holds, read as pasted text is: every http and https link in
// it, else the addresses written without a scheme.
struct LinkFile
{
    QStringList links;
    // Why the file could not be read, in the interface language; absent when it was.
    std::optional<QString> problem;
};

// A list of links is never this large; a bigger file is not one, and is not read at all.
inline constexpr qint64 kLinkFileLimit = 8 * 1024 * 1024;

// Reads `path`, which must be a regular file of at most kLinkFileLimit bytes. It blocks on
// the file, so the window calls it on a worker thread.
LinkFile readLinkFile(const QString &path);
