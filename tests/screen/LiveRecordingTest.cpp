#include "ScreenFixture.h"
#include "desktop/court/input/ScreenCodes.h"
#include "desktop/court/input/TShiftDecoder.h"
#include "model/corrections/TEventCorrection.h"

#include <QMetaObject>

#include <functional>

// What the operator can trust while recording: the court shows only what was
// recorded, an input that records nothing says why, and the type lists, the
// markers and the shifted keys do what they show.
class LiveRecording : public ScreenFixture
{
protected:
    void SetUp() override
    {
        game.TurnoverTypes = {{QStringLiteral("Bad pass"), 31},
                              {QStringLiteral("Travelling"), 32},
                              {QStringLiteral("Double dribble"), 33}};
        game.FoulTypes = {{QStringLiteral("Shooting"), 41}, {QStringLiteral("Offensive"), 42}};
    }
    const TScreenItem &item(const QString &name) const { return *screen.Items().Find(name); }
    bool anyMarker() const
    {
        for (const char *name : {"imgSikeresDobasCsapat1", "imgSikeresDobasCsapat2",
                                 "imgSikertelenDobasCsapat1", "imgSikertelenDobasCsapat2"})
            if (item(QString::fromLatin1(name)).Visible)
                return true;
        return false;
    }
    QString historyLine(int side, int id)
    {
        const TSideHistory::Entry *entry = screen.History(side).Log().Find(id);
        return entry ? entry->Text : QString();
    }
    QPoint region(int number) const
    {
        const THotRegion &r = screen.HotRegions().At(number);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(LiveRecording, BeforeTheFirstClockStepNothingIsDrawnAndTheCourtSaysWhy)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"), false);
    const struct
    {
        const char *input;
        std::function<void()> act;
    } inputs[] = {
        {"home made shot",
         [&] {
             homeClick({501, 420});
         }},
        {"away missed shot",
         [&] {
             awayClick({450, 200}, TCourtScreen::RightButton);
         }},
        {"away middle button",
         [&] {
             awayClick({450, 200}, TCourtScreen::MiddleButton);
         }},
        {"away event button", [&] { awayClick(centreOf(QStringLiteral("imgLabdaszerzesAwayTeam"))); }},
        {"home free throw",
         [&] {
             homeClick({390, 480});
         }},
        {"away timeout", [&] { awayClick(centreOf(QStringLiteral("imgIdokeresAwayTeam"))); }},
        {"shot key", [&] { key(TKeyboardMap::Backslash), key('B', true); }},
        {"event key", [&] { key(TKeyboardMap::Backslash), key('1'); }},
    };
    for (const auto &in : inputs) {
        SCOPED_TRACE(in.input);
        select(1, 4);
        select(2, 5);
        screen.HideNotice();
        const int before = mark();
        in.act();
        EXPECT_TRUE(kindsSince(before).isEmpty());
        EXPECT_FALSE(anyMarker());
        EXPECT_EQ(screen.Notice(), TCourtScreen::NotStartedText());
    }
    // Nor does the pointer name a shot zone a click would not record.
    screen.SystemMouseMove({450, 200});
    EXPECT_TRUE(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")).isEmpty());

    // The first clock step opens the game: the same click records and draws.
    awayClick(centreOf(QStringLiteral("imgAwayAddTime")));
    select(1, 4);
    const int before = mark();
    homeClick({501, 420});
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::ShotMade});
    EXPECT_TRUE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
    EXPECT_TRUE(screen.Notice().isEmpty());
}

