// The box score variants of a game of 3,000 logged events, each built from
// the model and written as a PDF as "Save as PDF" and the command line do.
// Target: each under 150 ms.
#include "main/BenchGames.h"
#include "model/EventKinds.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "reports/painter/TReportPainter.h"
#include "reports/variants/TVariantReports.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

constexpr int GameEvents = 3000;

struct VariantGame
{
    TSettings settings;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    THeadlessScreen screen;
    TIdentityTranslator translator;
    std::unique_ptr<TGame> game;
    QTemporaryDir dir;

    VariantGame()
    {
        game = std::make_unique<TGame>(TGameServices{&settings, nullptr, nullptr, &clock, nullptr, nullptr});
        game->SetScreen(&screen);
        TGameScript script(*game, screen);
        script.Run(
            QStringLiteral("\ngame code=BENCH017 stadium=\"Bench Arena\" attendance=900 income=1200\n") +
            BenchGames::FullRoster(QStringLiteral("\"Home Team\""), QStringLiteral("\"Away Team\"")) +
            QStringLiteral("length 10\ntick\n"));
        // Shots of every kind, rebounds, fouls, team events, clock steps and changes.
        for (int count = 0; game->AllEvents.Count() < GameEvents; ++count) {
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
                team.RecordEvent(side, Kind::Steal, 0);
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
            default:
                if (count % 60 == 9) {
                    team.SubstituteIndex = count % 2;
                    team.Substitute();
                } else {
                    team.RecordEvent(side, Kind::ShotMade, ShotKind::Dunk, 120, 20);
                }
                break;
            }
        }
    }
};

VariantGame &sharedGame()
{
    static VariantGame g;
    return g;
}

struct TVariant
{
    const char *Name;
    const char *Edition;
    std::function<TReportDocument(TVariantReports &)> Build;
};

const TVariant Variants[] = {
    {"Italian box score", "ITA", [](TVariantReports &r) { return r.EditionBoxScore(); }},
    {"French box score", "FRA", [](TVariantReports &r) { return r.EditionBoxScore(); }},
    {"Hebrew box score", "HEB", [](TVariantReports &r) { return r.Hebrew(); }},
    {"press sheet", "ENG", [](TVariantReports &r) { return r.Press(); }},
    {"line-up report", "ENG", [](TVariantReports &r) { return r.Quintet(); }},
    {"quarter report, all periods", "ENG",
     [](TVariantReports &r) {
         return r.Quarters({true, true, true, true, true});
     }},
};

// Each report built from the game and written to PDF; target: under 150 ms.
void BM_VariantToPdf(benchmark::State &state)
{
    VariantGame &g = sharedGame();
    const TVariant &variant = Variants[state.range(0)];
    g.settings.SetValue(QStringLiteral("VERSION"), QLatin1String(variant.Edition));
    TVariantReports reports(*g.game, g.translator);
    const QString file = g.dir.filePath(QStringLiteral("variant.pdf"));
    for (auto _ : state) {
        const TReportDocument doc = variant.Build(reports);
        benchmark::DoNotOptimize(TReportPainter::WritePdf({&doc}, file));
    }
    state.SetLabel(variant.Name);
    state.counters["events"] = g.game->AllEvents.Count();
}
BENCHMARK(BM_VariantToPdf)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace
