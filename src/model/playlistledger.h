#pragma once

#include <QList>
#include <QString>

#include <optional>

// What became of each entry of a playlist run, read from its output as it comes: the
// run names an entry's file before fetching it, says when a file arrived, and reports
// errors in the order it met them. An entry that fails before it is named (a missing
// page) says only its error; it is placed at the first entry after the last one named.
class PlaylistLedger
{
public:
    struct Failure
    {
        qint64 index = 0;
        // The engine's own words.
        QString error;

        friend bool operator==(const Failure &, const Failure &) = default;
    };

    // The run named the file of this entry ("NA" outside playlists gives none).
    void named(std::optional<qint64> index);
    // The entry named last delivered its file.
    void delivered();
    // An error line; the reason of an empty one may follow on the next line.
    void error(const QString &text);
    void completeLastError(const QString &reason);

    QList<qint64> deliveredEntries() const { return m_delivered; }

    // The entries that failed, with their error, among `planned` (in order). An entry that
    // neither arrived nor failed, as one the download archive skips, is not a failure.
    QList<Failure> failures(const QList<qint64> &planned) const;

private:
    struct Error
    {
        // The entry named and not delivered when the error came, if any.
        std::optional<qint64> during;
        // The last entry named before it.
        std::optional<qint64> after;
        QString text;
    };

    std::optional<qint64> m_current;
    bool m_currentDelivered = false;
    QList<qint64> m_named;
    QList<qint64> m_delivered;
    QList<Error> m_errors;
};