TEST_F(LiveRecording, AnInputWithoutItsActorSaysWhatIsMissing)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    const struct
    {
        const char *input;
        std::function<void()> act;
        QString notice;
    } inputs[] = {
        {"away event button, nobody selected", [&] { awayClick(centreOf(QStringLiteral("imgGolpCsapat2"))); },
         TCourtScreen::NoActorText()},
        {"away shot, nobody selected",
         [&] {
             awayClick({450, 200});
         },
         TCourtScreen::ShotNeedsPlayerText()},
        {"home shot, team row selected",
         [&] {
             homeClick(centreOf(QStringLiteral("lblCsapat1CsapatP")));
             homeClick({501, 420});
         },
         TCourtScreen::ShotNeedsPlayerText()},
        {"event key, no team addressed", [&] { key('5'); }, TCourtScreen::NoKeyboardTeamText()},
        {"shot key, no team addressed", [&] { key('H', true); }, TCourtScreen::NoKeyboardTeamText()},
        {"point outside the zones",
         [&] {
             select(1, 4), homeClick({620, 400});
         },
         TCourtScreen::NoZoneText()},
        {"type key without a list", [&] { key(TKeyboardMap::Tab), key(TKeyboardMap::Numpad0 + 1); },
         TCourtScreen::NoTypeListText()},
        {"a player's indirect steal outside the Hebrew edition",
         [&] {
             run(QStringLiteral("set VERSION=HUN"));
             key(TKeyboardMap::Tab), key(TKeyboardMap::Equals);
         },
         TCourtScreen::PlayerIndirectStealText()},
        {"a bench player's key outside substitution mode", [&] { key(TKeyboardMap::Tab), key('E'); },
         TCourtScreen::OnTheBenchText()},
        {"a bench row clicked in substitution mode, nobody on court selected",
         [&] {
             key(TKeyboardMap::F2);
             homeClick(centreOf(TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), 6)));
         },
         TCourtScreen::WhoGoesOffText()},
    };
    for (const auto &in : inputs) {
        SCOPED_TRACE(in.input);
        screen.HideNotice();
        const int before = mark();
        in.act();
        EXPECT_TRUE(kindsSince(before).isEmpty());
        EXPECT_FALSE(anyMarker());
        EXPECT_EQ(screen.Notice(), in.notice);
        game.HomeTeam().ClearSelection();
        game.HomeTeam().TeamEventMode = false;
        screen.KeyboardTeam = 0;
        screen.SubstitutionMode = false;
    }
    // The notice goes with time, and with the next event that records.
    key('5');
    ASSERT_FALSE(screen.Notice().isEmpty());
    EXPECT_TRUE(screen.NoticeTimer().isActive());
    QMetaObject::invokeMethod(&screen.NoticeTimer(), "timeout");
    EXPECT_TRUE(screen.Notice().isEmpty());
    key('5');
    key(TKeyboardMap::Tab);
    key('5');
    EXPECT_EQ(lastEvent(Kind::PersonalFoul)->PlayerId, 11);
    EXPECT_TRUE(screen.Notice().isEmpty());
}

TEST_F(LiveRecording, ADeletedOrChangedShotLeavesTheCourt)
{
    OpenGame();
    select(1, 4);
    select(2, 5);
    homeClick({501, 420});
    const int shot = lastEvent(Kind::ShotMade)->Id;
    awayClick({450, 200}, TCourtScreen::RightButton);
    const int miss = lastEvent(Kind::ShotMissed)->Id;
    awayClick(centreOf(QStringLiteral("imgLabdaszerzesAwayTeam")));
    ASSERT_TRUE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
    ASSERT_TRUE(item(QStringLiteral("imgSikertelenDobasCsapat2")).Visible);

    // Deleting another event keeps the markers.
    ASSERT_TRUE(screen.SelectLastHistoryEntry(2));
    screen.DeleteSelectedEvent(2);
    EXPECT_TRUE(item(QStringLiteral("imgSikertelenDobasCsapat2")).Visible);
    // The home shot deleted: its marker goes, the away one stays.
    screen.History(1).Log().SelectedId = shot;
    screen.DeleteSelectedEvent(1);
    ASSERT_FALSE(screen.HasHistoryEntry(1, shot));
    EXPECT_FALSE(item(QStringLiteral("imgSikeresDobasCsapat1")).Visible);
    EXPECT_TRUE(item(QStringLiteral("imgSikertelenDobasCsapat2")).Visible);
    // The away miss changed into a steal: its marker goes too.
    TEventChange change;
    change.Kind = Kind::Steal;
    QString error;
    ASSERT_TRUE(screen.ChangeHistoryEvent(2, miss, change, &error)) << error.toStdString();
    EXPECT_FALSE(item(QStringLiteral("imgSikertelenDobasCsapat2")).Visible);
}

TEST_F(LiveRecording, TheKeyHelpLiesOverTheShotMarkers)
{
    OpenGame();
    select(1, 4);
    homeClick({501, 420});
    key(TKeyboardMap::F1);
    ASSERT_TRUE(screen.KeyHelpShown());
    const TScreenItem *top = nullptr;
    for (const TScreenItem *i : screen.Items().PaintOrder())
        if (i->Visible)
            top = i;
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Name, QStringLiteral("pnlKeyHelp"));
}

