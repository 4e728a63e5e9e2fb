#pragma once

#include <QCollator>
#include <QString>

namespace lx {

// Alphabetical order as a French reader expects it, without regard to case:
// "Âne" beside "ane", "école" after "eau", "Été" before "Hiver"; texts that
// compare equal that way keep a fixed order by their exact text.
bool FrenchLess(const QString& a, const QString& b);
// The collation behind that order (French, case-insensitive).
const QCollator& FrenchCollator();

} // namespace lx
