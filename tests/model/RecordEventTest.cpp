#include "GameFixture.h"

class RecordEvent : public GameFixture
{
protected:
    void SetUp() override { SetUpRoster(); }
    QString hp(int h, int v) { return QStringLiteral("&hpont=%1&vpont=%2").arg(h).arg(v); }
};

TEST_F(RecordEvent, NothingBeforeTheFirstClockStep)
{
    run(QStringLiteral("select home 4\nshot home made mid 100 100\nevent home 1002"));
    EXPECT_EQ(game.EventCounter, 0);
    EXPECT_TRUE(game.AllEvents.IsEmpty());
    EXPECT_EQ(player(1, 4).Points, 0);
    EXPECT_TRUE(screen.history(1).isEmpty());
}

TEST_F(RecordEvent, PlayerStealInMinuteThree)
{
    settings.SetValue(QStringLiteral("USE_ACTIVE_AI_2"), QStringLiteral("YES"));
    ticks(12);
    const int recorded = game.RecordedEvents.Count();
    const int lines = screen.history(1).size();
    run(QStringLiteral("select home 7\nevent home 1002"));
    EXPECT_EQ(game.RecordedEvents.Count(), recorded + 1);
    ASSERT_EQ(screen.history(1).size(), lines + 1);
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("3.m 7 Nagy: labdaszerzés"));
    const TGameEvent *e = lastQueued();
    EXPECT_EQ(
        query(e),
        QStringLiteral("kod=1004&id=%1&szkod=ABC1DEF2&tipus=0&jatekos=H12&time=20261209183005").arg(e->Id) +
            hp(0, 0));
    EXPECT_EQ(e->Side, 1);
    EXPECT_EQ(e->PlayerId, 12);
    EXPECT_EQ(e->PlayerName, QStringLiteral("NAGY Bence"));
    EXPECT_EQ(screen.hints().last(), QStringLiteral("21/1"));
    EXPECT_EQ(player(1, 7).Steals, 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Steals, 1);
}

TEST_F(RecordEvent, NoHintWhenTheSettingIsOff)
{
    settings.SetValue(QStringLiteral("USE_ACTIVE_AI_1"), QStringLiteral("yes")); // only "YES" is true
    ticks(1);
    run(QStringLiteral("select away 5\nshot away missed close 100 100"));
    EXPECT_TRUE(screen.hints().isEmpty());
}

TEST_F(RecordEvent, ShortNameIsEmptyWithoutABlank)
{
    ticks(12);
    run(QStringLiteral("select home 10\nevent home 1002"));
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("3.m 10 : labdaszerzés"));
}

TEST_F(RecordEvent, MadeThreeWithFastBreak)
{
    ticks(1);
    run(QStringLiteral("fastbreak home\nselect home 4\nshot home made three 20 200"));
    const TGameEvent *e = game.RecordedEvents.At(game.RecordedEvents.Count() - 1);
    EXPECT_EQ(e->FastBreak, 1);
    EXPECT_EQ(e->SecondChance, 0);
    EXPECT_EQ(e->Text, QStringLiteral("0.m 4 Kovacs: (FB)sikeres távoli"));
    EXPECT_EQ(game.HomeTeam().Data.Totals.FastBreakPoints, 3);
    EXPECT_FALSE(game.HomeTeam().FastBreak);
    EXPECT_FALSE(game.HomeTeam().SecondChance);
    EXPECT_EQ(screen.item(QStringLiteral("lblFastBreak1")).Color, 0xff000000u);
    EXPECT_EQ(
        query(e),
        QStringLiteral("kod=1000&id=%1&szkod=ABC1DEF2&tipus=3&jatekos=H11&x=20&y=200&time=20261209183005")
                .arg(e->Id) +
            hp(3, 0));
}

TEST_F(RecordEvent, FreeThrowsKeepTheSecondChanceMark)
{
    ticks(1);
    run(QStringLiteral(
        "secondchance home\nselect home 7\nshot home made freethrow\nshot home made freethrow"));
    EXPECT_EQ(game.HomeTeam().Data.Totals.SecondChancePoints, 2);
    EXPECT_TRUE(game.HomeTeam().SecondChance);
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("0.m 7 Nagy: (SC)sikeres büntető"));
    EXPECT_EQ(screen.item(QStringLiteral("lbl2ndChance1")).Color, 0xffff0000u);
}

