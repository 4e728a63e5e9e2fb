#pragma once

#include <QString>

#include <optional>

namespace lx {

class CompoundFile;

// The texts of an Excel 97 to 2003 workbook (.xls), as a word list reads
// them: each text of its cells once, a line each. Nothing for a file that is
// no such workbook, an encrypted or a damaged one.
std::optional<QString> Excel97Text(const CompoundFile& file);

} // namespace lx
