#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "render/SymbolFont.h"
#include "words/WordForms.h"

#include <QPointF>

#include <cmath>

namespace lx {

using namespace render_detail;

void DocumentRenderer::PrintCentred(const QString& s, int column, int row, double base, double th)
{
    s_->currentX = CellLeft(column) + (layout_.CellSize - s_->TextWidth(s)) * 0.5;
    s_->currentY = base + (row + 1) * layout_.CellSize - th;
    s_->Print(s, false);
}

void DocumentRenderer::DrawGrid(Half half, GridMode mode)
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    const GameType type = st.puzzle.gameType;
    const double originX = st.GridOriginX;
    const double top = half == Half::Upper ? double(st.GridOriginY) : layout_.LowerGridY;
    // The row base: where the bottom of the letters' line boxes sits.
    double base = top;
    switch (type) {
    case GameType::WordSearch:
        base = top - 1.0;
        break;
    case GameType::FillIn:
        base = top - 0.5;
        break;
    case GameType::CodedWords:
        base = half == Half::Upper ? top : top - 1.0;
        break;
    }
    const int last = LastIndex(z);

    // The size the page fitting chose: the document's unless the grid had to shrink.
    const double size = layout_.GridFontSize;
    SetFont(st.gridFontName, size, false, false);
    const double th = s_->TextHeight(kSample);
    layout_.CellSize = th + Padding();
    layout_.GridExtent = layout_.CellSize * z.GridSize;
    const double codeOffset = th + 2.0;

    if (type == GameType::WordSearch) {
        SetPenWidth(*s_, 1, layout_.IsPrinter);
        s_->foreColor = kBlack;
        s_->Box(originX, top, originX + layout_.GridExtent, top + layout_.GridExtent);
        if (st.visibleCells) {
            for (int k = 1; k <= z.GridSize; ++k) {
                s_->Line(originX + k * layout_.CellSize, top, originX + k * layout_.CellSize, top + layout_.GridExtent);
                s_->Line(originX, top + k * layout_.CellSize, originX + layout_.GridExtent, top + k * layout_.CellSize);
            }
        }
    }

    auto letterFont = [&] {
        SetFont(st.gridFontName, size, st.gridBold, st.gridItalic);
        s_->foreColor = kBlack;
    };
    letterFont();

    switch (type) {
    case GameType::WordSearch:
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const QString& cell = z.LetterGrid.at(c, r);
                if (cell.isEmpty())
                    continue;
                // With random filler letters the solution shows only the words'
                // (upper-case) letters; a hidden message stays visible.
                if (mode == GridMode::Solution && st.puzzle.randomFill && cell[0].unicode() >= 91)
                    continue;
                PrintCentred(UpperCase1252(cell), c, r, base, th);
            }
        }
        break;
    case GameType::FillIn:
        SetPenWidth(*s_, 1, layout_.IsPrinter);
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const QString& cell = z.LetterGrid.at(c, r);
                if (cell.isEmpty())
                    continue;
                const double x = CellLeft(c);
                const double y = top + r * layout_.CellSize;
                s_->Box(x, y, x + layout_.CellSize, y + layout_.CellSize);
                if (mode == GridMode::Solution || !IsLowerCaseLetter(cell))
                    PrintCentred(UpperCase1252(cell), c, r, base, th);
            }
        }
        break;
    case GameType::CodedWords: {
        // The boxes and the codes, in dark grey in each cell's top-left corner.
        const bool symbols = !z.CodesAreNumbers;
        // A shrunken grid shrinks its codes alike, so that they keep to their
        // corner, to the nearest half point (odd sizes draw much slower on screen).
        const double codeSize = size == st.gridFontSize ? 9.0 : std::round(18.0 * size / st.gridFontSize) / 2.0;
        s_->font = SurfaceFont { symbols ? SymbolFontName() : st.gridFontName, codeSize * ratio_, true, false, false };
        s_->foreColor = kDarkGrey;
        SetPenWidth(*s_, 1, layout_.IsPrinter);
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const int v = z.CodeGrid.at(c, r);
                if (v == 0)
                    continue;
                const double x = CellLeft(c);
                const double y = base + r * layout_.CellSize;
                s_->Box(x, y, x + layout_.CellSize, y + layout_.CellSize);
                s_->currentX = x + 0.4;
                s_->currentY = base + (r + 1) * layout_.CellSize - codeOffset;
                if (!symbols)
                    s_->Print(QString::number(v), false);
                else if (v >= 1 && v <= z.SymbolAlphabet.size())
                    s_->Print(z.SymbolAlphabet.mid(v - 1, 1), false);
            }
        }
        letterFont();
        // The key row's revealed letters in grey, the words' in black.
        for (int r = 0; r <= last; ++r) {
            s_->foreColor = r == 0 ? kDarkGrey : kBlack;
            for (int c = 0; c <= last; ++c) {
                const QString& cell = z.LetterGrid.at(c, r);
                if (cell.isEmpty())
                    continue;
                if (mode == GridMode::Solution || !IsLowerCaseLetter(cell))
                    PrintCentred(UpperCase1252(cell), c, r, base, th);
            }
        }
        break;
    }
    }
}