TEST_F(RecordEvent, OffensiveReboundOpensAndDefensiveReboundEndsTheSecondChance)
{
    ticks(1);
    run(QStringLiteral("select home 4\nevent home 1006"));
    EXPECT_TRUE(game.HomeTeam().SecondChance);
    run(QStringLiteral("event home 1001"));
    EXPECT_FALSE(game.HomeTeam().SecondChance);
}

TEST_F(RecordEvent, MissedFieldGoalEndsSecondChanceButKeepsFastBreak)
{
    ticks(1);
    run(QStringLiteral("fastbreak away\nsecondchance away\nselect away 8\nshot away missed mid 50 50"));
    EXPECT_FALSE(game.AwayTeam().SecondChance);
    EXPECT_TRUE(game.AwayTeam().FastBreak);
    EXPECT_EQ(screen.history(2).last().Text, QStringLiteral("0.m 8 Varga: (SC)(FB)sikertelen középtávoli"));
}

TEST_F(RecordEvent, TeamFoulsCountOnlyPlayerPersonalFouls)
{
    ticks(1);
    run(QStringLiteral("teammode home\nevent home 1008"));
    EXPECT_EQ(game.HomeTeam().TeamFouls, 0);
    EXPECT_EQ(game.HomeTeam().TeamLine.PersonalFouls, 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.PersonalFouls, 1);
    run(QStringLiteral("select home 4\nevent home 1019"));
    EXPECT_EQ(game.HomeTeam().TeamFouls, 0);
    EXPECT_EQ(player(1, 4).TechnicalFouls, 1);
    EXPECT_EQ(player(1, 4).PersonalFouls, 1);
    run(QStringLiteral("select home 4\nevent home 1008"));
    EXPECT_EQ(game.HomeTeam().TeamFouls, 1);
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("imgHomeTeamFoul1")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("imgHomeTeamFoul2")));
    // Undoing the foul leaves the team fouls as they are.
    const TGameEvent *foul = game.RecordedEvents.At(game.RecordedEvents.Count() - 1);
    game.HomeTeam().UndoEvent(foul->Side, foul->PlayerId, false, false, foul->Detail, foul->Kind);
    EXPECT_EQ(player(1, 4).PersonalFouls, 1);
    EXPECT_EQ(game.HomeTeam().TeamFouls, 1);
}

TEST_F(RecordEvent, TeamStealMessageAndText)
{
    ticks(48);
    run(QStringLiteral("teammode home\nevent home 1002"));
    const TGameEvent *e = lastQueued();
    EXPECT_EQ(e->Side, 3);
    EXPECT_EQ(e->Text, QStringLiteral("12.p Csapat labdaszerzés"));
    EXPECT_EQ(
        query(e),
        QStringLiteral("kod=2004&id=%1&szkod=ABC1DEF2&jatekos=T1&csapat=1&time=20261209183005").arg(e->Id));
    EXPECT_EQ(game.HomeTeam().TeamLine.Steals, 1);
}

// While the type list is open a second choice corrects the first; the
// side's next event closes it.
TEST_F(RecordEvent, ASecondTypeCorrectsTheFirstUntilTheNextEvent)
{
    ticks(1);
    run(QStringLiteral("select away 5\nevent away 1007"));
    const TGameEvent *turnover = lastQueued();
    const int queued = game.OutgoingQueue.Count();
    run(QStringLiteral("type away 3"));
    EXPECT_TRUE(turnover->Message.contains(QStringLiteral("&tipus=3&jatekos=A21")));
    EXPECT_EQ(game.OutgoingQueue.Count(), queued + 1);
    EXPECT_EQ(lastQueued(), turnover);
    run(QStringLiteral("type away 4"));
    EXPECT_TRUE(turnover->Message.contains(QStringLiteral("&tipus=4&")));
    EXPECT_EQ(game.OutgoingQueue.Count(), queued + 2);
    run(QStringLiteral("event away 1002\ntype away 5"));
    EXPECT_TRUE(turnover->Message.contains(QStringLiteral("&tipus=4&")));
}

