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
    // The checked words first: they are the ones placed.
    for (const bool checked : { true, false }) {
        for (int i = 0; i < d.words.Count(); ++i) {
            if (d.words.IsChecked(i) != checked)
                continue;
            const QString grid = ToGridForm(d.words.Word(i));
            const QStringList spelt = SpeltCells(d.words.Word(i));
            QList<QStringList>& same = spellings_[grid];
            if (spelt.size() == grid.size() && !same.contains(spelt))
                same.append(spelt);
        }
    }
    if (d.puzzle.gameType == GameType::CodedWords)
        PlaceCodedRows(d);
    else
        PlaceEntries(d);
    SpellAgreeingWords();
}

// Word search and fill-in: the cells of each placed word.
void SpeltLetters::PlaceEntries(const DocumentData& d)
{
    for (const WordEntry& e : d.puzzle.WordEntries) {
        const int length = int(e.gridText.size());
        if (!EntryInside(e, length, PuzzleState::kSide))
            continue;
        const DirectionStep step = kDirectionSteps[e.direction];
        Cells cells;
        for (int k = 0; k < length; ++k)
            cells.append({ e.x + k * step.dx, e.y + k * step.dy });
        Place(e.gridText, cells);
    }
}

// Coded words keep no entries: each row holds a word in each column, its
// letters read left to right across the gaps between its parts, within the
// rows and columns the drawing walks and split where it splits them.
void SpeltLetters::PlaceCodedRows(const DocumentData& d)
{
    const PuzzleState& z = d.puzzle;
    const int last = LastIndex(z);
    const int end = last + 1;
    const int second = SecondColumn(z, last);
    const int split = second > 0 ? second : end;
    for (int r = 2; r <= last; ++r) {
        for (const auto& [from, to] : { std::pair(0, split), std::pair(split, end) }) {
            QString letters;
            Cells cells;
            for (int c = from; c < to; ++c) {
                if (IsCodedCell(z, c, r))
                    letters += UpperCase1252(z.LetterGrid.at(c, r)), cells.append({ c, r });
            }
            Place(letters, cells);
        }
    }
}

// The word takes the next spelling of its plain form, the first again when
// the list has fewer.
void SpeltLetters::Place(const QString& gridText, const Cells& cells)
{
    const auto same = spellings_.constFind(gridText);
    if (same == spellings_.cend() || same->isEmpty() || cells.size() != gridText.size())
        return;
    int& next = used_[gridText];
    placed_.append({ cells, (*same)[next % same->size()] });
    ++next;
}

// Drops, one after the other, each word that spells a cell unlike a word it
// crosses (a dropped word spells its cells plain) until the words left agree.
void SpeltLetters::SpellAgreeingWords()
{
    QList<bool> spelt(placed_.size(), true);
    const auto letterOf = [&](qsizetype w, qsizetype k) {
        return spelt[w] ? placed_[w].letters[k] : ToGridForm(placed_[w].letters[k]).toLower();
    };
    Grid<QList<std::pair<qsizetype, qsizetype>>> through; // each cell's words, with the letter's place in them
    for (qsizetype w = 0; w < placed_.size(); ++w)
        for (qsizetype k = 0; k < placed_[w].cells.size(); ++k)
            through.at(placed_[w].cells[k].first, placed_[w].cells[k].second).append({ w, k });
    for (bool changed = true; changed;) {
        changed = false;
        for (qsizetype w = 0; w < placed_.size(); ++w) {
            for (qsizetype k = 0; spelt[w] && k < placed_[w].cells.size(); ++k) {
                for (const auto& [other, at] : through.at(placed_[w].cells[k].first, placed_[w].cells[k].second))
                    if (letterOf(other, at) != placed_[w].letters[k])
                        spelt[w] = false, changed = true;
            }
        }
    }
    for (qsizetype w = 0; w < placed_.size(); ++w)
        for (qsizetype k = 0; spelt[w] && k < placed_[w].cells.size(); ++k)
            letters_.at(placed_[w].cells[k].first, placed_[w].cells[k].second) = placed_[w].letters[k];
}

QString SpeltLetters::Letter(int column, int row, const QString& cell) const
{
    const QString& spelt = letters_.at(column, row);
    // A cell changed since (a damaged file's) keeps its own letter.
    return !spelt.isEmpty() && ToGridForm(spelt) == UpperCase1252(cell) ? spelt : cell.toLower();
}

} // namespace lx
