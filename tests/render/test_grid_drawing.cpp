// The grids of the three game types in puzzle and solution modes, the solution
// strokes and the preview highlight.
#include "RenderTestSupport.h"

#include "render/SymbolFont.h"

#include <QPointF>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

constexpr double kTh = 0.4 * 12;           // line height of the 12-point grid font
constexpr double kSearchCell = kTh + 2.0;  // word search and coded words
constexpr double kFillInCell = kTh + 1.0;
constexpr double kCut = 297.0 * 0.5 - 1.0;
constexpr double kLowerGridY = kCut + 28.0;

// The grid's letters: the grid font at 12 points.
QList<RecordedOp> Letters(const QList<RecordedOp>& ops, bool lower = false)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : TextsInFont(ops, kGridFont)) {
        if (op.font.size == 12.0 && (op.y1 > kCut) == lower)
            out.append(op);
    }
    return out;
}

const RecordedOp* LetterAt(const QList<RecordedOp>& letters, double x, double y)
{
    for (const RecordedOp& op : letters) {
        if (std::abs(op.x1 - x) < 1e-6 && std::abs(op.y1 - y) < 1e-6)
            return &op;
    }
    return nullptr;
}

TEST(WordSearchGrid, FrameCellsAndCentredLetters)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.puzzle.LetterGrid.at(0, 0) = u("A");
    d.puzzle.LetterGrid.at(3, 2) = u("q");
    d.puzzle.LetterGrid.at(9, 9) = u("Z");
    // (4, 4) holds "": the hidden message ran short; it stays blank.
    {
        Rendered r(d);
        const double extent = 10 * kSearchCell;
        EXPECT_TRUE(HasBox(r.ops(), 7, 28, 7 + extent, 28 + extent));
        // Without visible cells, no line crosses the grid.
        for (const RecordedOp& op : OpsOf(r.ops(), RecordedOp::Kind::Line))
            EXPECT_FALSE(op.y1 > 28 && op.y1 < 28 + extent && op.x1 < 7 + extent) << op.x1 << "," << op.y1;
        const QList<RecordedOp> letters = Letters(r.ops());
        ASSERT_EQ(letters.size(), 3);
        // Centred across the cell; the bottom of the line box on the row base 27 + (r + 1) cells.
        const double w = 0.2 * 12;
        const RecordedOp* a = LetterAt(letters, 7 + (kSearchCell - w) / 2, 27 + kSearchCell - kTh);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text, u("A"));
        const RecordedOp* q = LetterAt(letters, 7 + 3 * kSearchCell + (kSearchCell - w) / 2, 27 + 3 * kSearchCell - kTh);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->text, u("Q")); // filler letters print upper-cased
        EXPECT_NE(LetterAt(letters, 7 + 9 * kSearchCell + (kSearchCell - w) / 2, 27 + 10 * kSearchCell - kTh), nullptr);
    }
    d.settings.visibleCells = true;
    {
        Rendered r(d);
        const double extent = 10 * kSearchCell;
        for (int k = 1; k <= 10; ++k) {
            EXPECT_TRUE(HasLine(r.ops(), 7 + k * kSearchCell, 28, 7 + k * kSearchCell, 28 + extent)) << k;
            EXPECT_TRUE(HasLine(r.ops(), 7, 28 + k * kSearchCell, 7 + extent, 28 + k * kSearchCell)) << k;
        }
    }
}

