// The version check at start-up against the reference server: when it asks,
// what it asks for, and that nothing it meets stops the start-up.
#include "desktop/mainwindow/TVersionCheck.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "server/TStatsServer.h"
#include "transmission/IConnectionProbe.h"

#include "support/TestHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using TOutcome = TVersionCheck::TOutcome;

class TAnsweringPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Errors << text; }
    void ShowInformation(const QString &text) override { Errors << text; }
    bool Confirm(const QString &text) override
    {
        Asked << text;
        return Answer;
    }
    bool Answer = false;
    QStringList Asked;
    QStringList Errors;
};

class TCountingProbe : public IConnectionProbe
{
public:
    explicit TCountingProbe(bool connected) : m_connected(connected) {}
    bool IsConnected() override
    {
        ++Asked;
        return m_connected;
    }
    int Asked = 0;

private:
    bool m_connected;
};

TEST(VersionFile, VersionIsTheTextOfTheRootsChildVersion)
{
    const QList<std::pair<QByteArray, QString>> cases{
        {"<?xml version=\"1.0\"?><Setup><Version>3.8.0.1</Version></Setup>", QStringLiteral("3.8.0.1")},
        {"<Setup>\n  <Name>x</Name>\n  <Version> 4.0.0.0 </Version>\n</Setup>", QStringLiteral("4.0.0.0")},
        {"<AnyRoot><Version>1.2.3.4</Version><Version>9.9.9.9</Version></AnyRoot>",
         QStringLiteral("1.2.3.4")},
        // Only a child of the root counts.
        {"<Setup><Other><Version>5.0.0.0</Version></Other></Setup>", QString()},
        {"<Version>5.0.0.0</Version>", QString()},
        {"<Setup><version>5.0.0.0</version></Setup>", QString()},
        {"<Setup><Version>5.0.0.0</Setup>", QString()},
        {"not xml at all", QString()},
        {"<html><body>404</body></html>", QString()},
        {"", QString()},
    };
    for (const auto &[body, version] : cases) {
        SCOPED_TRACE(body.toStdString());
        EXPECT_EQ(TVersionCheck::ServerVersion(body), version);
    }
}

TEST(VersionFile, RunningVersionHasFourNumbers)
{
    const QList<std::pair<QString, QString>> cases{
        {QStringLiteral("0.1.0"), QStringLiteral("0.1.0.0")},
        {QStringLiteral("3.8.0.0"), QStringLiteral("3.8.0.0")},
        {QStringLiteral("2"), QStringLiteral("2.0.0.0")},
        {QStringLiteral("1.2.3.4.5"), QStringLiteral("1.2.3.4")},
        {QStringLiteral("1.x.3"), QStringLiteral("1.0.3.0")},
        {QString(), QStringLiteral("0.0.0.0")},
    };
    for (const auto &[build, running] : cases) {
        SCOPED_TRACE(build.toStdString());
        EXPECT_EQ(TVersionCheck::RunningVersion(build), running);
    }
}

TEST(VersionFile, NewerMeansGreaterCharacterByCharacter)
{
    struct TCase
    {
        const char *server;
        const char *running;
        bool newer;
    };
    const QList<TCase> cases{
        {"3.8.0.1", "3.8.0.0", true},
        {"3.8.0.0", "3.8.0.0", false},
        {"3.7.9.9", "3.8.0.0", false},
        {"4.0.0.0", "3.8.0.0", true},
        {"3.8.0.0.1", "3.8.0.0", true},
        // The texts are compared, not the numbers.
        {"0.10.0.0", "0.9.0.0", false},
        {"0.9.0.0", "0.10.0.0", true},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(std::string(c.server) + " / " + c.running);
        EXPECT_EQ(TVersionCheck::IsNewer(QString::fromLatin1(c.server), QString::fromLatin1(c.running)),
                  c.newer);
    }
}

TEST(VersionFile, UpdaterIsLookedForInEachFolder)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const auto touch = [](const QString &path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    touch(second.filePath(QStringLiteral("PQUpdate.exe")));
    touch(first.filePath(QStringLiteral("own-updater")));
    const QStringList folders{first.path(), second.path()};
    const QList<std::pair<QString, QString>> cases{
        {QString(), second.filePath(QStringLiteral("PQUpdate.exe"))},
        {QStringLiteral("  "), second.filePath(QStringLiteral("PQUpdate.exe"))},
        {QStringLiteral("own-updater"), first.filePath(QStringLiteral("own-updater"))},
        // Found nowhere: named where it belongs.
        {QStringLiteral("absent"), first.filePath(QStringLiteral("absent"))},
        {QStringLiteral("/opt/up/run"), QStringLiteral("/opt/up/run")},
    };
    for (const auto &[setting, path] : cases) {
        SCOPED_TRACE(setting.toStdString());
        EXPECT_EQ(TVersionCheck::UpdaterPath(setting, folders), path);
    }
}

