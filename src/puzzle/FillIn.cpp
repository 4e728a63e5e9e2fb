// The fill-in grid: horizontal and vertical words, each crossing another one on
// a shared letter, never two words side by side. Whole attempts are made in a
// fresh random order; when a few dozen of them have failed (a long list, long
// words), the layout search of FillInLayout.h takes over, on every core
// (FillInChains.h), until every word is placed or the time limit is reached.
#include "puzzle/Engine.h"
#include "puzzle/FillInChains.h"
#include "puzzle/FillInLayout.h"

#include "words/WordForms.h"

#include <optional>
#include <utility>

namespace lx {

bool PuzzleEngine::GenerateFillIn()
{
    s_.CodesAreNumbers = true;
    // Plain random attempts lay most lists out at once, as they always did.
    // The first few layouts found are compared and the one with the largest
    // cells in the room kept: the same eight words may take 13 by 8 cells
    // (cells of 9.6 mm in half a page) or 19 by 10 (6.6 mm).
    struct Layout {
        Grid<QString> letters;
        QList<WordEntry> entries;
        TaggedList order;
        double cell = 0.0;
    };
    std::optional<Layout> best;
    int found = 0;
    for (int attempt = 0; attempt < kRandomFillInAttempts && found < kFillInLayoutsCompared; ++attempt) {
        if (TryFillInAttempt()) {
            ++found;
            if (const double cell = FillInCellInRoom(); !best || cell > best->cell)
                best = Layout { s_.LetterGrid, s_.WordEntries, s_.PlacementOrder, cell };
        }
        if (Tick())
            break;
    }
    if (best) {
        s_.LetterGrid = std::move(best->letters);
        s_.WordEntries = std::move(best->entries);
        s_.PlacementOrder = std::move(best->order);
        s_.TimedOut = false; // a whole grid is kept
    } else {
        bool done = false;
        if (!s_.TimedOut) {
            // Long lists, long words: the layout search, on every core.
            FillInChains chains(forms(), random_);
            done = chains.Run([this] { return Tick(); });
            WriteFillInLayout(chains.Result());
        }
        if (!done) {
            // The grid as far as it went is shown, and printed if the teacher
            // wants it: as a pupil's grid, its letters hidden but the one given.
            RebuildRevealChoices();
            return false;
        }
    }
    MoveToCorner();
    RebuildRevealChoices();
    FitFillInToRoom();
    return true;
}

// The rows and columns the grid's letters span, wherever they lie.
std::pair<int, int> PuzzleEngine::FillInExtent() const
{
    int top = s_.GridLast + 1, left = s_.GridLast + 1, bottom = -1, right = -1;
    for (int y = 0; y <= s_.GridLast; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            if (!s_.LetterGrid.at(x, y).isEmpty()) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
        }
    }
    return bottom < 0 ? std::pair(0, 0) : std::pair(bottom - top + 1, right - left + 1);
}

// The cells the grid would have in its room, turned when that is larger
// (half a page beside its list when no room is given).
double PuzzleEngine::FillInCellInRoom() const
{
    const auto [rows, columns] = FillInExtent();
    if (rows == 0)
        return 0.0;
    const double width = roomWidth_ > 0.0 ? roomWidth_ : 140.0, height = roomHeight_ > 0.0 ? roomHeight_ : 115.0;
    return std::max(std::min(height / rows, width / columns), std::min(height / columns, width / rows));
}

// A grid of r rows and c columns gets cells of min(height / r, width / c) at
// most: turned, min(height / c, width / r). The grid is turned when that is
// larger; a valid grid stays valid, every rule being the same across and down.
void PuzzleEngine::FitFillInToRoom()
{
    if (roomWidth_ <= 0.0 || roomHeight_ <= 0.0)
        return;
    const auto [rows, columns] = FillInExtent();
    if (rows == 0 || std::min(roomHeight_ / columns, roomWidth_ / rows) <= std::min(roomHeight_ / rows, roomWidth_ / columns))
        return;
    for (int y = 0; y <= s_.GridLast; ++y)
        for (int x = 0; x <= s_.GridLast; ++x)
            s_.WorkGrid.at(x, y) = s_.LetterGrid.at(x, y);
    for (int y = 0; y <= s_.GridLast; ++y)
        for (int x = 0; x <= s_.GridLast; ++x)
            s_.LetterGrid.at(x, y) = s_.WorkGrid.at(y, x);
    for (WordEntry& e : s_.WordEntries) {
        if (e.gridText.isEmpty())
            continue;
        std::swap(e.x, e.y);
        e.direction = std::int16_t(e.direction == 2 ? 0 : 2);
    }
}

