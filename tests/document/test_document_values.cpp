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

TEST(ParseIntInRange, NumbersRoundedThenBounded)
{
    constexpr int S = kRangeSentinel;
    const struct {
        const char* text;
        int low, high, fallback, expected;
    } cases[] = {
        // Within the range, both bounds included.
        { "12", 7, 20, 12, 12 }, { "7", 7, 20, 12, 7 }, { "20", 7, 20, 12, 20 }, { "+9", 7, 20, 12, 9 },
        { "-4", -5, 5, 0, -4 }, { "007", 0, 10, 3, 7 },
        // Out of range: the fallback, or with the sentinel the nearer bound.
        { "25", 7, 20, 12, 12 }, { "6", 7, 20, 12, 12 }, { "25", 5, 18, S, 18 }, { "-3", 5, 18, S, 5 },
        // No number at all: the fallback, or with the sentinel low.
        { "abc", 0, 1, 1, 1 }, { "abc", 0, 1, S, 0 }, { "", 3, 15, 15, 15 }, { "", 3, 15, S, 3 },
        { "   ", 3, 15, 9, 9 },
        // Blanks around and decimal forms.
        { " 7 ", 0, 30, 0, 7 }, { "\t-7\t", -30, 30, 0, -7 }, { "7.", 0, 30, 0, 7 }, { "7.0", 0, 30, 0, 7 },
        { ".9", 0, 30, 5, 1 }, { "-.9", -30, 30, 5, -1 },
        // Halves to even, other fractions to the nearest; exact where a binary
        // floating-point reading would land on a half.
        { " 7.5 ", 0, 30, S, 8 }, { "6.5", 0, 30, S, 6 }, { "0.5", -30, 30, 99, 0 }, { "-0.5", -30, 30, 99, 0 },
        { "-2.5", -30, 30, 99, -2 }, { "-3.5", -30, 30, 99, -4 }, { "2.50000", -30, 30, 99, 2 },
        { "2.4", -30, 30, 99, 2 }, { "-2.6", -30, 30, 99, -3 }, { "2.51", -30, 30, 99, 3 }, { "9.99", -30, 30, 99, 10 },
        { "2.50000000000000000001", -30, 30, 99, 3 }, { "0.50000000000000000001", -30, 30, 99, 1 },
        { "2.49999999999999999999", -30, 30, 99, 2 },
        // The rounded number decides the range.
        { "18.5", 5, 18, S, 18 }, { "17.5", 5, 17, 0, 0 }, { "4.5", 5, 18, 0, 0 }, { "4.51", 5, 18, 0, 5 },
        // The 16-bit limits; big numbers never wrap round into the range.
        { "32767", -32767, 32767, 0, 32767 }, { "-32768", -32768, 32767, 0, -32768 },
        { "32768", -32767, 32767, 0, 0 }, { "32767.5", -32767, 32767, S, 32767 }, { "65536", 0, 10, 3, 3 },
        { "99999999999999999999999", 0, 100, 50, 50 }, { "99999999999999999999999", 0, 100, S, 100 },
        { "-99999999999999999999999", 0, 100, S, 0 }, { "18446744073709551616", -32767, 32767, S, 32767 },
        { "9223372036854775807.9", -32767, 32767, S, 32767 }, { "-9223372036854775808", -32767, 32767, S, -32767 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIntInRange(U(c.text), c.low, c.high, c.fallback), c.expected)
            << '"' << c.text << "\" in " << c.low << ".." << c.high << ", fallback " << c.fallback;
    }
    EXPECT_EQ(ParseIntInRange(QString(100000, u'9'), 0, 100, S), 100);
    EXPECT_EQ(ParseIntInRange(QStringLiteral("0.") + QString(100000, u'9'), 0, 100, S), 1);
}

TEST(ParseIntInRange, WhatIsNotANumberGivesTheFallback)
{
    for (const char* text : { "1e3", "1E3", "1,5", "1 2", "12abc", "abc12", "+", "-", ".", "+.", "--1", "+-1", "1..2",
                              "1.2.3", "0x10", "½", "١٢", "１２", "∞", "nan", "inf", "- 1" })
        EXPECT_EQ(ParseIntInRange(U(text), -100, 100, 42), 42) << text;
}

TEST(TextOrDefault, BlankTextReadsAsMissing)
{
    const QString fallback = QStringLiteral("x");
    EXPECT_EQ(TextOrDefault(QString(), fallback), fallback);
    EXPECT_EQ(TextOrDefault(QString(), fallback, false), fallback);
    // A text of spaces trims to nothing and takes the fallback, so that a
    // blank bound reopens as the fallback and is written back as it.
    EXPECT_EQ(TextOrDefault(QStringLiteral("   "), fallback), fallback);
    EXPECT_EQ(TextOrDefault(U("  Les   élèves  "), fallback), U("Les   élèves"));
    // Untrimmed, only the empty text is missing.
    EXPECT_EQ(TextOrDefault(QStringLiteral("   "), fallback, false), QStringLiteral("   "));
    EXPECT_EQ(TextOrDefault(U("  Les   élèves  "), fallback, false), U("  Les   élèves  "));
}

TEST(EnsureDocumentExtension, AddsTheExtensionUnlessThePathEndsWithItInAnyCase)
{
    const char* const cases[][2] = {
        { "a", "a.lxg" }, { "a.lxg", "a.lxg" }, { "a.LXG", "a.LXG" }, { "a.lXg", "a.lXg" },
        { "/x/Mon modèle.lxg", "/x/Mon modèle.lxg" }, { "a.lxg.txt", "a.lxg.txt.lxg" }, { "a.lxgx", "a.lxgx.lxg" },
        { "a.lx", "a.lx.lxg" }, { "alxg", "alxg.lxg" }, { "/d.lxg/a", "/d.lxg/a.lxg" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(EnsureDocumentExtension(U(c[0])), U(c[1])) << c[0];
}

TEST(DocumentFileName, NameAfterTheLastSlashExtensionFromTheLastDot)
{
    const char* const cases[][3] = { // path, name with and without its extension
        { "/x/y/Mon doc.lxg", "Mon doc.lxg", "Mon doc" }, { "C:\\x\\modèle.lxg", "modèle.lxg", "modèle" },
        { "C:/x\\y/z\\fiche.lxg", "fiche.lxg", "fiche" }, { "fiche.lxg", "fiche.lxg", "fiche" },
        { "/x/a.b.lxg", "a.b.lxg", "a.b" }, { "fiche", "fiche", "fiche" },
        // A dot in a folder name is no extension of the file.
        { "/x.y/fiche", "fiche", "fiche" }, { "C:\\v1.2\\fiche", "fiche", "fiche" },
        { "", "", "" }, { "/x/y/", "", "" }, { "/x/.lxg", ".lxg", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentFileName(U(c[0]), true), U(c[1])) << c[0];
        EXPECT_EQ(DocumentFileName(U(c[0]), false), U(c[2])) << c[0];
    }
}

} // namespace
} // namespace lx
