#include "ScreenFixture.h"

// The keyboard map with INPUT set to keyboard input.
class KeyboardEntry : public ScreenFixture
{
protected:
    void SetUp() override { OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD")); }
    bool visible(const char *name) const { return screen.ItemVisible(QString::fromLatin1(name)); }
};

TEST_F(KeyboardEntry, HotkeysOfTheRosters)
{
    EXPECT_EQ(screen.HotkeySlots(1), (TKeyboardMap::Slots{4, 7, 10, 15}));
    EXPECT_EQ(screen.HotkeySlots(2), (TKeyboardMap::Slots{5, 8, 12, 21}));
    key('W'); // home slot 3: jersey 10
    EXPECT_EQ(screen.KeyboardTeam, 1);
    ASSERT_NE(game.HomeTeam().ActivePlayer(), nullptr);
    EXPECT_EQ(game.HomeTeam().ActivePlayer()->JatekosMezSzam, 10);
    key(TKeyboardMap::LeftBracket); // away slot 3: jersey 12
    EXPECT_EQ(screen.KeyboardTeam, 2);
    EXPECT_EQ(game.AwayTeam().ActivePlayer()->JatekosMezSzam, 12);
    // Choosing an away player drops the home selection and its highlight.
    EXPECT_EQ(game.HomeTeam().ActivePlayer(), nullptr);
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblCsapat1MezSzam_3"))->Color, TCourtScreen::Black);
}

TEST_F(KeyboardEntry, EventKeysNeedAnAddressedTeam)
{
    const int before = mark();
    key('5');
    EXPECT_TRUE(kindsSince(before).isEmpty());
    key(TKeyboardMap::Tab);
    key('5');
    key('0');
    key(TKeyboardMap::Minus);
    EXPECT_EQ(kindsSince(before),
              (QList<int>{Kind::PersonalFoul, Kind::DefensiveRebound, Kind::OffensiveRebound}));
    EXPECT_EQ(player(1, 4).PersonalFouls, 1);
    // The highlight is cleared after an event key; the selection stays.
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblCsapat1JatekosNev_1"))->Color, TCourtScreen::Black);
    EXPECT_NE(game.HomeTeam().ActivePlayer(), nullptr);
}

TEST_F(KeyboardEntry, FastBreakKeySwitchesTheMark)
{
    key(TKeyboardMap::Backslash);
    key('4');
    EXPECT_TRUE(game.AwayTeam().FastBreak);
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblFastBreak2"))->Color, 0xffff0000u);
    key('4');
    EXPECT_FALSE(game.AwayTeam().FastBreak);
}

TEST_F(KeyboardEntry, IntermissionRefusesEventKeysUnlessAltIsHeld)
{
    key(TKeyboardMap::Tab);
    screen.SetEventsLocked(true);
    const int before = mark();
    key('1');
    EXPECT_TRUE(kindsSince(before).isEmpty());
    screen.KeyPress(TKeyboardMap::Alt);
    key('1');
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Steal});
    // The lock override ends with the release of a key.
    EXPECT_FALSE(screen.LockOverride);
}

TEST_F(KeyboardEntry, ShotKeyRecordsNearItsPoint)
{
    key(TKeyboardMap::Tab);
    for (int i = 0; i < 20; ++i) {
        const int before = mark();
        key('B');
        ASSERT_EQ(kindsSince(before), QList<int>{Kind::ShotMissed});
        const TGameEvent *shot = lastEvent(Kind::ShotMissed);
        EXPECT_EQ(shot->Detail, ShotKind::Three);
        // (590, 360) on the screen is court point (210, 253); the offset is -9 to 10.
        const int x = field(shot, QStringLiteral("x"));
        const int y = field(shot, QStringLiteral("y"));
        EXPECT_GE(x, 210 - 9);
        EXPECT_LE(x, 210 + 10);
        EXPECT_GE(y, 253 - 9);
        EXPECT_LE(y, 253 + 10);
        const QRect marker = screen.Items().Find(QStringLiteral("imgSikertelenDobasCsapat1"))->Rect;
        EXPECT_EQ(marker.topLeft(), QPoint(380 + x - 5, 107 + y - 5));
    }
    // Shift makes it a made shot; T and Y are exact.
    const int before = mark();
    key('T', true);
    ASSERT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    EXPECT_EQ(lastEvent(Kind::ShotMade)->Detail, ShotKind::Close);
    EXPECT_EQ(field(lastEvent(Kind::ShotMade), QStringLiteral("x")), 517 - 380);
    EXPECT_EQ(field(lastEvent(Kind::ShotMade), QStringLiteral("y")), 452 - 107);
}

TEST_F(KeyboardEntry, FreeThrowKey)
{
    key(TKeyboardMap::RightBracket);
    const int before = mark();
    key('U', true);
    key('U');
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::ShotMade, Kind::ShotMissed}));
    EXPECT_EQ(player(2, 8).FreeThrowsMade, 1);
    EXPECT_EQ(player(2, 8).FreeThrowsMissed, 1);
}

