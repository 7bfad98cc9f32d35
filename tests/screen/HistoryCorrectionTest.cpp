#include "ScreenFixture.h"
#include "desktop/court/IHistoryDialogs.h"
#include "desktop/court/input/TKeyboardMap.h"
#include "workflow/history/TChangeEventLogic.h"

namespace {

// Answers the history's dialogs as a test tells it, and remembers what they showed.
class ScriptedDialogs : public IHistoryDialogs
{
public:
    bool SelectPlayer(const QString &teamName, const QList<THistoryChoice> &players, int *value) override
    {
        ShownTeam = teamName;
        Shown = players;
        ++Opened;
        *value = Answer;
        return Ok;
    }
    bool SelectEvent(const QList<THistoryChoice> &events, int *value) override
    {
        Shown = events;
        ++Opened;
        *value = Answer;
        return Ok;
    }
    bool SelectEventId(int *value) override
    {
        ++Opened;
        *value = Answer;
        return Ok;
    }
    bool ChangeEvent(TChangeEventLogic &logic) override
    {
        ++Opened;
        ActorText = logic.ActorText();
        if (Drive)
            Drive(logic);
        return Ok && logic.OkEnabled();
    }

    bool Ok = true;
    int Answer = 0;
    int Opened = 0;
    QString ShownTeam;
    QString ActorText;
    QList<THistoryChoice> Shown;
    std::function<void(TChangeEventLogic &)> Drive;
};

} // namespace

class HistoryCorrection : public ScreenFixture
{
protected:
    void SetUp() override
    {
        screen.SetHistoryDialogs(&dialogs);
        OpenGame();
    }

    // Texts of the nine visible lines of a side, empty lines left out.
    QStringList visible(int side) const
    {
        QStringList lines;
        for (int k = 1; k <= 9; ++k) {
            const QString text = screen.ItemText(TScreenHistory::LineLabel(side, k));
            if (!text.isEmpty())
                lines.append(text);
        }
        return lines;
    }
    QPoint lineCentre(int side, int k) const { return centreOf(TScreenHistory::LineLabel(side, k)); }
    int deletions() const
    {
        int n = 0;
        for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
            n += e.Event->Message.contains(QStringLiteral("kod=5000")) ? 1 : 0;
        return n;
    }

    ScriptedDialogs dialogs;
};

TEST_F(HistoryCorrection, DeleteButtonsOfBothSides)
{
    run(QStringLiteral("select home 4\nevent home 1002\nselect home 7\nevent home 1001"));
    run(QStringLiteral("select away 5\nevent away 1002\nselect away 8\nevent away 1001"));
    const int saves = store.Saves;
    // Home: select line 2 with the pointer, then the delete button (hot region 20).
    homeClick(lineCentre(1, 2));
    ASSERT_EQ(screen.History(1).SelectedId(), screen.History(1).Entries().at(1).Event.Id);
    homeClick(QPoint(230, 157));
    EXPECT_EQ(visible(1),
              (QStringList{QStringLiteral("1: +15 sec"), QStringLiteral("3: 0.m 7 Nagy: védőlepattanó")}));
    EXPECT_EQ(player(1, 4).Steals, 0);
    EXPECT_EQ(screen.History(1).SelectedId(), -1);
    // Away: select line 3 with the system mouse, then the delete button.
    awayClick(lineCentre(2, 3));
    awayClick(QPoint(940, 607));
    EXPECT_EQ(player(2, 8).DefRebounds, 0);
    EXPECT_EQ(player(2, 5).Steals, 1);
    EXPECT_EQ(deletions(), 2);
    EXPECT_GT(store.Saves, saves);
}

TEST_F(HistoryCorrection, RightClickOnTheDeleteButtonsRemovesTheLastEvent)
{
    run(QStringLiteral("select home 4\nevent home 1002\nselect away 5\nevent away 1006"));
    homeClick(QPoint(230, 157), TCourtScreen::RightButton);
    EXPECT_EQ(player(1, 4).Steals, 0);
    awayClick(QPoint(940, 607), TCourtScreen::RightButton);
    EXPECT_EQ(player(2, 5).OffRebounds, 0);
    EXPECT_EQ(deletions(), 2);
    // Only the tick lines are left, and they stay.
    homeClick(QPoint(230, 157), TCourtScreen::RightButton);
    awayClick(QPoint(940, 607), TCourtScreen::RightButton);
    EXPECT_EQ(deletions(), 2);
    EXPECT_EQ(visible(1), QStringList{QStringLiteral("1: +15 sec")});
    EXPECT_EQ(visible(2), QStringList{QStringLiteral("1: +15 sec")});
}

TEST_F(HistoryCorrection, DeletionsWorkInTheIntermission)
{
    run(QStringLiteral("select home 4\nevent home 1002\nselect home 7\nevent home 1002"));
    run(QStringLiteral("select away 5\nevent away 1002"));
    screen.SetEventsLocked(true);
    homeClick(lineCentre(1, 2));
    homeClick(QPoint(230, 157));
    EXPECT_EQ(player(1, 4).Steals, 0);
    homeClick(QPoint(230, 157), TCourtScreen::RightButton);
    EXPECT_EQ(player(1, 7).Steals, 0);
    awayClick(QPoint(940, 607), TCourtScreen::RightButton);
    EXPECT_EQ(player(2, 5).Steals, 0);
    EXPECT_EQ(deletions(), 3);
    EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join(u'|').toStdString();
}