TEST_F(LiveRecording, TheWholeTypeRowChoosesAndTheChoiceShows)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    const QString home2 = QStringLiteral("lblHomeTeamAdditionalType2");
    select(1, 4);
    homeClick(region(HotRegionNumber::Turnover));
    const TGameEvent *turnover = lastEvent(Kind::Turnover);
    ASSERT_NE(turnover, nullptr);
    const QString line = historyLine(1, turnover->Id);

    // The bullet, not only the caption.
    homeClick(centreOf(QStringLiteral("imgHomeTeamAdditionalType2")));
    EXPECT_TRUE(turnover->Message.contains(QLatin1String("&tipus=32&")));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType1")));
    EXPECT_TRUE(item(home2).Bold);
    EXPECT_NE(item(home2).Color, item(QStringLiteral("lblHomeTeamAdditionalType1")).Color);
    EXPECT_EQ(historyLine(1, turnover->Id), line + QStringLiteral(" (Travelling)"));

    // Another entry corrects the choice, in the message, the list and the line.
    const int queued = game.OutgoingQueue.Count();
    homeClick(centreOf(QStringLiteral("imgHomeTeamAdditionalType3")));
    EXPECT_TRUE(turnover->Message.contains(QLatin1String("&tipus=33&")));
    EXPECT_EQ(game.OutgoingQueue.Count(), queued + 1);
    EXPECT_FALSE(item(home2).Bold);
    EXPECT_EQ(historyLine(1, turnover->Id), line + QStringLiteral(" (Double dribble)"));
    EXPECT_EQ(turnover->Text, line.section(QStringLiteral(": "), 1) + QStringLiteral(" (Double dribble)"));

    // The next event of the side closes the list.
    homeClick(region(HotRegionNumber::Steal));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblHomeTeamAdditionalType1")));

    // Away: the system mouse on the gap between bullet and caption.
    select(2, 12);
    awayClick(centreOf(QStringLiteral("imgFoultCsapat2")));
    const TGameEvent *foul = lastEvent(Kind::PersonalFoul);
    const QRect bullet = item(QStringLiteral("imgAwayTeamAdditionalType2")).Rect;
    awayClick({bullet.right() + 4, bullet.center().y()});
    EXPECT_TRUE(foul->Message.contains(QLatin1String("&tipus=42&")));

    // The keyboard: keypad digits choose from the addressed team's list.
    key(TKeyboardMap::Backslash);
    key('5');
    foul = lastEvent(Kind::PersonalFoul);
    key(TKeyboardMap::Numpad0 + 1);
    EXPECT_TRUE(foul->Message.contains(QLatin1String("&tipus=41&")));
    EXPECT_TRUE(historyLine(2, foul->Id).endsWith(QStringLiteral(" (Shooting)")));
}

// Keys act when released; Shift counts when it was held at any moment while
// the key was down, whichever of the two the operator lets go first.
TEST(ShiftDecoder, ShiftHeldAtAnyTimeWhileTheKeyIsDownCounts)
{
    enum Step
    {
        ShiftDown,
        ShiftUp,
        KeyDown,
        KeyDownShifted,
        KeyUp,
        KeyUpShifted
    };
    const struct
    {
        const char *order;
        QList<Step> steps;
        bool shifted;
    } cases[] = {
        {"no Shift", {KeyDown, KeyUp}, false},
        {"Shift around the key", {ShiftDown, KeyDownShifted, KeyUpShifted, ShiftUp}, true},
        {"Shift let go first", {ShiftDown, KeyDownShifted, ShiftUp, KeyUp}, true},
        {"Shift pressed after the key, let go last", {KeyDown, ShiftDown, KeyUpShifted, ShiftUp}, true},
        {"Shift pressed and let go while the key is down", {KeyDown, ShiftDown, ShiftUp, KeyUp}, true},
        {"Shift only before the key", {ShiftDown, ShiftUp, KeyDown, KeyUp}, false},
        {"Shift only after the key", {KeyDown, KeyUp, ShiftDown, ShiftUp}, false},
    };
    for (const auto &c : cases) {
        TShiftDecoder decoder;
        bool shifted = false;
        for (const Step s : c.steps) {
            switch (s) {
            case ShiftDown:
                decoder.Press(TKeyboardMap::Shift, true);
                break;
            case ShiftUp:
                decoder.Release(TKeyboardMap::Shift, false);
                break;
            case KeyDown:
            case KeyDownShifted:
                decoder.Press('B', s == KeyDownShifted);
                break;
            case KeyUp:
            case KeyUpShifted:
                shifted = decoder.Release('B', s == KeyUpShifted);
                break;
            }
        }
        EXPECT_EQ(shifted, c.shifted) << c.order;
    }
    // A shifted press does not carry over to the next press of the key.
    TShiftDecoder decoder;
    decoder.Press('B', true);
    decoder.Release('B', false);
    decoder.Press('B', false);
    EXPECT_FALSE(decoder.Release('B', false));
}
