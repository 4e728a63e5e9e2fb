// The grids of the three game types in puzzle and solution modes, the solution
// strokes and the preview highlight.
#include "RenderTestSupport.h"

#include "render/SymbolFont.h"

#include <QPointF>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// The grid's letters (the grid font at 12 points) in the upper or the lower half.
QList<RecordedOp> Letters(const QList<RecordedOp>& ops, bool lower = false)
{
    return Where(TextsInFont(ops, kGridFont), [lower](const RecordedOp& op) { return op.font.size == 12.0 && (op.y1 > kCut) == lower; });
}

// The letter centred in a cell of the given side whose row base is rowBase.
const RecordedOp* LetterAt(const QList<RecordedOp>& letters, double cell, int column, double rowBase)
{
    const double x = 7 + column * cell + (cell - kChar) / 2;
    const double y = rowBase - kLine;
    for (const RecordedOp& op : letters) {
        if (std::abs(op.x1 - x) < 1e-6 && std::abs(op.y1 - y) < 1e-6)
            return &op;
    }
    return nullptr;
}

TEST(WordSearchGrid, CellLinesAndCentredLetters)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.puzzle.LetterGrid.at(0, 0) = u("A");
    d.puzzle.LetterGrid.at(3, 2) = u("q");
    d.puzzle.LetterGrid.at(9, 9) = u("Z");
    // (4, 4) holds "": the hidden message ran short; it stays blank.
    const double c = kSearchCell;
    for (bool visible : { false, true }) {
        d.settings.visibleCells = visible;
        Rendered r(d);
        int crossing = 0;
        for (const RecordedOp& op : OpsOf(r.ops(), RecordedOp::Kind::Line))
            crossing += op.y1 > 28 && op.y1 < 28 + 10 * c && op.x1 < 7 + 10 * c ? 1 : 0;
        EXPECT_EQ(crossing, visible ? 9 : 0); // the inner rows' lines start on the frame
        for (int k = 1; visible && k <= 10; ++k) {
            EXPECT_TRUE(HasLine(r.ops(), 7 + k * c, 28, 7 + k * c, 28 + 10 * c)) << k;
            EXPECT_TRUE(HasLine(r.ops(), 7, 28 + k * c, 7 + 10 * c, 28 + k * c)) << k;
        }
        // Centred across the cell; the bottom of the line box on the row base 27 + (r + 1) cells.
        const QList<RecordedOp> letters = Letters(r.ops());
        ASSERT_EQ(letters.size(), 3);
        const RecordedOp* a = LetterAt(letters, c, 0, 27 + c);
        const RecordedOp* q = LetterAt(letters, c, 3, 27 + 3 * c);
        ASSERT_TRUE(a && q && LetterAt(letters, c, 9, 27 + 10 * c));
        EXPECT_EQ(a->text, u("A"));
        EXPECT_EQ(q->text, u("Q")); // filler letters print upper-cased
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
    const double c = kFillInCell;
    // Every cell of a word is a box, in both halves.
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(HasBox(ops, 7 + k * c, 28, 7 + (k + 1) * c, 28 + c)) << k;
        EXPECT_TRUE(HasBox(ops, 7 + k * c, kLowerGridY, 7 + (k + 1) * c, kLowerGridY + c)) << k;
    }
    for (int k = 1; k < 5; ++k)
        EXPECT_TRUE(HasBox(ops, 7, 28 + k * c, 7 + c, 28 + (k + 1) * c)) << k;
    // The puzzle shows only the upper-case letters, on the row base 27.5.
    const QList<RecordedOp> upper = Letters(ops);
    ASSERT_EQ(upper.size(), 2);
    EXPECT_NE(LetterAt(upper, c, 0, 27.5 + c), nullptr);
    EXPECT_NE(LetterAt(upper, c, 3, 27.5 + c), nullptr);
    // The solution shows all 8 letters, upper-cased, on the base LowerGridY - 0.5.
    const QList<RecordedOp> lower = Letters(ops, true);
    ASSERT_EQ(lower.size(), 8);
    const RecordedOp* n = LetterAt(lower, c, 0, kLowerGridY - 0.5 + 5 * c);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->text, u("N"));
}

