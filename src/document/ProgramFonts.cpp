#include "document/ProgramFonts.h"

#include "core/ProgramInfo.h"

#include <QDir>
#include <QFontDatabase>

namespace lx {

QString ProgramFontFolder()
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("polices"));
}

QStringList RegisterProgramFonts(const QString& folder, const std::function<bool(const QString& family)>& installed)
{
    QStringList registered;
    const QDir dir(folder);
    if (!dir.exists())
        return registered;
    const QStringList files = dir.entryList({ QStringLiteral("*.ttf"), QStringLiteral("*.otf") }, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            qWarning("Police illisible : %s", qUtf8Printable(QDir::toNativeSeparators(path)));
            continue;
        }
        // The family is only known once the file is read: a family the
        // machine has already is taken back out.
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        bool present = false;
        for (const QString& family : families)
            present = present || (!registered.contains(family, Qt::CaseInsensitive) && installed(family));
        if (present) {
            QFontDatabase::removeApplicationFont(id);
            continue;
        }
        for (const QString& family : families)
            if (!registered.contains(family, Qt::CaseInsensitive))
                registered << family;
    }
    return registered;
}

} // namespace lx
