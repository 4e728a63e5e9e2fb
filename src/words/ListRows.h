#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace lx {

// The words of a text, an elided one apart ("qu'il": "qu'", "il").
QStringList Tokens(const QString& text);

// A name of one to three words ("chat", "pomme de terre"), as a word of a
// list is, and no sentence.
bool IsName(const QString& text);

// A word's definition beside it ("chat : animal qui miaule"): three words or
// more with a pronoun or a verb of being, or a phrase of five words or more.
bool IsDefinition(const QString& text);

// The cells of a line, parted by `separators`; a cell in double quotes, as a
// spreadsheet saves one that holds a separator or a quote ("pomme de terre;
// frite", "l'""école"""), is one cell, without its quotes.
QStringList SplitCells(const QString& line, const QRegularExpression& separators);

// What a pair of cells (or a word and what follows its colon) holds.
enum class PairRole {
    Words,      // two words of the list
    Definition, // a word and its definition, left out
    Headings,   // a vocabulary table's column titles ("Mot", "Définition"), left out
};

// A line's pair of cells, or of a word and what follows its colon; none
// when the line holds no pair.
using LinePair = std::optional<std::pair<QString, QString>>;

// The role of each line's pair (Words for a line without one): in a
// vocabulary table (two pairs or more that pair as a word and its definition,
// and at least a third of them), every pair whose first is a name holds a
// definition, the short ones too ("vache", "donne du lait"), and its column
// titles are told apart; elsewhere each pair that pairs so alone holds one.
QList<PairRole> PairRoles(const QList<LinePair>& pairs);

} // namespace lx