TEST(FillInGrid, BoxedCellsAndOnlyTheRevealedLetter)
{
    DocumentData d = MakeData(GameType::FillIn);
    d.settings.lowerHalf = 1;
    AddWords(d, { u("chat"), u("chien") });
    PlaceWord(d, u("chat"), 0, 0, 0);
    PlaceWord(d, u("chien"), 0, 0, 2);
    d.puzzle.LetterGrid.at(0, 0) = u("C"); // the revealed letter
    d.puzzle.LetterGrid.at(3, 0) = u("T");
    Rendered r(d);
    const QList<RecordedOp>& ops = r.ops();
    EXPECT_DOUBLE_EQ(r.renderer.CellSize, kFillInCell);
    // Every cell of a word is a box, in both halves.
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(HasBox(ops, 7 + k * kFillInCell, 28, 7 + (k + 1) * kFillInCell, 28 + kFillInCell)) << k;
        EXPECT_TRUE(HasBox(ops, 7 + k * kFillInCell, kLowerGridY, 7 + (k + 1) * kFillInCell, kLowerGridY + kFillInCell));
    }
    for (int k = 1; k < 5; ++k)
        EXPECT_TRUE(HasBox(ops, 7, 28 + k * kFillInCell, 7 + kFillInCell, 28 + (k + 1) * kFillInCell)) << k;
    // The puzzle shows only the upper-case letters, on the row base 27.5.
    const QList<RecordedOp> upper = Letters(ops);
    ASSERT_EQ(upper.size(), 2);
    const double w = 0.2 * 12;
    EXPECT_NE(LetterAt(upper, 7 + (kFillInCell - w) / 2, 27.5 + kFillInCell - kTh), nullptr);
    EXPECT_NE(LetterAt(upper, 7 + 3 * kFillInCell + (kFillInCell - w) / 2, 27.5 + kFillInCell - kTh), nullptr);
    // The solution shows all 8 letters, upper-cased, on the base LowerGridY - 0.5.
    const QList<RecordedOp> lower = Letters(ops, true);
    ASSERT_EQ(lower.size(), 8);
    const RecordedOp* n = LetterAt(lower, 7 + (kFillInCell - w) / 2, kLowerGridY - 0.5 + 5 * kFillInCell - kTh);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->text, u("N"));
}

// A coded-words grid: the key row, an empty row, then the words.
DocumentData CodedWords()
{
    DocumentData d = MakeData(GameType::CodedWords);
    AddWords(d, { u("chat"), u("tache"), u("hache"), u("chaton"), u("acheta") });
    PuzzleState& z = d.puzzle;
    const QString key = u("ACehnot"); // A and C revealed
    for (int j = 0; j < key.size(); ++j) {
        z.LetterGrid.at(j, 0) = key.mid(j, 1);
        z.CodeGrid.at(j, 0) = std::int16_t(j + 1);
        z.LetterCodes[key[j].toUpper().unicode() - u'A'] = std::int16_t(j + 1);
    }
    auto put = [&z](const QString& word, int x, int y) {
        for (int k = 0; k < word.size(); ++k) {
            const QChar c = word[k];
            z.LetterGrid.at(x + k, y) = (c == u'A' || c == u'C') ? QString(c) : QString(c.toLower());
            z.CodeGrid.at(x + k, y) = z.LetterCodes[c.unicode() - u'A'];
        }
    };
    put(u("CHAT"), 0, 2);
    // A second column far to the right: the grid is drawn wherever its cells are.
    put(u("TACHE"), 20, 2);
    return d;
}

