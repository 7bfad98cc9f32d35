// The spreadsheet exports of a game of 3,000 logged events (target: under
// 200 ms each), the collection of player statistics over 200 saved games
// (target: under 500 ms), and the player statistics report and the roster
// sheet written as PDF.
#include "main/BenchGames.h"
#include "model/EventKinds.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "model/TTeam.h"
#include "reports/export/TSpreadsheetExport.h"
#include "reports/painter/TReportPainter.h"
#include "reports/playerstats/TJatekosKimutatasExport.h"
#include "reports/playerstats/TJatekosKimutatasLogic.h"
#include "reports/playerstats/TqrJatekosKimutatas.h"
#include "reports/roster/TRosterPresentationLogic.h"
#include "reports/roster/TqrRostersPresentation.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
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
};

BenchGame &sharedGame()
{
    static BenchGame g;
    return g;
}

QString templates()
{
    return QDir(sourceFolder()).filePath(QStringLiteral("home/Template"));
}

void exportOf(benchmark::State &state, TSpreadsheetExport::TKind kind)
{
    BenchGame &g = sharedGame();
    const QString file = g.dir.filePath(QStringLiteral("game.xlsx"));
    for (auto _ : state) {
        QString error;
        if (!TSpreadsheetExport::Run(kind, *g.game, g.translator, templates(), file, &error))
            state.SkipWithError(qPrintable(error));
    }
    state.counters["events"] = g.game->AllEvents.Count();
}

void BM_ExcelExport(benchmark::State &state)
{
    exportOf(state, TSpreadsheetExport::TKind::Excel);
}
BENCHMARK(BM_ExcelExport)->Unit(benchmark::kMillisecond);

void BM_FibaExport(benchmark::State &state)
{
    exportOf(state, TSpreadsheetExport::TKind::Fiba);
}
BENCHMARK(BM_FibaExport)->Unit(benchmark::kMillisecond);

// 200 saved games: the team files of the bench game under 200 folders.
struct SavedGames
{
    QTemporaryDir dir;
    QList<TGameLine> lines;
    SavedGames()
    {
        BenchGame &g = sharedGame();
        for (int i = 0; i < 200; ++i) {
            const QString folder = dir.filePath(QStringLiteral("game%1").arg(i, 3, 10, QLatin1Char('0')));
            QDir().mkpath(folder);
            const std::pair<const char *, const TTeam *> teams[] = {{"hazai_", &g.game->HomeTeam()},
                                                                    {"vendeg_", &g.game->AwayTeam()}};
            for (const auto &[prefix, team] : teams) {
                QByteArray bytes = team->TeamLine.ToRecord();
                for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
                    for (int p = 0; p < list->Count(); ++p)
                        bytes += list->At(p)->ToRecord();
                QFile file(QDir(folder).filePath(QLatin1String(prefix) + QStringLiteral("G%1.dat").arg(i)));
                if (file.open(QIODevice::WriteOnly))
                    file.write(bytes);
            }
        }
        lines = TJatekosKimutatasLogic::ListGames(dir.path(), {});
        for (TGameLine &line : lines)
            line.Ticked = true;
    }
};

SavedGames &savedGames()
{
    static SavedGames s;
    return s;
}

// The listing of the save folder as the dialog opens.
void BM_PlayerStatsListing(benchmark::State &state)
{
    SavedGames &s = savedGames();
    for (auto _ : state)
        benchmark::DoNotOptimize(TJatekosKimutatasLogic::ListGames(s.dir.path(), {}).size());
    state.counters["games"] = double(s.lines.size());
}
BENCHMARK(BM_PlayerStatsListing)->Unit(benchmark::kMillisecond);

// Target: under 500 ms for the collection.
void BM_PlayerStatsCollect(benchmark::State &state)
{
    SavedGames &s = savedGames();
    int rows = 0;
    for (auto _ : state) {
        TJatekosKimutatasLogic logic;
        QString error;
        if (!logic.Collect(s.lines, &error))
            state.SkipWithError(qPrintable(error));
        rows = logic.Count();
    }
    state.counters["games"] = double(s.lines.size());
    state.counters["rows"] = rows;
}
BENCHMARK(BM_PlayerStatsCollect)->Unit(benchmark::kMillisecond);

void BM_PlayerStatsReportToPdf(benchmark::State &state)
{
    SavedGames &s = savedGames();
    TJatekosKimutatasLogic logic;
    QString error;
    logic.Collect(s.lines, &error);
    const QString file = s.dir.filePath(QStringLiteral("players.pdf"));
    TIdentityTranslator translator;
    for (auto _ : state) {
        const TReportDocument doc = TqrJatekosKimutatas(logic.Rows(), translator).Build();
        benchmark::DoNotOptimize(TReportPainter::WritePdf({&doc}, file));
    }
}
BENCHMARK(BM_PlayerStatsReportToPdf)->Unit(benchmark::kMillisecond);

void BM_PlayerStatsExport(benchmark::State &state)
{
    SavedGames &s = savedGames();
    TJatekosKimutatasLogic logic;
    QString error;
    logic.Collect(s.lines, &error);
    const QString file = s.dir.filePath(QStringLiteral("players.xlsx"));
    for (auto _ : state)
        benchmark::DoNotOptimize(TJatekosKimutatasExport::Run(logic.Rows(), templates(), file, &error));
}
BENCHMARK(BM_PlayerStatsExport)->Unit(benchmark::kMillisecond);

void BM_RosterToPdf(benchmark::State &state)
{
    BenchGame &g = sharedGame();
    TRosterPresentationLogic logic(*g.game);
    QStringList notes = logic.Notes(true);
    for (QString &note : notes)
        note = QString(25, QLatin1Char('x')).repeated(10).left(255);
    logic.StoreNotes(true, notes);
    const QString file = g.dir.filePath(QStringLiteral("roster.pdf"));
    for (auto _ : state) {
        TqrRostersPresentation report(*g.game, logic.Entries(true), logic.Entries(false), g.translator);
        const TReportDocument doc = report.Build();
        benchmark::DoNotOptimize(TReportPainter::WritePdf({&doc}, file));
    }
}
BENCHMARK(BM_RosterToPdf)->Unit(benchmark::kMillisecond);

} // namespace
