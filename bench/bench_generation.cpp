// Generation benchmarks: how long one "Créer la grille" takes, how often a
// generation ends with a complete puzzle before the time limit, and how often a
// word-search grid misleads the pupil.
//
// Every iteration is one generation with its own fixed seed (the iteration
// number), so a run is reproducible and a slow seed can be replayed. The limit
// is the one the window uses (1500 ms): a generation that reaches it counts as
// a failure, exactly as the teacher would see it. Cases that often time out get
// fewer iterations so that the whole binary stays within a few minutes.
//
// Counters:
//   success_rate  share of the generations that ended Generated
//   ok_ms         mean wall time of the successful generations, in ms
//   invalid       successful generations whose puzzle failed the sanity check
//                 (should always be 0; fill-in: FillInFaults, see FillInCheck.h)
//   placed_on_timeout  word search only: mean number of words in the grid that
//                 a timed-out generation leaves behind
//   second_reading  share of the word searches where a listed word can be read
//                 a second time, elsewhere than in its own cells or inside
//                 another listed word that contains it
//   unfit, unfit_long  share of the word searches where a word of the unfit
//                 list (data/filtres/mots-exclus.txt) can be read outside a
//                 listed word that contains it; unfit_long: one of 4 letters or more
//   fit_rate      hidden message: share of the generations whose free cells
//                 number exactly the message's letters (balance 0/n)
//   fit_ms, max_ms  hidden message: mean time of the generations that fit,
//                 and the longest generation
//
// The figures that matter: BM_WordSearch_15Words_12x12_AllDirections (the
// time of the most common generation), BM_WordSearch_Readings (/0 random
// filler, /1 hidden message: second_reading and unfit should be 0 with random
// filler), BM_WordSearch_MessageFit (fit_rate, fit_ms),
// BM_FillIn/30 and BM_FillIn_SchoolWords (success_rate: 95 % or more of the
// seeds within the time limit; the layout search runs on every core, so the
// rate depends on the machine's cores), BM_FillIn_FruitsAndVegetables/20 and /30.
#include "puzzle/Engine.h"
#include "puzzle/FillInCheck.h"
#include "puzzle/GenerationClock.h"
#include "puzzle/MessageFit.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/UnfitWords.h"
#include "words/WordForms.h"

#include <benchmark/benchmark.h>

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <initializer_list>

namespace {

using lx::GameType;

QStringList wordList(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* w : utf8)
        out.append(QString::fromUtf8(w));
    return out;
}

// Twelve words of 5 to 8 letters: 76 letters for the 100 cells of a 10 x 10 grid.
QStringList twelveWords()
{
    return wordList({ "maison", "cartable", "papillon", "éléphant", "crayon", "école",
                      "jardin", "girafe", "cahier", "tortue", "lapin", "soleil" });
}

// Twenty words of 6 to 10 letters, four of each length: 160 letters, more than
// the 144 cells of a 12 x 12 grid, so at least 16 cells must be shared.
QStringList twentyLongWords()
{
    return wordList({
        "crayon", "jardin", "girafe", "cahier",                 // 6
        "trousse", "fenêtre", "poisson", "château",             // 7
        "cartable", "papillon", "éléphant", "escargot",         // 8
        "crocodile", "dinosaure", "kangourou", "maîtresse",     // 9
        "grenouille", "coccinelle", "ordinateur", "professeur", // 10
    });
}

// Thirty words of 5 to 12 letters (222 letters); the fill-in cases take the
// first 10, 20 or 30.
QStringList thirtyWords()
{
    return wordList({
        "maison", "cartable", "papillon", "éléphant", "crayon",
        "école", "jardin", "girafe", "cahier", "tortue",
        "lapin", "soleil", "trousse", "fenêtre", "poisson",
        "château", "escargot", "crocodile", "grenouille", "coccinelle",
        "bibliothèque", "dinosaure", "kangourou", "ordinateur", "pantalon",
        "chocolat", "tableau", "règle", "cerise", "chemise",
    });
}

