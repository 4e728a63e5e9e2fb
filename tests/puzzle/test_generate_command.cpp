// The generate command: checks, messages, word lists, the grid-size question, reproducibility, the time limit.
#include "PuzzleTestSupport.h"

#include "puzzle/FillInChains.h"

namespace lx::test {
namespace {

// Fewer than five words change nothing; the theme checks stop with their message (not for an external or disabled list).
TEST(GenerateCommand, WordAndThemeChecks)
{
    struct Case { int words, themeCount; bool listEnabled, secondSelected; GenerationOutcome outcome; const char* message; };
    const Case cases[] {
        { 4, -1, false, false, GenerationOutcome::TooFewWords, "" },
        { 12, 0, true, false, GenerationOutcome::NoThemeSelected, "Vous n'avez sélectionné aucun thème !" },
        { 12, 0, true, true, GenerationOutcome::ThemeWithoutWords, "Il n'y a aucun mot pour le thème « Maison » !" },
        { 12, 0, false, true, GenerationOutcome::Generated, "" },
        { 12, -1, false, false, GenerationOutcome::Generated, "" }, // an external list
    };
    for (const Case& c : cases) {
        Bench b;
        ASSERT_TRUE(b.Generate(Animals12(), 1).succeeded());
        const PuzzleState before = b.state;
        b.themes = { c.themeCount, c.listEnabled, { { u("Animaux"), false, 40 }, { u("Maison"), c.secondSelected, -1 } } };
        const GenerationResult r = b.Generate(Animals12().mid(0, c.words), 2);
        EXPECT_EQ(r.outcome, c.outcome) << c.message;
        EXPECT_EQ(r.message, u(c.message));
        EXPECT_EQ(b.state.Aborted, *c.message != 0);
        EXPECT_TRUE(r.succeeded() || (b.state.LetterGrid == before.LetterGrid && b.state.WordEntries == before.WordEntries));
        EXPECT_TRUE(c.themeCount != 0 || b.themes.selectedThemeCount == (c.secondSelected ? 1 : 0)) << b.themes.selectedThemeCount;
    }
}

// Sorted ignoring case and accents, then longest first (display length) in that order; a word too long to show is counted, never placed.
TEST(GenerateCommand, WordListsSortedThenLongestFirst)
{
    Bench b;
    const QStringList words { u("lapin"), u("Chat"), u("arc-en-ciel"), u("âne"), u("chien"), u("pomme de terre") };
    b.engine.PrepareWordLists(words);
    EXPECT_EQ(Texts(b.state.SelectedWords), Words("âne arc-en-ciel Chat chien lapin") << u("pomme de terre"));
    EXPECT_EQ(Texts(b.state.WordsByLength), QStringList { u("pomme de terre") } + Words("arc-en-ciel chien lapin Chat âne"));
    EXPECT_EQ(b.state.WordsByLength[0].tag + b.state.WordsByLength[1].tag, 12 + 9) << "tags: letter counts";
    b.engine.PrepareWordLists(words + QStringList { u("un mot bien trop long pour une grille") });
    EXPECT_EQ(QList<int>({ b.state.WordCount, int(b.state.WordEntries.size()), int(b.state.WordsByLength.size()) }), QList<int>({ 7, 7, 6 }));
}

// What can never be laid out is refused at once, the message naming the fault, never with a question whose Oui would
// fail (19 letters, or 10 "œ" in 20 cells); the largest selections that fit are generated (also two columns of 15
// letters and values 995 to 1100: CodedWords.CodesKeyAndColumnsOfEachValueMode).
TEST(GenerateCommand, RefusalsAndTheirMessages)
{
    const QString tooLong = u("un mot bien trop long pour une grille");
    const QString tooLongMessage = u("Le mot « %1 » est trop long : un mot ne peut pas dépasser 30 caractères.").arg(tooLong);
    const QString noGrid = u("Le mot « %1 » est trop long pour la grille : une grille de Lexigrille a au plus 18 cases de côté.");
    const QStringList vegetables = Words("chou radis navet poireau");
    QStringList codedLong = Animals12(), words59;
    codedLong[0] = u("lexicographiques"); // 16 letters
    // Compound words side by side, a cell apart: 17 + 1 + 14 cells pass the grid's 31, 17 + 1 + 13 do not.
    QStringList codedWide = QStringList { u("chou de bruxelles"), u("coup de tonnerre"), u("fer à repasser"), u("brosse à dents"),
                                          u("bain de soleil"), u("pomme de terre"), u("robe de soirée") } + Animals12().mid(0, 5);
    QStringList codedEdge = codedWide;
    codedEdge[6] = u("salle de bain");
    for (int i = 0; i < 59; ++i)
        words59 << u("mot") + QChar(u'a' + i % 26) + QChar(u'a' + i / 26);
    // no message: generated; hidden: a hidden message instead of random letters
    struct Case { GameType type; QStringList words; QString message; const char* upperBound = nullptr; bool hidden = false; };
    const Case cases[] {
        { GameType::WordSearch, Animals12().mid(0, 5) << tooLong, tooLongMessage },
        { GameType::WordSearch, Animals12().mid(0, 5) << u("--"),
          u("Le mot « -- » ne contient aucune lettre à placer dans la grille.") },
        { GameType::WordSearch, QStringList { u("anticonstitutionnel") } + vegetables, noGrid.arg(u("anticonstitutionnel")) },
        { GameType::WordSearch, QStringList { QString(10, u'œ') } + vegetables, noGrid.arg(QString(10, u'œ')) },
        { GameType::WordSearch, QStringList { u("anticonstitutionnellement") } + vegetables, // the grid grew to 25
          noGrid.arg(u("anticonstitutionnellement")), nullptr, true },
        { GameType::FillIn, FillInWords(5) << u("anticonstitutionnels"),
          u("Le mot « anticonstitutionnels » est trop long pour les mots casés : un mot ne peut pas dépasser 19 "
            "lettres.") },
        { GameType::FillIn, FillInWords(5) << u("anticonstitutionnel"), QString() },
        // Words that share no letter with the others can never cross them: said at once, not after the time limit.
        { GameType::FillIn, Words("kiwi pomme lutin bras dard"),
          u("Ces mots ne peuvent pas former une seule grille : « bras », « dard » et « pomme » n'ont aucune lettre commune "
            "avec les autres mots. Retirez-les, ou ajoutez des mots qui les croisent.") },
        { GameType::FillIn, FillInWords(5) << u("zyx"),
          u("Ces mots ne peuvent pas former une seule grille : « zyx » n'a aucune lettre commune avec les autres mots. "
            "Retirez-le, ou ajoutez un mot qui le croise.") },
        { GameType::FillIn, FillInWords(5) << u("zyx") << u("taxi"), QString() }, // joined by taxi's x
        { GameType::CodedWords, codedLong,
          u("Le mot « lexicographiques » est trop long pour les mots codés sur deux colonnes : 15 lettres au plus "
            "quand il y a plus de 10 mots.") },
        { GameType::CodedWords, codedWide,
          u("Les mots « chou de bruxelles » et « robe de soirée » sont trop longs pour tenir côte à côte dans les mots codés : "
            "retirez des mots longs, ou choisissez 10 mots au plus.") },
        { GameType::CodedWords, codedEdge, QString() },
        { GameType::CodedWords, Animals12().mid(0, 5) << QString(16, u'œ'), // 32 cells
          u("Le mot « %1 » est trop long pour les mots codés : il ne tient pas sur une ligne de la grille.").arg(QString(16, u'œ')) },
        { GameType::CodedWords, Animals12().mid(0, 5) << QString(15, u'œ') + u("x"), QString() },
        { GameType::CodedWords, words59, u("Il y a trop de mots pour les mots codés : choisissez au plus 58 mots.") },
        { GameType::CodedWords, words59.mid(0, 58), QString() },
        { GameType::CodedWords, Animals12(),
          u("Les bornes des valeurs doivent être des nombres entiers laissant au moins 26 valeurs possibles."), "1010" },
    };
    for (const Case& c : cases) {
        Bench b(c.type);
        std::tie(b.settings.gridSize, b.settings.randomFill, b.settings.message) = std::tuple(10, !c.hidden, u("Bravo"));
        // Values between 995 and the upper bound.
        std::tie(b.settings.valueMode, b.settings.lowerBound, b.settings.upperBound) = std::tuple(c.upperBound ? 1 : 0, u("995"), u(c.upperBound));
        QStringList asked;
        b.engine.SetQuestionHandler([&](const QString& q) { return asked << q, true; });
        const GenerationResult r = b.Generate(c.words, 1);
        EXPECT_EQ(r.outcome, c.message.isEmpty() ? GenerationOutcome::Generated : GenerationOutcome::Refused) << r.message.toStdString();
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(b.state.Aborted, !c.message.isEmpty());
        EXPECT_EQ(asked, QStringList());
        EXPECT_EQ(b.settings.gridSize, 10);
    }
}

// The question names the longest word, measured in the cells of its grid form: a phrase's spaces take none, « œ »
// two ("cœurs": 6). No leaves the grids empty; Yes sets the size to the word's length, or to the larger
// size all the letters need (« pomme de terre cuite » and four words: 17).
TEST(GenerateCommand, GridTooSmallQuestion)
{
    const QString question = u("La grille est trop petite pour le mot « %1 » !\nVoulez-vous ajuster la taille automatiquement ?");
    const QStringList animals = Words("chat lion ours loup gorille");
    const QStringList vegetables = Words("chou radis navet poireau");
    struct Case { QStringList words; int size; bool answer; const char* named; int newSize; };
    for (const Case& c : { Case { animals, 5, false, "gorille", 5 }, Case { animals, 5, true, "gorille", 7 },
                           Case { QStringList { u("pomme de terre") } + vegetables, 11, true, "pomme de terre", 12 },
                           Case { QStringList { u("pomme de terre") } + vegetables, 12, false, nullptr, 12 },
                           Case { QStringList { u("pomme de terre cuite") } + vegetables, 10, true, "pomme de terre cuite", 17 },
                           Case { Words("cœurs chat lion ours loup"), 5, true, "cœurs", 6 } }) {
        Bench b;
        b.settings.gridSize = c.size;
        QStringList asked;
        b.engine.SetQuestionHandler([&](const QString& q) { return asked << q, c.answer; });
        const GenerationResult r = b.Generate(c.words, 5);
        const bool created = c.answer || !c.named;
        EXPECT_EQ(asked, c.named ? QStringList { question.arg(u(c.named)) } : QStringList()) << c.size;
        EXPECT_EQ(b.settings.gridSize, c.newSize);
        EXPECT_EQ(r.outcome, created ? GenerationOutcome::Generated : GenerationOutcome::Declined);
        EXPECT_EQ(r.gridSizeChanged, c.answer);
        EXPECT_EQ(CountCells(b.state, 31, [](const QString& cell) { return !cell.isEmpty(); }), created ? c.newSize * c.newSize : 0);
        EXPECT_TRUE(!created || ReadEntry(b.state, b.state.WordEntries[0]) == ToGridForm(c.named ? u(c.named) : c.words[0]));
    }
}

// A seed gives the same puzzle, its hidden message too, another seed another puzzle. The fill-in layout search (thirty
// words) runs on as many threads as the machine has cores: a seed still gives the same grid on every machine.
TEST(GenerateCommand, SameSeedSamePuzzleForEveryGameTypeAndNumberOfCores)
{
    struct Case { GameType type; QStringList words; bool randomFill = true; };
    for (const Case& k : { Case { GameType::WordSearch, Animals12() }, Case { GameType::WordSearch, Animals12(), false },
                           Case { GameType::FillIn, FillInWords(10) }, Case { GameType::FillIn, FruitsAndVegetables() },
                           Case { GameType::CodedWords, Animals12() } }) {
        for (const std::uint64_t seed : { 1, 2, 3 }) {
            SCOPED_TRACE(testing::Message() << int(k.type) << ", " << k.words.size() << " words, seed " << seed);
            QList<PuzzleState> puzzles; // the seed on 1, 2 and 4 threads, then another seed on every core
            for (const auto& [threads, s] : { std::pair { 1, seed }, { 2, seed }, { 4, seed }, { 0, seed + 99 } }) {
                FillInChains::SetThreads(threads);
                Bench b(k.type);
                std::tie(b.settings.directions, b.settings.randomFill, b.settings.message)
                    = std::tuple(kAllDirections, k.randomFill, u("Bravo les enfants"));
                ASSERT_TRUE(b.Generate(k.words, s).succeeded());
                puzzles << b.state;
            }
            for (const PuzzleState& p : puzzles.mid(1, 2)) {
                EXPECT_TRUE(p.LetterGrid == puzzles[0].LetterGrid && p.CodeGrid == puzzles[0].CodeGrid);
                EXPECT_EQ(p.WordEntries, puzzles[0].WordEntries);
                EXPECT_EQ(p.LetterCodes, puzzles[0].LetterCodes);
            }
            EXPECT_FALSE(puzzles[3].LetterGrid == puzzles[0].LetterGrid) << "another seed, another puzzle";
        }
    }
}

// A time-out leaves the last attempt's words as placed, nothing filled, a fill-in's letters hidden but the one given; the
// window gets its turn meanwhile; a stopped clock has no limit.
TEST(GenerateCommand, TimeLimitLeavesThePartialPuzzle)
{
    struct Case { GameType type; QStringList words; int limitMs; };
    const Case cases[] {
        // Five words that share one letter, once each: two of them cross on it, and no third can join.
        { GameType::FillIn, Words("bbbbz ccccz ddddz ggggz hhhhz"), 100 },
        // Six five-letter words without a common letter in 5 x 5, left to right only.
        { GameType::WordSearch, Words("abcde fghij klmno pqrst uvwxy zzzzz"), 50 },
    };
    for (const Case& c : cases) {
        Bench b(c.type);
        std::tie(b.settings.gridSize, b.settings.directions) = std::tuple(5, std::array<bool, 6> { true, false, false, false, false, false });
        b.engine.Clock().SetLimitMs(c.limitMs);
        // Too small for the letters: No tries the chosen size all the same.
        b.engine.SetQuestionHandler([](const QString&) { return false; });
        int yields = 0;
        b.engine.Clock().SetYieldHook([&] { ++yields; }, 5);
        EXPECT_EQ(b.Generate(c.words, 8).outcome, GenerationOutcome::TimedOut);
        EXPECT_TRUE(b.state.TimedOut);
        EXPECT_GE(yields, 2) << "the window got its turn during the generation";
        EXPECT_FALSE(b.engine.Clock().Tick()) << "no limit outside a generation";
        QSet<int> owned;
        for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
            EXPECT_EQ(ReadEntry(b.state, e), e.gridText);
            owned += CellsOf(e);
        }
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 31; ++x)
                EXPECT_EQ(!b.state.LetterGrid.at(x, y).isEmpty(), owned.contains(y * 31 + x)) << x << "," << y;
        if (c.type == GameType::FillIn) {
            const QString given = b.state.RevealedLetters;
            EXPECT_EQ(given.size(), 1);
            EXPECT_EQ(CountCells(b.state, 31, [&](const QString& cell) { return cell == given || cell == cell.toLower(); }), 31 * 31);
        }
    }
}

