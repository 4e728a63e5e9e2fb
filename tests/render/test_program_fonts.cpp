// The fonts the program brings (the Windows installer's polices folder), each registered only where the machine lacks it.
#include "RenderTestSupport.h"

#include "render/ProgramFonts.h"

#include <QFontDatabase>
#include <QTemporaryDir>

namespace lx::test {
namespace {

// The families of the fonts kept, each once; the fonts are then taken back out.
QStringList KeptFamilies(const QList<int>& ids)
{
    // Removing a font empties the database until its next use, application fonts included: filled again before their families are read.
    QFontDatabase::families();
    QStringList families;
    for (int id : ids)
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family))
                families << family;
    for (int id : ids)
        QFontDatabase::removeApplicationFont(id);
    return families;
}

TEST(ProgramFonts, RegistersOnlyTheFamiliesTheMachineLacks)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const char* files[] = {
        "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf",
        "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf",
        "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf",
    };
    for (const char* file : files) {
        const QString path = u(file);
        if (!QFile::exists(path))
            GTEST_SKIP() << file << " is missing (packages fonts-liberation, fonts-symbola)";
        ASSERT_TRUE(QFile::copy(path, folder.filePath(path.section(u'/', -1))));
    }
    // Not a font: skipped, the others still registered.
    ASSERT_EQ(WriteBytes(folder.filePath(u("abîmée.ttf")), "pas une police"), folder.filePath(u("abîmée.ttf")));
    const struct { const char* machineHas; QStringList kept; } cases[] = {
        { "", { u("Liberation Sans Narrow"), u("Symbola") } },
        { "Liberation Sans Narrow", { u("Symbola") } },
        { "Liberation Sans Narrow|Symbola", {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.machineHas);
        const QStringList has = u(c.machineHas).split(u'|', Qt::SkipEmptyParts);
        int asked = 0;
        const QList<int> ids = RegisterProgramFonts(folder.path(), [&](const QString& family) { return ++asked, has.contains(family); });
        EXPECT_EQ(KeptFamilies(ids), c.kept);
        EXPECT_EQ(asked, 2) << "each family asked about once, not once per file";
    }
    EXPECT_TRUE(RegisterProgramFonts(folder.filePath(u("absent")), [](const QString&) { return false; }).isEmpty());
}

} // namespace
} // namespace lx::test
