#include "words/EmphasisedTitles.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace lx {

void AddTitles(QStringList& titles, const QString& text)
{
    static const QRegularExpression parts(QStringLiteral("[\n\t]"));
    for (const QString& part : text.split(parts)) {
        if (!part.trimmed().isEmpty())
            titles << part.simplified();
    }
}

void RemoveEmphasisedTitles(QString& text, const QList<TextLine>& lines, QStringList& titles)
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
    // Runs of units alike, emphasised or not.
    struct Run {
        qsizetype first, count;
        bool emphasised;
    };
    QList<Run> runs;
    for (qsizetype i = 0; i < n; ++i) {
        if (runs.isEmpty() || runs.last().emphasised != units[i].emphasised)
            runs.append({ i, 1, units[i].emphasised });
        else
            ++runs.last().count;
    }
    // The entries of a run: its lines, and the pieces that commas, semicolons and tabs part.
    const auto entries = [&](const Run& run) {
        const qsizetype end = run.first + run.count < n ? units[run.first + run.count].start : text.size();
        static const QRegularExpression separators(QStringLiteral("[\n,;\t]"));
        const QStringList pieces = text.mid(units[run.first].start, end - units[run.first].start).split(separators);
        return std::count_if(pieces.cbegin(), pieces.cend(), [](const QString& piece) { return !piece.trimmed().isEmpty(); });
    };
    const auto dropRun = [&drop](const Run& run) {
        for (qsizetype i = run.first; i < run.first + run.count; ++i)
            drop[i] = true;
    };
    // The list's title, above its words.
    if (runs.size() >= 2 && runs[0].emphasised && runs[0].count <= 2)
        dropRun(runs[0]);
    // A list in parts ("Semaine 1", its words, "Semaine 2", its words...):
    // from the start, titles of one or two paragraphs each above two words or
    // more. A table's column titles among them are the table's own (below),
    // but a paragraph right above them is a word, not a part's title.
    const auto rows = [&](const Run& r) {
        return std::count_if(units.cbegin() + r.first, units.cbegin() + r.first + r.count, [](const TextLine& u) { return u.row; });
    };
    const auto title = [&](const Run& r) { return rows(r) == 0 && r.count <= 2; };
    const auto columnTitles = [&](const Run& r) { return r.count == 1 && units[r.first].firstRow; };
    const bool parts = runs.size() >= 4 && title(runs[0]) && runs[0].emphasised && !runs.last().emphasised
        && std::all_of(runs.cbegin(), runs.cend(), [&](const Run& r) {
               return r.emphasised ? title(r) || columnTitles(r) : entries(r) >= 2;
           });
    for (const Run& run : runs) {
        if (parts && run.emphasised && title(run))
            dropRun(run);
    }
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (units[i].firstRow && units[i].emphasised && units[i + 1].row && !units[i + 1].firstRow && !units[i + 1].emphasised)
            drop[i] = true;
    }
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (drop[i])
            AddTitles(titles, text.mid(units[i].start, units[i + 1].start - units[i].start));
    }
    for (qsizetype i = n - 2; i >= 0; --i) {
        if (drop[i])
            text.remove(units[i].start, units[i + 1].start - units[i].start);
    }
}

} // namespace lx
