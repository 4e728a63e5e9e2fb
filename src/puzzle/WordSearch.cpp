// The word search's grid and readings, and the placement of one word: a word
// is refused where its letters, with the letters already in the grid, would
// spell a listed word a second time or an unfit word (no filler letter could
// mend that). Where each word goes: WordSearchPlacement.cpp.
#include "puzzle/Engine.h"

#include "words/WordForms.h"

#include <algorithm>

namespace lx {

namespace {

std::u16string reversed(const std::u16string& s)
{
    return std::u16string(s.rbegin(), s.rend());
}

} // namespace

// ---- The search grid ----------------------------------------------------

void SearchGrid::Reset(int newSide)
{
    side = newSide;
    letter.fill(0);
    filler.fill(false);
    for (auto& a : along)
        a.fill(-1);
}

// ---- The readings ---------------------------------------------------------

void ReadingFinder::SetUnfitWords(const QStringList& gridForms)
{
    unfit_.clear();
    for (const QString& w : gridForms)
        unfit_.push_back(w.toStdU16String());
    Rebuild();
}

void ReadingFinder::SetListedWords(const std::vector<std::u16string>& gridForms)
{
    if (gridForms == listed_)
        return;
    listed_ = gridForms;
    Rebuild();
}

void ReadingFinder::Add(const std::u16string& text, int entry)
{
    // A word of one letter is every cell of that letter: it cannot be avoided.
    if (text.size() < 2)
        return;
    auto add = [this, entry](const std::u16string& t) {
        Pattern p { std::int32_t(chars_.size()), std::int16_t(t.size()), std::int16_t(entry), -1 };
        chars_.insert(chars_.end(), t.begin(), t.end());
        const int b = Bucket(t[0], t[1]);
        const unsigned pair = Code(t[0]) * kCodes + Code(t[1]);
        if (t.size() == 2)
            pairs_[pair >> 6] |= std::uint64_t(1) << (pair & 63);
        else {
            const unsigned triple = pair * kCodes + Code(t[2]);
            triples_[triple >> 6] |= std::uint64_t(1) << (triple & 63);
        }
        p.next = head_[b];
        head_[b] = std::int32_t(patterns_.size());
        patterns_.push_back(p);
    };
    add(text);
    const std::u16string back = reversed(text);
    if (back != text)
        add(back);
    longest_ = std::max(longest_, int(text.size()));
}

void ReadingFinder::Rebuild()
{
    chars_.clear();
    patterns_.clear();
    head_.fill(-1);
    pairs_.assign((kCodes * kCodes + 63) / 64, 0);
    triples_.assign((kCodes * kCodes * kCodes + 63) / 64, 0);
    longest_ = 0;
    for (const std::u16string& w : unfit_)
        Add(w, -1);
    sameAs_.assign(listed_.size(), 0);
    for (int i = 0; i < int(listed_.size()); ++i) {
        sameAs_[i] = i;
        for (int j = 0; j < i; ++j) {
            if (listed_[j] == listed_[i]) {
                sameAs_[i] = sameAs_[j];
                break;
            }
        }
        Add(listed_[i], i);
    }
}

bool ReadingFinder::Allowed(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line,
                            const Pattern& p) const
{
    const int step = SearchGrid::kLineStep[line];
    // Inside the cells of one word (its own, or a longer word that contains it).
    const int word = g.along[line][first];
    if (word >= 0) {
        int cell = first + step;
        int k = 1;
        while (k < p.length && g.along[line][cell] == word) {
            ++k;
            cell += step;
        }
        if (k == p.length)
            return true;
    }
    if (p.entry < 0)
        return false;
    // On the cells of a listed word of the same grid form, read either way,
    // even where another word runs over part of them along the same line.
    const int last = first + (p.length - 1) * step;
    for (int j = 0; j < int(placed.size()); ++j) {
        const PlacedWord& w = placed[j];
        if (sameAs_[j] != sameAs_[p.entry] || w.first < 0 || w.length != p.length)
            continue;
        if ((w.first == first && w.step == step) || (w.first == last && w.step == -step))
            return true;
    }
    return false;
}

// ---- Placement ------------------------------------------------------------

bool PuzzleEngine::PlaceWord(int code, int dx, int dy)
{
    const int endX = x_ + last_ * dx;
    const int endY = y_ + last_ * dy;
    if (endX < 0 || endX >= s_.GridSize || endY < 0 || endY >= s_.GridSize)
        return false;
    if (x_ < 0 || y_ < 0 || x_ >= s_.GridSize || y_ >= s_.GridSize)
        return false;
    auto letterAt = [this](int k) { return k < word_.size() ? QString(word_[k]) : QString(); };
    bool ownCell = word_.isEmpty();
    for (int k = 0; k <= last_; ++k) {
        const QString& cell = s_.LetterGrid.at(x_ + k * dx, y_ + k * dy);
        // A cell holding the same letter is shared by the two words.
        if (!cell.isEmpty() && cell != letterAt(k))
            return false;
        ownCell = ownCell || (k < word_.size() && cell.isEmpty());
    }
    // A word lying wholly on the letters of another ("chat" inside "chaton")
    // could not be found on its own.
    if (!ownCell)
        return false;
    for (int k = 0; k <= last_; ++k)
        s_.LetterGrid.at(x_ + k * dx, y_ + k * dy) = letterAt(k);
    WordEntry& entry = s_.WordEntries[entry_];
    entry.x = std::int16_t(x_);
    entry.y = std::int16_t(y_);
    entry.direction = std::int16_t(code);
    entry.gridText = word_;
    return true;
}

// Writes word i from its first cell, then looks at the readings through its
// new cells: a word that spells an unwanted reading with the letters already
// there is taken back, since no filler letter could mend it.
bool PuzzleEngine::PlaceSearchWord(int i, int first, int code)
{
    const std::u16string& w = forms()[i];
    const int n = int(w.size());
    const int step = SearchGrid::kStep[code];
    const int line = SearchGrid::kLine[code];
    auto& along = grid_.along[line];
    std::array<int, SearchGrid::kMaxSide> fresh;
    std::array<std::int16_t, SearchGrid::kMaxSide> before;
    int freshCount = 0;
    for (int k = 0, cell = first; k < n; ++k, cell += step) {
        before[k] = along[cell];
        along[cell] = std::int16_t(i);
        if (!grid_.letter[cell]) {
            grid_.letter[cell] = w[k];
            fresh[freshCount++] = cell;
        }
    }
    placed_[i] = PlacedWord { first, step, line, n, code };
    auto none = [](const ReadingFinder::Reading&) {};
    const int lineFirst = step == SearchGrid::kLineStep[line] ? first : first + (n - 1) * step;
    if (readings_.ReadAlong(grid_, placed_, lineFirst, line, n, none) > 0
        || readings_.ReadThrough(grid_, placed_, fresh.data(), freshCount, line, none) > 0) {
        for (int k = 0; k < freshCount; ++k)
            grid_.letter[fresh[k]] = 0;
        for (int k = 0, cell = first; k < n; ++k, cell += step)
            along[cell] = before[k];
        placed_[i] = PlacedWord {};
        return false;
    }
    return true;
}

// Writes the search grid into LetterGrid: word letters upper case, filler
// letters lower case.
void PuzzleEngine::WriteSearchLetters()
{
    // One-letter strings over static characters: copying them into the
    // cells shares them without any reference count.
    static const char16_t chars[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    static const std::array<QString, 52> letters = [] {
        std::array<QString, 52> t;
        for (int k = 0; k < 52; ++k)
            t[k] = QString::fromRawData(reinterpret_cast<const QChar*>(chars + k), 1);
        return t;
    }();
    for (int y = 0; y < grid_.side; ++y) {
        for (int x = 0; x < grid_.side; ++x) {
            const int cell = SearchGrid::Cell(x, y);
            const char16_t c = grid_.letter[cell];
            QString& out = s_.LetterGrid.at(x, y);
            if (!c)
                out = QString();
            else if (c >= u'A' && c <= u'Z')
                out = QString(letters[(grid_.filler[cell] ? 26 : 0) + (c - u'A')]);
            else
                out = QString(QChar(c));
        }
    }
}

// The word entries of the words placed in the search grid.
void PuzzleEngine::WriteSearchEntries()
{
    for (int i = 0; i < int(placed_.size()) && i < s_.WordEntries.size(); ++i) {
        const PlacedWord& p = placed_[i];
        WordEntry& e = s_.WordEntries[i];
        if (p.first < 0) {
            e = WordEntry {};
            continue;
        }
        e.x = std::int16_t(SearchGrid::X(p.first));
        e.y = std::int16_t(SearchGrid::Y(p.first));
        e.direction = std::int16_t(p.code);
        e.gridText = prepared_.byLengthForms[i];
    }
}

} // namespace lx
