#pragma once

#include "document/DocumentData.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <utility>

namespace lx {

// A word's letters one a grid cell, in lower case as it is spelt: "l'école"
// gives l, é, c, o, l, e; œ gives o then e, as the grid writes it.
QStringList SpeltCells(const QString& word);

// The letters of a lower-case grid as its words spell them: "garçon", not
// "garcon", for pupils who copy what they read. The grid keeps plain
// capitals; each placed word takes its letters back from the document's
// list, two words of one plain form ("mais", "maïs") one each. A word is
// spelt whole or not at all: where two crossing words spell their cell
// differently ("côté" across "soleil"), both keep their plain letters, as
// would every word they cross that way, never half a word's accents
// ("coté"). Filler letters and a hidden message's stay plain.
class SpeltLetters {
public:
    explicit SpeltLetters(const DocumentData& d);
    // The cell's letter in lower case, with its word's accent where known.
    QString Letter(int column, int row, const QString& cell) const;

private:
    using Cells = QList<std::pair<int, int>>;
    struct Placed {
        Cells cells;
        QStringList letters;
    };
    void PlaceEntries(const DocumentData& d);
    void PlaceCodedRows(const DocumentData& d);
    void Place(const QString& gridText, const Cells& cells);
    void SpellAgreeingWords();

    QHash<QString, QList<QStringList>> spellings_; // by grid form, in the list's order
    QHash<QString, int> used_;                     // of each grid form, the spellings given out
    QList<Placed> placed_;
    Grid<QString> letters_; // "": the plain letter
};

} // namespace lx
