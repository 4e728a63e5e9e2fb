#pragma once

#include <QString>
#include <QStringList>

namespace lx {

// True for the text of an RTF document (what WordPad saves by default).
bool IsRtf(const QString& text);

// The plain text of an RTF document, as a word list reads it: paragraphs and
// line breaks as line ends, tabs and table cells as tabs, the characters of
// its escapes (\'e9, \u8217) as themselves; fonts, colours, styles, pictures,
// the bullets and numbers of its lists, the document's information and the
// text deleted with its changes tracked left out, and its titles (typed in
// bold or underlined as RemoveEmphasisedTitles tells, or a table's heading
// row), which go to `titles`. A text cut short (a size cap) gives what came
// before the cut.
QString RtfText(const QString& rtf, QStringList* titles = nullptr);

} // namespace lx
