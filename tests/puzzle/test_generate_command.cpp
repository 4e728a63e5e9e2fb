// The generate command: its checks, the word lists it prepares, the grid-size
// question, the time limit and reproducibility.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

TEST(GenerateCommand, FourWordsChangeNothing)
{
    Bench b;
    ASSERT_TRUE(b.Generate(Animals12(), 1).succeeded());
    const PuzzleState before = b.state;
    const GenerationResult r = b.Generate(Animals12().mid(0, 4), 2);
    EXPECT_EQ(r.outcome, GenerationOutcome::TooFewWords);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_TRUE(b.state.LetterGrid == before.LetterGrid);
    EXPECT_EQ(b.state.WordEntries, before.WordEntries);
}

TEST(GenerateCommand, ThemeChecks)
{
    Bench b;
    b.themes.selectedThemeCount = 0;
    b.themes.themeListEnabled = true;
    b.themes.themes = { { u("Animaux"), false, 40 }, { u("Maison"), false, -1 } };
    GenerationResult r = b.Generate(Animals12(), 1);
    EXPECT_EQ(r.outcome, GenerationOutcome::NoThemeSelected);
    EXPECT_EQ(r.message, u("Vous n'avez sélectionné aucun thème !"));
    EXPECT_TRUE(b.state.Aborted);

    b.themes.themes[1].selected = true;
    r = b.Generate(Animals12(), 1);
    EXPECT_EQ(r.outcome, GenerationOutcome::ThemeWithoutWords);
    EXPECT_EQ(r.message, u("Il n'y a aucun mot pour le thème « Maison » !"));
    EXPECT_EQ(b.themes.selectedThemeCount, 1);

    // With the theme list disabled, an empty theme is not looked at.
    b.themes.themeListEnabled = false;
    EXPECT_TRUE(b.Generate(Animals12(), 1).succeeded());

    // Words from an external list: no theme check at all.
    b.themes = ThemeSelection {};
    EXPECT_TRUE(b.Generate(Animals12(), 1).succeeded());
    EXPECT_FALSE(b.state.Aborted);
}

TEST(GenerateCommand, WordListsAreSortedThenLongestFirst)
{
    Bench b;
    const QStringList words { u("lapin"), u("Chat"), u("arc-en-ciel"), u("âne"), u("chien"), u("pomme de terre") };
    b.engine.PrepareWordLists(words);
    QStringList selected;
    for (const auto& i : std::as_const(b.state.SelectedWords))
        selected << i.text;
    EXPECT_EQ(selected, (QStringList { u("âne"), u("arc-en-ciel"), u("Chat"), u("chien"), u("lapin"), u("pomme de terre") }));
    EXPECT_EQ(b.state.WordCount, 6);
    EXPECT_EQ(b.state.WordEntries.size(), 6);

    QStringList byLength;
    QList<int> tags;
    for (const auto& i : std::as_const(b.state.WordsByLength)) {
        byLength << i.text;
        tags << i.tag;
    }
    // Equal lengths keep the alphabetical order.
    EXPECT_EQ(byLength, (QStringList { u("pomme de terre"), u("arc-en-ciel"), u("chien"), u("lapin"), u("Chat"), u("âne") }));
    EXPECT_EQ(tags, (QList<int> { 12, 9, 5, 5, 4, 3 }));
}

TEST(GenerateCommand, OverlongWordIsCountedButNeverPlaced)
{
    Bench b;
    QStringList words = Animals12().mid(0, 5);
    const QString longWord = u("un mot bien trop long pour une grille");
    words << longWord;
    b.engine.PrepareWordLists(words);
    EXPECT_EQ(b.state.WordCount, 6);
    EXPECT_EQ(b.state.WordsByLength.size(), 5);

    for (GameType type : { GameType::WordSearch, GameType::FillIn, GameType::CodedWords }) {
        b.settings.gameType = type;
        const GenerationResult r = b.Generate(words, 3);
        EXPECT_EQ(r.outcome, GenerationOutcome::Refused);
        EXPECT_TRUE(r.message.contains(longWord)) << r.message.toStdString();
    }
}

