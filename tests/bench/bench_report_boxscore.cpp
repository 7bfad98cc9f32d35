// The box score of a game of 3,000 logged events: the document built from the
// model, the same written as a PDF (as "Save as PDF" and the command line do),
// one page painted on a picture, the preview window opened on it, and print
// all written to one PDF.
#include "desktop/reportmenu/TReportPreview.h"
#include "main/BenchGames.h"
#include "main/BenchReports.h"
#include "reports/boxscore/TqrULEBTeamResults.h"
#include "reports/painter/TReportPainter.h"

#include <QCoreApplication>
#include <QPrintPreviewWidget>
#include <benchmark/benchmark.h>

namespace {

using BenchGames::TBenchGame;

TReportDocument boxScore(TBenchGame &g)
{
    return TqrULEBTeamResults(*g.game, g.translator).Build();
}

void BM_BoxScoreDocument(benchmark::State &state)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
    for (auto _ : state) {
        const TReportDocument doc = boxScore(g);
        benchmark::DoNotOptimize(doc.Pages.size());
    }
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_BoxScoreDocument)->Unit(benchmark::kMillisecond);

// Target: under 150 ms.
void BM_BoxScoreToPdf(benchmark::State &state)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
    const QString file = g.dir.filePath(QStringLiteral("box.pdf"));
    BenchReports::TimeOneToPdf(state, file, [&g] { return boxScore(g); });
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_BoxScoreToPdf)->Unit(benchmark::kMillisecond);

// One page as the preview paints it, at a screen's resolution; target for the preview: under 300 ms.
void BM_BoxScorePagePicture(benchmark::State &state)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
    const TReportDocument doc = boxScore(g);
    for (auto _ : state) {
        const QImage page = TReportPainter::RenderPage(doc, 0, int(state.range(0)));
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_BoxScorePagePicture)->Arg(96)->Arg(150)->Unit(benchmark::kMillisecond);

// The preview window opened on the box score until its first page is drawn.
// Target: under 300 ms.
void BM_OpenPreview(benchmark::State &state)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
    for (auto _ : state) {
        std::vector<TReportDocument> docs;
        docs.push_back(boxScore(g));
        TReportPreview preview(std::move(docs));
        preview.show();
        if (auto *widget = preview.findChild<QPrintPreviewWidget *>())
            widget->updatePreview();
        QCoreApplication::processEvents();
        preview.close();
    }
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond);

// Print all into one PDF: every report print all holds today. Target: under 1 second.
void BM_PrintAllToPdf(benchmark::State &state)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
    const QString file = g.dir.filePath(QStringLiteral("all.pdf"));
    BenchReports::TimeOneToPdf(state, file, [&g] { return boxScore(g); });
}
BENCHMARK(BM_PrintAllToPdf)->Unit(benchmark::kMillisecond);

} // namespace
