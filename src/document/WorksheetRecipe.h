#pragma once

#include "puzzle/PuzzleState.h"

#include <QList>
#include <QString>

#include <array>
#include <utility>

#include <cstdint>
#include <optional>

namespace lx {

class DocumentActions;

// A worksheet described by a few choices, as "lexigrille-cli new" takes them:
// the game type, the words (a list file, or classes and themes of the word
// database, possibly a number drawn among them), the texts and the page.
struct WorksheetRecipe {
    GameType type = GameType::WordSearch;
    QString wordListPath;  // the words of a list file...
    QList<int> levels;     // ...or of these classes of the database
    QList<int> themes;     //    with these themes (all themes when empty)
    int count = 0;         // words drawn at random among the candidates (0: all of them)
    std::optional<QString> title;
    std::optional<QString> instruction;
    std::optional<int> lowerHalf; // 0 "Vide", 1 "Solution", 2 "Copie"
    std::optional<int> gridSize;  // word search: 5 to 18
    std::uint64_t seed = 1;       // the draw of the words, and the generation
    bool nameLine = true;         // as the template says; false leaves the line out
    bool fitToPage = true;        // "Adapter à la page"

    // The rest of what the window sets, each as the template says when absent.
    std::optional<std::array<bool, 6>> directions; // the six direction boxes
    std::optional<QString> message;                // a hidden message instead of random letters
    bool shuffleMessage = false;
    bool lowercase = false;                        // "Majuscules" unticked
    bool visibleCells = false;                     // "Cases apparentes"
    bool columnRules = true;                       // "Séparer les colonnes"
    std::optional<int> valueMode;                  // coded words: 0 "De 1 à 26", 1 the bounds, 2 "Symboles"
    QString lowerBound, upperBound;                // with valueMode 1
    std::optional<QString> revealChoice;           // fill-in: a letter A to Z, or "(?)"
    std::optional<int> revealedLetters;            // coded words: letters given (-1: as many as usual)
    std::optional<std::pair<QString, int>> gridFont, listFont;
    std::optional<int> pictures;                   // 0 none, 1 beside the words, 2 instead of them
};

// Makes the document of the recipe from a new one, as "Nouvelle fiche" starts
// it: from the template of the actions' folders (the teacher's, else the
// program's), else from an empty document. Without a title of its own, the
// sheet is titled after its themes, its list or its classes. Returns the
// French message of what went wrong, or an empty text; *notices receives
// what the list file lost (entries too long or unprintable, a list cut).
QString ApplyRecipe(DocumentActions& actions, const WorksheetRecipe& recipe, QStringList* notices = nullptr);

// The title of a sheet of these themes ("Animaux", "Fruits et légumes"), of
// this list ("Ma liste semaine3") or, without either, of these classes ("Les
// mots du CP").
QString RecipeTitle(const WorksheetRecipe& recipe);

} // namespace lx
