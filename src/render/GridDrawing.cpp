// The grid of each game: a word search's framed square of letters, a fill-in
// grid's boxes, the coded words' key row and words; the keys' frames around
// each word and the preview's highlight.
#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "render/SymbolFont.h"
#include "words/WordForms.h"

#include <cmath>

namespace lx {

using namespace render_detail;

namespace {

// A space, hyphen or apostrophe inside a coded word: a narrow gap, in cells.
constexpr double kPartGap = 0.4;
// The keys' frames: their half width, in cells.
constexpr double kFrameRadius = 0.42;

} // namespace

double DocumentRenderer::CodeFontSize(double size) const
{
    // Readable after photocopying, and growing with the letters.
    return std::max(7.0, std::round(size * 0.6 * 2.0) / 2.0);
}

SurfaceFont DocumentRenderer::CodeFont(double size) const
{
    const bool symbols = !D().puzzle.CodesAreNumbers;
    return { symbols ? SymbolFontName() : D().settings.gridFontName, CodeFontSize(size) * (symbols ? codeScale_ : 1.0) * ratio_,
             !symbols, false, false, true };
}

double DocumentRenderer::CellAt(double size)
{
    SetCellFont(size, false);
    const double letters = s_->TextHeight(kSample);
    if (D().settings.puzzle.gameType != GameType::CodedWords)
        return letters + Padding();
    // Coded words: a band at the top of the cell for the code (a number or a
    // pictogram), which the letter below it never covers.
    s_->font = CodeFont(size);
    return s_->TextHeight(kSample) + letters + 1.0;
}

double DocumentRenderer::RowTop(int row, double cell) const
{
    if (D().settings.puzzle.gameType != GameType::CodedWords || row == 0)
        return row * cell;
    return cell * (kCodedFirstWordRow + (row - 2) * kCodedWordRowPitch);
}

double DocumentRenderer::GridHeight(int rows, double cell) const
{
    return rows < 1 ? 0.0 : RowTop(rows - 1, cell) + cell;
}

// The left edge of each cell of a row of coded words: the empty cell that
// parts a compound word is narrow, and the second column keeps its place, a
// whole cell or more after the first column's longest word (drawn narrow,
// that one cell joined the two words into one).
// The rows the second column's words move down by to go on under the first
// column's: as many as the first column has; 0 when they stay beside it.
int DocumentRenderer::StackShift(const PuzzleState& z, int second) const
{
    if (!stackCoded_ || second <= 0)
        return 0;
    int lastRow = 1;
    for (int r = 2; r < PuzzleState::kSide; ++r)
        for (int c = 0; c < second; ++c)
            if (IsCodedCell(z, c, r))
                lastRow = r;
    return lastRow - 1;
}

QList<double> DocumentRenderer::RowLefts(const PuzzleState& z, int row, int last, int second) const
{
    QList<double> lefts;
    const double origin = D().settings.GridOriginX;
    double x = origin;
    for (int c = 0; c <= last; ++c) {
        if (c == second && second > 0)
            x = origin + c * layout_.CellSize;
        lefts.append(x);
        const bool part = c > 0 && c < last && c + 1 != second && !IsCodedCell(z, c, row) && IsCodedCell(z, c - 1, row)
            && IsCodedCell(z, c + 1, row);
        x += part ? kPartGap * layout_.CellSize : layout_.CellSize;
    }
    return lefts;
}

QString DocumentRenderer::GridLetter(const QString& cell, int column, int row) const
{
    // Beginners match the same shapes in the list and in the grid, accents
    // included.
    return !spelt_ ? UpperCase1252(cell) : spelt_->Letter(column, row, cell);
}

// A letter centred in its cell, its line box ending inset above the cell's bottom.
void DocumentRenderer::PrintInCell(const QString& s, double left, double cellTop, double inset)
{
    s_->currentX = left + (layout_.CellSize - s_->TextWidth(s)) * 0.5;
    s_->currentY = cellTop + layout_.CellSize - inset - s_->TextHeight(kSample);
    s_->Print(s, false);
}

// A coded cell's pictogram, as large as the room above the letter allows
// (`band`: from the cell's top to above the letters' ink) and centred in
// it, clear of the cell's frame and of the letter: drawn at the size of the
// numbers' band, its ink took a third of the cell's width in a corner, too
// small a picture for pupils who match shapes before they read.
void DocumentRenderer::PrintPictogram(const QString& symbol, double left, double cellTop, double band)
{
    constexpr double kMargin = 0.6;
    const QRectF ink = s_->InkBox(symbol);
    if (ink.width() <= 0 || ink.height() <= 0)
        return; // nothing the font draws
    const double cell = layout_.CellSize;
    const double k = std::min((band - 2 * kMargin) / ink.height(), (cell - 4 * kMargin) / ink.width());
    if (k <= 0)
        return;
    // Placed by the ink of the size drawn, whatever a surface rounds.
    s_->font.size *= k;
    const QRectF drawn = s_->InkBox(symbol);
    s_->currentX = left + (cell - drawn.width()) * 0.5 - drawn.left();
    s_->currentY = cellTop + kMargin + (band - 2 * kMargin - drawn.height()) * 0.5 - drawn.top();
    s_->Print(symbol, false);
}

void DocumentRenderer::DrawGrid(Half half, GridMode mode)
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    const GameType type = st.puzzle.gameType;
    const double originX = st.GridOriginX;
    const double top = half == Half::Upper ? double(st.GridOriginY) : layout_.LowerGridY;
    const int last = LastIndex(z);

