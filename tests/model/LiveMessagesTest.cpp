#include "model/messages/LiveMessages.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace LiveMessages;

namespace {
const QString S = QStringLiteral("/income/index.phtml?");
const QString T = QStringLiteral("20261209183005");
} // namespace

TEST(LiveMessages, MadeShotMatchesTheExample)
{
    QString m = Shot(S, true, 57, QStringLiteral("ABC1DEF2"), 2, QStringLiteral("1234"), 110, 122, T);
    m += ScorePair(40, 38);
    EXPECT_EQ(m, S + QStringLiteral("kod=1000&id=57&szkod=ABC1DEF2&tipus=2&jatekos=1234&x=110&y=122&time=") +
                     T + QStringLiteral("&hpont=40&vpont=38"));
}

TEST(LiveMessages, FreeThrowHasNoPoint)
{
    EXPECT_EQ(Shot(S, false, 3, QStringLiteral("G"), 4, QStringLiteral("P9"), 0, 0, T),
              S + QStringLiteral("kod=1001&id=3&szkod=G&tipus=4&jatekos=P9&time=") + T);
}

TEST(LiveMessages, TeamMessagesCarryTheSideAndSubstitutionsTheTeam)
{
    EXPECT_EQ(TeamEvent(S, 2004, 5, QStringLiteral("G"), false, QStringLiteral("T1"), 1, T),
              S + QStringLiteral("kod=2004&id=5&szkod=G&jatekos=T1&csapat=1&time=") + T);
    EXPECT_EQ(TeamEvent(S, 2005, 6, QStringLiteral("G"), true, QStringLiteral("T2"), 2, T),
              S + QStringLiteral("kod=2005&id=6&szkod=G&tipus=0&jatekos=T2&csapat=2&time=") + T);
    EXPECT_EQ(Substitution(S, 7, QStringLiteral("G"), QStringLiteral("IN"), QStringLiteral("OUT"),
                           QStringLiteral("T1"), T),
              S + QStringLiteral("kod=1011&id=7&szkod=G&jatekosbe=IN&jatekoski=OUT&csapat=T1&time=") + T);
}

TEST(LiveMessages, NamesHaveBlanksReplaced)
{
    EXPECT_EQ(RosterEntry(S, QStringLiteral("G"), T, QStringLiteral("W1"), RosterPlace::AwayBench,
                          QStringLiteral("Nagy Jr. Laszlo"), 9),
              S + QStringLiteral("kod=0002&szkod=G&time=") + T +
                  QStringLiteral("&p=W1&k=0&h=0&jat=0&j=Nagy_Jr._Laszlo&mz=9"));
    EXPECT_EQ(GameHeader(S, QStringLiteral("G"), T, QStringLiteral("Home Team"), QStringLiteral("Away Team")),
              S + QStringLiteral("kod=0001&szkod=G&time=") + T + QStringLiteral("&h=Home_Team&v=Away_Team"));
    EXPECT_EQ(AddedPlayer(S, QStringLiteral("G"), QStringLiteral("W2"), true, QStringLiteral("Kiss Pal"), 33),
              S + QStringLiteral("kod=0002&szkod=G&p=W2&k=0&h=1&jat=0&j=Kiss_Pal&mz=33"));
}

TEST(LiveMessages, OtherFormats)
{
    EXPECT_EQ(PlayerEvent(S, 1004, 8, QStringLiteral("G"), true, QStringLiteral("P1"), T),
              S + QStringLiteral("kod=1004&id=8&szkod=G&tipus=0&jatekos=P1&time=") + T);
    EXPECT_EQ(ClockStep(S, 9, QStringLiteral("G"), 3, T),
              S + QStringLiteral("kod=1100&id=9&szkod=G&ido=3&time=") + T);
    EXPECT_EQ(PeriodEnd(S, 10, QStringLiteral("G"), 2, T),
              S + QStringLiteral("kod=1101&id=10&szkod=G&jr=2&time=") + T);
    EXPECT_EQ(GameClosed(S, 11, QStringLiteral("G"), T),
              S + QStringLiteral("kod=1102&id=11&szkod=G&time=") + T);
    EXPECT_EQ(Timeout(S, 12, QStringLiteral("G"), 2, T),
              S + QStringLiteral("kod=2011&id=12&szkod=G&csapat=2&time=") + T);
    EXPECT_EQ(EventDeleted(S, 13, QStringLiteral("G"), 5, T),
              S + QStringLiteral("kod=5000&id=13&szkod=G&iddel=5&time=") + T);
    EXPECT_EQ(GameTimeSet(S, 14, QStringLiteral("G"), QStringLiteral("04:45"), T),
              S + QStringLiteral("kod=6001&id=14&szkod=G&time=0445&time=") + T);
    EXPECT_EQ(Notice(S, 7000, QStringLiteral("G"), T), S + QStringLiteral("kod=7000&szkod=G&time=") + T);
    EXPECT_EQ(DefenseMode(S, 2, 15, QStringLiteral("G"), QStringLiteral("T1"), 1, T),
              S + QStringLiteral("kod=9999&tipus=2&id=15&szkod=G&jatekos=T1&csapat=1&time=") + T);
}

