#include "document/DocumentValues.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

int Parse(const char* text, int low, int high, int fallback)
{
    return ParseIntInRange(QString::fromUtf8(text), low, high, fallback);
}

// --- ParseIntInRange: range and fallback -----------------------------------

TEST(ParseIntInRange, WithinRangeGivesTheNumber)
{
    EXPECT_EQ(Parse("12", 7, 20, 12), 12);
    EXPECT_EQ(Parse("7", 7, 20, 12), 7);  // both bounds belong to the range
    EXPECT_EQ(Parse("20", 7, 20, 12), 20);
    EXPECT_EQ(Parse("+9", 7, 20, 12), 9);
    EXPECT_EQ(Parse("-4", -5, 5, 0), -4);
    EXPECT_EQ(Parse("007", 0, 10, 3), 7);
}

TEST(ParseIntInRange, OutOfRangeGivesTheFallbackOrTheNearerBound)
{
    EXPECT_EQ(Parse("25", 7, 20, 12), 12);
    EXPECT_EQ(Parse("6", 7, 20, 12), 12);
    EXPECT_EQ(Parse("25", 5, 18, kRangeSentinel), 18);
    EXPECT_EQ(Parse("-3", 5, 18, kRangeSentinel), 5);
    EXPECT_EQ(Parse("19", 5, 18, kRangeSentinel), 18);
    EXPECT_EQ(Parse("4", 5, 18, kRangeSentinel), 5);
}

TEST(ParseIntInRange, NoNumberGivesTheFallbackOrLow)
{
    EXPECT_EQ(Parse("abc", 0, 1, kRangeSentinel), 0);
    EXPECT_EQ(Parse("abc", 0, 1, 1), 1);
    EXPECT_EQ(Parse("", 3, 15, 15), 15);
    EXPECT_EQ(Parse("", 3, 15, kRangeSentinel), 3);
    EXPECT_EQ(Parse("   ", 3, 15, 9), 9);
}

TEST(ParseIntInRange, WhatIsNotANumber)
{
    const char* notNumbers[] = {
        "1e3", "1E3", "1,5", "1 2", "12abc", "abc12", "+", "-", ".", "+.", "--1", "+-1", "1..2", "1.2.3",
        "0x10", "½", "١٢", "１２", "∞", "nan", "inf", "- 1",
    };
    for (const char* text : notNumbers)
        EXPECT_EQ(Parse(text, -100, 100, 42), 42) << text;
}

TEST(ParseIntInRange, BlanksAroundAndDecimalForms)
{
    EXPECT_EQ(Parse(" 7 ", 0, 30, 0), 7);
    EXPECT_EQ(Parse("\t7\t", 0, 30, 0), 7);
    EXPECT_EQ(Parse(" -7 ", -30, 30, 0), -7);
    EXPECT_EQ(Parse("7.", 0, 30, 0), 7);
    EXPECT_EQ(Parse("7.0", 0, 30, 0), 7);
    EXPECT_EQ(Parse(".9", 0, 30, 5), 1);
    EXPECT_EQ(Parse("-.9", -30, 30, 5), -1);
}

// --- ParseIntInRange: rounding ---------------------------------------------

TEST(ParseIntInRange, HalvesRoundToEven)
{
    EXPECT_EQ(Parse(" 7.5 ", 0, 30, kRangeSentinel), 8);
    EXPECT_EQ(Parse("6.5", 0, 30, kRangeSentinel), 6);
    EXPECT_EQ(Parse("2.5", -30, 30, 99), 2);
    EXPECT_EQ(Parse("3.5", -30, 30, 99), 4);
    EXPECT_EQ(Parse("0.5", -30, 30, 99), 0);
    EXPECT_EQ(Parse("-0.5", -30, 30, 99), 0);
    EXPECT_EQ(Parse("-2.5", -30, 30, 99), -2);
    EXPECT_EQ(Parse("-3.5", -30, 30, 99), -4);
    EXPECT_EQ(Parse("2.50000", -30, 30, 99), 2);
}

TEST(ParseIntInRange, OtherFractionsRoundToNearest)
{
    EXPECT_EQ(Parse("2.4", -30, 30, 99), 2);
    EXPECT_EQ(Parse("2.6", -30, 30, 99), 3);
    EXPECT_EQ(Parse("-2.6", -30, 30, 99), -3);
    EXPECT_EQ(Parse("2.51", -30, 30, 99), 3);
    EXPECT_EQ(Parse("9.99", -30, 30, 99), 10);
    // Exact, where a binary floating-point reading would land on a half.
    EXPECT_EQ(Parse("2.50000000000000000001", -30, 30, 99), 3);
    EXPECT_EQ(Parse("0.50000000000000000001", -30, 30, 99), 1);
    EXPECT_EQ(Parse("2.49999999999999999999", -30, 30, 99), 2);
}

TEST(ParseIntInRange, RoundingDecidesTheRange)
{
    EXPECT_EQ(Parse("18.5", 5, 18, kRangeSentinel), 18); // to even: 18
    EXPECT_EQ(Parse("17.5", 5, 17, 0), 0);               // to even: 18, out of range
    EXPECT_EQ(Parse("4.5", 5, 18, 0), 0);                // to even: 4
    EXPECT_EQ(Parse("4.51", 5, 18, 0), 5);
}

// --- ParseIntInRange: the 16-bit limits ------------------------------------

