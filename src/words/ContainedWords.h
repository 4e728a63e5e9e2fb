#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A word hidden in another: when one chosen word's grid form lies inside
// another's, forwards or backwards (NOIX in NOIXDECOCO, ALTO in CONTRALTO,
// ETE in POMMEDETERRE, ROC read backwards in CORBEAU), a pupil finds it twice
// in a word search. These functions find such pairs before a grid is made.
namespace lx {

// Whether grid form `inner` can be read inside grid form `outer`, forwards or
// backwards; two equal forms lie in each other. Never for an empty form.
bool LiesInside(const QString& inner, const QString& outer);
// Which reading: 1 forwards, -1 backwards only, 0 none.
int ReadingInside(const QString& inner, const QString& outer);

struct ContainedPair {
    int inner = 0;          // index of the word read inside the other
    int outer = 0;          // index of the word that holds it
    bool backwards = false; // read backwards only
    bool operator==(const ContainedPair&) const = default;
};

// Every such pair among the words (as the teacher typed them; their grid forms
// are compared), each pair once: ordered by `outer`, then by `inner`. Of two
// words of one length that read in each other (the same grid form, or one
// backwards), the later one counts as the outer word.
QList<ContainedPair> ContainedWords(const QStringList& words);

} // namespace lx