// A reference server whose request log a test can read.
class VersionCheck : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }
    void TearDown() override
    {
        if (m_server)
            m_server->stop();
    }

    void startServer(TServerOptions options)
    {
        if (m_server)
            m_server->stop();
        options.dataDir = m_root.filePath(QStringLiteral("data"));
        options.host = QStringLiteral("127.0.0.1");
        options.port = 0;
        options.logRequests = true;
        options.logFile = m_root.filePath(QStringLiteral("requests.log"));
        m_server = std::make_unique<TStatsServer>(options);
        QString error;
        ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
        m_port = m_server->port();
    }
    void startServer(const QString &setupVersion)
    {
        TServerOptions options;
        options.setupVersion = setupVersion;
        startServer(options);
    }

    QString updateServer() const { return QStringLiteral("http://127.0.0.1:%1/update/").arg(m_port); }
    QByteArray log() const
    {
        QFile file(m_root.filePath(QStringLiteral("requests.log")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The server logs a request after answering it: a line may come late.
    int versionRequests(int expected) const
    {
        QElapsedTimer clock;
        clock.start();
        int n = 0;
        while ((n = int(log().count("GET /update/setup.xml"))) < expected && clock.elapsed() < 5000)
            QThread::msleep(5);
        return n;
    }

    // An updater program's way (Windows) unless told otherwise.
    TVersionCheckSettings settings(bool enabled = true, bool updaterProgram = true) const
    {
        return {enabled, updateServer(), QStringLiteral("3.8.0.0"), m_updater, updaterProgram};
    }
    TOutcome run(const TVersionCheckSettings &s, bool connected = true)
    {
        TCountingProbe probe(connected);
        TVersionCheck check(prompter, translator, {}, [this](const QString &program, QString *) {
            Launched << program;
            return LaunchWorks;
        });
        return check.Run(s, probe);
    }

    QTemporaryDir m_root;
    std::unique_ptr<TStatsServer> m_server;
    int m_port = 0;
    QString m_updater = m_root.filePath(QStringLiteral("PQUpdate.exe"));
    TAnsweringPrompter prompter;
    TIdentityTranslator translator;
    QStringList Launched;
    bool LaunchWorks = true;
};

TEST_F(VersionCheck, NewerVersionAsksAndStartsTheUpdaterOnYes)
{
    startServer(QStringLiteral("3.8.0.1"));
    {
        QFile updater(m_updater);
        ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    }
    struct TCase
    {
        bool answer;
        bool launchWorks;
        TOutcome outcome;
        int launches;
        int errors;
    };
    const QList<TCase> cases{{false, true, TOutcome::Declined, 0, 0},
                             {true, true, TOutcome::UpdaterStarted, 1, 0},
                             {true, false, TOutcome::UpdaterFailed, 1, 1}};
    int requests = 0;
    for (const TCase &c : cases) {
        SCOPED_TRACE(int(c.outcome));
        prompter = {};
        prompter.Answer = c.answer;
        LaunchWorks = c.launchWorks;
        Launched.clear();
        EXPECT_EQ(run(settings()), c.outcome);
        // The question names both versions.
        EXPECT_EQ(prompter.Asked,
                  QStringList{QString::fromUtf8(TVersionCheck::Question) +
                              QStringLiteral("\n\nThis version: 3.8.0.0\nNew version: 3.8.0.1")});
        EXPECT_EQ(Launched.size(), c.launches);
        if (c.launches > 0) {
            EXPECT_EQ(Launched.first(), m_updater);
        }
        EXPECT_EQ(prompter.Errors.size(), c.errors);
        ++requests;
        EXPECT_EQ(versionRequests(requests), requests);
    }
}

TEST_F(VersionCheck, WithoutAnUpdaterProgramTheNewVersionAndItsPackageAreNamed)
{
    startServer(QStringLiteral("3.9.0.0"));
    {
        // Even an updater lying there is not run where packages install the program.
        QFile updater(m_updater);
        ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    }
    prompter.Answer = true;
    EXPECT_EQ(run(settings(true, false)), TOutcome::PackageNamed);
    EXPECT_TRUE(Launched.isEmpty());
    EXPECT_TRUE(prompter.Asked.isEmpty());
    ASSERT_EQ(prompter.Errors.size(), 1);
    const QString note = prompter.Errors.first();
    for (const QString &part :
         {QStringLiteral("This version: 3.8.0.0"), QStringLiteral("New version: 3.9.0.0"),
          QStringLiteral("sudo apt install ./") + TVersionCheck::PackageFile(QStringLiteral("3.9.0.0")),
          updateServer()})
        EXPECT_TRUE(note.contains(part)) << part.toStdString() << "\n" << note.toStdString();
    EXPECT_FALSE(note.contains(QStringLiteral("PQUpdate"))) << note.toStdString();
    EXPECT_TRUE(TVersionCheck::PackageFile(QStringLiteral("3.9.0.0"))
                    .startsWith(QStringLiteral("parquetix_3.9.0.0_")));
    EXPECT_TRUE(TVersionCheck::PackageFile(QStringLiteral("3.9.0.0")).endsWith(QStringLiteral(".deb")));
}

TEST_F(VersionCheck, EqualOrOlderVersionAsksNothing)
{
    for (const char *version : {"3.8.0.0", "3.7.9.9", "1.0.0.0"}) {
        SCOPED_TRACE(version);
        startServer(QString::fromLatin1(version));
        prompter.Answer = true;
        EXPECT_EQ(run(settings()), TOutcome::UpToDate);
        EXPECT_TRUE(prompter.Asked.isEmpty());
        EXPECT_TRUE(Launched.isEmpty());
    }
    EXPECT_EQ(versionRequests(3), 3);
}

TEST_F(VersionCheck, SwitchedOffOrWithoutNetworkNoRequestIsMade)
{
    startServer(QStringLiteral("9.0.0.0"));
    prompter.Answer = true;
    {
        TCountingProbe probe(true);
        TVersionCheck check(prompter, translator);
        EXPECT_EQ(check.Run(settings(false), probe), TOutcome::Disabled);
        EXPECT_EQ(probe.Asked, 0);
    }
    EXPECT_EQ(run(settings(true), false), TOutcome::NotConnected);
    EXPECT_TRUE(prompter.Asked.isEmpty());
    // The same server is asked once the check may ask; the log, written in
    // order, then shows this one request only.
    prompter.Answer = false;
    EXPECT_EQ(run(settings(true), true), TOutcome::Declined);
    EXPECT_EQ(versionRequests(1), 1) << log().toStdString();
    EXPECT_EQ(log().count("\n"), 1) << log().toStdString();
}

TEST_F(VersionCheck, MissingUpdaterIsReportedAndTheCheckEnds)
{
    startServer(QStringLiteral("9.0.0.0"));
    prompter.Answer = true;
    EXPECT_EQ(run(settings()), TOutcome::UpdaterMissing);
    EXPECT_TRUE(Launched.isEmpty());
    ASSERT_EQ(prompter.Errors.size(), 1);
    EXPECT_TRUE(prompter.Errors.first().contains(QStringLiteral("PQUpdate.exe")))
        << prompter.Errors.first().toStdString();
}

TEST_F(VersionCheck, BadOrMissingAnswersAskNothing)
{
    const QString garbage = m_root.filePath(QStringLiteral("setup.xml"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<Setup><Version>9.0.0.0</Setup>\x01\xff garbage");
    }
    struct TCase
    {
        const char *name;
        TServerOptions options;
        TOutcome outcome;
    };
    TServerOptions garbled, none, refusing, denying;
    garbled.setupXml = garbage;
    refusing.refuse = true;
    refusing.setupVersion = QStringLiteral("9.0.0.0");
    denying.noOk = true;
    denying.setupVersion = QStringLiteral("9.0.0.0");
    const QList<TCase> cases{{"garbage", garbled, TOutcome::NoVersion},
                             {"no version file", none, TOutcome::NoAnswer},
                             {"connection closed", refusing, TOutcome::NoAnswer},
                             {"refused", denying, TOutcome::NoVersion}};
    prompter.Answer = true;
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.name);
        startServer(c.options);
        EXPECT_EQ(run(settings()), c.outcome);
    }
    EXPECT_TRUE(prompter.Asked.isEmpty());
    EXPECT_TRUE(prompter.Errors.isEmpty());
}

TEST_F(VersionCheck, DeadOrSilentServerEndsWithinTheTimeOut)
{
    startServer(QStringLiteral("9.0.0.0"));
    m_server->stop();
    m_server.reset();
    // Nobody listens on that port any more.
    const TVersionCheckSettings dead = settings();
    TServerOptions slow;
    slow.setupVersion = QStringLiteral("9.0.0.0");
    slow.slowMs = 60000; // answers after a minute
    startServer(slow);
    const TVersionCheckSettings silent = settings();
    prompter.Answer = true;
    for (const auto &[name, s] : {std::pair{"dead", dead}, std::pair{"silent", silent}}) {
        SCOPED_TRACE(name);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(run(s), TOutcome::NoAnswer);
        // Connecting and reading each wait at most the time-out.
        EXPECT_LT(clock.elapsed(), 2 * TVersionCheck::FetchTimeoutMs + 5000);
    }
    EXPECT_TRUE(prompter.Asked.isEmpty());
}

} // namespace
