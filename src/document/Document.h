#pragma once

#include "document/CommandResult.h"
#include "document/DocumentData.h"
#include "document/DocumentSettings.h"
#include "document/Lifecycle.h"
#include "puzzle/Engine.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace lx {

class ThemeDatabase;
struct DocumentReadResult;
struct WordListEntries;

// The room of a fill-in grid on A4, in millimetres: beside its list (about 55
// wide), in the upper half when a solution or a copy takes the lower one,
// else down to the footer.
inline constexpr double kFillInRoomWidth = 140.0;
constexpr double FillInRoomHeight(int lowerHalf) { return lowerHalf == 0 ? 263.0 : 115.0; }

// The room of coded words on A4, in millimetres: the page's width within its
// margins, down to the fold over a solution or a copy, else to the footer.
inline constexpr double kCodedRoomWidth = 196.0;
constexpr double CodedRoomHeight(int lowerHalf) { return lowerHalf == 0 ? 258.0 : 110.0; }

// The outcome of a word list import (a file or the clipboard).
struct WordListImport {
    bool imported = false;  // the list's words now fill the word selection list
    QString errorMessage;   // empty when there is nothing to report
    QStringList notices;    // what an imported list left out
    CommandResult Result() const;
};

// What a generation has to tell the teacher: a refusal's message, as an error.
CommandResult GenerationReport(const GenerationResult& result);

// How a generation reaches the front end that asked for it: the window's turn
// during long work, and the grid-too-small question (Yes when not given).
struct GenerationHooks {
    std::function<void()> yield;
    std::function<bool(const QString& question)> question;
};

// The open document: its data, the settings model over them, the puzzle engine
// and the modified mark with its snapshot of the saved state. All of it is
// private: views read it through the const accessors and change it through
// the change handlers, which store a value, run its follow-up and tell the
// views through the signals. The commands that need questions or dialogs
// (new, open, save, import) are DocumentActions'.
class Document : public QObject {
    Q_OBJECT
public:
    // fontNames: the installed font list the font settings are matched against.
    explicit Document(QStringList fontNames, QObject* parent = nullptr);

    // --- What the document holds
    const DocumentData& data() const { return data_; }
    const DocumentSettings& settings() const { return data_.settings; }
    const PuzzleState& puzzle() const { return data_.puzzle; }
    const WordSelectionList& words() const { return data_.words; }
    const ThemeList& themes() const { return data_.themes; }
    const QStringList& fontNames() const { return fontNames_; }
    // The grid forms of the checked words, longest first, as last prepared.
    const QStringList& GridForms() const { return engine_.GridForms(); }
    // The checked words that can never join a fill-in crossword, as last prepared.
    QStringList UnjoinedWords() const { return engine_.UnjoinedWords(); }
    QVariant Get(Setting id) const { return model_.Get(id); }
    // True while the system itself changes the document (see SuppressEvents).
    bool Suppressed() const { return model_.Suppressed(); }
    // Suppresses the change handlers' follow-ups for the guard's lifetime.
    [[nodiscard]] SuppressEvents Suppress() { return SuppressEvents(model_); }

    // --- Its file and the modified mark
    bool Modified() const { return life_.modified; }
    // File name with extension; empty for a new document.
    const QString& DocumentName() const { return life_.documentName; }
    const QString& DocumentPath() const { return life_.documentPath; }
    QString WindowTitle() const { return life_.WindowTitle(); }
    // The state the modified mark compares with: the document as last opened or saved.
    const SavedStateSnapshot& Snapshot() const { return life_.snapshot; }
    // The modified mark (its only writer). Without force, a set mark stays set.
    void SetModified(bool value, bool force);

