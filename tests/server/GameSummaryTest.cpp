// What the scoreboard makes of a game's messages: names, clock and period,
// events, and the page itself.
#include "server/TGameSummary.h"
#include "server/TScoreboardPage.h"

#include <gtest/gtest.h>

namespace {

QList<TStoredMessage> messages(const QList<QByteArray> &queries)
{
    QList<TStoredMessage> out;
    qint64 seq = 0;
    for (const QByteArray &q : queries) {
        TStoredMessage m;
        m.seq = ++seq;
        m.game = "G1";
        m.query = q;
        m.received = QDateTime(QDate(2024, 1, 5), QTime(19, 30, 0)).addSecs(seq);
        m.code = q.mid(4, 4).toInt();
        out << m;
    }
    return out;
}

const QByteArray Header = "kod=0001&szkod=G1&time=20240105193000&h=Nagy_Kanizsa_SE&v=_Away__";
const QByteArray HomePlayer =
    "kod=0002&szkod=G1&time=20240105193000&p=H1&k=1&h=1&jat=1&j=Nagy_Jr._Laszlo&mz=7";
const QByteArray AwayPlayer = "kod=0002&szkod=G1&time=20240105193000&p=A1&k=1&h=0&jat=1&j=Kiss_Bela&mz=10";

TEST(GameSummaryTest, NamesShowBlanksForUnderscores)
{
    const TGameSummary s = TGameSummary::build("G1", messages({Header, HomePlayer}));
    EXPECT_EQ(s.homeName(), QStringLiteral("Nagy Kanizsa SE"));
    EXPECT_EQ(s.awayName(), QStringLiteral("Away"));
    ASSERT_EQ(s.roster().size(), 1);
    EXPECT_EQ(s.roster()[0].name, QStringLiteral("Nagy Jr. Laszlo"));
    EXPECT_EQ(s.roster()[0].side, TGameSummary::Home);
}

// What the client escapes comes back as typed: "_" is a blank, %XX its byte.
TEST(GameSummaryTest, EscapedNamesShowAsTyped)
{
    const TGameSummary s = TGameSummary::build(
        "G1", messages({"kod=0001&szkod=G1&time=20240105193000&h=A%23B_%26_C%5FD&v=x%3Dy%25_%2B_%3F%E9",
                        "kod=0002&szkod=G1&time=20240105193000&p=H%231&k=1&h=1&jat=1&j=%5F%25zz&mz=7",
                        "kod=1000&id=3&szkod=G1&tipus=2&jatekos=H%231&x=1&y=2&time=20240105193000"}));
    EXPECT_EQ(s.homeName(), QStringLiteral("A#B & C_D"));
    EXPECT_EQ(s.awayName(), QString::fromUtf8("x=y% + ?é"));
    ASSERT_EQ(s.roster().size(), 1);
    EXPECT_EQ(s.roster()[0].name, QStringLiteral("_%zz"));
    EXPECT_EQ(s.roster()[0].webId, QByteArray("H#1"));
    // The shooter is found by his decoded web identifier.
    EXPECT_EQ(s.homeScore(), 2);
}

TEST(GameSummaryTest, StatusFollowsClockStepsPeriodEndsAndClosing)
{
    QList<QByteArray> q = {Header};
    EXPECT_EQ(TGameSummary::build("G1", messages(q)).statusText(), QStringLiteral("Not started"));
    q << "kod=1100&id=1&szkod=G1&ido=0&time=20240105193000";
    EXPECT_EQ(TGameSummary::build("G1", messages(q)).statusText(),
              QString::fromUtf8("Period 1 · 0 min played"));
    q << "kod=1100&id=2&szkod=G1&ido=5&time=20240105193500";
    q << "kod=1101&id=3&szkod=G1&jr=1&time=20240105193500";
    TGameSummary s = TGameSummary::build("G1", messages(q));
    EXPECT_EQ(s.statusText(), QStringLiteral("End of period 1"));
    EXPECT_TRUE(s.betweenPeriods());
    q << "kod=1100&id=4&szkod=G1&ido=7&time=20240105194000";
    s = TGameSummary::build("G1", messages(q));
    EXPECT_EQ(s.statusText(), QString::fromUtf8("Period 2 · 7 min played"));
    EXPECT_EQ(s.minutesPlayed(), 7);
    q << "kod=1102&id=4&szkod=G1&time=20240105194500";
    EXPECT_EQ(TGameSummary::build("G1", messages(q)).statusText(), QStringLiteral("Final"));
}

TEST(GameSummaryTest, PeriodsAfterTheSecondOfFiveMinutesAreOvertimes)
{
    QList<QByteArray> q = {Header};
    q << "kod=1100&id=1&szkod=G1&ido=5&time=20240105193000";
    q << "kod=1101&id=2&szkod=G1&jr=1&time=20240105193000";
    q << "kod=1100&id=3&szkod=G1&ido=10&time=20240105193000";
    q << "kod=1101&id=4&szkod=G1&jr=2&time=20240105193000";
    q << "kod=1100&id=5&szkod=G1&ido=12&time=20240105193000";
    q << "kod=1101&id=6&szkod=G1&jr=3&time=20240105193000";
    TGameSummary s = TGameSummary::build("G1", messages(q));
    EXPECT_EQ(s.statusText(), QStringLiteral("End of overtime 1"));
    EXPECT_EQ(s.events().last().text, QStringLiteral("end of overtime 1"));
    q << "kod=1100&id=7&szkod=G1&ido=12&time=20240105193000";
    EXPECT_EQ(TGameSummary::build("G1", messages(q)).statusText(),
              QString::fromUtf8("Overtime 2 · 12 min played"));

    // A game of ten-minute quarters, saved by an earlier version: its first
    // period ends at ten minutes, so its fourth period is still a quarter.
    QList<QByteArray> old = {Header, "kod=1100&id=1&szkod=G1&ido=10&time=20240105193000",
                             "kod=1101&id=2&szkod=G1&jr=1&time=20240105193000",
                             "kod=1100&id=3&szkod=G1&ido=30&time=20240105193000"};
    s = TGameSummary::build("G1", messages(old));
    EXPECT_EQ(s.periodLength(), 10);
    EXPECT_EQ(s.periodName(4), QStringLiteral("Period 4"));
    EXPECT_EQ(s.periodName(5), QStringLiteral("Overtime 1"));
}

TEST(GameSummaryTest, EventsNameTheirPlayersAndSkipBookkeeping)
{
    const TGameSummary s = TGameSummary::build(
        "G1",
        messages({Header, HomePlayer, AwayPlayer, "kod=7000&szkod=G1&time=20240105193000",
                  "kod=1100&id=1&szkod=G1&ido=0&time=20240105193000",
                  "kod=1000&id=2&szkod=G1&tipus=3&jatekos=H1&x=10&y=20&time=20240105193000&hpont=3&vpont=0",
                  "kod=2000&id=3&szkod=G1&time=20240105193000&p[1]=H1&i[1]=8",
                  "kod=2011&id=4&szkod=G1&csapat=2&time=20240105193000",
                  "kod=1011&id=5&szkod=G1&jatekosbe=A1&jatekoski=A9&csapat=T2&time=20240105193000"}));
    ASSERT_EQ(s.events().size(), 3);
    EXPECT_EQ(s.events()[0].text, QStringLiteral("#7 Nagy Jr. Laszlo: made three-pointer"));
    EXPECT_EQ(s.events()[0].side, TGameSummary::Home);
    EXPECT_EQ(s.events()[1].text, QStringLiteral("timeout"));
    EXPECT_EQ(s.events()[1].side, TGameSummary::Away);
    EXPECT_EQ(s.events()[2].text, QStringLiteral("substitution: #10 Kiss Bela in, player A9 out"));
    EXPECT_EQ(s.homeScore(), 3);
}

TEST(GameSummaryTest, PageEscapesNamesAndRefreshesItself)
{
    const TGameSummary s = TGameSummary::build(
        "G1", messages({"kod=0001&szkod=G1&time=20240105193000&h=<b>Home</b>&v=A&amp;B"}));
    const QString page = QString::fromUtf8(TScoreboardPage::render({s}, QDateTime::currentDateTime()));
    EXPECT_TRUE(page.contains(QStringLiteral("&lt;b&gt;Home&lt;/b&gt;")));
    EXPECT_FALSE(page.contains(QStringLiteral("<b>Home")));
    EXPECT_TRUE(page.contains(QStringLiteral("http-equiv=\"refresh\" content=\"5\"")));

    const QString empty = QString::fromUtf8(TScoreboardPage::render({}, QDateTime::currentDateTime()));
    EXPECT_TRUE(empty.contains(QStringLiteral("No game has sent anything yet")));
}

TEST(GameSummaryTest, PageSpreadsALoneGameOverTheWidth)
{
    // Empty grid tracks ("auto-fill") would keep one card in a narrow column
    // on a wide screen; a lone game gets the wide layout, several share rows.
    const TGameSummary g =
        TGameSummary::build("G1", messages({"kod=0001&szkod=G1&time=20240105193000&h=H&v=A"}));
    for (int count = 1; count <= 3; ++count) {
        const QList<TGameSummary> games(count, g);
        const QString page = QString::fromUtf8(TScoreboardPage::render(games, QDateTime::currentDateTime()));
        EXPECT_FALSE(page.contains(QStringLiteral("auto-fill"))) << count;
        EXPECT_EQ(page.contains(QStringLiteral("<main class=\"single\">")), count == 1) << count;
        EXPECT_EQ(page.count(QStringLiteral("<section class=\"game\">")), count);
        // Score and events are two blocks the wide layout puts side by side.
        EXPECT_EQ(page.count(QStringLiteral("<div class=\"head\">")), count);
        EXPECT_EQ(page.count(QStringLiteral("<div class=\"events\">")), count);
    }
}

} // namespace