// A teacher's thirty school words (193 letters): the list that once gave two
// words side by side.
QStringList schoolWords()
{
    return wordList({
        "école", "élève", "cahier", "crayon", "règle", "gomme", "cartable", "trousse", "maîtresse", "récréation",
        "leçon", "dictée", "cantine", "tableau", "stylo", "cloche", "pupitre", "classe", "calcul", "lecture",
        "devoirs", "ardoise", "compas", "équerre", "feutre", "colle", "ciseaux", "agenda", "dossier", "chemise",
    });
}

// A teacher's "fruits et légumes": thirty words of 5 to 12 letters (213
// letters; four of 10 letters or more). The first 20 hold every length too.
QStringList fruitsAndVegetables()
{
    return wordList({
        "pomme", "poire", "banane", "orange", "citron", "fraise", "cerise", "abricot", "pêche", "prune",
        "raisin", "melon", "ananas", "mangue", "framboise", "mandarine", "clémentine", "pamplemousse", "pastèque",
        "carotte", "tomate", "salade", "radis", "poireau", "courgette", "aubergine", "haricot", "concombre",
        "citrouille", "champignon",
    });
}

// The same theme with long words only: thirty words, 240 letters, fourteen of
// 9 letters or more. Near what 19 x 19 letters can hold without two words
// side by side.
QStringList longFruitsAndVegetables()
{
    return wordList({
        "pamplemousse", "framboise", "tomate", "artichaut", "pomme",
        "clémentine", "myrtille", "carotte", "cerise", "aubergine",
        "champignon", "haricot", "radis", "concombre", "rhubarbe",
        "pomme de terre", "poireau", "banane", "groseille", "épinard",
        "citrouille", "mandarine", "betterave", "courgette", "pastèque",
        "noisette", "potiron", "abricot", "fraise", "salade",
    });
}

// The four lists of fifteen words of the readings count: short words (ÂNE,
// COQ, PIE, RAT, MAI) are the ones read again by chance.
QList<QStringList> readingLists()
{
    return {
        wordList({ "âne", "bélier", "bouc", "brebis", "canard", "chat", "cheval", "chèvre", "chien", "cochon",
                   "coq", "dinde", "lapin", "mouton", "oie" }),
        wordList({ "banjo", "clarinette", "cymbale", "flûte", "guitare", "harpe", "orgue", "piano", "tambour",
                   "triangle", "trombone", "trompette", "tuba", "violon", "xylophone" }),
        wordList({ "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche", "janvier", "mars",
                   "avril", "mai", "juin", "juillet", "août", "octobre" }),
        wordList({ "pie", "rat", "ours", "loup", "lion", "tigre", "zèbre", "renard", "hibou", "castor", "panda",
                   "singe", "koala", "phoque", "gorille" }),
    };
}

// The unfit words of the program folder's list.
const QStringList& unfitWords()
{
    static const QStringList words
        = lx::LoadUnfitWords(QStringLiteral(LEXIGRILLE_DATA_DIR "/") + QLatin1String(lx::kUnfitWordsFile));
    return words;
}

struct Case {
    lx::PuzzleSettings settings;
    QStringList words;
};

Case wordSearchCase(QStringList words, int gridSize, std::array<bool, 6> directions)
{
    Case c;
    c.settings.gameType = GameType::WordSearch;
    c.settings.gridSize = gridSize;
    c.settings.directions = directions;
    c.settings.randomFill = true;
    c.words = std::move(words);
    return c;
}

Case fillInCase(QStringList words)
{
    Case c;
    c.settings.gameType = GameType::FillIn;
    c.words = std::move(words);
    return c;
}

Case codedWordsCase(int wordCount)
{
    Case c;
    c.settings.gameType = GameType::CodedWords;
    c.settings.valueMode = 0;
    c.words = thirtyWords().mid(0, wordCount);
    return c;
}

constexpr std::array<bool, 6> kAllDirections { true, true, true, true, true, true };
constexpr std::array<bool, 6> kDefaultDirections { true, false, true, false, false, false };

