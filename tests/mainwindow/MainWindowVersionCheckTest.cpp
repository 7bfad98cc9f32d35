// The main window's version check against the reference server: the question
// in the edition's language, the updater it starts, and a missing updater.

#include "MainWindowFixture.h"

#include "desktop/mainwindow/TVersionCheck.h"
#include "server/TStatsServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The main window's start against the reference server.
class MainWindowVersionCheck : public MainWindow
{
protected:
    void SetUp() override { ASSERT_TRUE(m_serverRoot.isValid()); }
    void TearDown() override
    {
        if (m_server)
            m_server->stop();
    }
    void startServer(const QString &version)
    {
        TServerOptions options;
        options.dataDir = m_serverRoot.filePath(QStringLiteral("data"));
        options.port = 0;
        options.logRequests = false;
        options.setupVersion = version;
        m_server = std::make_unique<TStatsServer>(options);
        QString error;
        ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
    }
    void settings(const QByteArray &language, const QByteArray &check, const QByteArray &updater)
    {
        home.write(QStringLiteral("parquetix.ini"),
                   "[APPLICATION]\nLANGUAGE=" + language + "\nCHECK_NEW_VERSION=" + check +
                       "\nUPDATE_SERVER_NAME=http://127.0.0.1:" + QByteArray::number(m_server->port()) +
                       "/update/\nUPDATER=" + updater + "\n");
    }
    // The window as the program starts it: the check runs once it shows.
    std::unique_ptr<TfrmParquetixMain> start(std::optional<bool> updaterProgram = true)
    {
        auto window = std::make_unique<TfrmParquetixMain>(TMainWindowOptions{
            .Home = home.path(),
            .StartWaitMs = 0,
            .StartSender = false,
            .Prompter = &prompter,
            .Probe = &online,
            .Launch =
                [this](const QString &program, QString *) {
                    launched << program;
                    return true;
                },
            .UpdaterProgram = updaterProgram,
        });
        // Nothing is asked before the window is there to ask over.
        EXPECT_TRUE(prompter.Asked.isEmpty());
        EXPECT_TRUE(prompter.Shown.isEmpty());
        window->show();
        QDeadlineTimer deadline(20000);
        while (!window->VersionCheckEnded() && !deadline.hasExpired())
            QTest::qWait(5);
        EXPECT_TRUE(window->VersionCheckEnded());
        return window;
    }

    QTemporaryDir m_serverRoot;
    std::unique_ptr<TStatsServer> m_server;
    TFixedProbe online{true};
    QStringList launched;
};

TEST_F(MainWindowVersionCheck, NewerVersionAsksInTheLanguageAndYesEndsTheProgram)
{
    startServer(QStringLiteral("99.0.0.0"));
    home.write(QStringLiteral("pq-update"), "#!/bin/sh\n");
    settings("HUN", "YES", home.file(QStringLiteral("pq-update")).toUtf8());
    const QString question = QStringLiteral("Új programváltozat érhető el. Frissíti a programot?");
    prepare([&](TdmMain &dm) {
        ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"),
                                         QString::fromUtf8(TVersionCheck::Question), question));
    });
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer);
        prompter.Answer = answer;
        prompter.Asked.clear();
        launched.clear();
        auto window = start();
        EXPECT_EQ(prompter.Asked.size(), 1);
        EXPECT_TRUE(prompter.Asked.value(0).startsWith(question + QStringLiteral("\n\n")));
        EXPECT_TRUE(
            prompter.Asked.value(0).contains(TVersionCheck::RunningVersion(TfrmParquetixMain::Version())));
        EXPECT_TRUE(prompter.Asked.value(0).contains(QStringLiteral("99.0.0.0")));
        EXPECT_EQ(window->EndRequested(), answer);
        // Yes closes the window for the updater.
        EXPECT_EQ(window->isVisible(), !answer);
        EXPECT_EQ(launched, answer ? QStringList{home.file(QStringLiteral("pq-update"))} : QStringList{});
        // Declined, the start goes on to the list of games.
        EXPECT_EQ(window->VersionCheckOutcome(),
                  answer ? TVersionCheck::TOutcome::UpdaterStarted : TVersionCheck::TOutcome::Declined);
    }
}

TEST_F(MainWindowVersionCheck, EqualVersionOrCheckSwitchedOffAsksNothing)
{
    struct TCase
    {
        QString serverVersion;
        QByteArray check;
        TVersionCheck::TOutcome outcome;
    };
    const QString running = TVersionCheck::RunningVersion(TfrmParquetixMain::Version());
    const QList<TCase> cases{{running, "YES", TVersionCheck::TOutcome::UpToDate},
                             {QStringLiteral("99.0.0.0"), "NO", TVersionCheck::TOutcome::Disabled},
                             {QStringLiteral("99.0.0.0"), "yes", TVersionCheck::TOutcome::Disabled}};
    prompter.Answer = true;
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.check.toStdString() + " " + c.serverVersion.toStdString());
        startServer(c.serverVersion);
        settings("XXX", c.check, "");
        auto window = start();
        EXPECT_EQ(window->VersionCheckOutcome(), c.outcome);
        EXPECT_FALSE(window->EndRequested());
        m_server->stop();
    }
    EXPECT_TRUE(prompter.Asked.isEmpty());
    EXPECT_TRUE(launched.isEmpty());
}

TEST_F(MainWindowVersionCheck, OnLinuxTheNewVersionAndItsPackageAreNamedOverTheShownWindow)
{
    startServer(QStringLiteral("99.0.0.0"));
    settings("XXX", "YES", "");
    bool shownOver = false;
    prompter.OnShow = [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TfrmParquetixMain *>(w) && w->isVisible())
                shownOver = true;
    };
    // The platform's way: no updater program outside Windows.
    auto window = start(std::nullopt);
#ifndef Q_OS_WIN
    EXPECT_EQ(window->VersionCheckOutcome(), TVersionCheck::TOutcome::PackageNamed);
    ASSERT_EQ(prompter.Shown.size(), 1);
    const QString note = prompter.Shown.first();
    EXPECT_TRUE(note.contains(TVersionCheck::RunningVersion(TfrmParquetixMain::Version())))
        << note.toStdString();
    EXPECT_TRUE(note.contains(TVersionCheck::PackageFile(QStringLiteral("99.0.0.0")))) << note.toStdString();
    EXPECT_FALSE(note.contains(QStringLiteral("PQUpdate"))) << note.toStdString();
    EXPECT_TRUE(prompter.Asked.isEmpty());
    EXPECT_TRUE(launched.isEmpty());
    EXPECT_TRUE(shownOver);
    EXPECT_TRUE(window->isVisible());
#endif
}

TEST_F(MainWindowVersionCheck, MissingUpdaterIsReportedAndTheWindowStarts)
{
    startServer(QStringLiteral("99.0.0.0"));
    settings("XXX", "YES", "no-such-updater");
    prompter.Answer = true;
    auto window = start();
    EXPECT_EQ(window->VersionCheckOutcome(), TVersionCheck::TOutcome::UpdaterMissing);
    EXPECT_FALSE(window->EndRequested());
    ASSERT_EQ(prompter.Shown.size(), 1);
    EXPECT_TRUE(prompter.Shown.first().contains(home.file(QStringLiteral("no-such-updater"))))
        << prompter.Shown.first().toStdString();
    EXPECT_TRUE(launched.isEmpty());
}

} // namespace
