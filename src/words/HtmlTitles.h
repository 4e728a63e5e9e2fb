#pragma once

#include <QString>
#include <QStringList>

namespace lx {

// The titles of a text copied as HTML (from a word processor or a web page),
// in the order they come: its headings (h1 to h6, Word's title and subtitle
// paragraphs), and the paragraphs set apart as titles by their bold or
// underlined text as RemoveEmphasisedTitles tells. Each as its plain text,
// spaces simplified.
QStringList HtmlTitles(const QString& html);

// The text without its lines that are these titles (each title takes the
// first line equal to it, spaces simplified, and a table's row, its cells
// parted by tabs, is the titles of its cells one after the other); the
// titles found go to `found`.
QString WithoutTitleLines(const QString& text, const QStringList& titles, QStringList& found);

} // namespace lx
