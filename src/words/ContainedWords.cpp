#include "words/ContainedWords.h"

#include "words/WordForms.h"

#include <algorithm>

namespace lx {

int ReadingInside(const QString& inner, const QString& outer)
{
    if (inner.isEmpty() || inner.size() > outer.size())
        return 0;
    if (outer.contains(inner))
        return 1;
    QString backwards = inner;
    std::reverse(backwards.begin(), backwards.end());
    return outer.contains(backwards) ? -1 : 0;
}

bool LiesInside(const QString& inner, const QString& outer)
{
    return ReadingInside(inner, outer) != 0;
}

QList<ContainedPair> ContainedWords(const QStringList& words)
{
    QStringList forms;
    forms.reserve(words.size());
    for (const QString& w : words)
        forms.append(ToGridForm(w));
    QList<ContainedPair> pairs;
    for (int outer = 0; outer < forms.size(); ++outer) {
        for (int inner = 0; inner < forms.size(); ++inner) {
            if (inner == outer)
                continue;
            const QString& a = forms[inner];
            const QString& b = forms[outer];
            // Two forms of one length read in each other: one pair, the
            // later word outer.
            if (a.size() == b.size() && inner > outer)
                continue;
            if (const int reading = ReadingInside(a, b))
                pairs.append({ inner, outer, reading < 0 });
        }
    }
    return pairs;
}

} // namespace lx
