#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

// The text of an Excel workbook (.xlsx) as a word list reads it, from its
// sheets: a line per cell of text, row after row, sheet after sheet (numbers
// left out), without a first row in bold or underlined above one that is not
// (the columns' titles; see RemoveEmphasisedTitles). Nothing when its sheets
// cannot be read where Excel puts them, or one is damaged.
std::optional<QString> ExcelXmlText(QByteArrayView archive, qsizetype maxXmlBytes, QStringList& titles);

} // namespace lx
