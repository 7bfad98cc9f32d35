#include "ScreenFixture.h"

// The home pointer's reports and hot regions, the system mouse's buttons and
// the use of the system mouse for both teams.
class PointerInput : public ScreenFixture
{
protected:
    void SetUp() override
    {
        game.TurnoverTypes = {{QStringLiteral("Bad pass"), 31}, {QStringLiteral("Travelling"), 32}};
        game.FoulTypes = {{QStringLiteral("Shooting"), 41}};
        for (int side : {1, 2}) {
            game.Team(side).DefenseModes = {
                {QStringLiteral("Man"), 1}, {QStringLiteral("Zone"), 2}, {QStringLiteral("Press"), 3}};
            game.Team(side).DefenseModeIndex = 0;
        }
    }
    // Centre of a hot region.
    QPoint region(int number) const
    {
        const THotRegion &r = screen.HotRegions().At(number);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(PointerInput, SerialMouseActsOnceAtTheReleaseWithTheFirstButtonPressed)
{
    OpenGame();
    select(1, 4);
    const int before = mark();
    const int paints = host.Paints;
    screen.HomePointerReport({501, 355}, TCourtScreen::ReportLeft);
    screen.HomePointerReport({501, 420}, TCourtScreen::ReportLeft | TCourtScreen::ReportRight);
    // Right still down: nothing happens yet.
    screen.HomePointerReport({300, 300}, TCourtScreen::ReportRight);
    EXPECT_TRUE(kindsSince(before).isEmpty());
    screen.HomePointerReport(region(6), 0);
    // Only a left release on the personal foul button: no turnover from the right button.
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::PersonalFoul});
    EXPECT_EQ(host.Paints, paints + 1);
    EXPECT_EQ(screen.Items().Find(QStringLiteral("imgMouseCursor1"))->Rect.topLeft(), region(6));
    // The flags were consumed: another report without buttons does nothing.
    screen.HomePointerReport(region(6), 0);
    EXPECT_EQ(kindsSince(before).size(), 1);
}

TEST_F(PointerInput, RightButtonOnTheFoulButtonsEntersOffensiveFouls)
{
    OpenGame();
    select(1, 7);
    select(2, 8);
    int before = mark();
    homeClick(region(6), TCourtScreen::RightButton);
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::PersonalFoul, Kind::Turnover}));
    before = mark();
    homeClick(region(5), TCourtScreen::RightButton);
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::FoulDrawn, Kind::Steal}));
    EXPECT_EQ(player(1, 7).PersonalFouls, 1);
    EXPECT_EQ(player(1, 7).Turnovers, 1);
    EXPECT_EQ(player(1, 7).FoulsDrawn, 1);
    EXPECT_EQ(player(1, 7).Steals, 1);

    before = mark();
    awayClick(centreOf(QStringLiteral("imgFoultCsapat2")), TCourtScreen::RightButton);
    awayClick(centreOf(QStringLiteral("imgKiharcCsapat2")), TCourtScreen::RightButton);
    awayClick(centreOf(QStringLiteral("imgFoultCsapat2")), TCourtScreen::MiddleButton);
    awayClick(centreOf(QStringLiteral("imgVedoCsapat2")), TCourtScreen::RightButton);
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::PersonalFoul, Kind::Turnover, Kind::FoulDrawn,
                                              Kind::Steal, Kind::PersonalFoul}));
    EXPECT_EQ(player(2, 8).PersonalFouls, 2);
}

TEST_F(PointerInput, EventButtonsOfBothTeams)
{
    OpenGame();
    select(1, 10);
    select(2, 12);
    const int before = mark();
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
        homeClick(region(n));
    for (const char *name :
         {"imgVedoCsapat2", "imgTamCsapat2", "imgLabdaszerzesAwayTeam", "imgLabdaeladasAwayTeam",
          "imgKiharcCsapat2", "imgFoultCsapat2", "imgGolpCsapat2", "imgTechnikaiHibaCsapat2",
          "imgHibaCsapat2", "imgBlokkCsapat2"})
        awayClick(centreOf(QString::fromLatin1(name)));
    const QList<int> order = {1001, 1006, 1002, 1007, 1003, 1008, 1004, 1019, 1005, 1009};
    EXPECT_EQ(kindsSince(before), order + order);
    EXPECT_EQ(player(1, 10).DefRebounds, 1);
    EXPECT_EQ(player(2, 12).TechnicalFouls, 1);
}

