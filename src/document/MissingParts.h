#pragma once

#include "document/IniReader.h"

#include <QStringList>

namespace lx {

// What a document file cut short lacks (a copy or a download that did not
// finish): the program writes all its keys, in one order, so a file that
// has the word keys and lacks the grid, some rows of it, some words of its
// list or some word places was cut. In French, for the teacher: "la
// grille", "des mots de la liste"…; empty for a whole document. A file cut
// before its word keys cannot be told from a template made by hand.
QStringList MissingParts(const IniReader& ini);

// What the teacher is told of them; empty when nothing lacks.
QString MissingPartsMessage(const QString& fileName, const QStringList& parts);

} // namespace lx
