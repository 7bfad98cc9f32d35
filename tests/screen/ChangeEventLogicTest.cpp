#include "ScreenFixture.h"
#include "workflow/history/TChangeEventLogic.h"
#include "workflow/history/THistoryChoices.h"

namespace {

// A stand-in mask: the three-point zone above y 50, close below, nothing right of x 200.
int zoneOf(QPoint p)
{
    if (p.x() > 200)
        return 0;
    return p.y() < 50 ? ShotKind::Three : ShotKind::Close;
}

} // namespace

class ChangeEventLogic : public ScreenFixture
{
protected:
    void SetUp() override { OpenGame(); }

    // The logic for the last entry of a side's history.
    TChangeEventLogic logicOfLast(int side, bool sortByName = false)
    {
        return TChangeEventLogic(screen.History(side).Entries().last().Event, game.Team(side), sortByName,
                                 QStringLiteral("Csapat"), zoneOf);
    }
};

TEST_F(ChangeEventLogic, InitialStateOfEachKind)
{
    const struct
    {
        const char *script;
        int side;
        int framed;
        TChangeEventLogic::Frame frame;
        bool marker;
        QRect markerRect;
    } cases[] = {
        {"select home 4\nevent home 1002", 1, Kind::Steal, TChangeEventLogic::Navy, false, {}},
        {"select away 5\nevent away 1009", 2, Kind::Block, TChangeEventLogic::Navy, false, {}},
        {"select home 4\nshot home made freethrow 0 0",
         1,
         TChangeEventLogic::FreeThrowButton,
         TChangeEventLogic::Navy,
         false,
         {}},
        // A home shot is turned to the picture's basket: 240 - 100 + 28, 360 - 300 + 15.
        {"select home 7\nshot home made mid 100 300", 1, 0, TChangeEventLogic::NoFrame, true,
         QRect(168, 75, 8, 8)},
        {"select away 8\nshot away missed three 40 60", 2, 0, TChangeEventLogic::NoFrame, true,
         QRect(67, 74, 10, 10)},
        {"select away 8\nevent away 1019", 2, 0, TChangeEventLogic::NoFrame, false, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.script);
        run(QString::fromLatin1(c.script));
        const TChangeEventLogic logic = logicOfLast(c.side);
        EXPECT_FALSE(logic.OkEnabled());
        EXPECT_EQ(logic.FramedButton(), c.framed);
        EXPECT_EQ(logic.FrameColour(), c.frame);
        EXPECT_EQ(logic.MarkerVisible(), c.marker);
        if (c.marker) {
            EXPECT_EQ(logic.MarkerRect(), c.markerRect);
        }
        EXPECT_EQ(logic.ChosenActor(), -1);
    }
}

TEST_F(ChangeEventLogic, ButtonsFrameTheNewKindInGreen)
{
    run(QStringLiteral("select home 4\nevent home 1002"));
    TChangeEventLogic logic = logicOfLast(1);
    logic.PressButton(Kind::Turnover);
    EXPECT_TRUE(logic.OkEnabled());
    EXPECT_EQ(logic.FramedButton(), Kind::Turnover);
    EXPECT_EQ(logic.FrameColour(), TChangeEventLogic::Green);
    // Back to its own kind: the initial state again.
    logic.PressButton(Kind::Steal);
    EXPECT_FALSE(logic.OkEnabled());
    EXPECT_EQ(logic.FrameColour(), TChangeEventLogic::Navy);
    logic.PressFreeThrow();
    EXPECT_EQ(logic.Kind(), Kind::ShotMade);
    EXPECT_EQ(logic.Detail(), ShotKind::FreeThrow);
    EXPECT_EQ(logic.FramedButton(), TChangeEventLogic::FreeThrowButton);
    EXPECT_EQ(logic.FrameColour(), TChangeEventLogic::Green);
    logic.Reset();
    EXPECT_FALSE(logic.OkEnabled());
    EXPECT_EQ(logic.Kind(), Kind::Steal);
    EXPECT_EQ(logic.FramedButton(), Kind::Steal);
}

