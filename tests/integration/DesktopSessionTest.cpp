// The desktop program's start-up and shutdown, and what it shares with the
// command-line tool: the translation of what is recorded, the sender, the
// dumps due when the court screen opens.
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "server/TStatsServer.h"
#include "shell/session/TDesktopSession.h"
#include "shell/store/TGameLoader.h"
#include "transmission/TParquetixSender.h"

#include "support/CliRunner.h"
#include "support/SampleGame.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Made = QString::fromUtf8("sikeres középtávoli");
const QString MadeEng = QStringLiteral("mid-range made");
const QString Timeout = QString::fromUtf8(".p idokéres");
const QString TimeoutEng = QStringLiteral(". timeout");

QString script(const QString &more = {})
{
    return QStringLiteral("game code=DESK1TOP2\n") +
           SampleRoster({.HomeBench = false, .AwayBench = false, .FullNames = true}) +
           QStringLiteral(R"(length 10
tick
select home 4
shot home made mid 88 120
timeout away
)") + more;
}

// A home in English whose translate table knows two of the recorded texts.
void makeHome(const TestHome &home, const QByteArray &extraSettings = {})
{
    home.write(QStringLiteral("parquetix.ini"),
               "[APPLICATION]\nVERSION=HUN\nLANGUAGE=ENG\nRENDEZES=RENDEZES_MEZSZAM\n" + extraSettings);
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
    ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"), Made, MadeEng));
    ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"), Timeout, TimeoutEng));
    ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"),
                                     QString::fromUtf8("A negyednek tényleg vége?"),
                                     QStringLiteral("Is the quarter really over?")));
}

QStringList historyTexts(const THeadlessScreen &screen, int side)
{
    QStringList texts;
    for (const THeadlessScreen::HistoryLine &line : screen.history(side))
        texts << line.Text;
    return texts;
}

} // namespace

// A game recorded by "parquetix-cli play --save" reads in the desktop program
// as the desktop program would have recorded it: both translate through the
// home's translate table in the language of the settings.
TEST(DesktopSession, RecordsTheSameTextsAsTheCommandLineTool)
{
    TestHome home;
    makeHome(home);
    home.write(QStringLiteral("game.txt"), script().toUtf8());
    const QString saved = home.file(QStringLiteral("saved"));
    const CliResult cli = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--save"), saved},
        home.path());
    ASSERT_EQ(cli.ExitCode, 0) << cli.Err.constData();

    QStringList recorded[2];
    {
        TDesktopSession session(home.path());
        EXPECT_EQ(session.Start(), QStringList());
        THeadlessScreen screen;
        session.App().SetScreen(&screen);
        session.App().Game().SetStore(nullptr);
        TGameScript runner(session.App().Game(), screen);
        ASSERT_TRUE(runner.Run(script())) << runner.Error().toStdString();
        // A reopened game shows every line, the clock steps too.
        for (int side = 1; side <= 2; ++side)
            recorded[side - 1] = historyTexts(screen, side);
        session.App().SetScreen(nullptr);
    }
    ASSERT_TRUE(recorded[0].join(QLatin1Char('|')).contains(MadeEng)) << recorded[0].join('|').toStdString();
    ASSERT_TRUE(recorded[1].join(QLatin1Char('|')).contains(TimeoutEng))
        << recorded[1].join('|').toStdString();

    TDesktopSession session(home.path());
    session.Start();
    THeadlessScreen screen;
    session.App().SetScreen(&screen);
    QString error;
    ASSERT_TRUE(
        TGameLoader::Load(session.App(), saved, QStringLiteral("DESK1TOP2"), {}, &session.Store(), &error))
        << error.toStdString();
    for (int side = 1; side <= 2; ++side)
        EXPECT_EQ(historyTexts(screen, side), recorded[side - 1]) << side;
    session.App().SetScreen(nullptr);
}

TEST(DesktopSession, StartUpTranslatesTheMessagesAndTheColumnLabels)
{
    TestHome home;
    makeHome(home);
    const TSchema::TTable &table = TSchema::Tables().first();
    const TSchema::TColumn &column = table.columns.first();
    QString label;
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        ASSERT_TRUE(dm.OpenAll());
        label = dm.DisplayLabel(table.name, column.name);
        ASSERT_FALSE(label.isEmpty());
        ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("DBTABLE"), QStringLiteral("ENG"), label,
                                         QStringLiteral("Translated label")));
    }
    TDesktopSession session(home.path());
    EXPECT_EQ(session.Start(), QStringList());
    EXPECT_EQ(session.Translation().Language(), QStringLiteral("ENG"));
    EXPECT_EQ(session.Messages().MsgPeriodReallyOver, QStringLiteral("Is the quarter really over?"));
    // Untranslated entries keep their source text.
    EXPECT_EQ(session.Messages().MsgShotDunk, QStringLiteral("dunk"));
    EXPECT_EQ(session.Translation().DataModule().DisplayLabel(table.name, column.name),
              QStringLiteral("Translated label"));
}

// Qt's own texts (standard buttons, file and print dialogs) follow the
// program's language, and go back to English with the session.
TEST(DesktopSession, QtsOwnTextsFollowTheLanguage)
{
    const QString yes = QStringLiteral("&Yes");
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("parquetix.ini"),
                   QByteArray("[APPLICATION]\nVERSION=HUN\nLANGUAGE=") + language + "\n");
        TDesktopSession session(home.path());
        session.Start();
        const QString shown = QCoreApplication::translate("QPlatformTheme", "&Yes");
        if (QByteArray(language) == "HUN")
            EXPECT_EQ(shown, QStringLiteral("&Igen"));
        else
            EXPECT_EQ(shown, yes);
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    EXPECT_EQ(TDesktopSession::QtLocaleOf(QStringLiteral(" hun ")), QStringLiteral("hu"));
    EXPECT_TRUE(TDesktopSession::QtLocaleOf(QStringLiteral("XYZ")).isEmpty());
}

