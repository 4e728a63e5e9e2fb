#include "support/TextSupport.h"
#include "words/WordSelectionList.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::u;

TEST(WordSelectionList, SortedWithoutDuplicatesIgnoringCase)
{
    WordSelectionList list;
    for (const char* w : { "loup", "Chat", "âne", "zèbre", "chien", "éléphant", "ours" })
        EXPECT_TRUE(list.AddWordIfAbsent(u(w)).added) << w;
    EXPECT_EQ(list.Words(), (QStringList { u("âne"), u("Chat"), u("chien"), u("éléphant"), u("loup"), u("ours"), u("zèbre") }));

    list.SetChecked(1, true);
    const auto again = list.AddWordIfAbsent(u("CHAT"));
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.index, 1);
    EXPECT_EQ(list.Find(u("chat")), 1);
    EXPECT_EQ(list.Find(u("ane")), -1) << "accents are part of the word";

    const auto added = list.AddWordIfAbsent(u("castor"));
    EXPECT_EQ(added.index, 1);
    EXPECT_EQ(list.BuildSelectionSignature(), u("00100000")) << "a new word is unchecked; checks move with their words";

    // Many words in both cases: the search never lets a duplicate in.
    WordSelectionList many;
    for (int i = 0; i < 3000; ++i) {
        const QString w = u("mot%1").arg((i * 7919) % 2000, 4, 10, QLatin1Char('0'));
        many.AddWordIfAbsent(i % 2 ? w.toUpper() : w);
    }
    ASSERT_EQ(many.Count(), 2000);
    for (int i = 1; i < many.Count(); ++i)
        ASSERT_LT(many.Word(i - 1).toLower(), many.Word(i).toLower());
}

TEST(WordSelectionList, MaxLettersOverridesChecksAndTheCountLabelGroupsDigits)
{
    WordSelectionList list; // âne chat ours papillon "pomme de terre"
    for (const char* w : { "pomme de terre", "chat", "ours", "papillon", "âne" })
        list.AddWordIfAbsent(u(w));
    for (const auto& [max, signature] : { std::pair { 3, "10000" }, { 11, "11110" }, { 12, "11111" } }) {
        list.ApplyMaxLetters(max);
        EXPECT_EQ(list.BuildSelectionSignature(), u(signature)) << "pomme de terre has 12 letters; max " << max;
    }
    list.SetChecked(2, false);
    EXPECT_EQ(list.CheckedWords(), (QStringList { u("âne"), u("chat"), u("papillon"), u("pomme de terre") }));
    list.ApplyMaxLetters(15);
    EXPECT_EQ(list.CheckedCount(), 5) << "the slider overrides checks made by hand";

    EXPECT_EQ(MakeWordCountLabel(0, 0), (WordCountLabel { u("0/0"), WordCountLabel::Colour::DarkGrey }));
    EXPECT_EQ(MakeWordCountLabel(4, 5), (WordCountLabel { u("4/5"), WordCountLabel::Colour::Red }));
    const QString big = MakeWordCountLabel(1234, 12345).text;
    QString digits;
    for (QChar c : big)
        digits += c.isDigit() || c == u'/' ? QString(c) : QString();
    EXPECT_EQ(digits, u("1234/12345"));
    EXPECT_EQ(big.size(), 12) << "digit groups are separated: " << big.toStdString();
}

} // namespace
} // namespace lx
