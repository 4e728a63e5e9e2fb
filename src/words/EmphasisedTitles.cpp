#include "words/EmphasisedTitles.h"

namespace lx {

void RemoveEmphasisedTitles(QString& text, const QList<TextLine>& lines)
{
    QList<TextLine> units; // each unit's first line, emphasised when all its lines are
    for (const TextLine& line : lines) {
        if (units.isEmpty() || units.last().unit != line.unit)
            units.append(line);
        else
            units.last().emphasised = units.last().emphasised && line.emphasised;
    }
    const qsizetype n = units.size();
    QList<bool> drop(n, false);
    qsizetype leading = 0;
    while (leading < n && units[leading].emphasised)
        ++leading;
    for (qsizetype i = 0; i < leading && leading < n && leading <= 2; ++i)
        drop[i] = true;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (units[i].firstRow && units[i].emphasised && units[i + 1].row && !units[i + 1].firstRow && !units[i + 1].emphasised)
            drop[i] = true;
    }
    for (qsizetype i = n - 2; i >= 0; --i) {
        if (drop[i])
            text.remove(units[i].start, units[i + 1].start - units[i].start);
    }
}

} // namespace lx
