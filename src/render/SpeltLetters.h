#pragma once

#include "document/DocumentData.h"

#include <QString>
#include <QStringList>

namespace lx {

// A word's letters one a grid cell, in lower case as it is spelt: "l'école"
// gives l, é, c, o, l, e; œ gives o then e, as the grid writes it.
QStringList SpeltCells(const QString& word);

// The letters of a lower-case grid as its words spell them: "garçon", not
// "garcon", for pupils who copy what they read. The grid keeps plain
// capitals; each cell of a placed word takes that word's letter back, from
// the document's list. A cell that two words spell differently ("été"
// across "tête"), or that no word of the list claims (filler letters, a
// hidden message, a word since removed), keeps its plain letter.
class SpeltLetters {
public:
    explicit SpeltLetters(const DocumentData& d);
    // The cell's letter in lower case, with its word's accent where known.
    QString Letter(int column, int row, const QString& cell) const;

private:
    void ClaimEntries(const DocumentData& d);
    void ClaimCodedRows(const DocumentData& d);
    void Claim(const QString& gridText, const QList<std::pair<int, int>>& cells);

    QHash<QString, QStringList> spellings_; // by grid form
    Grid<QString> letters_;                 // "": no word claims the cell
};

} // namespace lx
