#pragma once

#include "puzzle/GenerationClock.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/Random.h"
#include "puzzle/WordSearchGrid.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace lx {

class FillInLayout;

// The settings that the generators read, as the window's controls hold them.
struct PuzzleSettings {
    GameType gameType = GameType::WordSearch;
    int gridSize = 12; // 5 to 18, word search only
    // The six direction boxes: 0 left to right, 1 right to left, 2 top to bottom,
    // 3 bottom to top, 4 the left-to-right diagonals, 5 the right-to-left ones.
    std::array<bool, 6> directions { true, false, true, false, false, false };
    bool randomFill = true;      // "Aléatoires" (true) or "Définies" (the hidden message)
    QString message;             // the hidden message as typed
    bool shuffleMessage = false; // "Mélanger"
    // Text of the current item of the revealed-letter list; "" when none is current.
    QString revealChoice = QStringLiteral("(?)");
    int valueMode = 0;           // 0 "De 1 à 26", 1 between the bounds, 2 "Symboles"
    QString lowerBound = QStringLiteral("10");
    QString upperBound = QStringLiteral("99");
    // Coded words: the letters given in the key row (-1: a quarter of them, and one).
    int revealedLetters = -1;
    // The 26 code boxes of the coded words, A to Z ("" for a letter without code).
    std::array<QString, 26> letterCodeTexts {};
};

// One theme of the theme list as the generate command sees it.
struct ThemeInfo {
    QString name;
    bool selected = false;
    int wordCount = 0; // -1 when the theme has no word at the chosen levels
};

// Where the checked words come from.
struct ThemeSelection {
    // Number of selected themes; -1 while an external word list fills the selection.
    int selectedThemeCount = -1;
    bool themeListEnabled = false;
    QList<ThemeInfo> themes;
};

enum class GenerationOutcome {
    Generated,        // the puzzle is complete
    TooFewWords,      // fewer than five checked words: nothing happens
    NoThemeSelected,  // message; the focus goes to the word list
    ThemeWithoutWords,// message naming the theme; the focus goes to the theme list
    Declined,         // the grid-too-small question was answered No
    Refused,          // a word or a selection that can never fit: message
    TimedOut,         // the time limit ended the generation; the partial puzzle stays
};

struct GenerationResult {
    GenerationOutcome outcome = GenerationOutcome::Generated;
    QString message;       // the French message to show, when there is one
    bool gridSizeChanged = false;
    bool succeeded() const { return outcome == GenerationOutcome::Generated; }
};

// The generate command and the handlers that change the puzzle, free of
// widgets. The window owns one engine over its PuzzleState and settings.
class PuzzleEngine {
public:
    static constexpr int kMinimumWords = 5;
    static constexpr int kMinWordSearchSize = 5;
    static constexpr int kMaxWordSearchSize = 18;
    static constexpr int kMaxFillInLength = 19;
    static_assert(kMaxWordSearchSize <= SearchGrid::kMaxSide);

    PuzzleEngine(PuzzleState& state, PuzzleSettings& settings);

    RandomSource& Random() { return random_; }
    GenerationClock& Clock() { return clock_; }

    // A fixed seed makes every generation reproducible; without one the
    // source is seeded from the clock at every generation.
    void SetFixedSeed(std::optional<std::uint64_t> seed) { fixedSeed_ = seed; }
    std::uint64_t LastSeed() const { return random_.LastSeed(); }

    // The room a fill-in grid has on its page, in any unit: a finished grid
    // taller than wide in a room wider than tall (half a page) is turned a
    // quarter, across words becoming down words, and the other way round, so
    // that its cells can be larger. Without a room the grid stays as laid out.
    void SetFillInRoom(double width, double height) { roomWidth_ = width, roomHeight_ = height; }
    // A fill-in grid already made, turned a quarter when that suits a new
    // room better (as a grid made for that room would be).
    void FitFillInToRoom(double width, double height)
    {
        SetFillInRoom(width, height);
        if (s_.gameType == GameType::FillIn)
            FitFillInToRoom();
    }

    // The room coded words have on their page, in any unit: ten words or
    // fewer, listed in one column, go in two side by side when that gives
    // them larger cells there. Without a room they stay in one column.
    void SetCodedRoom(double width, double height) { codedRoomWidth_ = width, codedRoomHeight_ = height; }

    // The grid-too-small question (Yes = true). Without a handler the answer is Yes.
    void SetQuestionHandler(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }

    // Words that no word-search grid may show by chance (the program folder's
    // list of unfit words, see UnfitWords.h): the filler never spells one, in
    // any direction, outside a listed word that contains it. Kept across
    // generations; their grid forms are computed here once.
    void SetUnfitWords(const QStringList& words);
    // The grid forms kept (two letters or more, each once).
    const QStringList& UnfitWords() const { return unfitWords_; }

    // "Créer la grille": checkedWords in the order of the word selection list.
    GenerationResult Generate(const QStringList& checkedWords, ThemeSelection& themes);

    // Rebuilds the word lists from the checked words and empties the puzzle;
    // runs at every change of the word selection too.
    void PrepareWordLists(const QStringList& checkedWords);
    // The same word lists for a puzzle read from a file: the grids, the word
    // entries and the codes stay as they were read.
    void RebuildWordListsKeepingPuzzle(const QStringList& checkedWords);
    void CountLetters();
    // The grid forms of WordsByLength, longest first, as the lists were last built.
    const QStringList& GridForms() const { return prepared_.byLengthForms; }
    // The words of those lists, in their order, that can never join a fill-in
    // crossword (UnjoinedWords, FillInCheck.h).
    QStringList UnjoinedWords() const;

