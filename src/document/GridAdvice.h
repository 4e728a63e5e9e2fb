#pragma once

// What the window and the command line tell the teacher about the words and
// the grid before and after "Créer la grille": the size the words need, a word
// read inside another, a hidden message too short for its grid, and, after a
// generation that ran out of time, why and what to try next.

#include "document/Prompter.h"
#include "puzzle/Engine.h"
#include "puzzle/SizeRule.h"

#include <QString>

namespace lx {

class Document;

// What the checked words need of the grid: the word search's smallest side,
// or whether the fill-in frame holds them.
SizeNeed CheckedWordsNeed(const Document& doc);

// The word-search side to start from when the teacher names none: the
// smallest that takes the words, or, with a hidden message, the smallest
// whose free cells the message fills.
int ProposedGridSize(const Document& doc);

// The line under the grid-size slider ("12 mots, 78 lettres : grille de
// 10×10 au moins."), red when the chosen size is smaller. Empty for the coded
// words and for fewer words than a grid takes.
struct SizeHint {
    QString text;
    bool tooSmall = false;
};
SizeHint GridSizeHint(const Document& doc);

// After a generation ran out of time: the explanation with its figures, and
// the size to try next (0 when there is none: the text then says what to change).
struct TimeOutAdvice {
    QString text;
    int side = 0;
};
TimeOutAdvice AdviceAfterTimeOut(const Document& doc);
// What to change when every try ran out of time (a version of the worksheet):
// the size to choose, or the words to remove.
QString AdviceAfterEveryTry(const Document& doc);

// The chosen words of a word search that can be read inside another one
// ("« noix » se lit aussi dans « noix de coco »."); empty when there is none.
QString ContainedWordsWarning(const Document& doc);

// A hidden message shorter than the free cells of every layout of the words
// at the chosen size: the number of cells it leaves empty, else 0.
int CellsLeftEmpty(const Document& doc);
QString ShortMessageQuestion(int emptyCells);

// "Créer la grille" with its questions: a hidden message too short first (No
// creates nothing), then, after each time-out, a larger grid when one may
// hold the words (Yes generates again at that size). A time-out that no size
// can mend comes back with the explanation as its message.
GenerationResult GenerateAsking(Document& doc, Prompter& prompter);

} // namespace lx
