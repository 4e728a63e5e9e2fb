// Generation benchmarks: how long one "Créer la grille" takes, and how often a
// generation ends with a complete puzzle before the time limit (what a pupil
// reads in a word search: bench_word_search).
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
//
// The figures that matter: BM_WordSearch_15Words_12x12_AllDirections (the
// time of the most common generation), BM_FillIn/30 and BM_FillIn_SchoolWords
// (success_rate: 95 % or more of the seeds within the time limit; the layout
// search runs on every core, so the rate depends on the machine's cores),
// BM_FillIn_FruitsAndVegetables/20 and /30.
#include "GenerationCases.h"

#include "puzzle/FillInCheck.h"
#include "puzzle/GenerationClock.h"
#include "words/WordForms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

using namespace bench;

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
