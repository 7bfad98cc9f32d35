#include "model/events/TGameEvent.h"
#include "model/game/RecordBuffer.h"
#include "model/game/TPlayer.h"
#include "model/game/TTeamData.h"

#include "support/QtPrinters.h"
#include <QLocale>

#include <gtest/gtest.h>

using namespace PlayerStats;

static qint32 int32At(const QByteArray &b, int offset)
{
    return qint32(quint32(quint8(b[offset])) | quint32(quint8(b[offset + 1])) << 8 |
                  quint32(quint8(b[offset + 2])) << 16 | quint32(quint8(b[offset + 3])) << 24);
}

TEST(PlayerPercentages, RoundHalvesToEven)
{
    TPlayer p;
    p.CloseMade = 1;
    p.CloseMissed = 1;
    EXPECT_EQ(ClosePercent(p), 50);
    p.CloseMissed = 7; // 1 of 8 = 12.5
    EXPECT_EQ(ClosePercent(p), 12);
    p.CloseMade = 5;
    p.CloseMissed = 3; // 5 of 8 = 62.5
    EXPECT_EQ(ClosePercent(p), 62);
    EXPECT_EQ(Percent(3, 8), 38); // 37.5 rounds up to the even 38
    EXPECT_EQ(Percent(2, 3), 67);
}

TEST(PlayerPercentages, NoShotsGiveZero)
{
    TPlayer p;
    EXPECT_EQ(ClosePercent(p), 0);
    EXPECT_EQ(MidPercent(p), 0);
    EXPECT_EQ(ThreePercent(p), 0);
    EXPECT_EQ(FreeThrowPercent(p), 0);
    EXPECT_EQ(TwoPointPercent(p), 0);
    EXPECT_EQ(FieldGoalPercent(p), 0);
    EXPECT_EQ(PointsPerShot(p), 0.0);
}

TEST(PlayerPercentages, FieldGoalsLeaveOutFreeThrows)
{
    TPlayer p;
    p.CloseMade = 3;
    p.CloseMissed = 1;
    p.MidMade = 1;
    p.MidMissed = 2;
    p.ThreeMade = 1;
    p.ThreeMissed = 1;
    p.FreeThrowsMade = 4;
    EXPECT_EQ(FieldGoalPercent(p), 56); // 5 of 9
    EXPECT_EQ(TwoPointPercent(p), 57);  // 4 of 7
}

TEST(PlayerDerived, PlayingTimeAndPointsPerMinute)
{
    TPlayer p;
    EXPECT_EQ(PlayingTimeText(p), QStringLiteral("00:00"));
    EXPECT_EQ(PointsPerMinute(p), QStringLiteral("0") + QLocale().decimalPoint() + QStringLiteral("00"));
    p.PlayingTime = 17;
    EXPECT_EQ(PlayingTimeText(p), QStringLiteral("04:15"));
    p.PlayingTime = 37;
    EXPECT_EQ(VariableColumnValue(p, 0), QStringLiteral("09:15"));
    p.PlayingTime = 10; // 2.5 minutes
    p.Points = 5;
    EXPECT_EQ(PointsPerMinute(p), QLocale().toString(2.0, 'f', 2));
}

TEST(PlayerDerived, PointsPerShotCountsDunksTwice)
{
    TPlayer p;
    p.CloseMade = 1; // a dunk is also a close shot
    p.DunksMade = 1;
    p.FreeThrowsMade = 1;
    p.FreeThrowsMissed = 1;
    p.Points = 3;
    // divisor: 1 close + 1 dunk + 2 free throws / 2 = 3
    EXPECT_DOUBLE_EQ(PointsPerShot(p), 1.0);
}

TEST(PlayerDerived, ValuationByEdition)
{
    TPlayer p;
    p.Points = 10;
    p.PersonalFouls = 3;
    EXPECT_EQ(PerformanceIndex(p, TEdition::Hungarian), 7);
    EXPECT_EQ(StoredRating(p, TEdition::Hungarian), 10);

    TPlayer f;
    f.CloseMade = 5;
    f.Points = 10;
    EXPECT_EQ(PerformanceIndex(f, TEdition::French), 10);
    EXPECT_EQ(StoredRating(f, TEdition::French), 10);
    f.PersonalFouls = 2; // fouls do not count in the French valuation
    EXPECT_EQ(StoredRating(f, TEdition::French), 10);
}