    // --- What the window shows besides the settings
    QString ThemeLabel() const; // "Aucun thème", "3 thèmes", "Liste externe"
    // The theme box names the words' list: the teacher types in it while no
    // theme of the database is chosen (the header then names those themes,
    // and the file keeps them instead).
    bool ThemeTextEditable() const { return data_.themes.SelectedCount() == 0; }
    const WordCountLabel& WordCounts() const { return wordCountLabel_; }
    bool GenerateEnabled() const { return generateEnabled_; }
    // Why "Créer la grille" is disabled, in French; empty when it is enabled.
    QString GenerateDisabledReason() const;
    // Shown beside the letter balance of a hidden message that no layout of
    // the words can fit exactly at the chosen grid size: the sizes that would
    // ("Ce message tiendrait dans une grille de 9×9 ou 10×10."), or what to
    // change. Empty when the size suits the message (or the grid already takes
    // it exactly), with random letters, and for the other game types.
    QString MessageSizeAdvice() const;
    // What of the hidden message the grid cannot take, and so the pupils
    // never read: « « 2 » ne va pas dans la grille, qui n'a que les lettres
    // de A à Z : écrivez les nombres en toutes lettres. »; empty when all
    // of it goes in, and when no message is used.
    QString MessageLeftOutText() const;
    // The question asked before printing (or exporting) `versions` sheets: a
    // single sheet whose grid was never made or has been discarded, or shows
    // an unfit word, or a word search whose hidden message does not fill its
    // free cells exactly; empty
    // when there is nothing to ask. Versions are made anew, but for the
    // window's first, which is this grid when nothing is asked of it.
    QString PrintQuestion(int versions = 1) const;
    // What the preview says of a grid that is not the whole grid of its
    // words at its size: what a time-out left ("La grille n'est pas
    // terminée : 3 mots sur 47 n'y sont pas placés."), or a word search
    // resized since it was made; empty for a whole grid.
    QString GridWarningText() const;
    // The grid is made, whole and at its size: it prints as the preview shows it.
    bool GridWhole() const;
    // The unfit words a pupil can read in a word search's grid: a hidden
    // message's letters may spell one (UnfitWords.h).
    QStringList UnfitWordsShown() const;
    // The words of the list that have no picture when the list shows
    // pictures ("3 mots sans image : chat, loup, ours"), with the installed
    // pictures' table; empty when there is nothing to tell.
    QString MissingPicturesText() const;
    // The file name that "Enregistrer sous" proposes, without characters a
    // file name cannot hold.
    QString ProposedFileName() const;
    bool BoundsError() const { return boundsError_; }
    // Whether a code box shows an error (a repeated code, not a number, out
    // of the mode's range); nullopt for an empty box.
    std::optional<bool> LetterCodeError(int index) const;

    // --- Where the words and the rules come from
    // The level files, loaded once at start-up by their owner; without them
    // every level is empty.
    void SetThemeDatabase(const ThemeDatabase* database) { themeDatabase_ = database; }
    // Words no word-search grid may show by chance.
    void SetUnfitWords(const QStringList& words) { engine_.SetUnfitWords(words); }
    const QStringList& UnfitWords() const { return engine_.UnfitWords(); }
    // The front end's hooks for every generation, installed in one call.
    void SetGenerationHooks(GenerationHooks hooks);
    // The generation's time limit and its clock (tests shorten the limit).
    GenerationClock& Clock() { return engine_.Clock(); }
    // A fixed seed makes every generation reproducible.
    void SetFixedSeed(std::optional<std::uint64_t> seed) { engine_.SetFixedSeed(seed); }
    std::uint64_t LastSeed() const { return engine_.LastSeed(); }

    // --- Change handlers: what the teacher does in the window
    // A setting changed: the value is stored, then, unless events are
    // suppressed, its follow-up runs (the puzzle adjusted in place, the
    // preview redrawn, the modified mark compared with the saved value).
    // A text that the document file cannot hold is refused (textRefused).
    // Returns whether the value was taken.
    bool Change(Setting id, const QVariant& value);
    // Leaving a bound box puts the bounds in order (a bound of 0 or less
    // becomes 1, bounds the wrong way round are swapped) and checks them: a
    // range of fewer than 26 values, or a bound that is no 16-bit number,
    // disables "Créer la grille".
    void LeaveBounds();
    // The code box of a letter as typed; it marks the document modified.
    void SetLetterCodeText(int index, const QString& text);
    // A click in the revealed-letter list; the list always keeps one item.
    void ChooseRevealLetter(int index);
    // The revealed letter by its text ("E", "(?)"): a letter the list lacks
    // joins it, and the next generation keeps it when its words have it.
    void ChooseRevealLetterText(const QString& text);
    // A click on the level box of a class, a theme's check mark.
    void ClickLevel(int level, bool checked);
    void CheckTheme(int theme, bool checked);
    // The word selection list: one word's check, "Tous", the letter limit.
    void SetWordChecked(int index, bool checked);
    void SelectAllWords(bool checked);
    void SetMaxLetters(int maxLetters);
    // A click on a candidate word; returns whether the preview is redrawn.
    bool ClickWord(int index);
    // Printing never shows the word highlight: no current word, none outlined.
    void ClearHighlight();