TEST(LiveMessages, MinutesReportIsCutAt255)
{
    QList<MinutesEntry> bench;
    for (int n = 1; n <= 11; ++n)
        bench.append({n, QStringLiteral("WEB%1XXXXXXX").arg(n, 2, 10, QLatin1Char('0')), 40});
    const QString m = MinutesReport(QStringLiteral("http://stats.example.org/income/index.phtml?"), 20,
                                    QStringLiteral("ABC1DEF2"), T, bench);
    EXPECT_EQ(m.size(), 255);
    EXPECT_TRUE(m.startsWith(
        QStringLiteral("http://stats.example.org/income/index.phtml?kod=2000&id=20&szkod=ABC1DEF2&time=") +
        T + QStringLiteral("&p[1]=WEB01XXXXXXX&i[1]=40&p[2]=")));
}

TEST(LiveMessages, KindCodes)
{
    EXPECT_EQ(PlayerCode(1006), 1003);
    EXPECT_EQ(PlayerCode(1019), 1020);
    EXPECT_EQ(PlayerCode(1020), 0);
    EXPECT_EQ(TeamCode(1020), 2010);
    EXPECT_EQ(TeamCode(1005), 2010);
    EXPECT_EQ(TeamCode(1012), 0);
}

// Every character of a name, a game code or a web identifier arrives as
// typed: nothing in a value can end the message, split a pair or be decoded
// into something else.
TEST(LiveMessages, ValuesThatWouldBreakTheMessageAreEscaped)
{
    const struct
    {
        const char *typed;
        const char *name; // after "&j="
        const char *text; // game code, web identifier
    } cases[] = {
        {"Kovács János", "Kovács_János", "Kovács%20János"},    {"A#B", "A%23B", "A%23B"},
        {"Tom & Jerry", "Tom_%26_Jerry", "Tom%20%26%20Jerry"}, {"x=y", "x%3Dy", "x%3Dy"},
        {"100% + 1", "100%25_%2B_1", "100%25%20%2B%201"},      {"Who?", "Who%3F", "Who%3F"},
        {"snake_case", "snake%5Fcase", "snake_case"},          {"tab\there", "tab%09here", "tab%09here"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(NameValue(typed), QString::fromUtf8(c.name)) << c.typed;
        EXPECT_EQ(TextValue(typed), QString::fromUtf8(c.text)) << c.typed;
        EXPECT_EQ(DecodedValue(TextValue(typed)), typed) << c.typed;
    }

    const QString code = QStringLiteral("É#1&2=3?");
    const QString header = GameHeader(S, code, T, QStringLiteral("H#1"), QStringLiteral("V&2"));
    EXPECT_EQ(header, S + QStringLiteral("kod=0001&szkod=É%231%262%3D3%3F&time=") + T +
                          QStringLiteral("&h=H%231&v=V%262"));
    const QString shot = Shot(S, true, 5, code, 2, QStringLiteral("W+1"), 10, 20, T);
    EXPECT_FALSE(shot.mid(S.size()).contains(QLatin1Char('#')));
    EXPECT_EQ(shot.mid(S.size()).count(QLatin1Char('=')), 8);
    EXPECT_EQ(shot.mid(S.size()).count(QLatin1Char('&')), 7);
}

TEST(LiveMessages, TheCutNeverSplitsAnEscape)
{
    QList<MinutesEntry> players;
    for (int i = 1; i <= 11; ++i)
        players.append({i, QStringLiteral("##########"), 8});
    for (int extra = 0; extra < 3; ++extra) {
        const QString m =
            MinutesReport(S + QString(extra, QLatin1Char('x')), 5, QStringLiteral("G"), T, players);
        EXPECT_LE(m.size(), MaxLength);
        const qsizetype percent = m.lastIndexOf(QLatin1Char('%'));
        EXPECT_LE(percent + 3, m.size()) << extra;
    }
}
