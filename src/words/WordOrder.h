#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <QStringList>

namespace lx {

// The order of the word lists: alphabetical as a French reader expects it,
// without regard to case ("Âne" beside "ane", "école" after "eau"); words
// that compare equal that way keep a fixed order by their exact text.
bool WordLess(const QString& a, const QString& b);
// The collation behind that order (French, case-insensitive).
const QCollator& WordCollator();
// The collation key of a word, for searching a sorted list: keys compare as
// WordCollator() compares the words.
QCollatorSortKey WordSortKey(const QString& word);
void SortWords(QStringList& words);

} // namespace lx
