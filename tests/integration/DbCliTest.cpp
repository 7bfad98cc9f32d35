#include "support/CliRunner.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

struct TRun
{
    int code = -1;
    QString out;
    QString err;
};

// parquetix-cli with the temporary home as its application home.
TRun cli(const TestHome &home, const QStringList &args)
{
    const CliResult r = runProgram(QStringLiteral("parquetix-cli"), args, home.path());
    return {r.ExitCode, QString::fromUtf8(r.Out), QString::fromUtf8(r.Err)};
}

const QByteArray kUpdate("*L1|Liga#T1|Medv\xe9k|MED|#*P1|KOVACS Janos|19990101|190|85|G|HUN|T1|7|#*"
                         "T1|T1|01.01.2031|szerda|18:00|ABC1DEF2|Bir\xf3 Bela||#*Edz\xf5|E####");

// The db commands speak the home's language; these tests read English.
void english(TestHome &home)
{
    home.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nVERSION=ENG\nLANGUAGE=ENG\n");
}

} // namespace

TEST(DbCli, InitCreatesTheDatabaseAndItsPristineCopy)
{
    TestHome home;
    const TRun run = cli(home, {QStringLiteral("db"), QStringLiteral("init")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("schema version 1"))) << run.out.toStdString();
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("Datastore/parquetix.db"))));
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("Datastore/Original/parquetix.db"))));
}

TEST(DbCli, ImportUpdatePrintsWhatItAddedAndNothingTheSecondTime)
{
    TestHome home;
    home.write(QStringLiteral("update.txt"), kUpdate);
    const QStringList args{QStringLiteral("db"), QStringLiteral("import-update"),
                           home.file(QStringLiteral("update.txt"))};
    const TRun first = cli(home, args);
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Player       added 1, changed 0")))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Staff        added 2, changed 0")))
        << first.out.toStdString();
    const TRun second = cli(home, args);
    ASSERT_EQ(second.code, 0);
    EXPECT_FALSE(second.out.contains(QStringLiteral("added 1"))) << second.out.toStdString();

    const TRun teams = cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("teams")});
    EXPECT_TRUE(teams.out.contains(QString::fromUtf8("Medvék"))) << teams.out.toStdString();
    const TRun staff = cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("staff")});
    EXPECT_TRUE(staff.out.contains(QString::fromUtf8("Biró Bela"))) << staff.out.toStdString();
    EXPECT_TRUE(staff.out.contains(QString::fromUtf8("Edző"))) << staff.out.toStdString();
}

TEST(DbCli, EmptyAsksForConfirmation)
{
    TestHome home;
    english(home);
    home.write(QStringLiteral("update.txt"), kUpdate);
    cli(home,
        {QStringLiteral("db"), QStringLiteral("import-update"), home.file(QStringLiteral("update.txt"))});
    const TRun refused = cli(home, {QStringLiteral("db"), QStringLiteral("empty")});
    EXPECT_NE(refused.code, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Delete all data from database?")));
    EXPECT_TRUE(cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("players")})
                    .out.contains(QStringLiteral("1 row(s)")));
    ASSERT_EQ(cli(home, {QStringLiteral("db"), QStringLiteral("empty"), QStringLiteral("--yes")}).code, 0);
    EXPECT_TRUE(cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("players")})
                    .out.contains(QStringLiteral("0 row(s)")));
}

TEST(DbCli, UpdateFromAnUnreachableServerFailsWithTheNoConnectionMessage)
{
    TestHome home;
    english(home);
    const TRun run =
        cli(home, {QStringLiteral("db"), QStringLiteral("update"), QStringLiteral("--server"),
                   QStringLiteral("http://127.0.0.1:9"), QStringLiteral("--code"), QStringLiteral("C1")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Connecting"))) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Cannot connect to the server"))) << run.err.toStdString();
}

TEST(DbCli, TranslatePrintsTheTranslationOrTheTextItself)
{
    TestHome home;
    const TRun unseen = cli(home, {QStringLiteral("translate"), QString::fromUtf8("Soha nem látott szöveg"),
                                   QStringLiteral("--lang"), QStringLiteral("ENG")});
    ASSERT_EQ(unseen.code, 0) << unseen.err.toStdString();
    EXPECT_EQ(unseen.out, QString::fromUtf8("Soha nem látott szöveg\n"));
    // The database the command made holds the built-in translations.
    const TRun known = cli(home, {QStringLiteral("translate"), QStringLiteral("Folytatja?"),
                                  QStringLiteral("--lang"), QStringLiteral("ENG")});
    EXPECT_EQ(known.out, QStringLiteral("Continue?\n"));
    const TRun init = cli(home, {QStringLiteral("db"), QStringLiteral("init")});
    EXPECT_FALSE(init.out.contains(QStringLiteral("translate    0 row(s)"))) << init.out.toStdString();
    EXPECT_EQ(cli(home, {QStringLiteral("translate")}).code, 2);
}

