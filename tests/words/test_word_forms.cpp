#include "words/Plural.h"
#include "words/WordForms.h"
#include "words/WordOrder.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

struct Worked {
    const char* display;
    const char* grid;
    int letters;
};

TEST(WordForms, WorkedForms)
{
    const Worked cases[] = {
        { "arc-en-ciel", "ARCENCIEL", 9 },  { "l'école", "LECOLE", 6 }, { "pomme de terre", "POMMEDETERRE", 12 },
        { "Noël", "NOEL", 4 },              { "cœur", "CŒUR", 4 },      { "4x4", "4X4", 3 },
        { "oh!", "OH!", 3 },                { "aujourd’hui", "AUJOURDHUI", 10 },
    };
    for (const Worked& c : cases) {
        const QString display = QString::fromUtf8(c.display);
        EXPECT_EQ(ToGridForm(display), QString::fromUtf8(c.grid)) << c.display;
        EXPECT_EQ(LetterCount(display), c.letters) << c.display;
        EXPECT_EQ(ToGridForm(display).size(), c.letters) << "folding never changes a length: " << c.display;
    }
}

TEST(WordForms, EveryCharacterOfTheRemovalSetIsRemoved)
{
    const QString removed = QString::fromUtf8("-–'’. &\\*:,$=#()%/[]");
    ASSERT_EQ(removed.size(), 20);
    for (QChar c : removed) {
        const QString word = QStringLiteral("a") + c + QStringLiteral("b") + c;
        EXPECT_EQ(StripPunctuation(word), QStringLiteral("ab")) << "character U+" << std::hex << int(c.unicode());
    }
    EXPECT_EQ(StripPunctuation(removed), QString());
}

TEST(WordForms, OtherCharactersAreKept)
{
    // Em dash, no-break space, and the punctuation that is not a separator.
    const QString kept = QString::fromUtf8("—\u00A0!?;\"«»_+\t\r\n0123456789");
    for (QChar c : kept) {
        const QString word = QStringLiteral("a") + c;
        EXPECT_EQ(StripPunctuation(word), word) << "character U+" << std::hex << int(c.unicode());
        EXPECT_EQ(LetterCount(word), 2);
    }
}

TEST(WordForms, EmptyAndSeparatorOnlyWords)
{
    EXPECT_EQ(ToGridForm(QString()), QString());
    EXPECT_EQ(LetterCount(QString()), 0);
    EXPECT_EQ(ToGridForm(QStringLiteral("--")), QString());
    EXPECT_EQ(LetterCount(QStringLiteral(" ' ")), 0);
    EXPECT_EQ(LettersOnly(QString()), QString());
}

TEST(WordForms, FoldingTableOnCapitalsAndTheirSmallLetters)
{
    EXPECT_EQ(ToGridForm(QString::fromUtf8("ÀÂÇÉÈÊËÎÏÍÔÖÓÙÛ")), QStringLiteral("AACEEEEIIIOOOUU"));
    EXPECT_EQ(ToGridForm(QString::fromUtf8("àâçéèêëîïíôöóùû")), QStringLiteral("AACEEEEIIIOOOUU"));
    // Capitals outside the table keep their accent.
    EXPECT_EQ(ToGridForm(QString::fromUtf8("ÁÄÃÅÆÌÑÒÕÚÜÝŒŸ")), QString::fromUtf8("ÁÄÃÅÆÌÑÒÕÚÜÝŒŸ"));
    EXPECT_EQ(ToGridForm(QString::fromUtf8("äñæÿ")), QString::fromUtf8("ÄÑÆŸ"));
}

TEST(WordForms, UpperCasingKeepsLengthAndCodePage)
{
    // ß has no one-letter capital and µ's capital is Greek: both stay as they are.
    EXPECT_EQ(ToGridForm(QString::fromUtf8("straße")), QString::fromUtf8("STRAßE"));
    EXPECT_EQ(ToGridForm(QString::fromUtf8("µm")), QString::fromUtf8("µM"));
    EXPECT_EQ(UpperCase1252(QString::fromUtf8("œuf")), QString::fromUtf8("ŒUF"));
}