TEST(CodedWordsGrid, CodesBoxesAndRevealedLetters)
{
    DocumentData d = CodedWords();
    Rendered r(d);
    const QList<RecordedOp>& ops = r.ops();
    const double c = kSearchCell;
    // Upper grid: the row base is the grid's top itself.
    for (int j = 0; j < 7; ++j)
        EXPECT_TRUE(HasBox(ops, 7 + j * c, 28 + 0 * c, 7 + (j + 1) * c, 28 + c)) << j;
    EXPECT_TRUE(HasBox(ops, 7 + 24 * c, 28 + 2 * c, 7 + 25 * c, 28 + 3 * c));
    // Codes: dark grey, bold, 9 points, 0.4 inside the cell's top-left corner.
    // T's code 7 stands in the key row and under both T's of the words.
    const QList<RecordedOp> codes = TextsEqual(ops, u("7"));
    ASSERT_EQ(codes.size(), 3);
    EXPECT_DOUBLE_EQ(codes[0].x1, 7 + 6 * c + 0.4);
    EXPECT_DOUBLE_EQ(codes[0].y1, 28.0);
    EXPECT_DOUBLE_EQ(codes[1].x1, 7 + 3 * c + 0.4);
    EXPECT_DOUBLE_EQ(codes[1].y1, 28.0 + 2 * c);
    EXPECT_DOUBLE_EQ(codes[2].x1, 7 + 20 * c + 0.4);
    for (const RecordedOp& code : codes) {
        EXPECT_EQ(code.color, kDarkGrey);
        EXPECT_EQ(code.font, (SurfaceFont { kGridFont, 9, true, false, false }));
    }
    int codeCount = 0;
    for (const RecordedOp& op : TextsInFont(ops, kGridFont))
        codeCount += op.font.size == 9.0 ? 1 : 0;
    EXPECT_EQ(codeCount, 7 + 4 + 5);
    for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Box)) {
        EXPECT_EQ(op.color, kDarkGrey);
    }
    // Letters: the key's revealed ones in grey, the words' in black; hidden ones not at all.
    const QList<RecordedOp> letters = Letters(ops);
    int grey = 0;
    int black = 0;
    for (const RecordedOp& op : letters) {
        EXPECT_TRUE(op.text == u("A") || op.text == u("C")) << op.text.toStdString();
        if (op.y1 < 28 + c) {
            EXPECT_EQ(op.color, kDarkGrey);
            ++grey;
        } else {
            EXPECT_EQ(op.color, kBlack);
            ++black;
        }
    }
    EXPECT_EQ(grey, 2);
    EXPECT_EQ(black, 4); // C and A of CHAT, A and C of TACHE
}

TEST(CodedWordsGrid, LowerHalfSitsOneUnitHigherAndSolutionShowsEveryLetter)
{
    DocumentData d = CodedWords();
    d.settings.lowerHalf = 1;
    Rendered r(d);
    const double c = kSearchCell;
    const double base = kLowerGridY - 1.0;
    EXPECT_TRUE(HasBox(r.ops(), 7, base, 7 + c, base + c));
    EXPECT_TRUE(HasBox(r.ops(), 7 + 20 * c, base + 2 * c, 7 + 21 * c, base + 3 * c));
    const QList<RecordedOp> lower = Letters(r.ops(), true);
    EXPECT_EQ(lower.size(), 7 + 4 + 5);
    const double w = 0.2 * 12;
    const RecordedOp* h = LetterAt(lower, 7 + 1 * c + (c - w) / 2, base + 3 * c - kTh);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->text, u("H"));
    EXPECT_EQ(h->color, kBlack);
}

TEST(CodedWordsGrid, SymbolCodesPrintTheirAlphabetCharacter)
{
    DocumentData d = CodedWords();
    d.puzzle.CodesAreNumbers = false;
    d.puzzle.SymbolAlphabet = u("!\"$%&(*+IJKLOSu\u00A1\u00A8\u00AB\u00B2\u00B5\u00D7\u00D8\u00DF\u00E0\u00E1\u00E2");
    d.puzzle.CodeGrid.at(10, 0) = 27; // beyond the alphabet: a box, no symbol
    Rendered r(d);
    const QList<RecordedOp> symbols = TextsInFont(r.ops(), SymbolFontName());
    ASSERT_EQ(symbols.size(), 7 + 4 + 5);
    for (const RecordedOp& op : symbols) {
        EXPECT_EQ(op.font, (SurfaceFont { SymbolFontName(), 9, true, false, false }));
        EXPECT_EQ(op.color, kDarkGrey);
    }
    // C's code 2 is the second character of the alphabet (the scissors' code):
    // in the key row, in CHAT and in TACHE.
    EXPECT_EQ(TextsEqual(r.ops(), u("\"")).size(), 3);
    EXPECT_TRUE(HasBox(r.ops(), 7 + 10 * kSearchCell, 28, 7 + 11 * kSearchCell, 28 + kSearchCell));
    // The letters go back to the grid font.
    EXPECT_EQ(Letters(r.ops()).size(), 2 + 4);
}

