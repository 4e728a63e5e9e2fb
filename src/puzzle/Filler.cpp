// The free cells of a word search: random letters of the selected words, or the
// teacher's hidden message read in order once every word is crossed out.
#include "puzzle/Engine.h"

#include "words/Plural.h"
#include "words/WordForms.h"

namespace lx {

namespace {

// A cell that the filler may write: empty, or holding a filler letter (always
// lower case). Word letters are upper case, and a digit or "!" of a word is kept too.
bool isFillerCell(const QString& cell)
{
    const QString t = cell.trimmed();
    return t.isEmpty() || t.front().isLower();
}

QString messageLetters(const QString& messageText)
{
    return LettersOnly(messageText).toLower();
}

} // namespace

void PuzzleEngine::FillFreeCells()
{
    const bool randomFill = settings_.randomFill;
    int p = 0;
    if (!randomFill) {
        s_.MessageText = settings_.message.trimmed();
        s_.MessageLetters = messageLetters(s_.MessageText);
        if (settings_.shuffleMessage)
            s_.MessageLetters = ShuffleText(s_.MessageLetters);
    }
    bool anyLetter = false;
    for (std::int16_t c : s_.LetterCounts)
        anyLetter = anyLetter || c >= 1;

    int empty = 0;
    for (int y = 0; y <= s_.GridLast; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            QString& cell = s_.LetterGrid.at(x, y);
            if (!cell.isEmpty())
                continue;
            ++empty;
            if (randomFill) {
                // Every letter of the words is equally likely, however often it
                // occurs; a selection without any letter A to Z leaves the cell empty.
                if (!anyLetter)
                    continue;
                int k;
                for (;;) {
                    k = random_.Below(26);
                    if (s_.LetterCounts[k] >= 1)
                        break;
                    Tick();
                }
                cell = QString(QChar(u'a' + k));
            } else {
                cell = p < s_.MessageLetters.size() ? QString(s_.MessageLetters[p]) : QString();
                ++p;
            }
        }
    }
    s_.EmptyCellCount = std::int16_t(empty);
    if (randomFill)
        s_.BalanceLabel = {};
    else
        ShowLetterBalance();
}

void PuzzleEngine::ShowLetterBalance()
{
    LetterBalanceLabel& label = s_.BalanceLabel;
    if (!s_.MessageLetters.isEmpty()) {
        s_.LetterBalance = std::int16_t(s_.EmptyCellCount - s_.MessageLetters.size());
        label.text = QString::number(s_.LetterBalance) + QLatin1Char('/') + QString::number(s_.EmptyCellCount);
        if (s_.LetterBalance > 0) {
            label.colour = BalanceColour::Red;
            label.explanation = QStringLiteral("Il manque ") + PluralLabel(s_.LetterBalance, QStringLiteral("lettre"), true);
        } else if (s_.LetterBalance < 0) {
            label.colour = BalanceColour::Red;
            label.explanation = QStringLiteral("Il y a ") + PluralLabel(-s_.LetterBalance, QStringLiteral("lettre"), true)
                + QStringLiteral(" de trop");
        } else {
            label.colour = BalanceColour::Green;
            label.explanation.clear();
        }
    } else {
        label.text = QString::number(s_.EmptyCellCount) + QLatin1Char('/') + QString::number(s_.EmptyCellCount);
        label.colour = BalanceColour::Green;
        label.explanation = QStringLiteral("Il n'y a aucune lettre");
    }
}

void PuzzleEngine::RefillMessage(const QString& text)
{
    settings_.message = text;
    s_.MessageText = text.trimmed();
    if (settings_.randomFill) {
        s_.BalanceLabel.text.clear();
        s_.BalanceLabel.colour = BalanceColour::Green;
        return;
    }
    // Only a word-search grid has free cells: the lower-case letters of the
    // other game types are the pupil's letters and must never be overwritten.
    if (settings_.gameType != GameType::WordSearch)
        return;
    s_.MessageLetters = messageLetters(s_.MessageText);
    if (settings_.shuffleMessage)
        s_.MessageLetters = ShuffleText(s_.MessageLetters);
    int p = 0;
    int empty = 0;
    for (int y = 0; y <= s_.GridLast; ++y) {
        for (int x = 0; x <= s_.GridLast; ++x) {
            QString& cell = s_.LetterGrid.at(x, y);
            if (!isFillerCell(cell))
                continue;
            cell = p < s_.MessageLetters.size() ? QString(s_.MessageLetters[p]) : QString();
            ++p;
            ++empty;
        }
    }
    s_.EmptyCellCount = std::int16_t(empty);
    ShowLetterBalance();
}

void PuzzleEngine::SetRandomFill(bool randomFill)
{
    settings_.randomFill = randomFill;
    if (!randomFill)
        ShowLetterBalance();
    RefillMessage(settings_.message);
}

} // namespace lx
