#pragma once

#include "document/DocumentData.h"
#include "document/DocumentSettings.h"
#include "document/Lifecycle.h"
#include "document/Prompter.h"
#include "puzzle/Engine.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

class ThemeDatabase;
struct WordListEntries;
struct FileMenu;

// The outcome of a word list import (a file or the clipboard): the window
// shows the message with the critical icon, the notices as an information.
struct WordListImport {
    bool imported = false;  // the list's words now fill the word selection list
    QString errorMessage;   // empty when there is nothing to report
    QStringList notices;    // what an imported list left out
};

// The outcome of a save.
struct SaveResult {
    bool saved = false;
    bool declined = false; // the template question was answered No
    QString path;          // the path written (with its extension)
    QString errorMessage;  // the French message of a write error
};

// The outcome of opening a file.
struct LoadResult {
    bool loaded = false;
    QString errorMessage;  // a missing or unreadable file; the document is left as it was
    QStringList unreadKeys; // keys of the file that could not be read
};

// Where documents live: the teacher's own folder (documents, the template)
// and the program folder (what the program ships). Both are looked at, the
// teacher's first.
struct DocumentFolders {
    QString user;
    QString program;
    static DocumentFolders Default(); // UserFolder() and ProgramFolder()
};

// The menu of available documents: at most kDocumentMenuItems, each name once.
inline constexpr int kDocumentMenuItems = 50;
// The template, in the teacher's folder: what "Nouvelle fiche" starts from.
inline constexpr char16_t kTemplateFileName[] = u"modèle.lxg";

// The open document: its data, its settings model, the puzzle engine over them
// and the modified mark. The window shows it and is told of every change
// through the signals; lexigrille-cli and the tests drive it directly.
class Document : public QObject {
    Q_OBJECT
public:
    // fontNames: the installed font list the font settings are matched against.
    explicit Document(QStringList fontNames, QObject* parent = nullptr);

    DocumentData data;
    SettingsModel model { data.settings };
    PuzzleEngine engine { data.puzzle, data.settings.puzzle };
    Lifecycle life;

    DocumentSettings& settings() { return data.settings; }
    PuzzleState& puzzle() { return data.puzzle; }
    WordSelectionList& words() { return data.words; }
    ThemeList& themes() { return data.themes; }
    const QStringList& fontNames() const { return fontNames_; }
    // True while the system itself changes the document (see SuppressEvents).
    bool Suppressed() const { return model.Suppressed(); }

    // Questions and file dialogs go through the prompter; without one, every
    // question gets its default answer. The document does not own it.
    void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
    Prompter& prompter() { return prompter_ ? *prompter_ : defaultPrompter_; }

    // What the window shows besides the settings.
    QString ThemeLabel() const; // "Aucun thème", "3 thèmes", "Liste externe"
    const WordCountLabel& WordCounts() const { return wordCountLabel_; }
    bool GenerateEnabled() const { return generateEnabled_; }
    bool LowerHalfAvailable() const { return lowerHalfAvailable_; }
    // The window reports what its last drawing of the page decided.
    void SetLowerHalfAvailable(bool available);
    // Shown beside the letter balance of a hidden message that no layout of
    // the words can fit exactly at the chosen grid size: the sizes that would
    // ("Ce message tiendrait dans une grille de 9×9 ou 10×10."), or what to
    // change. Empty when the size suits the message (or the grid already takes
    // it exactly), with random letters, and for the other game types.
    QString MessageSizeAdvice() const;
    // The question asked before printing a word search whose hidden message
    // does not fill its free cells exactly; empty when there is nothing to ask.
    QString PrintQuestion() const;

    // A change the teacher makes in the window: the value is stored, then,
    // unless events are suppressed, its follow-up runs (the puzzle adjusted in
    // place, the preview redrawn, the modified mark compared with the saved
    // value). The level boxes, "Tous" and the letter count run their own
    // handlers (ClickLevel, SelectAllWords, SetMaxLetters).
    void Change(Setting id, const QVariant& value);

    // The coded words' value boxes. Leaving a bound box puts the bounds in
    // order (a bound of 0 or less becomes 1, bounds the wrong way round are
    // swapped) and checks them: a range of fewer than 26 values, or a bound
    // that is no 16-bit number, disables "Créer la grille".
    void LeaveBounds();
    bool BoundsError() const { return boundsError_; }
    // The code box of a letter as typed; it marks the document modified.
    void SetLetterCodeText(int index, const QString& text);
    // Whether a code box shows an error (a repeated code, not a number, out
    // of the mode's range); nullopt for an empty box.
    std::optional<bool> LetterCodeError(int index) const;
    // A click in the revealed-letter list (index 0 "(?)", -1 none).
    void ChooseRevealLetter(int index);

