#pragma once

#include "puzzle/GenerationClock.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/Random.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace lx {

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
    static constexpr int kMaxWordSearchSize = 18;
    static constexpr int kMaxFillInLength = 19;

    PuzzleEngine(PuzzleState& state, PuzzleSettings& settings);

    RandomSource& Random() { return random_; }
    GenerationClock& Clock() { return clock_; }

    // A fixed seed makes every generation reproducible; without one the
    // source is seeded from the clock at every generation.
    void SetFixedSeed(std::optional<std::uint64_t> seed) { fixedSeed_ = seed; }
    std::uint64_t LastSeed() const { return random_.LastSeed(); }

    // The grid-too-small question (Yes = true). Without a handler the answer is Yes.
    void SetQuestionHandler(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }

    // "Créer la grille": checkedWords in the order of the word selection list.
    GenerationResult Generate(const QStringList& checkedWords, ThemeSelection& themes);

    // Rebuilds the word lists from the checked words and empties the puzzle;
    // runs at every change of the word selection too.
    void PrepareWordLists(const QStringList& checkedWords);
    // The same word lists for a puzzle read from a file: the grids, the word
    // entries and the codes stay as they were read.
    void RebuildWordListsKeepingPuzzle(const QStringList& checkedWords);
    void CountLetters();

    // Word search.
    bool PlaceWord(int code, int dx, int dy);
    void FillFreeCells();
    void ShowLetterBalance();
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

private:
    bool PlaceWordSearchWords();
    bool GenerateFillIn();
    bool TryFillInAttempt();
    bool CrossWith(const QString& w, int j);
    void MoveToCorner();
    bool GenerateCodedWords();
    std::optional<GenerationResult> CheckLengths();
    bool Tick();

    PuzzleState& s_;
    PuzzleSettings& settings_;
    RandomSource random_;
    GenerationClock clock_;
    std::optional<std::uint64_t> fixedSeed_;
    std::function<bool(const QString&)> ask_;

    // The word being placed: start cell, last offset, grid text, entry index.
    int x_ = 0;
    int y_ = 0;
    int last_ = 0;
    QString word_;
    int entry_ = 0;
};

} // namespace lx
