#pragma once

#include "document/DocumentSettings.h"
#include "puzzle/PuzzleState.h"
#include "words/Themes.h"
#include "words/WordSelectionList.h"

#include <QString>
#include <QStringList>

namespace lx {

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

// A new, empty document: the one source of every new-document value. Font
// names are matched against the installed font list (fontNames): "Arial" for
// the grid, "Arial Narrow" for the list and "Tahoma" for the title, each
// falling back to "Arial", or to no font when that is missing too.
DocumentData NewDocumentData(const QStringList& fontNames);

// The template keeps a document's page settings without its words and
// puzzle: levels, themes, candidate words, grids, codes, directions, hidden
// message and revealed letter take their new-document values.
void ClearForTemplate(DocumentData& data, const QStringList& fontNames);

// The theme string of the words of an external list, as the snapshot and the
// file keep it: "*" and the list's name (the theme box, or the imported
// file's name up to its first ".").
QString ExternalListThemeString(const DocumentData& data);

// Classes ticked without a theme: every word of the classes is proposed,
// hundreds of them, and ticking a theme is what the teacher has to do.
bool WholeClassesChosen(const DocumentData& data);

// The font of a list that a name selects: the name itself when the list has
// it (whatever its case), else the fallback, else none ("").
QString SelectFont(const QStringList& fontNames, const QString& name, const QString& fallback);

} // namespace lx
