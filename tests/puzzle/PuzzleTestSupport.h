#pragma once

// Puzzles made as the window makes them, the classroom's word lists, and what the puzzle tests read of a grid.
#include "puzzle/Engine.h"
#include "puzzle/UnfitWords.h"
#include "support/TextSupport.h"
#include "words/WordForms.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>

namespace lx::test {

inline constexpr std::array<bool, 6> kAllDirections { true, true, true, true, true, true };

// Word lists of the classroom.
inline QStringList Animals12() { return Words("chat chien lapin cheval vache mouton poule canard âne souris renard éléphant"); }
inline QStringList School20() // 138 letters, 5 to 10 each
{
    return Words("cartable crayon cahier règle gomme trousse tableau maîtresse récréation ciseaux classeur feutre "
                 "compas équerre pupitre cantine dictée lecture écriture calcul");
}
inline QStringList FillInWords(int n) // words that cross easily, n <= 30
{
    return Words("papillon maison jardin soleil bateau lapin pomme tomate orange cerise banane citron salade carotte "
                 "melon poire raisin fraise abricot prune radis navet olive amande noisette marron ananas kiwi figue datte")
        .mid(0, n);
}
inline QStringList FruitsAndVegetables() // 30 words of 5 to 12 letters, 213 letters
{
    return Words("pomme poire banane orange citron fraise cerise abricot pêche prune raisin melon ananas mangue framboise "
                 "mandarine clémentine pamplemousse pastèque carotte tomate salade radis poireau courgette aubergine "
                 "haricot concombre citrouille champignon");
}

// The unfit words of the program folder (data/filtres/mots-exclus.txt).
inline const QStringList& ShippedUnfitWords()
{
    static const QStringList words = LoadUnfitWords(QStringLiteral(LEXIGRILLE_DATA_DIR "/") + QLatin1String(kUnfitWordsFile));
    return words;
}

// A puzzle with its settings and its engine, as the window holds them; the time limit far away (not a speed test).
struct Bench {
    PuzzleState state;
    PuzzleSettings settings;
    PuzzleEngine engine { state, settings };
    ThemeSelection themes; // an external list: no theme check

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

// The cells of a placed word (y * 31 + x), and the letters read there.
inline QSet<int> CellsOf(const WordEntry& e)
{
    QSet<int> cells;
    for (int k = 0; k < e.gridText.size(); ++k)
        cells.insert((e.y + k * kDirectionSteps[e.direction].dy) * 31 + e.x + k * kDirectionSteps[e.direction].dx);
    return cells;
}
inline QString ReadEntry(const PuzzleState& s, const WordEntry& e)
{
    QString out;
    for (int k = 0; k < e.gridText.size(); ++k) {
        const int x = e.x + k * kDirectionSteps[e.direction].dx, y = e.y + k * kDirectionSteps[e.direction].dy;
        out += Grid<QString>::inside(x, y) ? s.LetterGrid.at(x, y).toUpper() : u("<outside>");
    }
    return out;
}

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

// What would mislead a pupil, read in the eight directions: a listed word but on its own cells, an unfit word (grid
// forms) but inside a listed word that contains it (CHAT in CHATON, CUL in CALCUL). Each as "WORD at x,y direction d".
inline QStringList UnwantedReadings(const PuzzleState& s, const QStringList& unfitForms)
{
    QList<QSet<int>> placed;
    QStringList words = unfitForms;
    for (const WordEntry& e : s.WordEntries) {
        placed.append(CellsOf(e));
        if (e.gridText.size() >= 2)
            words.append(e.gridText);
    }
    const int side = s.GridSize;
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= side || y >= side ? QString() : s.LetterGrid.at(x, y).toUpper(); };
    QStringList out;
    for (int n = 0; n < side * side * 8; ++n) {
        const int x = n / 8 % side, y = n / 8 / side;
        const DirectionStep st = kDirectionSteps[n % 8];
        for (const QString& w : std::as_const(words)) {
            QSet<int> cells;
            for (int k = 0; k < w.size() && at(x + k * st.dx, y + k * st.dy) == QString(w[k]); ++k)
                cells.insert((y + k * st.dy) * 31 + x + k * st.dx);
            if (cells.size() == w.size() && std::none_of(placed.begin(), placed.end(), [&](const QSet<int>& p) { return p.contains(cells); }))
                out.append(u("%1 at %2,%3 direction %4").arg(w).arg(x).arg(y).arg(n % 8));
        }
    }
    out.removeDuplicates();
    return out;
}

// A copy in order: lists, or letters, that hold the same items whatever their order compare equal.
template <typename T>
T Sorted(T items)
{
    std::sort(items.begin(), items.end());
    return items;
}

inline QStringList Texts(const TaggedList& items)
{
    QStringList out;
    for (const TaggedItem& i : items)
        out << i.text;
    return out;
}

} // namespace lx::test
