#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <cstdint>

// An opaque sRGB colour from a 24-bit 0xRRGGBB value; bits above 24 are ignored.
QColor colorFromHex(std::uint32_t hex);

// x − floor(x): the position inside the current cycle of anything periodic.
double fract(double x);

// The same colour with its alpha set to `opacity` (limited to 0…1).
QColor withOpacity(const QColor &color, double opacity);

// The window's one dark style: colours, corner radius and type.
namespace DS {
inline const QColor bg = colorFromHex(0x0E0E0E);
inline const QColor surface = colorFromHex(0x16161A);
inline const QColor border = colorFromHex(0x26262E);
inline const QColor primary = colorFromHex(0x9498F2);
inline const QColor primaryDeep = colorFromHex(0x6E73E8);
inline const QColor glow = colorFromHex(0xB4B7F7);
inline const QColor text = colorFromHex(0xF4F4F5);
inline const QColor muted = colorFromHex(0xA1A1AA);
inline const QColor success = colorFromHex(0x2ECC71);
inline const QColor warning = colorFromHex(0xF39C12);
inline const QColor danger = colorFromHex(0xE74C3C);
inline constexpr double radius = 14;
// Space between a page's edges and its content.
inline constexpr int pageMargin = 32;

// The type scale, in pixels, from eyebrow captions to the page headline.
namespace Type {
inline constexpr int micro = 10;
inline constexpr int caption = 11;
inline constexpr int small = 12;
inline constexpr int body = 13;
inline constexpr int lead = 14;
inline constexpr int title = 15;
inline constexpr int field = 17;
inline constexpr int display = 34;
} // namespace Type

// Dark backdrop behind a sheet or dialog.
inline const QColor scrim = withOpacity(Qt::black, 0.45);

// The ring around the control that holds the keyboard's focus: the light accent, which
// stands out on every fill of the dark style, the accent capsule included.
inline const QColor focusRing = glow;
inline constexpr double focusRingWidth = 2;
// Space between a control's edge and its ring, so the ring never hides the control's own outline.
inline constexpr double focusRingGap = 2;

// The system's fixed-pitch font at a pixel size and weight. Sizes in the design are
// points of a 1:1 logical canvas, which is what Qt Quick calls pixels.
QFont mono(double size, QFont::Weight weight = QFont::Medium);

// The face Japanese text is drawn in, named rather than left to fontconfig's fallback: it
// has a real Bold. A fallback with one weight (IPAGothic, the usual one) stays regular at
// DemiBold, since Qt emboldens synthetically only from Bold up, while the Latin letters
// beside it take the desktop font's Bold: a label would be half bold.
inline const QString cjkFamily = QStringLiteral("Noto Sans CJK JP");
} // namespace DS

// `spacing` for the letters of `text`, or none where its script joins its letters
// (Arabic, Devanagari): spaced out, they would come apart.
double trackingFor(QStringView text, double spacing);

// Makes the application's default font the desktop's own followed by `cjkFamily`
// (DS::cjkFamily, or the cut of the interface language), so every text of the interface
// finds Chinese, Japanese and Korean glyphs with all the weights it asks for; also adds the
// icon font. Call it after the QGuiApplication exists and before the first window.
void useInterfaceFont(const QString &cjkFamily = DS::cjkFamily);
// Starts finding what the desktop's fonts resolve to, and filling Qt's font database, on a
// thread of its own; useInterfaceFont() and DS::mono() take the answer, waiting for it if
// need be. Call it once the QGuiApplication exists, as early as possible.
void prepareInterfaceFont();
// Waits until what prepareInterfaceFont() started is done. That thread reads Qt's font
// database, so the QGuiApplication must outlive it: a start that ends early calls this.
void awaitInterfaceFont();
// Whether the interface's language joins its letters (Arabic). The monospaced face draws
// such letters apart, each in a cell of its own, so there DS::mono() gives the interface
// face at the size and weight asked for.
void setInterfaceLettersJoin(bool join);

