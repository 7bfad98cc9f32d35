#include "ScreenFixture.h"

// A game whose period ended before the screen opened (a reopened game, or a
// script that ends at an intermission) shows and behaves as the live
// intermission did.
class BetweenPeriods : public ScreenFixture
{
protected:
    // The names of the visible clock pictures and clock buttons.
    static QStringList clockShown(const TCourtScreen &s)
    {
        QStringList shown;
        for (const TScreenItem *item : s.Items().PaintOrder())
            if (item->Visible && (item->Name.startsWith(QLatin1String("imgPerc")) ||
                                  item->Name.startsWith(QLatin1String("imgMPerc")) ||
                                  item->Name.startsWith(QLatin1String("imgTizesPerc")) ||
                                  item->Name.startsWith(QLatin1String("imgFelidoVege")) ||
                                  item->Name.startsWith(QLatin1String("imgIdoCsapat"))))
                shown.append(item->Name);
        return shown;
    }

    // Plays to the end of a period with the screen open and notes the look of
    // the live intermission, then opens a second screen on the same game the
    // way a reload does: the game's state first, then the screen's creation
    // and its first activation.
    void endPeriodAndReopen(int ticks)
    {
        OpenGame();
        for (int i = 1; i < ticks; ++i)
            run(QStringLiteral("tick"));
        run(QStringLiteral("periodend"));
        liveClock = clockShown(screen);
        liveDisplay = game.ClockDisplay;
        reopened = std::make_unique<TCourtScreen>(game);
        reopened->SetZoneMask(TZoneMask(TestMasks::vertical(), TestMasks::horizontal()));
        game.SetScreen(reopened.get());
        game.ShowPeriodPicture();
        game.ShowBreakBetweenPeriods();
        reopened->Open();
        reopened->Activate();
    }

    void expectLiveClock()
    {
        EXPECT_TRUE(reopened->ItemVisible(QStringLiteral("lblEsemenyTiltas")));
        EXPECT_EQ(clockShown(*reopened), liveClock);
        EXPECT_EQ(game.ClockDisplay, liveDisplay);
    }

    QStringList liveClock;
    QString liveDisplay;
    std::unique_ptr<TCourtScreen> reopened;
};

TEST_F(BetweenPeriods, AfterTheFirstPeriodTheClockShowsTheNextPeriodsStart)
{
    endPeriodAndReopen(20);
    expectLiveClock();
    EXPECT_EQ(liveDisplay, QStringLiteral("0500"));
}

TEST_F(BetweenPeriods, AfterRegulationTheClockShowsTheOvertimesStart)
{
    endPeriodAndReopen(40);
    expectLiveClock();
    EXPECT_EQ(liveDisplay, QStringLiteral("0200"));
}

TEST_F(BetweenPeriods, ReopenedIntermissionLocksEventsUnlessAltIsHeld)
{
    endPeriodAndReopen(20);
    EXPECT_TRUE(reopened->EventsLocked);
    const QPoint row = reopened->Items().Find(QStringLiteral("lblCsapat2JatekosNev_1"))->Rect.center();
    reopened->SystemMousePress(row, TCourtScreen::LeftButton);
    reopened->SystemMouseRelease(row, TCourtScreen::LeftButton);
    ASSERT_NE(game.AwayTeam().ActivePlayer(), nullptr);
    const int points = game.AwayTeam().Data.Totals.Points;
    const int before = mark();
    const QPoint shot(501, 220);
    reopened->SystemMousePress(shot, TCourtScreen::LeftButton);
    reopened->SystemMouseRelease(shot, TCourtScreen::LeftButton);
    const QPoint steal = reopened->Items().Find(QStringLiteral("imgLabdaszerzesAwayTeam"))->Rect.center();
    reopened->SystemMousePress(steal, TCourtScreen::LeftButton);
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_EQ(game.AwayTeam().Data.Totals.Points, points);
    // Each refusal says why and what to do.
    EXPECT_EQ(reopened->Notice(), TCourtScreen::BetweenPeriodsText());
    reopened->HideNotice();
    run(QStringLiteral("set INPUT=INPUT_KEYBOARD"));
    reopened->KeyPress('1');
    reopened->KeyRelease('1', false);
    EXPECT_EQ(reopened->Notice(), TCourtScreen::BetweenPeriodsText());
    // Alt lets an event through, as during a live intermission.
    reopened->KeyPress(TKeyboardMap::Alt);
    reopened->SystemMousePress(steal, TCourtScreen::LeftButton);
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Steal});
}