// True when every placed word of a word search reads its grid form on the
// cells its entry names, inside the grid (fill-in grids have a check of their own).
bool placedWordsAreSound(const lx::PuzzleState& s)
{
    if (s.WordEntries.size() != s.WordCount || s.WordsByLength.size() != s.WordCount)
        return false;
    const int side = s.GridSize;
    for (int i = 0; i < s.WordCount; ++i) {
        const lx::WordEntry& e = s.WordEntries[i];
        if (e.gridText.isEmpty() || e.direction < 0 || e.direction > 7)
            return false;
        const lx::DirectionStep step = lx::kDirectionSteps[e.direction];
        const int n = int(e.gridText.size());
        for (int k = 0; k < n; ++k) {
            const int x = e.x + k * step.dx;
            const int y = e.y + k * step.dy;
            if (x < 0 || y < 0 || x >= side || y >= side)
                return false;
            if (s.LetterGrid.at(x, y).toUpper() != QString(e.gridText[k]))
                return false;
        }
    }
    // Each word of the selection is placed once, under its own grid form.
    QStringList expected;
    QStringList placed;
    for (int i = 0; i < s.WordCount; ++i) {
        expected.append(lx::ToGridForm(s.WordsByLength[i].text));
        placed.append(s.WordEntries[i].gridText);
    }
    expected.sort();
    placed.sort();
    if (expected != placed)
        return false;
    // Random filler: no cell of the grid is left empty.
    for (int y = 0; y < s.GridSize; ++y)
        for (int x = 0; x < s.GridSize; ++x)
            if (s.LetterGrid.at(x, y).isEmpty())
                return false;
    return true;
}

// Every letter of the coded words carries its letter's code, and the codes of
// the letters in use are distinct and within 1 .. number of distinct letters.
bool codedWordsAreSound(const lx::PuzzleState& s)
{
    std::array<bool, 27> seen {};
    for (int k = 0; k < 26; ++k) {
        const int code = s.LetterCodes[k];
        if (s.LetterCounts[k] == 0)
            continue;
        if (code < 1 || code > s.DistinctLetterCount || seen[code])
            return false;
        seen[code] = true;
    }
    int letters = 0;
    for (int y = 2; y < lx::PuzzleState::kSide; ++y) {
        for (int x = 0; x < lx::PuzzleState::kSide; ++x) {
            const QString& cell = s.LetterGrid.at(x, y);
            if (cell.isEmpty())
                continue;
            const int k = lx::LetterIndex(cell.toUpper().front());
            if (k < 0 || s.CodeGrid.at(x, y) != s.LetterCodes[k])
                return false;
            ++letters;
        }
    }
    int expected = 0;
    for (const lx::TaggedItem& item : s.WordsByLength)
        expected += int(lx::ToGridForm(item.text).size());
    return letters == expected;
}

// What a pupil may wrongly read in a word search.
struct Readings {
    bool second = false;    // a listed word read a second time
    bool unfit = false;     // an unfit word
    bool unfitLong = false; // an unfit word of 4 letters or more
};