// The best layout of the search into the grid, its top-left letter at the
// corner: PlacementOrder lists the words in the order they were placed, then
// those left out (their entries stay empty).
void PuzzleEngine::WriteFillInLayout(const FillInLayout& layout)
{
    const int count = s_.WordCount;
    s_.ClearGrids();
    s_.WordEntries = QList<WordEntry>(count);
    s_.PlacementOrder.clear();
    std::vector<bool> listed(count, false);
    std::vector<int> order = layout.BestOrder();
    for (int w : order)
        listed[w] = true;
    for (int w = 0; w < count; ++w)
        if (!listed[w])
            order.push_back(w);
    const auto [minX, minY] = layout.BestCorner();
    for (int i = 0; i < count; ++i) {
        const int w = order[i];
        s_.PlacementOrder.append({ s_.WordsByLength[w].text, 0 });
        const FillInLayout::Placement p = layout.Best()[w];
        if (!p.placed)
            continue;
        WordEntry& e = s_.WordEntries[i];
        e.x = std::int16_t(p.x - minX);
        e.y = std::int16_t(p.y - minY);
        e.direction = std::int16_t(p.down ? 2 : 0);
        e.gridText = prepared_.byLengthForms[w];
        const DirectionStep d = kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k)
            s_.LetterGrid.at(e.x + k * d.dx, e.y + k * d.dy) = QString(e.gridText[k]);
    }
}

bool PuzzleEngine::TryFillInAttempt()
{
    const int count = s_.WordCount;
    s_.ClearGrids();
    s_.WordEntries = QList<WordEntry>(count);

    // The longest word first, then the others in a random order.
    QList<bool> taken(count, false);
    s_.PlacementOrder.clear();
    s_.PlacementOrder.append({ s_.WordsByLength[0].text, 0 });
    QStringList forms { prepared_.byLengthForms[0] }; // grid forms, in placement order
    taken[0] = true;
    for (int slot = 1; slot < count; ++slot) {
        int r;
        for (;;) {
            r = random_.Below(count - 1) + 1;
            if (!taken[r])
                break;
            Tick();
        }
        taken[r] = true;
        s_.PlacementOrder.append({ s_.WordsByLength[r].text, 0 });
        forms.append(prepared_.byLengthForms[r]);
    }

    QList<bool> placed(count, false);
    // Tries every placed word, the latest first, as a partner for word i.
    auto cross = [&](int i, const QString& w) {
        for (int j = count - 1; j >= 0; --j) {
            if (j != i && placed[j] && CrossWith(w, forms[j], j))
                return true;
        }
        return false;
    };
    QList<int> pending;
    for (int i = 0; i < count; ++i) {
        const QString& w = forms[i];
        const int n = int(w.size());
        word_ = w;
        last_ = n; // the cell after the word is checked and kept empty
        entry_ = i;
        if (i == 0) {
            if (random_.CoinToss()) {
                x_ = random_.RandomInt(0, s_.GridLast - (n - 1));
                y_ = random_.RandomInt(0, s_.GridLast);
                placed[i] = PlaceWord(0, 1, 0);
            } else {
                x_ = random_.RandomInt(0, s_.GridLast);
                y_ = random_.RandomInt(0, s_.GridLast - (n - 1));
                placed[i] = PlaceWord(2, 0, 1);
            }
            if (!placed[i])
                return false;
        } else {
            placed[i] = cross(i, w);
            // A word that found no crossing yet waits for the words after it,
            // which may bring the letter it needs.
            if (!placed[i])
                pending.append(i);
        }
        if (Tick())
            return false;
    }
    bool progress = true;
    while (!pending.isEmpty() && progress) {
        progress = false;
        for (int k = 0; k < pending.size(); ++k) {
            const int i = pending[k];
            entry_ = i;
            if (cross(i, forms[i])) {
                placed[i] = true;
                pending.removeAt(k--);
                progress = true;
            }
        }
        if (Tick())
            return false;
    }
    return pending.isEmpty();
}