void DocumentRenderer::DrawSolutionStrokes(double top)
{
    const PuzzleState& z = D().puzzle;
    if (z.WordEntries.size() < 2)
        return;
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->foreColor = kBlack;
    const double ox = D().settings.GridOriginX;
    const double oy = top;
    const int count = std::min<int>(z.WordCount, int(z.WordEntries.size()));
    for (int k = 0; k < count; ++k) {
        const WordEntry& e = z.WordEntries[k];
        // A word that could not be placed has no cells to strike.
        if (!EntryInside(e, int(e.gridText.size()), LastIndex(z) + 1))
            continue;
        const DirectionStep step = kDirectionSteps[e.direction];
        const double length = double(e.gridText.size());
        const double u1 = e.x + 0.5 - 0.25 * step.dx;
        const double v1 = e.y + 0.5 - 0.25 * step.dy;
        const double u2 = u1 + (length - 0.5) * step.dx;
        const double v2 = v1 + (length - 0.5) * step.dy;
        s_->Line(ox + u1 * layout_.CellSize, oy + v1 * layout_.CellSize, ox + u2 * layout_.CellSize, oy + v2 * layout_.CellSize);
    }
}

void DocumentRenderer::DrawHighlight()
{
    const PuzzleState& z = D().puzzle;
    const WordSelectionList& words = D().words;
    if (z.WordEntries.size() < 2 || !z.WordHighlighted || z.HighlightedWord < 0
        || z.HighlightedWord >= z.WordEntries.size())
        return;
    if (words.current < 0 || words.current >= words.Count() || !words.IsChecked(words.current))
        return;
    const WordEntry& e = z.WordEntries[z.HighlightedWord];
    const double x = e.x;
    const double y = e.y;
    const double L = LetterCount(words.Word(words.current));
    if (!EntryInside(e, int(L), LastIndex(z) + 1))
        return;
    const double ox = D().settings.GridOriginX;
    const double oy = D().settings.GridOriginY;
    const double c = layout_.CellSize;
    SetPenWidth(*s_, 3, layout_.IsPrinter);
    auto box = [&](double x1, double y1, double x2, double y2) { s_->Box(ox + x1 * c, oy + y1 * c, ox + x2 * c, oy + y2 * c); };
    auto slanted = [&](QPointF a, QPointF b, QPointF d, QPointF f) {
        const QPointF corners[4] = { a, b, d, f };
        for (int i = 0; i < 4; ++i) {
            const QPointF p = corners[i];
            const QPointF q = corners[(i + 1) % 4];
            s_->Line(ox + p.x() * c, oy + p.y() * c, ox + q.x() * c, oy + q.y() * c);
        }
    };
    switch (e.direction) {
    case 0:
        box(x, y, x + L, y + 1);
        break;
    case 1:
        box(x + 1, y, x + 1 - L, y + 1);
        break;
    case 2:
        box(x, y, x + 1, y + L);
        break;
    case 3:
        box(x, y + 1, x + 1, y + 1 - L);
        break;
    case 4:
        slanted({ x + 0.5, y }, { x + L, y + L - 0.5 }, { x + L - 0.5, y + L }, { x, y + 0.5 });
        break;
    case 5:
        slanted({ x, y + 0.5 }, { x + L - 0.5, y - L + 1 }, { x + L, y - L + 1.5 }, { x + 0.5, y + 1 });
        break;
    case 6:
        slanted({ x + 0.5, y }, { x - L + 1, y + L - 0.5 }, { x - L + 1.5, y + L }, { x + 1, y + 0.5 });
        break;
    case 7:
        slanted({ x + 1, y + 0.5 }, { x - L + 1.5, y - L + 1 }, { x - L + 1, y - L + 1.5 }, { x + 0.5, y + 1 });
        break;
    default:
        break;
    }
}

} // namespace lx
