// The box score of a game of 3,000 logged events: the document built from the
// model, the same written as a PDF (as "Save as PDF" and the command line do),
// one page painted on a picture, the preview window opened on it, and print
// all written to one PDF.
#include "main/BenchGames.h"
#include "model/EventKinds.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "reports/boxscore/TqrULEBTeamResults.h"
#include "reports/painter/TReportPainter.h"
#include "screen/dialogs/TReportPreview.h"

#include <QCoreApplication>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int GameEvents = 3000;

struct BenchGame
{
    TSettings settings;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    THeadlessScreen screen;
    TIdentityTranslator translator;
    std::unique_ptr<TGame> game;
    QTemporaryDir dir;
    int count = 0;

    BenchGame()
    {
        game = std::make_unique<TGame>(TGameServices{&settings, nullptr, nullptr, &clock, nullptr, nullptr});
        game->SetScreen(&screen);
        TGameScript script(*game, screen);
        script.Run(QStringLiteral("\ngame code=BENCH003 stadium=\"Bench Arena\" referee1=\"One Ref\" "
                                  "referee2=\"Two Ref\" attendance=1200\n") +
                   BenchGames::FullRoster(QStringLiteral("\"Home Team\""), QStringLiteral("\"Away Team\"")) +
                   QStringLiteral("length 10\ntick\n"));
        while (game->AllEvents.Count() < GameEvents)
            recordOne();
    }

    // Shots of every kind, rebounds, fouls, team events, clock steps and changes.
    void recordOne()
    {
        TTeam &team = game->Team(1 + count % 2);
        team.TeamEventMode = false;
        team.ActiveIndex = count % 3;
        const int side = team.SideNumber;
        switch (count % 10) {
        case 0:
            team.RecordEvent(side, Kind::ShotMade, ShotKind::MidRange, 100, 120);
            break;
        case 1:
            team.RecordEvent(side, Kind::ShotMissed, ShotKind::Three, 20, 200);
            break;
        case 2:
            team.RecordEvent(side, Kind::DefensiveRebound, 0);
            break;
        case 3:
            team.RecordEvent(side, Kind::ShotMade, ShotKind::Three, 20, 200);
            break;
        case 4:
            team.RecordEvent(side, Kind::Turnover, 0);
            break;
        case 5:
            if (game->Clock < 390)
                game->AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
            else
                team.RecordEvent(side, Kind::Assist, 0);
            break;
        case 6:
            team.RecordEvent(side, Kind::ShotMade, ShotKind::FreeThrow);
            break;
        case 7:
            team.TeamEventMode = true;
            team.RecordEvent(side, Kind::OffensiveRebound, 0);
            break;
        case 8:
            team.RecordEvent(side, Kind::PersonalFoul, 0);
            break;
        case 9:
            if (count % 60 == 9) {
                team.SubstituteIndex = count % 2;
                team.Substitute();
            } else {
                team.RecordEvent(side, Kind::ShotMade, ShotKind::Dunk, 120, 20);
            }
            break;
        }
        ++count;
    }

    TReportDocument boxScore() { return TqrULEBTeamResults(*game, translator).Build(); }
};

BenchGame &sharedGame()
{
    static BenchGame g;
    return g;
}

void BM_BoxScoreDocument(benchmark::State &state)
{
    BenchGame &g = sharedGame();
    for (auto _ : state) {
        const TReportDocument doc = g.boxScore();
        benchmark::DoNotOptimize(doc.Pages.size());
    }
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_BoxScoreDocument)->Unit(benchmark::kMillisecond);

// Target: under 150 ms.
void BM_BoxScoreToPdf(benchmark::State &state)
{
    BenchGame &g = sharedGame();
    const QString file = g.dir.filePath(QStringLiteral("box.pdf"));
    for (auto _ : state) {
        const TReportDocument doc = g.boxScore();
        benchmark::DoNotOptimize(TReportPainter::WritePdf({&doc}, file));
    }
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_BoxScoreToPdf)->Unit(benchmark::kMillisecond);

// One page as the preview paints it, at a screen's resolution; target for the preview: under 300 ms.
void BM_BoxScorePagePicture(benchmark::State &state)
{
    BenchGame &g = sharedGame();
    const TReportDocument doc = g.boxScore();
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
    BenchGame &g = sharedGame();
    for (auto _ : state) {
        std::vector<TReportDocument> docs;
        docs.push_back(g.boxScore());
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
    BenchGame &g = sharedGame();
    const QString file = g.dir.filePath(QStringLiteral("all.pdf"));
    for (auto _ : state) {
        std::vector<TReportDocument> docs;
        docs.push_back(g.boxScore());
        QList<const TReportDocument *> all;
        for (const TReportDocument &d : docs)
            all.append(&d);
        benchmark::DoNotOptimize(TReportPainter::WritePdf(all, file));
    }
}
BENCHMARK(BM_PrintAllToPdf)->Unit(benchmark::kMillisecond);

} // namespace
