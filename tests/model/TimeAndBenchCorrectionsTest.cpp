#include "GameFixture.h"

#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TSetTimeLogic.h"

namespace {

class Corrections : public GameFixture
{
protected:
    void SetUp() override
    {
        game.SetStore(&store);
        SetUpRoster(10);
        ticks(3);
    }
    SaveCounter store;
};

// ---------------------------------------------------------------- set time

TEST(SetTime, NormalisesWhenTheFieldLosesTheFocus)
{
    struct Case
    {
        const char *Typed;
        int PeriodLength;
        const char *Shown;
    };
    const Case cases[] = {
        {"930", 10, "09:30"},   {"15:00", 12, "12:00"}, {"12:00", 10, "10:00"}, {"12:00", 12, "12:00"},
        {"0501", 5, "05:00"},   {"0459", 5, "04:59"},   {"", 5, "00:00"},       {"1:2:3", 10, "01:23"},
        {"12345", 12, "12:00"}, {"9", 10, "00:09"},     {"0960", 10, "09:60"}, // text order, not time
        {"1600", 8, "08:00"}, // other period lengths end at their own length
    };
    for (const Case &c : cases)
        EXPECT_EQ(TSetTimeLogic::Normalised(QString::fromUtf8(c.Typed), c.PeriodLength),
                  QString::fromUtf8(c.Shown))
            << c.Typed << " / " << c.PeriodLength;
}

TEST(SetTime, KeyFilterPassesDigitsAndColonsOnly)
{
    const std::pair<QChar, bool> cases[] = {
        {QLatin1Char('0'), true},  {QLatin1Char('9'), true},
        {QLatin1Char(':'), true},  {QChar(8), false},
        {QLatin1Char('a'), false}, {QLatin1Char(' '), false},
        {QLatin1Char('-'), false}, {QLatin1Char('\r'), false},
        {QChar(0x0663), false}, // an Arabic-Indic three
    };
    for (const auto &[c, passes] : cases)
        EXPECT_EQ(TSetTimeLogic::Accepts(c), passes) << int(c.unicode());
}

TEST_F(Corrections, FieldOpensWithTheScreensClockAndTypingIsFiltered)
{
    game.ClockDisplay = QStringLiteral("0745");
    TSetTimeLogic logic(game);
    EXPECT_EQ(logic.Text(), QStringLiteral("07:45"));
    logic.TypeOver(QStringLiteral("9\b3a0"));
    EXPECT_EQ(logic.Text(), QStringLiteral("930"));
    logic.TypeOver(QStringLiteral("123456"));
    EXPECT_EQ(logic.Text(), QStringLiteral("12345")); // at most five characters
    logic.LeaveField();
    EXPECT_EQ(logic.Text(), QStringLiteral("10:00"));
}

// The typed time first, then the local time; queued for sending only.
TEST_F(Corrections, WhatOkAndEnterSendShowsBeforeEither)
{
    TSetTimeLogic logic(game);
    const std::pair<const char *, const char *> cases[] = {
        {"1:2", "OK sends 00:12, Enter sends 1:2 as typed."},
        {"930", "OK sends 09:30, Enter sends 930 as typed."},
        {"1230", "OK sends 10:00, Enter sends 1230 as typed.\n12:30 is longer than the period (10 minutes)."},
    };
    for (const auto &[typed, preview] : cases) {
        logic.TypeOver(QString::fromUtf8(typed));
        EXPECT_EQ(logic.Preview(), QString::fromUtf8(preview)) << typed;
    }
}

TEST_F(Corrections, SetTimeMessageIsQueuedForSendingOnly)
{
    struct Case
    {
        const char *Line;
        const char *Time;
    };
    // With "enter" the field never lost the focus: the text goes as typed.
    const Case cases[] = {
        {"settime 930", "0930"},    {"settime 930 enter", "930"}, {"settime 25:00", "1000"},
        {"settime \"\" enter", ""}, {"settime \"\"", "0000"},
    };
    for (const Case &c : cases) {
        const int counter = game.EventCounter;
        const int all = game.AllEvents.Count();
        const int lines = screen.history(2).size();
        const int clock = game.Clock;
        const int saves = store.Saves;
        run(QString::fromUtf8(c.Line));
        EXPECT_EQ(game.EventCounter, counter + 1) << c.Line;
        EXPECT_EQ(query(lastQueued()),
                  QStringLiteral("kod=6001&id=%1&szkod=ABC1DEF2&time=%2&time=20261209183005")
                      .arg(counter + 1)
                      .arg(QString::fromUtf8(c.Time)))
            << c.Line;
        EXPECT_EQ(game.AllEvents.Count(), all) << c.Line;
        EXPECT_EQ(screen.history(2).size(), lines) << c.Line;
        EXPECT_EQ(game.Clock, clock) << c.Line;
        EXPECT_EQ(store.Saves, saves + 1) << c.Line;
    }
    EXPECT_FALSE(script.Run(QStringLiteral("settime 930 later")));
    EXPECT_FALSE(script.Run(QStringLiteral("settime")));
}

// ---------------------------------------------------------------- add player

TPlayer master(int id, int jersey, const char *name)
{
    TPlayer p;
    p.JatekosID = id;
    p.WebID = QStringLiteral("W%1").arg(id);
    p.JatekosMezSzam = jersey;
    p.JatekosNev = QString::fromUtf8(name);
    p.Points = 12; // master data never carries counters into the game
    p.Starter = 1;
    return p;
}

TEST_F(Corrections, CandidateRecordTakesTheTeamAndCutsTexts)
{
    TPlayer m = master(31, 9, "X");
    m.JatekosNev = QString(70, QLatin1Char('N'));
    m.WebID = QStringLiteral("1234567890ABCDEF");
    m.JatekosPoszt = QStringLiteral("CENTER");
    const TPlayer c = TAddPlayerLogic::CandidateRecord(m, game.AwayTeam());
    EXPECT_EQ(c.LigaID, 1);
    EXPECT_EQ(c.CsapatID, 2);
    EXPECT_EQ(c.JatekosNev.size(), 60);
    EXPECT_EQ(c.WebID, QStringLiteral("1234567890AB"));
    EXPECT_EQ(c.JatekosPoszt, QStringLiteral("CENTE"));
    EXPECT_EQ(c.Points, 0);
    EXPECT_EQ(c.Starter, 0);
}

TEST_F(Corrections, FillsTheTeamsListsAndOnlyNewCandidates)
{
    TAddPlayerLogic logic(game, game.HomeTeam());
    logic.Fill({master(14, 15, "BALOGH Adam"), master(31, 123, "UJ Elek"), master(11, 4, "KOVACS Janos"),
                master(32, 6, "ALMA Bela")});
    EXPECT_EQ(logic.StartingPlayers(),
              QStringList({"10 : Farkas", "4 : KOVACS Janos", "7 : NAGY Bence"})); // by text
    ASSERT_EQ(logic.Substitutes().size(), 1);
    EXPECT_EQ(logic.Substitutes()[0].Text, QStringLiteral("15 : BALOGH Adam"));
    EXPECT_EQ(logic.SubstituteJerseys(), QStringList({"15"}));
    ASSERT_EQ(logic.Players().size(), 2);
    EXPECT_EQ(logic.Players()[0].Text, QStringLiteral(" 6 : ALMA Bela"));
    EXPECT_EQ(logic.Players()[1].Text, QStringLiteral("23 : UJ Elek"));
    EXPECT_FALSE(logic.MoveEnabled()); // nothing selected yet
    logic.SelectPlayer(1);
    EXPECT_TRUE(logic.MoveEnabled());
}

TEST_F(Corrections, SevenSubstitutesDisableMoving)
{
    TAddPlayerLogic logic(game, game.HomeTeam());
    QList<TPlayer> candidates;
    for (int i = 0; i < 7; ++i)
        candidates.append(master(40 + i, 40 + i, "P"));
    logic.Fill(candidates);
    for (int i = 0; i < 6; ++i) {
        logic.SelectPlayer(0);
        ASSERT_TRUE(logic.Move()) << i;
    }
    EXPECT_EQ(logic.Substitutes().size(), 7);
    logic.SelectPlayer(0);
    EXPECT_FALSE(logic.MoveEnabled());
    logic.DoubleClickPlayer(0);
    EXPECT_FALSE(logic.Move());
    EXPECT_EQ(logic.Players().size(), 1);
    EXPECT_TRUE(prompter.Messages.isEmpty());
}

TEST_F(Corrections, DuplicatesAreFoundByTheRosterOrder)
{
    struct Case
    {
        const char *Order;
        QList<TPlayer> Moved; // in this order
        QList<bool> Accepted;
        const char *Message;
    };
    const QString jersey = TAddPlayerLogic::SameJerseyMessage;
    const QString name = TAddPlayerLogic::SameNameMessage;
    const Case cases[] = {
        {"RENDEZES_MEZSZAM", {master(31, 4, "UJ Elek")}, {false}, "jersey"},  // on court
        {"RENDEZES_MEZSZAM", {master(31, 15, "UJ Elek")}, {false}, "jersey"}, // on the bench
        {"RENDEZES_NEV", {master(31, 4, "UJ Elek")}, {false}, "jersey"},      // a jersey whatever the order
        {"RENDEZES_NEV", {master(31, 9, "UJ Elek"), master(32, 9, "VEN Ede")}, {true, false}, "jersey"},
        {"RENDEZES_NEV", {master(31, 9, "nagy bence")}, {false}, "name"}, // on court, any case
        {"RENDEZES_MEZSZAM", {master(31, 9, "NAGY Bence")}, {true}, ""},  // a name is no jersey
        {"RENDEZES_NEV", {master(31, 9, "UJ Elek"), master(32, 8, "UJ Elek")}, {true, false}, "name"},
        {"RENDEZES_MEZSZAM", {master(31, 9, "UJ Elek"), master(32, 9, "VEN Ede")}, {true, false}, "jersey"},
    };
    for (const Case &c : cases) {
        // The team's lists are keyed by the order in force when they were filled.
        settings.SetValue(QStringLiteral("RENDEZES"), QString::fromUtf8(c.Order));
        game.HomeTeam().ClearRoster();
        game.AwayTeam().ClearRoster();
        run(SampleRoster());
        prompter.Messages.clear();
        TAddPlayerLogic logic(game, game.HomeTeam());
        logic.Fill(c.Moved);
        for (qsizetype i = 0; i < c.Moved.size(); ++i) {
            ASSERT_TRUE(logic.SelectPlayerById(c.Moved[i].JatekosID));
            EXPECT_EQ(logic.Move(), c.Accepted[i]) << c.Order << " " << i;
        }
        const QString expected = QString::fromUtf8(c.Message) == QLatin1String("jersey") ? jersey
                                 : QString::fromUtf8(c.Message) == QLatin1String("name") ? name
                                                                                         : QString();
        ASSERT_EQ(prompter.Messages.size(), expected.isEmpty() ? 0 : 1) << c.Order;
        if (!expected.isEmpty()) {
            EXPECT_TRUE(prompter.Messages.first().startsWith(expected)) << c.Order;
        }
        // A refused candidate stays among the candidates.
        EXPECT_EQ(logic.Players().size(), c.Accepted.count(false)) << c.Order;
    }
}

TEST_F(Corrections, OkAddsToTheBenchWithRosterMessagesInListOrder)
{
    for (const int side : {1, 2}) {
        TTeam &team = game.Team(side);
        const int counter = game.EventCounter;
        const int queued = game.OutgoingQueue.Count();
        const int saves = store.Saves;
        TAddPlayerLogic logic(game, team);
        logic.Fill({TAddPlayerLogic::CandidateRecord(master(31 + side * 10, 23, "UJ Elek"), team),
                    TAddPlayerLogic::CandidateRecord(master(32 + side * 10, 9, "VEN  Ede"), team)});
        for (int id : {31 + side * 10, 32 + side * 10}) {
            logic.SelectPlayerById(id);
            ASSERT_TRUE(logic.Move());
        }
        EXPECT_EQ(logic.Apply(), 2);
        EXPECT_EQ(game.EventCounter, counter + 2);
        ASSERT_EQ(game.OutgoingQueue.Count(), queued + 2);
        const QString h = side == 1 ? QStringLiteral("1") : QStringLiteral("0");
        EXPECT_EQ(query(game.OutgoingQueue.At(queued)),
                  QStringLiteral("kod=0002&szkod=ABC1DEF2&p=W%1&k=0&h=%2&jat=0&j=VEN__Ede&mz=9")
                      .arg(32 + side * 10)
                      .arg(h));
        EXPECT_EQ(query(game.OutgoingQueue.At(queued + 1)),
                  QStringLiteral("kod=0002&szkod=ABC1DEF2&p=W%1&k=0&h=%2&jat=0&j=UJ_Elek&mz=23")
                      .arg(31 + side * 10)
                      .arg(h));
        const TGameEvent *e = game.OutgoingQueue.At(queued);
        EXPECT_EQ(e->Id, counter + 1);
        EXPECT_EQ(e->Kind, -1);
        EXPECT_EQ(e->PlayerId, -1);
        EXPECT_EQ(e->Side, 0);
        EXPECT_EQ(e->Clock, game.Clock);
        const TPlayer &added = player(side, 23);
        EXPECT_EQ(added.OnBench, 1);
        EXPECT_EQ(added.CsapatID, side);
        EXPECT_EQ(team.Bench.Count(), 3);
        EXPECT_EQ(store.Saves, saves + 1);
    }
}

TEST_F(Corrections, OfflineTheCounterStillAdvances)
{
    game.Online = false;
    run(QStringLiteral(
        "addplayer away id=51 webid=W51 jersey=30 name=\"UJ Elek\"; id=52 webid=W52 jersey=31 name=VEN"));
    EXPECT_EQ(game.AwayTeam().Bench.Count(), 3);
    EXPECT_EQ(lastQueued()->Id, game.EventCounter);
}

TEST_F(Corrections, CancelLeavesTheTeamAsItWas)
{
    const int counter = game.EventCounter;
    const int saves = store.Saves;
    {
        TAddPlayerLogic logic(game, game.HomeTeam());
        logic.Fill({master(31, 23, "UJ Elek")});
        logic.SelectPlayer(0);
        ASSERT_TRUE(logic.Move());
    }
    EXPECT_EQ(game.HomeTeam().Bench.Count(), 1);
    EXPECT_EQ(game.EventCounter, counter);
    EXPECT_EQ(store.Saves, saves);
}

TEST_F(Corrections, TakingBackReturnsOnlyPlayersAddedHere)
{
    TAddPlayerLogic logic(game, game.HomeTeam());
    logic.Fill({master(31, 23, "UJ Elek")});
    logic.SelectSubstitute(0); // BALOGH, on the bench already
    EXPECT_FALSE(logic.RemoveEnabled());
    EXPECT_FALSE(logic.Remove());
    logic.SelectPlayer(0);
    ASSERT_TRUE(logic.Move());
    logic.SelectSubstitute(1);
    ASSERT_TRUE(logic.RemoveEnabled());
    ASSERT_TRUE(logic.Remove());
    EXPECT_EQ(logic.SubstituteJerseys(), QStringList({"15"}));
    ASSERT_EQ(logic.Players().size(), 1);
    // Its jersey is free again: it can go to the bench once more.
    logic.SelectPlayer(0);
    EXPECT_TRUE(logic.Move());
    EXPECT_EQ(logic.Apply(), 1);
}

TEST_F(Corrections, AddPlayerCommandRefusesWhatTheDialogCannotDo)
{
    const std::pair<const char *, const char *> errors[] = {
        {"addplayer home id=14 webid=H14 jersey=15 name=B", "already plays for the home team"},
        {"addplayer home id=31 webid=W jersey=x name=B", "jersey must be a whole number"},
        {"addplayer home webid=W jersey=3 name=B", "needs id=, jersey= and name="},
        {"addplayer home id=31 jersey=3 name=B colour=red", "unknown player field 'colour'"},
        {"addplayer home ;", "needs at least one player"},
    };
    for (const auto &[line, error] : errors) {
        EXPECT_FALSE(script.Run(QString::fromUtf8(line))) << line;
        EXPECT_TRUE(script.Error().contains(QString::fromUtf8(error))) << script.Error().toStdString();
    }
    EXPECT_EQ(game.HomeTeam().Bench.Count(), 1);
    // A jersey the team wears refuses the command, in either order of the
    // lists, and nobody of it is added.
    for (const char *order : {"RENDEZES_MEZSZAM", "RENDEZES_NEV"}) {
        settings.SetValue(QStringLiteral("RENDEZES"), QString::fromUtf8(order));
        EXPECT_FALSE(script.Run(QStringLiteral(
            "addplayer home id=32 webid=W32 jersey=44 name=B ; id=31 webid=W31 jersey=4 name=A")));
        EXPECT_TRUE(script.Error().contains(QStringLiteral("already worn by")))
            << script.Error().toStdString();
        EXPECT_EQ(game.HomeTeam().Bench.Count(), 1);
    }
}

} // namespace
