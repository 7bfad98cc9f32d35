// The online update window against the reference server in this process:
// its states, the messages of its failures, its buttons while it works.
#include "desktop/mainwindow/TfrmNewOnlineUpdate.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "server/TStatsServer.h"
#include "transmission/TUpdateDownloader.h"

#include "support/TestHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TMarkingTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        return QStringLiteral("[%1]%2").arg(section, text);
    }
};

class TRecordingPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Errors << text; }
    void ShowInformation(const QString &text) override { Notes << text; }
    bool Confirm(const QString &) override { return false; }
    QStringList Errors;
    QStringList Notes;
};

// Counts the downloads; a closed gate holds each one until it is opened.
class TGatedDownloader : public IUpdateDownloader
{
public:
    bool Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error) override
    {
        ++Calls;
        if (Gated && !Gate.tryAcquire(1, 30000)) {
            error = QStringLiteral("the gate never opened");
            return false;
        }
        if (Cancelled) {
            error = QStringLiteral("request cancelled");
            return false;
        }
        return m_real.Download(url, proxy, body, error);
    }
    // Opens the gate for the held download, which then ends unanswered.
    void Cancel() override
    {
        Cancelled = true;
        Gate.release();
        m_real.Cancel();
    }
    void Resume() override
    {
        Cancelled = false;
        m_real.Resume();
    }
    std::atomic<int> Calls{0};
    std::atomic<bool> Cancelled{false};
    bool Gated = false;
    QSemaphore Gate;

private:
    TUpdateDownloader m_real;
};

const QByteArray kLeague = "x*L1|First league#T1|Bears|BEA|#*P1|KOVACS Janos|19990412|192|88|G|HUN|T1|7|#*"
                           "T1|T1|01.02.2030|kedd|18:00|ABC1DEF2|Ref A||#*Coach One|E####";

enum class TServerKind
{
    Serving,
    Refusing,
    Gone
};

class OnlineUpdateWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_serverRoot.isValid());
        ASSERT_TRUE(m_dm.OpenAll()) << m_dm.LastError().toStdString();
        m_messages.BuildMessageTable(m_translator);
    }

    void startServer(TServerKind kind, const QByteArray &text, int slowMs = 0)
    {
        m_home.write(QStringLiteral("update.txt"), text);
        TServerOptions options;
        options.dataDir = m_serverRoot.filePath(QStringLiteral("data"));
        options.port = 0;
        options.logRequests = false;
        options.updateFile = m_home.file(QStringLiteral("update.txt"));
        options.refuse = kind == TServerKind::Refusing;
        options.slowMs = slowMs;
        m_server = std::make_unique<TStatsServer>(options);
        QString error;
        ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
        m_port = m_server->port();
        if (kind == TServerKind::Gone) {
            // Nobody listens on the port any more.
            m_server->stop();
            m_server.reset();
        }
    }

    std::unique_ptr<TfrmNewOnlineUpdate> window(TfrmNewOnlineUpdate::TMode mode)
    {
        TUpdateSource source;
        source.BaseAddress = QStringLiteral("http://127.0.0.1:%1").arg(m_port);
        source.CustomerCode = QStringLiteral("TEST");
        return std::make_unique<TfrmNewOnlineUpdate>(m_dm, m_translator, m_messages, m_prompter, m_downloader,
                                                     source, mode);
    }

    static bool waitForEnd(QSignalSpy &ended) { return ended.count() > 0 || ended.wait(30000); }

    int leagues() { return m_dm.RowCount(QStringLiteral("League")); }

    QString form(TOnlineUpdate::TState state)
    {
        return m_translator.Translate(TOnlineUpdate::StateText(state), "FORM");
    }

    TestHome m_home;
    QTemporaryDir m_serverRoot;
    std::unique_ptr<TStatsServer> m_server;
    int m_port = 0;
    TdmMain m_dm{TdmMain::DatabaseFile(m_home.path())};
    TMarkingTranslator m_translator;
    TMessageTable m_messages;
    TRecordingPrompter m_prompter;
    TGatedDownloader m_downloader;
};

