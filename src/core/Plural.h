#pragma once

#include <QString>

namespace lx {

// A whole number as French writes it, its digits grouped by three: "5 857".
QString FrenchNumber(long long n);

// A count with a French noun phrase. The marker "¤" stands where the plural
// takes its "s" ("liste¤ disponible¤"); a phrase without marker takes a final
// "s". Counts below 2 (0 included) take the singular, as French does.
// With withNumber the count (FrenchNumber) and a space come first: "3 lettres", "0 liste disponible".
QString PluralLabel(long long count, const QString& noun, bool withNumber);
inline QString PluralLabel(int count, const QString& noun, bool withNumber)
{
    return PluralLabel((long long)count, noun, withNumber);
}

} // namespace lx
