#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

class CompoundFile;

// The texts of an Excel 97 to 2003 workbook (.xls), as a word list reads
// them: a line per cell of text, row after row, sheet after sheet, without a
// first row in bold or underlined above one that is not (the columns'
// titles; see RemoveEmphasisedTitles); each text of the workbook once where
// no cell is found. Nothing for a file that is no such workbook, an
// encrypted or a damaged one.
std::optional<QString> Excel97Text(const CompoundFile& file, QStringList& titles);

} // namespace lx
