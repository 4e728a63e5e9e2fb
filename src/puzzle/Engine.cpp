#include "puzzle/Engine.h"
#include "puzzle/UnfitWords.h"
#include "puzzle/SizeRule.h"

#include "core/Plural.h"
#include "core/TextEditing.h"
#include "puzzle/CodeBounds.h"
#include "puzzle/FillInCheck.h"
#include "words/WordForms.h"
#include "words/WordOrder.h"

namespace lx {

PuzzleEngine::PuzzleEngine(PuzzleState& state, PuzzleSettings& settings)
    : s_(state)
    , settings_(settings)
{
}

QString PuzzleEngine::SymbolCharacters()
{
    static const char16_t codes[] = { 0x21, 0x22, 0x24, 0x25, 0x26, 0x28, 0x2A, 0x2B, 0x49,
                                      0x4A, 0x4B, 0x4C, 0x4F, 0x53, 0x75, 0xA1, 0xA8, 0xAB,
                                      0xB2, 0xB5, 0xD7, 0xD8, 0xDF, 0xE0, 0xE1, 0xE2 };
    QString out;
    for (char16_t c : codes)
        out.append(QChar(c));
    return out;
}

bool PuzzleEngine::Tick()
{
    if (clock_.Tick())
        s_.TimedOut = true;
    return s_.TimedOut;
}

void PuzzleEngine::PrepareWordLists(const QStringList& checkedWords)
{
    RebuildWordListsKeepingPuzzle(checkedWords);
    s_.WordEntries = QList<WordEntry>(s_.WordCount);
    s_.ClearGrids();
    s_.ClearLetterTables();
}

void PuzzleEngine::RebuildWordListsKeepingPuzzle(const QStringList& checkedWords)
{
    // The same words are generated again and again: sorting them (a collator)
    // and folding their grid forms is done once per word list.
    PreparedWords& p = prepared_;
    if (!p.valid || p.input != checkedWords) {
        QStringList words = checkedWords;
        SortWords(words);
        p.selected.clear();
        p.selectedForms.clear();
        for (const QString& w : std::as_const(words)) {
            p.selected.append({ w, 0 });
            p.selectedForms.append(ToGridForm(w));
        }
        p.byLength.clear();
        p.byLengthForms.clear();
        p.byLengthChars.clear();
        for (int n = kMaxDisplayLength; n >= 1; --n) {
            for (int i = 0; i < p.selected.size(); ++i) {
                const QString& text = p.selected[i].text;
                if (text.size() == n) {
                    p.byLength.append({ text, LetterCount(text) });
                    p.byLengthForms.append(p.selectedForms[i]);
                    p.byLengthChars.push_back(p.selectedForms[i].toStdU16String());
                }
            }
        }
        p.input = checkedWords;
        p.valid = true;
    }
    s_.SelectedWords = p.selected;
    s_.WordCount = int(s_.SelectedWords.size());
    s_.gameType = settings_.gameType;
    s_.SetGridDimensions(settings_.gridSize);
    s_.WordsByLength = p.byLength;
}

void PuzzleEngine::CountLetters()
{
    // Right after PrepareWordLists: the selected words are the prepared ones.
    for (const QString& form : std::as_const(prepared_.selectedForms)) {
        for (QChar c : form) {
            const int k = LetterIndex(c);
            if (k >= 0)
                ++s_.LetterCounts[k];
        }
    }
}

void PuzzleEngine::SetUnfitWords(const QStringList& words)
{
    unfitWords_.clear();
    for (const QString& w : words) {
        const QString form = ToGridForm(w);
        if (form.size() >= 2 && !unfitWords_.contains(form))
            unfitWords_.append(form);
    }
    readings_.SetUnfitWords(unfitWords_);
}

QStringList PuzzleEngine::UnjoinedWords() const
{
    QStringList words;
    for (const TaggedItem& item : prepared_.selected)
        words << item.text;
    return lx::UnjoinedWords(words, prepared_.selectedForms);
}

// Selections that can never be laid out end the generation at once with a
// message, instead of keeping the teacher waiting for the time limit.
std::optional<GenerationResult> PuzzleEngine::CheckLengths()
{
    auto refuse = [](const QString& message) {
        return GenerationResult { GenerationOutcome::Refused, message, false };
    };
    for (int i = 0; i < s_.SelectedWords.size(); ++i) {
        const TaggedItem& item = s_.SelectedWords[i];
        if (item.text.size() > kMaxDisplayLength) {
            return refuse(QStringLiteral("Le mot ") + Quoted(item.text)
                          + QStringLiteral(" est trop long : un mot ne peut pas dépasser 30 caractères."));
        }
        if (prepared_.selectedForms[i].isEmpty()) {
            return refuse(QStringLiteral("Le mot ") + Quoted(item.text)
                          + QStringLiteral(" ne contient aucune lettre à placer dans la grille."));
        }
    }
    int longest = 0;
    QString longestWord;
    for (int i = 0; i < s_.WordsByLength.size(); ++i) {
        const int n = int(prepared_.byLengthForms[i].size());
        if (n > longest) {
            longest = n;
            longestWord = s_.WordsByLength[i].text;
        }
    }
    switch (settings_.gameType) {
    case GameType::WordSearch:
        if (longest > s_.GridSize) {
            return refuse(QStringLiteral("Le mot ") + Quoted(longestWord)
                          + QStringLiteral(" est trop long pour la grille : une grille de Lexigrille a au plus %1 cases de côté.")
                                .arg(kMaxWordSearchSize));
        }
        break;
    case GameType::FillIn:
        if (longest > kMaxFillInLength) {
            return refuse(QStringLiteral("Le mot ") + Quoted(longestWord)
                          + QStringLiteral(" est trop long pour les mots casés : un mot ne peut pas dépasser %1 lettres.")
                                .arg(kMaxFillInLength));
        }
        if (const QStringList apart = UnjoinedWords(); !apart.isEmpty())
            return refuse(QStringLiteral("Ces mots ne peuvent pas former une seule grille : ") + UnjoinedWordsSentence(apart)
                          + (apart.size() == 1 ? QStringLiteral(" Retirez-le, ou ajoutez un mot qui le croise.")
                                               : QStringLiteral(" Retirez-les, ou ajoutez des mots qui les croisent.")));
        break;
    case GameType::CodedWords:
        if (settings_.valueMode == 1 && !CheckCodeBounds(settings_.lowerBound, settings_.upperBound).enableGenerate) {
            return refuse(QStringLiteral("Les bornes des valeurs doivent être des nombres entiers laissant au moins 26 valeurs possibles."));
        }
        if (s_.WordCount > 58) {
            return refuse(QStringLiteral("Il y a trop de mots pour les mots codés : choisissez au plus 58 mots."));
        }
        if (s_.RowsPerColumn != 0 && longest > 15) {
            return refuse(QStringLiteral("Le mot ") + Quoted(longestWord)
                          + QStringLiteral(" est trop long pour les mots codés sur deux colonnes : 15 lettres au plus quand il y a plus de 10 mots."));
        }
        // The first column takes the longest words: each row, and side by side
        // with the longest of the others, they must keep within the grid's
        // columns (a wider row ran on into the start of the next one).
        QList<std::pair<int, QString>> widths;
        for (const TaggedItem& item : std::as_const(s_.WordsByLength))
            widths.append({ int(CodedWordCells(item.text).size()), item.text });
        std::stable_sort(widths.begin(), widths.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        if (!widths.isEmpty() && widths.at(0).first > PuzzleState::kSide) { // Œ and Æ take two cells
            return refuse(QStringLiteral("Le mot ") + Quoted(widths.at(0).second)
                          + QStringLiteral(" est trop long pour les mots codés : il ne tient pas sur une ligne de la grille."));
        }
        if (s_.RowsPerColumn != 0) {
            const auto& [first, firstWord] = widths.at(0);
            const auto& [second, secondWord] = widths.at(s_.RowsPerColumn);
            if (CodedSecondColumn(first) + second > PuzzleState::kSide) {
                return refuse(QStringLiteral("Les mots ") + Quoted(firstWord) + QStringLiteral(" et ") + Quoted(secondWord)
                              + QStringLiteral(" sont trop longs pour tenir côte à côte dans les mots codés : retirez des "
                                               "mots longs, ou choisissez 10 mots au plus."));
            }
        }
        break;
    }
    return std::nullopt;
}

GenerationResult PuzzleEngine::Generate(const QStringList& checkedWords, ThemeSelection& themes)
{
    GenerationResult result;
    if (checkedWords.size() < kMinimumWords) {
        result.outcome = GenerationOutcome::TooFewWords;
        return result;
    }

    clock_.Stop();
    s_.Aborted = false;
    s_.WordHighlighted = false;
    if (fixedSeed_)
        random_.Seed(*fixedSeed_);
    else
        random_.SeedFromClock();

    if (themes.selectedThemeCount != -1) {
        int selected = 0;
        for (const ThemeInfo& t : std::as_const(themes.themes))
            selected += t.selected ? 1 : 0;
        themes.selectedThemeCount = selected;
        if (selected == 0) {
            s_.Aborted = true;
            return { GenerationOutcome::NoThemeSelected,
                     QStringLiteral("Vous n'avez sélectionné aucun thème !"), false };
        }
    }
    if (themes.themeListEnabled) {
        for (const ThemeInfo& t : std::as_const(themes.themes)) {
            if (t.selected && t.wordCount == -1) {
                s_.Aborted = true;
                return { GenerationOutcome::ThemeWithoutWords,
                         QStringLiteral("Il n'y a aucun mot pour le thème ") + Quoted(t.name)
                             + QStringLiteral(" !"),
                         false };
            }
        }
    }

    s_.gameType = settings_.gameType;
    settings_.directions[0] = true; // "De gauche à droite" can never be cleared
    settings_.gridSize = std::min(settings_.gridSize, int(kMaxWordSearchSize));
    PrepareWordLists(checkedWords);

    if (settings_.gameType == GameType::WordSearch) {
        // The length a word needs is the cells its grid form takes: a hyphen
        // or a phrase's spaces take none, Œ and Æ take two.
        int needed = 0;
        int longestIndex = 0;
        for (int i = 0; i < s_.WordsByLength.size(); ++i) {
            const int n = int(prepared_.byLengthForms[i].size());
            if (n > needed) {
                needed = n;
                longestIndex = i;
            }
        }
        // The letters count too: a grid with room for the longest word may
        // still be far too small for all of them (random letters only: a
        // hidden message chooses its own size).
        const SizeNeed need = WordSearchNeed(prepared_.byLengthForms, settings_.directions);
        const int proposed = std::min(settings_.randomFill ? std::max(need.side, needed) : needed, int(kMaxWordSearchSize));
        // A word that no grid can hold is refused below, without a question
        // whose Oui could not be honoured.
        if (proposed > s_.GridSize && needed <= kMaxWordSearchSize) {
            const TaggedItem& item = s_.WordsByLength[longestIndex];
            // Too small for the longest word, No creates nothing; too small
            // for the letters only, No tries the size chosen all the same.
            const bool wordTooLong = needed > s_.GridSize;
            // Beyond the largest grid, Oui is a try that will most likely fail: said before it.
            const QString doubt = need.fits ? QString()
                                            : QStringLiteral("Même la plus grande grille ne suffira sans doute pas%1 : "
                                                             "retirez des mots ou cochez d'autres sens.\n")
                                                  .arg(wordTooLong ? QStringLiteral(" pour ces %1 mots (%2 lettres)")
                                                                         .arg(FrenchNumber(need.words), FrenchNumber(need.letters))
                                                                   : QString());
            const QString question = wordTooLong
                ? QStringLiteral("La grille est trop petite pour le mot ") + Quoted(item.text) + QStringLiteral(" !\n") + doubt
                    + QStringLiteral("Voulez-vous ajuster la taille automatiquement ?")
                : QStringLiteral("La grille de %1×%1 est trop petite pour ces %2 mots (%3 lettres) !\n")
                          .arg(s_.GridSize)
                          .arg(FrenchNumber(need.words), FrenchNumber(need.letters))
                    + doubt
                    + QStringLiteral("Voulez-vous %1 une grille de %2×%2 ?")
                          .arg(need.fits ? QStringLiteral("passer à") : QStringLiteral("essayer quand même"))
                          .arg(proposed);
            const bool yes = ask_ ? ask_(question) : true;
            if (!yes && wordTooLong) {
                s_.Aborted = true;
                result.outcome = GenerationOutcome::Declined;
                return result;
            }
            if (yes) {
                settings_.gridSize = proposed;
                s_.SetGridDimensions(settings_.gridSize);
                result.gridSizeChanged = true;
                s_.ClearGrids();
                s_.ClearLetterTables();
            }
        }
    }

    if (auto refused = CheckLengths()) {
        s_.Aborted = true;
        refused->gridSizeChanged = result.gridSizeChanged;
        return *refused;
    }

    CountLetters();

    clock_.YieldNow();
    if (s_.Aborted) {
        result.outcome = GenerationOutcome::Declined;
        return result;
    }
    s_.TimedOut = false;
    clock_.Start();

    bool done = false;
    switch (settings_.gameType) {
    case GameType::WordSearch:
        done = GenerateWordSearch();
        break;
    case GameType::FillIn:
        done = GenerateFillIn();
        break;
    case GameType::CodedWords:
        done = GenerateCodedWords();
        break;
    }
    clock_.Stop();
    // A generator that finished made a whole grid, even when the limit
    // passed at its last draws or while its other threads ended the search.
    if (done)
        s_.TimedOut = false;
    result.outcome = done ? GenerationOutcome::Generated : GenerationOutcome::TimedOut;
    // A hidden message's letters cannot be drawn again: an unfit word they
    // spell with the words' letters, when no layout within the time limit
    // avoided it, is named so that the teacher makes the grid again. Random
    // filler letters are drawn again until they spell none (Filler.cpp).
    if (done && settings_.gameType == GameType::WordSearch && !settings_.randomFill) {
        if (const QStringList unfit = UnfitWordsInGrid(s_, unfitWords_); !unfit.isEmpty())
            result.message = UnfitWordsWarning(unfit);
    }
    return result;
}

QString PuzzleEngine::ShuffleText(const QString& text)
{
    const int n = int(text.size());
    if (n == 0)
        return {};
    bool allEqual = true;
    for (QChar c : text)
        allEqual = allEqual && c == text.front();
    if (allEqual)
        return text;
    QString result;
    QList<bool> used;
    do {
        used.fill(false, n);
        result.clear();
        for (int i = 0; i < n; ++i) {
            int p;
            do {
                p = random_.RandomInt(1, n) - 1;
            } while (used[p]);
            used[p] = true;
            result.append(text[p]);
        }
        Tick();
    } while (result == text);
    return result;
}

} // namespace lx