TEST_F(PointerInput, ClockButtonsAskBeforeEndingThePeriod)
{
    OpenGame();
    ASSERT_EQ(game.Clock, 1);
    homeClick(region(11));
    EXPECT_EQ(game.Clock, 2);
    homeClick(region(12)); // complete the minute
    EXPECT_EQ(game.Clock, 4);
    awayClick(centreOf(QStringLiteral("imgIdoCsapat2")));
    EXPECT_EQ(game.Clock, 8);
    while (game.Clock < 20)
        homeClick(region(12));
    // A period of five minutes has run out: the end-of-period pictures cover the clock buttons.
    ASSERT_TRUE(screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat12")));
    prompter.Answer = false;
    const int before = mark();
    homeClick(region(11));
    homeClick(region(12));
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_EQ(game.Clock, 20);
    ASSERT_EQ(prompter.Messages.size(), 2);
    EXPECT_EQ(prompter.Messages.last(), QStringLiteral("A negyednek tényleg vége?"));
    prompter.Answer = true;
    homeClick(region(11));
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::PeriodEnd});
    EXPECT_TRUE(screen.EventsLocked);
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblEsemenyTiltas")));
    EXPECT_EQ(game.PeriodsEnded, 1);
}

TEST_F(PointerInput, AwayEndOfPeriodIsEnteredWithParameterTwo)
{
    OpenGame();
    while (game.Clock < 20)
        awayClick(centreOf(QStringLiteral("imgIdoCsapat2")));
    // The end-of-period picture lies on top of the clock button and takes the press.
    awayClick(centreOf(QStringLiteral("imgIdoCsapat2")));
    const TGameEvent *end = lastEvent(Kind::PeriodEnd);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->Detail, 2);
    EXPECT_EQ(game.Clock, 20);
}

TEST_F(PointerInput, SystemMouseForBothTeamsActsOnEachTeamsOwnHalf)
{
    OpenGame(QStringLiteral("SYSTEM_MOUSE=SYSTEM_MOUSE_USE"));
    // Home rows answer the system mouse through the hot regions.
    awayClick(screen.Items().Find(QStringLiteral("lblCsapat1JatekosNev_1"))->Rect.center());
    ASSERT_NE(game.HomeTeam().ActivePlayer(), nullptr);
    select(2, 5);
    int before = mark();
    awayClick({501, 420});
    ASSERT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    EXPECT_EQ(lastEvent(Kind::ShotMade)->Side, Side::HomePlayer);
    before = mark();
    awayClick({501, 150});
    ASSERT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    EXPECT_EQ(lastEvent(Kind::ShotMade)->Side, Side::AwayPlayer);
    // Movement names the zone for the team of the half under the pointer only.
    screen.SystemMouseMove({501, 355});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekHomeTeam")), QStringLiteral("2 pointer"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QString());
}

TEST_F(PointerInput, WithoutTheSettingTheSystemMouseLeavesTheHomeSideAlone)
{
    OpenGame();
    awayClick(screen.Items().Find(QStringLiteral("lblCsapat1JatekosNev_1"))->Rect.center());
    EXPECT_EQ(game.HomeTeam().ActivePlayer(), nullptr);
    const int before = mark();
    awayClick(centreOf(QStringLiteral("imgVedoHomeTeam")));
    EXPECT_TRUE(kindsSince(before).isEmpty());
}

TEST_F(PointerInput, CourtTurnsFromBothSides)
{
    OpenGame();
    homeClick(region(28));
    EXPECT_TRUE(screen.CourtHorizontal);
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("imgCourtHorizontal")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("imgCourtVertical")));
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblPontErtekHomeTeam"))->Rect.topLeft(), QPoint(440, 390));
    awayClick({497, 95});
    EXPECT_FALSE(screen.CourtHorizontal);
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblPontErtekAwayTeam"))->Rect.topLeft(), QPoint(559, 270));
    awayClick({690, 285});
    EXPECT_TRUE(screen.CourtHorizontal);
}

