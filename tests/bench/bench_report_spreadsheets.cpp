// The spreadsheet exports of a game of 3,000 logged events (target: under
// 200 ms each), the collection of player statistics over 200 saved games
// (target: under 500 ms), and the player statistics report and the roster
// sheet written as PDF.
#include "main/BenchGames.h"
#include "main/BenchReports.h"
#include "model/game/TTeam.h"
#include "reports/export/TSpreadsheetExport.h"
#include "reports/playerstats/TJatekosKimutatasExport.h"
#include "reports/playerstats/TJatekosKimutatasLogic.h"
#include "reports/playerstats/TqrJatekosKimutatas.h"
#include "reports/roster/TRosterPresentationLogic.h"
#include "reports/roster/TqrRostersPresentation.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using BenchGames::TBenchGame;

QString templates()
{
    return QDir(sourceFolder()).filePath(QStringLiteral("home/Template"));
}

void exportOf(benchmark::State &state, TSpreadsheetExport::TKind kind)
{
    TBenchGame &g = BenchGames::BoxScoreGame();
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

// 200 saved games: the team files of the bench game under 200 folders, no events.
struct SavedGames
{
    QTemporaryDir dir;
    QList<TGameLine> lines;
    SavedGames()
    {
        TBenchGame &g = BenchGames::BoxScoreGame();
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
            // A saved game has its timeouts and events files too, empty or not.
            for (const char *prefix : {"home_timeouts_", "away_timeouts_", "events_"}) {
                QFile file(QDir(folder).filePath(QLatin1String(prefix) + QStringLiteral("G%1.dat").arg(i)));
                if (!file.open(QIODevice::WriteOnly))
                    continue;
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
    BenchReports::TimeOneToPdf(state, file,
                               [&] { return TqrJatekosKimutatas(logic.Rows(), translator).Build(); });
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
    TBenchGame &g = BenchGames::BoxScoreGame();
    TRosterPresentationLogic logic(*g.game);
    QStringList notes = logic.Notes(true);
    for (QString &note : notes)
        note = QString(25, QLatin1Char('x')).repeated(10).left(255);
    logic.StoreNotes(true, notes);
    const QString file = g.dir.filePath(QStringLiteral("roster.pdf"));
    BenchReports::TimeOneToPdf(state, file, [&] {
        return TqrRostersPresentation(*g.game, logic.Entries(true), logic.Entries(false), g.translator)
            .Build();
    });
}
BENCHMARK(BM_RosterToPdf)->Unit(benchmark::kMillisecond);

} // namespace
