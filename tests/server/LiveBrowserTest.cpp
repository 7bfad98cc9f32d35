// The live page in a real browser: headless Chromium follows a game being
// sent and its DOM shows each message, and a deletion, without a reload.
#include "ChromiumPipe.h"
#include "LiveGameFixture.h"

#include "server/TStatsServer.h"
#include "support/TestHome.h"
#include "transmission/THttpClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LiveBrowserTest : public LiveGameFixture
{
protected:
    void SetUp() override
    {
        if (ChromiumPipe::program().isEmpty()) {
            // CI installs it (scripts/setup.sh); there its absence is a failure.
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                FAIL() << "chromium is not installed";
            GTEST_SKIP() << "chromium is not installed";
        }
        ASSERT_TRUE(m_data.isValid());
        TServerOptions options;
        options.dataDir = m_data.path();
        options.port = 0;
        options.logRequests = false;
        m_server = std::make_unique<TStatsServer>(options);
        QString error;
        ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
        deliver = [this](const QByteArray &query) {
            ASSERT_EQ(m_client.getLive(base() + "/income/index.phtml?" + query).body, "ok")
                << query.toStdString();
        };
    }
    void TearDown() override
    {
        if (m_server)
            m_server->stop();
    }
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(m_server->port()); }

    // Saves the page at width in both languages when PARQUETIX_LIVE_SCREENSHOTS names a folder.
    void screenshots(ChromiumPipe &browser)
    {
        const QString folder = qEnvironmentVariable("PARQUETIX_LIVE_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        for (const char *language : {"hu", "en"}) {
            for (const int width : {390, 1400}) {
                browser.resize(width, 900, width < 600);
                browser.navigate(base() + "/live/ABC1DEF2?lang=" + language);
                browser.waitFor(QStringLiteral("document.readyState"), QStringLiteral("complete"));
                const int height =
                    browser.evaluate(QStringLiteral("document.documentElement.scrollHeight")).toInt();
                browser.resize(width, qMax(height, 600), width < 600);
                QFile file(
                    QStringLiteral("%1/live-%2-%3.png").arg(folder, QLatin1String(language)).arg(width));
                if (file.open(QIODevice::WriteOnly))
                    file.write(browser.screenshot());
            }
        }
    }

    QTemporaryDir m_data;
    std::unique_ptr<TStatsServer> m_server;
    THttpClient m_client{2000, 5000};
};

const QString Score = QStringLiteral("(document.getElementById('score-home')||{}).textContent + ':' + "
                                     "(document.getElementById('score-away')||{}).textContent");
const QString KovacsPoints =
    QStringLiteral("document.querySelector('#box-home tbody tr td[data-col=\"pts\"]').textContent");
const QString NewestPlay = QStringLiteral("document.querySelector('#plays li .what').textContent");
const QString Markers = QStringLiteral("document.querySelectorAll('#shot-chart .shot').length");

TEST_F(LiveBrowserTest, ThePageFollowsTheGameAsItIsSent)
{
    ChromiumPipe browser;
    QString error;
    // The page is open before the game sends anything.
    ASSERT_TRUE(browser.open(base() + "/live/ABC1DEF2?lang=en", &error)) << error.toStdString();
    EXPECT_EQ(browser.waitFor(QStringLiteral("document.querySelector('#game .empty') !== null"), true), true);

    SetUpRoster(5);
    run(QStringLiteral("tick"));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("0:0")), QStringLiteral("0:0"));

    run(QStringLiteral("select home 4\nshot home made three 30 40"));
    const int three = screen.log(1).Entries().last().Number;
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("3:0")), QStringLiteral("3:0"));
    EXPECT_EQ(browser.evaluate(KovacsPoints), QStringLiteral("3"));
    EXPECT_EQ(browser.evaluate(NewestPlay), QStringLiteral("3-point shot made"));
    EXPECT_EQ(browser.evaluate(Markers), 1);

    run(QStringLiteral("select away 5\nshot away made mid 100 300"));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("3:2")), QStringLiteral("3:2"));
    EXPECT_EQ(browser.evaluate(Markers), 2);

    // The shot chart's choice of a team stays through the next update.
    browser.evaluate(QStringLiteral("var s=document.getElementById('shot-filter'); s.value='away';"
                                    "s.dispatchEvent(new Event('change', {bubbles: true})); 0"));
    EXPECT_EQ(browser.evaluate(
                  QStringLiteral("document.querySelectorAll('#shot-chart .shot:not(.hidden)').length")),
              1);

    run(QStringLiteral("select home 7\nevent home 1002"));
    EXPECT_EQ(browser.waitFor(NewestPlay, QStringLiteral("steal")), QStringLiteral("steal"));
    EXPECT_EQ(browser.evaluate(
                  QStringLiteral("document.querySelectorAll('#shot-chart .shot:not(.hidden)').length")),
              1);

    run(QStringLiteral("delete home %1").arg(three));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("0:2")), QStringLiteral("0:2"));
    EXPECT_EQ(browser.evaluate(KovacsPoints), QStringLiteral("0"));
    EXPECT_EQ(browser.evaluate(Markers), 1);
    EXPECT_EQ(browser.evaluate(NewestPlay), QStringLiteral("steal"));

    // The script a name holds never runs: the page would show its mark.
    run(QStringLiteral(
        "addplayer away id=99 webid=A99 jersey=33 name=\"<img src=x onerror=document.title='hit'>\""));
    run(QStringLiteral("sub away 5 33\nselect away 33\nshot away made close 110 320"));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("0:4")), QStringLiteral("0:4"));
    EXPECT_NE(browser.evaluate(QStringLiteral("document.title")), QStringLiteral("hit"));
    EXPECT_EQ(browser.evaluate(QStringLiteral("document.querySelectorAll('#game img').length")), 0);

    screenshots(browser);
}

TEST_F(LiveBrowserTest, WithoutEventStreamsThePagePolls)
{
    ChromiumPipe browser;
    QString error;
    ASSERT_TRUE(browser.open("about:blank", &error)) << error.toStdString();
    ASSERT_TRUE(browser.beforeEachDocument(QStringLiteral("window.EventSource = undefined;")));
    SetUpRoster(5);
    run(QStringLiteral("tick\nselect home 4\nshot home made three 30 40"));
    ASSERT_TRUE(browser.navigate(base() + "/live/ABC1DEF2?lang=hu"));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("3:0")), QStringLiteral("3:0"));
    EXPECT_EQ(browser.evaluate(QStringLiteral("typeof window.EventSource")).toString().toStdString(),
              "undefined");
    run(QStringLiteral("select away 5\nshot away made mid 100 300"));
    EXPECT_EQ(browser.waitFor(Score, QStringLiteral("3:2")), QStringLiteral("3:2"));
    EXPECT_EQ(browser.evaluate(NewestPlay), QStringLiteral("sikeres középtávoli"));
}

} // namespace
