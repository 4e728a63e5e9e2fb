// The fonts a document's names draw with (their metric twins where the names are Windows fonts), and the font
// lists the window offers.
#include "render/FontCatalog.h"
#include "support/DocumentSupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace lx::test {
namespace {

TEST(FontCatalogInstalled, ListedFontsDrawWithWhatTheyResolveToWorksheetFontsWithTheirMetricTwins)
{
    const struct { const char *name, *twin, *package; } twins[] = {
        { "Arial", "Liberation Sans", "fonts-liberation" }, { "Arial Narrow", "Liberation Sans Narrow", "fonts-liberation (version 1)" },
        { "Times New Roman", "Liberation Serif", "fonts-liberation" }, { "Courier New", "Liberation Mono", "fonts-liberation" },
        { "Tahoma", "Tahoma", "fonts-wine" }, // not registered with fontconfig: the catalog registers it
    };
    const FontCatalog& catalog = FontCatalog::Installed(); // registers the application fonts first
    const QString sample = u("Le petit âne gris mange des pommes à l'école ; où est Noël, cet élève très sûr de lui ?");
    for (const auto& t : twins) {
        SCOPED_TRACE(t.name);
        // A missing font fails with the package to install, not with a family mismatch further down.
        ASSERT_TRUE(QFontDatabase::families().contains(u(t.twin), Qt::CaseInsensitive)) << "install the Debian package " << t.package;
        // Listed as worksheets write the name, found whatever its case.
        const int at = catalog.IndexOf(u(t.name).toUpper());
        ASSERT_GE(at, 0);
        EXPECT_EQ(catalog.Names().at(at), u(t.name));
        EXPECT_EQ(catalog.Resolve(u(t.name).toLower()), u(t.twin));
        EXPECT_EQ(catalog.Resolve(u(t.twin)), u(t.twin)) << "a real family resolves to itself";
        for (int style = 0; style < 3; ++style) {
            const QFont font = catalog.MakeFont(u(t.name), 12, style > 0, style > 1);
            EXPECT_EQ(QFontInfo(font).family(), u(t.twin)) << "style " << style;
            QFont twin(u(t.twin), -1, style > 0 ? QFont::Bold : QFont::Normal, style > 1);
            twin.setPointSizeF(12);
            EXPECT_EQ(QFontMetricsF(font).horizontalAdvance(sample), QFontMetricsF(twin).horizontalAdvance(sample)) << "style " << style;
        }
    }
    // Every font listed draws with what it resolves to.
    const QStringList& names = catalog.Names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        if (i > 0) { // sorted without regard to case, each name once
            EXPECT_LT(QString::compare(names.at(i - 1), name, Qt::CaseInsensitive), 0) << name.toStdString();
        }
        EXPECT_EQ(catalog.IndexOf(name), i) << name.toStdString();
        // Never fontconfig's generic "Sans Serif", "Serif" or "Monospace", which draw with another font.
        EXPECT_EQ(QFontInfo(catalog.MakeFont(name, 12)).family(), catalog.Resolve(name)) << name.toStdString();
    }
    // A font that fontconfig would only substitute is not listed; asked for anyway, it keeps its name for the system.
    const QString comic = u("Comic Sans MS");
    if (!QFontDatabase::families().contains(comic, Qt::CaseInsensitive)) {
        EXPECT_TRUE(catalog.Resolve(comic).isEmpty());
        EXPECT_EQ(catalog.MakeFont(comic, 12).family(), comic);
    }
}

TEST(SelectFontByName, PicksTheWholeNameElseTheFallbackElseNothing)
{
    const QStringList list { u("Arial"), u("Arial Narrow"), u("Tahoma"), u("Times New Roman") };
    const struct { const char *name, *fallback; int expected; } cases[] = {
        { "arial narrow", "Arial", 1 }, { "Comic Sans MS", "ARIAL", 0 }, { "Arial Nar", "Times New Roman", 3 },
        { "", "Times New Roman", 3 }, { "Narrow", "Narrow", -1 }, { "", "", -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectFontByName(list, u(c.name), u(c.fallback)), c.expected) << c.name << " / " << c.fallback;
    EXPECT_EQ(SelectFontByName({}, u("Arial"), u("Arial")), -1);
}

TEST(FontListRows, PreferredFontsThenTheSeparatorThenAllEachOnce)
{
    const QStringList installed { u("Arial"), u("arial narrow"), u("DejaVu Sans"), u("OpenDyslexic"), u("Tahoma"), u("Zapf") };
    EXPECT_EQ(FontListRows(installed), (QStringList { u("Arial"), u("arial narrow"), u("OpenDyslexic"), u("Tahoma"), u("--------------------"),
                                                      u("DejaVu Sans"), u("Zapf") }));
    EXPECT_EQ(DefaultListFontName({ u("Arial") }), u("Arial"));
    EXPECT_EQ(FontListRows({ u("Zapf") }), (QStringList { u("--------------------"), u("Zapf") }));
}

} // namespace
} // namespace lx::test
