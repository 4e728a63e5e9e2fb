// The free cells of a word search: random letters of the words, or the
// teacher's hidden message read in order once every word is crossed out.
//
// Filler letters must not mislead the pupil: a listed word read a second time
// (ÂNE, RAT spelled again by chance) or an unfit word (the program folder's
// list) is a fault of the grid. Random filler letters of such a reading are
// drawn again; the words themselves never make one (their placement refuses
// it). The hidden message cannot be redrawn, so other layouts of the words are
// tried and the one with the fewest such readings is kept; among those, the
// first whose free cells number exactly the message's letters (the words are
// laid to share just enough cells, see MessageLayout.cpp).
#include "puzzle/Engine.h"

#include "core/Plural.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include "core/TextFile.h"

#include <algorithm>

#include <cstdlib>
#include <limits>

namespace lx {

namespace {

QString messageLetters(const QString& messageText)
{
    return LettersOnly(messageText).toLower();
}

// Rounds of redrawing before a layout is given up: a reading that keeps
// coming back means the letters of the words leave the filler no way out.
constexpr int kMendRounds = 40;

} // namespace

// The message letters, or the letters the random filler draws from: every
// letter of the words as often as it occurs in them, so that the filler has
// the words' look (no more Q, Y, Z, W, X than the words hold).
void PuzzleEngine::PrepareFiller()
{
    if (!settings_.randomFill) {
        s_.MessageText = settings_.message.trimmed();
        s_.MessageLetters = messageLetters(s_.MessageText);
        if (settings_.shuffleMessage)
            s_.MessageLetters = ShuffleText(s_.MessageLetters);
    }
    fillerLetters_.clear();
    for (int k = 0; k < 26; ++k)
        fillerLetters_.insert(fillerLetters_.end(), std::max(0, int(s_.LetterCounts[k])), char16_t(u'A' + k));
}

// Fills the empty cells of the search grid in reading order.
void PuzzleEngine::DrawFiller()
{
    const bool randomFill = settings_.randomFill;
    const int letters = int(fillerLetters_.size());
    freeCells_.clear();
    int p = 0;
    for (int y = 0; y < grid_.side; ++y) {
        for (int x = 0; x < grid_.side; ++x) {
            const int cell = SearchGrid::Cell(x, y);
            if (grid_.letter[cell])
                continue;
            freeCells_.push_back(cell);
            char16_t c = 0;
            if (randomFill) {
                // A selection without any letter A to Z leaves the cell empty.
                if (letters > 0)
                    c = fillerLetters_[random_.Below(letters)];
            } else if (p < s_.MessageLetters.size()) {
                c = QChar(s_.MessageLetters[p]).toUpper().unicode();
            }
            ++p;
            grid_.letter[cell] = c;
            grid_.filler[cell] = c != 0;
        }
    }
}

// Draws again the filler letters of every unwanted reading, then looks only
// around the cells drawn, until no reading is left. Returns the readings left.
int PuzzleEngine::MendFiller()
{
    const int letters = int(fillerLetters_.size());
    bool stuck = false;
    auto collect = [this, &stuck](const ReadingFinder::Reading& r) {
        const int step = SearchGrid::kLineStep[r.line];
        bool any = false;
        for (int k = 0, cell = r.first; k < r.length; ++k, cell += step) {
            if (!grid_.filler[cell])
                continue;
            any = true;
            if (stamp_[cell] != stampNow_) {
                stamp_[cell] = stampNow_;
                redraw_.push_back(cell);
            }
        }
        stuck = stuck || !any;
    };
    ++stampNow_;
    redraw_.clear();
    int bad = readings_.ReadAll(grid_, placed_, collect);
    for (int round = 0; bad > 0 && round < kMendRounds && !stuck && letters > 0; ++round) {
        for (int cell : redraw_)
            grid_.letter[cell] = fillerLetters_[random_.Below(letters)];
        drawn_.swap(redraw_);
        ++stampNow_;
        redraw_.clear();
        bad = readings_.ReadThrough(grid_, placed_, drawn_.data(), int(drawn_.size()), -1, collect);
        if (Tick())
            break;
    }
    if (bad > 0) {
        // Counted once each, for comparing layouts.
        bad = readings_.ReadAll(grid_, placed_, [](const ReadingFinder::Reading&) {});
    }
    return bad;
}

// Places the words and fills the free cells; with the hidden message, or when
// the random filler cannot avoid a reading, other layouts are tried and the
// best one kept: the fewest unwanted readings, then (hidden message) the free
// cells nearest to the message's letter count. False when the time limit ends
// it before any layout is done.
bool PuzzleEngine::GenerateWordSearch()
{
    readings_.SetListedWords(forms());
    PrepareFiller();
    const bool randomFill = settings_.randomFill;
    const int layouts = std::max(1, randomFill ? randomLayouts_ : messageLayouts_);
    // Hidden message: the cells the words should share for the message to fill
    // the free cells exactly. A message shorter than the free cells left when
    // no cell is shared comes nearest with no cell shared.
    int letters = 0;
    for (int i = 0; i < std::min<int>(s_.WordCount, int(forms().size())); ++i)
        letters += int(forms()[i].size());
    const int messageLength = int(s_.MessageLetters.size());
    const int unshared = s_.GridSize * s_.GridSize - letters;
    const int wanted = messageLength - unshared;
    const int nearest = randomFill ? 0 : std::max(0, -wanted);
    // What the placement aims at: in a crowded grid the last words may find
    // no place but over other letters, so a layout that shared more (or less)
    // than wanted makes the next one aim lower (or higher).
    int aim = std::max(0, wanted);
    constexpr int kNone = std::numeric_limits<int>::max();
    int bestBad = kNone;
    int bestGap = kNone;
    bool lastIsBest = false;
    SearchGrid best;
    std::vector<PlacedWord> bestPlaced;
    for (int layout = 0; layout < layouts; ++layout) {
        if (!(randomFill ? PlaceWordSearchWords() : PlaceWordsForMessage(aim))) {
            lastIsBest = false; // the time limit, amid the placement
            break;
        }
        DrawFiller();
        const int bad = randomFill ? MendFiller()
                                   : readings_.ReadAll(grid_, placed_, [](const ReadingFinder::Reading&) {});
        const int gap = randomFill ? 0 : std::abs(int(freeCells_.size()) - messageLength);
        aim = std::max(0, aim + messageLength - int(freeCells_.size()));
        const bool done = bad == 0 && gap <= nearest;
        lastIsBest = bad < bestBad || (bad == bestBad && gap < bestGap);
        if (lastIsBest) {
            bestBad = bad;
            bestGap = gap;
            if (!done) {
                best = grid_;
                bestPlaced = placed_;
            }
        }
        if (done || Tick())
            break;
    }
    if (bestBad == kNone) {
        // The time limit came first: the words placed so far, no filler.
        WriteSearchLetters();
        WriteSearchEntries();
        return false;
    }
    if (!lastIsBest) {
        grid_ = best;
        placed_ = bestPlaced;
    }
    s_.TimedOut = false;
    WriteSearchLetters();
    WriteSearchEntries();
    int empty = 0;
    for (int y = 0; y < grid_.side; ++y)
        for (int x = 0; x < grid_.side; ++x) {
            const int cell = SearchGrid::Cell(x, y);
            empty += grid_.filler[cell] || !grid_.letter[cell] ? 1 : 0;
        }
    s_.EmptyCellCount = std::int16_t(empty);
    if (randomFill)
        s_.BalanceLabel = {};
    else
        ShowLetterBalance();
    return true;
}

// The search grid from the puzzle as it stands (a grid read from a file, or
// built by hand): the words where their entries say, every other letter kept.
void PuzzleEngine::LoadSearchGrid()
{
    const int side = std::min(s_.GridSize, int(SearchGrid::kMaxSide));
    grid_.Reset(side);
    std::vector<std::u16string> forms;
    placed_.clear();
    for (const WordEntry& e : std::as_const(s_.WordEntries)) {
        forms.push_back(e.gridText.toStdU16String());
        PlacedWord p;
        const int n = int(e.gridText.size());
        // A direction out of 0..7 (a damaged file) places nothing.
        const bool known = e.direction >= 0 && e.direction < 8;
        const DirectionStep d = kDirectionSteps[known ? e.direction : 0];
        const bool inside = known && n > 0 && e.x >= 0 && e.y >= 0 && e.x < side && e.y < side
            && e.x + (n - 1) * d.dx >= 0 && e.x + (n - 1) * d.dx < side && e.y + (n - 1) * d.dy >= 0
            && e.y + (n - 1) * d.dy < side;
        if (inside) {
            p = PlacedWord { SearchGrid::Cell(e.x, e.y), SearchGrid::kStep[e.direction], SearchGrid::kLine[e.direction],
                             n, e.direction };
            for (int k = 0, cell = p.first; k < n; ++k, cell += p.step)
                grid_.along[p.line][cell] = std::int16_t(placed_.size());
        }
        placed_.push_back(p);
    }
    readings_.SetListedWords(forms);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QString& cell = s_.LetterGrid.at(x, y);
            if (cell.isEmpty())
                continue;
            const int c = SearchGrid::Cell(x, y);
            grid_.letter[c] = cell[0].toUpper().unicode();
            grid_.filler[c] = PuzzleState::IsFillerCell(cell);
        }
    }
}