    // The size the page fitting chose.
    const double size = layout_.GridFontSize;
    layout_.CellSize = CellAt(size);
    layout_.GridExtent = layout_.CellSize * z.GridSize;
    const double cell = layout_.CellSize;
    spelt_.reset();
    if (!st.uppercase)
        spelt_.emplace(D());

    if (type == GameType::WordSearch) {
        SetPenWidth(*s_, 1, layout_.IsPrinter);
        s_->foreColor = kBlack;
        s_->Box(originX, top, originX + layout_.GridExtent, top + layout_.GridExtent);
        if (st.visibleCells) {
            for (int k = 1; k <= z.GridSize; ++k) {
                s_->Line(originX + k * cell, top, originX + k * cell, top + layout_.GridExtent);
                s_->Line(originX, top + k * cell, originX + layout_.GridExtent, top + k * cell);
            }
        }
    }

    auto letterFont = [&] {
        SetCellFont(size, true);
        s_->foreColor = kBlack;
    };
    letterFont();
    SetPenWidth(*s_, 1, layout_.IsPrinter);

    switch (type) {
    case GameType::WordSearch:
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const QString& letter = z.LetterGrid.at(c, r);
                if (letter.isEmpty())
                    continue;
                // With random filler letters the solution shows only the words'
                // letters; a hidden message stays visible.
                if (mode == GridMode::Solution && st.puzzle.randomFill && PuzzleState::IsFillerCell(letter))
                    continue;
                PrintInCell(GridLetter(letter, c, r), CellLeft(c), top + r * cell, 1.0);
            }
        }
        break;
    case GameType::FillIn:
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const QString& letter = z.LetterGrid.at(c, r);
                if (letter.isEmpty())
                    continue;
                const double x = CellLeft(c);
                const double y = top + r * cell;
                s_->Box(x, y, x + cell, y + cell);
                if (mode == GridMode::Solution || !IsLowerCaseLetter(letter))
                    PrintInCell(GridLetter(letter, c, r), x, y, 0.5);
            }
        }
        break;
    case GameType::CodedWords:
        DrawCodedWords(top, mode);
        break;
    }
}

