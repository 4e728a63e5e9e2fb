// Where the blocks of the page go: header, title, instruction, grid, footers,
// the fold line, and the lower half in its three modes.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"
#include "render/SymbolFont.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// A 10 x 10 word search: two words, lower-case filler letters elsewhere.
DocumentData WordSearch()
{
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, { u("chat"), u("cheval") });
    PlaceWord(d, u("CHEVAL"), 1, 1, 0);
    PlaceWord(d, u("CHAT"), 1, 1, 2); // crosses CHEVAL on its C
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (d.puzzle.LetterGrid.at(x, y).isEmpty())
                d.puzzle.LetterGrid.at(x, y) = u("z");
        }
    }
    return d;
}

constexpr double kCell = 0.4 * 12 + 2.0; // line height of the 12-point grid font, plus the padding
constexpr double kCut = 297.0 * 0.5 - 1.0;

TEST(PageLayout, UpperHalfBlocksAtTheirPlaces)
{
    DocumentData d = WordSearch();
    Rendered r(d);
    const QList<RecordedOp>& ops = r.ops();
    const QList<RecordedOp> texts = TextOps(ops);
    ASSERT_FALSE(texts.isEmpty());

    // The header line first, at (7, 5), 10-point italic, then its rule.
    const RecordedOp& header = texts.first();
    EXPECT_EQ(header.text, u("CE1 – Thème : Animaux (2 mots)"));
    EXPECT_DOUBLE_EQ(header.x1, 7.0);
    EXPECT_DOUBLE_EQ(header.y1, 5.0);
    EXPECT_EQ(header.font, (SurfaceFont { kDefaultFont, 10, false, true, false }));
    EXPECT_TRUE(HasLine(ops, 6.5, 5 + 4.0 + 0.5, 210 - 6.5, 5 + 4.0 + 0.5));

    // The title, centred at 10, 16-point bold underlined in the title font.
    const QList<RecordedOp> title = TextsEqual(ops, u("Les animaux"));
    ASSERT_EQ(title.size(), 1);
    EXPECT_DOUBLE_EQ(title[0].x1, (210 - 0.2 * 16 * 11) / 2);
    EXPECT_DOUBLE_EQ(title[0].y1, 10.0);
    EXPECT_EQ(title[0].font, (SurfaceFont { kTitleFont, 16, true, false, true }));

    // The instruction at (7, 18), 11 points in the title font.
    const QList<RecordedOp> instruction = TextsEqual(ops, InstructionText(d.settings));
    ASSERT_EQ(instruction.size(), 1);
    EXPECT_DOUBLE_EQ(instruction[0].x1, 7.0);
    EXPECT_DOUBLE_EQ(instruction[0].y1, 18.0);
    EXPECT_EQ(instruction[0].font, (SurfaceFont { kTitleFont, 11, false, false, false }));

    // The grid's frame from (7, 28).
    EXPECT_TRUE(HasBox(ops, 7, 28, 7 + 10 * kCell, 28 + 10 * kCell));
    EXPECT_DOUBLE_EQ(r.renderer.CellSize, kCell);
    EXPECT_DOUBLE_EQ(r.renderer.GridExtent, 10 * kCell);

    // "Vide": one footer, at 291, centred, 8 points; no fold line.
    const QList<RecordedOp> footers = TextsEqual(ops, kFooter);
    ASSERT_EQ(footers.size(), 1);
    EXPECT_DOUBLE_EQ(footers[0].y1, 291.0);
    EXPECT_DOUBLE_EQ(footers[0].x1, (210 - 0.2 * 8 * kFooter.size()) / 2);
    EXPECT_EQ(footers[0].font, (SurfaceFont { kDefaultFont, 8, false, false, false }));
    EXPECT_TRUE(TextsInFont(ops, SymbolFontName()).isEmpty());
    for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Line))
        EXPECT_EQ(op.style, LineStyle::Solid);
    EXPECT_DOUBLE_EQ(r.renderer.CutLineY, kCut);
    EXPECT_DOUBLE_EQ(r.renderer.LowerGridY, kCut + 28);
    EXPECT_DOUBLE_EQ(r.renderer.RightLimit, 203.0);
    EXPECT_TRUE(r.renderer.LowerHalfAvailable);
}