void PuzzleEngine::FillFreeCells()
{
    LoadSearchGrid();
    PrepareFiller();
    DrawFiller();
    if (settings_.randomFill)
        MendFiller();
    WriteSearchLetters();
    s_.EmptyCellCount = std::int16_t(freeCells_.size());
    if (settings_.randomFill)
        s_.BalanceLabel = {};
    else
        ShowLetterBalance();
}

void PuzzleEngine::RecountLetterBalance()
{
    s_.MessageLetters = messageLetters(s_.MessageText);
    s_.EmptyCellCount = std::int16_t(s_.FillerCellCount(s_.GridLast + 1));
    ShowLetterBalance();
}

void PuzzleEngine::ShowLetterBalance()
{
    LetterBalanceLabel& label = s_.BalanceLabel;
    if (!s_.MessageLetters.isEmpty()) {
        s_.LetterBalance = std::int16_t(s_.EmptyCellCount - s_.MessageLetters.size());
        label.text = QString::number(s_.LetterBalance) + QLatin1Char('/') + QString::number(s_.EmptyCellCount);
        if (s_.LetterBalance > 0) {
            label.colour = BalanceColour::Red;
            label.explanation = QStringLiteral("Il manque ") + PluralLabel(s_.LetterBalance, QStringLiteral("lettre"), true);
        } else if (s_.LetterBalance < 0) {
            label.colour = BalanceColour::Red;
            label.explanation = QStringLiteral("Il y a ") + PluralLabel(-s_.LetterBalance, QStringLiteral("lettre"), true)
                + QStringLiteral(" de trop");
        } else {
            label.colour = BalanceColour::Green;
            label.explanation.clear();
        }
    } else {
        label.text = QString::number(s_.EmptyCellCount) + QLatin1Char('/') + QString::number(s_.EmptyCellCount);
        label.colour = BalanceColour::Green;
        label.explanation = QStringLiteral("Il n'y a aucune lettre");
    }
}

