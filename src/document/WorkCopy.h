#pragma once

#include "document/DocumentFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

// A copy of the work not yet saved, kept in a folder of the program's own
// while the teacher works, so that a crash or a power cut loses at most the
// last half minute of it: the next launch offers it back. The copy is the
// document file's bytes, beside a small file that names the document it
// belongs to (empty for a document never saved).
// How often the window keeps the copy: the most work a crash may lose.
inline constexpr int kWorkCopySeconds = 30;

class WorkCopy {
public:
    explicit WorkCopy(QString folder = {}); // without a folder, no copy is kept
    const QString& Folder() const { return folder_; }

    // Keeps the data as the copy; writes only when they changed since.
    void Keep(const DocumentData& data, const QString& documentPath);
    // The work was saved, or given up: no copy is left.
    void Discard();

    struct Found {
        DocumentReadResult read;
        QString documentPath; // where the document was saved before; empty when never
    };
    // The copy a previous launch left, if any.
    std::optional<Found> Find(const QStringList& fontNames) const;

private:
    QString CopyPath() const;
    QString NamePath() const;

    QString folder_;
    QByteArray kept_, keptName_; // what the copy holds, once written by this launch
};

} // namespace lx