// The whole road of the online update: the reference server's update endpoint,
// the HTTP client, the import and the tables.
TEST(DbCli, UpdateDownloadsFromTheReferenceServer)
{
    TestHome home;
    home.write(QStringLiteral("update.txt"), kUpdate);
    QProcess server;
    server.start(QDir(binaryFolder()).filePath(QStringLiteral("parquetix-server")),
                 {QStringLiteral("--data"), home.file(QStringLiteral("server")), QStringLiteral("--port"),
                  QStringLiteral("0"), QStringLiteral("--update-file"),
                  home.file(QStringLiteral("update.txt")), QStringLiteral("--log"),
                  home.file(QStringLiteral("server.log"))});
    ASSERT_TRUE(server.waitForStarted(5000));
    ASSERT_TRUE(server.waitForReadyRead(5000));
    const QByteArray line = server.readLine().trimmed();
    ASSERT_TRUE(line.startsWith("listening on ")) << line.constData();
    const QString address = QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(line.mid(13));

    const QStringList args{QStringLiteral("db"),       QStringLiteral("update"),
                           QStringLiteral("--server"), address,
                           QStringLiteral("--code"),   QStringLiteral("C1")};
    const TRun first = cli(home, args);
    EXPECT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QString::fromUtf8("Adatok frissítése kész"))) << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Team         added 1, changed 0")))
        << first.out.toStdString();
    const TRun second = cli(home, args);
    EXPECT_EQ(second.code, 0);
    EXPECT_TRUE(second.out.contains(QStringLiteral("Team         added 0, changed 0")))
        << second.out.toStdString();
    EXPECT_TRUE(cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("teams")})
                    .out.contains(QString::fromUtf8("Medvék")));

    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_TRUE(home.read(QStringLiteral("server.log")).contains("/income/update.phtml?code=C1"));
}

TEST(DbCli, AServerWithoutUpdateRefusesIt)
{
    TestHome home;
    english(home);
    QProcess server;
    server.start(QDir(binaryFolder()).filePath(QStringLiteral("parquetix-server")),
                 {QStringLiteral("--data"), home.file(QStringLiteral("server")), QStringLiteral("--port"),
                  QStringLiteral("0"), QStringLiteral("--log"), home.file(QStringLiteral("server.log"))});
    ASSERT_TRUE(server.waitForStarted(5000));
    ASSERT_TRUE(server.waitForReadyRead(5000));
    const QByteArray line = server.readLine().trimmed();
    ASSERT_TRUE(line.startsWith("listening on ")) << line.constData();
    const TRun run = cli(home, {QStringLiteral("db"), QStringLiteral("update"), QStringLiteral("--server"),
                                QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(line.mid(13))});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("The server refused the update!"))) << run.err.toStdString();
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
}

TEST(DbCli, ImportUpdateOnAStorageFailureNamesItsErrorAndKeepsNoFalseCounts)
{
    TestHome home;
    ASSERT_EQ(cli(home, {QStringLiteral("db"), QStringLiteral("init")}).code, 0);
    {
        // What a full disk does: the storage rolls the transaction back itself.
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(home.file(QStringLiteral("Datastore/parquetix.db")).toUtf8().constData(), &db),
                  SQLITE_OK);
        const int rc = sqlite3_exec(db,
                                    "CREATE TRIGGER full BEFORE INSERT ON Player "
                                    "BEGIN SELECT RAISE(ROLLBACK, 'database or disk is full'); END",
                                    nullptr, nullptr, nullptr);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK);
    }
    home.write(QStringLiteral("update.txt"), kUpdate);
    const TRun run = cli(home, {QStringLiteral("db"), QStringLiteral("import-update"),
                                home.file(QStringLiteral("update.txt"))});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("db: database or disk is full"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("no transaction"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("nothing was kept"))) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("merged"))) << run.out.toStdString();
    const TRun leagues = cli(home, {QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("leagues")});
    EXPECT_TRUE(leagues.out.contains(QStringLiteral("\n0 row(s)"))) << leagues.out.toStdString();
}

TEST(DbCli, ImportUpdateRefusesGarbageAndWarnsOfRefusedItems)
{
    TestHome home;
    english(home);
    home.write(QStringLiteral("garbage.txt"), QByteArray("\x00\x01 not an update at all"));
    home.write(QStringLiteral("empty.txt"), QByteArray());
    for (const char *name : {"garbage.txt", "empty.txt"}) {
        const TRun run = cli(home, {QStringLiteral("db"), QStringLiteral("import-update"),
                                    home.file(QString::fromLatin1(name))});
        EXPECT_EQ(run.code, 1) << name;
        EXPECT_TRUE(run.err.contains(QStringLiteral("nothing changed"))) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains(QStringLiteral("league block(s) merged"))) << run.out.toStdString();
    }

    home.write(QStringLiteral("update.txt"), QByteArray("*L1|Liga#T1|Bears*T1234567890123|Long#*"
                                                        "P1|A B||||||T9|1|#*#*####"));
    const TRun run = cli(home, {QStringLiteral("db"), QStringLiteral("import-update"),
                                home.file(QStringLiteral("update.txt"))});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("warning: Team \"T1234567890123 (Long)\" was refused")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("warning: Player \"P1 (A B)\" names an unknown team")))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("1 league block(s) merged"))) << run.out.toStdString();

    // A Hungarian home reads why, and in which field, in Hungarian.
    TestHome hungarian;
    hungarian.write(QStringLiteral("update.txt"), QByteArray("*L1|Liga#T1|Bears*T1234567890123|Long#*"
                                                             "P1|A B||||||T9|1|#*#*####"));
    const TRun hu = cli(hungarian, {QStringLiteral("db"), QStringLiteral("import-update"),
                                    hungarian.file(QStringLiteral("update.txt"))});
    EXPECT_TRUE(hu.err.contains(QString::fromUtf8("Csapat \"T1234567890123 (Long)\" el lett utasítva: ez a "
                                                  "webazonosító 12 karakternél hosszabb: webazonosító")))
        << hu.err.toStdString();
}