void PuzzleEngine::RefillMessage(const QString& text)
{
    settings_.message = text;
    s_.MessageText = text.trimmed();
    if (settings_.randomFill) {
        s_.BalanceLabel.text.clear();
        s_.BalanceLabel.colour = BalanceColour::Green;
        return;
    }
    // Only a word-search grid has free cells: the lower-case letters of the
    // other game types are the pupil's letters and must never be overwritten.
    if (settings_.gameType != GameType::WordSearch)
        return;
    s_.MessageLetters = messageLetters(s_.MessageText);
    if (settings_.shuffleMessage)
        s_.MessageLetters = ShuffleText(s_.MessageLetters);
    int p = 0;
    int empty = 0;
    for (int y = 0; y <= s_.GridLast; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            QString& cell = s_.LetterGrid.at(x, y);
            if (!PuzzleState::IsFillerCell(cell))
                continue;
            cell = p < s_.MessageLetters.size() ? QString(s_.MessageLetters[p]) : QString();
            ++p;
            ++empty;
        }
    }
    s_.EmptyCellCount = std::int16_t(empty);
    ShowLetterBalance();
}

void PuzzleEngine::SetRandomFill(bool randomFill)
{
    settings_.randomFill = randomFill;
    if (!randomFill)
        ShowLetterBalance();
    RefillMessage(settings_.message);
}

} // namespace lx