// Straight reading of every listed word and every unfit word from every cell
// in the eight directions. A reading is expected on the word's own cells (a
// palindrome reads there twice) and cannot be helped inside the cells of one
// listed word that contains it (CHAT in CHATON, CUL in CALCUL).
Readings misleadingReadings(const lx::PuzzleState& s, const QStringList& unfit)
{
    auto cellsOf = [](const lx::WordEntry& e) {
        QSet<int> cells;
        const lx::DirectionStep st = lx::kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k)
            cells.insert((e.y + k * st.dy) * 31 + e.x + k * st.dx);
        return cells;
    };
    QList<QSet<int>> placed;
    for (const lx::WordEntry& e : s.WordEntries)
        placed.append(cellsOf(e));
    auto insideOneWord = [&](const QSet<int>& cells) {
        for (const QSet<int>& p : std::as_const(placed))
            if (p.contains(cells))
                return true;
        return false;
    };
    QStringList listed;
    for (const lx::WordEntry& e : s.WordEntries)
        listed.append(e.gridText);

    Readings r;
    const int side = s.GridSize;
    auto readAt = [&](const QString& w, int x, int y, lx::DirectionStep st, QSet<int>& cells) {
        cells.clear();
        for (int k = 0; k < w.size(); ++k) {
            const int cx = x + k * st.dx, cy = y + k * st.dy;
            if (cx < 0 || cy < 0 || cx >= side || cy >= side || s.LetterGrid.at(cx, cy).toUpper() != QString(w[k]))
                return false;
            cells.insert(cy * 31 + cx);
        }
        return true;
    };
    QSet<int> cells;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            for (const lx::DirectionStep st : lx::kDirectionSteps) {
                for (const QString& w : std::as_const(listed)) {
                    if (w.size() < 2 || !readAt(w, x, y, st, cells) || insideOneWord(cells))
                        continue;
                    r.second = true;
                }
                for (const QString& w : unfit) {
                    if (!readAt(w, x, y, st, cells) || insideOneWord(cells))
                        continue;
                    r.unfit = true;
                    r.unfitLong = r.unfitLong || w.size() >= 4;
                }
            }
        }
    }
    return r;
}

void runGenerations(benchmark::State& state, const Case& c)
{
    lx::PuzzleState puzzle;
    lx::PuzzleSettings settings = c.settings;
    lx::PuzzleEngine engine(puzzle, settings);
    engine.Clock().SetLimitMs(lx::GenerationClock::kDefaultLimitMs);
    // The grid size is part of each case: a word too long for it must not
    // enlarge the grid behind our back.
    engine.SetQuestionHandler([](const QString&) { return false; });

    std::uint64_t seed = 0;
    std::int64_t runs = 0;
    std::int64_t generated = 0;
    std::int64_t invalid = 0;
    std::int64_t placedOnTimeout = 0;
    double generatedMs = 0.0;

    for (auto _ : state) {
        settings = c.settings;
        lx::ThemeSelection themes; // an external word list: no theme check
        engine.SetFixedSeed(seed++);

        const auto start = std::chrono::steady_clock::now();
        const lx::GenerationResult result = engine.Generate(c.words, themes);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(puzzle.LetterGrid);

        ++runs;
        if (result.outcome == lx::GenerationOutcome::Generated) {
            ++generated;
            generatedMs += std::chrono::duration<double, std::milli>(end - start).count();
            state.PauseTiming();
            const bool sound = c.settings.gameType == GameType::CodedWords ? codedWordsAreSound(puzzle)
                : c.settings.gameType == GameType::FillIn                  ? lx::IsSoundFillIn(puzzle)
                                                                           : placedWordsAreSound(puzzle);
            if (!sound)
                ++invalid;
            state.ResumeTiming();
        } else if (result.outcome == lx::GenerationOutcome::TimedOut) {
            for (const lx::WordEntry& e : puzzle.WordEntries)
                placedOnTimeout += e.gridText.isEmpty() ? 0 : 1;
        } else {
            state.SkipWithError(("generation refused: " + result.message.toStdString()).c_str());
            break;
        }
    }

    state.counters["success_rate"] = runs > 0 ? double(generated) / double(runs) : 0.0;
    state.counters["ok_ms"] = generated > 0 ? generatedMs / double(generated) : 0.0;
    state.counters["invalid"] = double(invalid);
    if (c.settings.gameType == GameType::WordSearch && runs > generated)
        state.counters["placed_on_timeout"] = double(placedOnTimeout) / double(runs - generated);
}

void BM_WordSearch_12Words_10x10_AllDirections(benchmark::State& state)
{
    static const Case c = wordSearchCase(twelveWords(), 10, kAllDirections);
    runGenerations(state, c);
}

void BM_WordSearch_20Words_12x12_AllDirections(benchmark::State& state)
{
    static const Case c = wordSearchCase(twentyLongWords(), 12, kAllDirections);
    runGenerations(state, c);
}

