#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

class CompoundFile;

// The text of a Word 97 to 2003 document (.doc), as a word list reads it:
// the body's paragraphs as lines and its table cells parted by tabs, the
// results of its fields without their codes, no pictures, footnotes or
// headers, no titles (of a title style, or typed in bold as
// RemoveEmphasisedTitles tells) nor tables' heading rows. Nothing for a file
// that is no such document, an encrypted or a damaged one.
std::optional<QString> Word97Text(const CompoundFile& file, QStringList& titles);

} // namespace lx
