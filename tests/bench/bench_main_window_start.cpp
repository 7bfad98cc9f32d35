// Figures for the program's start: from nothing to the main window shown on
// the bundled sample database (the pause for the splash left out), with the
// sender started as in the program. Closing is not counted.
#include "desktop/mainwindow/TfrmParquetixMain.h"

#include "support/TestHome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

// The build's application home, its settings choosing a team with games ahead.
bool copyHome(const QTemporaryDir &dir)
{
    const QString from = binaryFolder();
    if (!QDir(dir.path()).mkpath(QStringLiteral("Datastore")))
        return false;
    for (const char *file : {"Datastore/parquetix.db", "ParquetixData.xml"})
        if (!QFile::copy(from + QLatin1Char('/') + QLatin1String(file), dir.filePath(QLatin1String(file))))
            return false;
    QFile ini(from + QStringLiteral("/parquetix.ini"));
    if (!ini.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = ini.readAll();
    text.replace("MY_TEAM=-1", "MY_TEAM=1");
    QFile out(dir.filePath(QStringLiteral("parquetix.ini")));
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

void BM_MainWindowStart(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!copyHome(dir)) {
        state.SkipWithError("the build's home (build/bin) has no sample database");
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        auto window =
            std::make_unique<TfrmParquetixMain>(TMainWindowOptions{.Home = dir.path(), .StartWaitMs = 0});
        window->show();
        QApplication::processEvents();
        rows = window->MyTeamPlaysList()->topLevelItemCount();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["games listed"] = rows;
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
