#include "core/Plural.h"

#include <cmath>

namespace lx {

namespace {

QString pluralOf(const QString& countText, double rounded, const QString& noun, bool withNumber)
{
    static const QString marker = QStringLiteral("¤");
    QString result;
    if (withNumber)
        result = countText + QLatin1Char(' ');
    QString phrase = noun;
    if (rounded < 2)
        phrase.remove(marker);
    else if (phrase.contains(marker))
        phrase.replace(marker, QStringLiteral("s"));
    else
        phrase += QLatin1Char('s');
    return result + phrase;
}

} // namespace

QString PluralLabel(long long count, const QString& noun, bool withNumber)
{
    return pluralOf(QString::number(count), double(count), noun, withNumber);
}

QString PluralLabel(double count, const QString& noun, bool withNumber)
{
    return pluralOf(QString::number(count), std::nearbyint(count), noun, withNumber);
}

QString PluralLabel(const QString& count, const QString& noun, bool withNumber)
{
    bool ok = false;
    const double value = count.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return noun;
    return pluralOf(count.trimmed(), std::nearbyint(value), noun, withNumber);
}

} // namespace lx