void BM_WordSearch_20Words_12x12_DefaultDirections(benchmark::State& state)
{
    static const Case c = wordSearchCase(twentyLongWords(), 12, kDefaultDirections);
    runGenerations(state, c);
}

void BM_FillIn(benchmark::State& state)
{
    const Case c = fillInCase(thirtyWords().mid(0, int(state.range(0))));
    runGenerations(state, c);
}

void BM_CodedWords_30Words(benchmark::State& state)
{
    static const Case c = codedWordsCase(30);
    runGenerations(state, c);
}

// The time of one generation of the case a teacher makes most: fifteen words
// in a 12 x 12 grid, every direction allowed, random filler.
void BM_WordSearch_15Words_12x12_AllDirections(benchmark::State& state)
{
    static const Case c = wordSearchCase(thirtyWords().mid(0, 15), 12, kAllDirections);
    lx::PuzzleState puzzle;
    lx::PuzzleSettings settings = c.settings;
    lx::PuzzleEngine engine(puzzle, settings);
    engine.SetUnfitWords(unfitWords());
    std::uint64_t seed = 0;
    std::int64_t failed = 0;
    for (auto _ : state) {
        lx::ThemeSelection themes;
        engine.SetFixedSeed(seed++);
        failed += engine.Generate(c.words, themes).succeeded() ? 0 : 1;
        benchmark::DoNotOptimize(puzzle.LetterGrid);
    }
    state.counters["failed"] = double(failed);
}

// The share of word searches that mislead the pupil: four lists of fifteen
// words, 100 seeds each, 12 x 12, every direction; random filler (range 0)
// or a hidden message (range 1).
void BM_WordSearch_Readings(benchmark::State& state)
{
    const bool message = state.range(0) == 1;
    if (unfitWords().isEmpty()) {
        state.SkipWithError("no unfit word list");
        return;
    }
    int runs = 0, generated = 0, second = 0, unfitCount = 0, unfitLong = 0;
    for (auto _ : state) {
        for (const QStringList& words : readingLists()) {
            Case c = wordSearchCase(words, 12, kAllDirections);
            c.settings.randomFill = !message;
            c.settings.message = QStringLiteral("Bravo, tu as retrouvé tous les mots cachés dans la grille !");
            lx::PuzzleState puzzle;
            lx::PuzzleSettings settings = c.settings;
            lx::PuzzleEngine engine(puzzle, settings);
            engine.SetUnfitWords(unfitWords());
            for (std::uint64_t seed = 0; seed < 100; ++seed) {
                lx::ThemeSelection themes;
                engine.SetFixedSeed(seed);
                ++runs;
                if (!engine.Generate(c.words, themes).succeeded())
                    continue;
                ++generated;
                const Readings r = misleadingReadings(puzzle, engine.UnfitWords());
                second += r.second ? 1 : 0;
                unfitCount += r.unfit ? 1 : 0;
                unfitLong += r.unfitLong ? 1 : 0;
            }
        }
    }
    state.counters["success_rate"] = double(generated) / runs;
    state.counters["second_reading"] = double(second) / std::max(generated, 1);
    state.counters["unfit"] = double(unfitCount) / std::max(generated, 1);
    state.counters["unfit_long"] = double(unfitLong) / std::max(generated, 1);
}

// The first `letters` letters of a teacher's message, as typed (spaces,
// accents and punctuation included).
QString messageOf(int letters)
{
    static const QString text = QString::fromUtf8(
        "Bravo, tu as retrouvé tous les mots cachés ! Maintenant, colorie le dessin et montre ton travail à la "
        "maîtresse. Demain matin, avant la récréation, nous irons tous ensemble au jardin de l'école pour planter "
        "des fleurs, des radis et des salades. N'oublie pas tes bottes ! ");
    QString out;
    for (int k = 0; lx::LettersOnly(out).size() < letters; ++k)
        out += text[k % text.size()];
    return out;
}