TEST(WordForms, LettersOnlyKeepsTheTwentySixLetters)
{
    EXPECT_EQ(LettersOnly(QStringLiteral("Bravo !")), QStringLiteral("BRAVO"));
    EXPECT_EQ(LettersOnly(QString::fromUtf8("été")), QStringLiteral("ETE"));
    EXPECT_EQ(LettersOnly(QString::fromUtf8("Le cœur, 2 fois !")), QStringLiteral("LECURFOIS"));
    EXPECT_EQ(LettersOnly(QStringLiteral("123 ?!")), QString());
}

TEST(WordForms, Windows1252Membership)
{
    EXPECT_TRUE(IsWindows1252(QChar(u'€')));
    EXPECT_TRUE(IsWindows1252(QChar(u'œ')));
    EXPECT_TRUE(IsWindows1252(QChar(u'Ÿ')));
    EXPECT_TRUE(IsWindows1252(QChar(u'é')));
    EXPECT_FALSE(IsWindows1252(QChar(0x039C))); // Greek capital mu
    EXPECT_FALSE(IsWindows1252(QChar(0x0081)));
}

TEST(PluralLabel, FrenchPlural)
{
    EXPECT_EQ(PluralLabel(3, QStringLiteral("lettre"), true), QStringLiteral("3 lettres"));
    EXPECT_EQ(PluralLabel(1, QStringLiteral("lettre"), true), QStringLiteral("1 lettre"));
    EXPECT_EQ(PluralLabel(0, QString::fromUtf8("liste¤ disponible¤"), true), QStringLiteral("0 liste disponible"));
    EXPECT_EQ(PluralLabel(2, QString::fromUtf8("liste¤ disponible¤"), true), QStringLiteral("2 listes disponibles"));
    EXPECT_EQ(PluralLabel(2, QString::fromUtf8("Thème"), false), QString::fromUtf8("Thèmes"));
    EXPECT_EQ(PluralLabel(-4, QStringLiteral("mot"), true), QStringLiteral("-4 mot"));
    EXPECT_EQ(PluralLabel(1.5, QStringLiteral("lettre"), false), QStringLiteral("lettres")) << "1.5 rounds to 2";
    EXPECT_EQ(PluralLabel(2.5, QStringLiteral("lettre"), false), QStringLiteral("lettres"));
    EXPECT_EQ(PluralLabel(0.5, QStringLiteral("lettre"), false), QStringLiteral("lettre")) << "halves to even";
    EXPECT_EQ(PluralLabel(QStringLiteral("beaucoup"), QString::fromUtf8("liste¤ disponible¤"), true),
              QString::fromUtf8("liste¤ disponible¤"));
    EXPECT_EQ(PluralLabel(QStringLiteral("12"), QStringLiteral("mot"), true), QStringLiteral("12 mots"));
}

TEST(WordOrder, AlphabeticalWithoutRegardToCase)
{
    QStringList words { QString::fromUtf8("zèbre"), QString::fromUtf8("école"), QStringLiteral("Chat"),
                        QStringLiteral("eau"), QString::fromUtf8("âne"), QStringLiteral("chien"), QStringLiteral("Ane") };
    SortWords(words);
    const QStringList expected { QStringLiteral("Ane"), QString::fromUtf8("âne"), QStringLiteral("Chat"), QStringLiteral("chien"),
                                 QStringLiteral("eau"), QString::fromUtf8("école"), QString::fromUtf8("zèbre") };
    EXPECT_EQ(words, expected);
    EXPECT_TRUE(WordEqualIgnoringCase(QStringLiteral("CHAT"), QStringLiteral("chat")));
    EXPECT_FALSE(WordEqualIgnoringCase(QStringLiteral("ecole"), QString::fromUtf8("école")));
}

} // namespace
} // namespace lx
