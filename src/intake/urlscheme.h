#pragma once

#include "model/quality.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What a "vireloom:" address asks for: the text to take links from, with the quality
// and playlist choice of the structured form "vireloom://download?url=...".
struct SchemeRequest
{
    QString text;
    std::optional<Quality> quality;
    bool playlist = false;
    bool structured = false;

    friend bool operator==(const SchemeRequest &, const SchemeRequest &) = default;
};

// Takes the structured form when the address parses and has a "url" query item with a
// value; otherwise the loose form, which reads everything after "vireloom:" as text.
// Query values are percent-decoded without turning "+" into a blank.
SchemeRequest parseSchemeURL(QStringView raw);

// Strict percent-decoding: absent when an escape is malformed or the bytes are not UTF-8.
std::optional<QString> percentDecoded(QStringView text);

// Whether a host lies in the user's own network rather than on the internet: loopback,
// link-local, private and shared ranges, and names that only the local network answers
// (localhost, names without a dot, .local and the like). A web page may not make the
// browser reach these, so it may not make Vireloom reach them either.
bool isLocalNetworkHost(const QString &host);
bool isLocalNetworkAddress(const QHostAddress &address);
// Names reserved never to resolve (".invalid"): nothing to look up.
bool resolvesNowhere(const QString &host);

// What the local-network rule tells of a link's host before any lookup: the local network
// (asked about), the internet, or a name to look up. A name that resolves nowhere cannot be
// called public; through a proxy (`proxyResolves`) the proxy resolves names, and this
// machine's answer would say nothing, so they count as the internet.
enum class HostReach { internet, localNetwork, lookUp };
HostReach reachWithoutLookup(const QString &host, bool proxyResolves);
// Whether a lookup's answer leads into the local network. No address at all (a lookup
// that failed) is no proof of the internet, so it counts as local.
bool answerReachesLocalNetwork(const QList<QHostAddress> &addresses);
