// Rendering benchmarks: how long a full redraw of the worksheet takes. The
// preview redraws the whole page after every change of an option, so this is
// the time between a click and the updated preview.
//
//   BM_RenderPreview/<type>   the page drawn into a preview-sized image
//                             (the box fitted to 600 x 850 pixels at 96 dpi)
//   BM_RenderLayoutOnly/<type> the same page on a recording surface: the
//                             layout and the calls, without any painting
//   BM_RenderCrowded/<type>   a page whose grid or list has to shrink to stay
//                             in its place, drawn like BM_RenderPreview: the
//                             cost of trying the smaller sizes
//
// Each ordinary page is a generated puzzle (fixed seed) with its solution in
// the lower half and the cell lines shown: the busiest page of its game type.
// The crowded pages: an 18 x 18 word search with 40 words listed in 20 points;
// the fill-in of the farm with 30 long words more in its list; 30 coded words
// with a copy below.
#include "document/Document.h"
#include "render/FontCatalog.h"
#include "document/Versions.h"
#include "render/PageExport.h"
#include "render/SheetPlan.h"
#include "render/DocumentRenderer.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "render/ScreenSurface.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace {

using lx::GameType;

const char* const kFarm[] = { "âne", "canard", "chat", "cheval", "chèvre", "chien", "cochon", "dindon", "lapin",
                              "mouton", "oie", "poule", "vache", "veau" };
const char* const kLong[] = { "bibliothèque", "dictionnaire", "calculatrice", "ordinateur", "imprimante", "télévision",
                              "récréation", "grenouille", "coccinelle", "hippopotame", "rhinocéros", "dromadaire",
                              "salamandre", "champignon", "framboises", "pamplemousse", "clémentine", "aubergines",
                              "courgettes", "concombres", "artichauts", "boulangerie", "pâtisserie", "charcuterie",
                              "supermarché", "architecte", "journaliste", "photographe", "cuisinière", "infirmière" };
const char* const kAnimals[] = { "abeille", "baleine", "blaireau", "castor", "chameau", "chenille", "chevreuil", "cigogne",
                                 "corbeau", "dauphin", "escargot", "faucon", "fourmi", "girafe", "gorille", "hérisson",
                                 "hibou", "homard", "jaguar", "libellule", "lézard", "loutre", "marmotte", "méduse",
                                 "moineau", "mouette", "panthère", "pélican", "perroquet", "pingouin", "renard",
                                 "requin", "sanglier", "sardine", "serpent", "souris", "taureau", "tortue", "vautour",
                                 "araignée" };

// A generated page of the game type, kept for the whole run; a crowded one
// has more than its half of the page can hold at its sizes.
const lx::DocumentData& Page(GameType type, bool crowded = false)
{
    using lx::Setting;
    static std::optional<lx::DocumentData> pages[6];
    std::optional<lx::DocumentData>& page = pages[int(type) + (crowded ? 3 : 0)];
    if (page)
        return *page;
    lx::Document doc(lx::FontCatalog::Installed().Names());
    QList<const char*> words(std::begin(kFarm), std::end(kFarm));
    if (crowded && type == GameType::WordSearch)
        words = QList<const char*>(std::begin(kAnimals), std::end(kAnimals));
    else if (crowded && type == GameType::CodedWords)
        words = QList<const char*>(std::begin(kLong), std::end(kLong));
    // The words come from a word list, as if imported.
    QStringList lines;
    for (const char* w : words)
        lines << QString::fromUtf8(w);
    doc.ParseWordListText(lines.join(QLatin1Char('\n')));
    doc.Change(Setting::ThemeText, QStringLiteral("Animaux de la ferme"));
    doc.Change(Setting::Title, QStringLiteral("Les animaux de la ferme"));
    doc.Change(Setting::LowerHalf, 1);
    doc.Change(Setting::VisibleCells, true);
    doc.Change(Setting::GameType, int(type));
    doc.Change(Setting::GridSize, 12);
    for (int d = 1; d < 6; ++d)
        doc.Change(Setting(int(Setting::Direction0) + d), true);
    if (crowded && type == GameType::WordSearch) {
        doc.Change(Setting::GridSize, 18);
        doc.Change(Setting::ListFontSize, 20);
    } else if (crowded && type == GameType::CodedWords) {
        doc.Change(Setting::LowerHalf, 2);
        doc.Change(Setting::GridFontSize, 14);
    }
    doc.SetFixedSeed(11);
    const lx::GenerationResult r = doc.Generate();
    if (!r.succeeded())
        qFatal("bench_render: the %s page could not be generated", qPrintable(lx::GameTypeCaption(type)));
    page = doc.data();
    if (crowded && type == GameType::FillIn) {
        // Too many long words to cross in a grid: the farm's grid, with the long
        // words added to its list as if they had been placed.
        page->settings.gridFontSize = 14;
        for (const char* w : kLong) {
            const QString word = QString::fromUtf8(w);
            page->words.SetChecked(page->words.AddWordIfAbsent(word).index, true);
            page->puzzle.WordsByLength.prepend({ word, int(word.size()) });
        }
        std::stable_sort(page->puzzle.WordsByLength.begin(), page->puzzle.WordsByLength.end(),
                         [](const lx::TaggedItem& a, const lx::TaggedItem& b) { return a.tag > b.tag; });
    }
    return *page;
}

