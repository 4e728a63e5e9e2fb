#include "render/FontCatalog.h"

#include "document/FontNames.h"

#include "render/ProgramFonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtDebug>

#include <algorithm>
#include <array>

namespace lx {

namespace {

// Worksheet font names and the installed families that draw them with the same
// metrics. An alias is listed only where its twin is installed.
struct MetricTwin {
    const char* name;
    const char* family;
};
constexpr std::array<MetricTwin, 4> kMetricTwins{{
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

// Debian's fonts-wine ships a real Tahoma that fontconfig does not see; left
// alone, fontconfig quietly draws "Tahoma" with DejaVu Sans, which is wider.
constexpr const char* kTahoma = "Tahoma";
constexpr std::array<const char*, 2> kWineTahomaFiles{{
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
}};

// Qt lists fontconfig's generic names as families although no font of that
// name exists; fontconfig draws them with whatever it prefers.
constexpr std::array<const char*, 3> kGenericNames{{"Sans Serif", "Serif", "Monospace"}};

bool IsGenericStandIn(const QString& family)
{
    for (const char* generic : kGenericNames) {
        if (QString::compare(family, QLatin1String(generic), Qt::CaseInsensitive) == 0)
            return QString::compare(QFontInfo(QFont(family)).family(), family, Qt::CaseInsensitive) != 0;
    }
    return false;
}

QString Key(const QString& name)
{
    return name.toLower();
}

bool CaseInsensitiveLess(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

bool ContainsName(const QStringList& list, const QString& name)
{
    return list.contains(name, Qt::CaseInsensitive);
}

// Registers the wine Tahoma files that exist; returns the families they hold.
QStringList RegisterWineTahoma()
{
    QStringList families;
    for (const char* path : kWineTahomaFiles) {
        const QString file = QString::fromLatin1(path);
        if (!QFile::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0) {
            qWarning("FontCatalog: could not load %s", path);
            continue;
        }
        families += QFontDatabase::applicationFontFamilies(id);
    }
    return families;
}

} // namespace

const FontCatalog& FontCatalog::Installed()
{
    static const FontCatalog catalog = [] {
        FontCatalog built;
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
            qWarning("FontCatalog::Installed() needs a QGuiApplication; the font list is empty");
            return built;
        }

        // The fonts the program brings, for what this machine lacks: a font
        // counts as present under its own family or the name it stands in for.
        const QStringList system = QFontDatabase::families();
        RegisterProgramFonts(ProgramFontFolder(), [&system](const QString& family) {
            if (ContainsName(system, family))
                return true;
            for (const MetricTwin& twin : kMetricTwins)
                if (QString::compare(family, QLatin1String(twin.family), Qt::CaseInsensitive) == 0
                    && ContainsName(system, QString::fromLatin1(twin.name)))
                    return true;
            return false;
        });
        // A widget that shows a document's font by name (the title box) draws
        // with the twin where the named font is missing: fontconfig does so
        // on Linux, Windows (Wine) would draw nothing at all.
        const QStringList present = QFontDatabase::families();
        for (const MetricTwin& twin : kMetricTwins)
            if (!ContainsName(present, QString::fromLatin1(twin.name)) && ContainsName(present, QString::fromLatin1(twin.family)))
                QFont::insertSubstitution(QString::fromLatin1(twin.name), QString::fromLatin1(twin.family));

        // Tahoma first, so that the family list below already holds it. A
        // Tahoma that fontconfig knows (a real installed one) is left alone.
        QStringList tahomaFamilies;
        if (!ContainsName(QFontDatabase::families(), QString::fromLatin1(kTahoma)))
            tahomaFamilies = RegisterWineTahoma();

        const QStringList families = QFontDatabase::families();
        for (const QString& family : families) {
            if (family.isEmpty() || QFontDatabase::isPrivateFamily(family) || IsGenericStandIn(family))
                continue;
            built.Add(family, family);
        }
        // A registered file whose family is Tahoma is listed even if the
        // family list above missed it.
        if (ContainsName(tahomaFamilies, QString::fromLatin1(kTahoma)))
            built.Add(QString::fromLatin1(kTahoma), QString::fromLatin1(kTahoma));

        // The aliases: a real font of that name, when installed, is already
        // listed and keeps drawing with itself.
        for (const MetricTwin& twin : kMetricTwins) {
            const QString family = QString::fromLatin1(twin.family);
            const int at = SelectFontByName(families, family, QString());
            if (at >= 0)
                built.Add(QString::fromLatin1(twin.name), families.at(at));
        }
        built.SortNames();
        return built;
    }();
    return catalog;
}

void FontCatalog::Add(const QString& name, const QString& family)
{
    const QString key = Key(name);
    if (resolve_.contains(key))
        return;
    resolve_.insert(key, family);
    names_.append(name);
}

void FontCatalog::SortNames()
{
    std::sort(names_.begin(), names_.end(), CaseInsensitiveLess);
}

int FontCatalog::IndexOf(const QString& name) const
{
    return SelectFontByName(names_, name, QString());
}

QString FontCatalog::Resolve(const QString& name) const
{
    return resolve_.value(Key(name));
}

QFont FontCatalog::MakeFont(const QString& name, double pointSize, bool bold, bool italic) const
{
    const QString family = Resolve(name);
    QFont font(family.isEmpty() ? name : family);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace lx
