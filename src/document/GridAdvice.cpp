#include "document/GridAdvice.h"

#include "core/Plural.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "puzzle/FillInCheck.h"
#include "puzzle/MessageFit.h"
#include "words/ContainedWords.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

namespace {

QString Side(int side)
{
    return QStringLiteral("%1×%1").arg(side);
}

bool Enough(const Document& doc)
{
    return doc.GridForms().size() >= PuzzleEngine::kMinimumWords;
}

} // namespace

SizeNeed CheckedWordsNeed(const Document& doc)
{
    const PuzzleSettings& p = doc.settings().puzzle;
    if (p.gameType == GameType::FillIn)
        return FillInNeed(doc.GridForms());
    // Measured in cells, as the generation measures the words: a phrase's
    // spaces and a hyphen take none.
    return WordSearchNeed(doc.GridForms(), p.directions);
}

int ProposedGridSize(const Document& doc)
{
    const PuzzleSettings& p = doc.settings().puzzle;
    const int wordsNeed = std::clamp(CheckedWordsNeed(doc).side, int(kMinGridSide), int(kMaxGridSide));
    if (!p.randomFill) {
        const int letters = int(LettersOnly(p.message.trimmed()).size());
        const WordCells cells = CountWordCells(doc.GridForms(), WordsCanCross(p.directions));
        if (const QList<int> sides = GridSidesForMessage(cells, letters); !sides.isEmpty())
            return sides.first();
        // No size takes it exactly: the first that takes it whole, a few cells
        // left empty, rather than one that cuts it (its key would print
        // letters the grid lacks).
        for (int side = wordsNeed; side <= kMaxGridSide; ++side) {
            if (CellsLeftEmpty(cells, letters, side) > 0)
                return side;
        }
    }
    return wordsNeed;
}

SizeHint GridSizeHint(const Document& doc)
{
    const PuzzleSettings& p = doc.settings().puzzle;
    if (p.gameType == GameType::CodedWords || !Enough(doc))
        return {};
    const SizeNeed need = CheckedWordsNeed(doc);
    const QString counts = QStringLiteral("%1 mots, %2 lettres : ").arg(FrenchNumber(need.words), FrenchNumber(need.letters));
    if (p.gameType == GameType::FillIn) {
        // A word that can never cross the others is named before the teacher waits for a grid.
        if (const QStringList apart = doc.UnjoinedWords(); !apart.isEmpty())
            return { counts + UnjoinedWordsSentence(apart), true };
        if (need.fits)
            return { counts + QStringLiteral("ils tiennent dans le cadre."), false };
        if (WholeClassesChosen(doc.data()))
            return { counts + QStringLiteral("trop pour le cadre. Cochez un thème."), true };
        return { counts + QStringLiteral("trop pour le cadre, retirez des mots."), true };
    }
    if (!need.fits) {
        return { counts + QStringLiteral("trop pour la plus grande grille (%1)").arg(Side(kMaxGridSide))
                     + (WholeClassesChosen(doc.data()) ? QStringLiteral(". Cochez un thème.") : QStringLiteral(", retirez des mots.")),
                 true };
    }
    return { counts + QStringLiteral("grille de %1 au moins.").arg(Side(need.side)), p.gridSize < need.side };
}

TimeOutAdvice AdviceAfterTimeOut(const Document& doc)
{
    const PuzzleSettings& p = doc.settings().puzzle;
    const SizeNeed need = CheckedWordsNeed(doc);
    switch (p.gameType) {
    case GameType::FillIn:
        // Words the frame is expected to hold may well be laid out by another try.
        if (need.fits) {
            return { QStringLiteral("Le temps de calcul est dépassé avant que ces %1 mots soient tous placés dans le cadre : "
                                    "créez la grille à nouveau (un autre essai peut réussir), ou retirez des mots.")
                         .arg(need.words),
                     0 };
        }
        return { QStringLiteral("Ces %1 mots ne se croisent pas assez pour tenir dans le cadre : %2")
                     .arg(need.words)
                     .arg(WholeClassesChosen(doc.data()) ? QStringLiteral("cochez un thème.") : QStringLiteral("retirez des mots.")),
                 0 };
    case GameType::CodedWords:
        return { QStringLiteral("Le temps de calcul est dépassé : retirez des mots."), 0 };
    case GameType::WordSearch:
        break;
    }
    const QString words = QStringLiteral("Ces %1 mots (%2 lettres) ne tiennent pas").arg(FrenchNumber(need.words), FrenchNumber(need.letters));
    if (const int side = SizeAfterTimeOut(need, p.gridSize); side > 0) {
        return { words + QStringLiteral(" dans une grille de %1 avec ces sens. Voulez-vous essayer une grille de %2 ?")
                             .arg(Side(p.gridSize), Side(side)),
                 side };
    }
    const bool allDirections = std::all_of(p.directions.begin(), p.directions.end(), [](bool b) { return b; });
    QString remedy = QStringLiteral("retirez des mots ou cochez d'autres sens.");
    if (WholeClassesChosen(doc.data()))
        remedy = QStringLiteral("cochez un thème.");
    else if (allDirections)
        remedy = QStringLiteral("retirez des mots.");
    return { words + QStringLiteral(" avec ces sens, même dans la plus grande grille (%1) : ").arg(Side(kMaxGridSide)) + remedy, 0 };
}