TEST_F(OnlineUpdateWindow, TheServersAnswerDecidesTheEnd)
{
    struct TCase
    {
        const char *name;
        TServerKind server;
        QByteArray text;
        bool accepted;
        int leagues;
        QString TMessageTable::*error; // null: none shown
    };
    const TCase cases[] = {
        {"update text", TServerKind::Serving, kLeague, true, 1, nullptr},
        {"error body", TServerKind::Serving, "error: unknown customer", false, 0,
         &TMessageTable::MsgUpdateFailed},
        {"refused connection", TServerKind::Gone, kLeague, false, 0, &TMessageTable::MsgNoConnection},
        {"closed without an answer", TServerKind::Refusing, kLeague, false, 0,
         &TMessageTable::MsgNoConnection},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.name);
        const int leaguesBefore = leagues();
        m_prompter.Errors.clear();
        startServer(c.server, c.text);
        auto w = window(TfrmNewOnlineUpdate::TMode::StartAtOnce);
        QSignalSpy ended(w.get(), &TfrmNewOnlineUpdate::UpdateEnded);
        w->show();
        ASSERT_TRUE(waitForEnd(ended));

        EXPECT_EQ(w->result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(leagues() - leaguesBefore, c.leagues);
        EXPECT_FALSE(w->Busy());
        EXPECT_TRUE(w->CloseButton()->isEnabled());
        EXPECT_TRUE(w->OnlineButton()->isEnabled());
        if (c.error) {
            ASSERT_EQ(m_prompter.Errors.size(), 1);
            EXPECT_TRUE(m_prompter.Errors.first().startsWith(m_messages.*c.error));
            // Which server could not be reached, so it can be checked against the settings.
            if (c.error == &TMessageTable::MsgNoConnection) {
                EXPECT_TRUE(m_prompter.Errors.first().contains(
                    QStringLiteral("[FORM]Server: http://127.0.0.1:%1").arg(m_port)))
                    << m_prompter.Errors.first().toStdString();
            }
            EXPECT_NE(w->StatusText(), form(TOnlineUpdate::TState::Finished));
            EXPECT_TRUE(m_prompter.Notes.isEmpty());
        } else {
            EXPECT_TRUE(m_prompter.Errors.isEmpty()) << m_prompter.Errors.join('|').toStdString();
            EXPECT_EQ(w->StatusText(), form(TOnlineUpdate::TState::Finished));
            // Success is said, with what was merged.
            ASSERT_EQ(m_prompter.Notes.size(), 1);
            const QString note = m_prompter.Notes.first();
            for (const QString &part :
                 {QStringLiteral("[FORM]The update is done. [FORM]League blocks merged: 1"),
                  QStringLiteral("[FORM]Leagues: [FORM]added 1, [FORM]changed 0"),
                  QStringLiteral("[FORM]Players: [FORM]added 1, [FORM]changed 0"),
                  QStringLiteral("[FORM]Games: [FORM]added 1, [FORM]changed 0")})
                EXPECT_TRUE(note.contains(part)) << part.toStdString() << "\n" << note.toStdString();
            m_prompter.Notes.clear();
        }
        m_server.reset();
    }
}