DocumentData SolutionSearch()
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.lowerHalf = 1;
    d.settings.puzzle.gridSize = 12;
    d.puzzle.SetGridDimensions(12);
    return d;
}

TEST(SolutionStrokes, WorkedCaseAndEveryDirection)
{
    DocumentData d = SolutionSearch();
    PlaceWord(d, u("CHIEN"), 2, 3, 0);
    PlaceWord(d, u("LAPIN"), 8, 4, 1);
    PlaceWord(d, u("VACHE"), 1, 5, 2);
    PlaceWord(d, u("POULE"), 11, 11, 3);
    PlaceWord(d, u("OIE"), 4, 5, 4);
    PlaceWord(d, u("ANE"), 6, 10, 5);
    PlaceWord(d, u("COQ"), 11, 0, 6);
    PlaceWord(d, u("CHAT"), 10, 10, 7);
    Rendered r(d);
    const double c = kSearchCell;
    auto stroke = [&](double u1, double v1, double u2, double v2) {
        return HasLine(r.ops(), 7 + u1 * c, kLowerGridY + v1 * c, 7 + u2 * c, kLowerGridY + v2 * c);
    };
    // CHIEN, 5 letters left to right from (2, 3): struck from (2.25, 3.5) to (6.75, 3.5).
    EXPECT_TRUE(stroke(2.25, 3.5, 6.75, 3.5));
    EXPECT_TRUE(stroke(8.75, 4.5, 4.25, 4.5));
    EXPECT_TRUE(stroke(1.5, 5.25, 1.5, 9.75));
    EXPECT_TRUE(stroke(11.5, 11.75, 11.5, 7.25));
    EXPECT_TRUE(stroke(4.25, 5.25, 6.75, 7.75));
    EXPECT_TRUE(stroke(6.25, 10.75, 8.75, 8.25));
    EXPECT_TRUE(stroke(11.75, 0.25, 9.25, 2.75));
    EXPECT_TRUE(stroke(10.75, 10.75, 7.25, 7.25));
    int strokes = 0;
    for (const RecordedOp& op : OpsOf(r.ops(), RecordedOp::Kind::Line)) {
        if (op.y1 > kLowerGridY && op.style == LineStyle::Solid) {
            ++strokes;
            EXPECT_EQ(op.width, 7);
            EXPECT_EQ(op.color, kBlack);
        }
    }
    EXPECT_EQ(strokes, 8);
}

TEST(SolutionStrokes, NoneForASingleEntryAndNoneForAnUnplacedWord)
{
    DocumentData d = SolutionSearch();
    PlaceWord(d, u("CHIEN"), 2, 3, 0);
    auto countStrokes = [](const Rendered& r) {
        int n = 0;
        for (const RecordedOp& op : OpsOf(r.ops(), RecordedOp::Kind::Line))
            n += op.y1 > kLowerGridY ? 1 : 0;
        return n;
    };
    {
        Rendered r(d);
        EXPECT_EQ(countStrokes(r), 0);
    }
    // A word that could not be placed keeps (0, 0), direction 0 and no text.
    d.puzzle.WordEntries.append(WordEntry {});
    d.puzzle.WordCount = 2;
    {
        Rendered r(d);
        EXPECT_EQ(countStrokes(r), 1);
    }
    // Strokes belong to the solution only.
    d.settings.lowerHalf = 2;
    {
        Rendered r(d);
        EXPECT_EQ(countStrokes(r), 0);
    }
}

// A clicked, checked word of four letters at (5, 5) in each direction.
DocumentData Highlighted(int direction)
{
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, { u("chat"), u("lapin") });
    PlaceWord(d, u("LAPIN"), 0, 0, 0);
    PlaceWord(d, u("CHAT"), 5, 5, direction);
    d.words.current = d.words.Find(u("chat"));
    d.puzzle.WordHighlighted = true;
    d.puzzle.HighlightedWord = 1;
    return d;
}

