// Word source benchmarks: how long the teacher waits after a click on a level
// box, a theme, "Tous", or an import.
//
// The level files are synthetic: five files of 800 entries each in random
// order, 3000 distinct words (600 of each level's own, and 200 entries per
// level that repeat a word of any level), each entry with one or two theme
// codes. They are written to
// a temporary folder and loaded as at start-up.
//
// The figures that matter:
//   BM_RebuildAllLevels      all five levels checked, no theme: every word at once
//   BM_SelectAllWords        "Tous" checked then unchecked on that full list (two clicks)
//   BM_ClickLevel            the whole click on the last level box (label, rebuild, report)
// and, for bad input, BM_ImportHugeFile (a 50 MB list file) and
// BM_ParseCappedText (the largest text the parser takes).
#include "document/Document.h"
#include "core/Text1252.h"
#include "words/Themes.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <memory>

namespace {

constexpr int kEntriesPerLevel = 800;

const QStringList& Fonts()
{
    static const QStringList fonts { QStringLiteral("Arial"), QStringLiteral("Arial Narrow"), QStringLiteral("Tahoma") };
    return fonts;
}

// A small fixed random source: the same files at every run.
struct Lcg {
    std::uint32_t state;
    std::uint32_t Next(std::uint32_t bound)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

// Distinct French-looking words of 3 to 14 letters, some with accents,
// apostrophes or spaces.
QStringList DistinctWords(int count, Lcg& rng)
{
    static const char* const syllables[] = {
        "ba", "be", "bi", "bo", "ca", "ce", "ché", "co", "da", "dé", "di", "fa", "fè", "fo", "ga", "gi", "la",
        "lé", "li", "lo", "ma", "mê", "mi", "mo", "na", "ne", "ni", "pa", "pe", "pi", "po", "ra", "ré", "ri",
        "ro", "sa", "se", "si", "ta", "té", "ti", "to", "va", "vi", "vo", "zo", "tion", "eau", "oi", "on",
    };
    constexpr int n = int(std::size(syllables));
    QSet<QString> seen;
    QStringList words;
    while (words.size() < count) {
        QString w;
        const int parts = 2 + int(rng.Next(4));
        for (int k = 0; k < parts; ++k)
            w += QString::fromUtf8(syllables[rng.Next(n)]);
        const std::uint32_t shape = rng.Next(20);
        if (shape == 0)
            w = QStringLiteral("l'") + w;
        else if (shape == 1)
            w += QStringLiteral(" de ") + QString::fromUtf8(syllables[rng.Next(n)]) + QString::fromUtf8(syllables[rng.Next(n)]);
        if (seen.contains(w.toLower()))
            continue;
        seen.insert(w.toLower());
        words << w;
    }
    return words;
}

// The five level files in a temporary folder, loaded.
struct SyntheticDatabase {
    QTemporaryDir dir;
    lx::ThemeDatabase db;
    int distinct = 0;