// A coded-words grid: the key row (A and C revealed), an empty row, then
// CHAT at (0, 2) and, far to the right, TACHE at (20, 2).
DocumentData CodedWords(int lowerHalf = 0)
{
    DocumentData d = MakeData(GameType::CodedWords);
    d.settings.lowerHalf = lowerHalf;
    AddWords(d, { u("chat"), u("tache"), u("hache"), u("chaton"), u("acheta") });
    PuzzleState& z = d.puzzle;
    const QString key = u("ACehnot");
    for (int j = 0; j < key.size(); ++j) {
        z.LetterGrid.at(j, 0) = key.mid(j, 1);
        z.CodeGrid.at(j, 0) = std::int16_t(j + 1);
        z.LetterCodes[key[j].toUpper().unicode() - u'A'] = std::int16_t(j + 1);
    }
    for (const auto& [word, x] : { std::pair { u("CHAT"), 0 }, std::pair { u("TACHE"), 20 } }) {
        for (int k = 0; k < word.size(); ++k) {
            const QChar ch = word[k];
            z.LetterGrid.at(x + k, 2) = (ch == u'A' || ch == u'C') ? QString(ch) : QString(ch.toLower());
            z.CodeGrid.at(x + k, 2) = z.LetterCodes[ch.unicode() - u'A'];
        }
    }
    return d;
}

TEST(CodedWordsGrid, CodesBoxesRevealedLettersAndTheSolution)
{
    const double c = kSearchCell;
    for (bool numbers : { true, false }) {
        SCOPED_TRACE(numbers);
        DocumentData d = CodedWords(1);
        d.puzzle.CodesAreNumbers = numbers;
        d.puzzle.SymbolAlphabet = u("!\"$%&(*+IJKLOSu\u00A1\u00A8\u00AB\u00B2\u00B5\u00D7\u00D8\u00DF\u00E0\u00E1\u00E2");
        d.puzzle.CodeGrid.at(10, 0) = 27; // beyond the symbol alphabet: a box, and a code only as a number
        Rendered r(d);
        const QList<RecordedOp>& ops = r.ops();
        // Upper grid: the row base is the grid's top itself; every box dark grey.
        for (int j : { 0, 1, 2, 3, 4, 5, 6, 10 })
            EXPECT_TRUE(HasBox(ops, 7 + j * c, 28, 7 + (j + 1) * c, 28 + c)) << j;
        EXPECT_TRUE(HasBox(ops, 7 + 24 * c, 28 + 2 * c, 7 + 25 * c, 28 + 3 * c));
        for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Box))
            EXPECT_EQ(op.color, kDarkGrey);
        // Codes: dark grey, bold, 9 points, 0.4 inside the cell's top-left corner,
        // as a number or as the alphabet's character. T's code 7 stands in the
        // key row and under both T's of the words.
        const QString font = numbers ? kGridFont : SymbolFontName();
        const QList<RecordedOp> codes = Where(TextsInFont(ops, font), [](const RecordedOp& op) { return op.font.size == 9.0 && op.y1 < kCut; });
        EXPECT_EQ(codes.size(), 7 + 4 + 5 + (numbers ? 1 : 0));
        for (const RecordedOp& code : codes) {
            EXPECT_EQ(code.color, kDarkGrey);
            EXPECT_EQ(code.font, (SurfaceFont { font, 9, true, false, false }));
        }
        const QList<RecordedOp> t = TextsEqual(codes, numbers ? u("7") : u("*"));
        ASSERT_EQ(t.size(), 3);
        const QPointF at[] = { { 7 + 6 * c + 0.4, 28.0 }, { 7 + 3 * c + 0.4, 28.0 + 2 * c }, { 7 + 20 * c + 0.4, 28.0 + 2 * c } };
        for (int i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(t[i].x1, at[i].x());
            EXPECT_DOUBLE_EQ(t[i].y1, at[i].y());
        }
        // Letters, back in the grid font: the key's revealed ones in grey, the
        // words' in black (C and A of CHAT, A and C of TACHE); hidden ones not at all.
        const QList<RecordedOp> letters = Letters(ops);
        ASSERT_EQ(letters.size(), 2 + 4);
        for (const RecordedOp& op : letters) {
            EXPECT_TRUE(op.text == u("A") || op.text == u("C")) << op.text.toStdString();
            EXPECT_EQ(op.color, op.y1 < 28 + c ? kDarkGrey : kBlack);
        }
        EXPECT_EQ(Where(letters, [](const RecordedOp& op) { return op.color == kDarkGrey; }).size(), 2);

        // The lower half is always free, without a word list; its grid sits one
        // unit higher and the solution shows every letter.
        EXPECT_TRUE(r.layout.LowerHalfAvailable);
        EXPECT_TRUE(r.layout.DisplayList.isEmpty());
        EXPECT_EQ(TextsEqual(ops, kFooter).size(), 2);
        const double base = kLowerGridY - 1.0;
        EXPECT_TRUE(HasBox(ops, 7, base, 7 + c, base + c));
        EXPECT_TRUE(HasBox(ops, 7 + 20 * c, base + 2 * c, 7 + 21 * c, base + 3 * c));
        const QList<RecordedOp> lower = Letters(ops, true);
        EXPECT_EQ(lower.size(), 7 + 4 + 5);
        const RecordedOp* h = LetterAt(lower, c, 1, base + 3 * c);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->text, u("H"));
        EXPECT_EQ(h->color, kBlack);
    }
}

