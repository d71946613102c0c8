#pragma once

#include <QStringList>
#include <QStringView>

// The distinct http and https links in free text, in the order they first appear, each
// as the absolute, fully encoded form of the address. A link ends where a person reading
// the text would end it: not at a closing full stop, comma or quote, nor at a bracket
// that closes around it, while brackets that belong to the address itself are kept.
QStringList extractURLs(QStringView text);
