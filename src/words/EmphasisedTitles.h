#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace lx {

// A line of a document's text, and the paragraph or table row it belongs to.
struct TextLine {
    qsizetype start; // in the text
    int unit;        // the same for the cells of one table row
    bool emphasised; // all its text bold or underlined
    bool row, firstRow; // in a table's row, its first
};

// The line a reader is writing: where it starts, whether it has text yet, and
// whether any of its text is plain (neither bold nor underlined).
struct LineEmphasis {
    qsizetype start = 0;
    bool text = false, plain = false;
    void Note(QChar c, bool emphasised)
    {
        if (!c.isSpace()) {
            text = true;
            plain = plain || !emphasised;
        }
    }
    void Note(QStringView characters, bool emphasised)
    {
        for (const QChar c : characters)
            Note(c, emphasised);
    }
    // The next line starts at `at`.
    void Restart(qsizetype at)
    {
        start = at;
        text = plain = false;
    }
};

// Removes the titles typed in bold or underlined rather than in a title
// style: the first one or two paragraphs or table rows when all their text is
// so and the next one's is not (a list typed all in bold keeps its words);
// in a list in parts, each part's title so, when the list starts with one
// and every part has two words or more; and a table's first row so above one
// that is not (the column titles).
// `lines` are the text's lines with text, in order. The titles removed are
// added to `titles`, a line or a table cell each.
void RemoveEmphasisedTitles(QString& text, const QList<TextLine>& lines, QStringList& titles);

// Adds the lines and table cells of a title left out of a text to `titles`.
void AddTitles(QStringList& titles, const QString& text);

} // namespace lx
