#include "words/WordOrder.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace lx {

const QCollator& WordCollator()
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

bool WordLess(const QString& a, const QString& b)
{
    const int c = WordCollator().compare(a, b);
    if (c != 0)
        return c < 0;
    return a < b;
}

bool WordEqualIgnoringCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void SortWords(QStringList& words)
{
    std::stable_sort(words.begin(), words.end(), WordLess);
}

} // namespace lx
