#include "core/Plural.h"

#include <QLocale>

namespace lx {

QString FrenchNumber(long long n)
{
    static const QLocale french(QLocale::French, QLocale::France);
    return french.toString(n);
}

QString PluralLabel(long long count, const QString& noun, bool withNumber)
{
    static const QString marker = QStringLiteral("¤");
    QString phrase = noun;
    if (count < 2)
        phrase.remove(marker);
    else if (phrase.contains(marker))
        phrase.replace(marker, QStringLiteral("s"));
    else
        phrase += QLatin1Char('s');
    return withNumber ? FrenchNumber(count) + QLatin1Char(' ') + phrase : phrase;
}

} // namespace lx
