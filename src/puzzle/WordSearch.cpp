// Word-search placement: each word, longest first, is tried from a random start
// cell in a random allowed direction until it fits or the time limit is reached.
#include "puzzle/Engine.h"

#include "words/WordForms.h"

namespace lx {

namespace {

// The direction codes that each direction box allows; the diagonal boxes try
// a second code from the same start cell when the first one fails.
struct BoxDirections {
    int first;
    int second; // -1 when the box has one direction only
};
constexpr BoxDirections kBoxDirections[6] = {
    { 0, -1 }, { 1, -1 }, { 2, -1 }, { 3, -1 }, { 4, 5 }, { 6, 7 },
};

} // namespace

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

bool PuzzleEngine::PlaceWordSearchWords()
{
    std::array<bool, 6> enabled = settings_.directions;
    enabled[0] = true;
    s_.CodesAreNumbers = true;
    const int count = std::min<int>(s_.WordCount, int(s_.WordsByLength.size()));
    // The words placed first can leave no room for a later one. When a word
    // has failed from far more random starts than the grid has cells and
    // directions, the grid is started afresh instead of waiting for the limit.
    const int restartAfter = 10 * 6 * s_.GridSize * s_.GridSize;
    for (int i = 0; i < count; ++i) {
        word_ = ToGridForm(s_.WordsByLength[i].text);
        last_ = int(word_.size()) - 1;
        entry_ = i;
        int failures = 0;
        for (;;) {
            x_ = random_.Below(s_.GridSize);
            y_ = random_.Below(s_.GridSize);
            int box;
            for (;;) {
                box = random_.Below(6);
                if (enabled[box])
                    break;
                Tick();
            }
            const BoxDirections dirs = kBoxDirections[box];
            bool placed = PlaceWord(dirs.first, kDirectionSteps[dirs.first].dx, kDirectionSteps[dirs.first].dy);
            if (!placed && dirs.second >= 0)
                placed = PlaceWord(dirs.second, kDirectionSteps[dirs.second].dx, kDirectionSteps[dirs.second].dy);
            if (placed) {
                if (s_.TimedOut)
                    return false;
                break;
            }
            if (Tick())
                return false;
            if (++failures >= restartAfter && i > 0) {
                s_.ClearGrids();
                s_.WordEntries = QList<WordEntry>(s_.WordCount);
                i = -1;
                break;
            }
        }
    }
    return !s_.TimedOut;
}

} // namespace lx
