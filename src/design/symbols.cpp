#include "symbols.h"

#include "designlog.h"

#include <QFontDatabase>
#include <QResource>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Symbol name → Material Icons code point.
constexpr std::array<std::pair<const char16_t *, char16_t>, 28> symbolTable{{
    {u"arrow.down.circle", 0xF181}, // arrow_circle_down
    {u"clock", 0xE8B5}, // schedule
    {u"slider.horizontal.3", 0xE429}, // tune
    {u"link", 0xE157}, // link
    {u"doc.on.clipboard", 0xE14F}, // content_paste
    {u"xmark", 0xE5CD}, // close
    {u"xmark.circle.fill", 0xE5C9}, // cancel
    {u"checkmark", 0xE5CA}, // check
    {u"play.fill", 0xE037}, // play_arrow
    {u"magnifyingglass", 0xE8B6}, // search
    {u"arrow.down", 0xE5DB}, // arrow_downward
    {u"arrow.clockwise", 0xE5D5}, // refresh
    {u"doc.text", 0xE873}, // description
    {u"folder", 0xE2C7}, // folder
    {u"folder.open", 0xE2C8}, // folder_open: show a file in its folder
    {u"folder.badge.plus", 0xE2CC}, // create_new_folder
    {u"doc", 0xE24D}, // insert_drive_file: a file in a chooser
    {u"arrow.up", 0xE5D8}, // arrow_upward: the folder above
    {u"film", 0xE02C}, // movie
    {u"music.note", 0xE405}, // music_note
    {u"sparkles.tv", 0xE639}, // live_tv
    {u"chevron.down", 0xE5CF}, // expand_more
    {u"shippingbox", 0xE1A1}, // inventory_2
    {u"gearshape", 0xE8B8}, // settings
    {u"exclamationmark.triangle.fill", 0xE002}, // warning
    {u"line.3.horizontal", 0xE5D2}, // menu: the primary menu of the window
    {u"dot.radiowaves.up.forward", 0xE0E5}, // rss_feed: the followed sources
    {u"pause.fill", 0xE034}, // pause
}};

// The feed's waves spread forward, towards where the text runs.
constexpr std::array<const char16_t *, 1> alongLine{{u"dot.radiowaves.up.forward"}};

} // namespace

QString iconFontResource()
{
    return QStringLiteral(":/Vireloom/Design/fonts/MaterialIcons-Regular.ttf");
}

QString iconFontFamily()
{
    // Loaded once per process; the font database keeps it for the process's lifetime.
    // Handed over as the resource's own bytes where they are stored uncompressed: loaded
    // by name, the font would be read into memory once for the database and once more
    // for the glyphs.
    static const QString family = [] {
        const QResource resource(iconFontResource());
        const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
                                    ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size()))
                                    : resource.uncompressedData();
        const int id = QFontDatabase::addApplicationFontFromData(data);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            qCWarning(lcDesign) << "icon font could not be loaded from" << iconFontResource();
            return QString();
        }
        return families.first();
    }();
    return family;
}

QString symbolGlyph(QStringView symbol)
{
    for (const auto &[name, codePoint] : symbolTable) {
        if (symbol == QStringView(name))
            return QString(QChar(codePoint));
    }
    return {};
}

bool symbolPointsAlongLine(QStringView symbol)
{
    return std::ranges::any_of(alongLine, [symbol](const char16_t *name) { return symbol == QStringView(name); });
}

QStringList knownSymbols()
{
    QStringList names;
    names.reserve(qsizetype(symbolTable.size()));
    for (const auto &entry : symbolTable)
        names << QString::fromUtf16(entry.first);
    return names;
}
