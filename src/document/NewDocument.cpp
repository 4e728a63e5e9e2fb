#include "document/DocumentData.h"

#include "document/FontNames.h"
#include "puzzle/Engine.h"
#include "words/WordListParser.h"

#include <algorithm>

namespace lx {

QString SelectFont(const QStringList& fontNames, const QString& name, const QString& fallback)
{
    const int i = SelectFontByName(fontNames, name, fallback);
    return i >= 0 ? fontNames[i] : QString();
}

DocumentData NewDocumentData(const QStringList& fontNames)
{
    DocumentData d;
    DocumentSettings& s = d.settings;
    s.gridFontName = SelectFont(fontNames, QStringLiteral("Arial"), QStringLiteral("Arial"));
    s.listFontName = SelectFont(fontNames, QStringLiteral("Arial Narrow"), QStringLiteral("Arial"));
    s.titleFontName = SelectFont(fontNames, QStringLiteral("Tahoma"), QStringLiteral("Arial"));

    PuzzleState& z = d.puzzle;
    z.gameType = s.puzzle.gameType;
    z.SetGridDimensions(s.puzzle.gridSize);
    z.RevealChoices = { { QStringLiteral("(?)"), 0 } };
    z.SymbolAlphabet = PuzzleEngine::SymbolCharacters();
    // A new document holds one word entry, of direction -1.
    z.WordEntries = { WordEntry { 0, 0, -1, QString() } };
    return d;
}

void ClearForTemplate(DocumentData& d, const QStringList& fontNames)
{
    const DocumentData fresh = NewDocumentData(fontNames);
    DocumentSettings& s = d.settings;
    const DocumentSettings& n = fresh.settings;
    s.levels = n.levels;
    s.maxLetters = n.maxLetters;
    s.selectAllWords = n.selectAllWords;
    s.puzzle.directions = n.puzzle.directions;
    s.puzzle.randomFill = n.puzzle.randomFill;
    s.puzzle.shuffleMessage = n.puzzle.shuffleMessage;
    s.puzzle.message = n.puzzle.message;
    s.puzzle.revealChoice = n.puzzle.revealChoice;
    s.puzzle.letterCodeTexts = n.puzzle.letterCodeTexts;
    s.themeText = n.themeText; // a list's name, and the list is not kept
    d.themes.selected = fresh.themes.selected;
    d.words = fresh.words;
    d.puzzle = fresh.puzzle;
}

QString ExternalListThemeString(const DocumentData& d)
{
    // The theme box names the list; when it is empty, the imported file, as
    // the page's header names it.
    const QString name = d.settings.themeText.isEmpty() ? ReadableListName(d.importedListName) : d.settings.themeText;
    return QStringLiteral("*") + name;
}

bool WholeClassesChosen(const DocumentData& d)
{
    const auto& levels = d.settings.levels;
    return d.themes.enabled && d.themes.SelectedCount() == 0 && std::find(levels.begin(), levels.end(), true) != levels.end();
}

} // namespace lx
