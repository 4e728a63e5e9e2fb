#include "document/WorksheetRecipe.h"

#include "document/Document.h"
#include "puzzle/Random.h"
#include "words/ContainedWords.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

QString ApplyRecipe(Document& doc, const WorksheetRecipe& recipe)
{
    doc.ResetDocumentSettings();
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
        // As in the window, where the page is drawn at once: words of the
        // classes without a theme count as a list of their own.
        doc.RedrawPreview();
    }
    if (doc.words().Count() == 0)
        return QStringLiteral("Aucun mot ne correspond à ces choix.");

    // A number of words drawn among the candidates, the same for the same seed;
    // never a word that can be read inside another one drawn (a pupil would
    // find it twice): such a candidate is passed over.
    if (recipe.count > 0 && recipe.count < doc.words().CheckedCount()) {
        QList<int> candidates;
        for (int i = 0; i < doc.words().Count(); ++i) {
            if (doc.words().IsChecked(i))
                candidates << i;
        }
        RandomSource random(recipe.seed);
        int drawn = 0;
        int end = int(candidates.size()); // candidates[drawn, end) may still be drawn
        while (drawn < recipe.count && drawn < end) {
            std::swap(candidates[drawn], candidates[drawn + random.Below(end - drawn)]);
            const QString form = ToGridForm(doc.words().Word(candidates[drawn]));
            bool hidden = false;
            for (int k = 0; k < drawn && !hidden; ++k) {
                const QString other = ToGridForm(doc.words().Word(candidates[k]));
                hidden = LiesInside(form, other) || LiesInside(other, form);
            }
            if (hidden)
                std::swap(candidates[drawn], candidates[--end]);
            else
                ++drawn;
        }
        doc.SelectAllWords(false);
        for (int i = 0; i < drawn; ++i)
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
