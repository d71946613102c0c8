#include "linereader.h"

#include <QStringDecoder>

#include <cstring>

namespace {

// The first CR or LF in [from, end), or end.
const char *findBreak(const char *from, const char *end)
{
    for (const char *p = from; p < end; ++p) {
        if (*p == '\n' || *p == '\r')
            return p;
    }
    return end;
}

} // namespace

LineReader::LineReader(LineHandler onLine)
    : m_onLine(std::move(onLine))
{
}

void LineReader::feed(QByteArrayView data)
{
    if (data.isEmpty())
        return;

    const char *begin = data.data();
    const char *end = begin + data.size();
    const char *lineBreak = findBreak(begin, end);
    if (lineBreak == end) {
        m_buffer.append(data);
        return;
    }

    // The line that was waiting ends in this chunk.
    if (!m_buffer.isEmpty()) {
        m_buffer.append(begin, lineBreak - begin);
        // Taken out first: the handler may feed this reader again.
        const QByteArray line = std::exchange(m_buffer, QByteArray());
        deliver(line);
    } else if (lineBreak > begin) {
        deliver(QByteArrayView(begin, lineBreak));
    }

    const char *start = lineBreak + 1;
    while (start < end) {
        lineBreak = findBreak(start, end);
        if (lineBreak == end)
            break;
        if (lineBreak > start)
            deliver(QByteArrayView(start, lineBreak));
        start = lineBreak + 1;
    }
    if (start < end)
        m_buffer.append(start, end - start);
}

void LineReader::flush()
{
    if (m_buffer.isEmpty())
        return;
    const QByteArray rest = std::exchange(m_buffer, QByteArray());
    deliver(rest);
}

void LineReader::deliver(QByteArrayView bytes)
{
    // UTF-8 never takes more UTF-16 units than it has bytes.
    m_line.resize(bytes.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar *last = decoder.appendToBuffer(m_line.data(), bytes);
    m_line.truncate(last - m_line.constData());
    m_onLine(m_line);
}
