#include <gtest/gtest.h>

#include "document/FontCatalog.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <string>

namespace {

using lx::FontCatalog;
using lx::SelectFontByName;

std::string S(const QString& text)
{
    return text.toStdString();
}

// The fonts this machine must have for worksheets to draw as they were made.
// A missing one fails with the Debian package to install, rather than with a
// confusing family mismatch further down.
::testing::AssertionResult FamilyInstalled(const char* family, const char* package)
{
    FontCatalog::Installed(); // registers the application fonts first
    if (QFontDatabase::families().contains(QString::fromLatin1(family), Qt::CaseInsensitive))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "font family \"" << family << "\" is not installed; install the Debian package "
           << package;
}

::testing::AssertionResult WineTahomaPresent()
{
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (!QFile::exists(QString::fromLatin1(path)))
            return ::testing::AssertionFailure()
                   << path << " is missing; install the Debian package fonts-wine";
    }
    return FamilyInstalled("Tahoma", "fonts-wine");
}

QString Drawn(const QFont& font)
{
    return QFontInfo(font).family();
}

const QString& FrenchSample()
{
    static const QString sample = QString::fromUtf8(
        "Le petit âne gris mange des pommes à l'école ; où est Noël, cet élève très sûr de lui ?");
    return sample;
}

bool SortedWithoutDuplicates(const QStringList& names, std::string* why)
{
    for (qsizetype i = 1; i < names.size(); ++i) {
        const int c = QString::compare(names.at(i - 1), names.at(i), Qt::CaseInsensitive);
        if (c >= 0) {
            *why = "\"" + S(names.at(i - 1)) + "\" before \"" + S(names.at(i)) + "\"";
            return false;
        }
    }
    return true;
}

// --- The catalog of this machine ---------------------------------------------

TEST(FontCatalogInstalled, IsBuiltOnce)
{
    EXPECT_EQ(&FontCatalog::Installed(), &FontCatalog::Installed());
}

TEST(FontCatalogInstalled, ListsTheWorksheetFonts)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Sans", "fonts-liberation"));
    ASSERT_TRUE(FamilyInstalled("Liberation Sans Narrow", "fonts-liberation (version 1)"));
    ASSERT_TRUE(FamilyInstalled("Liberation Serif", "fonts-liberation"));
    ASSERT_TRUE(FamilyInstalled("Liberation Mono", "fonts-liberation"));
    ASSERT_TRUE(WineTahomaPresent());

    const FontCatalog& catalog = FontCatalog::Installed();
    for (const char* name : {"Arial", "Arial Narrow", "Times New Roman", "Courier New", "Tahoma"})
        EXPECT_TRUE(catalog.Contains(QString::fromLatin1(name))) << name;
    // The names are kept as worksheets write them.
    const int arial = catalog.IndexOf(QStringLiteral("arial"));
    ASSERT_GE(arial, 0);
    EXPECT_EQ(S(catalog.Names().at(arial)), "Arial");
}

TEST(FontCatalogInstalled, ResolvesAliasesToTheirMetricTwins)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Sans", "fonts-liberation"));
    ASSERT_TRUE(FamilyInstalled("Liberation Sans Narrow", "fonts-liberation (version 1)"));
    ASSERT_TRUE(FamilyInstalled("Liberation Serif", "fonts-liberation"));
    ASSERT_TRUE(FamilyInstalled("Liberation Mono", "fonts-liberation"));

    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Arial"))), "Liberation Sans");
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("ARIAL"))), "Liberation Sans");
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Arial Narrow"))), "Liberation Sans Narrow");
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Times New Roman"))), "Liberation Serif");
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("courier new"))), "Liberation Mono");
    // A real family resolves to itself.
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Liberation Sans"))), "Liberation Sans");
}

TEST(FontCatalogInstalled, ArialDrawsWithLiberationSans)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Sans", "fonts-liberation"));
    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("Arial"), 12))), "Liberation Sans");
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("Arial"), 12, true, true))), "Liberation Sans");
}

TEST(FontCatalogInstalled, ArialNarrowDrawsWithLiberationSansNarrow)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Sans Narrow", "fonts-liberation (version 1)"));
    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("Arial Narrow"), 12))), "Liberation Sans Narrow");
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("arial narrow"), 9, true))),
              "Liberation Sans Narrow");
}