// The tokens and a few helpers for QML, where they are read as `DS.primary`,
// `DS.opacity(DS.primary, 0.14)`, `DS.mono(15, Font.DemiBold)`, `DS.glyph("clock")`.
class DesignSystem : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(DS)
    QML_SINGLETON

    Q_PROPERTY(QColor bg READ bg CONSTANT)
    Q_PROPERTY(QColor surface READ surface CONSTANT)
    Q_PROPERTY(QColor border READ border CONSTANT)
    Q_PROPERTY(QColor primary READ primary CONSTANT)
    Q_PROPERTY(QColor primaryDeep READ primaryDeep CONSTANT)
    Q_PROPERTY(QColor glow READ glow CONSTANT)
    Q_PROPERTY(QColor text READ text CONSTANT)
    Q_PROPERTY(QColor muted READ muted CONSTANT)
    Q_PROPERTY(QColor success READ success CONSTANT)
    Q_PROPERTY(QColor warning READ warning CONSTANT)
    Q_PROPERTY(QColor danger READ danger CONSTANT)
    Q_PROPERTY(double radius READ radius CONSTANT)
    Q_PROPERTY(int pageMargin READ pageMargin CONSTANT)
    Q_PROPERTY(int typeMicro READ typeMicro CONSTANT)
    Q_PROPERTY(int typeCaption READ typeCaption CONSTANT)
    Q_PROPERTY(int typeSmall READ typeSmall CONSTANT)
    Q_PROPERTY(int typeBody READ typeBody CONSTANT)
    Q_PROPERTY(int typeLead READ typeLead CONSTANT)
    Q_PROPERTY(int typeTitle READ typeTitle CONSTANT)
    Q_PROPERTY(int typeField READ typeField CONSTANT)
    Q_PROPERTY(int typeDisplay READ typeDisplay CONSTANT)
    Q_PROPERTY(QColor scrim READ scrim CONSTANT)
    Q_PROPERTY(QColor focusRing READ focusRing CONSTANT)
    Q_PROPERTY(double focusRingWidth READ focusRingWidth CONSTANT)
    Q_PROPERTY(double focusRingGap READ focusRingGap CONSTANT)
    Q_PROPERTY(QString iconFamily READ iconFamily CONSTANT)

public:
    explicit DesignSystem(QObject *parent = nullptr);

    QColor bg() const { return DS::bg; }
    QColor surface() const { return DS::surface; }
    QColor border() const { return DS::border; }
    QColor primary() const { return DS::primary; }
    QColor primaryDeep() const { return DS::primaryDeep; }
    QColor glow() const { return DS::glow; }
    QColor text() const { return DS::text; }
    QColor muted() const { return DS::muted; }
    QColor success() const { return DS::success; }
    QColor warning() const { return DS::warning; }
    QColor danger() const { return DS::danger; }
    double radius() const { return DS::radius; }
    int pageMargin() const { return DS::pageMargin; }
    int typeMicro() const { return DS::Type::micro; }
    int typeCaption() const { return DS::Type::caption; }
    int typeSmall() const { return DS::Type::small; }
    int typeBody() const { return DS::Type::body; }
    int typeLead() const { return DS::Type::lead; }
    int typeTitle() const { return DS::Type::title; }
    int typeField() const { return DS::Type::field; }
    int typeDisplay() const { return DS::Type::display; }
    QColor scrim() const { return DS::scrim; }
    QColor focusRing() const { return DS::focusRing; }
    double focusRingWidth() const { return DS::focusRingWidth; }
    double focusRingGap() const { return DS::focusRingGap; }
    QString iconFamily() const;

    Q_INVOKABLE QColor hex(int rgb) const { return colorFromHex(std::uint32_t(rgb)); }
    Q_INVOKABLE QColor opacity(const QColor &color, double opacity) const { return withOpacity(color, opacity); }
    // White at `opacity` over the dark surfaces: hovers, tracks, fills and highlights.
    Q_INVOKABLE QColor tint(double opacity) const { return withOpacity(Qt::white, opacity); }
    // Black at `opacity`: shadows.
    Q_INVOKABLE QColor shade(double opacity) const { return withOpacity(Qt::black, opacity); }
    Q_INVOKABLE double fract(double x) const { return ::fract(x); }
    Q_INVOKABLE QFont mono(double size, int weight = QFont::Medium) const;
    // The icon font's character for one of the design's symbol names.
    Q_INVOKABLE QString glyph(const QString &symbol) const;
    Q_INVOKABLE bool pointsAlongLine(const QString &symbol) const;
    Q_INVOKABLE double tracking(const QString &text, double spacing) const;
    // The part of a meter's track that its fill covers for a progress fraction.
    Q_INVOKABLE double meterFraction(double fraction) const;
    // Gives the keyboard focus to the next (or previous) control in the same row, as the
    // arrow keys do in a row of capsules; at either end of the row the focus stays.
    Q_INVOKABLE void moveAlongRow(QObject *control, bool forward) const;
};

// What a MeterBar shows for `fraction`: never less than a 1 % sliver, never more than
// the whole track; anything that is not a number counts as nothing done.
double meterShownFraction(double fraction);
