#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <type_traits>

namespace lx {

// The game types, numbered as the game-type option buttons.
enum class GameType : std::int16_t {
    WordSearch = 0, // "Lexigrille"
    FillIn = 1,     // "Mots casés"
    CodedWords = 2, // "Mots codés"
};

QString GameTypeCaption(GameType type);

// Reading directions of a word: x grows to the right, y downwards.
struct DirectionStep {
    int dx;
    int dy;
};
inline constexpr std::array<DirectionStep, 8> kDirectionSteps { {
    { 1, 0 },   // 0 left to right
    { -1, 0 },  // 1 right to left
    { 0, 1 },   // 2 top to bottom
    { 0, -1 },  // 3 bottom to top
    { 1, 1 },   // 4 diagonal, left to right, downwards
    { 1, -1 },  // 5 diagonal, left to right, upwards
    { -1, 1 },  // 6 diagonal, right to left, downwards
    { -1, -1 }, // 7 diagonal, right to left, upwards
} };

// A square table of 31 x 31 cells addressed (x, y): x the column from the left,
// y the row from the top. Every grid of the puzzle has this full size; the game
// type decides how much of it is used.
template <typename T>
class Grid {
public:
    static constexpr int kSide = 31;

    T& at(int x, int y)
    {
        touched_ = true;
        return cells_[index(x, y)];
    }
    const T& at(int x, int y) const { return cells_[index(x, y)]; }
    // Empties every cell; a grid not written since it was last emptied (the
    // fill-in's scratch grid during a word search, say) is left as it is.
    void clear()
    {
        if (!touched_)
            return;
        if constexpr (std::is_same_v<T, QString>) {
            // Most cells are already empty: only the others are released.
            for (T& c : cells_)
                if (!c.isNull())
                    c = T {};
        } else {
            cells_.fill(T {});
        }
        touched_ = false;
    }
    static bool inside(int x, int y) { return x >= 0 && y >= 0 && x < kSide && y < kSide; }
    // Whether some cell meets the test ("a grid was made", "a code has no picture").
    template <typename Test>
    bool any(Test test) const
    {
        return std::any_of(cells_.begin(), cells_.end(), test);
    }
    bool operator==(const Grid& other) const { return cells_ == other.cells_; }

private:
    static int index(int x, int y)
    {
        Q_ASSERT(inside(x, y));
        return y * kSide + x;
    }
    std::array<T, kSide * kSide> cells_ {};
    bool touched_ = false; // written (or handed out for writing) since the last clear()
};

// One placed word: its first letter, its direction and its grid form. A word
// that could not be placed keeps (0, 0), direction 0 and an empty text.
struct WordEntry {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t direction = 0;
    QString gridText;
    bool operator==(const WordEntry&) const = default;
};

// Whether every cell of a placed word lies in a grid of side cells a side: a
// word of a damaged file, or of a grid of another size, is never drawn
// outside it.
inline bool EntryInside(const WordEntry& e, int length, int side)
{
    if (e.direction < 0 || e.direction > 7 || length < 1)
        return false;
    const DirectionStep step = kDirectionSteps[e.direction];
    const int lastX = e.x + (length - 1) * step.dx;
    const int lastY = e.y + (length - 1) * step.dy;
    const auto in = [side](int v) { return v >= 0 && v < side; };
    return in(e.x) && in(e.y) && in(lastX) && in(lastY);
}

// An item of an ordered word list with its integer tag.
struct TaggedItem {
    QString text;
    std::int32_t tag = 0;
    bool operator==(const TaggedItem&) const = default;
};
using TaggedList = QList<TaggedItem>;

// The colours of the letter-balance label of the hidden message.
enum class BalanceColour { Green, Red };

// The letter-balance label: its text, its colour and the explanation that the
// print command shows when the message does not fit.
struct LetterBalanceLabel {
    QString text;
    BalanceColour colour = BalanceColour::Green;
    QString explanation;
    bool operator==(const LetterBalanceLabel&) const = default;
};

// Coded words on paper: the first word row starts this many cells below the
// key row's top, and each next row this many cells below the one before, so
// that the words stand apart instead of reading as one block.
inline constexpr double kCodedFirstWordRow = 1.6;
inline constexpr double kCodedWordRowPitch = 1.35;

// The mark a coded word shows in the narrow empty cell that parts a compound
// word, so that the pupil writes it as it is spelt: its hyphen ("arc-en-ciel")
// or its apostrophe ("aujourd’hui"); a space shows nothing. The cell has no code.
inline bool IsCodedPartMark(QChar c)
{
    return c == u'-' || c == u'\u2019';
}

// The one in-memory record of the generated puzzle of the open document. The
// generators rebuild it, the option handlers adjust it in place, the renderer
// and the document file read it.
struct PuzzleState {
    static constexpr int kSide = Grid<QString>::kSide;

    GameType gameType = GameType::WordSearch;

    // Grid geometry.
    int GridSize = 12;
    int GridLast = 11;
    int RowsPerColumn = 0;

    // "" is a cell that holds nothing. Word search: upper case = word letter,
    // lower case = filler. Fill-in and coded words: upper case = revealed letter.
    Grid<QString> LetterGrid;
    Grid<QString> WorkGrid;
    Grid<std::int16_t> CodeGrid;

    QList<WordEntry> WordEntries;

    std::array<std::int16_t, 26> LetterCounts {};
    std::array<std::int16_t, 26> LetterCodes {};

    // Coded words.
    bool CodesAreNumbers = true;
    QString SymbolAlphabet;
    int DistinctLetterCount = 0;
    int RevealedCount = 0;
    QString RevealedLetters;

    // Hidden message.
    QString MessageText;
    QString MessageLetters;
    std::int16_t EmptyCellCount = 0;
    std::int16_t LetterBalance = 0;
    LetterBalanceLabel BalanceLabel;

    // Ordered word lists.
    TaggedList SelectedWords;  // checked words, alphabetical, case-insensitive
    TaggedList WordsByLength;  // longest first, tag = letter count
    TaggedList PlacementOrder; // fill-in order of placement
    TaggedList RevealChoices;  // "(?)" then the present letters
    TaggedList KeyCodes;       // zero-padded codes, tag = letter index

    int WordCount = 0;

    bool TimedOut = false;
    bool Aborted = false;
    // True while a word of the selection list is highlighted in the preview;
    // HighlightedWord is then the index of its WordEntries item.
    bool WordHighlighted = false;
    int HighlightedWord = -1;

    // Re-creates the three grids empty and clears the word highlight.
    void ClearGrids();
    // Re-creates the letter counts and codes as 26 zeros and clears the highlight.
    void ClearLetterTables();
    // Sets GridSize, GridLast and RowsPerColumn from the game type; a word
    // search takes its size from the grid-size setting.
    void SetGridDimensions(int gridSizeSetting);

    // A cell the filler may write: empty, or holding a filler letter (a to z,
    // always lower case). Word letters are upper case; a digit, a "!" or a
    // letter without a capital (ß) of a word is kept.
    static bool IsFillerCell(const QString& cell);
    // Those of the side x side corner of the letter grid.
    int FillerCellCount(int side) const;
};

// How coded words show their codes in a value mode: as pictures in the
// "Symboles" mode, unless a code of the grid has no picture (one drawn from a
// range of numbers before the mode changed); as numbers otherwise. The page,
// the document file and its reader all follow this one rule.
inline bool CodesShowAsNumbers(const PuzzleState& z, int valueMode)
{
    constexpr int kPictures = 26;
    return valueMode != 2 || z.CodeGrid.any([](std::int16_t code) { return code > kPictures; });
}

} // namespace lx