TEST(FontCatalogInstalled, TimesAndCourierDrawWithTheirTwins)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Serif", "fonts-liberation"));
    ASSERT_TRUE(FamilyInstalled("Liberation Mono", "fonts-liberation"));
    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("Times New Roman"), 12))), "Liberation Serif");
    EXPECT_EQ(S(Drawn(catalog.MakeFont(QStringLiteral("Courier New"), 12))), "Liberation Mono");
}

TEST(FontCatalogInstalled, TahomaDrawsWithTheRealTahoma)
{
    ASSERT_TRUE(WineTahomaPresent());
    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Tahoma"))), "Tahoma");

    const QFont regular = catalog.MakeFont(QStringLiteral("Tahoma"), 12);
    EXPECT_EQ(S(Drawn(regular)), "Tahoma");
    EXPECT_FALSE(QFontInfo(regular).bold());

    const QFont bold = catalog.MakeFont(QStringLiteral("Tahoma"), 12, true);
    EXPECT_EQ(S(Drawn(bold)), "Tahoma");
    EXPECT_TRUE(QFontInfo(bold).bold());

    // Not the wider DejaVu Sans that fontconfig would put in its place.
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        QFont dejaVu(QStringLiteral("DejaVu Sans"));
        dejaVu.setPointSizeF(12);
        EXPECT_NE(QFontMetricsF(regular).horizontalAdvance(FrenchSample()),
                  QFontMetricsF(dejaVu).horizontalAdvance(FrenchSample()));
    }
}

TEST(FontCatalogInstalled, ArialHasTheMetricsOfLiberationSans)
{
    ASSERT_TRUE(FamilyInstalled("Liberation Sans", "fonts-liberation"));
    const FontCatalog& catalog = FontCatalog::Installed();
    for (const bool bold : {false, true}) {
        QFont twin(QStringLiteral("Liberation Sans"));
        twin.setPointSizeF(12);
        twin.setBold(bold);
        const QFontMetricsF expected(twin);
        const QFontMetricsF actual(catalog.MakeFont(QStringLiteral("Arial"), 12, bold));
        EXPECT_EQ(actual.horizontalAdvance(FrenchSample()), expected.horizontalAdvance(FrenchSample()))
            << "bold " << bold;
        EXPECT_EQ(actual.height(), expected.height()) << "bold " << bold;
        EXPECT_EQ(actual.ascent(), expected.ascent()) << "bold " << bold;
    }
}

TEST(FontCatalogInstalled, DoesNotListFontsThatAreOnlySubstituted)
{
    const FontCatalog& catalog = FontCatalog::Installed();
    if (QFontDatabase::families().contains(QStringLiteral("Comic Sans MS"), Qt::CaseInsensitive))
        GTEST_SKIP() << "Comic Sans MS is really installed here";
    EXPECT_FALSE(catalog.Contains(QStringLiteral("Comic Sans MS")));
    EXPECT_EQ(catalog.IndexOf(QStringLiteral("Comic Sans MS")), -1);
    EXPECT_TRUE(catalog.Resolve(QStringLiteral("Comic Sans MS")).isEmpty());
    // Asked for anyway, it keeps its own name and is left to the system.
    EXPECT_EQ(S(catalog.MakeFont(QStringLiteral("Comic Sans MS"), 12).family()), "Comic Sans MS");
}

TEST(FontCatalogInstalled, EveryRealFamilyDrawsWithItself)
{
    // Not fontconfig's generic "Sans Serif", "Serif" or "Monospace", which
    // draw with another font; the aliases draw with their twins.
    const FontCatalog& catalog = FontCatalog::Installed();
    for (const QString& name : catalog.Names()) {
        const QString family = catalog.Resolve(name);
        EXPECT_EQ(S(Drawn(catalog.MakeFont(name, 12))), S(family)) << S(name);
    }
}

TEST(FontCatalogInstalled, NamesAreSortedWithoutDuplicates)
{
    const QStringList& names = FontCatalog::Installed().Names();
    ASSERT_FALSE(names.isEmpty());
    std::string why;
    EXPECT_TRUE(SortedWithoutDuplicates(names, &why)) << why;
}

TEST(FontCatalogInstalled, EveryNameResolves)
{
    const FontCatalog& catalog = FontCatalog::Installed();
    const QStringList& names = catalog.Names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_FALSE(catalog.Resolve(names.at(i)).isEmpty()) << S(names.at(i));
        EXPECT_EQ(catalog.IndexOf(names.at(i)), i) << S(names.at(i));
    }
}

// --- A catalog over given names ----------------------------------------------