    // The commands that replace or store the document. Each first asks about
    // unsaved changes (AskToSave) and stops when the teacher cancels, or when
    // a save they asked for is cancelled or fails. They return whether they
    // were carried out.
    DocumentFolders folders;
    bool AskToSave();
    // The words no word-search grid may show by chance: the program folder's
    // filter file, and the teacher's own one in their folder.
    void LoadWordFilter();
    // The teacher's template "modèle.lxg", else the program's, else a reset.
    bool NewDocument();
    bool OpenDocument(const QString& path);
    bool OpenOtherDocument();
    bool SaveAs();
    bool SaveAsTemplate();
    FileMenu AvailableDocuments() const;
    // The lists menu and its commands (the file routes ask about unsaved
    // changes first; what an import refuses or leaves out is told).
    FileMenu AvailableWordLists() const;
    bool ImportList(const QString& path);
    bool ImportOtherList();
    bool PasteList(const QString& clipboardText);
    QString TemplatePath() const;

    // The modified mark and the title (the only writer of both).
    void SetModified(bool value, bool force);

    // Turns the document into a new, empty one.
    void ResetDocumentSettings();

    // Opens a file as the window does: a reset, then every key that the file
    // holds. A missing or unreadable file is reported and leaves the document
    // as it was; any other bytes give a usable document.
    LoadResult LoadDocument(const QString& path);
    // Returns the keys of the file that could not be read.
    QStringList LoadDocumentBytes(const QByteArray& bytes, const QString& path);

    // Saves under the path (".lxg" added when missing). Saving as the template
    // "modèle.lxg" asks the template question first and writes the cleared
    // content, leaving the open document as it is.
    SaveResult SaveDocument(const QString& path);

    void TakeSnapshot();
    // The theme string of the current selection, as the snapshot holds it.
    QString CurrentThemeString() const;

    // "Créer la grille" on the checked words; marks the document modified when
    // a puzzle is made. The grid-too-small question and the refusals go
    // through the prompter.
    GenerationResult Generate();

    // The redraw entry of the window's preview, run each time it draws the
    // page: with no theme selected, the words count as an external list's
    // from now on (the theme count becomes -1).
    void RedrawPreview();

    // The word selection list's follow-ups.
    void UpdateWordCounts();
    void OnWordChecksChanged();
    void SetWordChecked(int index, bool checked);
    void SelectAllWords(bool checked);
    void SetMaxLetters(int maxLetters);
    // A click on a candidate word; returns whether the preview is redrawn.
    bool ClickWord(int index);
    // Printing never shows the word highlight: no current word, none outlined.
    void ClearHighlight();
    void UpdateThemeLabel();

    // The file name that "save as" proposes.
    QString ProposedFileName() const;

    // The word sources: the theme database's levels and themes, and the
    // external word lists.

    // The level files, loaded once at start-up by the window, which owns them;
    // without them every level is empty.
    const ThemeDatabase* themeDatabase = nullptr;
    // The full path of the last list file imported from the lists menu or the
    // open dialog; the clipboard leaves it as it is.
    QString importedListPath;

    // Refills the word selection list from the checked levels and themes:
    // every word of the checked levels that carries a checked theme (every
    // word when no theme is checked), once, checked when it has at most
    // maxLetters letters. Counts the words of each theme. With an external
    // list (selectedThemeCount -1) only the counts are refreshed.
    void RebuildWordList();
    // Clears the five level boxes, without their click.
    void UncheckAllLevels();
    // A click on the level box chkNiveauDB(level): the box takes the value,
    // then the themes label, the word list and the preview follow, and the
    // level string is compared with the saved one.
    void ClickLevel(int level, bool checked);
    // A check mark of the theme list lstLectureThemes changed.
    void CheckTheme(int theme, bool checked);

    // Replaces the word selection list by the words of a list text and
    // switches to external-list mode. A text without any valid entry changes
    // nothing and returns the message.
    WordListImport ParseWordListText(const QString& text);
    // A list file chosen in the lists menu or the open dialog (the window asks
    // about unsaved changes first). The document takes the file's name.
    WordListImport ImportWordListFile(const QString& path);
    // The clipboard's text (empty when it holds none).
    WordListImport PasteWordList(const QString& clipboardText);

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
    void lowerHalfAvailableChanged(bool available);
    // A setting changed (the system's changes included): views stay in step.
    void settingChanged(lx::Setting id);
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
    void CheckBounds();
    void ShowLoadedLetterBalance();
    QString LetterCodesText() const;
    WordListImport ApplyWordList(const WordListEntries& entries);
    void ReportImport(const WordListImport& r);

    QStringList fontNames_;
    DefaultPrompter defaultPrompter_;
    Prompter* prompter_ = nullptr;
    WordCountLabel wordCountLabel_ { QStringLiteral("0/0"), WordCountLabel::Colour::DarkGrey };
    bool generateEnabled_ = true;
    bool lowerHalfAvailable_ = true;
    bool boundsError_ = false;
};

} // namespace lx
