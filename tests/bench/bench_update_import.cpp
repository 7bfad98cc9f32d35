// Importing a large master data update: 20 leagues x 12 teams x 15 players
// and 200 games, into a fresh database and again into a filled one.
//   build/tests/bench/bench_update_import   (or build/bin/bench_update_import)

#include "masterdata/TMessageTable.h"
#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString largeUpdateText()
{
    QString text;
    for (int l = 1; l <= 20; ++l) {
        const QString league = QStringLiteral("L%1").arg(l);
        text += QStringLiteral("<br>*%1|League number %2#").arg(league).arg(l);
        QStringList teams, players, games;
        for (int t = 1; t <= 12; ++t) {
            const QString team = QStringLiteral("%1T%2").arg(league).arg(t);
            teams << QStringLiteral("%1|Team %2 of league %3|T%2|Team %2").arg(team).arg(t).arg(l);
            for (int p = 1; p <= 15; ++p)
                players << QStringLiteral("%1P%2|PLAYER%3 Name%2|19990101|190|85|G|HUN|%1|%2|")
                               .arg(team)
                               .arg(p)
                               .arg(t);
        }
        for (int g = 1; g <= 10; ++g)
            games << QStringLiteral("%1T%2|%1T%3|%4.03.2030|kedd|18:00|G%1N%2|Referee %2|Referee %3|")
                         .arg(league)
                         .arg(g)
                         .arg(g + 1)
                         .arg(g + 10);
        text += teams.join(QLatin1Char('*')) + QStringLiteral("#*") + players.join(QLatin1Char('*')) +
                QStringLiteral("#*") + games.join(QLatin1Char('*')) +
                QStringLiteral("#*Coach %1|E*Hall %1|H####\r\n").arg(l);
    }
    return text;
}

struct TFixture
{
    QTemporaryDir dir;
    TdmMain dm{TdmMain::DatabaseFile(dir.path())};
    TIdentityTranslator translator;
    TMessageTable messages;
    TOnlineUpdate update{dm, translator, messages};

    TFixture()
    {
        if (!dm.OpenAll())
            std::fprintf(stderr, "cannot open the database: %s\n", qPrintable(dm.LastError()));
        messages.BuildMessageTable(translator);
    }
};

void checkImported(benchmark::State &state, const TOnlineUpdate::TResult &result)
{
    if (!result.ok() || result.leagues != 20)
        state.SkipWithError(qPrintable(QStringLiteral("import failed: ") + result.error));
}

void BM_ImportIntoEmptyDatabase(benchmark::State &state)
{
    const QString text = largeUpdateText();
    for (auto _ : state) {
        state.PauseTiming();
        auto fixture = std::make_unique<TFixture>();
        state.ResumeTiming();
        checkImported(state, fixture->update.ImportUpdateText(text));
        state.PauseTiming();
        fixture.reset();
        state.ResumeTiming();
    }
    state.counters["players"] = 3600;
}

void BM_ImportAgainChangingNothing(benchmark::State &state)
{
    const QString text = largeUpdateText();
    TFixture fixture;
    checkImported(state, fixture.update.ImportUpdateText(text));
    for (auto _ : state)
        checkImported(state, fixture.update.ImportUpdateText(text));
}

void BM_ParseOnly(benchmark::State &state)
{
    const QString text = largeUpdateText();
    for (auto _ : state)
        benchmark::DoNotOptimize(TUpdateText::Parse(text).blocks.size());
}

} // namespace

BENCHMARK(BM_ImportIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ImportAgainChangingNothing)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);
