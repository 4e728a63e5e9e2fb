#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

// True for the first bytes (eight) of a document that OfficeDocumentText may read.
bool IsOfficeDocumentStart(QByteArrayView bytes);

// The text of a word processor's or a spreadsheet's document, as a word list
// reads it: Word's .docx and LibreOffice's .odt give a line per paragraph,
// list item or table cell, with what a reader sees (no footnotes, comments
// or deleted text) and without the titles above the words or the heading
// rows of tables; Word 97's .doc as Word97Text reads it; Excel's .xlsx (see
// ExcelXmlText) and .xls and LibreOffice's .ods a line per text of their
// cells, without the columns' titles in bold. The titles left out go to
// `titles`, a line or a cell each. Nothing when the bytes are no such
// document, or a damaged one.
std::optional<QString> OfficeDocumentText(QByteArrayView bytes, QStringList* titles = nullptr);

} // namespace lx
