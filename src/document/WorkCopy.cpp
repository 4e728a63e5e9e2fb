#include "document/WorkCopy.h"

#include "document/SafeFile.h"

#include <QDir>
#include <QFile>

namespace lx {

WorkCopy::WorkCopy(QString folder)
    : folder_(std::move(folder))
{
}

QString WorkCopy::CopyPath() const
{
    return QDir(folder_).filePath(QStringLiteral("travail-en-cours.lxg"));
}

QString WorkCopy::NamePath() const
{
    return QDir(folder_).filePath(QStringLiteral("travail-en-cours.chemin"));
}

void WorkCopy::Keep(const DocumentData& data, const QString& documentPath)
{
    if (folder_.isEmpty())
        return;
    const QByteArray bytes = DocumentFileBytes(data);
    const QByteArray name = documentPath.toUtf8();
    if (bytes == kept_ && name == keptName_ && QFile::exists(CopyPath()))
        return;
    // A copy that cannot be written is no reason to trouble the teacher: the
    // next one is tried half a minute later.
    if (!QDir().mkpath(folder_) || !WriteFileSafely(NamePath(), name).ok || !WriteFileSafely(CopyPath(), bytes).ok)
        return;
    kept_ = bytes;
    keptName_ = name;
}

void WorkCopy::Discard()
{
    kept_.clear();
    if (folder_.isEmpty())
        return;
    QFile::remove(CopyPath());
    QFile::remove(NamePath());
}

std::optional<WorkCopy::Found> WorkCopy::Find(const QStringList& fontNames) const
{
    if (folder_.isEmpty())
        return std::nullopt;
    QFile copy(CopyPath());
    if (copy.size() > kLargestDocument || !copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    Found found { ReadDocumentBytes(copy.readAll(), fontNames), {} };
    if (!found.read.isDocument)
        return std::nullopt;
    QFile name(NamePath());
    if (name.open(QIODevice::ReadOnly))
        found.documentPath = QString::fromUtf8(name.readAll());
    return found;
}

} // namespace lx