// A delete that deletes nothing says why.
TEST_F(HistoryCorrection, ARefusedDeletionSaysWhy)
{
    homeClick(QPoint(230, 157)); // nothing selected
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_TRUE(prompter.Messages.last().contains(QStringLiteral("click the line")))
        << prompter.Messages.last().toStdString();
    homeClick(lineCentre(1, 1)); // the tick's line
    homeClick(QPoint(230, 157));
    ASSERT_EQ(prompter.Messages.size(), 2);
    EXPECT_TRUE(prompter.Messages.last().contains(QStringLiteral("cannot be deleted")));
    awayClick(QPoint(940, 607), TCourtScreen::RightButton); // the last line is the tick
    EXPECT_EQ(prompter.Messages.size(), 3);
    EXPECT_EQ(deletions(), 0);
}

class HistoryKeys : public HistoryCorrection
{
protected:
    void SetUp() override
    {
        screen.SetHistoryDialogs(&dialogs);
        OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    }
};

TEST_F(HistoryKeys, F8AndF11DeleteTheSelectedEvents)
{
    for (int i = 0; i < 10; ++i)
        run(QStringLiteral("select home 4\nevent home 1002"));
    run(QStringLiteral("select away 5\nevent away 1002"));
    screen.History(1).LineUp();
    homeClick(lineCentre(1, 9)); // line 10 of 11
    const int current = screen.History(1).Table().Current();
    key(TKeyboardMap::F8);
    EXPECT_EQ(player(1, 4).Steals, 9);
    // Deleting positions the box at the end, and F8 then moves one line up.
    EXPECT_EQ(screen.History(1).Table().Current(), current - 1);
    key(TKeyboardMap::F11); // nothing selected away
    EXPECT_EQ(player(2, 5).Steals, 1);
    EXPECT_EQ(prompter.Messages.size(), 1);
    awayClick(lineCentre(2, 2));
    // The intermission does not stop a correction.
    screen.SetEventsLocked(true);
    key(TKeyboardMap::F11);
    EXPECT_EQ(player(2, 5).Steals, 0);
    EXPECT_EQ(deletions(), 2);
}

TEST_F(HistoryCorrection, FiltersThroughTheirButtons)
{
    run(QStringLiteral(
        "select home 4\nshot home made close 100 300\nselect home 7\nshot home made mid 80 250"));
    run(QStringLiteral("select home 4\nevent home 1002\nshot home missed three 20 200"));
    // Event filter "sikeres dobás": made shots only.
    dialogs.Answer = Kind::ShotMade;
    homeClick(QPoint(130, 157));
    ASSERT_EQ(dialogs.Shown.size(), 12);
    EXPECT_EQ(dialogs.Shown.at(10), (THistoryChoice{QStringLiteral("sikeres dobás"), Kind::ShotMade}));
    EXPECT_EQ(visible(1), (QStringList{QStringLiteral("2: 0.m 4 Kovacs: sikeres közeli"),
                                       QStringLiteral("3: 0.m 7 Nagy: sikeres középtávoli")}));
    // And the player filter on top: Kovacs's made shots.
    dialogs.Answer = 11;
    homeClick(QPoint(50, 157));
    EXPECT_EQ(dialogs.ShownTeam, QStringLiteral("Home Team"));
    EXPECT_EQ(dialogs.Shown.first(), (THistoryChoice{QStringLiteral("4 KOVACS Janos"), 11}));
    EXPECT_EQ(visible(1), QStringList{QStringLiteral("2: 0.m 4 Kovacs: sikeres közeli")});
    // Both buttons show the filter that is on.
    auto mark = [this](bool player) {
        const bool shown = screen.ItemVisible(TScreenLayout::HistoryFilterFrame(1, player));
        EXPECT_EQ(screen.ItemVisible(TScreenLayout::HistoryFilterLabel(1, player)), shown);
        return shown ? screen.ItemText(TScreenLayout::HistoryFilterLabel(1, player)) : QString();
    };
    EXPECT_EQ(mark(true), QStringLiteral("4 Kovacs"));
    EXPECT_EQ(mark(false), QStringLiteral("sikeres dobás"));
    // A second press switches a filter off without asking.
    const int opened = dialogs.Opened;
    homeClick(QPoint(130, 157));
    EXPECT_EQ(mark(false), QString());
    EXPECT_EQ(mark(true), QStringLiteral("4 Kovacs"));
    EXPECT_EQ(dialogs.Opened, opened);
    EXPECT_EQ(visible(1).size(), 3);
    homeClick(QPoint(50, 157));
    EXPECT_EQ(visible(1).size(), 5);
    EXPECT_EQ(mark(true), QString());
    // Cancel leaves the filter off.
    dialogs.Ok = false;
    awayClick(QPoint(830, 607));
    EXPECT_FALSE(game.AwayTeam().Filter.EventFilter);
    EXPECT_EQ(dialogs.Opened, opened + 1);
}

