#pragma once

// What makes a fill-in grid sound, checked on the finished puzzle as the page
// draws it: the tests and the benchmarks run it over every grid they make.

#include "puzzle/PuzzleState.h"

#include <QStringList>

namespace lx {

// The letters a fill-in grid holds at most across and down.
inline constexpr int kFillInFrame = 19;

// The faults of a complete fill-in grid, each as one line of English (empty
// when the grid is sound):
// - every word has an entry, across or down, inside the 19 x 19 frame, and
//   its grid form reads along it (crossing words then agree on their letter);
// - the entries follow PlacementOrder and hold its words' grid forms (a
//   puzzle read from a file has no PlacementOrder: then this is not checked);
// - the cells before and after each word are empty;
// - every maximal run of two letters or more, across and down, is a placed
//   word, and every letter belongs to a word: two words never touch side by
//   side, and no word lies inside another on the same line;
// - the words form one crossword: each is reached from the first through
//   crossings.
QStringList FillInFaults(const PuzzleState& s);

inline bool IsSoundFillIn(const PuzzleState& s) { return FillInFaults(s).isEmpty(); }

// The words that can never join the crossword: those outside its largest group
// of words linked by shared letters (the most words, then the most letters).
// words[i] is written forms[i] in the grid; the words left out keep their order.
QStringList UnjoinedWords(const QStringList& words, const QStringList& forms);
// "« pomme » n'a aucune lettre commune avec les autres mots." (five named at most).
QString UnjoinedWordsSentence(const QStringList& apart);

} // namespace lx