TEST_F(PointerInput, DefenceModeArrowsWrapAndTheModeIsReported)
{
    OpenGame();
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblHomeTeamDefenseMode")), QStringLiteral("Man"));
    homeClick({320, 510}); // previous
    EXPECT_EQ(game.HomeTeam().DefenseModeIndex, 2);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblHomeTeamDefenseMode")), QStringLiteral("Press"));
    homeClick({390, 510}); // next
    EXPECT_EQ(game.HomeTeam().DefenseModeIndex, 0);
    awayClick({680, 510});
    awayClick({680, 510});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblAwayTeamDefenseMode")), QStringLiteral("Press"));
    awayClick({610, 510});
    EXPECT_EQ(game.AwayTeam().DefenseModeIndex, 1);

    const int before = mark();
    homeClick(region(31));
    awayClick({640, 510});
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::DefenseMode, Kind::DefenseMode}));
    EXPECT_EQ(game.AllEvents.At(game.AllEvents.Count() - 2)->Detail, 0);
    EXPECT_EQ(lastEvent(Kind::DefenseMode)->Detail, 1);
}

TEST_F(PointerInput, AdditionalTypeLabelSetsTheKindOfTheLastTurnover)
{
    OpenGame();
    select(1, 4);
    homeClick(region(4));
    const TGameEvent *turnover = game.AllEvents.At(game.AllEvents.Count() - 1);
    ASSERT_EQ(turnover->Kind, Kind::Turnover);
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType2")));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblHomeTeamAdditionalType2")), QStringLiteral("Travelling"));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType3")));
    const int queued = game.OutgoingQueue.Count();
    homeClick(region(33));
    EXPECT_TRUE(turnover->Message.contains(QLatin1String("&tipus=32")));
    EXPECT_FALSE(turnover->Message.contains(QLatin1String("&tipus=0")));
    EXPECT_EQ(game.OutgoingQueue.Count(), queued + 1);
    // The list shows the choice until the side's next event.
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType1")));
    homeClick(region(HotRegionNumber::Steal));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType1")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("imgHomeTeamAdditionalType2")));

    // The away labels answer the system mouse.
    select(2, 12);
    awayClick(centreOf(QStringLiteral("imgFoultCsapat2")));
    const TGameEvent *foul = game.AllEvents.At(game.AllEvents.Count() - 1);
    awayClick(centreOf(QStringLiteral("lblAwayTeamAdditionalType1")));
    EXPECT_TRUE(foul->Message.contains(QLatin1String("&tipus=41")));
}

TEST_F(PointerInput, HistoryButtonsScrollBothHistories)
{
    OpenGame();
    select(1, 4);
    select(2, 5);
    for (int i = 0; i < 12; ++i) {
        homeClick(region(3));
        awayClick(centreOf(QStringLiteral("imgLabdaszerzesAwayTeam")));
    }
    // Thirteen lines each (the first tick and twelve steals): lines 5 to 13 show.
    auto first = [&](int side) {
        return screen.ItemText(TScreenHistory::LineLabel(side, 1)).section(QLatin1Char(':'), 0, 0).toInt();
    };
    EXPECT_EQ(first(1), 5);
    EXPECT_EQ(first(2), 5);
    homeClick(region(21));
    awayClick({970, 475});
    EXPECT_EQ(first(1), 4);
    EXPECT_EQ(first(2), 4);
    homeClick(region(18));
    awayClick({970, 460});
    EXPECT_EQ(first(1), 1);
    EXPECT_EQ(first(2), 1);
    homeClick(region(22));
    awayClick({970, 590});
    EXPECT_EQ(first(1), 2);
    EXPECT_EQ(first(2), 2);
    homeClick(region(19));
    awayClick({970, 605});
    EXPECT_EQ(first(1), 5);
    EXPECT_EQ(first(2), 5);
}

TEST_F(PointerInput, ClickingAHistoryLineSelectsIt)
{
    OpenGame();
    select(1, 4);
    homeClick(region(3));
    homeClick(region(92), TCourtScreen::RightButton);
    EXPECT_EQ(screen.History(1).SelectedId(), screen.History(1).Table().At(2).ID);
    EXPECT_TRUE(screen.Items().Find(TScreenHistory::LineLabel(1, 2))->Bold);
    // An empty line selects nothing; a right click on a line deletes nothing.
    homeClick(region(99));
    EXPECT_EQ(screen.History(1).SelectedId(), screen.History(1).Table().At(2).ID);
    EXPECT_EQ(screen.History(1).Entries().size(), 2);
    awayClick(centreOf(TScreenHistory::LineLabel(2, 1)));
    EXPECT_EQ(screen.History(2).SelectedId(), screen.History(2).Table().At(1).ID);
}
