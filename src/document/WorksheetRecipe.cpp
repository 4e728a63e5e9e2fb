#include "document/WorksheetRecipe.h"

#include "document/Document.h"
#include "puzzle/Random.h"

#include <algorithm>

namespace lx {

QString ApplyRecipe(Document& doc, const WorksheetRecipe& recipe)
{
    doc.Reset();
    doc.Change(Setting::GameType, int(recipe.type));
    if (!recipe.wordListPath.isEmpty()) {
        const WordListImport r = doc.ImportWordListFile(recipe.wordListPath);
        if (!r.imported)
            return r.errorMessage;
    } else {
        for (int level : recipe.levels)
            doc.ClickLevel(level, true);
        for (int theme : recipe.themes)
            doc.CheckTheme(theme, true);
    }
    if (doc.words().Count() == 0)
        return QStringLiteral("Aucun mot ne correspond à ces choix.");

    // A number of words drawn among the candidates, the same for the same seed.
    if (recipe.count > 0 && recipe.count < doc.words().CheckedCount()) {
        QList<int> candidates;
        for (int i = 0; i < doc.words().Count(); ++i) {
            if (doc.words().IsChecked(i))
                candidates << i;
        }
        RandomSource random(recipe.seed);
        for (int i = 0; i < recipe.count; ++i)
            std::swap(candidates[i], candidates[i + random.Below(int(candidates.size()) - i)]);
        doc.SelectAllWords(false);
        for (int i = 0; i < recipe.count; ++i)
            doc.SetWordChecked(candidates[i], true);
    }

    if (recipe.title)
        doc.Change(Setting::Title, *recipe.title);
    if (recipe.instruction)
        doc.Change(Setting::Instruction, *recipe.instruction);
    if (recipe.lowerHalf)
        doc.Change(Setting::LowerHalf, *recipe.lowerHalf);
    if (recipe.gridSize)
        doc.Change(Setting::GridSize, *recipe.gridSize);
    return {};
}

} // namespace lx
