#include "ShellFixture.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <iostream>
#include <random>

namespace {

// A long game: every quarter-minute shots, rebounds, fouls with their types,
// now and then substitutions and timeouts, four periods of ten minutes and
// four overtimes of five.
QString longGame()
{
    QString s = ShellFixture::roster(10);
    QList<int> court[2] = {{4, 7, 10}, {5, 8, 12}};
    QList<int> bench[2] = {{15}, {21}};
    const char *side[2] = {"home", "away"};
    int step = 0;
    for (int period = 1; period <= 8; ++period) {
        for (int q = 0; q < (period <= 4 ? 40 : 20); ++q, ++step) {
            for (int t = 0; t < 2; ++t) {
                const int who = court[t][(step + t) % 3];
                s += QStringLiteral("select %1 %2\n").arg(QLatin1String(side[t])).arg(who);
                switch ((step + 2 * t) % 5) {
                case 0:
                    s += QStringLiteral("shot %1 made close 100 30\n").arg(QLatin1String(side[t]));
                    break;
                case 1:
                    s += QStringLiteral("shot %1 missed three 20 200\n").arg(QLatin1String(side[t]));
                    break;
                case 2:
                    s += QStringLiteral("event %1 1001\n").arg(QLatin1String(side[t]));
                    break;
                case 3:
                    s += QStringLiteral("event %1 1008\ntype %1 2\n").arg(QLatin1String(side[t]));
                    break;
                case 4:
                    s += QStringLiteral("shot %1 made freethrow\n").arg(QLatin1String(side[t]));
                    break;
                }
            }
            if (step % 23 == 11) {
                const int t = step % 2;
                const int out = court[t][0];
                const int in = bench[t][0];
                s += QStringLiteral("sub %1 %2 %3\n").arg(QLatin1String(side[t])).arg(out).arg(in);
                court[t].removeFirst();
                court[t].append(in);
                bench[t] = {out};
            }
            if (step % 37 == 20)
                s += QStringLiteral("timeout %1\n").arg(QLatin1String(side[step % 2]));
            s += QStringLiteral("tick\n");
        }
        s += QStringLiteral("periodend\n");
    }
    return s;
}

// Where the kill fell, seen from the journal: none yet, a whole record that
// was applied, a whole one still pending, or one cut short while it was written.
enum class TJournalSeen
{
    None,
    Applied,
    Pending,
    Torn
};

TJournalSeen journalOf(const QString &dir)
{
    const QByteArray bytes =
        ShellFixture::read(QDir(dir).filePath(QString::fromLatin1(TSaveJournal::FileName)));
    if (bytes.isEmpty())
        return TJournalSeen::None;
    quint32 generation = 0;
    QList<TJournalPatch> patches;
    if (TSaveJournal::DecodePending(bytes, generation, patches))
        return TJournalSeen::Pending;
    QByteArray pending = bytes;
    if (pending.size() > TSaveJournal::StateOffset + 4)
        pending[TSaveJournal::StateOffset] = 0;
    return TSaveJournal::DecodePending(pending, generation, patches) ? TJournalSeen::Applied
                                                                     : TJournalSeen::Torn;
}

class CrashTest : public ShellFixture
{
};

// parquetix-cli plays a long game and saves it after every event, and is
// killed with SIGKILL at random moments. Every time, the folder must load and
// hold exactly the game after one of the commands, no earlier than the last
// command the child reported done.
TEST_F(CrashTest, AKilledGameAlwaysLoadsAsAFinishedSave)
{
    const QString cli = binaryFolder() + QStringLiteral("/parquetix-cli");
    ASSERT_TRUE(QFileInfo(cli).isExecutable()) << cli.toStdString();
    const QString script = home.file(QStringLiteral("long-game.txt"));
    write(script, longGame().toUtf8());

    // The same script played here: the state after each command.
    QHash<QByteArray, QPair<int, int>> states; // state -> first and last command
    int commands = 0;
    {
        TFixedClock fixed(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 0)));
        TSettings defaults;
        TScriptPrompter answers;
        THeadlessScreen reference;
        TGameStore referenceStore(home.file(QStringLiteral("ref")), home.file(QStringLiteral("ref/Temp")),
                                  home.file(QStringLiteral("ref/Save")));
        TGame g(TGameServices{
            .Settings = &defaults, .Prompter = &answers, .Clock = &fixed, .Store = &referenceStore});
        g.SetScreen(&reference);
        g.GameFolder = home.file(QStringLiteral("ref/game"));
        TGameScript runner(g, reference);
        auto note = [&] {
            const QByteArray state = ShellFixture::stateOf(TGameFolder(g.GameFolder));
            auto it = states.find(state);
            if (it == states.end())
                states.insert(state, {commands, commands});
            else
                it->second = commands;
        };
        note();
        runner.AfterCommand = [&] {
            ++commands;
            note();
        };
        ASSERT_TRUE(runner.Run(QString::fromUtf8(read(script)))) << runner.Error().toStdString();
        ASSERT_GT(g.AllEvents.Count(), 800);
    }

    const QString childHome = home.file(QStringLiteral("child"));
    QDir().mkpath(childHome);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PARQUETIX_HOME"), childHome);
    // Half of the children write no dumps, so that more kills fall into a save;
    // some flush every save to disk, which keeps a journal record pending for
    // milliseconds.
    auto start = [&](QProcess &child, const QString &dir, bool dumps = true, bool sync = false) {
        child.setProcessEnvironment(env);
        child.setProgram(cli);
        QStringList args = {QStringLiteral("play"),      script,
                            QStringLiteral("--save"),    dir,
                            QStringLiteral("--now"),     QStringLiteral("20261209183000"),
                            QStringLiteral("--progress")};
        if (!dumps)
            args << QStringLiteral("--set") << QStringLiteral("DATA_DUMP=NO") << QStringLiteral("--set")
                 << QStringLiteral("CREATE_TEMP_DATA_FILES=NO");
        if (sync)
            args << QStringLiteral("--sync");
        child.setArguments(args);
        child.start();
        return child.waitForStarted();
    };
    auto lastDone = [](const QByteArray &output) {
        int done = 0;
        for (const QByteArray &line : output.split('\n'))
            if (line.startsWith("done "))
                done = line.mid(5).toInt();
        return done;
    };

    // Waits until the child reports its first command, that is once it has started up.
    auto started = [](QProcess &child, QByteArray &output) {
        while (!output.contains("done ") && child.waitForReadyRead(10000))
            output += child.readAllStandardOutput();
        return output.contains("done ");
    };

    // One whole run of each kind, to know how long the game takes after the start.
    QElapsedTimer timer;
    qint64 duration[2] = {0, 0};
    for (int dumps = 0; dumps < 2; ++dumps) {
        QProcess whole;
        const QString dir = home.file(QStringLiteral("whole%1").arg(dumps));
        QByteArray output;
        ASSERT_TRUE(start(whole, dir, dumps == 1));
        ASSERT_TRUE(started(whole, output));
        timer.start();
        ASSERT_TRUE(whole.waitForFinished(120000));
        duration[dumps] = timer.elapsed();
        output += whole.readAllStandardOutput();
        ASSERT_EQ(whole.exitCode(), 0) << whole.readAllStandardError().toStdString();
        ASSERT_EQ(lastDone(output), commands);
        ASSERT_EQ(states.value(ShellFixture::stateOf(TGameFolder(dir))).second, commands)
            << "the child plays the same game";
    }

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    const int trials = 120;
    const int syncTrials = 20;
    int failures = 0;
    int seen[4] = {0, 0, 0, 0};
    int empty = 0;
    for (int trial = 0; trial < trials; ++trial) {
        const QString dir = home.file(QStringLiteral("trial%1").arg(trial));
        const bool sync = trial >= trials - syncTrials;
        const bool dumps = !sync && trial % 2 == 1;
        QProcess child;
        QByteArray output;
        ASSERT_TRUE(start(child, dir, dumps, sync));
        ASSERT_TRUE(started(child, output));
        timer.restart();
        // Within the run: a kill after the child has finished tests nothing.
        const qint64 at =
            std::uniform_int_distribution<qint64>(0, sync ? 1500 : duration[dumps ? 1 : 0] * 9 / 10)(random);
        while (timer.elapsed() < at && child.state() == QProcess::Running)
            child.waitForFinished(int(std::max<qint64>(1, at - timer.elapsed())));
        child.kill();
        child.waitForFinished(10000);
        output += child.readAllStandardOutput();
        const int done = lastDone(output);

        const TGameFolder folder(dir);
        seen[int(journalOf(dir))] += 1;
        const QByteArray state = ShellFixture::stateOf(folder);
        QString problem;
        if (state.isEmpty()) {
            // Killed before the first save finished.
            ++empty;
            if (states.value(QByteArray()).second < done)
                problem = QStringLiteral("nothing saved, though command %1 was done").arg(done);
        } else if (!states.contains(state)) {
            problem = QStringLiteral("the folder matches no saved state");
        } else if (states.value(state).second < done) {
            problem = QStringLiteral("the folder holds command %1, but %2 was done")
                          .arg(states.value(state).second)
                          .arg(done);
        } else {
            TGameLoader loader;
            if (!loader.Read(folder, QLatin1String(Code), &problem))
                problem = QStringLiteral("does not load: ") + problem;
        }
        if (!problem.isEmpty()) {
            ++failures;
            ADD_FAILURE() << "trial " << trial << " killed at " << at << " ms: " << problem.toStdString();
        }
    }
    std::cout << "[ crash    ] " << trials << " trials (the last " << syncTrials
              << " flushing to disk, killed within 1.5 s) killed within runs of " << duration[0]
              << " ms (no dumps) and " << duration[1] << " ms (" << commands << " commands), seed " << seed
              << ": " << failures << " failures; journal at the kill: " << seen[int(TJournalSeen::None)]
              << " none, " << seen[int(TJournalSeen::Applied)] << " applied, "
              << seen[int(TJournalSeen::Pending)] << " pending (completed when read), "
              << seen[int(TJournalSeen::Torn)] << " torn; " << empty << " before the first save\n";
    EXPECT_EQ(failures, 0);
}

} // namespace
