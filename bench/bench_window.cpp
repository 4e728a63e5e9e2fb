// Window benchmarks: what a teacher waits for in the window.
//
//   BM_PreviewRedraw/<dpr>   the preview of a 1920 x 1080 window drawn again
//                            (a generated word search with its solution), at a
//                            device pixel ratio of 1 and of 2
//   BM_PaperLayout           the printed page's layout, measured on paper after
//                            each change of the page for the notices under it
//   BM_WindowStart           from nothing to the window shown: the level files
//                            of the program folder loaded, the window built and
//                            shown, the new document opened and drawn (the
//                            QApplication and the font list, built once per
//                            process, are measured by `lexigrille --mesure-demarrage`)
//   BM_GenerationEventGaps   a generation that runs into its 1.5 s limit; the
//                            counter max_gap_ms is the longest time the event
//                            loop went without a turn meanwhile
#include "app/MainWindow.h"
#include "app/PreviewWidget.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "render/FontCatalog.h"
#include "render/PageExport.h"
#include "words/ThemeDatabase.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

struct Session {
    lx::DefaultPrompter prompter; // every question answered with its default button: no box waits for a click
    lx::ThemeDatabase database;
    std::unique_ptr<lx::Document> doc;
    std::unique_ptr<lx::MainWindow> window;

    explicit Session(const QSize& size)
    {
        database.Load(lx::ProgramFolder());
        doc = std::make_unique<lx::Document>(lx::FontCatalog::Installed().Names());
        doc->SetThemeDatabase(&database);
        lx::DocumentFolders folders = lx::DocumentFolders::Default();
        folders.workCopy.clear(); // a benchmark neither takes nor leaves a copy of unsaved work
        window = std::make_unique<lx::MainWindow>(*doc, std::move(folders), &prompter);
        window->resize(size);
        window->show();
        window->Launch({});
        QCoreApplication::processEvents();
    }
};

// A word search of the CE1 animals in 14 x 14, across and down, with its solution.
void MakeWordSearch(lx::Document& doc)
{
    doc.ClickLevel(1, true);
    doc.CheckTheme(3, true);
    doc.Change(lx::Setting::GridSize, 14);
    doc.Change(lx::Setting::Direction2, true);
    doc.SetFixedSeed(5);
    doc.Generate();
}

void BM_PreviewRedraw(benchmark::State& state)
{
    Session s(QSize(1920, 1080));
    MakeWordSearch(*s.doc);
    lx::PreviewWidget* preview = s.window->preview();
    const double ratio = double(state.range(0));
    for (auto _ : state) {
        const QImage page = preview->DrawPage(preview->size(), ratio);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetLabel(QStringLiteral("%1 x %2 pixels").arg(preview->width()).arg(preview->height()).toStdString());
}
BENCHMARK(BM_PreviewRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What each change of the page adds to its drawing: the printed page's layout
// (the notices under the preview), measured on paper.
void BM_PaperLayout(benchmark::State& state)
{
    Session s(QSize(1920, 1080));
    MakeWordSearch(*s.doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(lx::MeasurePaperPage(s.doc->data()).GridFontSize);
}
BENCHMARK(BM_PaperLayout)->Unit(benchmark::kMillisecond);

void BM_WindowStart(benchmark::State& state)
{
    for (auto _ : state) {
        Session s(QSize(1366, 768));
        benchmark::DoNotOptimize(s.window.get());
    }
}
BENCHMARK(BM_WindowStart)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_GenerationEventGaps(benchmark::State& state)
{
    Session s(QSize(1366, 768));
    // Words that share one letter once each: no more than two of them ever cross in a fill-in grid.
    s.doc->PasteWordList(QStringLiteral("abcz\ndefz\nghiz\njklz\nmnoz\n"));
    s.doc->Change(lx::Setting::GameType, 1);
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 gap = 0;
        QTimer ticks;
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            gap = std::max(gap, now - last);
            last = now;
        });
        clock.start();
        ticks.start();
        s.window->cmdGenerer_Click();
        ticks.stop();
        longest = std::max(longest, gap / 1e6);
    }
    state.counters["max_gap_ms"] = longest;
}
BENCHMARK(BM_GenerationEventGaps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("LEXIGRILLE_DATA_DIR"))
        lx::SetProgramFolder(QStringLiteral(LEXIGRILLE_BENCH_DATA));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