TEST_F(RecordEvent, TypeForADeletedEventChangesNothing)
{
    ticks(1);
    run(QStringLiteral("select home 4\nevent home 1008"));
    const TGameEvent *foul = lastQueued();
    game.RemoveEvent(foul->Id);
    const int queued = game.OutgoingQueue.Count();
    run(QStringLiteral("type home 2"));
    EXPECT_TRUE(foul->Message.contains(QStringLiteral("&tipus=0")));
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    EXPECT_EQ(game.HomeTeam().LastTypedEvent, -1);
}

TEST_F(RecordEvent, SubstitutionBeforeTheFirstStepMovesOnlyTheStarterFlag)
{
    run(QStringLiteral("sub home 4 15"));
    EXPECT_EQ(player(1, 15).Starter, 1);
    EXPECT_EQ(player(1, 4).Starter, 0);
    EXPECT_EQ(player(1, 15).OnBench, 0);
    EXPECT_EQ(player(1, 4).OnBench, 1);
    EXPECT_EQ(game.EventCounter, 0);
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
    EXPECT_TRUE(screen.history(1).isEmpty());
}

TEST_F(RecordEvent, SubstitutionDuringTheGame)
{
    ticks(2);
    run(QStringLiteral("sub away 8 21"));
    const TGameEvent *e = lastQueued();
    EXPECT_EQ(e->Kind, Kind::Substitution);
    EXPECT_EQ(e->Detail, 24);
    EXPECT_EQ(e->Text, QStringLiteral("Lakatos <> Varga"));
    EXPECT_EQ(query(e),
              QStringLiteral(
                  "kod=1011&id=%1&szkod=ABC1DEF2&jatekosbe=A24&jatekoski=A22&csapat=T2&time=20261209183005")
                  .arg(e->Id));
    EXPECT_EQ(player(2, 21).Starter, 0); // started on the bench
    EXPECT_EQ(player(2, 8).Starter, 1);
    EXPECT_EQ(game.AwayTeam().ActiveIndex, -1);
    // The substitution is queued and logged, but not a recorded event.
    EXPECT_NE(game.RecordedEvents.At(game.RecordedEvents.Count() - 1), e);
}

TEST_F(RecordEvent, EventWithoutSelectionUsesUpItsIdentifier)
{
    ticks(1);
    const int counter = game.EventCounter;
    const int queued = game.OutgoingQueue.Count();
    run(QStringLiteral("event home 1001"));
    EXPECT_EQ(game.EventCounter, counter + 1);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
}

TEST_F(RecordEvent, DunkCountsAsCloseShotToo)
{
    ticks(1);
    run(QStringLiteral("select home 7\nshot home made dunk 120 20\nshot home missed dunk 120 20"));
    const TPlayer &p = player(1, 7);
    EXPECT_EQ(p.CloseMade, 1);
    EXPECT_EQ(p.DunksMade, 1);
    EXPECT_EQ(p.CloseMissed, 1);
    EXPECT_EQ(p.DunksMissed, 1);
    EXPECT_EQ(p.Points, 2);
    EXPECT_EQ(p.MissedPoints, 2);
    EXPECT_EQ(PlayerStats::FieldGoalPercent(p), 50);
    const TTeamTotals &t = game.HomeTeam().Data.Totals;
    EXPECT_EQ(t.DunksMade, 1);
    EXPECT_EQ(t.DunksMissed, 0);
    EXPECT_EQ(t.CloseMissed, 1);
}

TEST_F(RecordEvent, MissedFreeThrowAddsNoMissedPoints)
{
    ticks(1);
    run(QStringLiteral("select home 7\nshot home missed freethrow\nshot home missed three 10 10"));
    EXPECT_EQ(player(1, 7).MissedPoints, 3);
    EXPECT_EQ(player(1, 7).FreeThrowsMissed, 1);
}

