// The generate command: its checks, the word lists it prepares, the grid-size
// question, the time limit and reproducibility.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

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
    EXPECT_EQ(Texts(b.state.SelectedWords), (QStringList { u("âne"), u("arc-en-ciel"), u("Chat"), u("chien"), u("lapin"), u("pomme de terre") }));
    EXPECT_EQ(b.state.WordCount, 6);
    EXPECT_EQ(b.state.WordEntries.size(), 6);

    QList<int> tags;
    for (const auto& i : std::as_const(b.state.WordsByLength))
        tags << i.tag;
    // Equal lengths keep the alphabetical order.
    EXPECT_EQ(Texts(b.state.WordsByLength),
              (QStringList { u("pomme de terre"), u("arc-en-ciel"), u("chien"), u("lapin"), u("Chat"), u("âne") }));
    EXPECT_EQ(tags, (QList<int> { 12, 9, 5, 5, 4, 3 }));

    // A word too long to show is counted but never placed.
    b.engine.PrepareWordLists(words + QStringList { u("un mot bien trop long pour une grille") });
    EXPECT_EQ(b.state.WordCount, 7);
    EXPECT_EQ(b.state.WordsByLength.size(), 6);
}

// Selections that can never be laid out are refused at once, with a message
// naming the fault; the largest selections that fit are generated.
TEST(GenerateCommand, RefusalsAndTheirMessages)
{
    const QString tooLong = u("un mot bien trop long pour une grille");
    const QString tooLongMessage = u("Le mot « %1 » est trop long : un mot ne peut pas dépasser 30 caractères.").arg(tooLong);
    const QStringList vegetables { u("chou"), u("radis"), u("navet"), u("poireau") };
    QStringList codedLong = Animals12(), codedFits = Animals12(), words59, words58;
    codedLong[0] = u("lexicographiques"); // 16 letters
    codedFits[0] = u("extraordinaires");  // 15: the largest that fits two columns
    for (int i = 0; i < 59; ++i)
        words59 << u("mot") + QChar(u'a' + i % 26) + QChar(u'a' + i / 26);
    words58 = words59.mid(0, 58); // they fill rows 2 to 30
    struct Case {
        GameType type;
        QStringList words;
        QString message; // empty: generated
        int valueMode = 0;
        const char* upperBound = "99";
    };
    const Case cases[] {
        { GameType::WordSearch, Animals12().mid(0, 5) << tooLong, tooLongMessage },
        { GameType::FillIn, Animals12().mid(0, 5) << tooLong, tooLongMessage },
        { GameType::CodedWords, Animals12().mid(0, 5) << tooLong, tooLongMessage },
        { GameType::WordSearch, Animals12().mid(0, 5) << u("--"),
          u("Le mot « -- » ne contient aucune lettre à placer dans la grille.") },
        { GameType::WordSearch, QStringList { u("anticonstitutionnellement") } + vegetables,
          u("Le mot « anticonstitutionnellement » est trop long pour la grille : une grille de Lexigrille a au plus "
            "18 cases de côté.") },
        { GameType::FillIn, FillInWords(5) << u("anticonstitutionnels"),
          u("Le mot « anticonstitutionnels » est trop long pour les mots casés : un mot ne peut pas dépasser 19 "
            "lettres.") },
        { GameType::FillIn, FillInWords(5) << u("anticonstitutionnel"), QString() },
        { GameType::CodedWords, codedLong,
          u("Le mot « lexicographiques » est trop long pour les mots codés sur deux colonnes : 15 lettres au plus "
            "quand il y a plus de 10 mots.") },
        { GameType::CodedWords, codedFits, QString() },
        { GameType::CodedWords, words59, u("Il y a trop de mots pour les mots codés : choisissez au plus 58 mots.") },
        { GameType::CodedWords, words58, QString() },
        { GameType::CodedWords, Animals12(),
          u("Les bornes des valeurs doivent être des nombres entiers laissant au moins 26 valeurs possibles."), 1,
          "1010" },
        { GameType::CodedWords, Animals12(), QString(), 1, "1100" },
    };
    for (const Case& c : cases) {
        Bench b(c.type);
        b.settings.gridSize = 10;
        b.settings.valueMode = c.valueMode;
        b.settings.lowerBound = u("995");
        b.settings.upperBound = u(c.upperBound);
        const GenerationResult r = b.Generate(c.words, 1);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(r.succeeded()) << r.message.toStdString();
        } else {
            EXPECT_EQ(r.outcome, GenerationOutcome::Refused);
            EXPECT_EQ(r.message, c.message);
            EXPECT_TRUE(b.state.Aborted);
        }
    }
}

