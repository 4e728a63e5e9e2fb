#include "document/WorksheetRecipe.h"

#include "document/GridAdvice.h"

#include "core/Plural.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "document/DocumentActions.h"
#include "document/WordPictures.h"
#include "words/PictureTable.h"
#include "words/Themes.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"
#include "puzzle/Random.h"
#include "words/ContainedWords.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

QString RecipeTitle(const WorksheetRecipe& recipe)
{
    QStringList names;
    if (!recipe.wordListPath.isEmpty()) {
        names << ReadableListName(recipe.wordListPath);
    } else if (!recipe.themes.isEmpty()) {
        for (int theme : recipe.themes) {
            QString name = ThemeName(theme).section(QLatin1Char(','), 0, 0);
            // Later names go on in the sentence: "Fruits et légumes".
            if (!names.isEmpty() && name.size() > 1 && !name[1].isUpper())
                name[0] = name[0].toLower();
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
        }
    } else {
        for (int level : recipe.levels) {
            const QString name = QStringLiteral("du ") + LevelCaption(level);
            if (!names.contains(name))
                names << name;
        }
        if (names.isEmpty())
            return {};
        names[0].prepend(QStringLiteral("Les mots "));
    }
    return FrenchEnumeration(names);
}

QString ApplyRecipe(DocumentActions& actions, const WorksheetRecipe& recipe, QStringList* notices)
{
    Document& doc = actions.document();
    if (const CommandResult fresh = actions.New(); notices && !fresh.message.isEmpty())
        notices->append(fresh.message);
    doc.Change(Setting::GameType, int(recipe.type));
    if (!recipe.wordListPath.isEmpty()) {
        const WordListImport r = doc.ImportWordListFile(recipe.wordListPath);
        if (!r.imported)
            return r.errorMessage;
        if (notices)
            *notices += r.notices;
    } else {
        for (int level : recipe.levels)
            doc.ClickLevel(level, true);
        for (int theme : recipe.themes)
            doc.CheckTheme(theme, true);
    }
    if (doc.words().Count() == 0)
        return QStringLiteral("Aucun mot ne correspond à ces choix.");

    if (recipe.pictures)
        doc.Change(Setting::Pictures, *recipe.pictures);

    // A number of words drawn among the candidates, the same for the same seed;
    // never a word that can be read inside another one drawn (a pupil would
    // find it twice): such a candidate is passed over. For a list of pictures,
    // the words that have one are drawn first.
    if (recipe.count > 0 && recipe.count < doc.words().CheckedCount()) {
        const bool pictures = ShowsPictures(doc.data());
        QList<int> withPicture, others;
        for (int i = 0; i < doc.words().Count(); ++i) {
            if (doc.words().IsChecked(i))
                (!pictures || PictureTable::Installed().Has(doc.words().Word(i)) ? withPicture : others) << i;
        }
        RandomSource random(recipe.seed);
        QList<int> chosen;
        auto drawFrom = [&](QList<int>& pool) {
            int taken = 0;
            int end = int(pool.size()); // pool[taken, end) may still be drawn
            while (chosen.size() < recipe.count && taken < end) {
                std::swap(pool[taken], pool[taken + random.Below(end - taken)]);
                const QString form = ToGridForm(doc.words().Word(pool[taken]));
                const bool hidden = std::any_of(chosen.begin(), chosen.end(), [&](int k) {
                    const QString other = ToGridForm(doc.words().Word(k));
                    return LiesInside(form, other) || LiesInside(other, form);
                });
                if (hidden)
                    std::swap(pool[taken], pool[--end]);
                else
                    chosen << pool[taken++];
            }
        };
        drawFrom(withPicture);
        drawFrom(others);
        doc.SelectAllWords(false);
        for (int i : chosen)
            doc.SetWordChecked(i, true);
    }
    if (const int words = doc.words().CheckedCount(); notices && recipe.count > words)
        notices->append(QStringLiteral("La fiche a %1 et non %2 : ces choix n'en donnent pas plus.")
                            .arg(PluralLabel(words, QStringLiteral("mot"), true), FrenchNumber(recipe.count)));

    doc.Change(Setting::Title, recipe.title ? *recipe.title : RecipeTitle(recipe));
    if (!recipe.nameLine)
        doc.Change(Setting::NameLine, false);
    doc.Change(Setting::FitToPage, recipe.fitToPage);
    if (recipe.directions) {
        for (int d = 0; d < 6; ++d)
            doc.Change(Setting(int(Setting::Direction0) + d), (*recipe.directions)[d]);
    }
    if (recipe.message) {
        doc.Change(Setting::RandomFill, false);
        doc.Change(Setting::HiddenMessage, recipe.message->toUpper());
        doc.Change(Setting::ShuffleList, recipe.shuffleMessage);
        if (const QString leftOut = doc.MessageLeftOutText(); notices && !leftOut.isEmpty())
            notices->append(leftOut);
    }
    if (recipe.lowercase)
        doc.Change(Setting::Uppercase, false);
    if (recipe.visibleCells)
        doc.Change(Setting::VisibleCells, true);
    if (!recipe.columnRules)
        doc.Change(Setting::SeparateColumns, false);
    if (recipe.valueMode) {
        doc.Change(Setting::ValueMode, *recipe.valueMode);
        if (*recipe.valueMode == 1) {
            doc.Change(Setting::RangeFrom, recipe.lowerBound);
            doc.Change(Setting::RangeTo, recipe.upperBound);
        }
    }
    if (recipe.revealChoice) {
        doc.ChooseRevealLetterText(*recipe.revealChoice);
        // The generation reveals a letter of the words only.
        const QStringList words = doc.words().CheckedWords();
        if (notices && recipe.type == GameType::FillIn
            && std::none_of(words.cbegin(), words.cend(), [&](const QString& w) { return ToGridForm(w).contains(*recipe.revealChoice); }))
            notices->append(QStringLiteral("Aucun mot ne contient la lettre %1 : la lettre révélée sera tirée au hasard.").arg(*recipe.revealChoice));
    }
    if (recipe.revealedLetters)
        doc.Change(Setting::RevealedLetters, *recipe.revealedLetters);
    if (recipe.gridFont) {
        doc.Change(Setting::GridFontName, recipe.gridFont->first);
        doc.Change(Setting::GridFontSize, recipe.gridFont->second);
    }
    if (recipe.listFont) {
        doc.Change(Setting::ListFontName, recipe.listFont->first);
        doc.Change(Setting::ListFontSize, recipe.listFont->second);
    }
    if (recipe.instruction)
        doc.Change(Setting::Instruction, *recipe.instruction);
    if (recipe.lowerHalf)
        doc.Change(Setting::LowerHalf, *recipe.lowerHalf);
    if (recipe.gridSize)
        doc.Change(Setting::GridSize, *recipe.gridSize);
    else if (doc.settings().puzzle.gameType == GameType::WordSearch)
        doc.Change(Setting::GridSize, ProposedGridSize(doc));
    return {};
}

} // namespace lx
