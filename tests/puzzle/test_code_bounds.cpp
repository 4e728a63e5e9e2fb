#include "PuzzleTestSupport.h"

#include "puzzle/CodeBounds.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

TEST(CodeBounds, ParseShortNumberAndBoundKeys)
{
    EXPECT_EQ(ParseShortNumber(u("42")), 42);
    EXPECT_EQ(ParseShortNumber(u(" 7 ")), 7);
    EXPECT_EQ(ParseShortNumber(u("-32768")), -32768);
    EXPECT_EQ(ParseShortNumber(u("32767")), 32767);
    for (const char* bad : { "32768", "99999999999999999999", "", "-", "1a", "٣" /* only the digits 0 to 9 */ })
        EXPECT_FALSE(ParseShortNumber(u(bad))) << bad;

    for (QChar key : { QChar(u'0'), QChar(u'9'), QChar(8) })
        EXPECT_TRUE(AcceptBoundKey(key)) << int(key.unicode());
    for (QChar key : { QChar(u'-'), QChar(u'a'), QChar(13) })
        EXPECT_FALSE(AcceptBoundKey(key)) << int(key.unicode());
}

TEST(CodeBounds, RangeMustHoldTwentySixValues)
{
    EXPECT_EQ(CheckCodeBounds(u("5"), u("30")), (BoundsVerdict { true, false }));
    EXPECT_EQ(CheckCodeBounds(u("5"), u("29")), (BoundsVerdict { false, true }));
    EXPECT_EQ(CheckCodeBounds(u("40"), u("10")), (BoundsVerdict { false, true }));
    // An empty bound disables the button without marking the boxes.
    EXPECT_EQ(CheckCodeBounds(u(""), u("30")), (BoundsVerdict { false, std::nullopt }));
    EXPECT_EQ(CheckCodeBounds(u("5"), u("")), (BoundsVerdict { false, std::nullopt }));
    // A bound too large for a 16-bit number is an error, never a wrapped value.
    EXPECT_EQ(CheckCodeBounds(u("1"), u("70000")), (BoundsVerdict { false, true }));

    const CodeRange r = ReadCodeRange(u("0"), u("40"));
    EXPECT_EQ(r.low, 1) << "never a code below one";
    EXPECT_EQ(r.high, 40);
    const CodeRange narrow = ReadCodeRange(u("0"), u("25"));
    EXPECT_GE(narrow.high - narrow.low, 25) << "26 distinct codes must stay possible";
}

TEST(CodeBounds, LeavingTheBoxesMendsTheBounds)
{
    struct Case {
        const char *lo, *hi, *mendedLo, *mendedHi;
    };
    for (const Case& c : { Case { "40", "10", "10", "40" }, Case { "0", "50", "1", "50" },
                           Case { "20", "0", "0", "20" } /* the remembered upper text goes down */,
                           Case { "", "50", "", "50" } }) {
        QString lo = u(c.lo), hi = u(c.hi);
        LeaveCodeBounds(lo, hi);
        EXPECT_EQ(lo, u(c.mendedLo)) << c.lo << ".." << c.hi;
        EXPECT_EQ(hi, u(c.mendedHi)) << c.lo << ".." << c.hi;
    }
    EXPECT_FALSE(CheckCodeBounds(u("0"), u("20")).enableGenerate);
}

TEST(CodeBounds, LetterCodeBoxes)
{
    std::array<QString, 26> boxes {};
    boxes[0] = u("3");
    boxes[1] = u("12");
    boxes[2] = u("3");
    EXPECT_EQ(CheckLetterCode(0, boxes, 0, u("10"), u("99")), true) << "the code of another letter";
    EXPECT_EQ(CheckLetterCode(1, boxes, 0, u("10"), u("99")), false);
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, u("10"), u("99")), std::nullopt) << "an empty box changes nothing";
    boxes[3] = u("27");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, u("10"), u("99")), true);
    EXPECT_EQ(CheckLetterCode(3, boxes, 2, u("10"), u("99")), true);
    EXPECT_EQ(CheckLetterCode(3, boxes, 1, u("10"), u("99")), false);
    boxes[3] = u("0");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, u("10"), u("99")), true);
    boxes[3] = u("x");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, u("10"), u("99")), true) << "not a number";
    boxes[3] = u("9");
    EXPECT_EQ(CheckLetterCode(3, boxes, 1, u("10"), u("99")), true) << "below the lower bound";
}

} // namespace
} // namespace lx::test