TEST(GenerateCommand, WordWithoutLettersIsRefused)
{
    Bench b;
    QStringList words = Animals12().mid(0, 5);
    words << u("--");
    const GenerationResult r = b.Generate(words, 3);
    EXPECT_EQ(r.outcome, GenerationOutcome::Refused);
    EXPECT_EQ(r.message, u("Le mot « -- » ne contient aucune lettre à placer dans la grille."));
}

TEST(GenerateCommand, GridTooSmallQuestion)
{
    Bench b;
    b.settings.gridSize = 5;
    QString asked;
    bool answer = false;
    b.engine.SetQuestionHandler([&](const QString& q) {
        asked = q;
        return answer;
    });
    const QStringList words { u("chat"), u("lion"), u("ours"), u("loup"), u("gorille") };
    GenerationResult r = b.Generate(words, 5);
    EXPECT_EQ(asked, u("La grille est trop petite pour le mot « gorille » !\nVoulez-vous ajuster la taille automatiquement ?"));
    EXPECT_EQ(r.outcome, GenerationOutcome::Declined);
    EXPECT_EQ(b.settings.gridSize, 5);
    EXPECT_EQ(b.state.WordsByLength.size(), 5) << "the lists are rebuilt";
    EXPECT_TRUE(b.state.LetterGrid.at(0, 0).isEmpty()) << "the grids are empty";

    answer = true;
    r = b.Generate(words, 5);
    ASSERT_TRUE(r.succeeded());
    EXPECT_TRUE(r.gridSizeChanged);
    EXPECT_EQ(b.settings.gridSize, 7);
    EXPECT_EQ(b.state.GridSize, 7);
    EXPECT_FALSE(b.state.LetterGrid.at(6, 6).isEmpty());
    EXPECT_TRUE(b.state.LetterGrid.at(7, 0).isEmpty());
}

TEST(GenerateCommand, PhraseIsMeasuredWithItsSpacesButPlacedWithout)
{
    Bench b;
    b.settings.gridSize = 12;
    int questions = 0;
    b.engine.SetQuestionHandler([&](const QString&) {
        ++questions;
        return true;
    });
    const QStringList words { u("pomme de terre"), u("chou"), u("radis"), u("navet"), u("poireau") };
    ASSERT_TRUE(b.Generate(words, 9).succeeded());
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(b.state.GridSize, 14);
    const WordEntry& e = b.state.WordEntries[0];
    EXPECT_EQ(e.gridText, u("POMMEDETERRE"));
    EXPECT_EQ(ReadEntry(b.state, e, 12), u("POMMEDETERRE"));
}

TEST(GenerateCommand, AutoSizeStopsAtEighteen)
{
    Bench b;
    b.settings.gridSize = 10;
    // 20 characters on screen, 16 letters in the grid: the largest grid takes it.
    QStringList words { u("pomme de terre cuite"), u("chou"), u("radis"), u("navet"), u("poireau") };
    GenerationResult r = b.Generate(words, 4);
    ASSERT_TRUE(r.succeeded());
    EXPECT_EQ(b.state.GridSize, 18);

    // A word whose letters alone exceed 18 cells can never fit: refused at once.
    words[0] = u("anticonstitutionnellement");
    b.settings.gridSize = 10;
    r = b.Generate(words, 4);
    EXPECT_EQ(r.outcome, GenerationOutcome::Refused);
    EXPECT_EQ(r.message,
              u("Le mot « anticonstitutionnellement » est trop long pour la grille : une grille de Lexigrille a au plus 18 cases de côté."));
    EXPECT_TRUE(b.state.Aborted);
}

TEST(GenerateCommand, CountLettersCountsEveryOccurrence)
{
    Bench b;
    b.engine.PrepareWordLists({ u("élève"), u("abc"), u("x-y"), u("Noël"), u("cœur") });
    b.engine.CountLetters();
    EXPECT_EQ(b.state.LetterCounts['E' - 'A'], 4);
    EXPECT_EQ(b.state.LetterCounts['L' - 'A'], 2);
    EXPECT_EQ(b.state.LetterCounts['C' - 'A'], 2);
    EXPECT_EQ(b.state.LetterCounts['X' - 'A'], 1);
    EXPECT_EQ(b.state.LetterCounts['Z' - 'A'], 0);
    EXPECT_EQ(b.state.LetterCounts['O' - 'A'], 1) << "Œ is one character, not an O";
}

