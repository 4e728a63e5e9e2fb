#pragma once

#include "puzzle/Engine.h"

#include <QSet>
#include <QStringList>

#include <ostream>

// Lets gtest print Qt strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace lx::test {

// A puzzle with its settings and its engine, as the window holds them.
struct Bench {
    PuzzleState state;
    PuzzleSettings settings;
    PuzzleEngine engine { state, settings };
    ThemeSelection themes; // an external list: no theme check

    // Tests check what a generation builds, not how fast: a loaded machine must
    // not turn a sound puzzle into a time-out. Time-out tests set their own limit.
    Bench() { engine.Clock().SetLimitMs(60000); }

    GenerationResult Generate(const QStringList& words, std::uint64_t seed)
    {
        engine.SetFixedSeed(seed);
        return engine.Generate(words, themes);
    }
};

// The characters read from the letter grid along a placed word, upper-cased.
QString ReadEntry(const PuzzleState& s, const WordEntry& e, int length);

// Upper-case grid forms of the words.
QSet<QChar> LettersOf(const QStringList& words);

// Word lists used across the tests: real French words of the classroom.
QStringList Animals12();       // 12 words, at most 8 letters
QStringList School20();        // 20 words of 6 to 10 letters
QStringList FillInWords(int n); // n words that cross easily (n <= 30)

} // namespace lx::test
