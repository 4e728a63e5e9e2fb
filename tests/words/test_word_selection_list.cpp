#include "puzzle/PuzzleState.h"
#include "words/Themes.h"
#include "words/WordSelectionList.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

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
    EXPECT_EQ(list.Count(), 7);
    EXPECT_TRUE(list.IsChecked(1)) << "adding a listed word changes no check mark";
    EXPECT_EQ(list.Find(u("chat")), 1);
    EXPECT_EQ(list.Find(u("ane")), -1) << "accents are part of the word";

    const auto added = list.AddWordIfAbsent(u("castor"));
    EXPECT_TRUE(added.added);
    EXPECT_EQ(added.index, 1);
    EXPECT_FALSE(list.IsChecked(added.index)) << "a new word is never checked by the list";
    EXPECT_TRUE(list.IsChecked(2)) << "checks move with their words";
}

TEST(WordSelectionList, ManyWordsStaySortedAndUnique)
{
    WordSelectionList list;
    QStringList words;
    for (int i = 0; i < 3000; ++i) {
        const QString w = u("mot%1").arg((i * 7919) % 2000, 4, 10, QLatin1Char('0'));
        list.AddWordIfAbsent(i % 2 ? w.toUpper() : w);
    }
    EXPECT_EQ(list.Count(), 2000);
    for (int i = 1; i < list.Count(); ++i)
        ASSERT_LT(list.Word(i - 1).toLower(), list.Word(i).toLower());
}

TEST(WordSelectionList, ChecksSignatureAndMaxLetters)
{
    WordSelectionList list;
    for (const char* w : { "pomme de terre", "chat", "ours", "papillon", "âne" })
        list.AddWordIfAbsent(u(w));
    // âne chat ours papillon "pomme de terre"
    list.ApplyMaxLetters(3);
    EXPECT_EQ(list.BuildSelectionSignature(), u("10000"));
    list.ApplyMaxLetters(11);
    EXPECT_EQ(list.BuildSelectionSignature(), u("11110")) << "pomme de terre has 12 letters";
    list.ApplyMaxLetters(12);
    EXPECT_EQ(list.BuildSelectionSignature(), u("11111"));
    EXPECT_EQ(list.CheckedWords().size(), 5);
    list.SetChecked(2, false);
    EXPECT_EQ(list.CheckedWords(), (QStringList { u("âne"), u("chat"), u("papillon"), u("pomme de terre") }));
    list.ApplyMaxLetters(15);
    EXPECT_TRUE(list.IsChecked(2)) << "the slider overrides checks made by hand";
    list.SetAllChecked(false);
    EXPECT_EQ(list.CheckedCount(), 0);
}

TEST(WordSelectionList, CountLabel)
{
    EXPECT_EQ(MakeWordCountLabel(0, 0), (WordCountLabel { u("0/0"), WordCountLabel::Colour::DarkGrey }));
    EXPECT_EQ(MakeWordCountLabel(4, 5).colour, WordCountLabel::Colour::Red);
    EXPECT_EQ(MakeWordCountLabel(5, 5).colour, WordCountLabel::Colour::DarkGrey);
    const WordCountLabel big = MakeWordCountLabel(1234, 12345);
    EXPECT_TRUE(big.text.startsWith(u("1"))) << big.text.toStdString();
    EXPECT_EQ(big.text.size(), QString(u("1 234/12 345")).size()) << "digit groups are separated";
    EXPECT_FALSE(big.text.contains(u("1234")));
}

TEST(Themes, CodesNamesAndLabel)
{
    EXPECT_EQ(ThemeCodes().size(), kThemeCount);
    EXPECT_EQ(ThemeName(3), u("Animaux"));
    EXPECT_EQ(ThemeIndexOfCode(QChar(u'A')), 3);
    EXPECT_EQ(ThemeIndexOfCode(QChar(u'a')), 2) << "codes are case-sensitive";
    EXPECT_EQ(ThemeIndexOfCode(QChar(u'é')), 0);
    EXPECT_EQ(ThemeIndexOfCode(QChar(u'Z')), -1);
    ThemeList t;
    t.selected[3] = t.selected[6] = true;
    EXPECT_EQ(t.SelectedCodes(), u("Ao"));
    EXPECT_EQ(t.SelectedNames(), (QStringList { u("Animaux"), u("Couleurs") }));
    EXPECT_EQ(ThemeLabelText(0), u("Aucun thème"));
    EXPECT_EQ(ThemeLabelText(1), u("1 thème"));
    EXPECT_EQ(ThemeLabelText(3), u("3 thèmes"));
}

} // namespace
} // namespace lx