TEST_F(ChangeEventLogic, PictureClicksMakeShots)
{
    run(QStringLiteral("select home 4\nevent home 1001"));
    const struct
    {
        QPoint click;
        bool left;
        bool taken;
        int kind, detail;
        QPoint court;
    } cases[] = {
        // Picture (130, 40) is court (100, 21) turned for the home basket: (140, 339).
        {{130, 40}, true, true, Kind::ShotMade, ShotKind::Three, {140, 339}},
        {{60, 119}, false, true, Kind::ShotMissed, ShotKind::Close, {210, 260}},
        // No zone under the point: the shot kind stays as it was.
        {{250, 119}, true, true, Kind::ShotMade, ShotKind::Close, {20, 260}},
        // Outside the court: nothing.
        {{30, 100}, true, false, Kind::ShotMade, ShotKind::Close, {20, 260}},
        {{100, 19}, true, false, Kind::ShotMade, ShotKind::Close, {20, 260}},
        {{100, 199}, true, false, Kind::ShotMade, ShotKind::Close, {20, 260}},
    };
    TChangeEventLogic logic = logicOfLast(1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.click.x() * 1000 + c.click.y());
        logic.ClickPicture(c.click, c.left);
        EXPECT_EQ(logic.Kind(), c.kind);
        EXPECT_EQ(logic.Detail(), c.detail);
        EXPECT_EQ(logic.CourtPoint(), c.court);
        EXPECT_TRUE(logic.OkEnabled());
        EXPECT_TRUE(logic.MarkerVisible());
        // A field goal frames no button: its marker shows it.
        EXPECT_EQ(logic.FramedButton(), 0);
        if (c.taken) {
            EXPECT_EQ(logic.MarkerRect().topLeft(),
                      c.click - QPoint(30, 19) + (c.left ? QPoint(28, 15) : QPoint(27, 14)));
        }
    }
    const TEventChange change = logic.Change();
    EXPECT_TRUE(change.HasPoint);
    EXPECT_EQ(QPoint(change.X, change.Y), QPoint(20, 260));
    EXPECT_FALSE(change.ActorChosen);
}

TEST_F(ChangeEventLogic, AwayPointsAreNotTurned)
{
    run(QStringLiteral("select away 5\nevent away 1001"));
    TChangeEventLogic logic = logicOfLast(2);
    logic.ClickPicture(QPoint(130, 40), true);
    EXPECT_EQ(logic.CourtPoint(), QPoint(100, 21));
}

TEST_F(ChangeEventLogic, ActorsAndTheTeam)
{
    run(QStringLiteral("select home 7\nshot home made close 100 300"));
    TChangeEventLogic byNumber = logicOfLast(1);
    EXPECT_EQ(byNumber.ActorText(), QStringLiteral("7 NAGY Bence"));
    QStringList texts;
    for (const TChangeEventLogic::Actor &a : byNumber.Actors())
        texts.append(a.Text);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Csapat"), QStringLiteral("04 KOVACS Janos"),
                                  QStringLiteral("10 FARKAS Mate"), QStringLiteral("15 BALOGH Adam")}));
    // A shot cannot go to the team.
    byNumber.ChooseActor(0);
    EXPECT_FALSE(byNumber.OkEnabled());
    byNumber.ChooseActor(3);
    EXPECT_TRUE(byNumber.OkEnabled());
    EXPECT_EQ(byNumber.Change().ActorId, 14);
    EXPECT_TRUE(byNumber.Change().ActorChosen);
    const TChangeEventLogic byName = logicOfLast(1, true);
    EXPECT_EQ(byName.Actors().at(1).Text, QStringLiteral("KOVACS Janos"));
}

TEST_F(ChangeEventLogic, DialogListsOfTheFilters)
{
    settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_NEV"));
    const QList<THistoryChoice> byName = HistoryChoices::Players(game.HomeTeam(), true);
    QStringList names;
    for (const THistoryChoice &c : byName)
        names.append(c.Text);
    EXPECT_EQ(names, (QStringList{QStringLiteral("15 BALOGH Adam"), QStringLiteral("10 FARKAS Mate"),
                                  QStringLiteral("4 KOVACS Janos"), QStringLiteral("7 NAGY Bence")}));
    EXPECT_EQ(HistoryChoices::Players(game.HomeTeam(), false).first().Value, 11);
    const struct
    {
        const char *text;
        int value;
    } numbers[] = {{"12", 12}, {" 7 ", 7}, {"abc", 0}, {"", 0}, {"3x", 0}};
    for (const auto &n : numbers)
        EXPECT_EQ(HistoryChoices::LineNumber(QString::fromLatin1(n.text)), n.value) << n.text;
}
