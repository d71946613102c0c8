#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

// Cuts a process's output into lines. Both carriage return and line feed end a line,
// because progress output rewrites its line with a carriage return; empty lines are
// dropped. A line is decoded only once it is complete, so a chunk that ends inside a
// multi-byte UTF-8 character leaves it whole for the next chunk. Bad UTF-8 becomes
// U+FFFD. Not thread-safe: one reader belongs to the thread that reads the process.
class LineReader
{
public:
    // The view passed to `onLine` is valid only during the call.
    using LineHandler = std::function<void(QStringView line)>;

    explicit LineReader(LineHandler onLine);

    void feed(QByteArrayView data);
    // Delivers what is left after the last line break as one last line.
    void flush();
    // What has arrived after the last line break, not delivered yet.
    QByteArrayView pending() const { return m_buffer; }

private:
    void deliver(QByteArrayView bytes);

    LineHandler m_onLine;
    QByteArray m_buffer;
    // Reused for every line, so steady output decodes without allocating.
    QString m_line;
};
