#include "ScreenFixture.h"

// Shots on the court, free throws, markers and the locks, through the home
// pointer and the system mouse.
class ShotEntry : public ScreenFixture
{
protected:
    void SetUp() override { OpenGame(); }
    const TScreenItem &item(const QString &name) const { return *screen.Items().Find(name); }
};

TEST_F(ShotEntry, HomeHalfStartsBelowRow286)
{
    select(1, 4);
    const int before = mark();
    homeClick({500, 286});
    EXPECT_TRUE(kindsSince(before).isEmpty());
    homeClick({500, 287});
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    // The middle of the court is in the three-point zone.
    EXPECT_EQ(lastEvent(Kind::ShotMade)->Detail, ShotKind::Three);
    EXPECT_EQ(lastEvent(Kind::ShotMade)->PlayerId, 11);
}

TEST_F(ShotEntry, AwayHalfEndsAtRow286)
{
    select(2, 8);
    const int before = mark();
    awayClick({500, 287});
    EXPECT_TRUE(kindsSince(before).isEmpty());
    awayClick({500, 286});
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    EXPECT_EQ(lastEvent(Kind::ShotMade)->PlayerId, 22);
}

TEST_F(ShotEntry, HorizontalCourtStoresTheVerticalCourtPoint)
{
    homeClick({497, 475}); // turn the court (record 27)
    ASSERT_TRUE(screen.CourtHorizontal);
    select(1, 7);
    homeClick({343, 288});
    const TGameEvent *shot = lastEvent(Kind::ShotMade);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->Detail, ShotKind::Dunk);
    EXPECT_EQ(field(shot, QStringLiteral("x")), 121);
    EXPECT_EQ(field(shot, QStringLiteral("y")), 336);
}

TEST_F(ShotEntry, ZoneOfTheMaskGivesTheShotKind)
{
    select(1, 10);
    struct Case
    {
        QPoint point;
        int kind;
    };
    const Case cases[] = {
        {{501, 443}, ShotKind::Dunk},     // the disc around the home basket
        {{501, 420}, ShotKind::Close},    // the restricted area
        {{501, 355}, ShotKind::MidRange}, // inside the arc
        {{388, 457}, ShotKind::Three},    // corner left of column 19
        {{612, 457}, ShotKind::Three},    // corner right of column 220
        {{501, 300}, ShotKind::Three},    // far from the basket
    };
    for (const Case &c : cases) {
        const int before = mark();
        homeClick(c.point);
        ASSERT_EQ(kindsSince(before), QList<int>{Kind::ShotMade}) << c.point.x() << "," << c.point.y();
        const TGameEvent *shot = lastEvent(Kind::ShotMade);
        EXPECT_EQ(shot->Detail, c.kind) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(field(shot, QStringLiteral("x")), c.point.x() - 380);
        EXPECT_EQ(field(shot, QStringLiteral("y")), c.point.y() - 107);
    }
}

TEST_F(ShotEntry, PointWithoutAZoneRecordsAndDrawsNothing)
{
    select(1, 4);
    const int before = mark();
    // Column 620 is court but lies just outside the 240-pixel mask.
    homeClick({620, 400});
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_FALSE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
}

TEST_F(ShotEntry, CtrlHeldPutsTheReboundBeforeTheShot)
{
    select(1, 7);
    screen.KeyPress(TKeyboardMap::Control);
    const int before = mark();
    homeClick({501, 420});
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::OffensiveRebound, Kind::ShotMade}));
    EXPECT_EQ(lastEvent(Kind::OffensiveRebound)->PlayerId, 12);
    EXPECT_EQ(lastEvent(Kind::ShotMade)->PlayerId, 12);
    // Releasing a key ends the put-back.
    screen.KeyRelease(TKeyboardMap::Control, false);
    const int after = mark();
    homeClick({501, 420});
    EXPECT_EQ(kindsSince(after), QList<int>{Kind::ShotMade});
}

TEST_F(ShotEntry, TeamRowSelectedRecordsNoShotAndHidesTheMarker)
{
    select(1, 4);
    homeClick({501, 355});
    ASSERT_TRUE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
    homeClick(item(QStringLiteral("lblCsapat1CsapatP")).Rect.center());
    ASSERT_TRUE(game.HomeTeam().TeamEventMode);
    const int before = mark();
    homeClick({501, 355});
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_FALSE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
}

TEST_F(ShotEntry, MarkersCentreOnTheClampedPoint)
{
    select(1, 4);
    homeClick({501, 355});
    EXPECT_EQ(item(QStringLiteral("imgSikeresDobasCsapat1")).Rect, QRect(497, 351, 8, 8));
    homeClick({382, 460}, TCourtScreen::RightButton);
    EXPECT_EQ(item(QStringLiteral("imgSikertelenDobasCsapat1")).Rect, QRect(380, 455, 10, 10));
    // The last marker placed lies on top of everything but the key help.
    const QList<TScreenItem *> order = screen.Items().PaintOrder();
    EXPECT_EQ(order.at(order.size() - 2)->Name, QStringLiteral("imgSikertelenDobasCsapat1"));
    EXPECT_EQ(order.last()->Name, QStringLiteral("pnlKeyHelp"));
    screen.SetCourtOrientation(true);
    EXPECT_FALSE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
    EXPECT_FALSE(item(QStringLiteral("imgSikertelenDobasCsapat1")).Visible);
}