TEST(SolutionStrokes, WorkedCaseAndEveryDirectionOnlyInTheSolution)
{
    const struct {
        const char* word;
        int x, y, direction;
        double u1, v1, u2, v2; // the stroke in cells from the lower grid's corner
    } cases[] = {
        // CHIEN, 5 letters left to right from (2, 3): struck from (2.25, 3.5) to (6.75, 3.5).
        { "CHIEN", 2, 3, 0, 2.25, 3.5, 6.75, 3.5 },   { "LAPIN", 8, 4, 1, 8.75, 4.5, 4.25, 4.5 },
        { "VACHE", 1, 5, 2, 1.5, 5.25, 1.5, 9.75 },   { "POULE", 11, 11, 3, 11.5, 11.75, 11.5, 7.25 },
        { "OIE", 4, 5, 4, 4.25, 5.25, 6.75, 7.75 },   { "ANE", 6, 10, 5, 6.25, 10.75, 8.75, 8.25 },
        { "COQ", 11, 0, 6, 11.75, 0.25, 9.25, 2.75 }, { "CHAT", 10, 10, 7, 10.75, 10.75, 7.25, 7.25 },
    };
    // A 12 x 12 word search with the solution below.
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.lowerHalf = 1;
    d.settings.puzzle.gridSize = 12;
    d.puzzle.SetGridDimensions(12);
    const auto strokes = [&d] {
        return Where(OpsOf(Rendered(d).ops(), RecordedOp::Kind::Line), [](const RecordedOp& op) { return op.y1 > kLowerGridY; });
    };
    PlaceWord(d, u(cases[0].word), cases[0].x, cases[0].y, cases[0].direction);
    EXPECT_EQ(strokes().size(), 0); // a single entry has none
    for (const auto& k : cases)
        PlaceWord(d, u(k.word), k.x, k.y, k.direction);
    d.puzzle.WordEntries.removeFirst();
    // A word that could not be placed keeps (0, 0), direction 0 and no text: no stroke.
    d.puzzle.WordEntries.append(WordEntry {});
    d.puzzle.WordCount = 9;
    const QList<RecordedOp> struck = strokes();
    ASSERT_EQ(struck.size(), 8);
    for (const RecordedOp& op : struck) {
        EXPECT_EQ(op.style, LineStyle::Solid);
        EXPECT_EQ(op.width, 7);
        EXPECT_EQ(op.color, kBlack);
    }
    const double c = kSearchCell;
    for (const auto& k : cases)
        EXPECT_TRUE(HasLine(struck, 7 + k.u1 * c, kLowerGridY + k.v1 * c, 7 + k.u2 * c, kLowerGridY + k.v2 * c)) << k.word;
    d.settings.lowerHalf = 2; // strokes belong to the solution only
    EXPECT_EQ(strokes().size(), 0);
}