TEST_F(KeyboardEntry, SubstitutionWithF2AndABenchHotkey)
{
    key(TKeyboardMap::Tab); // jersey 4, on court
    key(TKeyboardMap::F2);
    EXPECT_TRUE(screen.SubstitutionMode);
    EXPECT_TRUE(visible("lblSubst"));
    // While substituting, event keys do nothing.
    int before = mark();
    key('1');
    EXPECT_TRUE(kindsSince(before).isEmpty());
    key('E'); // jersey 15, on the bench
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Substitution});
    EXPECT_FALSE(screen.SubstitutionMode);
    EXPECT_FALSE(visible("lblSubst"));
    EXPECT_EQ(game.HomeTeam().OnCourt.IndexOf(QStringLiteral("15")), 2);
    EXPECT_EQ(game.HomeTeam().Bench.IndexOf(QStringLiteral("04")), 0);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1MezSzam_6")), QStringLiteral("4"));
}

TEST_F(KeyboardEntry, BenchHotkeyWithoutAPlayerOnCourtShowsNotOnCourt)
{
    key(TKeyboardMap::F2);
    const int before = mark();
    key('E');
    EXPECT_TRUE(visible("lblHazaiCsapatJatekos"));
    EXPECT_FALSE(screen.SubstitutionMode);
    EXPECT_FALSE(visible("lblSubst"));
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_EQ(game.HomeTeam().Bench.Count(), 1);
    // The next key release hides the message.
    key('Z');
    EXPECT_FALSE(visible("lblHazaiCsapatJatekos"));
}

TEST_F(KeyboardEntry, TeamRowKeysSwitchTheAddressedTeam)
{
    key('Q'); // home jersey 7
    key(TKeyboardMap::F9);
    EXPECT_EQ(screen.KeyboardTeam, 2);
    EXPECT_TRUE(game.AwayTeam().TeamEventMode);
    EXPECT_EQ(game.HomeTeam().ActivePlayer(), nullptr);
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblCsapat2CsapatIBM"))->Color, TCourtScreen::Orange);
    const int before = mark();
    key('0');
    ASSERT_EQ(kindsSince(before), QList<int>{Kind::DefensiveRebound});
    EXPECT_EQ(lastEvent(Kind::DefensiveRebound)->Side, Side::AwayTeam);
    key(TKeyboardMap::F6);
    EXPECT_EQ(screen.KeyboardTeam, 1);
    EXPECT_FALSE(game.AwayTeam().TeamEventMode);
    key('2');
    EXPECT_EQ(lastEvent(Kind::Turnover)->Side, Side::HomeTeam);
}

TEST_F(KeyboardEntry, ClockAndTimeoutKeys)
{
    ASSERT_EQ(game.Clock, 1);
    key(TKeyboardMap::F4);
    EXPECT_EQ(game.Clock, 2);
    key(TKeyboardMap::F3);
    EXPECT_EQ(game.Clock, 4);
    const int before = mark();
    key(TKeyboardMap::F7);
    key(TKeyboardMap::F10);
    EXPECT_EQ(kindsSince(before), (QList<int>{Kind::Timeout, Kind::Timeout}));
    EXPECT_EQ(lastEvent(Kind::Timeout)->Side, Side::AwayTeam);
    while (game.Clock < 20)
        key(TKeyboardMap::F3);
    // The period's time is out: F3 does nothing, F4 asks.
    key(TKeyboardMap::F3);
    EXPECT_EQ(game.Clock, 20);
    prompter.Answer = false;
    key(TKeyboardMap::F4);
    EXPECT_EQ(game.PeriodsEnded, 0);
    prompter.Answer = true;
    key(TKeyboardMap::F4);
    EXPECT_EQ(game.PeriodsEnded, 1);
    EXPECT_EQ(lastEvent(Kind::PeriodEnd)->Detail, 2);
}

class SerialMouseKeys : public ScreenFixture
{
};

TEST_F(SerialMouseKeys, KeyMapIsOnlyForKeyboardInput)
{
    OpenGame();
    const int before = mark();
    key(TKeyboardMap::Tab);
    key(TKeyboardMap::F4);
    key('1');
    EXPECT_EQ(screen.KeyboardTeam, 0);
    EXPECT_TRUE(kindsSince(before).isEmpty());
    EXPECT_EQ(game.Clock, 1);
}

TEST_F(SerialMouseKeys, FourToFifteenTakeTheSlotsInOrder)
{
    run(QStringLiteral(R"(
player home id=15 webid=H15 jersey=5 name="A Five" bench
player home id=16 webid=H16 jersey=6 name="A Six" bench
player home id=17 webid=H17 jersey=8 name="An Eight" bench
player home id=18 webid=H18 jersey=9 name="A Nine" bench
player home id=19 webid=H19 jersey=11 name="An Eleven" bench
player home id=20 webid=H20 jersey=12 name="A Twelve" bench
player home id=21 webid=H21 jersey=13 name="A Thirteen" bench
player home id=22 webid=H22 jersey=14 name="A Fourteen" bench
)"));
    OpenGame();
    EXPECT_EQ(screen.HotkeySlots(1), (TKeyboardMap::Slots{4, 5, 6, 7}));
}
