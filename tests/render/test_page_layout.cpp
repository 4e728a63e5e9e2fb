// Where the blocks of the page go: header, title, instruction, grid, footers,
// the fold line and the lower half in its three modes; the pens on paper.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"
#include "render/SymbolFont.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// A 10 x 10 word search: two words, lower-case filler letters elsewhere.
DocumentData WordSearch(int lowerHalf)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.lowerHalf = lowerHalf;
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

const QString kHeader = QStringLiteral("CE1 – Thème : Animaux (2 mots)");

QList<RecordedOp> LowerLetters(const QList<RecordedOp>& ops)
{
    return Where(TextsInFont(ops, kGridFont), [](const RecordedOp& op) { return op.y1 > kCut; });
}

TEST(PageLayout, BlocksOfEachLowerHalfMode)
{
    for (int mode : { 0, 1, 2 }) { // nothing, the solution, a copy
        SCOPED_TRACE(mode);
        DocumentData d = WordSearch(mode);
        Rendered r(d);
        const QList<RecordedOp>& ops = r.ops();
        EXPECT_TRUE(r.layout.LowerHalfAvailable);
        const int halves = mode == 0 ? 1 : 2;

        // The header line first, at (7, 5), 10-point italic, then its rule;
        // again at CutLineY + 5 over a lower half.
        const QList<RecordedOp> headers = TextsEqual(ops, kHeader);
        ASSERT_EQ(headers.size(), halves);
        ASSERT_EQ(OpsOf(ops, RecordedOp::Kind::Text).first().text, kHeader);
        for (int h = 0; h < halves; ++h) {
            const double top = h * kCut;
            EXPECT_DOUBLE_EQ(headers[h].x1, 7.0);
            EXPECT_DOUBLE_EQ(headers[h].y1, top + 5.0);
            EXPECT_EQ(headers[h].font, (SurfaceFont { kDefaultFont, 10, false, true, false }));
            EXPECT_TRUE(HasLine(ops, 6.5, top + 5 + 4.0 + 0.5, 210 - 6.5, top + 5 + 4.0 + 0.5));
            // The grid's frame from (7, 28).
            EXPECT_TRUE(HasBox(ops, 7, top + 28, 7 + 10 * kSearchCell, top + 28 + 10 * kSearchCell));
        }

        // The title, centred at 10, 16-point bold underlined in the title font;
        // the instruction at (7, 18), 11 points. A copy repeats both.
        const QList<RecordedOp> title = TextsEqual(ops, u("Les animaux"));
        const QList<RecordedOp> instruction = TextsEqual(ops, InstructionText(d.settings));
        ASSERT_EQ(title.size(), mode == 2 ? 2 : 1);
        ASSERT_EQ(instruction.size(), mode == 2 ? 2 : 1);
        for (int h = 0; h < title.size(); ++h) {
            EXPECT_DOUBLE_EQ(title[h].x1, (210 - 0.2 * 16 * 11) / 2);
            EXPECT_DOUBLE_EQ(title[h].y1, h * kCut + 10.0);
            EXPECT_EQ(title[h].font, (SurfaceFont { kTitleFont, 16, true, false, true }));
            EXPECT_DOUBLE_EQ(instruction[h].x1, 7.0);
            EXPECT_DOUBLE_EQ(instruction[h].y1, h * kCut + 18.0);
            EXPECT_EQ(instruction[h].font, (SurfaceFont { kTitleFont, 11, false, false, false }));
        }

        // The footer at 291, centred, 8 points; the second at 143, drawn last.
        const QList<RecordedOp> footers = TextsEqual(ops, kFooter);
        ASSERT_EQ(footers.size(), halves);
        EXPECT_DOUBLE_EQ(footers[0].y1, 291.0);
        EXPECT_DOUBLE_EQ(footers[0].x1, (210 - 0.2 * 8 * kFooter.size()) / 2);
        EXPECT_EQ(footers[0].font, (SurfaceFont { kDefaultFont, 8, false, false, false }));
        if (mode != 0) {
            EXPECT_DOUBLE_EQ(footers[1].y1, 143.0);
            EXPECT_EQ(ops.last().text, kFooter);
        }

        // The fold line over a lower half: scissors at (2, CutLineY - 2), then
        // a dotted line across at half the page less 1.
        const QList<RecordedOp> scissors = TextsInFont(ops, SymbolFontName());
        const QList<RecordedOp> dotted = Where(ops, [](const RecordedOp& op) { return op.style == LineStyle::Dotted; });
        ASSERT_EQ(scissors.size(), halves - 1);
        ASSERT_EQ(dotted.size(), halves - 1);
        if (mode != 0) {
            EXPECT_EQ(scissors[0].text, QString(QChar(kScissorsCode)));
            EXPECT_DOUBLE_EQ(scissors[0].x1, 2.0);
            EXPECT_DOUBLE_EQ(scissors[0].y1, kCut - 2);
            EXPECT_DOUBLE_EQ(scissors[0].font.size, 10.0);
            EXPECT_EQ(dotted[0].kind, RecordedOp::Kind::Line);
            EXPECT_TRUE(HasLine(dotted, 2.0, kCut, 208.0, kCut));
            EXPECT_EQ(dotted[0].width, 2); // 0.1 mm at 600 dpi
        }

        // The solution (random filler letters): no secret-message line, only the
        // words' letters. The copy is the puzzle: every cell, upper-cased.
        const QList<RecordedOp> lower = LowerLetters(ops);
        EXPECT_EQ(lower.size(), mode == 0 ? 0 : mode == 1 ? 6 + 4 - 1 : 100); // CHEVAL and CHAT share their C
        for (const RecordedOp& op : lower)
            EXPECT_EQ(op.text, op.text.toUpper());
        if (mode == 1) {
            const QList<RecordedOp> solution = TextsEqual(ops, u("Les animaux (Solution)"));
            ASSERT_EQ(solution.size(), 1);
            EXPECT_DOUBLE_EQ(solution[0].y1, kCut + 10);
            EXPECT_TRUE(Where(lower, [](const RecordedOp& op) { return op.text == u("Z"); }).isEmpty());
            EXPECT_TRUE(Where(ops, [](const RecordedOp& op) { return op.text.startsWith(u("Message secret")); }).isEmpty());
        }
    }
}