TEST_F(ShotEntry, IntermissionRefusesUnlessAltIsHeld)
{
    select(1, 4);
    screen.SetEventsLocked(true);
    EXPECT_TRUE(item(QStringLiteral("lblEsemenyTiltas")).Visible);
    const QPoint rebound = centreOf(QStringLiteral("imgVedoHomeTeam"));
    const int before = mark();
    homeClick(rebound);
    homeClick({501, 420});
    EXPECT_TRUE(kindsSince(before).isEmpty());
    screen.KeyPress(TKeyboardMap::Alt);
    homeClick(rebound);
    homeClick({501, 420});
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::DefensiveRebound, Kind::ShotMade}));
    screen.KeyRelease(TKeyboardMap::Alt, false);
    EXPECT_FALSE(screen.LockOverride);
    homeClick(rebound);
    EXPECT_EQ(kindsSince(before).size(), 2);
}

TEST_F(ShotEntry, ClockAndTimeoutWorkDuringTheIntermission)
{
    screen.SetEventsLocked(true);
    const int before = mark();
    awayClick(centreOf(QStringLiteral("imgIdokeresAwayTeam")));
    homeClick({590, 480}); // home timeout button
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::Timeout, Kind::Timeout}));
    const int clock = game.Clock;
    homeClick(centreOf(QStringLiteral("imgHomeAddTime")));
    EXPECT_EQ(game.Clock, clock + 1);
    EXPECT_FALSE(screen.EventsLocked);
}

TEST_F(ShotEntry, FreeThrowAreasRecordWithoutAPoint)
{
    select(1, 4);
    select(2, 5);
    const int before = mark();
    homeClick({375, 476});
    homeClick({418, 485}, TCourtScreen::RightButton);
    awayClick({600, 86});
    awayClick({578, 82}, TCourtScreen::RightButton);
    EXPECT_EQ(kindsSince(before),
              (QList<int>{Kind::ShotMade, Kind::ShotMissed, Kind::ShotMade, Kind::ShotMissed}));
    for (int i = before; i < game.AllEvents.Count(); ++i) {
        EXPECT_EQ(game.AllEvents.At(i)->Detail, ShotKind::FreeThrow);
        EXPECT_EQ(field(game.AllEvents.At(i), QStringLiteral("x")), -1);
    }
    EXPECT_EQ(player(1, 4).FreeThrowsMade, 1);
    EXPECT_EQ(player(2, 5).FreeThrowsMissed, 1);
}

TEST_F(ShotEntry, MiddleButtonIsAMadeShotAndASteal)
{
    select(1, 10);
    int before = mark();
    homeClick({501, 355}, TCourtScreen::MiddleButton);
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::ShotMade, Kind::Steal}));
    // The steal is recorded even where the mask has no zone.
    before = mark();
    homeClick({620, 400}, TCourtScreen::MiddleButton);
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Steal});
    // Without a selected player nothing is recorded and the marker goes.
    homeClick(item(QStringLiteral("lblCsapat1CsapatP")).Rect.center());
    before = mark();
    homeClick({501, 355}, TCourtScreen::MiddleButton);
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_FALSE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
}

TEST_F(ShotEntry, ShotKindLabelFollowsThePointer)
{
    screen.SystemMouseMove({501, 129});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QStringLiteral("dunk"));
    screen.SystemMouseMove({501, 355});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QStringLiteral("2 pointer"));
    screen.SystemMouseMove({100, 355});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QString());
    // The home label follows the home pointer only.
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekHomeTeam")), QString());
    screen.HomePointerReport({501, 420}, 0);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekHomeTeam")), QStringLiteral("Layup"));
    screen.HomePointerReport({388, 457}, 0);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekHomeTeam")), QStringLiteral("3 pointer"));
}

TEST_F(ShotEntry, OneShotKindLabelStandsBesideTheSystemMouse)
{
    settings.SetValue(QStringLiteral("SYSTEM_MOUSE"), QStringLiteral("SYSTEM_MOUSE_USE"));
    const QString home = QStringLiteral("lblPontErtekHomeTeam");
    const QString away = QStringLiteral("lblPontErtekAwayTeam");
    const QRect court = screen.Items().Find(QStringLiteral("imgCourtVertical"))->Rect;
    const struct
    {
        bool horizontal;
        QPoint point;
        const QString &shown, &empty;
    } cases[] = {
        {false, {501, 420}, home, away}, {false, {610, 440}, home, away}, {false, {501, 129}, away, home},
        {false, {390, 270}, away, home}, {true, {343, 288}, home, away},  {true, {670, 200}, away, home},
    };
    for (const auto &c : cases) {
        screen.SetCourtOrientation(c.horizontal);
        screen.SystemMouseMove(c.point);
        const TScreenItem &label = *screen.Items().Find(c.shown);
        EXPECT_FALSE(label.Text.isEmpty()) << c.point.x() << "," << c.point.y();
        EXPECT_TRUE(screen.ItemText(c.empty).isEmpty()) << c.point.x() << "," << c.point.y();
        // Beside the pointer and on the court picture.
        const QRect near = QRect(c.point, QSize(1, 1)).adjusted(-20, -20, 20, 20);
        EXPECT_TRUE(label.Rect.intersects(near)) << c.point.x() << "," << c.point.y();
        EXPECT_TRUE(court.contains(label.Rect)) << c.point.x() << "," << c.point.y();
    }
}

TEST_F(ShotEntry, NoShotKindLabelDuringTheIntermissionUnlessAltIsHeld)
{
    screen.SetEventsLocked(true);
    screen.SystemMouseMove({501, 220});
    screen.HomePointerReport({501, 420}, 0);
    EXPECT_TRUE(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")).isEmpty());
    EXPECT_TRUE(screen.ItemText(QStringLiteral("lblPontErtekHomeTeam")).isEmpty());
    screen.KeyPress(TKeyboardMap::Alt);
    screen.SystemMouseMove({501, 221});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QStringLiteral("2 pointer"));
}