TEST(PageLayout, EveryRuleIsAThirdOfAMillimetreOnPaper)
{
    DocumentData d = WordSearch();
    d.settings.lowerHalf = 1;
    d.settings.visibleCells = true;
    Rendered r(d, 1.0, true, 1200);
    int solid = 0;
    for (const RecordedOp& op : r.ops()) {
        if (op.kind == RecordedOp::Kind::Text || op.style != LineStyle::Solid)
            continue;
        EXPECT_EQ(op.width, 14); // 0.3 mm at 1200 dpi
        ++solid;
    }
    EXPECT_GT(solid, 20);
}

TEST(PageLayout, FontSizesFollowTheRatioButPensDoNot)
{
    DocumentData d = WordSearch();
    d.settings.lowerHalf = 1;
    Rendered r(d, 0.5, false, 96);
    const QList<RecordedOp> texts = TextOps(r.ops());
    EXPECT_DOUBLE_EQ(texts.first().font.size, 5.0);
    EXPECT_DOUBLE_EQ(TextsEqual(r.ops(), u("Les animaux"))[0].font.size, 8.0);
    EXPECT_DOUBLE_EQ(TextsEqual(r.ops(), kFooter)[0].font.size, 4.0);
    EXPECT_DOUBLE_EQ(TextsEqual(r.ops(), u("\""))[0].font.size, 5.0);
    EXPECT_DOUBLE_EQ(TextsEqual(r.ops(), u("CHAT"))[0].font.size, 6.0); // the list
    // The grid shrinks with its font: a 6-point line is 2.4 units, plus the padding.
    EXPECT_DOUBLE_EQ(r.renderer.CellSize, 0.4 * 6 + 2.0);
    for (const RecordedOp& op : r.ops()) {
        if (op.kind == RecordedOp::Kind::Line || op.kind == RecordedOp::Kind::Box) {
            EXPECT_EQ(op.width, 1); // one screen pixel
        }
    }
}

TEST(PageLayout, EmptyTitleDrawsNothingButTheHeaderRuleStays)
{
    DocumentData d = WordSearch();
    d.settings.title.clear();
    Rendered r(d);
    for (const RecordedOp& op : TextOps(r.ops()))
        EXPECT_NE(op.font.size, 16.0);
    EXPECT_TRUE(HasLine(r.ops(), 6.5, 9.5, 203.5, 9.5));
}

TEST(LowerHalf, SolutionOfAWordSearch)
{
    DocumentData d = WordSearch();
    d.settings.lowerHalf = 1;
    Rendered r(d);
    const QList<RecordedOp>& ops = r.ops();

    // The fold line: scissors at (2, CutLineY - 2), then a dotted line across.
    const QList<RecordedOp> scissors = TextsInFont(ops, SymbolFontName());
    ASSERT_EQ(scissors.size(), 1);
    EXPECT_EQ(scissors[0].text, QString(QChar(kScissorsCode)));
    EXPECT_DOUBLE_EQ(scissors[0].x1, 2.0);
    EXPECT_DOUBLE_EQ(scissors[0].y1, kCut - 2);
    EXPECT_DOUBLE_EQ(scissors[0].font.size, 10.0);
    int dotted = 0;
    for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Line)) {
        if (op.style != LineStyle::Dotted)
            continue;
        ++dotted;
        EXPECT_DOUBLE_EQ(op.x1, 2.0);
        EXPECT_DOUBLE_EQ(op.x2, 208.0);
        EXPECT_DOUBLE_EQ(op.y1, kCut);
        EXPECT_DOUBLE_EQ(op.y2, kCut);
        EXPECT_EQ(op.width, 2); // 0.1 mm at 600 dpi
    }
    EXPECT_EQ(dotted, 1);

    // The header again at CutLineY + 5 with its rule, the title with " (Solution)".
    const QList<RecordedOp> headers = TextsEqual(ops, u("CE1 – Thème : Animaux (2 mots)"));
    ASSERT_EQ(headers.size(), 2);
    EXPECT_DOUBLE_EQ(headers[1].y1, kCut + 5);
    EXPECT_TRUE(HasLine(ops, 6.5, kCut + 4.0 + 5.5, 203.5, kCut + 4.0 + 5.5));
    const QList<RecordedOp> title = TextsEqual(ops, u("Les animaux (Solution)"));
    ASSERT_EQ(title.size(), 1);
    EXPECT_DOUBLE_EQ(title[0].y1, kCut + 10);
    // Random filler letters: no secret-message line, and only the words' letters.
    for (const RecordedOp& op : TextOps(ops))
        EXPECT_FALSE(op.text.startsWith(u("Message secret")));
    EXPECT_TRUE(HasBox(ops, 7, kCut + 28, 7 + 10 * kCell, kCut + 28 + 10 * kCell));
    int lowerLetters = 0;
    for (const RecordedOp& op : TextsInFont(ops, kGridFont)) {
        if (op.y1 > kCut) {
            ++lowerLetters;
            EXPECT_NE(op.text, u("Z"));
        }
    }
    EXPECT_EQ(lowerLetters, 6 + 4 - 1); // CHEVAL and CHAT share their C

    // The second footer, at 143, after the lower half.
    const QList<RecordedOp> footers = TextsEqual(ops, kFooter);
    ASSERT_EQ(footers.size(), 2);
    EXPECT_DOUBLE_EQ(footers[0].y1, 291.0);
    EXPECT_DOUBLE_EQ(footers[1].y1, 143.0);
    EXPECT_EQ(ops.last().text, kFooter);
}