    SyntheticDatabase()
    {
        Lcg rng { 20240901u };
        const QStringList words = DistinctWords(3000, rng);
        const QString codes = lx::ThemeCodes();
        QSet<QString> used;
        for (int level = 0; level < lx::kLevelCount; ++level) {
            // 600 words of the level's own and 200 words of any level, shuffled.
            QList<int> picks;
            for (int i = 0; i < 600; ++i)
                picks << level * 600 + i;
            for (int i = 600; i < kEntriesPerLevel; ++i)
                picks << int(rng.Next(std::uint32_t(words.size())));
            for (qsizetype i = picks.size() - 1; i > 0; --i)
                picks.swapItemsAt(i, rng.Next(std::uint32_t(i + 1)));
            QStringList lines { QStringLiteral("/ Niveau ") + lx::LevelCaption(level), QString() };
            for (int index : std::as_const(picks)) {
                const QString& word = words[index];
                used.insert(word);
                QString entry;
                entry += codes[rng.Next(std::uint32_t(codes.size()))];
                entry += rng.Next(3) == 0 ? codes[rng.Next(std::uint32_t(codes.size()))] : QChar(u'-');
                entry += QStringLiteral("  ") + word;
                lines << entry;
            }
            QFile file(QDir(dir.path()).filePath(lx::LevelFileName(level)));
            if (file.open(QIODevice::WriteOnly))
                file.write(lx::EncodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        }
        distinct = int(used.size());
        db.Load(dir.path());
    }
};

const SyntheticDatabase& Database()
{
    static const std::unique_ptr<SyntheticDatabase> db = std::make_unique<SyntheticDatabase>();
    return *db;
}

// A document over the database with every level box checked and the list built.
std::unique_ptr<lx::Document> FullDocument()
{
    auto doc = std::make_unique<lx::Document>(Fonts());
    doc->SetThemeDatabase(&Database().db);
    for (int level = 0; level < lx::kLevelCount; ++level)
        doc->ClickLevel(level, true);
    return doc;
}

void BM_LoadLevelFiles(benchmark::State& state)
{
    const SyntheticDatabase& source = Database();
    for (auto _ : state) {
        lx::ThemeDatabase db;
        benchmark::DoNotOptimize(db.Load(source.dir.path()));
    }
}
BENCHMARK(BM_LoadLevelFiles)->Unit(benchmark::kMillisecond);

void BM_RebuildAllLevels(benchmark::State& state)
{
    auto doc = FullDocument();
    for (auto _ : state)
        doc->ClickLevel(0, true); // the list is built again from the five levels
    state.counters["words"] = doc->words().Count();
    state.counters["distinct_in_files"] = Database().distinct;
    state.counters["entries"] = lx::kLevelCount * kEntriesPerLevel;
}
BENCHMARK(BM_RebuildAllLevels)->Unit(benchmark::kMillisecond);

void BM_RebuildFiveThemes(benchmark::State& state)
{
    auto doc = FullDocument();
    for (int theme : { 0, 3, 6, 10, 23 })
        doc->CheckTheme(theme, true);
    for (auto _ : state)
        doc->ClickLevel(0, true); // the list is built again from the five levels
    state.counters["words"] = doc->words().Count();
}
BENCHMARK(BM_RebuildFiveThemes)->Unit(benchmark::kMillisecond);

void BM_ClickLevel(benchmark::State& state)
{
    auto doc = FullDocument();
    bool checked = true;
    for (auto _ : state) {
        checked = !checked;
        doc->ClickLevel(lx::kLevelCount - 1, checked);
    }
    state.counters["words"] = doc->data().words.Count();
}
BENCHMARK(BM_ClickLevel)->Unit(benchmark::kMillisecond);

// Two clicks per iteration: all unchecked, then all checked.
void BM_SelectAllWords(benchmark::State& state)
{
    auto doc = FullDocument();
    for (auto _ : state) {
        doc->SelectAllWords(false);
        doc->SelectAllWords(true);
    }
    state.counters["words"] = doc->data().words.Count();
}
BENCHMARK(BM_SelectAllWords)->Unit(benchmark::kMillisecond);

void BM_MaxLettersSlider(benchmark::State& state)
{
    auto doc = FullDocument();
    int value = 3;
    for (auto _ : state) {
        value = value == 3 ? 15 : 3;
        doc->SetMaxLetters(value);
    }
}
BENCHMARK(BM_MaxLettersSlider)->Unit(benchmark::kMillisecond);

// A list of 3000 words, one per line, imported from the clipboard.
void BM_PasteThreeThousandWords(benchmark::State& state)
{
    Lcg rng { 7u };
    const QString text = DistinctWords(3000, rng).join(QStringLiteral("\n"));
    lx::Document doc(Fonts());
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.PasteWordList(text));
    state.counters["words"] = doc.words().Count();
}
BENCHMARK(BM_PasteThreeThousandWords)->Unit(benchmark::kMillisecond);

// The largest text the parser takes: distinct words up to the entry cap.
void BM_ParseCappedText(benchmark::State& state)
{
    Lcg rng { 11u };
    const QStringList words = DistinctWords(20000, rng);
    QString text;
    for (int i = 0; text.size() < lx::kMaxWordListChars + 100; ++i)
        text += words[i % words.size()] + QStringLiteral("\r\n");
    lx::Document doc(Fonts());
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.ParseWordListText(text));
    state.counters["words"] = doc.words().Count();
}
BENCHMARK(BM_ParseCappedText)->Unit(benchmark::kMillisecond);

// A 50 MB list file chosen in the open dialog.
void BM_ImportHugeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("enorme.txt"));
    {
        Lcg rng { 13u };
        const QByteArray block = lx::EncodeWindows1252(DistinctWords(20000, rng).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the file");
            return;
        }
        for (qint64 written = 0; written < 50 * 1024 * 1024; written += block.size())
            file.write(block);
    }
    lx::Document doc(Fonts());
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.ImportWordListFile(path));
    state.counters["words"] = doc.words().Count();
}
BENCHMARK(BM_ImportHugeFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