// The valuation shown: the kept rating in the Hungarian edition, which may
// differ from the index it was once computed from; the index elsewhere.
TEST(PlayerDerived, ShownValuationByEdition)
{
    TPlayer p;
    p.CloseMade = 5;
    p.Points = 10;
    p.PersonalFouls = 3;
    p.Rating = 12;
    const struct
    {
        TEdition edition;
        int shown;
    } cases[] = {
        {TEdition::Hungarian, 12},
        {TEdition::English, 7},
        {TEdition::Italian, 7},
        {TEdition::French, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Valuation(p, c.edition), c.shown) << int(c.edition);
}

// Players are filed by name or by a two-digit jersey, so that "07" comes
// before "12"; the lists show the jersey right-aligned.
TEST(PlayerNames, RosterKeyAndEntry)
{
    TPlayer p;
    p.JatekosNev = QStringLiteral("KISS Jozsef");
    const struct
    {
        int jersey;
        const char *key, *entry, *plain;
    } cases[] = {
        {7, "07", " 7 : KISS Jozsef", "7 : KISS Jozsef"},
        {12, "12", "12 : KISS Jozsef", "12 : KISS Jozsef"},
        {0, "00", " 0 : KISS Jozsef", "0 : KISS Jozsef"},
    };
    for (const auto &c : cases) {
        p.JatekosMezSzam = c.jersey;
        EXPECT_EQ(RosterKey(p, false), QLatin1String(c.key));
        EXPECT_EQ(RosterKey(p, true), p.JatekosNev);
        EXPECT_EQ(RosterEntry(c.jersey, p.JatekosNev), QLatin1String(c.entry));
        EXPECT_EQ(PlainRosterEntry(c.jersey, p.JatekosNev), QLatin1String(c.plain));
    }
}

TEST(PlayerExtras, DefaultsAndUpdates)
{
    TPlayer p;
    EXPECT_EQ(GameLength(p), 10);
    p.Extras = QStringLiteral("INDEX=3#");
    EXPECT_EQ(GameLength(p), 10);
    EXPECT_EQ(PlusMinus(p), 3);
    AddPlusMinus(p, 4);
    SubtractPlusMinus(p, 2);
    EXPECT_EQ(PlusMinus(p), 5);
    p.Extras = QStringLiteral("gamelength=abc#");
    EXPECT_EQ(GameLength(p), 10); // non-numeric reads as the default
    SetGameLength(p, 5);
    EXPECT_EQ(GameLength(p), 5);
    AddIndirectSteal(p, 1);
    EXPECT_EQ(IndirectSteals(p), 1);
    EXPECT_EQ(p.Extras, QStringLiteral("gamelength=5#INDIRECT=1#"));
}

TEST(PlayerExtras, TextIsCutTo255)
{
    TPlayer p;
    SetExtra(p, QStringLiteral("LONG"), QString(300, QLatin1Char('x')));
    EXPECT_EQ(p.Extras.size(), 255);
}

TEST(PlayerNames, ShortNameIsTheFirstWord)
{
    EXPECT_EQ(ShortName(QStringLiteral("KOVACS Janos")), QStringLiteral("Kovacs"));
    EXPECT_EQ(ShortName(QStringLiteral("Farkas")), QString());
    EXPECT_EQ(ShortName(QStringLiteral("X Ray")), QStringLiteral("x")); // one letter stays lower-case
    EXPECT_EQ(ShortName(QStringLiteral("ÁRPÁD Kiss")), QStringLiteral("Árpád"));
}

TEST(PlayerVariableColumn, TitlesAndValues)
{
    TPlayer p;
    p.BlocksReceived = 1;
    p.Blocks = 2;
    p.Assists = 3;
    p.FoulsDrawn = 4;
    p.PersonalFouls = 5;
    p.Turnovers = 6;
    p.Steals = 7;
    p.OffRebounds = 8;
    p.DefRebounds = 9;
    const char *titles[] = {"Perc", "H", "Blk", "As", "KF", "F", "EL", "SzL", "O", "D"};
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(VariableColumnValue(p, i), QString::number(i));
        EXPECT_EQ(VariableColumnTitle(i, nullptr), QString::fromLatin1(titles[i]));
    }
}

TEST(PlayerRecordFormat, FieldsSitAtTheirOffsets)
{
    TPlayer p;
    p.JatekosOrszagID = QStringLiteral("HUN");
    p.LigaID = 7;
    p.CsapatID = 8;
    p.JatekosID = 0x01020304;
    p.WebID = QStringLiteral("W123");
    p.JatekosNev = QStringLiteral("Kovács János");
    p.JatekosMezSzam = 23;
    p.Points = 11;
    p.PendingTime = 99;
    p.OnBench = 1;
    p.Starter = 1;
    p.TechnicalFouls = -2;
    p.Extras = QStringLiteral("INDEX=3#");
    const QByteArray b = p.ToRecord();
    ASSERT_EQ(b.size(), 1084);
    EXPECT_EQ(quint8(b[0]), 3);
    EXPECT_EQ(b.mid(1, 3), QByteArray("HUN"));
    EXPECT_EQ(int32At(b, 24), 7);
    EXPECT_EQ(int32At(b, 28), 8);
    EXPECT_EQ(quint8(b[32]), 0x04);
    EXPECT_EQ(quint8(b[35]), 0x01);
    EXPECT_EQ(b.mid(36, 5), QByteArray("\x04W123"));
    EXPECT_EQ(quint8(b[49]), 12);
    EXPECT_EQ(quint8(b[49 + 1 + 3]), 0xE1); // "á" in Windows-1250
    EXPECT_EQ(int32At(b, 208), 23);
    EXPECT_EQ(int32At(b, 212), 11);
    EXPECT_EQ(int32At(b, 296), 99);
    EXPECT_EQ(quint8(b[301]), 1);
    EXPECT_EQ(quint8(b[302]), 1);
    EXPECT_EQ(int32At(b, 312), -2);
    EXPECT_EQ(quint8(b[572]), 8);
    EXPECT_EQ(TPlayer::FromRecord(b.constData()), p);
}

