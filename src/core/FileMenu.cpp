#include "core/FileMenu.h"

#include "core/Plural.h"

#include <QDir>

namespace lx {

FileMenu BuildFileMenu(const QStringList& folders, const QString& extension, int limit, const QString& label,
                       const std::function<bool(const QString& name)>& leaveOut)
{
    FileMenu menu;
    QStringList seen;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : files) {
            if (menu.items.size() >= limit)
                break;
            const QString name = file.fileName();
            if (name.size() <= extension.size() || !name.endsWith(extension, Qt::CaseInsensitive)
                || seen.contains(name, Qt::CaseInsensitive) || (leaveOut && leaveOut(name)))
                continue;
            seen << name;
            menu.items.append({ name.chopped(extension.size()), file.absoluteFilePath() });
        }
    }
    menu.title = PluralLabel(int(menu.items.size()), label, true);
    return menu;
}

} // namespace lx
