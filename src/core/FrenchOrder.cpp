#include "core/FrenchOrder.h"

#include <QLocale>

namespace lx {

const QCollator& FrenchCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::French, QLocale::France));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

bool FrenchLess(const QString& a, const QString& b)
{
    const int c = FrenchCollator().compare(a, b);
    if (c != 0)
        return c < 0;
    return a < b;
}

} // namespace lx