TEST(PlayerRecordFormat, OverlongLengthByteIsClamped)
{
    TPlayer p;
    p.WebID = QStringLiteral("ABCDEFGHIJKL");
    QByteArray b = p.ToRecord();
    b[36] = char(200); // claims more than the 12 positions
    EXPECT_EQ(TPlayer::FromRecord(b.constData()).WebID, QStringLiteral("ABCDEFGHIJKL"));
}

TEST(PlayerRecordFormat, LongTextsAreCutAndUnknownCharactersBecomeQuestionMarks)
{
    TPlayer p;
    p.WebID = QStringLiteral("0123456789ABCDEF");
    p.JatekosNev = QStringLiteral("Ωmega");
    const TPlayer back = TPlayer::FromRecord(p.ToRecord().constData());
    EXPECT_EQ(back.WebID, QStringLiteral("0123456789AB"));
    EXPECT_EQ(back.JatekosNev, QStringLiteral("?mega"));
}

TEST(EventRecordFormat, RoundTripAndLegacySize)
{
    TGameEvent e(57, 1012, 1102, 1, 33);
    e.SetMessage(QStringLiteral("/income/index.phtml?kod=1000&id=57"));
    e.PlayerId = 12;
    e.Text = QStringLiteral("8.m 7 Nagy: sikeres középtávoli");
    e.PlayerName = QStringLiteral("NAGY Bence");
    e.FastBreak = 1;
    e.SecondChance = 1;
    const QByteArray b = e.ToRecord();
    ASSERT_EQ(b.size(), 604);
    EXPECT_EQ(int32At(b, 0), 57);
    EXPECT_EQ(int32At(b, 260), 12);
    EXPECT_EQ(int32At(b, 264), 1012);
    EXPECT_EQ(int32At(b, 268), 1102);
    EXPECT_EQ(int32At(b, 272), 1);
    EXPECT_EQ(int32At(b, 276), 33);
    EXPECT_EQ(quint8(b[536]), 10);
    EXPECT_EQ(quint8(b[597]), 1);
    EXPECT_EQ(quint8(b[598]), 1);
    EXPECT_EQ(TGameEvent::FromRecord(b.constData(), 604), e);
    QByteArray legacy = b.left(600);
    const TGameEvent old = TGameEvent::FromRecord(legacy.constData(), 600);
    EXPECT_EQ(old.SubEvent, 0);
    EXPECT_EQ(old.Text, e.Text);
}

TEST(EventRecordFormat, MessageIsCutAt255)
{
    TGameEvent e;
    e.SetMessage(QString(300, QLatin1Char('a')));
    EXPECT_EQ(e.Message.size(), 255);
}

TEST(TeamBlockFormat, TotalsFollowTheMasterData)
{
    TTeamData d;
    d.LigaID = 3;
    d.CsapatID = 4;
    d.WebID = QStringLiteral("T1");
    d.EgyesuletNev = QStringLiteral("Budapest Lions");
    d.EgyesuletCsarnokFerohely = 2500;
    d.Totals.Points = 45;
    d.Totals.Rating = 30;
    d.Totals.IndirectSteals = 2;
    d.Totals.SecondChancePoints = 9;
    const QByteArray b = d.ToBlock();
    ASSERT_EQ(b.size(), 1056);
    EXPECT_EQ(quint8(b[21]), 14);
    EXPECT_EQ(int32At(b, 564), 2500);
    EXPECT_EQ(int32At(b, 952), 45);
    EXPECT_EQ(int32At(b, 952 + 19 * 4), 30);
    EXPECT_EQ(int32At(b, 952 + 20 * 4), 2);
    EXPECT_EQ(int32At(b, 952 + 25 * 4), 9);
    EXPECT_EQ(TTeamData::FromBlock(b.constData()), d);
}

TEST(TeamTotals, ClearingKeepsTheExtraTotals)
{
    TTeamTotals t;
    t.Points = 5;
    t.Rating = 3;
    t.IndirectSteals = 2;
    t.FastBreakPoints = 4;
    t.ClearCounters();
    EXPECT_EQ(t.Points, 0);
    EXPECT_EQ(t.Rating, 0);
    EXPECT_EQ(t.IndirectSteals, 2);
    EXPECT_EQ(t.FastBreakPoints, 4);
}
