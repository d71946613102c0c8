#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

// One finished download as the history keeps it.
struct HistoryEntry
{
    QUuid id;
    QString title;
    QString url;
    std::optional<QString> file; // the last file the download produced
    QString site;
    QString quality; // the preset's untranslated short label, e.g. "Melhor" or "1080p"
    QDateTime date; // UTC, whole seconds
    std::optional<QString> thumbnail;
    std::optional<qint64> bytes; // all of the download's files together

    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};