QString AdviceAfterEveryTry(const Document& doc)
{
    const TimeOutAdvice advice = AdviceAfterTimeOut(doc);
    if (advice.side > 0)
        return QStringLiteral("Choisissez une grille de %1, ou retirez des mots.").arg(Side(advice.side));
    switch (doc.settings().puzzle.gameType) {
    case GameType::WordSearch:
        return advice.text;
    case GameType::FillIn:
        if (!CheckedWordsNeed(doc).fits)
            return advice.text;
        break;
    case GameType::CodedWords:
        break;
    }
    return QStringLiteral("Retirez des mots.");
}

QString ContainedWordsWarning(const Document& doc)
{
    // Among every word of a class, before a theme is ticked, the pairs are
    // only noise under the advice to tick one.
    if (doc.settings().puzzle.gameType != GameType::WordSearch || WholeClassesChosen(doc.data()))
        return {};
    // A word read backwards inside another is found only by pupils who look
    // both ways: when words may be written backwards (right to left, upwards,
    // the reversed diagonals), or when the sheet says nothing of the directions.
    const bool backwardsRead = WordsCanRunBackwards(doc.settings().puzzle.directions) || !doc.settings().showDirections;
    const QStringList words = doc.words().CheckedWords();
    QList<ContainedPair> pairs = ContainedWords(words);
    pairs.removeIf([backwardsRead](const ContainedPair& p) { return p.backwards && !backwardsRead; });
    QStringList sentences;
    for (const ContainedPair& pair : pairs) {
        if (sentences.size() == 3) {
            sentences.append(QStringLiteral("(et %1)").arg(PluralLabel(int(pairs.size() - 3), QStringLiteral("autre"), true)));
            break;
        }
        sentences.append(Quoted(words[pair.inner]) + QStringLiteral(" se lit aussi dans ") + Quoted(words[pair.outer])
                         + (pair.backwards ? QStringLiteral(", à l'envers.") : QStringLiteral(".")));
    }
    return sentences.join(QLatin1Char(' '));
}

int CellsLeftEmpty(const Document& doc)
{
    const PuzzleSettings& p = doc.settings().puzzle;
    if (p.gameType != GameType::WordSearch || p.randomFill || !Enough(doc))
        return 0;
    const int letters = int(LettersOnly(p.message.trimmed()).size());
    if (letters == 0)
        return 0;
    return CellsLeftEmpty(CountWordCells(doc.GridForms(), WordsCanCross(p.directions)), letters, p.gridSize);
}

QString ShortMessageQuestion(int emptyCells)
{
    return QStringLiteral("Le message est trop court : il restera au moins %1 case%2 vide%2. Créer quand même ?")
        .arg(emptyCells)
        .arg(emptyCells > 1 ? QStringLiteral("s") : QString());
}

GenerationResult GenerateAsking(Document& doc, Prompter& prompter)
{
    if (doc.words().CheckedCount() >= PuzzleEngine::kMinimumWords) {
        if (const int empty = CellsLeftEmpty(doc); empty > 0
            && prompter.Ask(MessageKind::Question, ShortMessageQuestion(empty)) != Answer::Yes)
            return { GenerationOutcome::Declined, {}, false };
    }
    GenerationResult r = doc.Generate();
    bool sizeChanged = r.gridSizeChanged;
    while (r.outcome == GenerationOutcome::TimedOut) {
        const TimeOutAdvice advice = AdviceAfterTimeOut(doc);
        if (advice.side == 0) {
            r.message = advice.text;
            break;
        }
        if (prompter.Ask(MessageKind::Proposal, advice.text) != Answer::Yes)
            break;
        doc.Change(Setting::GridSize, advice.side);
        sizeChanged = true;
        r = doc.Generate();
    }
    r.gridSizeChanged = r.gridSizeChanged || sizeChanged;
    return r;
}

} // namespace lx