// A clicked, checked word of four letters at (5, 5) in a direction.
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

QList<RecordedOp> ThickOps(const Rendered& r)
{
    return Where(r.ops(), [](const RecordedOp& op) { return op.kind != RecordedOp::Kind::Text && op.width == 3; });
}

TEST(PreviewHighlight, OutlineOfEachDirection)
{
    const double x = 5, y = 5, L = 4;
    // Directions 0 to 3: a box between two corners; 4 to 7: four lines closing a slanted rectangle.
    const QList<QPointF> corners[8] = {
        { { x, y }, { x + L, y + 1 } },
        { { x + 1, y }, { x + 1 - L, y + 1 } },
        { { x, y }, { x + 1, y + L } },
        { { x, y + 1 }, { x + 1, y + 1 - L } },
        { { x + 0.5, y }, { x + L, y + L - 0.5 }, { x + L - 0.5, y + L }, { x, y + 0.5 } },
        { { x, y + 0.5 }, { x + L - 0.5, y - L + 1 }, { x + L, y - L + 1.5 }, { x + 0.5, y + 1 } },
        { { x + 0.5, y }, { x - L + 1, y + L - 0.5 }, { x - L + 1.5, y + L }, { x + 1, y + 0.5 } },
        { { x + 1, y + 0.5 }, { x - L + 1.5, y - L + 1 }, { x - L + 1, y - L + 1.5 }, { x + 0.5, y + 1 } },
    };
    for (int code = 0; code < 8; ++code) {
        SCOPED_TRACE(code);
        DocumentData d = Highlighted(code);
        const QList<RecordedOp> thick = ThickOps(Rendered(d, 1.0, false, 96));
        QList<QPointF> k;
        for (const QPointF& p : corners[code])
            k.append(QPointF(7 + p.x() * kSearchCell, 28 + p.y() * kSearchCell));
        if (code < 4) {
            ASSERT_EQ(thick.size(), 1);
            EXPECT_TRUE(HasBox(thick, k[0].x(), k[0].y(), k[1].x(), k[1].y()));
            continue;
        }
        ASSERT_EQ(thick.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(HasLine(thick, k[i].x(), k[i].y(), k[(i + 1) % 4].x(), k[(i + 1) % 4].y())) << "side " << i;
    }
}

TEST(PreviewHighlight, OnlyOnScreenAndForACheckedWord)
{
    {
        DocumentData d = Highlighted(0);
        Rendered paper(d, 1.0, true, 600);
        EXPECT_TRUE(ThickOps(paper).isEmpty());
        for (const RecordedOp& op : paper.ops())
            EXPECT_NE(op.width, 3 * 7);
    }
    const std::function<void(DocumentData&)> unlit[] = {
        [](DocumentData& d) { d.words.SetChecked(d.words.current, false); },
        // After a document reset: a single entry.
        [](DocumentData& d) { d.puzzle.WordEntries = { WordEntry { 5, 5, 0, u("CHAT") } }; },
        [](DocumentData& d) { d.puzzle.WordHighlighted = false; },
    };
    for (const auto& change : unlit) {
        DocumentData d = Highlighted(0);
        change(d);
        EXPECT_TRUE(ThickOps(Rendered(d, 1.0, false, 96)).isEmpty());
    }
}

} // namespace
} // namespace lx::test
