#pragma once

#include "puzzle/Engine.h"

#include <QSet>
#include <QStringList>

#include <array>
#include <ostream>

// Lets gtest print Qt strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace lx::test {

inline QString u(const char* t)
{
    return QString::fromUtf8(t);
}

inline constexpr std::array<bool, 6> kAllDirections { true, true, true, true, true, true };

// The unfit words of the program folder (data/filtres/mots-exclus.txt of the
// repository), as the file gives them; empty when the file cannot be found.
const QStringList& ShippedUnfitWords();

// A puzzle with its settings and its engine, as the window holds them.
struct Bench {
    PuzzleState state;
    PuzzleSettings settings;
    PuzzleEngine engine { state, settings };
    ThemeSelection themes; // an external list: no theme check

    // Tests check what a generation builds, not how fast: a loaded machine must
    // not turn a sound puzzle into a time-out. Time-out tests set their own limit.
    explicit Bench(GameType type = GameType::WordSearch)
    {
        settings.gameType = type;
        engine.Clock().SetLimitMs(60000);
        engine.SetUnfitWords(ShippedUnfitWords());
    }

    GenerationResult Generate(const QStringList& words, std::uint64_t seed)
    {
        engine.SetFixedSeed(seed);
        return engine.Generate(words, themes);
    }
};

// The cells of a placed word, as y * 31 + x.
QSet<int> CellsOf(const WordEntry& e);

// The characters read from the letter grid along a placed word, upper-cased.
QString ReadEntry(const PuzzleState& s, const WordEntry& e, int length);

// The readings a pupil would be misled by, found cell by cell in the eight
// directions: a listed word anywhere but on its own cells, an unfit word
// (grid forms) anywhere, except inside the cells of one listed word that
// contains it (CHAT in CHATON, CUL in CALCUL). Each is described as
// "WORD at x,y direction d".
QStringList UnwantedReadings(const PuzzleState& s, const QStringList& unfitForms);

// Upper-case grid forms of the words.
QSet<QChar> LettersOf(const QStringList& words);

// The texts of a tagged list, in order.
QStringList Texts(const TaggedList& items);

// How many cells of the top-left side x side square satisfy pred(cell text).
template <typename Pred>
int CountCells(const PuzzleState& s, int side, Pred pred)
{
    int n = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            n += pred(s.LetterGrid.at(x, y)) ? 1 : 0;
    return n;
}

// Word lists used across the tests: real French words of the classroom.
QStringList Animals12();       // 12 words, at most 8 letters
QStringList School20();        // 20 words of 6 to 10 letters
QStringList FillInWords(int n); // n words that cross easily (n <= 30)
QStringList FruitsAndVegetables(); // 30 words of 5 to 12 letters, 213 letters in all

} // namespace lx::test