TEST(LowerHalf, SolutionWithAHiddenMessageShowsItAndEveryLetter)
{
    DocumentData d = WordSearch();
    d.settings.lowerHalf = 1;
    d.settings.puzzle.randomFill = false;
    d.puzzle.MessageText = u("Bravo !");
    Rendered r(d);
    const QList<RecordedOp> message = TextsEqual(r.ops(), u("Message secret : Bravo !"));
    ASSERT_EQ(message.size(), 1);
    EXPECT_DOUBLE_EQ(message[0].x1, 7.0);
    EXPECT_DOUBLE_EQ(message[0].y1, kCut + 18);
    EXPECT_EQ(message[0].font, (SurfaceFont { kTitleFont, 11, false, false, false }));
    int lowerLetters = 0;
    for (const RecordedOp& op : TextsInFont(r.ops(), kGridFont))
        lowerLetters += op.y1 > kCut ? 1 : 0;
    EXPECT_EQ(lowerLetters, 100);
}

TEST(LowerHalf, CopyRepeatsTitleInstructionAndPuzzle)
{
    DocumentData d = WordSearch();
    d.settings.lowerHalf = 2;
    Rendered r(d);
    const QList<RecordedOp>& ops = r.ops();
    const QList<RecordedOp> title = TextsEqual(ops, u("Les animaux"));
    ASSERT_EQ(title.size(), 2);
    EXPECT_DOUBLE_EQ(title[1].y1, kCut + 10);
    const QList<RecordedOp> instruction = TextsEqual(ops, InstructionText(d.settings));
    ASSERT_EQ(instruction.size(), 2);
    EXPECT_DOUBLE_EQ(instruction[1].x1, 7.0);
    EXPECT_DOUBLE_EQ(instruction[1].y1, kCut + 18);
    // The copy is the puzzle: every cell, filler letters upper-cased.
    int lowerLetters = 0;
    for (const RecordedOp& op : TextsInFont(ops, kGridFont)) {
        if (op.y1 > kCut) {
            ++lowerLetters;
            EXPECT_EQ(op.text, op.text.toUpper());
        }
    }
    EXPECT_EQ(lowerLetters, 100);
    // No strokes in a copy: every line of the lower grid area is a rule or the fold.
    for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Line))
        EXPECT_TRUE(op.y1 == op.y2) << op.x1 << "," << op.y1 << " " << op.x2 << "," << op.y2;
    EXPECT_EQ(TextsEqual(ops, kFooter).size(), 2);
}

TEST(LowerHalf, CodedWordsAlwaysHaveTheLowerHalf)
{
    DocumentData d = MakeData(GameType::CodedWords);
    AddWords(d, { u("chat"), u("chien"), u("vache"), u("poule"), u("lapin") });
    d.settings.lowerHalf = 1;
    Rendered r(d);
    EXPECT_TRUE(r.renderer.LowerHalfAvailable);
    EXPECT_EQ(TextsEqual(r.ops(), kFooter).size(), 2);
    EXPECT_TRUE(r.renderer.DisplayList.isEmpty());
}

} // namespace
} // namespace lx::test
