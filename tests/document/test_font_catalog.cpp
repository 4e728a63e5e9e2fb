#include <gtest/gtest.h>

#include "document/FontCatalog.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <string>

namespace {

using lx::FontCatalog;
using lx::SelectFontByName;

std::string S(const QString& text)
{
    return text.toStdString();
}

QString L(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

// The fonts this machine must have for worksheets to draw as they were made.
// A missing one fails with the Debian package to install, rather than with a
// confusing family mismatch further down.
::testing::AssertionResult FamilyInstalled(const char* family, const char* package)
{
    FontCatalog::Installed(); // registers the application fonts first
    if (QFontDatabase::families().contains(L(family), Qt::CaseInsensitive))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "font family \"" << family << "\" is not installed; install the Debian package " << package;
}

QString Drawn(const QFont& font)
{
    return QFontInfo(font).family();
}

const char* const kFrenchSample =
    "Le petit âne gris mange des pommes à l'école ; où est Noël, cet élève très sûr de lui ?";

TEST(FontCatalogInstalled, WorksheetFontsDrawWithTheirMetricTwins)
{
    const struct {
        const char* name;
        const char* twin;
        const char* package;
    } twins[] = {
        { "Arial", "Liberation Sans", "fonts-liberation" },
        { "Arial Narrow", "Liberation Sans Narrow", "fonts-liberation (version 1)" },
        { "Times New Roman", "Liberation Serif", "fonts-liberation" },
        { "Courier New", "Liberation Mono", "fonts-liberation" },
    };
    const FontCatalog& catalog = FontCatalog::Installed();
    for (const auto& t : twins) {
        SCOPED_TRACE(t.name);
        ASSERT_TRUE(FamilyInstalled(t.twin, t.package));
        // Listed as worksheets write the name, found whatever its case.
        const int at = catalog.IndexOf(L(t.name).toUpper());
        ASSERT_GE(at, 0);
        EXPECT_EQ(S(catalog.Names().at(at)), t.name);
        EXPECT_EQ(S(catalog.Resolve(L(t.name).toLower())), t.twin);
        EXPECT_EQ(S(catalog.Resolve(L(t.twin))), t.twin); // a real family resolves to itself
        for (int style = 0; style < 3; ++style) {
            SCOPED_TRACE(style);
            const QFont font = catalog.MakeFont(L(t.name), 12, style > 0, style > 1);
            EXPECT_EQ(S(Drawn(font)), t.twin);
            QFont twin(L(t.twin));
            twin.setPointSizeF(12);
            twin.setBold(style > 0);
            twin.setItalic(style > 1);
            const QFontMetricsF expected(twin);
            const QFontMetricsF actual(font);
            const QString sample = QString::fromUtf8(kFrenchSample);
            EXPECT_EQ(actual.horizontalAdvance(sample), expected.horizontalAdvance(sample));
            EXPECT_EQ(actual.height(), expected.height());
            EXPECT_EQ(actual.ascent(), expected.ascent());
        }
    }
}

TEST(FontCatalogInstalled, TahomaIsTheRealOneThatTheCatalogRegisters)
{
    for (const char* path : { "/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf" })
        ASSERT_TRUE(QFile::exists(L(path))) << path << " is missing; install the Debian package fonts-wine";
    ASSERT_TRUE(FamilyInstalled("Tahoma", "fonts-wine"));
    const FontCatalog& catalog = FontCatalog::Installed();
    EXPECT_TRUE(catalog.Contains(QStringLiteral("Tahoma")));
    EXPECT_EQ(S(catalog.Resolve(QStringLiteral("Tahoma"))), "Tahoma");
    for (const bool bold : { false, true }) {
        const QFont font = catalog.MakeFont(QStringLiteral("Tahoma"), 12, bold);
        // Drawn by Tahoma itself, not by the wider DejaVu Sans fontconfig would pick.
        EXPECT_EQ(S(Drawn(font)), "Tahoma") << "bold " << bold;
        EXPECT_EQ(QFontInfo(font).bold(), bold);
    }
}

TEST(FontCatalogInstalled, ListsOnlyFontsThatDrawWithWhatTheyResolveTo)
{
    const FontCatalog& catalog = FontCatalog::Installed();
    const QStringList& names = catalog.Names();
    ASSERT_FALSE(names.isEmpty());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        // Sorted without regard to case, each name once.
        if (i > 0) {
            EXPECT_LT(QString::compare(names.at(i - 1), name, Qt::CaseInsensitive), 0)
                << S(names.at(i - 1)) << " before " << S(name);
        }
        EXPECT_EQ(catalog.IndexOf(name), i) << S(name);
        // Never fontconfig's generic "Sans Serif", "Serif" or "Monospace",
        // which draw with another font.
        const QString family = catalog.Resolve(name);
        EXPECT_FALSE(family.isEmpty()) << S(name);
        EXPECT_EQ(S(Drawn(catalog.MakeFont(name, 12))), S(family)) << S(name);
    }

    // A font that fontconfig would only substitute is not listed; asked for
    // anyway, it keeps its own name and is left to the system.
    const QString comic = QStringLiteral("Comic Sans MS");
    if (!QFontDatabase::families().contains(comic, Qt::CaseInsensitive)) {
        EXPECT_FALSE(catalog.Contains(comic));
        EXPECT_TRUE(catalog.Resolve(comic).isEmpty());
        EXPECT_EQ(S(catalog.MakeFont(comic, 12).family()), "Comic Sans MS");
    }
}

TEST(FontCatalogGiven, SortsAndKeepsTheFirstSpellingOfEachName)
{
    const FontCatalog catalog({ L("Zeta"), L("alpha"), L("Beta"), L("ALPHA"), L("beta"), L("Alpha Two"), L("Arial") });
    EXPECT_EQ(S(catalog.Names().join(QLatin1Char('|'))), "alpha|Alpha Two|Arial|Beta|Zeta");
    EXPECT_EQ(S(catalog.Resolve(L("ALPHA"))), "alpha");
    // No aliases in a given list: "Arial" is just a name.
    EXPECT_EQ(S(catalog.Resolve(L("Arial"))), "Arial");
    EXPECT_TRUE(catalog.Resolve(L("Alph")).isEmpty());
    EXPECT_TRUE(catalog.Resolve(QString()).isEmpty());

    const QFont plain = catalog.MakeFont(L("zeta"), 10.5);
    EXPECT_EQ(S(plain.family()), "Zeta");
    EXPECT_DOUBLE_EQ(plain.pointSizeF(), 10.5);
    const QFont styled = catalog.MakeFont(L("Zeta"), 14, true, true);
    EXPECT_DOUBLE_EQ(styled.pointSizeF(), 14);
    EXPECT_TRUE(styled.bold());
    EXPECT_TRUE(styled.italic());
    EXPECT_EQ(S(catalog.MakeFont(L("Unlisted Font"), 12).family()), "Unlisted Font");
}

TEST(SelectFontByName, PicksTheWholeNameElseTheFallbackElseNothing)
{
    const QStringList list{ L("Arial"), L("Arial Narrow"), L("Tahoma"), L("Times New Roman") };
    EXPECT_EQ(SelectFontByName(list, L("Tahoma"), L("Arial")), 2);
    EXPECT_EQ(SelectFontByName(list, L("arial narrow"), L("Arial")), 1);
    EXPECT_EQ(SelectFontByName(list, L("Comic Sans MS"), L("ARIAL")), 0);
    EXPECT_EQ(SelectFontByName(list, L("Arial Nar"), L("Times New Roman")), 3);
    EXPECT_EQ(SelectFontByName(list, QString(), L("Times New Roman")), 3);
    EXPECT_EQ(SelectFontByName(list, L("Comic Sans MS"), L("Wingdings")), -1);
    EXPECT_EQ(SelectFontByName(list, L("Narrow"), L("Narrow")), -1);
    EXPECT_EQ(SelectFontByName(list, QString(), QString()), -1);
    EXPECT_EQ(SelectFontByName({}, L("Arial"), L("Arial")), -1);
}

} // namespace