TEST(DesktopSession, ServerBaseIsTheSchemeHostAndPortOfServerName)
{
    const struct
    {
        const char *serverName;
        QByteArray base;
    } cases[] = {
        {"http://127.0.0.1:8080/income/index.phtml?", "http://127.0.0.1:8080"},
        {"https://stats.example.org/income/index.phtml?", "https://stats.example.org"},
        {"HTTP://Host:81/x", "http://host:81"},
        {"/income/index.phtml?", TSettings::DefaultServerBase},
        {"", TSettings::DefaultServerBase},
        {"ftp://host/income", TSettings::DefaultServerBase},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TDesktopSession::ServerBase(QString::fromLatin1(c.serverName)), c.base) << c.serverName;
}

// The sender runs from the start to the end of the session and delivers
// whatever an online game queues.
TEST(DesktopSession, TheSenderDeliversAnOnlineGame)
{
    QTemporaryDir serverRoot;
    TServerOptions options;
    options.dataDir = serverRoot.filePath(QStringLiteral("data"));
    options.port = 0;
    options.logRequests = false;
    TStatsServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();

    TestHome home;
    makeHome(home, "SERVER_NAME=http://127.0.0.1:" + QByteArray::number(server.port()) +
                       "/income/index.phtml?\nSLEEPTIME_BW_SEND=5\n");
    TDesktopSession session(home.path());
    EXPECT_EQ(session.Start(), QStringList());
    THeadlessScreen screen;
    session.App().SetScreen(&screen);
    session.SetCourtScreen(&screen);
    session.App().Game().SetStore(nullptr);
    session.StartSender();
    ASSERT_NE(session.Sender(), nullptr);
    EXPECT_TRUE(session.Sender()->isRunning());

    TGame &game = session.App().Game();
    game.Online = true;
    TGameScript runner(game, screen);
    ASSERT_TRUE(runner.Run(script(QStringLiteral("tick\nselect away 5\nshot away made three 30 200\n"))))
        << runner.Error().toStdString();
    const int queued = game.OutgoingQueue.Count();
    ASSERT_GT(queued, 3);

    QTimer wake;
    wake.start(5);
    const QDeadlineTimer deadline(30000);
    while (!game.OutgoingQueue.IsEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
    EXPECT_EQ(server.store().messages("DESK1TOP2").size(), queued);

    session.StopSender();
    EXPECT_FALSE(session.Sender()->isRunning());
    session.SetCourtScreen(nullptr);
    session.App().SetScreen(nullptr);
}

// "GameDumpData.dat" is written when the court screen opens.
TEST(DesktopSession, OpeningTheCourtScreenWritesTheGameData)
{
    TestHome home;
    makeHome(home, "DATA_DUMP=YES\nDATA_DUMP_DIRECTORY=dumps\nDELETE_DATA_DUMP=NO\n");
    TDesktopSession session(home.path());
    session.Start();
    THeadlessScreen screen;
    session.App().SetScreen(&screen);
    session.App().Game().SetStore(nullptr);
    TGameScript runner(session.App().Game(), screen);
    ASSERT_TRUE(runner.Run(script())) << runner.Error().toStdString();
    const QString dump =
        QDir(home.file(QStringLiteral("dumps"))).filePath(QStringLiteral("GameDumpData.dat"));
    ASSERT_FALSE(QFile::exists(dump));

    session.CourtScreenOpened();
    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("Home Team|Away Team|"));

    // A folder that cannot be made is reported, never raised.
    QString reported;
    session.GuardedStore().Report = [&](const QString &problem) { reported = problem; };
    session.App().Settings().SetValue(QStringLiteral("DATA_DUMP_DIRECTORY"),
                                      home.file(QStringLiteral("game.txt/x")));
    home.write(QStringLiteral("game.txt"), "a file, not a folder");
    session.CourtScreenOpened();
    EXPECT_FALSE(reported.isEmpty());
    session.GuardedStore().Report = nullptr;
    session.App().SetScreen(nullptr);
}

// The court screen's packet label restarts sending through the session; the
// sender accepts only for an online game whose sending was stopped.
TEST(DesktopSession, RestartingSendingNeedsAnOnlineGameWithSendingStopped)
{
    QTemporaryDir serverRoot;
    TServerOptions options;
    options.dataDir = serverRoot.filePath(QStringLiteral("data"));
    options.port = 0;
    options.logRequests = false;
    TStatsServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();

    TestHome home;
    makeHome(home, "SERVER_NAME=http://127.0.0.1:" + QByteArray::number(server.port()) +
                       "/income/index.phtml?\nSLEEPTIME_BW_SEND=5\n");
    TDesktopSession session(home.path());
    EXPECT_EQ(session.Start(), QStringList());
    session.App().Game().SetStore(nullptr);
    EXPECT_FALSE(session.RestartSending()) << "no sender yet";
    session.StartSender();
    EXPECT_TRUE(session.SendingEnabled());

    struct Case
    {
        bool online, enabledBefore, accepted;
    };
    for (const Case c : {Case{false, false, false}, Case{true, true, false}, Case{true, false, true}}) {
        session.App().Game().Online = c.online;
        session.SetSendingEnabled(c.enabledBefore);
        EXPECT_EQ(session.RestartSending(), c.accepted) << c.online << c.enabledBefore;
        EXPECT_EQ(session.SendingEnabled(), c.enabledBefore || c.accepted) << c.online << c.enabledBefore;
    }
    session.StopSender();
}
