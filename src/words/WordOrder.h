#pragma once

#include <QCollatorSortKey>
#include <QString>
#include <QStringList>

namespace lx {

// The order of the word lists is FrenchLess (core/FrenchOrder.h).
// The collation key of a word, for searching a sorted list: keys compare as
// FrenchCollator() compares the words.
QCollatorSortKey WordSortKey(const QString& word);
void SortWords(QStringList& words);

} // namespace lx