TEST(ParseIntInRange, SixteenBitBounds)
{
    EXPECT_EQ(Parse("32767", -32767, 32767, 0), 32767);
    EXPECT_EQ(Parse("-32767", -32767, 32767, 0), -32767);
    EXPECT_EQ(Parse("-32768", -32768, 32767, 0), -32768);
    EXPECT_EQ(Parse("32768", -32767, 32767, 0), 0);
    EXPECT_EQ(Parse("32767.5", -32767, 32767, kRangeSentinel), 32767);
    EXPECT_EQ(Parse("65536", 0, 10, 3), 3); // not wrapped round to 0
    EXPECT_EQ(Parse("65537", 0, 10, 3), 3);
}

TEST(ParseIntInRange, HugeNumbersAreSimplyOutOfRange)
{
    EXPECT_EQ(Parse("99999999999999999999999", 0, 100, 50), 50);
    EXPECT_EQ(Parse("99999999999999999999999", 0, 100, kRangeSentinel), 100);
    EXPECT_EQ(Parse("-99999999999999999999999", 0, 100, kRangeSentinel), 0);
    EXPECT_EQ(Parse("18446744073709551616", -32767, 32767, kRangeSentinel), 32767);
    EXPECT_EQ(Parse("9223372036854775807.9", -32767, 32767, kRangeSentinel), 32767);
    EXPECT_EQ(Parse("-9223372036854775808", -32767, 32767, kRangeSentinel), -32767);
    EXPECT_EQ(ParseIntInRange(QString(100000, u'9'), 0, 100, kRangeSentinel), 100);
    EXPECT_EQ(ParseIntInRange(QStringLiteral("0.") + QString(100000, u'9'), 0, 100, kRangeSentinel), 1);
}

// --- TextOrDefault ---------------------------------------------------------

TEST(TextOrDefault, EmptyTextGivesTheFallback)
{
    EXPECT_EQ(TextOrDefault(QString(), QStringLiteral("Arial")), QStringLiteral("Arial"));
    EXPECT_EQ(TextOrDefault(QStringLiteral(""), QStringLiteral("Arial"), false), QStringLiteral("Arial"));
}

TEST(TextOrDefault, TrimsSpacesOnlyWhenAsked)
{
    EXPECT_EQ(TextOrDefault(U("  Les   élèves  "), QStringLiteral("x")), U("Les   élèves"));
    EXPECT_EQ(TextOrDefault(U("  Les   élèves  "), QStringLiteral("x"), false), U("  Les   élèves  "));
    EXPECT_EQ(TextOrDefault(QStringLiteral("Titre"), QStringLiteral("x")), QStringLiteral("Titre"));
}

TEST(TextOrDefault, BlankTextReadsAsMissing)
{
    // A text of spaces trims to nothing and takes the fallback, so that a
    // blank bound reopens as "99" and is written back as "99".
    EXPECT_EQ(TextOrDefault(QStringLiteral("   "), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(TextOrDefault(QStringLiteral("   "), QStringLiteral("x"), false), QStringLiteral("   "));
}

// --- EnsureDocumentExtension -----------------------------------------------

TEST(EnsureDocumentExtension, AddsTheExtensionUnlessPresentInAnyCase)
{
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a")), QStringLiteral("a.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.lxg")), QStringLiteral("a.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.LXG")), QStringLiteral("a.LXG"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.lXg")), QStringLiteral("a.lXg"));
    EXPECT_EQ(EnsureDocumentExtension(U("/x/Mon modèle.lxg")), U("/x/Mon modèle.lxg"));
}

TEST(EnsureDocumentExtension, OnlyTheEndOfThePathCounts)
{
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.lxg.txt")), QStringLiteral("a.lxg.txt.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.lxgx")), QStringLiteral("a.lxgx.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("a.lx")), QStringLiteral("a.lx.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("alxg")), QStringLiteral("alxg.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(QStringLiteral("/d.lxg/a")), QStringLiteral("/d.lxg/a.lxg"));
}

// --- DocumentFileName ------------------------------------------------------

TEST(DocumentFileName, NameAfterTheLastSlashOfEitherKind)
{
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/y/Mon doc.lxg"), true), QStringLiteral("Mon doc.lxg"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/y/Mon doc.lxg"), false), QStringLiteral("Mon doc"));
    EXPECT_EQ(DocumentFileName(U("C:\\x\\modèle.lxg"), true), U("modèle.lxg"));
    EXPECT_EQ(DocumentFileName(U("C:\\x\\modèle.lxg"), false), U("modèle"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("C:/x\\y/z\\fiche.lxg"), true), QStringLiteral("fiche.lxg"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("fiche.lxg"), true), QStringLiteral("fiche.lxg"));
}

TEST(DocumentFileName, ExtensionIsFromTheLastDotOfTheName)
{
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/a.b.lxg"), false), QStringLiteral("a.b"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/fiche"), false), QStringLiteral("fiche"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("fiche"), false), QStringLiteral("fiche"));
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x.y/fiche"), false), QStringLiteral("fiche"));
    EXPECT_EQ(DocumentFileName(QStringLiteral("C:\\v1.2\\fiche"), false), QStringLiteral("fiche"));
}

TEST(DocumentFileName, EmptyPathsAndNames)
{
    EXPECT_EQ(DocumentFileName(QString(), true), QString());
    EXPECT_EQ(DocumentFileName(QString(), false), QString());
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/y/"), true), QString());
    EXPECT_EQ(DocumentFileName(QStringLiteral("/x/.lxg"), false), QString());
}

} // namespace
} // namespace lx
