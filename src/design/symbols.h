#pragma once

#include <QString>
#include <QStringList>

// The design names its icons with symbol names ("arrow.down.circle", "xmark", ...);
// on this platform they are drawn with glyphs of the bundled Material Icons font.

// The font's family name, loading it from the resources on first use. Empty if the
// font could not be loaded.
QString iconFontFamily();

// The glyph for a symbol name; an empty string for a name the table does not know.
QString symbolGlyph(QStringView symbol);

// Whether the symbol points along the line of reading (forward, back), so that a window
// laid out from right to left shows it turned round. Arrows up and down, clocks and media
// controls keep their drawing.
bool symbolPointsAlongLine(QStringView symbol);

// Every symbol name the table knows, in table order.
QStringList knownSymbols();

// Where the bundled font lives in the resources.
QString iconFontResource();
