// The size rule (puzzle/SizeRule.h) checked on the generators: lists drawn
// from the shipped word database (every class CP to CM2, every theme; 8, 12
// and 20 words, one fixed seed per list), each generated at the side the rule
// proposes with the real engine and the window's 1500 ms limit.
//
// Word search: four direction sets ({droite}, {droite, bas}, {droite, bas,
// diagonale}, all six), the unfit words of the program folder as the window
// has them. Fill-in: every list the rule says the frame holds. Prints, per
// game and direction set and word count, how many lists were generated, how
// many the rule said do not fit, the share that succeeded (the goal is 95 %
// or more), the mean side proposed, and how many times the grid-too-small
// question came (a word whose display length, hyphens and spaces included,
// is above the side: the rule reads grid forms) and was answered Yes.
//
//   bench_size_rule [--every N]   only every Nth theme of each class (a
//                                 subsample, said in the output); default 1
//                   [--calibrate] also print, per list, the smallest side that
//                                 succeeds (200 ms limit): what the rule is fitted on
//                   [--fill-in]   fill-in only: 15, 20, 30 and 40 words of the database with
//                                 a given letter total, five lists of each and five seeds
//                                 each: the share generated, and the largest total
//                                 generated in 95 % of the runs
//                   [--words N]   with --fill-in, only lists of N words (any number)
//                   [--step N]    with --fill-in, letter totals N apart (default 5)
#include "puzzle/Engine.h"
#include "puzzle/GenerationClock.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/Random.h"
#include "puzzle/SizeRule.h"
#include "puzzle/UnfitWords.h"
#include "words/ContainedWords.h"
#include "words/ThemeDatabase.h"
#include "words/WordForms.h"
#include "words/Themes.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace lx;

// Up to `count` words of the theme at the level, drawn with a fixed seed,
// never a word read inside another one drawn (as a --count draw).
QStringList DrawWords(const QStringList& entries, QChar code, int count, std::uint64_t seed)
{
    QStringList pool;
    for (const QString& entry : entries) {
        if (LevelEntryHasTheme(entry, code)) {
            const QString word = LevelEntryWord(entry).trimmed();
            if (!word.isEmpty() && !pool.contains(word))
                pool.append(word);
        }
    }
    RandomSource random(seed);
    QStringList drawn;
    while (drawn.size() < count && !pool.isEmpty()) {
        const QString word = pool.takeAt(random.Below(int(pool.size())));
        QStringList with = drawn;
        with.append(word);
        if (ContainedWords(with).isEmpty())
            drawn = with;
    }
    return drawn.size() == count ? drawn : QStringList {};
}

// `count` words of the pool whose grid forms hold `letters` letters in all,
// none read inside another: drawn at random with a fixed seed, then one word
// at a time swapped for one that brings the total nearer. Empty when the
// total is not reached.
QStringList DrawLetters(const QStringList& pool, int count, int letters, std::uint64_t seed)
{
    RandomSource random(seed);
    auto length = [](const QString& w) { return int(ToGridForm(w).size()); };
    QStringList drawn;
    int total = 0;
    while (drawn.size() < count) {
        const QString& w = pool[random.Below(int(pool.size()))];
        if (!drawn.contains(w)) {
            drawn.append(w);
            total += length(w);
        }
    }
    for (int step = 0; step < 20000; ++step) {
        if (total == letters && ContainedWords(drawn).isEmpty())
            return drawn;
        const int i = random.Below(count);
        const QString& w = pool[random.Below(int(pool.size()))];
        if (drawn.contains(w))
            continue;
        const int changed = total - length(drawn[i]) + length(w);
        if (std::abs(changed - letters) <= std::abs(total - letters)) {
            drawn[i] = w;
            total = changed;
        }
    }
    return {};
}

