#include "designsystem.h"

#include "symbols.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QQuickItem>

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <future>

QColor colorFromHex(std::uint32_t hex)
{
    return QColor(int((hex >> 16) & 0xFF), int((hex >> 8) & 0xFF), int(hex & 0xFF));
}

double fract(double x)
{
    return x - std::floor(x);
}

QColor withOpacity(const QColor &color, double opacity)
{
    QColor c = color;
    c.setAlphaF(float(std::clamp(opacity, 0.0, 1.0)));
    return c;
}

namespace {

// What fontconfig serves for a family name: the family it draws with (an alias such as
// "Sans Serif" or "Monospace" is no family of Qt's) and how that face spaces its letters.
// Asked of fontconfig itself: a font loaded only to ask it costs more than the answer,
// and this is asked before the first frame.
struct ServedFamily
{
    QString requested;
    QString family;
    int spacing = FC_PROPORTIONAL;
};

ServedFamily servedFamily(const QString &requested)
{
    ServedFamily served{requested, requested};
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(requested.toUtf8().constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return served;
    FcChar8 *family = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        served.family = QString::fromUtf8(reinterpret_cast<const char *>(family));
    FcPatternGetInteger(match, FC_SPACING, 0, &served.spacing);
    FcPatternDestroy(match);
    return served;
}

// The desktop's monospaced family where it really is fixed-pitch. Some families that
// fontconfig serves as "monospace" (Noto Sans Mono among them) carry a few wide glyphs
// and are not, so columns of figures would not line up; then the first installed
// fixed-pitch family named as a monospaced design is taken instead.
QString fixedPitchFamily(const QString &desktops)
{
    const ServedFamily served = servedFamily(desktops);
    if (served.spacing >= FC_MONO)
        return served.family;
    const QStringList families = QFontDatabase::families();
    const auto fixed = std::find_if(families.begin(), families.end(), [](const QString &family) {
        return family.contains(QLatin1String("Mono"), Qt::CaseInsensitive) && QFontDatabase::isFixedPitch(family);
    });
    return fixed != families.end() ? *fixed : served.family;
}

struct DesktopFonts
{
    ServedFamily interface;
    QString fixedPitch;
};

DesktopFonts findDesktopFonts(const QString &general, const QString &fixed)
{
    // Asking for the families fills Qt's font database, which the first text needs too.
    QFontDatabase::families();
    return {servedFamily(general), fixedPitchFamily(fixed)};
}

// Finds them for the desktop's fonts as they are now, on a thread of its own or, deferred,
// on the thread that takes the answer.
std::future<DesktopFonts> findingDesktopFonts(std::launch how)
{
    return std::async(how, findDesktopFonts, QGuiApplication::font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
}

std::future<DesktopFonts> &preparedFonts()
{
    static std::future<DesktopFonts> prepared;
    return prepared;
}

// The answer prepareInterfaceFont() started on, taken once; found here where nobody started it.
const DesktopFonts &desktopFonts()
{
    static const DesktopFonts fonts = [] {
        std::future<DesktopFonts> &prepared = preparedFonts();
        if (!prepared.valid())
            prepared = findingDesktopFonts(std::launch::deferred);
        return prepared.get();
    }();
    return fonts;
}

bool interfaceLettersJoin = false;

} // namespace

void setInterfaceLettersJoin(bool join)
{
    interfaceLettersJoin = join;
}

QFont DS::mono(double size, QFont::Weight weight)
{
    QFont font;
    if (interfaceLettersJoin) {
        font = QGuiApplication::font();
    } else {
        static const QFont fixed = [] {
            QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            font.setFamilies({desktopFonts().fixedPitch});
            return font;
        }();
        font = fixed;
    }
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setWeight(weight);
    return font;
}

void prepareInterfaceFont()
{
    std::future<DesktopFonts> &prepared = preparedFonts();
    if (!prepared.valid())
        prepared = findingDesktopFonts(std::launch::async);
}

void awaitInterfaceFont()
{
    if (const std::future<DesktopFonts> &prepared = preparedFonts(); prepared.valid())
        prepared.wait();
}

void useInterfaceFont(const QString &cjkFamily)
{
    // The icon font joins the font database now, before any window: added once a window
    // exists, it makes the window drop every font it has loaded at its next frame and lay
    // out all its text again.
    iconFontFamily();
    QFont font = QGuiApplication::font();
    if (font.families().contains(cjkFamily))
        return;
    // The desktop font is named by what it resolves to: an alias such as "Sans Serif" is no
    // family of its own, and Qt would skip it for the next name, whose Latin letters would
    // then replace the desktop's.
    const ServedFamily &prepared = desktopFonts().interface;
    const ServedFamily desktop = prepared.requested == font.family() ? prepared : servedFamily(font.family());
    // In a Japanese session fontconfig may answer "Sans Serif" with a face whose Latin is
    // fixed-width (IPAGothic, the "dual-spaced" cut of its pair, which Qt does not count as
    // fixed pitch), and every Latin letter would then sit in columns like code. The CJK
    // face, whose Latin is proportional, takes its place.
    if (desktop.spacing >= FC_DUAL)
        font.setFamilies({cjkFamily});
    else
        font.setFamilies({desktop.family, cjkFamily});
    QGuiApplication::setFont(font);
}

double trackingFor(QStringView text, double spacing)
{
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::script(c)) {
        case QChar::Script_Arabic:
        case QChar::Script_Syriac:
        case QChar::Script_Nko:
        case QChar::Script_Mongolian:
        case QChar::Script_Devanagari:
        case QChar::Script_Bengali:
        case QChar::Script_Gurmukhi:
        case QChar::Script_Gujarati:
            return 0;
        default:
            break;
        }
    }
    return spacing;
}

double meterShownFraction(double fraction)
{
    if (std::isnan(fraction) || fraction < 0.01)
        return 0.01;
    return std::min(fraction, 1.0);
}

DesignSystem::DesignSystem(QObject *parent)
    : QObject(parent)
{
}

QString DesignSystem::iconFamily() const
{
    return iconFontFamily();
}

QFont DesignSystem::mono(double size, int weight) const
{
    return DS::mono(size, QFont::Weight(weight));
}

double DesignSystem::tracking(const QString &text, double spacing) const
{
    return trackingFor(text, spacing);
}

bool DesignSystem::pointsAlongLine(const QString &symbol) const
{
    return symbolPointsAlongLine(symbol);
}

QString DesignSystem::glyph(const QString &symbol) const
{
    return symbolGlyph(symbol);
}

void DesignSystem::moveAlongRow(QObject *control, bool forward) const
{
    auto *item = qobject_cast<QQuickItem *>(control);
    if (!item)
        return;
    QQuickItem *next = item->nextItemInFocusChain(forward);
    if (next && next != item && next->parentItem() == item->parentItem())
        next->forceActiveFocus(Qt::TabFocusReason);
}

double DesignSystem::meterFraction(double fraction) const
{
    return meterShownFraction(fraction);
}
