#include "terminal.h"

#include <QList>

namespace {

bool controlsTheTerminal(char32_t c)
{
    if (c == u'\n' || c == u'\t')
        return false;
    // C0, DEL and C1.
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
        return true;
    // Embeddings and overrides (LRE, RLE, PDF, LRO, RLO), and isolates (LRI, RLI, FSI, PDI).
    return (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString terminalText(QStringView text)
{
    QString safe;
    safe.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        safe += controlsTheTerminal(c) ? QString(QChar::ReplacementCharacter) : QString::fromUcs4(&c, 1);
    return safe;
}

void printLine(const QString &line, FILE *stream)
{
    std::fputs((terminalText(line) + u'\n').toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
