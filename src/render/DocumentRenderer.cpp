#include "render/DocumentRenderer.h"

#include "document/Document.h"
#include "document/FontCatalog.h"
#include "render/PageTexts.h"
#include "render/SymbolFont.h"
#include "words/WordForms.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

const QString kSample = QStringLiteral("Hy"); // the text measured for a line height

// The space around a letter in its cell, by game type.
double CellPadding(GameType type)
{
    return type == GameType::FillIn ? 1.0 : 2.0;
}

// The last row and column the grid walk visits, kept inside the 31 x 31 grids.
int LastIndex(const PuzzleState& z)
{
    return std::clamp(z.GridLast, -1, PuzzleState::kSide - 1);
}

bool IsLowerCaseLetter(const QString& cell)
{
    return !cell.isEmpty() && cell[0].isLower();
}

} // namespace

// ---------------------------------------------------------------------------
// Texts and pens

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
    // The rightmost space before the last character that lets the first part fit.
    int breakAt = -1;
    for (int p = int(text.size()) - 2; p >= 0; --p) {
        if (text[p] == QLatin1Char(' ') && start + surface.TextWidth(text.left(p)) <= rightLimit) {
            breakAt = p;
            break;
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

// ---------------------------------------------------------------------------
// The page

DocumentRenderer::DocumentRenderer(DocumentData& data)
    : DocumentRenderer(data, DefaultFontName(FontCatalog::Installed()), FooterText())
{
}

DocumentRenderer::DocumentRenderer(DocumentData& data, QString defaultFont, QString footer)
    : defaultFontName(std::move(defaultFont))
    , footerText(std::move(footer))
    , data_(data)
{
}

void DocumentRenderer::SetFont(const QString& name, double points, bool bold, bool italic, bool underline)
{
    s_->font = SurfaceFont { name, points * ratio_, bold, italic, underline };
}

double DocumentRenderer::Padding() const
{
    return CellPadding(data_.settings.puzzle.gameType);
}

double DocumentRenderer::CellLeft(int column) const
{
    return data_.settings.GridOriginX + column * CellSize;
}

void DocumentRenderer::DrawHeader(double y)
{
    DocumentSettings& st = data_.settings;
    SetFont(defaultFontName, 10, false, true);
    const QString caption = HeaderCaption(st, data_.themes.SelectedNames(), data_.importedListName,
                                          data_.words.CheckedCount());
    DrawTextAt(*s_, caption, kHeaderX, y);
    const double rule = y + s_->TextHeight(kSample) + 0.5;
    SetPenWidth(*s_, 1, IsPrinter);
    s_->Line(6.5, rule, s_->ScaleWidth() - 6.5, rule);
}

void DocumentRenderer::RenderDocument(Surface& surface, double ratio)
{
    s_ = &surface;
    ratio_ = ratio;
    const DocumentSettings& st = data_.settings;
    const GameType type = st.puzzle.gameType;

    IsPrinter = surface.IsPrinter();
    RightLimit = surface.ScaleWidth() - 7.0;
    surface.foreColor = kBlack;
    surface.drawStyle = LineStyle::Solid;

    DrawHeader(kHeaderY);

    SetFont(st.titleFontName, 16, true, false, true);
    DrawTextAt(surface, st.title, -1, kTitleY);
    SetFont(st.titleFontName, 11, false, false);
    DrawTextAt(surface, InstructionText(st), kHeaderX, kInstructionY);

    DrawGrid(Half::Upper, GridMode::Puzzle);
    // The highlight helps to find a word on screen; paper never shows it.
    if (!IsPrinter)
        DrawHighlight();

    CutLineY = surface.ScaleHeight() * 0.5 - 1.0;
    LowerGridY = CutLineY + st.GridOriginY;

    BuildDisplayList();
    if (type == GameType::CodedWords)
        LowerHalfAvailable = true;
    else
        DrawUpperList();

    SetFont(defaultFontName, 8, false, false);
    surface.foreColor = kBlack;
    DrawTextAt(surface, footerText, -1, kFooterY);
    SetPenWidth(surface, 1, IsPrinter);

    if (!LowerHalfAvailable || st.lowerHalf == 0)
        return;
    DrawLowerHalf();
    SetFont(defaultFontName, 8, false, false);
    surface.foreColor = kBlack;
    DrawTextAt(surface, footerText, -1, kUpperFooterY);
}

// ---------------------------------------------------------------------------
// The grid

void DocumentRenderer::PrintCentred(const QString& s, int column, int row, double base, double th)
{
    s_->currentX = CellLeft(column) + (CellSize - s_->TextWidth(s)) * 0.5;
    s_->currentY = base + (row + 1) * CellSize - th;
    s_->Print(s, false);
}

void DocumentRenderer::DrawGrid(Half half, GridMode mode)
{
    const DocumentSettings& st = data_.settings;
    const PuzzleState& z = data_.puzzle;
    const GameType type = st.puzzle.gameType;
    const double originX = st.GridOriginX;
    const double top = half == Half::Upper ? double(st.GridOriginY) : LowerGridY;
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

    SetFont(st.gridFontName, st.gridFontSize, false, false);
    const double th = s_->TextHeight(kSample);
    CellSize = th + Padding();
    GridExtent = CellSize * z.GridSize;
    const double codeOffset = th + 2.0;

    if (type == GameType::WordSearch) {
        SetPenWidth(*s_, 1, IsPrinter);
        s_->foreColor = kBlack;
        s_->Box(originX, top, originX + GridExtent, top + GridExtent);
        if (st.visibleCells) {
            for (int k = 1; k <= z.GridSize; ++k) {
                s_->Line(originX + k * CellSize, top, originX + k * CellSize, top + GridExtent);
                s_->Line(originX, top + k * CellSize, originX + GridExtent, top + k * CellSize);
            }
        }
    }

    auto letterFont = [&] {
        SetFont(st.gridFontName, st.gridFontSize, st.gridBold, st.gridItalic);
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
        SetPenWidth(*s_, 1, IsPrinter);
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const QString& cell = z.LetterGrid.at(c, r);
                if (cell.isEmpty())
                    continue;
                const double x = CellLeft(c);
                const double y = top + r * CellSize;
                s_->Box(x, y, x + CellSize, y + CellSize);
                if (mode == GridMode::Solution || !IsLowerCaseLetter(cell))
                    PrintCentred(UpperCase1252(cell), c, r, base, th);
            }
        }
        break;
    case GameType::CodedWords: {
        // The boxes and the codes, in dark grey in each cell's top-left corner.
        const bool symbols = !z.CodesAreNumbers;
        s_->font = SurfaceFont { symbols ? SymbolFontName() : st.gridFontName, 9.0 * ratio_, true, false, false };
        s_->foreColor = kDarkGrey;
        SetPenWidth(*s_, 1, IsPrinter);
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const int v = z.CodeGrid.at(c, r);
                if (v == 0)
                    continue;
                const double x = CellLeft(c);
                const double y = base + r * CellSize;
                s_->Box(x, y, x + CellSize, y + CellSize);
                s_->currentX = x + 0.4;
                s_->currentY = base + (r + 1) * CellSize - codeOffset;
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

void DocumentRenderer::DrawSolutionStrokes()
{
    const PuzzleState& z = data_.puzzle;
    if (z.WordEntries.size() < 2)
        return;
    SetPenWidth(*s_, 1, IsPrinter);
    s_->foreColor = kBlack;
    const double ox = data_.settings.GridOriginX;
    const double oy = LowerGridY;
    const int count = std::min<int>(z.WordCount, int(z.WordEntries.size()));
    for (int k = 0; k < count; ++k) {
        const WordEntry& e = z.WordEntries[k];
        // A word that could not be placed has no cells to strike.
        if (e.direction < 0 || e.direction > 7 || e.gridText.isEmpty())
            continue;
        const DirectionStep step = kDirectionSteps[e.direction];
        const double length = double(e.gridText.size());
        const double u1 = e.x + 0.5 - 0.25 * step.dx;
        const double v1 = e.y + 0.5 - 0.25 * step.dy;
        const double u2 = u1 + (length - 0.5) * step.dx;
        const double v2 = v1 + (length - 0.5) * step.dy;
        s_->Line(ox + u1 * CellSize, oy + v1 * CellSize, ox + u2 * CellSize, oy + v2 * CellSize);
    }
}

void DocumentRenderer::DrawHighlight()
{
    const PuzzleState& z = data_.puzzle;
    const WordSelectionList& words = data_.words;
    if (z.WordEntries.size() < 2 || !z.WordHighlighted || z.HighlightedWord < 0
        || z.HighlightedWord >= z.WordEntries.size())
        return;
    if (words.current < 0 || words.current >= words.Count() || !words.IsChecked(words.current))
        return;
    const WordEntry& e = z.WordEntries[z.HighlightedWord];
    const double x = e.x;
    const double y = e.y;
    const double L = LetterCount(words.Word(words.current));
    const double ox = data_.settings.GridOriginX;
    const double oy = data_.settings.GridOriginY;
    const double c = CellSize;
    SetPenWidth(*s_, 3, IsPrinter);
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

// ---------------------------------------------------------------------------
// The word list

void DocumentRenderer::BuildDisplayList()
{
    const DocumentSettings& st = data_.settings;
    const PuzzleState& z = data_.puzzle;
    const WordSelectionList& words = data_.words;
    auto cased = [&st](const QString& w) { return st.uppercase ? UpperCase1252(w) : w; };
    DisplayList.clear();

    switch (st.puzzle.gameType) {
    case GameType::WordSearch:
        for (int i = 0; i < words.Count(); ++i) {
            if (words.IsChecked(i))
                DisplayList.append(cased(words.Word(i)));
        }
        break;
    case GameType::FillIn: {
        // Longest words first, under one heading per letter count.
        auto heading = [&st](int count) {
            QString noun = count < 2 ? QStringLiteral(" lettre") : QStringLiteral(" lettres");
            return QString::number(count) + (st.uppercase ? noun.toUpper() : noun);
        };
        // The words come longest first by characters; a word with a hyphen or
        // an apostrophe has fewer letters than characters, so the groups are
        // ordered by letter count (the tag) to put every word under its own count.
        TaggedList items = z.WordsByLength;
        std::stable_sort(items.begin(), items.end(), [](const TaggedItem& a, const TaggedItem& b) { return a.tag > b.tag; });
        int current = -1;
        for (const TaggedItem& item : std::as_const(items)) {
            if (current < 0 || item.tag < current) {
                current = item.tag;
                DisplayList.append(heading(current));
            }
            DisplayList.append(QStringLiteral("  ") + cased(item.text));
        }
        break;
    }
    case GameType::CodedWords:
        break;
    }
}

void DocumentRenderer::SetListFont()
{
    const DocumentSettings& st = data_.settings;
    SetFont(st.listFontName, st.listFontSize, st.listBold, st.listItalic);
}

void DocumentRenderer::DrawUpperList()
{
    const DocumentSettings& st = data_.settings;
    const PuzzleState& z = data_.puzzle;
    const GameType type = st.puzzle.gameType;

    // The reference word: the longest word by letters.
    QString reference;
    if (!z.WordsByLength.isEmpty()) {
        reference = z.WordsByLength.first().text;
    } else {
        for (const QString& w : data_.words.CheckedWords()) {
            if (w.size() > reference.size())
                reference = w;
        }
    }
    if (st.uppercase)
        reference = UpperCase1252(reference);

    SetListFont();
    // The column is as wide as its widest line, so that neither a heading nor
    // a wide word reaches into the next column or under its separator.
    double widest = s_->TextWidth(reference);
    for (const QString& line : std::as_const(DisplayList))
        widest = std::max(widest, s_->TextWidth(line));
    ColumnWidth = widest + Padding();

    LowerHalfAvailable = false;
    double gridBottom = 0.0;
    bool beside = true;
    if (type == GameType::WordSearch) {
        gridBottom = st.GridOriginY + GridExtent;
        beside = kLowerHalfLimit > gridBottom;
    } else {
        gridBottom = CutLineY - 2.5;
    }
    if (beside) {
        LowerHalfAvailable = true;
        ListX = st.GridOriginX + GridExtent + 5.0;
        ListTop = st.GridOriginY;
        ColumnLimit = gridBottom - 5.0;
    } else {
        ListX = 7.0;
        ListTop = gridBottom + s_->TextHeight(kSample);
        ColumnLimit = kListBottom;
    }
    FlowList();
}

void DocumentRenderer::DrawLowerList()
{
    const DocumentSettings& st = data_.settings;
    SetListFont();
    ListX = st.GridOriginX + GridExtent + 5.0;
    ListTop = LowerGridY;
    ColumnLimit = LowerGridY + GridExtent - 5.0;
    FlowList();
}

void DocumentRenderer::FlowList()
{
    const DocumentSettings& st = data_.settings;
    const bool fillIn = st.puzzle.gameType == GameType::FillIn;
    SetPenWidth(*s_, 1, IsPrinter);
    s_->foreColor = kBlack;
    double x = ListX;
    s_->currentY = ListTop;
    const int n = int(DisplayList.size());
    for (int i = 0; i < n; ++i) {
        const QString& line = DisplayList[i];
        s_->currentX = x;
        if (fillIn && !line.startsWith(QLatin1Char(' '))) {
            s_->currentY += 0.5;
            s_->font.underline = true;
            s_->Print(line, true);
            s_->font.underline = false;
        } else {
            s_->Print(line, true);
        }
        if (s_->currentY > ColumnLimit) {
            x += ColumnWidth + 1.0;
            if (st.separateColumns && i != n - 1)
                s_->Line(x, ListTop, x, ColumnLimit + 0.75 * s_->TextHeight(kSample));
            x += 2.0;
            s_->currentY = ListTop;
        }
    }
}

// ---------------------------------------------------------------------------
// The lower half

void DocumentRenderer::DrawLowerHalf()
{
    const DocumentSettings& st = data_.settings;
    const GameType type = st.puzzle.gameType;

    DrawHeader(CutLineY + kHeaderY);
    DrawCutLine(*s_, ratio_, CutLineY);

    if (st.lowerHalf == 1) {
        SetFont(st.titleFontName, 16, true, false, true);
        DrawTextAt(*s_, st.title + QStringLiteral(" (Solution)"), -1, CutLineY + kTitleY);
        if (type == GameType::WordSearch && !st.puzzle.randomFill) {
            SetFont(st.titleFontName, 11, false, false);
            DrawTextAt(*s_, QStringLiteral("Message secret : ") + data_.puzzle.MessageText, kHeaderX,
                       CutLineY + kInstructionY);
        }
        DrawGrid(Half::Lower, GridMode::Solution);
        if (type == GameType::WordSearch)
            DrawSolutionStrokes();
    } else {
        SetFont(st.titleFontName, 16, true, false, true);
        DrawTextAt(*s_, st.title, -1, CutLineY + kTitleY);
        SetFont(st.titleFontName, 11, false, false);
        DrawTextAt(*s_, InstructionText(st), kHeaderX, CutLineY + kInstructionY);
        DrawGrid(Half::Lower, GridMode::Puzzle);
    }
    if (type != GameType::CodedWords)
        DrawLowerList();
}

} // namespace lx
