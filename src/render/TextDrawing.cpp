#include "render/DocumentRenderer.h"

#include "render/SymbolFont.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace lx {

void DrawTextAt(Surface& surface, const QString& text, double x, double y)
{
    if (text.isEmpty())
        return;
    const double start = x == -1.0 ? (surface.ScaleWidth() - surface.TextWidth(text)) * 0.5 : x;
    surface.currentX = start;
    const double rightLimit = surface.ScaleWidth() - 7.0;
    if (start + surface.TextWidth(text) <= rightLimit) {
        surface.currentY = y;
        surface.Print(text, true);
        return;
    }
    // The rightmost space before the last character that lets the first part
    // fit. The width of the part grows with it, so the spaces are searched by
    // halves: a text of thousands of words costs a dozen measures, not one
    // per space, and the preview stays quick while it is typed.
    QList<int> spaces;
    for (int p = 0; p + 1 < text.size(); ++p) {
        if (text[p] == QLatin1Char(' '))
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
    surface.currentY = y;
    if (breakAt < 0) {
        surface.Print(text, true);
        return;
    }
    surface.Print(text.left(breakAt), true);
    surface.currentX = start;
    surface.Print(text.mid(breakAt + 1), true);
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