// The question names the longest word, measured on screen (a phrase's spaces
// count) but placed without its spaces. No leaves the lists rebuilt and the
// grids empty; Yes sets the size to the word's length, 18 at most.
TEST(GenerateCommand, GridTooSmallQuestion)
{
    const QString question = u("La grille est trop petite pour le mot « %1 » !\nVoulez-vous ajuster la taille automatiquement ?");
    const QStringList animals { u("chat"), u("lion"), u("ours"), u("loup"), u("gorille") };
    const QStringList vegetables { u("chou"), u("radis"), u("navet"), u("poireau") };
    struct Case {
        QStringList words;
        int size;
        bool answer;
        const char* named;
        int newSize;
    };
    for (const Case& c : { Case { animals, 5, false, "gorille", 5 }, Case { animals, 5, true, "gorille", 7 },
                           Case { QStringList { u("pomme de terre") } + vegetables, 12, true, "pomme de terre", 14 },
                           Case { QStringList { u("pomme de terre cuite") } + vegetables, 10, true, "pomme de terre cuite", 18 } }) {
        Bench b;
        b.settings.gridSize = c.size;
        QStringList asked;
        b.engine.SetQuestionHandler([&](const QString& q) {
            asked << q;
            return c.answer;
        });
        const GenerationResult r = b.Generate(c.words, 5);
        EXPECT_EQ(asked, QStringList { question.arg(u(c.named)) });
        EXPECT_EQ(b.settings.gridSize, c.newSize);
        EXPECT_EQ(b.state.WordsByLength.size(), 5) << "the lists are rebuilt";
        if (!c.answer) {
            EXPECT_EQ(r.outcome, GenerationOutcome::Declined);
            EXPECT_TRUE(b.state.LetterGrid.at(0, 0).isEmpty()) << "the grids are empty";
            continue;
        }
        ASSERT_TRUE(r.succeeded());
        EXPECT_TRUE(r.gridSizeChanged);
        EXPECT_EQ(b.state.GridSize, c.newSize);
        EXPECT_FALSE(b.state.LetterGrid.at(c.newSize - 1, c.newSize - 1).isEmpty());
        EXPECT_TRUE(b.state.LetterGrid.at(c.newSize, 0).isEmpty());
        const WordEntry& e = b.state.WordEntries[0];
        EXPECT_EQ(e.gridText, ToGridForm(u(c.named)));
        EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
    }
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

// A word search with the hidden message and a fill-in that needs the layout
// search are reproduced too.
TEST(GenerateCommand, SameSeedSamePuzzleForEveryGameType)
{
    struct Case {
        GameType type;
        QStringList words;
        bool randomFill = true;
    };
    for (const Case& k : { Case { GameType::WordSearch, Animals12() }, Case { GameType::WordSearch, Animals12(), false },
                           Case { GameType::FillIn, FillInWords(10) }, Case { GameType::FillIn, FruitsAndVegetables() },
                           Case { GameType::CodedWords, Animals12() } }) {
        Bench a;
        Bench b;
        a.settings.gameType = b.settings.gameType = k.type;
        a.settings.directions = b.settings.directions = { true, true, true, true, true, true };
        a.settings.randomFill = b.settings.randomFill = k.randomFill;
        a.settings.message = b.settings.message = u("Bravo les enfants");
        ASSERT_TRUE(a.Generate(k.words, 1234).succeeded());
        ASSERT_TRUE(b.Generate(k.words, 1234).succeeded());
        EXPECT_TRUE(a.state.LetterGrid == b.state.LetterGrid);
        EXPECT_TRUE(a.state.CodeGrid == b.state.CodeGrid);
        EXPECT_EQ(a.state.WordEntries, b.state.WordEntries);
        EXPECT_EQ(a.state.LetterCodes, b.state.LetterCodes);

        Bench c;
        c.settings = a.settings;
        ASSERT_TRUE(c.Generate(k.words, 99).succeeded());
        EXPECT_FALSE(c.state.LetterGrid == a.state.LetterGrid) << "another seed, another puzzle";
    }
}

// A time-out leaves the last attempt's words as they were placed: every
// letter belongs to a recorded word, nothing was moved or filled (a word
// search gets no filler letter). The window gets its turn meanwhile, but not
// at every attempt.
TEST(GenerateCommand, TimeLimitLeavesThePartialPuzzle)
{
    struct Case {
        GameType type;
        QStringList words;
        int limitMs;
    };
    const Case cases[] {
        // "pomme" shares no letter with any other word: it can never cross.
        { GameType::FillIn, { u("kiwi"), u("pomme"), u("lutin"), u("bras"), u("dahu") }, 100 },
        // Six five-letter words with no common letter cannot share a 5 x 5
        // grid left to right only.
        { GameType::WordSearch, { u("abcde"), u("fghij"), u("klmno"), u("pqrst"), u("uvwxy"), u("zzzzz") }, 50 },
    };
    for (const Case& c : cases) {
        Bench b(c.type);
        b.settings.gridSize = 5;
        b.settings.directions = { true, false, false, false, false, false };
        b.engine.Clock().SetLimitMs(c.limitMs);
        int yields = 0;
        b.engine.Clock().SetYieldHook([&] { ++yields; }, 5);
        QElapsedTimer wall;
        wall.start();
        const GenerationResult r = b.Generate(c.words, 8);
        const qint64 elapsed = wall.elapsed();
        EXPECT_EQ(r.outcome, GenerationOutcome::TimedOut);
        EXPECT_TRUE(b.state.TimedOut);
        EXPECT_GE(elapsed, c.limitMs);
        EXPECT_GE(yields, 2) << "the window got its turn during the generation";
        EXPECT_LE(yields, elapsed / 5 + 2) << "but not at every attempt";
        QSet<int> owned;
        for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
            EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
            owned += CellsOf(e);
        }
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 31; ++x)
                EXPECT_EQ(!b.state.LetterGrid.at(x, y).isEmpty(), owned.contains(y * 31 + x)) << x << "," << y;
    }
}

} // namespace
} // namespace lx::test
