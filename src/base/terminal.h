#pragma once

#include <QString>
#include <QStringView>

#include <cstdio>

// What the command line prints holds text from outside (titles, links, the engine's
// words). A terminal obeys the control characters in what it is given: an escape
// sequence can rename the window, clear the screen or, on some terminals, type into
// the shell; a bidi override makes a line read as something else. Such characters are
// shown as U+FFFD instead. Line breaks and tabs, which the printed formats use, stay.
QString terminalText(QStringView text);

// Prints one line, made safe for a terminal, and flushes the stream.
void printLine(const QString &line, FILE *stream = stdout);
