#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The streams of a compound file: the documents of Word 97 to 2003 (.doc)
// and of the spreadsheets and presentations of that time are such files, a
// small file system of their own.
namespace lx {

// True for bytes that begin as a compound file does.
bool IsCompoundFile(QByteArrayView bytes);

// The bytes of the stream named `name` (in any case) at the top of the file;
// nothing when there is none, the file is damaged, or the stream is larger
// than maxSize.
std::optional<QByteArray> CompoundFileStream(QByteArrayView file, const QString& name, qsizetype maxSize);

} // namespace lx