// Tries to cross the new word w with the earlier word j of the placement
// order (grid form e), on each letter they share (its first place in j,
// paired with its first place in w).
bool PuzzleEngine::CrossWith(const QString& w, const QString& e, int j)
{
    const WordEntry E = s_.WordEntries[j];
    const int n = int(w.size());
    const int m = int(e.size());

    QList<int> table(m, -1);
    QString common;
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < m; ++b) {
            if (e[b] == w[a] && !common.contains(w[a])) {
                table[b] = a;
                common.append(w[a]);
            }
        }
    }
    if (common.isEmpty())
        return false;

    last_ = n;
    word_ = w;
    if (E.direction != 0 && E.direction != 2)
        return false;

    // The new word goes across the earlier one: down through a horizontal
    // word, across a vertical one. Both cases are one, seen in the new word's
    // frame: p runs along the new word, q across it.
    const bool down = E.direction == 0;
    auto filled = [this, down](int q, int p) {
        return !(down ? s_.LetterGrid.at(q, p) : s_.LetterGrid.at(p, q)).isEmpty();
    };
    const int eq = down ? E.x : E.y; // where the earlier word starts, across the new one
    const int ep = down ? E.y : E.x; // the line of the earlier word, along the new one

    // Every start is checked where the new word would lie: its sides, the cell
    // before it and the cell after it, which must fall inside the area.
    for (int b = 0; b < m; ++b) {
        if (table[b] < 0)
            continue;
        const int q = eq + b;
        const int p = ep - table[b];
        if (q < 0 || p < 0 || p + n >= s_.GridSize)
            continue;
        // Every cell but the crossing is empty: a letter there would belong
        // to a word along the same line, or to one crossing right beside.
        bool blocked = false;
        for (int k = 0; k < n && !blocked; ++k) {
            if (p + k == ep)
                continue; // the crossing itself
            if (filled(q, p + k) || (q > 0 && filled(q - 1, p + k)) || (q < s_.GridSize && filled(q + 1, p + k)))
                blocked = true;
        }
        if (!blocked && ((p > 0 && filled(q, p - 1)) || filled(q, p + n)))
            blocked = true;
        if (blocked)
            continue;
        x_ = down ? q : p;
        y_ = down ? p : q;
        if (down ? PlaceWord(2, 0, 1) : PlaceWord(0, 1, 0))
            return true;
    }
    return false;
}

void PuzzleEngine::RebuildRevealChoices()
{
    const QString remembered = settings_.revealChoice;
    s_.RevealChoices.clear();
    s_.RevealChoices.append({ QStringLiteral("(?)"), 0 });
    for (int k = 0; k < 26; ++k) {
        if (s_.LetterCounts[k] > 0)
            s_.RevealChoices.append({ QString(QChar(u'A' + k)), 0 });
    }
    int index = 0;
    for (int i = 0; i < s_.RevealChoices.size(); ++i) {
        if (s_.RevealChoices[i].text.compare(remembered, Qt::CaseInsensitive) == 0) {
            index = i;
            break;
        }
    }
    RevealFillInLetter(index);
}

void PuzzleEngine::RevealFillInLetter(int index)
{
    if (index < 0 || index >= s_.RevealChoices.size()) {
        settings_.revealChoice.clear();
        s_.RevealedLetters.clear();
        return;
    }
    settings_.revealChoice = s_.RevealChoices[index].text;
    if (index == 0) {
        // A letter that occurs at least three times in the words; when none
        // does, the most frequent one (the first in A to Z order on a tie).
        int most = -1;
        bool anyThree = false;
        for (int k = 0; k < 26; ++k) {
            if (s_.LetterCounts[k] >= 1 && (most < 0 || s_.LetterCounts[k] > s_.LetterCounts[most]))
                most = k;
            anyThree = anyThree || s_.LetterCounts[k] > 2;
        }
        if (most < 0) {
            s_.RevealedLetters.clear();
            return;
        }
        int k = most;
        if (anyThree) {
            for (;;) {
                k = random_.Below(26);
                if (s_.LetterCounts[k] > 2)
                    break;
                Tick();
            }
        }
        s_.RevealedLetters = QString(QChar(u'A' + k));
    } else {
        s_.RevealedLetters = s_.RevealChoices[index].text.toUpper();
    }
    for (int y = 0; y <= s_.GridLast; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            QString& cell = s_.LetterGrid.at(x, y);
            if (cell.isEmpty())
                continue;
            cell = cell.toUpper() == s_.RevealedLetters ? cell.toUpper() : cell.toLower();
        }
    }
}

void PuzzleEngine::MoveToCorner()
{
    int minY = -1;
    for (int y = 0; y <= s_.GridLast && minY < 0; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            if (!s_.LetterGrid.at(x, y).isEmpty()) {
                minY = y;
                break;
            }
        }
    }
    int minX = -1;
    for (int x = 0; x <= s_.GridLast && minX < 0; ++x) {
        for (int y = 0; y <= s_.GridLast; ++y) {
            if (!s_.LetterGrid.at(x, y).isEmpty()) {
                minX = x;
                break;
            }
        }
    }
    if (minX < 0 || minY < 0)
        return;
    for (int y = 0; y <= s_.GridLast; ++y)
        for (int x = 0; x <= s_.GridLast; ++x)
            s_.WorkGrid.at(x, y) = s_.LetterGrid.at(x, y);
    s_.LetterGrid.clear();
    for (int y = minY; y <= s_.GridLast; ++y)
        for (int x = minX; x <= s_.GridLast; ++x)
            s_.LetterGrid.at(x - minX, y - minY) = s_.WorkGrid.at(x, y);
    for (WordEntry& e : s_.WordEntries) {
        e.x = std::int16_t(e.x - minX);
        e.y = std::int16_t(e.y - minY);
    }
}

} // namespace lx