struct Tally {
    int runs = 0;
    int generated = 0;
    int notFitting = 0;
    int enlarged = 0;
    long sides = 0;
    double ms = 0;
    double okMs = 0; // of the generations that succeeded
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int every = 1;
    bool calibrate = false;
    bool fillInCapacity = false;
    int onlyCount = 0, step = 5;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--every") == 0 && k + 1 < argc)
            every = std::max(1, std::atoi(argv[k + 1]));
        if (std::strcmp(argv[k], "--words") == 0 && k + 1 < argc)
            onlyCount = std::atoi(argv[k + 1]);
        if (std::strcmp(argv[k], "--step") == 0 && k + 1 < argc)
            step = std::max(1, std::atoi(argv[k + 1]));
        calibrate = calibrate || std::strcmp(argv[k], "--calibrate") == 0;
        fillInCapacity = fillInCapacity || std::strcmp(argv[k], "--fill-in") == 0;
    }

    ThemeDatabase db;
    db.Load(QStringLiteral(LEXIGRILLE_DATA_DIR));
    const std::array<std::pair<const char*, std::array<bool, 6>>, 4> directionSets { {
        { "droite", { true, false, false, false, false, false } },
        { "droite+bas", { true, false, true, false, false, false } },
        { "droite+bas+diagonale", { true, false, true, false, true, false } },
        { "toutes", { true, true, true, true, true, true } },
    } };
    const QString codes = ThemeCodes();
    std::map<std::string, Tally> tallies;
    const auto start = std::chrono::steady_clock::now();

    PuzzleState puzzle;
    PuzzleSettings settings;
    PuzzleEngine engine(puzzle, settings);
    engine.Clock().SetLimitMs(GenerationClock::kDefaultLimitMs);
    engine.SetUnfitWords(LoadUnfitWords(QStringLiteral(LEXIGRILLE_DATA_DIR "/") + QLatin1String(kUnfitWordsFile)));
    // A side below a word's display length (a hyphen or a space counts there,
    // not in the grid form the rule reads) asks the grid-too-small question:
    // answered Yes, as a teacher would, and counted.
    int questions = 0;
    engine.SetQuestionHandler([&](const QString&) {
        ++questions;
        return true;
    });
    auto generate = [&](const QStringList& words, const PuzzleSettings& s, std::uint64_t seed, Tally& t) {
        settings = s;
        ThemeSelection themes;
        engine.SetFixedSeed(seed);
        const auto t0 = std::chrono::steady_clock::now();
        const GenerationResult result = engine.Generate(words, themes);
        const bool ok = result.succeeded();
        if (!ok && std::getenv("SIZE_RULE_VERBOSE"))
            std::fprintf(stderr, "%d side %d: %s | %s\n", int(result.outcome), s.gridSize, qPrintable(words.join(u',')),
                         qPrintable(result.message));
        t.ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        ++t.runs;
        t.generated += ok ? 1 : 0;
        t.enlarged += questions;
        questions = 0;
    };

    if (fillInCapacity) {
        // 15, 20, 30 and 40 words of the whole database with a given number of
        // letters, five lists per count and letter total, five seeds each:
        // the share generated within the time limit, and the largest total
        // generated in 95 % of the runs or more, as are all the smaller ones.
        QStringList pool;
        for (int level = 0; level < kLevelCount; ++level)
            for (const QString& entry : db.levelLines[level]) {
                const QString word = LevelEntryWord(entry).trimmed();
                const int n = int(ToGridForm(word).size());
                if (n >= 3 && n <= PuzzleEngine::kMaxFillInLength && !pool.contains(word))
                    pool.append(word);
            }
        std::vector<int> counts { 15, 20, 30, 40 };
        if (onlyCount)
            counts = { onlyCount };
        for (int count : counts) {
            std::printf("Mots casés, %d words:\n", count);
            int capacity = 0, below = 0;
            bool all95 = true;
            for (int letters = std::min(2 * count + 130, 8 * count); letters <= 300 && below < 2; letters += step) {
                Tally t;
                for (int list = 0; list < 5; ++list) {
                    const QStringList words = DrawLetters(pool, count, letters, std::uint64_t(100 * letters + list));
                    if (words.isEmpty())
                        continue;
                    for (int seed = 1; seed <= 5; ++seed) {
                        PuzzleSettings s;
                        s.gameType = GameType::FillIn;
                        const int before = t.generated;
                        const double ms = t.ms;
                        generate(words, s, std::uint64_t(seed), t);
                        if (t.generated > before)
                            t.okMs += t.ms - ms;
                    }
                }
                if (t.runs == 0)
                    continue;
                const double share = double(t.generated) / t.runs;
                all95 = all95 && share >= 0.95;
                if (all95)
                    capacity = letters;
                below = share < 0.5 ? below + 1 : 0;
                std::printf("  %3d letters: %3d runs, %5.1f%% generated, %7.1f ms each when generated\n", letters, t.runs,
                            100.0 * share, t.generated ? t.okMs / t.generated : 0.0);
                std::fflush(stdout);
            }
            std::printf("  generated in 95%% of the runs up to %d letters\n", capacity);
        }
        return 0;
    }

    for (int level = 0; level < kLevelCount; ++level) {
        for (int theme = 0; theme < kThemeCount; theme += every) {
            for (int count : { 8, 12, 20 }) {
                const std::uint64_t seed = std::uint64_t(1000 * level + 10 * theme + count);
                const QStringList words = DrawWords(db.levelLines[level], codes[theme], count, seed);
                if (words.isEmpty())
                    continue;
                engine.PrepareWordLists(words);
                const QStringList forms = engine.GridForms();
                for (const auto& [name, directions] : directionSets) {
                    Tally& t = tallies[std::string("Lexigrille ") + name + " " + std::to_string(count)];
                    const SizeNeed need = WordSearchNeed(forms, directions);
                    if (!need.fits) {
                        ++t.notFitting;
                        continue;
                    }
                    PuzzleSettings s;
                    s.gameType = GameType::WordSearch;
                    s.gridSize = need.side;
                    s.directions = directions;
                    if (calibrate) {
                        // The smallest side that succeeds with this seed, a
                        // 200 ms limit: one line per list, for fitting the rule.
                        engine.Clock().SetLimitMs(200);
                        Tally scan;
                        int side = std::max(need.longest, PuzzleEngine::kMinWordSearchSize);
                        for (; side <= PuzzleEngine::kMaxWordSearchSize; ++side) {
                            s.gridSize = side;
                            generate(words, s, seed, scan);
                            if (scan.generated > 0)
                                break;
                        }
                        engine.Clock().SetLimitMs(GenerationClock::kDefaultLimitMs);
                        std::printf("calibrate %s %d %d %d %d\n", name, count, need.letters, need.longest, side);
                        s.gridSize = need.side;
                    }
                    t.sides += need.side;
                    generate(words, s, seed, t);
                }
                Tally& f = tallies[std::string("Mots casés ") + std::to_string(count)];
                const SizeNeed need = FillInNeed(forms);
                if (!need.fits) {
                    ++f.notFitting;
                    continue;
                }
                PuzzleSettings s;
                s.gameType = GameType::FillIn;
                f.sides += need.side;
                generate(words, s, seed, f);
            }
        }
    }
    std::printf("Size rule on the word database (%s), 1500 ms limit\n",
                every == 1 ? "every theme of every class" : ("every " + std::to_string(every) + "th theme").c_str());
    std::printf("%-36s %6s %7s %9s %9s %7s %8s\n", "case", "lists", "no fit", "enlarged", "success", "side", "ms");
    Tally all;
    for (const auto& [name, t] : tallies) {
        std::printf("%-36s %6d %7d %9d %8.1f%% %7.2f %8.1f\n", name.c_str(), t.runs, t.notFitting, t.enlarged,
                    t.runs ? 100.0 * t.generated / t.runs : 0.0, t.runs ? double(t.sides) / t.runs : 0.0,
                    t.runs ? t.ms / t.runs : 0.0);
        all.runs += t.runs;
        all.generated += t.generated;
    }
    std::printf("all: %d generations, %.1f%% succeeded, %.0f s\n", all.runs, 100.0 * all.generated / std::max(all.runs, 1),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
