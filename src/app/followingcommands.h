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

// --follow with no instance running to take it: the links are added to the following file
// from now on, for the next start to read. Returns the exit code.
int storeFollowRequests(const QStringList &links, std::optional<Quality> quality, int argc, char **argv);