TEST(GenerateCommand, SameSeedSamePuzzleForEveryGameType)
{
    for (GameType type : { GameType::WordSearch, GameType::FillIn, GameType::CodedWords }) {
        Bench a;
        Bench b;
        a.settings.gameType = b.settings.gameType = type;
        a.settings.directions = b.settings.directions = { true, true, true, true, true, true };
        const QStringList words = type == GameType::FillIn ? FillInWords(10) : Animals12();
        ASSERT_TRUE(a.Generate(words, 1234).succeeded());
        ASSERT_TRUE(b.Generate(words, 1234).succeeded());
        EXPECT_TRUE(a.state.LetterGrid == b.state.LetterGrid);
        EXPECT_TRUE(a.state.CodeGrid == b.state.CodeGrid);
        EXPECT_EQ(a.state.WordEntries, b.state.WordEntries);
        EXPECT_EQ(a.state.LetterCodes, b.state.LetterCodes);

        Bench c;
        c.settings = a.settings;
        ASSERT_TRUE(c.Generate(words, 99).succeeded());
        EXPECT_FALSE(c.state.LetterGrid == a.state.LetterGrid) << "another seed, another puzzle";
    }
}

TEST(GenerateCommand, TimeLimitLeavesThePartialPuzzle)
{
    Bench b;
    b.settings.gameType = GameType::FillIn;
    b.engine.Clock().SetLimitMs(100);
    int yields = 0;
    b.engine.Clock().SetYieldHook([&] { ++yields; }, 5);
    // "pomme" shares no letter with any other word: it can never cross.
    const QStringList words { u("kiwi"), u("pomme"), u("lutin"), u("bras"), u("dahu") };
    QElapsedTimer wall;
    wall.start();
    const GenerationResult r = b.Generate(words, 8);
    const qint64 elapsed = wall.elapsed();
    EXPECT_EQ(r.outcome, GenerationOutcome::TimedOut);
    EXPECT_TRUE(b.state.TimedOut);
    EXPECT_GE(elapsed, 100);
    EXPECT_GE(yields, 2) << "the window got its turn during the generation";
    EXPECT_LE(yields, elapsed / 5 + 2) << "but not at every attempt";
    // The last attempt's words stay in the grid as they were placed: every
    // letter belongs to a recorded word, nothing was moved or filled.
    Grid<int> owned;
    for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
        if (e.gridText.isEmpty())
            continue;
        EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
        const DirectionStep st = kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k)
            owned.at(e.x + k * st.dx, e.y + k * st.dy) = 1;
    }
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x)
            EXPECT_EQ(!b.state.LetterGrid.at(x, y).isEmpty(), owned.at(x, y) == 1) << x << "," << y;
}

TEST(GenerateCommand, WordSearchFillsNoCellAfterATimeOut)
{
    Bench b;
    b.settings.gridSize = 5;
    b.engine.Clock().SetLimitMs(50);
    // Six five-letter words with no common letter cannot share a 5 x 5 grid left to right only.
    // The time limit stops the placement wherever it is: the grid keeps the
    // words placed so far and gets no filler letter.
    b.settings.directions = { true, false, false, false, false, false };
    const QStringList words { u("abcde"), u("fghij"), u("klmno"), u("pqrst"), u("uvwxy"), u("zzzzz") };
    const GenerationResult r = b.Generate(words, 3);
    EXPECT_EQ(r.outcome, GenerationOutcome::TimedOut);
    int filler = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            filler += !b.state.LetterGrid.at(x, y).isEmpty() && b.state.LetterGrid.at(x, y)[0].isLower() ? 1 : 0;
    EXPECT_EQ(filler, 0) << "no filler pass ran";
}

} // namespace
} // namespace lx::test
