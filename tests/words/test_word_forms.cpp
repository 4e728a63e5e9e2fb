#include "core/Text1252.h"
#include "support/TextSupport.h"
#include "words/ContainedWords.h"
#include "words/WordForms.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

TEST(WordForms, GridFormLetterCountAndLettersOnly)
{
    const struct { const char *display, *grid; int letters; const char* lettersOnly; } cases[] = {
        { "arc-en-ciel", "ARCENCIEL", 9, "ARCENCIEL" }, { "l'école", "LECOLE", 6, "LECOLE" },
        { "pomme de terre", "POMMEDETERRE", 12, "POMMEDETERRE" }, { "aujourd’hui", "AUJOURDHUI", 10, "AUJOURDHUI" },
        { "Noël", "NOEL", 4, "NOEL" }, { "4x4", "4X4", 3, "X" }, { "oh!", "OH!", 3, "OH" },
        // Œ and Æ are two letters each, as pupils write them.
        { "chef-d'œuvre", "CHEFDOEUVRE", 11, "CHEFDOEUVRE" }, { "ŒUF", "OEUF", 4, "OEUF" },
        { "ex-æquo", "EXAEQUO", 7, "EXAEQUO" }, { "Le cœur, 2 fois !", "LECOEUR2FOIS!", 13, "LECOEURFOIS" },
        // The folding table, on capitals and small letters; other accents stay.
        { "ÀÂÇÉÈÊËÎÏÍÔÖÓÙÛ", "AACEEEEIIIOOOUU", 15, "AACEEEEIIIOOOUU" },
        { "àâçéèêëîïíôöóùû", "AACEEEEIIIOOOUU", 15, "AACEEEEIIIOOOUU" },
        { "ÁÄÃÅÆÌÑÒÕÚÜÝŒŸ", "ÁÄÃÅAEÌÑÒÕÚÜÝOEŸ", 16, "AEOE" }, { "äñæÿ", "ÄÑAEŸ", 5, "AE" },
        // Upper case keeps the length and the code page: no SS, no Greek capital mu.
        { "straße", "STRAßE", 6, "STRAE" }, { "µm", "µM", 2, "M" },
        { "", "", 0, "" }, { "--", "", 0, "" }, { " ' ", "", 0, "" }, { "123 ?!", "123?!", 5, "" },
    };
    for (const auto& c : cases) {
        const QString display = u(c.display);
        EXPECT_EQ(ToGridForm(display), u(c.grid)) << c.display;
        EXPECT_EQ(LetterCount(display), c.letters) << c.display;
        EXPECT_EQ(LettersOnly(display), u(c.lettersOnly)) << c.display;
    }
}

TEST(WordForms, TheRemovalSetAndNothingElseIsStripped)
{
    const QString removed = u("-–'’. &\\*:,$=#()%/[]");
    for (QChar c : removed)
        EXPECT_EQ(StripPunctuation(u("a") + c + u("b") + c), u("ab")) << "U+" << std::hex << int(c.unicode());
    // The em dash, the no-break space and the punctuation that is no separator.
    for (QChar c : u("—\u00A0!?;\"«»_+\t\r\n0123456789")) {
        EXPECT_EQ(StripPunctuation(u("a") + c), u("a") + c) << "U+" << std::hex << int(c.unicode());
        EXPECT_EQ(LetterCount(u("a") + c), 2);
    }
}

TEST(WordForms, WordCharactersAreTheCodePagesOwn)
{
    // The five bytes the code page leaves undefined decode to controls that no word holds.
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar c(static_cast<char16_t>(unit));
        const bool undefined = unit == 0x81 || unit == 0x8D || unit == 0x8F || unit == 0x90 || unit == 0x9D;
        ASSERT_EQ(IsWindows1252(c), FitsWindows1252(QString(c)) && !undefined) << "U+" << std::hex << unit;
    }
}

// A word read inside another, forwards or backwards, phrases and accents compared by their grid forms; each pair once.
TEST(ContainedWords, ForwardsBackwardsAndPhrases)
{
    using P = ContainedPair;
    const struct { const char* words; QList<P> pairs; } cases[] = {
        { "noix|noix de coco", { P { 0, 1, false } } },
        { "pomme de terre|été", { P { 1, 0, false } } },
        { "roc|corbeau", { P { 0, 1, true } } },             // COR backwards
        { "Noël|léon", { P { 0, 1, true } } },                 // each in the other, backwards: once
        { "île|ile|lion", { P { 0, 1, false } } },             // the same grid form
        { "chat|chien|lapin", {} }, { "ours|oursin|sinus|un", { P { 0, 1, false }, P { 3, 2, true } } },
        { "l'été|cœur|Œ|chœur|--", { P { 2, 1, false }, P { 2, 3, false } } }, // OE; no COEUR in CHOEUR
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContainedWords(u(c.words).split(u'|')), c.pairs) << c.words;
}

} // namespace
} // namespace lx::test
