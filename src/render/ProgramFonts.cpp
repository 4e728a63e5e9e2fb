#include "render/ProgramFonts.h"

#include "core/ProgramInfo.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>

namespace lx {

QString ProgramFontFolder()
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("polices"));
}

QList<int> RegisterProgramFonts(const QString& folder, const std::function<bool(const QString& family)>& installed)
{
    QList<int> kept;
    const QDir dir(folder);
    if (!dir.exists())
        return kept;
    QHash<QString, bool> onMachine; // lower-cased family -> installed already
    const QStringList files = dir.entryList({ QStringLiteral("*.ttf"), QStringLiteral("*.otf") }, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            qWarning("ProgramFonts: could not load %s", qUtf8Printable(QDir::toNativeSeparators(path)));
            continue;
        }
        // The family is only known once the file is read: a family the
        // machine has already is taken back out, with each of its styles.
        bool present = false;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            const QString key = family.toLower();
            if (!onMachine.contains(key))
                onMachine.insert(key, installed(family));
            present = present || onMachine.value(key);
        }
        if (present)
            QFontDatabase::removeApplicationFont(id);
        else
            kept << id;
    }
    return kept;
}

} // namespace lx
