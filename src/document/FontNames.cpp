#include "document/FontNames.h"

namespace lx {

int SelectFontByName(const QStringList& list, const QString& name, const QString& fallback)
{
    const auto find = [&list](const QString& wanted) -> int {
        if (wanted.isEmpty())
            return -1;
        for (int i = 0; i < list.size(); ++i) {
            if (QString::compare(list.at(i), wanted, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    const int at = find(name);
    return at >= 0 ? at : find(fallback);
}

QString DefaultListFontName(const QStringList& installedNames)
{
    return SelectFontByName(installedNames, QStringLiteral("Arial Narrow"), QString()) >= 0 ? QStringLiteral("Arial Narrow")
                                                                                           : QStringLiteral("Arial");
}

QStringList FontListRows(const QStringList& installedNames)
{
    QStringList rows;
    auto addIfInstalled = [&](const QString& name) {
        const int i = SelectFontByName(installedNames, name, QString());
        if (i >= 0 && SelectFontByName(rows, name, QString()) < 0)
            rows << installedNames[i];
    };
    static const char* const preferred[] = {
        "Arial", nullptr, "Century Gothic", "Comic Sans MS", "CrayonE", "CrayonL", "cursive", "Cursive standard",
        "DuCahier xp", "Ecolier", "Ecolier_court",
        // A font drawn for pupils who struggle with reading (Debian's fonts-opendyslexic).
        "OpenDyslexic", "Script cole", "Script Ecole 2", "Tahoma", "Times New Roman",
    };
    for (const char* name : preferred)
        addIfInstalled(name ? QString::fromUtf8(name) : DefaultListFontName(installedNames));
    const int preferredCount = int(rows.size());
    for (const QString& name : installedNames)
        addIfInstalled(name);
    rows.insert(preferredCount, QString::fromLatin1(kFontListSeparator));
    return rows;
}

} // namespace lx
