#pragma once

#include "document/DocumentSettings.h"

#include <QString>
#include <QVariant>

#include <array>

namespace lx {

// The values that the change handlers compare with the current ones to tell
// whether a change is a modification. Taken at every reset and every opening.
struct SavedStateSnapshot {
    // Every setting as the settings model gave it.
    std::array<QVariant, int(Setting::Count)> values {};
    QString levelString;     // the five level checks as digits
    QString themeString;     // the selected themes' codes, or "*" and the list's name
    QString selectionString; // one digit per candidate word
    QString revealChoice;    // the revealed letter of a fill-in grid
    QString letterCodes;     // the 26 code boxes of the coded words
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

} // namespace lx