TEST(PageLayout, SolutionWithAHiddenMessageShowsItAndEveryLetter)
{
    DocumentData d = WordSearch(1);
    d.settings.puzzle.randomFill = false;
    d.puzzle.MessageText = u("Bravo !");
    Rendered r(d);
    const QList<RecordedOp> message = TextsEqual(r.ops(), u("Message secret : Bravo !"));
    ASSERT_EQ(message.size(), 1);
    EXPECT_DOUBLE_EQ(message[0].x1, 7.0);
    EXPECT_DOUBLE_EQ(message[0].y1, kCut + 18);
    EXPECT_EQ(message[0].font, (SurfaceFont { kTitleFont, 11, false, false, false }));
    EXPECT_EQ(LowerLetters(r.ops()).size(), 100);
}

TEST(PageLayout, EveryRuleIsAThirdOfAMillimetreOnPaper)
{
    DocumentData d = WordSearch(1);
    d.settings.visibleCells = true;
    Rendered r(d, 1.0, true, 1200);
    const QList<RecordedOp> solid = Where(r.ops(), [](const RecordedOp& op) {
        return op.kind != RecordedOp::Kind::Text && op.style == LineStyle::Solid;
    });
    EXPECT_GT(solid.size(), 20);
    for (const RecordedOp& op : solid)
        EXPECT_EQ(op.width, 14); // at 1200 dpi
    // Never thinner than a pixel.
    RecordingSurface coarse(210, 297, true, 72);
    SetPenWidth(coarse, 1, true);
    EXPECT_EQ(coarse.drawWidth, 1);
}

} // namespace
} // namespace lx::test
