#pragma once

#include "model/quality.h"

#include <QStringList>

#include <optional>

struct SourceOptions;

// What --quality asks of the sources --follow adds; absent for the default quality.
std::optional<SourceOptions> followOptions(std::optional<Quality> quality);

// --list-following: one line per followed source (title, link, last check, state), read
// from the following file without changing it. Returns the exit code.
int runListFollowing(int argc, char **argv);

// --follow with no instance that took it: the links are added to the following file from
// now on, for the next start to read, under the single-instance lock at `socketPath`, so
// that no instance saves the file meanwhile. An instance that holds the lock and refused
// the hand-over keeps it: nothing is written and the exit code is not 0.
int storeFollowRequests(const QStringList &links, std::optional<Quality> quality, const QString &socketPath, const QStringList &forwarded,
                        int argc, char **argv);