    // --- The words of a list
    // Replaces the word selection list by the words of a list text and
    // switches to external-list mode. A text without any valid entry changes
    // nothing and returns the message.
    WordListImport ParseWordListText(const QString& text);
    // A list file: the document takes the file's name.
    WordListImport ImportWordListFile(const QString& path);
    // The clipboard's text (empty when it holds none), and the same copied as
    // HTML, if it was, which tells its titles apart (told, left out).
    WordListImport PasteWordList(const QString& clipboardText, const QString& html = {});

    // --- "Créer la grille" on the checked words; marks the document modified
    // when a puzzle is made. The result's message says what went wrong; with
    // fewer than five checked words it returns at once, changing nothing, and
    // says where the words come from.
    GenerationResult Generate();
    // The refusal Generate gives at once for fewer than five checked words.
    std::optional<GenerationResult> TooFewWords() const;

    // --- The whole document
    // A new, empty document.
    void Reset();
    // The document read from a file at path: the reader's data, named after
    // the file (the template opens untitled). Recovered work, never saved
    // perhaps, comes back as it was shown: an external list stays one.
    void Replace(DocumentReadResult read, const QString& path, bool recovered = false);
    // The same data as another document's (a version's copy).
    void CopyFrom(const Document& other);
    // The document was written to path: named after it, and the saved state
    // becomes the state the modified mark compares with.
    void MarkSaved(const QString& path);

Q_SIGNALS:
    // The preview should be drawn again (never while events are suppressed).
    void redrawRequested();
    // The window title, and the modified mark it ends with.
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    // The candidate words or their checks changed (and with them the counts).
    void wordListChanged();
    void wordCountsChanged();
    // The theme selection, the theme list's state or its label changed.
    void themesChanged();
    void themeLabelChanged(const QString& label);
    void generateEnabledChanged(bool enabled);
    // A setting changed (the system's changes included): views stay in step.
    void settingChanged(lx::Setting id);
    // A text was refused: the message names the character the file cannot hold.
    void textRefused(lx::Setting id, const QString& message);
    // The puzzle's own lists and labels changed: the letter balance of the
    // hidden message, the revealed-letter list, the codes.
    void puzzleChanged();
    // The coded words' bound and code boxes may show another error state.
    void valueBoxesChanged();
    // A reset or an opening: every setting, list and label may have changed.
    void documentReplaced();

private:
    void RequestRedraw();
    void ReportModified(bool differs) { SetModified(differs, false); }
    void SetGenerateEnabled(bool enabled);
    void EmitEverything();
    void TakeSnapshot();
    QString CurrentThemeString() const;
    QString LetterCodesText() const;
    void CheckBounds();
    void ShowLoadedLetterBalance();
    void ChangeGameType(GameType before);
    void UpdateThemeLabel();
    void UpdateWordCounts();
    void OnWordChecksChanged();
    void RebuildWordList();
    void UncheckAllLevels();
    void KeepThemeCountRule();
    void KeepRevealChoice();
    bool GridSizeMoved() const;
    void ApplyLetterCodes();
    WordListImport ApplyWordList(const WordListEntries& entries, const QString& theme);

    QStringList fontNames_;
    DocumentData data_;
    SettingsModel model_ { data_.settings };
    PuzzleEngine engine_ { data_.puzzle, data_.settings.puzzle };
    Lifecycle life_;
    const ThemeDatabase* themeDatabase_ = nullptr;
    // The puzzles last made for the other game types: switching back shows
    // them again; a change of the words forgets them.
    std::array<std::optional<PuzzleState>, 3> otherPuzzles_ {};
    WordCountLabel wordCountLabel_ { QStringLiteral("0/0"), WordCountLabel::Colour::DarkGrey };
    bool generateEnabled_ = true;
    bool boundsError_ = false;
};

// What a word search's hidden message leaves: « Il manque 3 lettres dans le
// message secret. », or the letters too many. Empty with random letters,
// for the other game types, and when the message fills the free cells.
QString MessageBalanceWarning(const DocumentData& d);
// Whether the grid was made (a word search's message letters alone do not count).
bool GridMade(const PuzzleState& z);

} // namespace lx
