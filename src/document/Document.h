#pragma once

#include "document/DocumentSettings.h"
#include "document/Lifecycle.h"
#include "puzzle/Engine.h"
#include "puzzle/PuzzleState.h"
#include "words/Themes.h"
#include "words/WordSelectionList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace lx {

class IniReader;
class ThemeDatabase;
struct WordListEntries;

// The outcome of a word list import (a file or the clipboard): the window
// shows the message with the critical icon, the notices as an information.
struct WordListImport {
    bool imported = false;  // the list's words now fill the word selection list
    QString errorMessage;   // empty when there is nothing to report
    QStringList notices;    // what an imported list left out
};

// Everything a document file holds: the settings, the candidate words with
// their checks, the theme selection and the generated puzzle.
struct DocumentData {
    DocumentSettings settings;
    PuzzleState puzzle;
    WordSelectionList words;
    ThemeList themes;
    // Name of the last imported word list file (its theme string when the
    // theme box is empty).
    QString importedListName;
};

// The outcome of a save.
struct SaveResult {
    bool saved = false;
    bool declined = false; // the template question was answered No
    QString path;          // the path written (with its extension)
    QString errorMessage;  // the French message of a write error
};

// The open document: its data, its settings model, the puzzle engine over them
// and the modified mark. The window shows it; lexigrille-cli and the tests
// drive it directly.
class Document {
public:
    static constexpr const char* kSection = "LXGDocument";

    // fontNames: the installed font list the font settings are matched against.
    explicit Document(QStringList fontNames);

    DocumentData data;
    SettingsModel model { data.settings };
    PuzzleEngine engine { data.puzzle, data.settings.puzzle };
    Lifecycle life;

    DocumentSettings& settings() { return data.settings; }
    PuzzleState& puzzle() { return data.puzzle; }
    WordSelectionList& words() { return data.words; }
    ThemeList& themes() { return data.themes; }
    bool& suppressEvents() { return model.suppressEvents; }
    const QStringList& fontNames() const { return fontNames_; }

    // Labels the window shows.
    QString themeLabel = QStringLiteral("Aucun thème");
    WordCountLabel wordCountLabel { QStringLiteral("0/0"), WordCountLabel::Colour::DarkGrey };
    bool generateEnabled = true;

    // Turns the document into a new, empty one.
    void ResetDocumentSettings();

    // Opens a file as the window does: a reset, then every key that the file
    // holds. Whatever the bytes, the result is a usable document.
    void LoadDocument(const QString& path);
    void LoadDocumentBytes(const QByteArray& bytes, const QString& path);

    // Saves under the path (".lxg" added when missing). Saving as the template
    // "modèle.lxg" asks confirmTemplate first and writes the cleared content,
    // leaving the open document as it is.
    SaveResult SaveDocument(const QString& path, const std::function<bool(const QString&)>& confirmTemplate = {});

    // The text of the document file (without the final extra line break).
    QString BuildDocumentText() const;
    static QString BuildDocumentText(const DocumentData& data);

    void TakeSnapshot();
    // The theme string that the snapshot and the file use for the words of an
    // external list: "*" and the list's name.
    QString ExternalListThemeString() const;
    static QString ExternalListThemeString(const DocumentData& d);

    // "Créer la grille" on the checked words; marks the document modified when
    // a puzzle is made. question answers the grid-too-small question.
    GenerationResult Generate(const std::function<bool(const QString&)>& question = {});

    // The word selection list's follow-ups.
    void UpdateWordCounts();
    void OnWordChecksChanged();
    void SetWordChecked(int index, bool checked);
    void SelectAllWords(bool checked);
    void SetMaxLetters(int maxLetters);
    // A click on a candidate word; returns whether the preview is redrawn.
    bool ClickWord(int index);
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
    // The theme string of the current selection, as the snapshot holds it.
    QString CurrentThemeString() const;

    // Replaces the word selection list by the words of a list text and
    // switches to external-list mode. A text without any valid entry changes
    // nothing and returns the message.
    WordListImport ParseWordListText(const QString& text);
    // A list file chosen in the lists menu or the open dialog (the window asks
    // about unsaved changes first). The document takes the file's name.
    WordListImport ImportWordListFile(const QString& path);
    // The clipboard's text (empty when it holds none).
    WordListImport PasteWordList(const QString& clipboardText);

    // Redraw requests (the window redraws its preview); never while events
    // are suppressed.
    std::function<void()> redraw;

private:
    void RequestRedraw();
    void ReportModified(bool differs) { life.SetModified(differs, false); }
    void ApplyDocument(const IniReader& ini);
    void ClearForTemplate(DocumentData& d) const;
    QString SelectFont(const QString& name, const QString& fallback) const;
    QString DefaultListFont() const;
    WordListImport ApplyWordList(const WordListEntries& entries);

    QStringList fontNames_;
};

} // namespace lx
