#include "core/FileMenu.h"

#include "core/FrenchOrder.h"
#include "core/Plural.h"

#include <QDir>

#include <algorithm>

namespace lx {

QString EndingOf(const QString& name, const QStringList& extensions)
{
    const auto ending = std::find_if(extensions.begin(), extensions.end(), [&name](const QString& e) {
        return name.size() > e.size() && name.endsWith(e, Qt::CaseInsensitive);
    });
    return ending == extensions.end() ? QString() : *ending;
}

FileMenu BuildFileMenu(const QStringList& folders, const QStringList& extensions, int limit, const QString& label,
                       const std::function<bool(const QString& name)>& leaveOut)
{
    FileMenu menu;
    QStringList seen; // captions
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        // In French order: "Été" between "Automne" and "Hiver", not after "Zoo".
        QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::NoSort);
        std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) { return FrenchLess(a.fileName(), b.fileName()); });
        for (const QFileInfo& file : files) {
            if (menu.items.size() >= limit)
                break;
            const QString name = file.fileName();
            const QString extension = EndingOf(name, extensions);
            if (extension.isEmpty())
                continue;
            const QString caption = name.chopped(extension.size());
            if (seen.contains(caption, Qt::CaseInsensitive) || (leaveOut && leaveOut(name)))
                continue;
            seen << caption;
            menu.items.append({ caption, file.absoluteFilePath() });
        }
    }
    menu.title = PluralLabel(int(menu.items.size()), label, true);
    return menu;
}

} // namespace lx