    // Word search.
    bool PlaceWord(int code, int dx, int dy);
    // The filler step on the grid as it stands: the free cells get random
    // letters of the words, drawn again where they would spell a listed word
    // a second time or an unfit word, or the hidden message.
    void FillFreeCells();
    void ShowLetterBalance();
    // The letter balance of a hidden message over the grid as it stands (a
    // document read back): its free cells against the message's letters.
    void RecountLetterBalance();
    // The hidden message was edited: the free cells follow at once.
    void RefillMessage(const QString& text);
    // The "Aléatoires"/"Définies" box changed.
    void SetRandomFill(bool randomFill);

    // Fill-in grid.
    void RebuildRevealChoices();
    // A click on the revealed-letter list (index -1: no current item).
    void RevealFillInLetter(int index);

    // Coded words.
    void AssignLetterCodes();
    bool IsCodeTaken(int k) const;

    // A permutation of the text that differs from it; a text whose characters
    // are all equal has no such permutation and is returned unchanged.
    QString ShuffleText(const QString& text);

    // The 26 symbol characters of the coded words, in their stored order.
    static QString SymbolCharacters();

    // Hidden message: the number of layouts tried for the one with the fewest
    // unwanted readings (the message cannot be changed, the words can move)
    // whose free cells hold the message exactly, or as nearly as can be.
    static constexpr int kMessageLayouts = 400;
    // Random filler: layouts tried before the one with the fewest readings
    // left is kept (only lists of a few letters get that far).
    static constexpr int kRandomLayouts = 60;
    // Fill-in: plain random attempts before the layout search takes over.
    // They lay out every list of ten words and most lists of twenty at once,
    // as they always did; a long list would spend its time on them.
    static constexpr int kRandomFillInAttempts = 64;
    // Fill-in: layouts found by those attempts compared before the one with
    // the largest cells is kept.
    static constexpr int kFillInLayoutsCompared = 16;
    // Other numbers of word-search layouts (a hidden message, random filler),
    // within the time limit all the same.
    void SetLayoutLimits(int messageLayouts, int randomLayouts)
    {
        messageLayouts_ = messageLayouts;
        randomLayouts_ = randomLayouts;
    }

private:
    bool GenerateWordSearch();
    void AssignBoxes(int count);
    // An empty grid of the chosen side, no word placed, the words' boxes
    // drawn: the start of every word-search layout. Returns how many words to lay.
    int StartWordSearchLayout();
    int ListBoxPlaces(int i, int box, std::vector<int>* places) const;
    bool PlaceWordSearchWords();
    bool PlaceWordsForMessage(int wanted);
    void FindWordPlaces(int i, const std::array<bool, 8>& codes);
    int FitSearchWord(int i, int x, int y, int code) const;
    bool PlaceSearchWord(int i, int first, int code);
    void PrepareFiller();
    void DrawFiller();
    int MendFiller();
    void LoadSearchGrid();
    void WriteSearchLetters();
    void WriteSearchEntries();
    bool GenerateFillIn();
    void WriteFillInLayout(const FillInLayout& layout);
    bool TryFillInAttempt();
    bool CrossWith(const QString& w, const QString& e, int j);
    void MoveToCorner();
    void FitFillInToRoom();
    std::pair<int, int> FillInExtent() const;
    double FillInCellInRoom() const;
    bool GenerateCodedWords();
    static QString CodedWordCells(const QString& text);
    static int CodedSecondColumn(int longestCells);
    int SideBySideRows(const QStringList& cells) const;
    std::optional<GenerationResult> CheckLengths();
    bool Tick();

    PuzzleState& s_;
    PuzzleSettings& settings_;
    RandomSource random_;
    GenerationClock clock_;
    std::optional<std::uint64_t> fixedSeed_;
    std::function<bool(const QString&)> ask_;
    double roomWidth_ = 0.0;
    double roomHeight_ = 0.0;
    double codedRoomWidth_ = 0.0;
    double codedRoomHeight_ = 0.0;

    int messageLayouts_ = kMessageLayouts;
    int randomLayouts_ = kRandomLayouts;

    // The word lists last prepared, and what is derived from them.
    struct PreparedWords {
        bool valid = false;
        QStringList input;
        TaggedList selected;
        TaggedList byLength;
        QStringList selectedForms; // grid forms of `selected`
        QStringList byLengthForms; // grid forms of `byLength`
        std::vector<std::u16string> byLengthChars; // the same, for the searches
    };
    PreparedWords prepared_;
    // Grid forms of WordsByLength for this generation.
    const std::vector<std::u16string>& forms() const { return prepared_.byLengthChars; }

    // The word search being built.
    SearchGrid grid_;
    std::vector<PlacedWord> placed_;
    ReadingFinder readings_;
    QStringList unfitWords_;
    std::vector<char16_t> fillerLetters_; // random filler: the letters drawn from, each as often as in the words
    std::vector<int> freeCells_;          // in reading order
    std::vector<int> redraw_;
    std::vector<int> drawn_;
    std::array<std::uint32_t, SearchGrid::kCells> stamp_ {};
    std::uint32_t stampNow_ = 0;
    // Hidden message: the places where the word being laid fits.
    struct WordPlace {
        std::int16_t first;
        std::int8_t code;
        std::int8_t shared;
    };
    std::vector<WordPlace> places_;
    // The direction box of each word (AssignBoxes), the words longest first,
    // and the places listed for the word being placed.
    std::vector<int> wordBox_;
    std::vector<int> order_;
    std::vector<int> starts_;

    // The word being placed: start cell, last offset, grid text, entry index.
    int x_ = 0;
    int y_ = 0;
    int last_ = 0;
    QString word_;
    int entry_ = 0;
};

} // namespace lx
