#pragma once

#include <QString>

namespace lx {

// The values that the change handlers compare with the current ones to tell
// whether a change is a modification. Taken at every reset and every opening.
struct SavedStateSnapshot {
    QString gridFontName;
    int gridFontSize = 0;
    QString listFontName;
    int listFontSize = 0;
    QString titleFontName;
    QString title;
    QString instruction;
    QString levelString;
    int levelNaming = 0;
    QString themeString;
    QString selectionString;
    int gridSize = 0;
    bool visibleCells = false;
    int lowerHalf = 0;
    bool uppercase = false;
    bool separateColumns = false;
    QString directionString;
    bool randomFill = true;
    bool shuffleList = false;
    QString hiddenMessage;
    int gameType = 0;
    int valueMode = 0;
    bool operator==(const SavedStateSnapshot&) const = default;
};

// The modified mark and the window title of the open document.
class Lifecycle {
public:
    bool modified = false;
    QString documentName; // file name with extension; empty for a new document
    QString documentPath;
    SavedStateSnapshot snapshot;

    // The only writer of the mark and the title. Without force, a set mark
    // stays set whatever the argument; only a forced call clears it.
    void SetModified(bool value, bool force);
    // Product name and version, " - ", the file name or "Sans titre", and "*"
    // when modified.
    QString WindowTitle() const;
};

// The question asked before unsaved changes are lost, and what each answer does.
QString SaveChangesQuestion();
enum class SaveAnswer { Yes, No, Cancel };
enum class AskToSaveAction {
    Proceed,         // nothing to save, or the teacher answered No
    SaveThenProceed, // run "save as", then go on whatever its outcome
    Stop,            // Cancel: the command stops
};
AskToSaveAction DecideAskToSave(bool modified, SaveAnswer answer);

} // namespace lx
