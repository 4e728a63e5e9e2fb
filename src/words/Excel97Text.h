#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace lx {

// The texts of an Excel 97 to 2003 workbook (.xls), as a word list reads
// them: each text of its cells once, a line each. Nothing for a file that is
// no such workbook, an encrypted or a damaged one.
std::optional<QString> Excel97Text(QByteArrayView file);

} // namespace lx
