// How long a backlog of queued live messages takes to reach the reference
// server through the sender thread, and how many requests it makes, by
// SLEEPTIME_BW_SEND. Prints figures; asserts nothing.
#include "model/events/EventKinds.h"
#include "model/services/TUiThreadDispatcher.h"
#include "server/TStatsServer.h"
#include "shell/session/TParquetixApplication.h"
#include "transmission/TApplicationSenderHost.h"
#include "transmission/THttpClient.h"
#include "transmission/TNetworkPresence.h"
#include "transmission/TParquetixSender.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void BM_SenderBacklog(benchmark::State &state)
{
    const int backlog = int(state.range(0));
    const int pauseMs = int(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir root;
        TServerOptions options;
        options.dataDir = root.filePath(QStringLiteral("data"));
        options.port = 0;
        options.logRequests = false;
        TStatsServer server(options);
        QString error;
        if (!server.start(&error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        const QByteArray base = "http://127.0.0.1:" + QByteArray::number(server.port());
        const QString prefix = QString::fromLatin1(base) + QStringLiteral("/income/index.phtml?");

        TParquetixApplication app(root.filePath(QStringLiteral("home")));
        app.Initialize();
        app.Settings().SetValue(QStringLiteral("SERVER_NAME"), prefix);
        app.Settings().SetValue(QStringLiteral("SLEEPTIME_BW_SEND"), QString::number(pauseMs));
        TGame &game = app.Game();
        game.GameCode = QStringLiteral("BENCH1");
        game.Online = true;
        for (int i = 1; i <= backlog; ++i) {
            TGameEvent *e = game.NewEvent(i, Kind::ClockStep, 1, Side::None);
            e->SetMessage(prefix + QStringLiteral("kod=1100&id=%1&szkod=BENCH1&ido=%2").arg(i).arg(i % 40));
            game.QueueEvent(e);
        }
        TUiThreadDispatcher dispatcher;
        THttpClient http;
        TNetworkPresence probe(base);
        TApplicationSenderHost host(app);
        TParquetixSender sender(host, app.Settings(), dispatcher, http, probe);
        sender.SetBaseAddress(base);
        QTimer tick;
        tick.start(2);
        state.ResumeTiming();

        sender.start();
        const QDeadlineTimer deadline(600000);
        while (!game.OutgoingQueue.IsEmpty() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        sender.Stop();

        state.PauseTiming();
        const TParquetixSender::TCounters c = sender.Counters();
        state.counters["posts"] = c.Posts;
        state.counters["gets"] = c.Gets;
        state.counters["stored"] = double(server.store().messages("BENCH1").size());
        server.stop();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_SenderBacklog)
    ->Args({2000, 0})
    ->Args({2000, 10})
    ->Args({2000, 350})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
