#include "BoxScoreFixture.h"

#include "model/output/TNameOrder.h"
#include "reports/charts/ShotPositions.h"
#include "reports/charts/TShotChoice.h"
#include "reports/charts/TqrDobasLista.h"
#include "reports/charts/TqrDobasok.h"
#include "reports/charts/TqrInvidualShotingChart.h"
#include "reports/charts/TqrULEBDobasterkep.h"
#include "support/GameLookup.h"

namespace {

using TOp = TChartCanvas::TOp;

// The numbered markers of a picture as "made 4 at x,y WxH".
QStringList markers(const TChartCanvas *canvas)
{
    QStringList out;
    if (!canvas)
        return out;
    for (const QString &item : canvas->Describe())
        if (item.startsWith(QLatin1String("made")) || item.startsWith(QLatin1String("missed")))
            out.append(item);
    return out;
}

QString marker(bool made, int number, const QRect &r)
{
    return QStringLiteral("%1 %2 at %3,%4 %5x%6")
        .arg(made ? QStringLiteral("made") : QStringLiteral("missed"))
        .arg(number)
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

class ShotChart : public BoxScoreFixture
{
protected:
    // Plays to the quarter-minute, ending each period the clock has passed
    // before the next tick, so a shot can be taken at a period's last tick.
    void playTo(int quarterMinutes)
    {
        while (game.Clock < quarterMinutes) {
            if (game.Clock > 0 && game.Clock % game.PeriodTicks() == 0 &&
                game.PeriodsEnded < game.Clock / game.PeriodTicks())
                run(QStringLiteral("periodend"));
            run(QStringLiteral("tick"));
        }
    }
};

TEST_F(ShotChart, TeamChartTurnsHomeShotsUpToEightyAndAwayShotsAfterIt)
{
    roster();
    playTo(80);
    run(QStringLiteral(
        "select home 4\nshot home made three 100 200\nselect away 5\nshot away made mid 100 200"));
    playTo(81);
    run(QStringLiteral(
        "select home 7\nshot home missed mid 100 200\nselect away 8\nshot away missed mid 100 200"));

    TqrULEBDobasterkep report(game, translator);
    report.Build();
    using namespace ShotPositions;
    EXPECT_EQ(markers(report.Court(true)),
              QStringList({marker(true, 4, TeamMarkerRect({203, 232}, true)),
                           marker(false, 7, TeamMarkerRect({144, 288}, false))}));
    EXPECT_EQ(markers(report.Court(false)),
              QStringList({marker(true, 5, TeamMarkerRect({144, 288}, true)),
                           marker(false, 8, TeamMarkerRect({203, 232}, false))}));
}

TEST_F(ShotChart, TwelveMinutePeriodsStillTurnAfterTimeEighty)
{
    roster(12);
    playTo(81);
    ASSERT_EQ(game.Period, 2);
    run(QStringLiteral("select home 4\nshot home made close 100 200"));

    TqrULEBDobasterkep team(game, translator);
    team.Build();
    EXPECT_EQ(markers(team.Court(true)),
              QStringList({marker(true, 4, ShotPositions::TeamMarkerRect({144, 288}, true))}));

    const TShotChoice::TSelection s = TShotChoice::Select(game, TShotChoice::TScope::Both, 0, translator);
    TqrDobasok alternative(s.Title, s.Subtitle, s.OnePlayer, s.Events);
    alternative.Build();
    EXPECT_EQ(markers(alternative.Court()), QStringList({marker(true, 1, QRect(500, 355, 20, 11))}));
}

// The game's own jersey numbers the markers: the master data may not know the
// player (the demo game's players) or still hold his number from before
// "Set jersey". Only a shooter the game no longer holds is looked up there.
TEST_F(ShotChart, ShotsWithoutAPositionAreNotDrawnAndJerseysComeFromTheGameFirst)
{
    roster();
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made freethrow\nshot home made close 120 300"));
    QStringList asked;
    const auto lookup = [&](const QString &webId, QString *error) {
        asked.append(webId);
        if (webId == QLatin1String("H11"))
            *error = QStringLiteral("GetJatekosDateFromWebID");
        return 9;
    };
    const auto drawnNumber = [&] {
        TqrULEBDobasterkep report(game, translator);
        report.SetJerseyLookup(lookup);
        report.Build();
        const QStringList drawn = markers(report.Court(true));
        EXPECT_EQ(drawn.size(), 1);
        return std::make_pair(drawn.value(0).section(QLatin1Char(' '), 1, 1).toInt(), report.Messages());
    };
    EXPECT_EQ(drawnNumber().first, 4);
    TPlayer &shooter = PlayerByJersey(game, 1, 4);
    shooter.JatekosMezSzam = 44;
    EXPECT_EQ(drawnNumber().first, 44);
    EXPECT_TRUE(asked.isEmpty());

    // Not in the game any more: the master data, and a failure told to the operator.
    shooter.JatekosID = 999;
    shooter.WebID = QStringLiteral("OTHER");
    const auto [number, messages] = drawnNumber();
    EXPECT_EQ(number, 9);
    EXPECT_EQ(asked, QStringList({QStringLiteral("H11")}));
    EXPECT_EQ(messages, QStringList({QStringLiteral("GetJatekosDateFromWebID")}));
}

TEST_F(ShotChart, MarkersAboveTheLastImageNumberAreDrawnAnyway)
{
    roster();
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made close 120 300"));
    PlayerByJersey(game, 1, 4).JatekosMezSzam = 345;
    TqrULEBDobasterkep report(game, translator);
    report.Build();
    const QStringList drawn = markers(report.Court(true));
    ASSERT_EQ(drawn.size(), 1);
    EXPECT_TRUE(drawn.first().startsWith(QLatin1String("made 345 at "))) << drawn.first().toStdString();
}

TEST_F(ShotChart, LegendGroupsCountTheTeamsShotsAndATeamWithoutShotsShowsZeros)
{
    roster();
    ticks(1);
    run(QStringLiteral(
        "select home 4\nshot home made close 120 300\nshot home missed close 120 300\n"
        "shot home made mid 60 250\nshot home made three 20 200\nshot home missed three 20 200\n"
        "shot home missed three 20 200\nshot home made dunk 120 330\nshot home made freethrow\n"
        "shot home missed freethrow"));
    const TReportDocument doc = TqrULEBDobasterkep(game, translator).Build();
    const struct
    {
        const char *Group, *Home1, *Home2;
    } cases[] = {
        {"Paint", "2/3 (67%)", "4 points"},     {"Jumper", "1/1 (100%)", "2 points"},
        {"Three", "1/3 (33%)", "3 points"},     {"FieldGoal", "4/7 (57%)", "9 points"},
        {"FreeThrow", "1/2 (50%)", "1 points"},
    };
    for (const auto &c : cases) {
        const QString group = QLatin1String(c.Group);
        EXPECT_EQ(named(doc, QStringLiteral("lblHazai") + group + QLatin1Char('1')), QLatin1String(c.Home1))
            << c.Group;
        EXPECT_EQ(named(doc, QStringLiteral("lblHazai") + group + QLatin1Char('2')), QLatin1String(c.Home2))
            << c.Group;
        EXPECT_EQ(named(doc, QStringLiteral("lblVendeg") + group + QLatin1Char('1')),
                  QStringLiteral("0/0 (0%)"))
            << c.Group;
        EXPECT_EQ(named(doc, QStringLiteral("lblVendeg") + group + QLatin1Char('2')),
                  QStringLiteral("0 points"))
            << c.Group;
    }
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiTop")), QStringLiteral("Top:"));
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegBottomPeriods")), QStringLiteral("Q3-Q4 (OT)"));
}

TEST_F(ShotChart, LegendListsTwelvePlayersByName)
{
    roster();
    for (int i = 0; i < 10; ++i)
        run(QStringLiteral("player home id=%1 webid=X%1 jersey=%2 name=\"Z%3 Player\" bench")
                .arg(50 + i)
                .arg(30 + i)
                .arg(QChar('A' + i)));
    const TReportDocument doc = TqrULEBDobasterkep(game, translator).Build();
    // BALOGH, Farkas, KOVACS, NAGY, then ZA to ZH: twelve of fourteen.
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiJatekos1")), QStringLiteral("BALOGH Adam"));
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiMez1")), QStringLiteral("15"));
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiJatekos2")), QStringLiteral("Farkas"));
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiJatekos12")), QStringLiteral("ZH Player"));
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiMez12")), QStringLiteral("37"));
    EXPECT_EQ(doc.Find(QStringLiteral("lblHazaiJatekos13")), nullptr);
    // The away team has four players: the other lines stay empty.
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegJatekos4")), QStringLiteral("VARGA Levente"));
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegJatekos5")), QString());
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegMez5")), QString());
}

TEST_F(ShotChart, AlternativeChartAndShotListNumberTheSameShotsFromOne)
{
    roster();
    ticks(1);
    run(QStringLiteral(
        "select home 4\nshot home made freethrow\nselect away 5\nshot away missed three 30 60\n"
        "select home 7\nshot home made close 120 300"));
    const TShotChoice::TSelection s = TShotChoice::Select(game, TShotChoice::TScope::Both, 0, translator);
    EXPECT_FALSE(s.OnePlayer);
    EXPECT_EQ(s.Subtitle, QString());
    ASSERT_EQ(s.Events.size(), 2); // the free throw has no position

    TqrDobasok chart(s.Title, s.Subtitle, s.OnePlayer, s.Events);
    const TReportDocument doc = chart.Build();
    EXPECT_EQ(named(doc, QStringLiteral("lblMerkozes")), QStringLiteral("Home Team - Away Team   (00:15)"));
    const QList<TOp> drawn = chart.Court()->Ops(TOp::Kind::Missed) + chart.Court()->Ops(TOp::Kind::Made);
    ASSERT_EQ(drawn.size(), 2);
    EXPECT_EQ(drawn[0].Text, QStringLiteral("1"));
    EXPECT_EQ(drawn[1].Text, QStringLiteral("2"));

    const TReportDocument list = TqrDobasLista(s.Title, s.Events, translator).Build();
    const QList<const TReportLine *> lines = list.Lines(QStringLiteral("DetailBand1"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]->Cells[0].Text, QStringLiteral("1."));
    EXPECT_EQ(lines[0]->Cells[1].Text, s.Events[0].Text);
    EXPECT_FALSE(s.Events[0].Text.isEmpty());
    EXPECT_EQ(lines[1]->Cells[0].Text, QStringLiteral("2."));
    EXPECT_EQ(named(list, QStringLiteral("lblCim")), QString::fromUtf8("Dobáslista"));
}

TEST_F(ShotChart, OnePlayerChosenNumbersShotsByMinute)
{
    roster();
    ticks(37);
    run(QStringLiteral(
        "select home 4\nshot home made close 120 300\nselect home 7\nshot home made close 120 300"));
    const QList<TPlayer> players = TShotChoice::Players(game, TShotChoice::TScope::Home);
    int kovacs = 0;
    for (int i = 0; i < players.size(); ++i)
        if (players[i].JatekosMezSzam == 4)
            kovacs = i + 1;
    ASSERT_GT(kovacs, 0);
    const TShotChoice::TSelection s =
        TShotChoice::Select(game, TShotChoice::TScope::Home, kovacs, translator);
    EXPECT_TRUE(s.OnePlayer);
    EXPECT_EQ(s.Subtitle, QString::fromUtf8("Dobástérkép - KOVACS Janos"));
    ASSERT_EQ(s.Events.size(), 1);
    TqrDobasok chart(s.Title, s.Subtitle, s.OnePlayer, s.Events);
    chart.Build();
    const QList<TOp> made = chart.Court()->Ops(TOp::Kind::Made);
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made[0].Text, QStringLiteral("9"));
}

TEST_F(ShotChart, ScopeChoosesTheTeamAndFillsThePlayerList)
{
    roster();
    ticks(1);
    run(QStringLiteral(
        "select home 4\nshot home made close 120 300\nselect away 5\nshot away made close 120 40"));
    EXPECT_EQ(TShotChoice::PlayerItems(game, TShotChoice::TScope::Both, translator),
              QStringList({QString::fromUtf8(" Összes játékos")}));
    const QStringList away = TShotChoice::PlayerItems(game, TShotChoice::TScope::Away, translator);
    ASSERT_EQ(away.size(), 5);
    EXPECT_EQ(away.first(), QString::fromUtf8(" Összes játékos"));
    EXPECT_TRUE(away.contains(QStringLiteral("LAKATOS Zsolt")));

    const struct
    {
        TShotChoice::TScope Scope;
        int Side;
        const char *Subtitle;
    } cases[] = {{TShotChoice::TScope::Home, 1, "Dobástérkép - Home Team"},
                 {TShotChoice::TScope::Away, 2, "Dobástérkép - Away Team"}};
    for (const auto &c : cases) {
        // A choice past the list's end is all players.
        const TShotChoice::TSelection s = TShotChoice::Select(game, c.Scope, 99, translator);
        EXPECT_FALSE(s.OnePlayer);
        EXPECT_EQ(s.Subtitle, QString::fromUtf8(c.Subtitle));
        ASSERT_EQ(s.Events.size(), 1);
        EXPECT_EQ(s.Events[0].Side, c.Side);
    }
}

TEST_F(ShotChart, IndividualChartsFillThreeCellsARowWithFiguresAndDots)
{
    roster();
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made close 120 240\nshot home missed mid 60 250\n"
                       "shot home made three 20 200\nshot home made freethrow\nevent home 1001\n"
                       "select away 5\nshot away made close 120 60"));
    const QList<TPlayer> byJersey =
        TqrInvidualShotingChart::TeamPlayers(game.HomeTeam(), false, TNameOrder(TEdition::Hungarian));
    QList<int> jerseys;
    for (const TPlayer &p : byJersey)
        jerseys.append(p.JatekosMezSzam);
    EXPECT_EQ(jerseys, QList<int>({4, 7, 10, 15}));
    const QList<TPlayer> byName =
        TqrInvidualShotingChart::TeamPlayers(game.HomeTeam(), true, TNameOrder(TEdition::Hungarian));
    EXPECT_EQ(byName.first().JatekosNev, QStringLiteral("BALOGH Adam"));

    TqrInvidualShotingChart report(game, byJersey, translator);
    const TReportDocument doc = report.Build();
    const QList<const TReportLine *> rows = doc.Lines(QStringLiteral("DetailBand1"));
    ASSERT_EQ(rows.size(), 2);
    QStringList names;
    for (const TReportLine *row : rows)
        for (const TReportCell &c : row->Cells)
            if (c.Name == QLatin1String("lblPlayerName"))
                names.append(c.Text);
    EXPECT_EQ(names, QStringList({QStringLiteral("#4 KOVACS Janos"), QStringLiteral("#7 NAGY Bence"),
                                  QStringLiteral("#10 Farkas"), QStringLiteral("#15 BALOGH Adam")}));
    const struct
    {
        const char *Name, *Text;
    } figures[] = {{"lblFG2", "1-2 50%"}, {"lblFG3", "1-1 100%"}, {"lblFT", "1-1 100%"},
                   {"lblTot", "2-3 67%"}, {"lblPts", "6"},        {"lblReb", "1/0"}};
    for (const auto &f : figures)
        EXPECT_EQ(named(doc, QLatin1String(f.Name)), QLatin1String(f.Text)) << f.Name;

    // Home shots turned to the top basket; the free throw has no dot.
    ASSERT_EQ(report.Courts().size(), 4);
    const TChartCanvas &kovacs = *report.Courts().first();
    ASSERT_EQ(kovacs.Ops(TOp::Kind::MadeDot).size(), 2);
    EXPECT_EQ(kovacs.Ops(TOp::Kind::MadeDot)[0].Rect, QRect(98, 98, 5, 5));
    ASSERT_EQ(kovacs.Ops(TOp::Kind::MissedDot).size(), 1);
    EXPECT_EQ(kovacs.Ops(TOp::Kind::MissedDot)[0].Rect, QRect(148, 90, 5, 5));
    EXPECT_TRUE(report.Courts()[1]->Ops(TOp::Kind::MadeDot).isEmpty());

    const QList<TPlayer> away =
        TqrInvidualShotingChart::TeamPlayers(game.AwayTeam(), false, TNameOrder(TEdition::Hungarian));
    TqrInvidualShotingChart awayReport(game, away, translator);
    awayReport.Build();
    ASSERT_EQ(awayReport.Courts().first()->Ops(TOp::Kind::MadeDot).size(), 1);
    EXPECT_EQ(awayReport.Courts().first()->Ops(TOp::Kind::MadeDot)[0].Rect, QRect(98, 48, 5, 5));
}

} // namespace
