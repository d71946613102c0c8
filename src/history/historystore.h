#pragma once

#include "base/storedfile.h"
#include "model/historyentry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The history file: a JSON array of entries, newest first.
namespace HistoryStore {

// Absent when the text is not a valid history: malformed JSON, a missing required
// key, a value of the wrong type or a date not in whole-second UTC form.
std::optional<QList<HistoryEntry>> decode(const QByteArray &json);
QByteArray encode(const QList<HistoryEntry> &entries);

using Loaded = StoredFile::Loaded<HistoryEntry>;

// Reads the file and fills in missing sizes from the files the entries name. A file
// that exists but cannot be read or decoded is moved aside, so that the next save
// cannot overwrite what the user had; the history then starts empty.
Loaded load(const QString &path);

// Replaces the file atomically: a reader sees the old content or the new, never half.
bool save(const QString &path, const QList<HistoryEntry> &entries);

// Sizes of entries that have none, read from their files. Entries whose file is gone
// stay without a size.
void backFillSizes(QList<HistoryEntry> &entries);

} // namespace HistoryStore