// Hidden messages that can fill a grid exactly (the sizes the window would
// advise): the four lists of fifteen words and twelve words, in grids of
// 9 x 9 (nearly full), 10 x 10, 12 x 12 and 14 x 14, every third message
// length the size takes, four seeds each; default directions (range 0), every
// direction (1), or left to right only (2: no crossing, no sharing counted on).
void BM_WordSearch_MessageFit(benchmark::State& state)
{
    const std::array<bool, 6> directions = state.range(0) == 0 ? kDefaultDirections
        : state.range(0) == 1                                   ? kAllDirections
                                                                : std::array<bool, 6> { true, false, false, false, false, false };
    QList<QStringList> lists = readingLists();
    lists.append(twelveWords());
    int runs = 0, fit = 0, generated = 0;
    double fitMs = 0.0, maxMs = 0.0;
    for (auto _ : state) {
        for (const QStringList& words : std::as_const(lists)) {
            QStringList forms;
            {
                lx::PuzzleState s;
                lx::PuzzleSettings p;
                lx::PuzzleEngine e(s, p);
                e.PrepareWordLists(words);
                for (const lx::TaggedItem& item : std::as_const(s.WordsByLength))
                    forms.append(lx::ToGridForm(item.text));
            }
            const lx::WordCells cells = lx::CountWordCells(forms, lx::WordsCanCross(directions));
            for (int side : { 9, 10, 12, 14 }) {
                int fitting = 0;
                for (int letters = 1; letters <= side * side; ++letters) {
                    if (!lx::MessageFitsGrid(cells, letters, side) || fitting++ % 3 != 0)
                        continue;
                    Case c = wordSearchCase(words, side, directions);
                    c.settings.randomFill = false;
                    c.settings.message = messageOf(letters);
                    lx::PuzzleState puzzle;
                    lx::PuzzleSettings settings = c.settings;
                    lx::PuzzleEngine engine(puzzle, settings);
                    engine.SetUnfitWords(unfitWords());
                    for (std::uint64_t seed = 0; seed < 4; ++seed) {
                        lx::ThemeSelection themes;
                        settings = c.settings;
                        engine.SetFixedSeed(seed);
                        const auto start = std::chrono::steady_clock::now();
                        const bool ok = engine.Generate(c.words, themes).succeeded();
                        const double ms
                            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                        ++runs;
                        maxMs = std::max(maxMs, ms);
                        generated += ok ? 1 : 0;
                        if (ok && puzzle.LetterBalance == 0) {
                            ++fit;
                            fitMs += ms;
                        }
                    }
                }
            }
        }
    }
    state.counters["runs"] = runs;
    state.counters["success_rate"] = double(generated) / std::max(runs, 1);
    state.counters["fit_rate"] = double(fit) / std::max(runs, 1);
    state.counters["fit_ms"] = fit > 0 ? fitMs / fit : 0.0;
    state.counters["max_ms"] = maxMs;
}

void BM_FillIn_FruitsAndVegetables(benchmark::State& state)
{
    const Case c = fillInCase(fruitsAndVegetables().mid(0, int(state.range(0))));
    runGenerations(state, c);
}

void BM_FillIn_SchoolWords(benchmark::State& state)
{
    static const Case c = fillInCase(schoolWords());
    runGenerations(state, c);
}

void BM_FillIn_LongFruitsAndVegetables(benchmark::State& state)
{
    const Case c = fillInCase(longFruitsAndVegetables().mid(0, int(state.range(0))));
    runGenerations(state, c);
}

} // namespace

BENCHMARK(BM_WordSearch_15Words_12x12_AllDirections)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordSearch_Readings)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearch_MessageFit)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearch_12Words_10x10_AllDirections)
    ->Iterations(200)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearch_20Words_12x12_AllDirections)
    ->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearch_20Words_12x12_DefaultDirections)
    ->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn)->Arg(10)->Iterations(40)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn)->Arg(20)->Iterations(30)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn)->Arg(30)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn_SchoolWords)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn_FruitsAndVegetables)->Arg(20)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn_FruitsAndVegetables)->Arg(30)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillIn_LongFruitsAndVegetables)->Arg(20)->Arg(30)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CodedWords_30Words)->Iterations(200)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