TEST_F(RecordEvent, RatingIsRecomputedAfterEveryEvent)
{
    ticks(1);
    run(QStringLiteral("select home 4\nshot home made close 100 30\nevent home 1008\nevent home 1007"));
    // Hebrew edition by default: points 2 - turnover 1, fouls do not count in the stored rating.
    EXPECT_EQ(player(1, 4).Rating, 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.Rating, 1);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1IBM_1")), QStringLiteral("1"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatEredmeny1")), QStringLiteral("2"));
}

TEST_F(RecordEvent, UndoAndApplyAreExactInverses)
{
    ticks(1);
    run(QStringLiteral("fastbreak home\nselect home 4\nshot home made three 10 190\nevent home 1019\n"
                       "teammode home\nevent home 1019\nevent home 1020"));
    TTeam &home = game.HomeTeam();
    const TTeamTotals before = home.Data.Totals;
    const TPlayer playerBefore = player(1, 4);
    const TPlayer lineBefore = home.TeamLine;
    QList<const TGameEvent *> recorded;
    for (int i = 1; i < game.RecordedEvents.Count(); ++i)
        recorded.append(game.RecordedEvents.At(i));
    ASSERT_EQ(recorded.size(), 4);
    for (const TGameEvent *e : recorded)
        home.UndoEvent(e->Side, e->PlayerId, e->FastBreak, e->SecondChance, e->Detail, e->Kind);
    EXPECT_EQ(home.Data.Totals.Points, 0);
    EXPECT_EQ(home.Data.Totals.FastBreakPoints, 0);
    EXPECT_EQ(home.Data.Totals.TechnicalFouls, 0);
    EXPECT_EQ(home.Data.Totals.IndirectSteals, 0);
    EXPECT_EQ(home.TeamLine.PersonalFouls, 0);
    EXPECT_EQ(player(1, 4).ThreeMade, 0);
    for (const TGameEvent *e : recorded)
        home.ApplyEvent(e->Side, e->PlayerId, e->FastBreak, e->SecondChance, e->Detail, e->Kind);
    EXPECT_EQ(home.Data.Totals, before);
    EXPECT_EQ(player(1, 4), playerBefore);
    EXPECT_EQ(home.TeamLine, lineBefore);
}

TEST_F(RecordEvent, UndoingATimeoutDeletesTheLastOfItsPeriod)
{
    ticks(1);
    run(QStringLiteral("timeout home\ntick\ntimeout home"));
    ASSERT_EQ(game.HomeTeam().Timeouts.size(), 2);
    EXPECT_EQ(game.HomeTeam().Timeouts[0].second.ClockText, QStringLiteral("00:15"));
    game.HomeTeam().UndoEvent(3, -1, false, false, 1, Kind::Timeout);
    ASSERT_EQ(game.HomeTeam().Timeouts.size(), 1);
    EXPECT_EQ(game.HomeTeam().Timeouts[0].second.ClockText, QStringLiteral("00:15"));
}

TEST_F(RecordEvent, TimeoutIsATeamEvent)
{
    ticks(30);
    run(QStringLiteral("timeout away"));
    const TGameEvent *e = lastQueued();
    EXPECT_EQ(e->Side, 4);
    EXPECT_EQ(e->Detail, 1);
    EXPECT_EQ(e->Text, QStringLiteral("7.p idokéres"));
    EXPECT_EQ(query(e),
              QStringLiteral("kod=2011&id=%1&szkod=ABC1DEF2&csapat=2&time=20261209183005").arg(e->Id));
}

TEST_F(RecordEvent, IndirectStealOnlyInTheHebrewEdition)
{
    ticks(1);
    settings.SetValue(QStringLiteral("VERSION"), TSettings::EditionId(TEdition::Hungarian));
    run(QStringLiteral("select home 4\nevent home 1020"));
    EXPECT_EQ(PlayerStats::IndirectSteals(player(1, 4)), 0);
    settings.SetValue(QStringLiteral("VERSION"), TSettings::EditionId(TEdition::Hebrew));
    const int all = game.AllEvents.Count();
    run(QStringLiteral("select home 4\nevent home 1020"));
    EXPECT_EQ(PlayerStats::IndirectSteals(player(1, 4)), 1);
    EXPECT_EQ(game.HomeTeam().Data.Totals.IndirectSteals, 1);
    EXPECT_EQ(game.AllEvents.Count(), all); // neither queued nor logged
    EXPECT_EQ(screen.history(1).last().Text, QStringLiteral("0.m 4 Kovacs: indirect labdaszerzes"));
}

