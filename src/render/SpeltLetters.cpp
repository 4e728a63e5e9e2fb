#include "render/SpeltLetters.h"

#include "render/RendererShared.h"
#include "words/WordForms.h"

namespace lx {

using namespace render_detail;

QStringList SpeltCells(const QString& word)
{
    QStringList cells;
    for (const QChar c : word) {
        const QString grid = ToGridForm(QString(c));
        if (grid.size() == 1)
            cells << QString(c).toLower();
        else // œ, æ: two cells; a separator: none
            for (const QChar g : grid)
                cells << QString(g).toLower();
    }
    return cells;
}

SpeltLetters::SpeltLetters(const DocumentData& d)
{
    // Two words of one grid form ("mais", "maïs") agree on the letters they share.
    for (const QString& word : d.words.Words()) {
        const QString grid = ToGridForm(word);
        const QStringList spelt = SpeltCells(word);
        if (spelt.size() != grid.size())
            continue;
        auto known = spellings_.find(grid);
        if (known == spellings_.end()) {
            spellings_.insert(grid, spelt);
            continue;
        }
        for (qsizetype k = 0; k < spelt.size(); ++k)
            if ((*known)[k] != spelt[k])
                (*known)[k] = grid.mid(k, 1).toLower();
    }
    if (d.puzzle.gameType == GameType::CodedWords)
        ClaimCodedRows(d);
    else
        ClaimEntries(d);
}

// Word search and fill-in: the cells of each placed word.
void SpeltLetters::ClaimEntries(const DocumentData& d)
{
    for (const WordEntry& e : d.puzzle.WordEntries) {
        const int length = int(e.gridText.size());
        if (!EntryInside(e, length, PuzzleState::kSide))
            continue;
        const DirectionStep step = kDirectionSteps[e.direction];
        QList<std::pair<int, int>> cells;
        for (int k = 0; k < length; ++k)
            cells.append({ e.x + k * step.dx, e.y + k * step.dy });
        Claim(e.gridText, cells);
    }
}

// Coded words keep no entries: each row holds a word in each column, its
// letters read left to right across the gaps between its parts.
void SpeltLetters::ClaimCodedRows(const DocumentData& d)
{
    const PuzzleState& z = d.puzzle;
    const int last = PuzzleState::kSide - 1;
    const int second = SecondColumn(z, last);
    for (int r = 2; r <= last; ++r) {
        for (const auto& [from, to] : { std::pair(0, second > 0 ? second : last + 1), std::pair(second > 0 ? second : last + 1, last + 1) }) {
            QString letters;
            QList<std::pair<int, int>> cells;
            for (int c = from; c < to; ++c) {
                if (IsCodedCell(z, c, r))
                    letters += UpperCase1252(z.LetterGrid.at(c, r)), cells.append({ c, r });
            }
            Claim(letters, cells);
        }
    }
}

void SpeltLetters::Claim(const QString& gridText, const QList<std::pair<int, int>>& cells)
{
    const auto spelt = spellings_.constFind(gridText);
    if (spelt == spellings_.cend() || spelt->size() != cells.size())
        return;
    for (qsizetype k = 0; k < cells.size(); ++k) {
        QString& letter = letters_.at(cells[k].first, cells[k].second);
        letter = letter.isEmpty() || letter == (*spelt)[k] ? (*spelt)[k] : gridText.mid(k, 1).toLower();
    }
}

QString SpeltLetters::Letter(int column, int row, const QString& cell) const
{
    const QString& spelt = letters_.at(column, row);
    // A cell changed since (a damaged file's) keeps its own letter.
    return !spelt.isEmpty() && ToGridForm(spelt) == UpperCase1252(cell) ? spelt : cell.toLower();
}

} // namespace lx
