#include "linkextraction.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool startsWithNoCase(QStringView text, qsizetype at, QLatin1StringView prefix)
{
    return text.size() - at >= prefix.size() && text.sliced(at, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// Length of "http://" or "https://" at `at`, 0 when neither starts there.
qsizetype schemeLength(QStringView text, qsizetype at)
{
    if (startsWithNoCase(text, at, QLatin1StringView("https://")))
        return 8;
    if (startsWithNoCase(text, at, QLatin1StringView("http://")))
        return 7;
    return 0;
}

// Characters that never belong to an address written in running text: blanks, control
// characters, the delimiters that RFC 3986 keeps out of addresses, and the quotes,
// brackets and sentence marks of other scripts, which readers glue to links.
bool endsLink(QChar c)
{
    const char16_t u = c.unicode();
    if (u <= 0x20 || u == 0x7f)
        return true;
    if (u < 0x80)
        return u == u'<' || u == u'>' || u == u'"' || u == u'`' || u == u'\\' || u == u'^' || u == u'|';
    switch (c.category()) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
        return true;
    default:
        return false;
    }
}

// Marks that end a sentence or wrap a word rather than end an address.
bool isTrailingMark(QChar c)
{
    switch (c.unicode()) {
    case u'.':
    case u',':
    case u':':
    case u';':
    case u'!':
    case u'?':
    case u'\'':
    case u'*':
    case u'(':
    case u'[':
    case u'{':
        return true;
    default:
        return false;
    }
}

QChar opening(QChar closing)
{
    switch (closing.unicode()) {
    case u')':
        return u'(';
    case u']':
        return u'[';
    case u'}':
        return u'{';
    default:
        return QChar();
    }
}

// The end of the address that starts at `start`, whose scheme ends at `from`.
qsizetype scanLink(QStringView text, qsizetype from)
{
    QString open; // brackets opened inside the address and not yet closed
    qsizetype at = from;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (endsLink(c))
            break;
        if (c == u'(' || c == u'[' || c == u'{') {
            open.append(c);
        } else if (const QChar wanted = opening(c); !wanted.isNull()) {
            // A closing bracket the address did not open is the text's, as in "(see <link>)".
            if (open.isEmpty() || open.back() != wanted)
                break;
            open.chop(1);
        } else if ((c == u',' || c == u';') && schemeLength(text, at + 1) > 0) {
            break; // a list of links written without blanks
        }
    }
    while (at > from && isTrailingMark(text[at - 1]))
        --at;
    return at;
}

} // namespace

QStringList extractURLs(QStringView text)
{
    QStringList found;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype start = text.indexOf(QLatin1StringView("http"), at, Qt::CaseInsensitive);
        if (start < 0)
            break;
        const qsizetype scheme = schemeLength(text, start);
        if (scheme == 0) {
            at = start + 4;
            continue;
        }
        const qsizetype end = scanLink(text, start + scheme);
        at = std::max(end, start + scheme);
        if (end == start + scheme)
            continue;

        const QUrl url(text.sliced(start, end - start).toString(), QUrl::TolerantMode);
        if (!url.isValid() || url.host().isEmpty())
            continue;
        const QString scheme_ = url.scheme();
        if (scheme_ != u"http" && scheme_ != u"https")
            continue;
        const QString absolute = url.toString(QUrl::FullyEncoded);
        if (!found.contains(absolute))
            found.append(absolute);
    }
    return found;
}

QStringList schemelessAddresses(QStringView text)
{
    if (!extractURLs(text).isEmpty())
        return {};
    // A label of letters, digits and hyphens; the last one of a name is letters alone.
    static const QRegularExpression named(QStringLiteral("^(?:[\\p{L}\\p{N}](?:[\\p{L}\\p{N}-]*[\\p{L}\\p{N}])?\\.)+\\p{L}{2,}$"));
    static const QRegularExpression dotted(QStringLiteral("^(?:\\d{1,3}\\.){3}\\d{1,3}$"));
    static const QRegularExpression port(QStringLiteral("^\\d{1,5}$"));
    QStringList found;
    for (QStringView word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        while (!word.isEmpty() && isTrailingMark(word.back()))
            word.chop(1);
        const qsizetype pathAt = word.indexOf(u'/');
        QStringView host = pathAt < 0 ? word : word.first(pathAt);
        const bool hasPath = pathAt >= 0 && pathAt + 1 < word.size();
        if (const qsizetype colon = host.lastIndexOf(u':'); colon >= 0) {
            if (!port.match(host.sliced(colon + 1)).hasMatch())
                continue;
            host = host.first(colon);
        }
        const bool www = host.startsWith(QLatin1StringView("www."), Qt::CaseInsensitive);
        const bool isName = named.match(host).hasMatch();
        if (!((www && isName) || (hasPath && (isName || dotted.match(host).hasMatch()))))
            continue;
        const QUrl url(QStringLiteral("https://") + word.toString(), QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty())
            continue;
        const QString absolute = url.toString(QUrl::FullyEncoded);
        if (!found.contains(absolute))
            found.append(absolute);
    }
    return found;
}