TEST_F(RecordEvent, PassiveLabelsCompareThePairs)
{
    ticks(1);
    for (int i = 0; i < 5; ++i)
        run(QStringLiteral("select home 4\nevent home 1002"));
    for (int i = 0; i < 3; ++i)
        run(QStringLiteral("select home 4\nevent home 1007"));
    for (int i = 0; i < 4; ++i)
        run(QStringLiteral("select away 5\nevent away 1007"));
    for (int i = 0; i < 3; ++i)
        run(QStringLiteral("select away 5\nevent away 1002"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI1Home")), QStringLiteral("1 ST"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI1Away")), QStringLiteral("-1 TO"));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblPassiveAI1Home")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblPassiveAI2Home")));
}

TEST_F(RecordEvent, DefenseModeAnnouncement)
{
    game.HomeTeam().DefenseModes = {{QStringLiteral("Man"), 1}, {QStringLiteral("Zone"), 2}};
    game.HomeTeam().DefenseModeIndex = 0;
    ticks(1);
    run(QStringLiteral("defense home prev"));
    EXPECT_EQ(game.HomeTeam().DefenseModeIndex, 1);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblHomeTeamDefenseMode")), QStringLiteral("Zone"));
    const TGameEvent *e = lastQueued();
    EXPECT_EQ(query(e),
              QStringLiteral("kod=9999&tipus=1&id=%1&szkod=ABC1DEF2&jatekos=T1&csapat=1&time=20261209183005")
                  .arg(e->Id));
    run(QStringLiteral("defense home next"));
    EXPECT_EQ(game.HomeTeam().DefenseModeIndex, 0);
}

TEST_F(RecordEvent, PanelRowsFollowTheRoster)
{
    ticks(1);
    run(QStringLiteral("select home 7\nshot home made mid 1 1\nshot home missed three 1 1"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1MezSzam_2")), QStringLiteral("7"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1P_2")), QStringLiteral("2"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1D_2")), QStringLiteral("50"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1MezSzam_6")), QStringLiteral("15"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1Variable_2")), QStringLiteral("00:15"));
    for (int i = 0; i < 10; ++i)
        game.HomeTeam().CycleVariableColumn();
    EXPECT_EQ(game.HomeTeam().VariableColumn, 0);
}

// The court screen records a shot only for a selected player; a script is
// refused the same way, with nothing recorded.
TEST_F(RecordEvent, AScriptShotWithoutAPlayerIsRefused)
{
    ticks(1);
    const char *lines[] = {"shot home made mid 100 150", "shot away missed freethrow", "event home 1012",
                           "event away 1013"};
    for (const char *prefix : {"", "teammode home\nteammode away\n"}) {
        if (*prefix)
            run(QString::fromLatin1(prefix));
        for (const char *line : lines) {
            SCOPED_TRACE(line);
            const int counter = game.EventCounter;
            const int recorded = game.RecordedEvents.Count();
            const int points = game.HomeTeam().Data.Totals.Points + game.AwayTeam().Data.Totals.Points;
            EXPECT_FALSE(script.RunLine(QString::fromLatin1(line), 1));
            EXPECT_TRUE(script.Error().contains(QStringLiteral("a shot belongs to a player")))
                << script.Error().toStdString();
            EXPECT_EQ(game.EventCounter, counter);
            EXPECT_EQ(game.RecordedEvents.Count(), recorded);
            EXPECT_EQ(game.HomeTeam().Data.Totals.Points + game.AwayTeam().Data.Totals.Points, points);
        }
    }
    run(QStringLiteral("select home 4\nshot home made mid 100 150"));
    EXPECT_EQ(game.HomeTeam().Data.Totals.Points, 2);
}