TEST_F(HistoryCorrection, GoToALineNumber)
{
    for (int i = 0; i < 12; ++i)
        run(QStringLiteral("select away 5\nevent away 1001"));
    dialogs.Answer = 4;
    awayClick(QPoint(890, 607));
    const int id = screen.History(2).Entries().at(3).Event.Id;
    EXPECT_EQ(screen.History(2).SelectedId(), id);
    EXPECT_TRUE(visible(2).first().startsWith(QStringLiteral("4: ")));
    EXPECT_TRUE(screen.Items().Find(TScreenHistory::LineLabel(2, 1))->Bold);
    // A number that names no line keeps the selection and says why: beyond
    // the last line, or a deleted one.
    dialogs.Answer = 99;
    awayClick(QPoint(890, 607));
    EXPECT_EQ(screen.History(2).SelectedId(), id);
    ASSERT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(prompter.Messages.last(),
              QStringLiteral("There is no line 99: the lines of this history are numbered 1 to 13."));
    awayClick(QPoint(940, 607)); // deletes line 4
    dialogs.Answer = 4;
    awayClick(QPoint(890, 607));
    ASSERT_EQ(prompter.Messages.size(), 2);
    EXPECT_EQ(prompter.Messages.last(), QStringLiteral("Line 4 was deleted; its number is not given again."));
    // Nor is a deleted last line's number given again.
    awayClick(QPoint(940, 607), TCourtScreen::RightButton);
    run(QStringLiteral("select away 5\nevent away 1001"));
    EXPECT_EQ(screen.History(2).Entries().last().Number, 14);
}

TEST_F(HistoryCorrection, RightClickOnALineOpensTheChangeDialog)
{
    run(QStringLiteral("select home 7\nevent home 1002"));
    dialogs.Drive = [](TChangeEventLogic &logic) {
        ASSERT_EQ(logic.Actors().first().Text, QStringLiteral("Csapat"));
        logic.ChooseActor(0);
    };
    const int saves = store.Saves;
    homeClick(lineCentre(1, 2), TCourtScreen::RightButton);
    EXPECT_EQ(dialogs.ActorText, QStringLiteral("7 NAGY Bence"));
    EXPECT_EQ(player(1, 7).Steals, 0);
    EXPECT_EQ(game.HomeTeam().TeamLine.Steals, 1);
    EXPECT_EQ(visible(1).last(), QStringLiteral("2: 0.p Csapat labdaszerzés"));
    EXPECT_GT(store.Saves, saves);
    // A left click only selects.
    const int opened = dialogs.Opened;
    homeClick(lineCentre(1, 2));
    EXPECT_EQ(dialogs.Opened, opened);
}

TEST_F(HistoryCorrection, KindsTheDialogCannotExpressAreRefused)
{
    run(QStringLiteral("timeout away"));
    for (int line : {1, 2}) {
        SCOPED_TRACE(line);
        prompter.Messages.clear();
        awayClick(lineCentre(2, line), TCourtScreen::RightButton);
        EXPECT_EQ(dialogs.Opened, 0);
        // The refusal says why and what to do instead: the tick's line, then the timeout's.
        ASSERT_EQ(prompter.Messages.size(), 1);
        EXPECT_EQ(prompter.Messages.first(),
                  TEventCorrection::RefusalText() + QLatin1Char('\n') +
                      TEventCorrection::RefusalReason(line == 1 ? Kind::ClockStep : Kind::Timeout));
    }
}

TEST_F(HistoryCorrection, CancelChangesNothing)
{
    run(QStringLiteral("select away 8\nshot away made three 40 60"));
    const int queued = game.OutgoingQueue.Count();
    dialogs.Ok = false;
    dialogs.Drive = [](TChangeEventLogic &logic) { logic.PressButton(Kind::Block); };
    awayClick(lineCentre(2, 2), TCourtScreen::RightButton);
    EXPECT_EQ(dialogs.Opened, 1);
    EXPECT_EQ(player(2, 8).Points, 3);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
}

TEST_F(HistoryCorrection, DeletingAfterAChangeFollowsTheNewActor)
{
    run(QStringLiteral("teammode away\nevent away 1007"));
    dialogs.Drive = [](TChangeEventLogic &logic) {
        // The team event's list has no "Csapat": the players of the team only.
        ASSERT_EQ(logic.Actors().size(), 4);
        logic.ChooseActor(1); // 08 VARGA Levente
    };
    awayClick(lineCentre(2, 2), TCourtScreen::RightButton);
    EXPECT_EQ(player(2, 8).Turnovers, 1);
    EXPECT_EQ(game.AwayTeam().TeamLine.Turnovers, 0);
    awayClick(QPoint(940, 607), TCourtScreen::RightButton);
    EXPECT_EQ(player(2, 8).Turnovers, 0);
    EXPECT_EQ(game.AwayTeam().Data.Totals.Turnovers, 0);
}