// Œ and Æ are two letters in every game: in no cell, every coded cell with its code; the lists keep the words as written.
TEST(GenerateCommand, LigaturesAreTwoLettersInEveryGame)
{
    const QStringList words = Words("cœur œuf chef-d'œuvre sœur bœuf ex-æquo");
    for (GameType type : { GameType::WordSearch, GameType::FillIn, GameType::CodedWords }) {
        SCOPED_TRACE(int(type));
        Bench b(type);
        b.settings.gridSize = 8;
        ASSERT_TRUE(b.Generate(words, 3).succeeded());
        EXPECT_TRUE(Texts(b.state.SelectedWords).contains(u("chef-d'œuvre")) || type == GameType::CodedWords);
        EXPECT_EQ(CountCells(b.state, 31, [](const QString& c) { return !c.isEmpty() && u("ŒœÆæ").contains(c[0]); }), 0);
        QStringList placed;
        for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
            EXPECT_EQ(ReadEntry(b.state, e), e.gridText);
            placed << e.gridText;
        }
        EXPECT_TRUE(type == GameType::CodedWords || (placed.contains(u("CHEFDOEUVRE")) && placed.contains(u("EXAEQUO"))))
            << placed.join(u(" ")).toStdString();
        for (int y = 2; y < 31 && type == GameType::CodedWords; ++y)
            for (int x = 0; x < 31; ++x)
                EXPECT_TRUE(QStringList({ u(""), u("-"), u("’") }).contains(b.state.LetterGrid.at(x, y)) || b.state.CodeGrid.at(x, y) > 0) << x << "," << y;
    }
}

} // namespace
} // namespace lx::test
