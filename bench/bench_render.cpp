// Rendering benchmarks: how long a full redraw of the worksheet takes. The
// preview redraws the whole page after every change of an option, so this is
// the time between a click and the updated preview.
//
//   BM_RenderPreview/<type>   the page drawn into a preview-sized image
//                             (the box fitted to 600 x 850 pixels at 96 dpi)
//   BM_RenderLayoutOnly/<type> the same page on a recording surface: the
//                             layout and the calls, without any painting
//
// Each page is a generated puzzle (fixed seed) with its solution in the lower
// half and the cell lines shown: the busiest page of its game type.
#include "document/Document.h"
#include "document/FontCatalog.h"
#include "render/DocumentRenderer.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "render/ScreenSurface.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

using lx::GameType;

// A generated document of the game type, kept for the whole run.
lx::Document& Page(GameType type)
{
    static std::unique_ptr<lx::Document> docs[3];
    std::unique_ptr<lx::Document>& doc = docs[int(type)];
    if (doc)
        return *doc;
    doc = std::make_unique<lx::Document>(lx::FontCatalog::Installed().Names());
    lx::DocumentSettings& s = doc->settings();
    s.title = QStringLiteral("Les animaux de la ferme");
    s.lowerHalf = 1;
    s.visibleCells = true;
    s.puzzle.gameType = type;
    s.puzzle.gridSize = 12;
    s.puzzle.directions = { true, true, true, true, true, true };
    // The words come from a word list, as if imported.
    s.selectedThemeCount = -1;
    s.themeText = QStringLiteral("Animaux de la ferme");
    doc->themes().enabled = false;
    for (const char* w : { "âne", "canard", "chat", "cheval", "chèvre", "chien", "cochon", "dindon", "lapin",
                           "mouton", "oie", "poule", "vache", "veau" }) {
        const auto added = doc->words().AddWordIfAbsent(QString::fromUtf8(w));
        doc->words().SetChecked(added.index, true);
    }
    doc->UpdateWordCounts();
    doc->engine.SetFixedSeed(11);
    const lx::GenerationResult r = doc->Generate();
    if (!r.succeeded())
        qFatal("bench_render: the %s page could not be generated", qPrintable(lx::GameTypeCaption(type)));
    return *doc;
}

void BM_RenderPreview(benchmark::State& state)
{
    const GameType type = GameType(state.range(0));
    lx::Document& doc = Page(type);
    const lx::ScreenPage page = lx::PrepareScreenSurface(QSize(600, 850), 96, 96);
    QImage image(page.box, QImage::Format_RGB32);
    lx::DocumentRenderer renderer(doc.data);
    for (auto _ : state) {
        QPainter painter(&image);
        {
            lx::PainterSurface surface(painter, page.extent, QRectF(QPointF(0, 0), QSizeF(page.box)));
            surface.Clear();
            renderer.RenderDocument(surface, page.ratio);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(lx::GameTypeCaption(type).toStdString());
}
BENCHMARK(BM_RenderPreview)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RenderLayoutOnly(benchmark::State& state)
{
    const GameType type = GameType(state.range(0));
    lx::Document& doc = Page(type);
    lx::DocumentRenderer renderer(doc.data);
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
