#include "puzzle/UnfitWords.h"

#include "core/TextEditing.h"
#include "core/TextFile.h"
#include "words/WordListParser.h"

#include <QList>
#include <QSet>

namespace lx {

QStringList ParseUnfitWords(const QString& text)
{
    QStringList out;
    for (const QString& line : SplitLines(text)) {
        const QString w = line.trimmed();
        if (!w.isEmpty() && !w.startsWith(QLatin1Char('/')))
            out.append(w);
    }
    return out;
}

QStringList LoadUnfitWords(const QString& path)
{
    const DecodedText file = ReadWordListFile(path);
    if (file.status != TextFileStatus::Text)
        return {};
    return ParseUnfitWords(file.text);
}

QStringList UnfitWordsInGrid(const PuzzleState& state, const QStringList& unfitForms)
{
    const int side = std::min(int(state.GridSize), PuzzleState::kSide);
    const auto cellOf = [](int x, int y) { return y * PuzzleState::kSide + x; };
    QList<QSet<int>> words; // the cells of each placed word
    for (const WordEntry& e : state.WordEntries) {
        if (!EntryInside(e, int(e.gridText.size()), side))
            continue;
        QSet<int>& cells = words.emplace_back();
        for (int k = 0; k < e.gridText.size(); ++k)
            cells.insert(cellOf(e.x + k * kDirectionSteps[e.direction].dx, e.y + k * kDirectionSteps[e.direction].dy));
    }
    const auto letter = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= side || y >= side || state.LetterGrid.at(x, y).isEmpty())
            return QChar();
        return state.LetterGrid.at(x, y)[0].toUpper();
    };
    QStringList found;
    for (const QString& w : unfitForms) {
        for (int at = 0; at < side * side * 8 && !found.contains(w); ++at) {
            const int x = at / 8 % side, y = at / 8 / side;
            const DirectionStep d = kDirectionSteps[at % 8];
            int k = 0;
            while (k < w.size() && letter(x + k * d.dx, y + k * d.dy) == w[k])
                ++k;
            if (w.size() < 2 || k < w.size())
                continue;
            QSet<int> cells;
            for (k = 0; k < w.size(); ++k)
                cells.insert(cellOf(x + k * d.dx, y + k * d.dy));
            if (std::none_of(words.cbegin(), words.cend(), [&](const QSet<int>& word) { return word.contains(cells); }))
                found.append(w);
        }
    }
    found.sort();
    return found;
}

QString UnfitWordsWarning(const QStringList& words)
{
    QStringList quoted;
    for (const QString& w : words)
        quoted << Quoted(w);
    return (quoted.size() == 1 ? QStringLiteral("La grille laisse lire %1, un mot qu'un élève ne doit pas y trouver. ")
                               : QStringLiteral("La grille laisse lire %1, des mots qu'un élève ne doit pas y trouver. "))
               .arg(FrenchEnumeration(quoted))
        + QStringLiteral("Créez la grille à nouveau, ou changez le message ou la taille de la grille.");
}

} // namespace lx
