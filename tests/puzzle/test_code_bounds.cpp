#include "puzzle/CodeBounds.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

const QString s(const char* t)
{
    return QString::fromUtf8(t);
}

TEST(CodeBounds, ParseShortNumber)
{
    EXPECT_EQ(ParseShortNumber(s("42")), 42);
    EXPECT_EQ(ParseShortNumber(s(" 7 ")), 7);
    EXPECT_EQ(ParseShortNumber(s("-32768")), -32768);
    EXPECT_EQ(ParseShortNumber(s("32767")), 32767);
    EXPECT_FALSE(ParseShortNumber(s("32768")));
    EXPECT_FALSE(ParseShortNumber(s("99999999999999999999")));
    EXPECT_FALSE(ParseShortNumber(s("")));
    EXPECT_FALSE(ParseShortNumber(s("-")));
    EXPECT_FALSE(ParseShortNumber(s("1a")));
    EXPECT_FALSE(ParseShortNumber(s("٣"))) << "only the digits 0 to 9";
}

TEST(CodeBounds, RangeMustHoldTwentySixValues)
{
    EXPECT_EQ(CheckCodeBounds(s("5"), s("30")), (BoundsVerdict { true, false }));
    EXPECT_EQ(CheckCodeBounds(s("5"), s("29")), (BoundsVerdict { false, true }));
    EXPECT_EQ(CheckCodeBounds(s("40"), s("10")), (BoundsVerdict { false, true }));
    // An empty bound disables the button without marking the boxes.
    EXPECT_EQ(CheckCodeBounds(s(""), s("30")), (BoundsVerdict { false, std::nullopt }));
    EXPECT_EQ(CheckCodeBounds(s("5"), s("")), (BoundsVerdict { false, std::nullopt }));
    // A bound too large for a 16-bit number is an error, never a wrapped value.
    EXPECT_EQ(CheckCodeBounds(s("1"), s("70000")), (BoundsVerdict { false, true }));
}

TEST(CodeBounds, LeavingTheBoxesMendsTheBounds)
{
    QString lo = s("40"), hi = s("10");
    LeaveCodeBounds(lo, hi);
    EXPECT_EQ(lo, s("10"));
    EXPECT_EQ(hi, s("40"));

    lo = s("0");
    hi = s("50");
    LeaveCodeBounds(lo, hi);
    EXPECT_EQ(lo, s("1"));
    EXPECT_EQ(hi, s("50"));

    lo = s("20");
    hi = s("0");
    LeaveCodeBounds(lo, hi);
    EXPECT_EQ(lo, s("0")) << "the remembered upper text goes down";
    EXPECT_EQ(hi, s("20"));
    EXPECT_FALSE(CheckCodeBounds(lo, hi).enableGenerate);

    lo = s("");
    hi = s("50");
    LeaveCodeBounds(lo, hi);
    EXPECT_EQ(lo, s(""));
    EXPECT_EQ(hi, s("50"));
}

TEST(CodeBounds, ReadRangeNeverGivesACodeBelowOne)
{
    const CodeRange r = ReadCodeRange(s("0"), s("40"));
    EXPECT_EQ(r.low, 1);
    EXPECT_EQ(r.high, 40);
    const CodeRange narrow = ReadCodeRange(s("0"), s("25"));
    EXPECT_GE(narrow.high - narrow.low, 25) << "26 distinct codes must stay possible";
}

TEST(CodeBounds, BoundKeys)
{
    EXPECT_TRUE(AcceptBoundKey(QChar(u'0')));
    EXPECT_TRUE(AcceptBoundKey(QChar(u'9')));
    EXPECT_TRUE(AcceptBoundKey(QChar(8)));
    EXPECT_FALSE(AcceptBoundKey(QChar(u'-')));
    EXPECT_FALSE(AcceptBoundKey(QChar(u'a')));
    EXPECT_FALSE(AcceptBoundKey(QChar(13)));
}

TEST(CodeBounds, LetterCodeBoxes)
{
    std::array<QString, 26> boxes {};
    boxes[0] = s("3");
    boxes[1] = s("12");
    boxes[2] = s("3");
    EXPECT_EQ(CheckLetterCode(0, boxes, 0, s("10"), s("99")), true) << "the code of another letter";
    EXPECT_EQ(CheckLetterCode(1, boxes, 0, s("10"), s("99")), false);
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, s("10"), s("99")), std::nullopt) << "an empty box changes nothing";
    boxes[3] = s("27");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, s("10"), s("99")), true);
    EXPECT_EQ(CheckLetterCode(3, boxes, 2, s("10"), s("99")), true);
    EXPECT_EQ(CheckLetterCode(3, boxes, 1, s("10"), s("99")), false);
    boxes[3] = s("0");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, s("10"), s("99")), true);
    boxes[3] = s("x");
    EXPECT_EQ(CheckLetterCode(3, boxes, 0, s("10"), s("99")), true) << "not a number";
    boxes[3] = s("9");
    EXPECT_EQ(CheckLetterCode(3, boxes, 1, s("10"), s("99")), true) << "below the lower bound";
}

} // namespace
} // namespace lx
