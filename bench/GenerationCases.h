#pragma once
// What the generation benchmarks share: word lists, one case (the puzzle's
// settings and its words), the directions, and the program folder's unfit words.
#include "puzzle/Engine.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/UnfitWords.h"

#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <utility>

namespace bench {

using lx::GameType;

inline QStringList wordList(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* w : utf8)
        out.append(QString::fromUtf8(w));
    return out;
}

// Twelve words of 5 to 8 letters: 76 letters for the 100 cells of a 10 x 10 grid.
inline QStringList twelveWords()
{
    return wordList({ "maison", "cartable", "papillon", "éléphant", "crayon", "école",
                      "jardin", "girafe", "cahier", "tortue", "lapin", "soleil" });
}

// The unfit words of the program folder's list.
inline const QStringList& unfitWords()
{
    static const QStringList words
        = lx::LoadUnfitWords(QStringLiteral(LEXIGRILLE_DATA_DIR "/") + QLatin1String(lx::kUnfitWordsFile));
    return words;
}

struct Case {
    lx::PuzzleSettings settings;
    QStringList words;
};

inline Case wordSearchCase(QStringList words, int gridSize, std::array<bool, 6> directions)
{
    Case c;
    c.settings.gameType = GameType::WordSearch;
    c.settings.gridSize = gridSize;
    c.settings.directions = directions;
    c.settings.randomFill = true;
    c.words = std::move(words);
    return c;
}

constexpr std::array<bool, 6> kAllDirections { true, true, true, true, true, true };
constexpr std::array<bool, 6> kDefaultDirections { true, false, true, false, false, false };

} // namespace bench