QList<RecordedOp> ThickOps(const QList<RecordedOp>& ops)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ops) {
        if (op.kind != RecordedOp::Kind::Text && op.width == 3)
            out.append(op);
    }
    return out;
}

TEST(PreviewHighlight, OutlineOfEachDirection)
{
    const double c = kSearchCell;
    auto at = [c](double u, double v) { return QPointF(7 + u * c, 28 + v * c); };
    const double x = 5, y = 5, L = 4;
    // Codes 0 to 3: a box.
    const QPointF boxes[4][2] = {
        { at(x, y), at(x + L, y + 1) },
        { at(x + 1, y), at(x + 1 - L, y + 1) },
        { at(x, y), at(x + 1, y + L) },
        { at(x, y + 1), at(x + 1, y + 1 - L) },
    };
    for (int code = 0; code < 4; ++code) {
        DocumentData d = Highlighted(code);
        Rendered r(d, 1.0, false, 96);
        const QList<RecordedOp> thick = ThickOps(r.ops());
        ASSERT_EQ(thick.size(), 1) << code;
        EXPECT_EQ(thick[0].kind, RecordedOp::Kind::Box);
        EXPECT_TRUE(HasBox(thick, boxes[code][0].x(), boxes[code][0].y(), boxes[code][1].x(), boxes[code][1].y())) << code;
    }
    // Codes 4 to 7: four lines closing a slanted rectangle.
    const QPointF corners[4][4] = {
        { at(x + 0.5, y), at(x + L, y + L - 0.5), at(x + L - 0.5, y + L), at(x, y + 0.5) },
        { at(x, y + 0.5), at(x + L - 0.5, y - L + 1), at(x + L, y - L + 1.5), at(x + 0.5, y + 1) },
        { at(x + 0.5, y), at(x - L + 1, y + L - 0.5), at(x - L + 1.5, y + L), at(x + 1, y + 0.5) },
        { at(x + 1, y + 0.5), at(x - L + 1.5, y - L + 1), at(x - L + 1, y - L + 1.5), at(x + 0.5, y + 1) },
    };
    for (int code = 4; code < 8; ++code) {
        DocumentData d = Highlighted(code);
        Rendered r(d, 1.0, false, 96);
        const QList<RecordedOp> thick = ThickOps(r.ops());
        ASSERT_EQ(thick.size(), 4) << code;
        const auto& k = corners[code - 4];
        for (int i = 0; i < 4; ++i) {
            const QPointF p = k[i];
            const QPointF q = k[(i + 1) % 4];
            EXPECT_TRUE(HasLine(thick, p.x(), p.y(), q.x(), q.y())) << code << " side " << i;
        }
    }
}

TEST(PreviewHighlight, OnlyOnScreenAndForACheckedWord)
{
    {
        DocumentData d = Highlighted(0);
        Rendered paper(d, 1.0, true, 600);
        EXPECT_TRUE(ThickOps(paper.ops()).isEmpty());
        for (const RecordedOp& op : paper.ops())
            EXPECT_NE(op.width, 3 * 7);
    }
    {
        DocumentData d = Highlighted(0);
        d.words.SetChecked(d.words.current, false);
        Rendered r(d, 1.0, false, 96);
        EXPECT_TRUE(ThickOps(r.ops()).isEmpty());
    }
    {
        // After a document reset: a single entry, no highlight.
        DocumentData d = Highlighted(0);
        d.puzzle.WordEntries = { WordEntry { 5, 5, 0, u("CHAT") } };
        Rendered r(d, 1.0, false, 96);
        EXPECT_TRUE(ThickOps(r.ops()).isEmpty());
    }
    {
        DocumentData d = Highlighted(0);
        d.puzzle.WordHighlighted = false;
        Rendered r(d, 1.0, false, 96);
        EXPECT_TRUE(ThickOps(r.ops()).isEmpty());
    }
}

} // namespace
} // namespace lx::test