void Preview(benchmark::State& state, const lx::DocumentData& doc)
{
    const lx::ScreenPage page = lx::PrepareScreenSurface(QSize(600, 850), 96, 96);
    QImage image(page.box, QImage::Format_RGB32);
    lx::DocumentRenderer renderer(doc);
    lx::PageLayout layout;
    for (auto _ : state) {
        QPainter painter(&image);
        {
            lx::PainterSurface surface(painter, page.extent, QRectF(QPointF(0, 0), QSizeF(page.box)), page.ratio);
            surface.Clear();
            layout = renderer.RenderDocument(surface, page.ratio);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["grid_pt"] = layout.GridFontSize;
    state.counters["list_pt"] = layout.ListFontSize;
    state.SetLabel(lx::GameTypeCaption(doc.settings.puzzle.gameType).toStdString());
}

void BM_RenderPreview(benchmark::State& state)
{
    Preview(state, Page(GameType(state.range(0))));
}
BENCHMARK(BM_RenderPreview)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RenderCrowded(benchmark::State& state)
{
    Preview(state, Page(GameType(state.range(0)), true));
}
BENCHMARK(BM_RenderCrowded)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// "Adapter à la page": the page grows its grid and list to their half.
void BM_RenderFitted(benchmark::State& state)
{
    static lx::DocumentData fitted[3];
    const int type = int(state.range(0));
    fitted[type] = Page(GameType(type));
    fitted[type].settings.fitToPage = true;
    Preview(state, fitted[type]);
}
BENCHMARK(BM_RenderFitted)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RenderLayoutOnly(benchmark::State& state)
{
    const GameType type = GameType(state.range(0));
    const lx::DocumentData& doc = Page(type);
    lx::DocumentRenderer renderer(doc);
    std::int64_t calls = 0;
    for (auto _ : state) {
        lx::RecordingSurface surface;
        renderer.RenderDocument(surface, 1.0);
        calls = surface.ops.size();
        benchmark::DoNotOptimize(surface.ops.data());
    }
    state.counters["surface_calls"] = double(calls);
    state.SetLabel(lx::GameTypeCaption(type).toStdString());
}
BENCHMARK(BM_RenderLayoutOnly)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// "Versions différentes" at 30 for a class: the generations, then the PDF of
// their sheets (pupils' sheets two versions each, the keys at the end).
void BM_PrintThirtyVersions(benchmark::State& state)
{
    lx::Document doc(lx::FontCatalog::Installed().Names());
    QStringList lines;
    for (const char* w : kFarm)
        lines << QString::fromUtf8(w);
    doc.ParseWordListText(lines.join(QLatin1Char('\n')));
    doc.Change(lx::Setting::GridSize, 12);
    doc.Change(lx::Setting::Direction2, true);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("versions.pdf"));
    std::int64_t sheets = 0;
    for (auto _ : state) {
        const lx::Versions versions = lx::MakeVersions(doc, 30, 7);
        lx::PrintPlan plan;
        if (!lx::WritePagesPdf(versions.pages, path, nullptr, nullptr, &plan))
            state.SkipWithError("the PDF could not be written");
        sheets = plan.sheets.size();
    }
    state.counters["sheets"] = double(sheets);
}
BENCHMARK(BM_PrintThirtyVersions)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
