#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace lx {

// A menu of files offered to open: its title ("2 documents disponibles") and
// its items, each the file name without its extension.
struct FileMenuItem {
    QString caption;
    QString path; // the file itself, as it is named on disk
};
struct FileMenu {
    QString title;
    QList<FileMenuItem> items;
};

// The one of `extensions` that the file name ends with, in any case, the name
// being longer than it; empty when none.
QString EndingOf(const QString& name, const QStringList& extensions);

// The files of the folders in turn (the teacher's, then the program's) whose
// names end with one of `extensions` ({".txt", ".rtf"}, any case), in French
// alphabetical order within a folder; a caption met before (in an earlier
// folder, or with another extension) is not listed again, captions compared
// without regard to case; `leaveOut` names files that are no choice; at most
// `limit` items. The title is the count with `label`, whose "¤" mark the
// plural ("liste¤ disponible¤").
FileMenu BuildFileMenu(const QStringList& folders, const QStringList& extensions, int limit, const QString& label,
                       const std::function<bool(const QString& name)>& leaveOut = {});

} // namespace lx
