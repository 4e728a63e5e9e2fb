// Word-search benchmarks of what a pupil reads: how often a grid lets a
// listed word be read a second time or an unfit word be read at all, and how
// often a hidden message fills the free cells exactly.
//
// Counters:
//   success_rate  share of the generations that ended Generated
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
// The figures that matter: BM_WordSearch_Readings (/0 random filler, /1
// hidden message: second_reading and unfit should be 0 with random filler),
// BM_WordSearch_MessageFit (fit_rate, fit_ms).
#include "GenerationCases.h"

#include "puzzle/MessageFit.h"
#include "words/WordForms.h"

#include <benchmark/benchmark.h>

#include <QSet>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

using namespace bench;

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

} // namespace

BENCHMARK(BM_WordSearch_Readings)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearch_MessageFit)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
