#include "GameFixture.h"

#include "model/corrections/TSubstitutionsLogic.h"

namespace {

using Logic = TSubstitutionsLogic;

// Home: 4, 5 and 7 on court, 9, 11 and 23 on the bench. The names run
// against the jersey order, so sorting by name reorders every list.
class Substitutions : public GameFixture
{
protected:
    void SetUp() override { game.SetStore(&store); }

    void roster(const QString &order = QStringLiteral("RENDEZES_MEZSZAM"))
    {
        settings.SetValue(QStringLiteral("RENDEZES"), order);
        run(QStringLiteral(R"(
game code=ABC1DEF2
team home id=1 webid=T1 name="Home Team" league=1
team away id=2 webid=T2 name="Away Team" league=1
player home id=104 webid=H4 jersey=4 name="ZOLD Adam" court
player home id=105 webid=H5 jersey=5 name="VERES Bela" court
player home id=107 webid=H7 jersey=7 name="TOTH Csaba" court
player home id=109 webid=H9 jersey=9 name="SZABO Denes" bench
player home id=111 webid=H11 jersey=11 name="NEMETH Ede" bench
player home id=123 webid=H23 jersey=23 name="ANTAL Feri" bench
player away id=21 webid=A21 jersey=5 name="MOLNAR David" court
player away id=22 webid=A22 jersey=8 name="VARGA Levente" court
player away id=23 webid=A23 jersey=12 name="PAPP Daniel" court
player away id=24 webid=A24 jersey=21 name="LAKATOS Zsolt" bench
length 5
)"));
    }

    // Composes the home line-up with ">" and keeps the away players on court.
    void compose(Logic &logic, const QList<int> &home)
    {
        for (int jersey : home) {
            ASSERT_TRUE(logic.SelectJersey(1, Logic::Available, jersey)) << jersey;
            logic.Add(1);
        }
        logic.LastFive(2);
    }

    // "in>out" for every substitution queued since a mark, by web identifier.
    QStringList substitutionsSince(int mark) const
    {
        QStringList pairs;
        for (int i = mark; i < game.AllEvents.Count(); ++i) {
            const TGameEvent *e = game.AllEvents.At(i);
            if (e->Kind != Kind::Substitution)
                continue;
            const QString q = e->Message;
            auto value = [&q](const QString &key) {
                const qsizetype at = q.indexOf(key) + key.size();
                return q.mid(at, q.indexOf(QLatin1Char('&'), at) - at);
            };
            pairs.append(value(QStringLiteral("&jatekosbe=")) + QLatin1Char('>') +
                         value(QStringLiteral("&jatekoski=")));
        }
        return pairs;
    }

    QList<int> onCourt(int side) const
    {
        QList<int> jerseys;
        const TPlayerList &list = const_cast<TGame &>(game).Team(side).OnCourt;
        for (int i = 0; i < list.Count(); ++i)
            jerseys.append(list.At(i)->JatekosMezSzam);
        std::sort(jerseys.begin(), jerseys.end());
        return jerseys;
    }

    SaveCounter store;
};

TEST(SubstitutionEntries, JerseyRightAlignedInTwoCharacters)
{
    const std::pair<int, const char *> cases[] = {{7, " 7 : KISS Jozsef"},
                                                  {12, "12 : KISS Jozsef"},
                                                  {0, " 0 : KISS Jozsef"},
                                                  {123, "23 : KISS Jozsef"}};
    for (const auto &[jersey, text] : cases)
        EXPECT_EQ(Logic::EntryText(jersey, QStringLiteral("KISS Jozsef")), QString::fromUtf8(text)) << jersey;
}

TEST_F(Substitutions, OpensWithTheWholeRosterAvailableInJerseyOrder)
{
    roster(QStringLiteral("RENDEZES_NEV"));
    Logic logic(game);
    logic.Fill();
    EXPECT_EQ(logic.Jerseys(1, Logic::Available), QList<int>({4, 5, 7, 9, 11, 23}));
    EXPECT_EQ(logic.Entries(1, Logic::Available).at(5).Text, QStringLiteral("23 : ANTAL Feri"));
    EXPECT_EQ(logic.Jerseys(2, Logic::Available), QList<int>({5, 8, 12, 21}));
    for (int side : {1, 2}) {
        EXPECT_EQ(logic.Selected(side, Logic::Available), 0);
        EXPECT_TRUE(logic.Entries(side, Logic::Lineup).isEmpty());
        // The design states until the first move.
        EXPECT_TRUE(logic.AddEnabled(side));
        EXPECT_TRUE(logic.RemoveEnabled(side));
    }
    EXPECT_FALSE(logic.OkEnabled());
}

TEST_F(Substitutions, ButtonStatesFollowTheLineupSizes)
{
    roster();
    Logic logic(game);
    logic.Fill();
    logic.LastFive(2);
    struct Step
    {
        int Jersey; // moved into the home line-up with Enter
        bool Add, Remove, Ok;
    };
    const Step steps[] = {
        {4, true, true, false},
        {5, true, true, false},
        {7, false, true, true},
        {9, false, true, false}, // Enter over-fills the line-up; only OK minds
    };
    for (const Step &s : steps) {
        ASSERT_TRUE(logic.SelectJersey(1, Logic::Available, s.Jersey));
        logic.Enter(1, Logic::Available);
        EXPECT_EQ(logic.AddEnabled(1), s.Add) << s.Jersey;
        EXPECT_EQ(logic.RemoveEnabled(1), s.Remove) << s.Jersey;
        EXPECT_EQ(logic.OkEnabled(), s.Ok) << s.Jersey;
    }
    // Back to three with "<" enables OK again; the moved entry lost its selection.
    ASSERT_TRUE(logic.SelectJersey(1, Logic::Lineup, 9));
    logic.Remove(1);
    EXPECT_TRUE(logic.OkEnabled());
    EXPECT_EQ(logic.Selected(1, Logic::Lineup), -1);
    EXPECT_EQ(logic.Selected(1, Logic::Available), -1);
    logic.Remove(1); // nothing selected: nothing moves
    EXPECT_EQ(logic.Jerseys(1, Logic::Lineup), QList<int>({4, 5, 7}));
}

TEST_F(Substitutions, DoubleClickMovesOnlyWhileTheButtonIsEnabled)
{
    roster();
    Logic logic(game);
    logic.Fill();
    for (int row = 0; row < 4; ++row)
        logic.DoubleClick(1, Logic::Available, 0);
    EXPECT_EQ(logic.Jerseys(1, Logic::Lineup), QList<int>({4, 5, 7}));
    EXPECT_EQ(logic.Jerseys(1, Logic::Available), QList<int>({9, 11, 23}));
    logic.DoubleClick(1, Logic::Lineup, 1);
    EXPECT_EQ(logic.Jerseys(1, Logic::Lineup), QList<int>({4, 7}));
}

TEST_F(Substitutions, LineupEqualToTheCourtRecordsNothing)
{
    roster();
    run(QStringLiteral("tick"));
    const int counter = game.EventCounter;
    const int events = game.AllEvents.Count();
    const int saves = store.Saves;
    Logic logic(game);
    logic.Fill();
    compose(logic, {7, 4, 5});
    ASSERT_TRUE(logic.OkEnabled());
    EXPECT_EQ(logic.Apply(), 0);
    EXPECT_EQ(game.EventCounter, counter);
    EXPECT_EQ(game.AllEvents.Count(), events);
    EXPECT_EQ(store.Saves, saves);
    EXPECT_EQ(onCourt(1), QList<int>({4, 5, 7}));
}

// The highest incoming number first, each for the first player on court (in
// list order) that the line-up leaves out. Sorted by name the on-court list
// runs TOTH 7, VERES 5, ZOLD 4, so the players leave in that order; the
// players are still found by their numbers and the line-up is the same.
TEST_F(Substitutions, HighestIncomingNumberFirstInEitherRosterOrder)
{
    struct Case
    {
        const char *Order;
        QList<int> Lineup;
        QStringList Pairs;
    };
    const Case cases[] = {
        {"RENDEZES_MEZSZAM", {4, 9, 11}, {"H11>H5", "H9>H7"}},
        {"RENDEZES_MEZSZAM", {9, 11, 23}, {"H23>H4", "H11>H5", "H9>H7"}},
        {"RENDEZES_MEZSZAM", {7, 23, 5}, {"H23>H4"}},
        {"RENDEZES_NEV", {4, 9, 11}, {"H11>H7", "H9>H5"}},
        {"RENDEZES_NEV", {9, 11, 23}, {"H23>H7", "H11>H5", "H9>H4"}},
        {"RENDEZES_NEV", {7, 23, 5}, {"H23>H4"}},
    };
    {
        for (const Case &c : cases) {
            const QString order = QString::fromUtf8(c.Order);
            game.HomeTeam().ClearRoster();
            game.AwayTeam().ClearRoster();
            roster(order);
            run(QStringLiteral("tick"));
            const int mark = game.AllEvents.Count();
            Logic logic(game);
            logic.Fill();
            compose(logic, c.Lineup);
            EXPECT_EQ(logic.Apply(), c.Pairs.size());
            EXPECT_EQ(substitutionsSince(mark), c.Pairs) << order.toStdString() << " " << c.Lineup.first();
            QList<int> expected = c.Lineup;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(onCourt(1), expected);
            EXPECT_EQ(onCourt(2), QList<int>({5, 8, 12}));
        }
    }
}

TEST_F(Substitutions, BeforeTheFirstClockStepOnlyTheStarterFlagsMove)
{
    roster();
    Logic logic(game);
    logic.Fill();
    compose(logic, {4, 5, 23});
    EXPECT_EQ(logic.Apply(), 1);
    EXPECT_EQ(game.EventCounter, 0);
    EXPECT_TRUE(game.AllEvents.IsEmpty());
    EXPECT_EQ(player(1, 23).Starter, 1);
    EXPECT_EQ(player(1, 7).Starter, 0);
    EXPECT_EQ(player(1, 7).OnBench, 1);
    EXPECT_EQ(store.Saves, 1);
}

TEST_F(Substitutions, LastFiveRestoresThePlayersOnCourt)
{
    roster();
    Logic logic(game);
    logic.Fill();
    compose(logic, {23, 9});
    logic.DoubleClick(1, Logic::Lineup, 0);
    ASSERT_TRUE(logic.SelectJersey(1, Logic::Available, 11));
    logic.Add(1);
    logic.LastFive(1);
    EXPECT_EQ(logic.Jerseys(1, Logic::Lineup), QList<int>({4, 5, 7}));
    EXPECT_EQ(logic.Jerseys(1, Logic::Available), QList<int>({9, 11, 23}));
    EXPECT_TRUE(logic.OkEnabled());
}

TEST_F(Substitutions, HotkeysMoveTheirSlotsPlayerOnly)
{
    roster();
    Logic logic(game);
    logic.SetHotkeySlots(1, {4, 5, 7, -1});
    logic.SetHotkeySlots(2, {5, 8, -1, 21});
    logic.Fill();
    struct Case
    {
        int Side, Slot;
        QList<int> Lineup; // afterwards
        int Selected;      // in the available list afterwards
    };
    const Case cases[] = {
        {1, 2, {5}, -1},
        {1, 2, {5}, -1}, // already in the line-up: nothing moves, nothing stays selected
        {1, 4, {5}, -1}, // an empty slot
        {1, 1, {4, 5}, -1},
        {2, 4, {21}, -1}, // the away slots for the away lists
        {1, 3, {4, 5, 7}, -1},
    };
    for (const Case &c : cases) {
        logic.Select(c.Side, Logic::Available, 0);
        logic.Hotkey(c.Side, c.Slot);
        EXPECT_EQ(logic.Jerseys(c.Side, Logic::Lineup), c.Lineup) << c.Side << "/" << c.Slot;
        EXPECT_EQ(logic.Selected(c.Side, Logic::Available), c.Selected) << c.Side << "/" << c.Slot;
    }
    // ">" is disabled with three in the line-up: the hotkey does nothing at all.
    logic.SetHotkeySlots(1, {9, 11, 23, -1});
    logic.Select(1, Logic::Available, 1);
    logic.Hotkey(1, 1);
    EXPECT_EQ(logic.Jerseys(1, Logic::Lineup), QList<int>({4, 5, 7}));
    EXPECT_EQ(logic.Selected(1, Logic::Available), 1);
}

TEST_F(Substitutions, LineupCommandRunsTheDialogsRules)
{
    roster();
    run(QStringLiteral("tick\nlineup home 9,11,23"));
    EXPECT_EQ(onCourt(1), QList<int>({9, 11, 23}));
    EXPECT_EQ(onCourt(2), QList<int>({5, 8, 12}));
    EXPECT_EQ(game.HomeTeam().ActiveIndex, -1);

    const std::pair<const char *, const char *> errors[] = {
        {"lineup home 4,5", "a line-up holds three players, not 2"},
        {"lineup home 4,5,7,9", "a line-up holds three players, not 4"},
        {"lineup away 5,8,99", "no player with jersey 99"},
        {"lineup home 4,x,7", "jersey must be a whole number"},
        {"lineup middle 4,5,7", "needs home or away"},
    };
    for (const auto &[line, error] : errors) {
        EXPECT_FALSE(script.Run(QString::fromUtf8(line))) << line;
        EXPECT_TRUE(script.Error().contains(QString::fromUtf8(error))) << script.Error().toStdString();
    }
}

} // namespace
