// The sheets a print gives out, and what each half of a sheet shows.
#include "RenderTestSupport.h"

#include "document/Versions.h"
#include "render/PageTexts.h"
#include "render/SheetPlan.h"

namespace lx::test {
namespace {

// A word search leaving its lower half free (10 cells), or taking the whole page (18 cells of 12 points pass the fold).
DocumentData Sheet(int lowerHalf, bool fits, int version = 0)
{
    DocumentData d = MakeData(GameType::WordSearch, lowerHalf, fits ? 10 : 18);
    d.settings.nameLine = true;
    AddWords(d, { u("CHAT"), u("CHIEN"), u("LOUP"), u("LION"), u("OURS") });
    PlaceWord(d, u("CHAT"), version % 5, 0, 0);
    return d;
}

// The plan written short: "W1/K1" worksheet over key of version 1, "W2" a sheet of one worksheet, "W3/_" one whose
// lower half is left empty, sheets apart by a space.
QString Describe(const PrintPlan& plan, const QList<DocumentData>& versions)
{
    const auto half = [&](const HalfSheet& h) {
        const auto k = std::find_if(versions.begin(), versions.end(), [&](const DocumentData& v) { return &v == h.data; });
        return h.role == HalfRole::Blank ? u("_") : QString(h.role == HalfRole::Key ? u("K") : u("W")) + QString::number(k - versions.begin() + 1);
    };
    QStringList sheets;
    for (const SheetPlan& s : plan.sheets)
        sheets << half(s.upper) + (s.lower ? u("/") + half(*s.lower) : QString());
    return sheets.join(u(" "));
}

// The operations of a sheet: `upper` in its role over `lower`, if any.
Ops SheetOps(const DocumentData& upper, HalfRole role, const QString& version, const std::optional<HalfSheet>& lower)
{
    RecordingSurface surface;
    DocumentRenderer(upper, kDefaultFont, kFooter).RenderSheet(surface, 1.0, { { &upper, role, version }, lower });
    return surface.ops;
}

// One worksheet and its lower half, or its key on a second sheet (the notice says so); versions two a sheet,
// their keys at the end, the last sheet's upper half marked with its version (`last`), one worksheet with none.
TEST(SheetPlan, WorksheetsTheirLowerHalvesAndTheirKeys)
{
    const struct { int count, lower; bool fits; const char* sheets; int last; const char* notice; } cases[] = {
        { 1, 0, true, "W1", 0, "" }, { 1, 1, true, "W1/K1", 0, "" }, { 1, 2, true, "W1/W1", 0, "" }, { 1, 0, false, "W1", 0, "" },
        { 1, 1, false, "W1 K1", 0, "La solution sera imprimée sur une deuxième page." },
        { 1, 2, false, "W1", 0, "La copie n'a pas la place dans la moitié inférieure : elle ne sera pas imprimée." },
        { 2, 1, true, "W1/W2 K1/K2", 1, nullptr }, { 5, 1, true, "W1/W2 W3/W4 W5/_ K1/K2 K3/K4 K5/_", 5, nullptr },
        { 5, 2, true, "W1/W2 W3/W4 W5/_", 5, nullptr }, { 5, 0, true, "W1 W2 W3 W4 W5", 5, nullptr },
        { 2, 1, false, "W1 W2 K1 K2", 2, nullptr }, { 2, 2, false, "W1 W2", 2, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " " << c.lower << " " << c.fits);
        QList<DocumentData> versions;
        for (int k = 0; k < c.count; ++k)
            versions << Sheet(c.lower, c.fits, k);
        RecordingSurface surface;
        const PrintPlan plan = PlanSheets(versions, surface);
        EXPECT_EQ(Describe(plan, versions), u(c.sheets));
        EXPECT_EQ(plan.sheets.last().upper.versionLabel, c.last ? VersionLabel(c.last, c.count) : QString());
        if (c.notice) {
            EXPECT_EQ(PlanNotice(plan), u(c.notice));
            EXPECT_EQ(LowerHalfNotice(c.lower, c.fits), u(c.notice));
        }
    }
}

// A pupil's half prints its name line and version, never a key; a key its title "(Solution)", never the name line.
TEST(SheetDrawing, PupilsHalvesAndKeys)
{
    const DocumentData a = Sheet(1, true, 0), b = Sheet(1, true, 1);
    const auto count = [](const Ops& ops, const QString& text, bool lowerHalf) {
        return Where(ops, [&](const RecordedOp& op) { return op.kind == Kind::Text && op.text.startsWith(text) && (op.y1 > kCut) == lowerHalf; }).size();
    };
    const QString name = FrenchTypography(NameLineText(), QChar(0x202F)), solution = u("Les animaux (Solution)");
    const Ops pupils = SheetOps(a, HalfRole::Worksheet, u("Version 1/2"), HalfSheet { &b, HalfRole::Worksheet, u("Version 2/2") });
    EXPECT_EQ(count(pupils, name, false), 1);
    EXPECT_EQ(count(pupils, name, true), 1);
    EXPECT_EQ(count(pupils, solution, false) + count(pupils, solution, true), 0);
    const Ops keys = SheetOps(a, HalfRole::Key, u("Version 1/2"), HalfSheet { &b, HalfRole::Key, u("Version 2/2") });
    // Each half's version in its header, beside the name line, where a key's is seen too (the footer's was small,
    // too near the edge for many printers).
    for (const Ops& ops : { pupils, keys }) {
        EXPECT_EQ(Where(ops, [](const RecordedOp& op) { return op.text == u("Version 1/2") && op.y1 == 5.0; }).size(), 1);
        EXPECT_EQ(Where(ops, [](const RecordedOp& op) { return op.text == u("Version 2/2") && op.y1 == kCut + 5.0; }).size(), 1);
    }
    EXPECT_EQ(count(keys, name, false) + count(keys, name, true), 0);
    EXPECT_EQ(count(keys, solution, false), 1);
    EXPECT_EQ(count(keys, solution, true), 1);
    // A document without the setting (an older one) prints no name line.
    DocumentData old = a;
    old.settings.nameLine = false;
    EXPECT_EQ(count(SheetOps(old, HalfRole::Worksheet, u("Version 1/2"), std::nullopt), name, false), 0);
}

// The last of an odd number of versions keeps the size of the others (a whole page would grow it): its lower half
// stays empty but for the fold line, its version in its header.
TEST(SheetDrawing, ALoneVersionKeepsItsNeighboursSize)
{
    DocumentData a = Sheet(2, true, 0), b = Sheet(2, true, 1);
    a.settings.fitToPage = b.settings.fitToPage = true;
    const auto sheet = [&a](const std::optional<HalfSheet>& lower) { return SheetOps(a, HalfRole::Worksheet, u("Version 3/3"), lower); };
    const auto frameBottom = [](const Ops& ops) { return Where(ops, [](const RecordedOp& op) { return op.kind == Kind::Box; }).value(0).y2; };
    const Ops paired = sheet(HalfSheet { &b, HalfRole::Worksheet, u("Version 2/3") }), alone = sheet(HalfSheet { &a, HalfRole::Blank, {} });
    ASSERT_GT(frameBottom(sheet(std::nullopt)), frameBottom(paired) + 10);
    EXPECT_DOUBLE_EQ(frameBottom(alone), frameBottom(paired));
    EXPECT_EQ(Where(alone, [](const RecordedOp& op) { return op.y1 > kCut; }).size(), 0);
    EXPECT_EQ(Where(alone, [](const RecordedOp& op) { return op.style == LineStyle::Dotted; }).size(), 1);
    EXPECT_EQ(Where(alone, [](const RecordedOp& op) { return op.text == u("Version 3/3") && op.y1 == 5.0; }).size(), 1);
}

} // namespace
} // namespace lx::test
