#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The files inside a zip archive: the documents of today's word processors
// and spreadsheets are zip archives of XML files.
namespace lx {

// True for bytes that begin as a zip archive does.
bool IsZip(QByteArrayView bytes);

// The bytes of the file at `path` in the archive (stored or deflated), as
// its checksum confirms; nothing when the archive has no such file, is
// damaged, holds it encrypted, or the file is larger than maxSize.
std::optional<QByteArray> ZipFile(QByteArrayView archive, const QString& path, qsizetype maxSize);

} // namespace lx
