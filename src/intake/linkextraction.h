#pragma once

#include <QStringList>
#include <QStringView>

// The distinct http and https links in free text, in the order they first appear, each
// as the absolute, fully encoded form of the address. A link ends where a person reading
// the text would end it: not at a closing full stop, comma or quote, nor at a bracket
// that closes around it, while brackets that belong to the address itself are kept.
QStringList extractURLs(QStringView text);

// Addresses written without "http://" or "https://" that are plainly addresses: a word
// beginning with "www.", or a host with a dot (a name ending in letters, or an IPv4
// address) followed by a path, as in "127.0.0.1:8765/watch/a.html". Each is given as an
// https link, in the form extractURLs() gives. Free text has many words with dots and
// slashes (versions, file names), so only the words of a text that holds no link at all
// are read this way, and only where someone typed it.
QStringList schemelessAddresses(QStringView text);
