#pragma once

#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>

namespace lx {

// The sheet, in millimetres: every page is laid out for A4.
inline const QSizeF kA4Millimetres { 210.0, 297.0 };

// The current font of a surface: a name of the installed font list (or the
// symbol font), a size in points and its styles.
struct SurfaceFont {
    QString name;
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // One letter in a cell: its line box is the one its letters need, when
    // the font's own is far taller (OpenDyslexic's is 1.75 em, for letters
    // as tall as Arial's in 1.15 em), so that the cell fits the letter.
    bool compact = false;
    bool operator==(const SurfaceFont&) const = default;
};

// Line styles of the pen.
enum class LineStyle {
    Solid = 0,
    Dotted = 2,
};

// The colours the worksheet uses.
inline constexpr QRgb kBlack = 0x000000;
inline constexpr QRgb kDarkGrey = 0x505050;

// What the page renderer draws on: the preview, the printer, a PDF or an
// image. Positions and lengths are page units of about one millimetre, with
// the origin at the top-left of the page, x to the right and y downwards.
//
// The current font, colour, pen and text cursor are plain state: the renderer
// sets each before it uses it. The backend measures and draws.
class Surface {
public:
    virtual ~Surface() = default;

    // The page extent in page units.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // True for paper surfaces (printer, PDF, the printed image): there page
    // units are exact millimetres and pen widths follow the paper.
    virtual bool IsPrinter() const = 0;

    SurfaceFont font;
    QRgb foreColor = kBlack; // 24-bit RGB of text and lines
    int drawWidth = 1;       // pen width in device pixels
    LineStyle drawStyle = LineStyle::Solid;
    double currentX = 0.0; // the top-left corner of the next printed text
    double currentY = 0.0;

    // Extent of a text in the current font, in page units. The height of any
    // one-line text is the font's line height.
    virtual double TextWidth(const QString& text) = 0;
    virtual double TextHeight(const QString& text) = 0;
    // Where the text's ink lies, in page units, from the top-left corner it
    // would be printed at. Surfaces that do not know it give the line box.
    virtual QRectF InkBox(const QString& text) { return { 0.0, 0.0, TextWidth(text), TextHeight(text) }; }

    // Draws the text at the cursor. Staying on the line, the cursor moves to
    // the end of the text; ending the line, it goes to x 0 and down by one
    // line height of the current font.
    void Print(const QString& text, bool endLine);

    // A straight line, and the outline of the rectangle with the given
    // opposite corners, in the current pen and colour.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
    // The outline of a capsule: the points within radius of the segment from
    // (x1, y1) to (x2, y2), a rounded frame around the cells of a word.
    virtual void Capsule(double x1, double y1, double x2, double y2, double radius) = 0;

    // Whether the current font draws the character itself (not a stand-in).
    virtual bool HasCharacter(char32_t) { return true; }

    // A length in millimetres as device pixels.
    virtual double ScaleX(double millimetres) const = 0;

    // Erases the whole surface to white.
    virtual void Clear() = 0;

protected:
    // Draws a text with its top-left corner at (x, y) in the current font and colour.
    virtual void DrawText(double x, double y, const QString& text) = 0;
};

} // namespace lx
