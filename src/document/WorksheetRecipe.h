#pragma once

#include "puzzle/PuzzleState.h"

#include <QList>
#include <QString>

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
};

// Makes the document of the recipe from a new one, as "Nouvelle fiche" starts
// it: from the template of the actions' folders (the teacher's, else the
// program's), else from an empty document. Without a title of its own, the
// sheet is titled after its themes, its list or its classes. Returns the
// French message of what went wrong, or an empty text.
QString ApplyRecipe(DocumentActions& actions, const WorksheetRecipe& recipe);

// The title of a sheet of these themes ("Animaux", "Fruits et légumes"), of
// this list ("Ma liste semaine3") or, without either, of these classes ("Les
// mots du CP").
QString RecipeTitle(const WorksheetRecipe& recipe);

} // namespace lx
