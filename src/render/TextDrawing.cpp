#include "render/DocumentRenderer.h"

#include "render/PageTexts.h"
#include "render/SymbolFont.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

constexpr double kMargin = 7.0; // the page's left and right margins

// The rightmost space where a line may end before which `text`, started at
// `start`, ends within the right margin; -1 when there is none. The width of the part grows with the
// space, so the spaces are searched by halves: a text of thousands of words
// costs a dozen measures, not one per space, and the preview stays quick
// while it is typed.
int LastFittingSpace(Surface& surface, const QString& text, double start)
{
    const double rightLimit = surface.ScaleWidth() - kMargin;
    // French sets no line break before a colon, a semicolon, an exclamation
    // or question mark or a closing quote, nor after an opening quote.
    static const QString notAfter = QStringLiteral(":;!?\u00BB"), notBefore = QStringLiteral("\u00AB");
    QList<int> spaces;
    for (int p = 0; p + 1 < text.size(); ++p) {
        if (text[p] == QLatin1Char(' ') && !notAfter.contains(text[p + 1]) && (p == 0 || !notBefore.contains(text[p - 1])))
            spaces.append(p);
    }
    int breakAt = -1;
    qsizetype low = 0;
    qsizetype high = spaces.size() - 1;
    while (low <= high) {
        const qsizetype mid = (low + high) / 2;
        if (start + surface.TextWidth(text.left(spaces[mid])) <= rightLimit) {
            breakAt = spaces[mid];
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return breakAt;
}

void PrintLines(Surface& surface, double x, double y, const QString& first, const QString& second)
{
    surface.currentX = x;
    surface.currentY = y;
    surface.Print(first, true);
    if (second.isEmpty())
        return;
    surface.currentX = x;
    surface.Print(second, true);
}

} // namespace

void DrawTextAt(Surface& surface, const QString& text, double x, double y)
{
    if (text.isEmpty())
        return;
    const double start = x == -1.0 ? (surface.ScaleWidth() - surface.TextWidth(text)) * 0.5 : x;
    const int breakAt = start + surface.TextWidth(text) <= surface.ScaleWidth() - kMargin ? -1 : LastFittingSpace(surface, text, start);
    if (breakAt < 0)
        PrintLines(surface, start, y, text, {});
    else
        PrintLines(surface, start, y, text.left(breakAt), text.mid(breakAt + 1));
}

namespace {

double WidthWithin(Surface& surface, double x)
{
    return surface.ScaleWidth() - kMargin - (x == -1.0 ? kMargin : x);
}

// Sets the font smaller, down to `smallest`, until the text keeps within the
// margins and its lines; false when even the smallest size does not do.
bool ShrinkToFit(Surface& surface, const QString& text, double x, int lines, double smallest)
{
    const double width = WidthWithin(surface, x);
    const auto fits = [&] {
        if (surface.TextWidth(text) <= width)
            return true;
        const int at = x == -1.0 || lines < 2 ? -1 : LastFittingSpace(surface, text, x);
        return at >= 0 && surface.TextWidth(text.mid(at + 1)) <= width;
    };
    while (!fits() && surface.font.size > smallest)
        surface.font.size = std::max(smallest, surface.font.size * 0.95);
    return fits();
}

} // namespace

bool TextFitsWithin(Surface& surface, const QString& text, double x, int lines, double smallest)
{
    const double size = surface.font.size;
    const bool fits = text.isEmpty() || ShrinkToFit(surface, text, x, lines, smallest);
    surface.font.size = size;
    return fits;
}

void DrawTextWithin(Surface& surface, const QString& text, double x, double y, int lines, double smallest, const QString& kept)
{
    if (text.isEmpty())
        return;
    const double width = WidthWithin(surface, x);
    if (ShrinkToFit(surface, text + kept, x, lines, smallest)) {
        DrawTextAt(surface, text + kept, x, y);
        return;
    }
    const auto elided = [&](const QString& part) { return ElidedToWidth(surface, part, width - surface.TextWidth(kept)) + kept; };
    if (x == -1.0 || lines < 2) {
        DrawTextAt(surface, elided(text), x, y);
    } else {
        const int at = LastFittingSpace(surface, text, x);
        if (at < 0)
            PrintLines(surface, x, y, elided(text), {});
        else
            PrintLines(surface, x, y, text.left(at), elided(text.mid(at + 1)));
    }
}

void SetPenWidth(Surface& surface, double w, bool isPrinter)
{
    if (isPrinter)
        surface.drawWidth = std::max(1, int(std::lround(surface.ScaleX(w * 0.3))));
    else
        surface.drawWidth = std::max(1, int(std::lround(w)));
}

void DrawCutLine(Surface& surface, double ratio, double y)
{
    surface.font = SurfaceFont { SymbolFontName(), 10.0 * ratio, false, false, false };
    surface.foreColor = kBlack;
    DrawTextAt(surface, QString(QChar(kScissorsCode)), 2.0, y - 2.0);
    surface.drawStyle = LineStyle::Dotted;
    // One device pixel on screen. On paper one pixel of a fine printer or of a
    // PDF (1/1200 inch) would all but vanish: the line is kept at 0.1 mm at least.
    surface.drawWidth = surface.IsPrinter() ? std::max(1, int(std::lround(surface.ScaleX(0.1)))) : 1;
    surface.Line(2.0, y, surface.ScaleWidth() - 2.0, y);
    surface.drawStyle = LineStyle::Solid;
}

} // namespace lx