TEST_F(OnlineUpdateWindow, OpenedFromTheMenuItWaitsForTheOperator)
{
    startServer(TServerKind::Serving, kLeague);
    auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
    w->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_downloader.Calls.load(), 0);
    EXPECT_FALSE(w->Busy());

    QSignalSpy ended(w.get(), &TfrmNewOnlineUpdate::UpdateEnded);
    w->OnlineButton()->click();
    ASSERT_TRUE(waitForEnd(ended));
    EXPECT_EQ(m_downloader.Calls.load(), 1);
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_F(OnlineUpdateWindow, TheWindowAnswersWhileTheDownloadRuns)
{
    startServer(TServerKind::Serving, kLeague);
    m_downloader.Gated = true;
    auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
    w->show();
    QSignalSpy ended(w.get(), &TfrmNewOnlineUpdate::UpdateEnded);
    w->RunOnlineUpdate();

    // The download is held at the gate: the window's own loop still turns.
    bool ticked = false;
    QTimer::singleShot(0, [&ticked] { ticked = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(w->Busy());
    EXPECT_EQ(w->StatusText(), form(TOnlineUpdate::TState::Connecting));
    for (QPushButton *b : {w->OnlineButton(), w->FileButton(), w->CloseButton()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    // Only Cancel works while the server is asked.
    EXPECT_TRUE(w->CancelButton()->isVisible());
    EXPECT_TRUE(w->CancelButton()->isEnabled());

    m_downloader.Gate.release();
    ASSERT_TRUE(waitForEnd(ended));
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(leagues(), 1);
}

TEST_F(OnlineUpdateWindow, CancelStopsTheDownloadAndTheWindowIsUsableAtOnce)
{
    startServer(TServerKind::Serving, kLeague);
    m_downloader.Gated = true;
    auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
    w->show();
    QSignalSpy ended(w.get(), &TfrmNewOnlineUpdate::UpdateEnded);
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "Cancel");
        ended.clear();
        w->OnlineButton()->click();
        ASSERT_TRUE(w->Busy());
        if (byEscape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(w->CancelButton(), Qt::LeftButton);
        // At once, not when the download has ended.
        EXPECT_EQ(ended.count(), 1);
        EXPECT_FALSE(w->Busy());
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->CancelButton()->isVisible());
        for (QPushButton *b : {w->OnlineButton(), w->FileButton(), w->CloseButton()})
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_EQ(w->StatusText(), QStringLiteral("[FORM]The update was cancelled; nothing changed."));
        EXPECT_TRUE(m_downloader.Cancelled.load());
        // The download's late end changes nothing.
        QTest::qWait(200);
        EXPECT_EQ(leagues(), 0);
        EXPECT_TRUE(m_prompter.Errors.isEmpty()) << m_prompter.Errors.join('|').toStdString();
        EXPECT_EQ(w->StatusText(), QStringLiteral("[FORM]The update was cancelled; nothing changed."));
    }
    // A new start after a cancel downloads again.
    m_downloader.Gated = false;
    ended.clear();
    w->OnlineButton()->click();
    ASSERT_TRUE(waitForEnd(ended));
    EXPECT_EQ(leagues(), 1);
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_F(OnlineUpdateWindow, CancelCutsASlowServerShort)
{
    // The server answers after 8 seconds; the cancelled request does not wait for it.
    startServer(TServerKind::Serving, kLeague, 8000);
    QElapsedTimer clock;
    clock.start();
    {
        auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
        w->show();
        w->OnlineButton()->click();
        QTest::qWait(300);
        QTest::mouseClick(w->CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(w->Busy());
    } // the window waits for its worker as it goes
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(leagues(), 0);
}

TEST_F(OnlineUpdateWindow, UpdateFromFileImportsOrSaysWhyNot)
{
    struct TCase
    {
        const char *name;
        bool exists;
        bool accepted;
    };
    const TCase cases[] = {{"update file", true, true}, {"missing file", false, false}};
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.name);
        const int leaguesBefore = leagues();
        m_prompter.Errors.clear();
        const QString path = m_home.file(QStringLiteral("from-file-%1.txt").arg(c.exists));
        if (c.exists)
            m_home.write(QFileInfo(path).fileName(), kLeague);
        auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
        w->UpdateFromPath(path);
        EXPECT_EQ(w->result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(leagues() - leaguesBefore, c.accepted ? 1 : 0);
        EXPECT_EQ(m_prompter.Errors.size(), c.accepted ? 0 : 1);
        EXPECT_FALSE(w->Busy());
        EXPECT_EQ(m_downloader.Calls.load(), 0);
    }
}

} // namespace

namespace {

// The window tells what the command line prints as warnings: the parts
// refused and the items merged with a change (a player of an unknown team).
TEST_F(OnlineUpdateWindow, TheImportsWarningsAreShown)
{
    const QByteArray text = "x*L1|First league#T1|Bears|BEA|#*P1|KOVACS Janos|19990412|192|88|G|HUN|T9|7|#*"
                            "T1|T1|01.02.2030|kedd|18:00|ABC1DEF2|Ref A||#*Coach One|E####";
    m_home.write(QStringLiteral("warned.txt"), text);
    auto w = window(TfrmNewOnlineUpdate::TMode::Wait);
    w->UpdateFromPath(m_home.file(QStringLiteral("warned.txt")));
    EXPECT_EQ(w->result(), QDialog::Accepted);
    ASSERT_EQ(m_prompter.Notes.size(), 1);
    EXPECT_TRUE(
        m_prompter.Notes.first().contains(QStringLiteral("[FORM]names an unknown team; kept with team 0:")))
        << m_prompter.Notes.first().toStdString();
    EXPECT_TRUE(m_prompter.Notes.first().contains(QStringLiteral("\"T9\"")));

    // A list taller than the screen is cut, and says how many more there are.
    QByteArray many = "x*L2|Second league#T1|Bears|BEA|#*";
    QByteArrayList players;
    for (int i = 0; i < 30; ++i)
        players << "Q" + QByteArray::number(i) + "|NAGY Bela|19990412|192|88|G|HUN|T9|7|";
    many += players.join('*') + "#*T1|T1|01.02.2030|kedd|18:00|ABC1DEF3|Ref A||#*Coach One|E####";
    m_home.write(QStringLiteral("many.txt"), many);
    m_prompter.Notes.clear();
    auto again = window(TfrmNewOnlineUpdate::TMode::Wait);
    again->UpdateFromPath(m_home.file(QStringLiteral("many.txt")));
    ASSERT_EQ(m_prompter.Notes.size(), 1);
    // The notes follow the summary of what was merged, after a blank line.
    const QStringList lines =
        m_prompter.Notes.first().section(QStringLiteral("\n\n"), -1).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), 21);
    EXPECT_TRUE(lines.last().contains(QStringLiteral("10 more notes"))) << lines.last().toStdString();
}

} // namespace