// The key row (the codes in order, the letters given) and the words, each
// cell with its code in a band at its top, in black, and its letter below.
void DocumentRenderer::DrawCodedWords(double top, GridMode mode)
{
    const PuzzleState& z = D().puzzle;
    const int last = LastIndex(z);
    const double size = layout_.GridFontSize;
    const double cell = layout_.CellSize;
    const bool symbols = !z.CodesAreNumbers;
    const int second = SecondColumn(z, last);
    const int shift = StackShift(z, second);
    // The pictograms' room: down to 0.4 above the top of the letters' ink
    // (their box, PrintInCell's, starts higher), so that on the screen too
    // a pictogram never seems to sit on its letter.
    SetCellFont(size, true);
    const double band = cell - 0.5 - s_->TextHeight(kSample) + s_->InkBox(QStringLiteral("Hdlb")).top() - 0.4;
    for (int r = 0; r <= last; ++r) {
        const QList<double> lefts = RowLefts(z, r, last, second);
        for (int c = 0; c <= last; ++c) {
            const int v = z.CodeGrid.at(c, r);
            const bool moved = shift > 0 && r >= 2 && c >= second;
            const double y = top + RowTop(moved ? r + shift : r, cell);
            const double x = moved ? lefts[c] - second * cell : lefts[c];
            if (v == 0) {
                const QString& mark = z.LetterGrid.at(c, r);
                const bool part = r >= 2 && c > 0 && c < last && mark.size() == 1 && IsCodedPartMark(mark[0]);
                if (!part && !IsCodedCell(z, c, r))
                    continue; // an empty cell
                SetCellFont(size, true);
                s_->foreColor = kBlack;
                if (part) {
                    // A compound word's hyphen or apostrophe, in the narrow cell between its parts.
                    const double room = lefts[c + 1] - lefts[c];
                    PrintInCell(mark, x + (room - cell) * 0.5, y, 0.5);
                } else {
                    // What no code stands for ("H2O", "señor"): given, so that the word keeps it.
                    s_->Box(x, y, x + cell, y + cell);
                    PrintInCell(GridLetter(mark, c, r), x, y, 0.5);
                }
                continue;
            }
            s_->foreColor = kBlack;
            s_->Box(x, y, x + cell, y + cell);
            s_->font = CodeFont(size);
            s_->currentX = x + 0.5;
            s_->currentY = y + 0.2;
            if (!symbols)
                s_->Print(QString::number(v), false);
            else if (v >= 1 && v <= z.SymbolAlphabet.size())
                PrintPictogram(z.SymbolAlphabet.mid(v - 1, 1), x, y, band);
            const QString& letter = z.LetterGrid.at(c, r);
            if (letter.isEmpty() || (mode != GridMode::Solution && IsLowerCaseLetter(letter)))
                continue;
            SetCellFont(size, true);
            // The key row's letters are the ones given: grey, the words' black.
            s_->foreColor = r == 0 ? kDarkGrey : kBlack;
            PrintInCell(GridLetter(letter, c, r), x, y, 0.5);
        }
    }
    s_->foreColor = kBlack;
}

// Each word of the key outlined by a thin rounded frame around its cells, so
// that two words that follow each other on a line stay two and the letters
// stay readable.
void DocumentRenderer::DrawWordFrames(double top)
{
    const PuzzleState& z = D().puzzle;
    if (z.WordEntries.size() < 2)
        return;
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->foreColor = kBlack;
    const int count = std::min<int>(z.WordCount, int(z.WordEntries.size()));
    for (int k = 0; k < count; ++k) {
        const WordEntry& e = z.WordEntries[k];
        // A word that could not be placed has no cells to frame.
        if (EntryInside(e, int(e.gridText.size()), LastIndex(z) + 1))
            DrawWordFrame(e, int(e.gridText.size()), top);
    }
}

void DocumentRenderer::DrawWordFrame(const WordEntry& e, int length, double top)
{
    const DirectionStep step = kDirectionSteps[e.direction];
    const double c = layout_.CellSize;
    const double ox = D().settings.GridOriginX;
    const double x1 = ox + (e.x + 0.5) * c;
    const double y1 = top + (e.y + 0.5) * c;
    s_->Capsule(x1, y1, x1 + (length - 1) * step.dx * c, y1 + (length - 1) * step.dy * c, kFrameRadius * c);
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
    const int length = e.gridText.isEmpty() ? LetterCount(words.Word(words.current)) : int(e.gridText.size());
    if (!EntryInside(e, length, LastIndex(z) + 1))
        return;
    SetPenWidth(*s_, 3, layout_.IsPrinter);
    DrawWordFrame(e, length, D().settings.GridOriginY);
}

} // namespace lx