TEST(FontCatalogGiven, ResolvesNamesToThemselves)
{
    const FontCatalog catalog(
        {QStringLiteral("Zeta"), QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("Arial")});
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Zeta"))), "Zeta");
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("ALPHA"))), "alpha");
    // No aliases in a given list: "Arial" is just a name.
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Arial"))), "Arial");
    EXPECT_TRUE(catalog.Resolve(QStringLiteral("Gamma")).isEmpty());
    EXPECT_TRUE(catalog.Resolve(QString()).isEmpty());
}

TEST(FontCatalogGiven, SortsWithoutRegardToCaseAndKeepsEachNameOnce)
{
    const FontCatalog catalog({QStringLiteral("Zeta"), QStringLiteral("alpha"), QStringLiteral("Beta"),
                               QStringLiteral("ALPHA"), QStringLiteral("beta"), QStringLiteral("Alpha Two")});
    const QStringList expected{QStringLiteral("alpha"), QStringLiteral("Alpha Two"),
                               QStringLiteral("Beta"), QStringLiteral("Zeta")};
    EXPECT_EQ(S(catalog.Names().join(QLatin1Char('|'))), S(expected.join(QLatin1Char('|'))));
}

TEST(FontCatalogGiven, IndexOfMatchesWholeNamesOnly)
{
    const FontCatalog catalog({QStringLiteral("Arial"), QStringLiteral("Arial Narrow")});
    EXPECT_EQ(catalog.IndexOf(QStringLiteral("arial")), 0);
    EXPECT_EQ(catalog.IndexOf(QStringLiteral("ARIAL NARROW")), 1);
    EXPECT_EQ(catalog.IndexOf(QStringLiteral("Arial Narr")), -1);
    EXPECT_EQ(catalog.IndexOf(QStringLiteral("Arial ")), -1);
    EXPECT_EQ(catalog.IndexOf(QString()), -1);
    EXPECT_TRUE(catalog.Contains(QStringLiteral("Arial")));
    EXPECT_FALSE(catalog.Contains(QStringLiteral("Tahoma")));
}

TEST(FontCatalogGiven, MakeFontSetsFamilySizeAndStyle)
{
    const FontCatalog catalog({QStringLiteral("Liberation Sans")});
    const QFont plain = catalog.MakeFont(QStringLiteral("liberation sans"), 10.5);
    EXPECT_EQ(S(plain.family()), "Liberation Sans");
    EXPECT_DOUBLE_EQ(plain.pointSizeF(), 10.5);
    EXPECT_FALSE(plain.bold());
    EXPECT_FALSE(plain.italic());

    const QFont styled = catalog.MakeFont(QStringLiteral("Liberation Sans"), 14, true, true);
    EXPECT_DOUBLE_EQ(styled.pointSizeF(), 14);
    EXPECT_TRUE(styled.bold());
    EXPECT_TRUE(styled.italic());

    // Text fonts may borrow rare characters from other fonts.
    EXPECT_FALSE(styled.styleStrategy() & QFont::NoFontMerging);

    // A name that is not listed is kept as asked.
    EXPECT_EQ(S(catalog.MakeFont(QStringLiteral("Unlisted Font"), 12).family()), "Unlisted Font");
}

// --- Selecting a font in a list ----------------------------------------------

TEST(SelectFontByName, PicksTheNameElseTheFallbackElseNothing)
{
    const QStringList list{QStringLiteral("Arial"), QStringLiteral("Arial Narrow"),
                           QStringLiteral("Tahoma"), QStringLiteral("Times New Roman")};
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("Tahoma"), QStringLiteral("Arial")), 2);
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("Comic Sans MS"), QStringLiteral("Arial")), 0);
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("Comic Sans MS"), QStringLiteral("Wingdings")), -1);
    EXPECT_EQ(SelectFontByName(list, QString(), QStringLiteral("Times New Roman")), 3);
    EXPECT_EQ(SelectFontByName(list, QString(), QString()), -1);
}

TEST(SelectFontByName, IgnoresCaseButMatchesWholeNames)
{
    const QStringList list{QStringLiteral("Arial"), QStringLiteral("Arial Narrow")};
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("arial narrow"), QStringLiteral("Arial")), 1);
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("ARIAL"), QString()), 0);
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("Arial Nar"), QStringLiteral("arial")), 0);
    EXPECT_EQ(SelectFontByName(list, QStringLiteral("Narrow"), QStringLiteral("Narrow")), -1);
}

TEST(SelectFontByName, EmptyListSelectsNothing)
{
    EXPECT_EQ(SelectFontByName({}, QStringLiteral("Arial"), QStringLiteral("Arial")), -1);
}

} // namespace
