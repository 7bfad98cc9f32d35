#include "support/ScriptedGameFixture.h"
#include "support/ShippedTranslations.h"
#include "support/TestHome.h"

#include "model/review/TFlagRule.h"

#include <QFile>
#include <QSet>

namespace {

// A sequence of script lines after the first clock step. A line ending in
// "#!" records the event the case expects the reason on; "{home}" and
// "{away}" stand for the side's last history line number when the line runs.
struct TFlagCase
{
    const char *Name;
    const char *Script;
};

// One game per case, so the cases of a table never see each other's events.
class FlagGame : public ScriptedGameFixture
{
public:
    using ScriptedGameFixture::game;
    using ScriptedGameFixture::run;
    using ScriptedGameFixture::screen;
    using ScriptedGameFixture::script;
    FlagGame()
    {
        SetUpRoster(5);
        run(QStringLiteral("tick"));
    }

    // Plays the case; the events of its "#!" lines.
    QSet<int> play(const char *text)
    {
        QSet<int> marked;
        for (QString line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
            line.replace(QStringLiteral("{home}"), QString::number(screen.log(1).LastNumber()));
            line.replace(QStringLiteral("{away}"), QString::number(screen.log(2).LastNumber()));
            EXPECT_TRUE(script.Run(line)) << script.Error().toStdString();
            if (line.trimmed().endsWith(QStringLiteral("#!")))
                marked.insert(lastEventId());
        }
        return marked;
    }
    int lastEventId() const { return game.AllEvents.At(game.AllEvents.Count() - 1)->Id; }

    QSet<int> flaggedFor(TFlagReason reason) const
    {
        QSet<int> ids;
        for (const TFlag &f : TFlagRule::Raised(game))
            if (f.Reasons.contains(reason))
                ids.insert(f.EventId);
        return ids;
    }

    static void check(TFlagReason reason, const QList<TFlagCase> &cases)
    {
        for (const TFlagCase &c : cases) {
            SCOPED_TRACE(c.Name);
            FlagGame fresh;
            const QSet<int> expected = fresh.play(c.Script);
            EXPECT_EQ(fresh.flaggedFor(reason), expected);
        }
    }
    void TestBody() override {}
};

} // namespace

TEST(FlagRule, Possession)
{
    FlagGame::check(
        TFlagReason::Possession,
        {{"a shot after the team's own basket", "select home 4\nshot home made mid 88 120\n"
                                                "select home 7\nshot home missed close 118 40 #!"},
         {"an offensive rebound after the team's own turnover", "select home 4\nevent home 1007\n"
                                                                "event home 1006 #!"},
         {"a turnover after the team's own turnover", "select home 4\nevent home 1007\nevent home 1007 #!"},
         {"a defensive rebound of the team's own miss", "select home 4\nshot home missed mid 88 120\n"
                                                        "select home 7\nevent home 1001 #!"},
         {"a team rebound of the team's own miss", "select away 5\nshot away missed mid 88 120\n"
                                                   "teammode away\nevent away 1001 #!"},
         {"the other team plays in between", "select home 4\nshot home made mid 88 120\n"
                                             "select away 5\nshot away missed three 30 200\n"
                                             "select home 7\nevent home 1001\n"
                                             "shot home made close 120 30"},
         {"a steal of the other team gives the ball back", "select home 4\nevent home 1007\n"
                                                           "select away 8\nevent away 1002\n"
                                                           "shot away made dunk 120 20"},
         {"the assist of the basket and a foul of its team", "select home 4\nshot home made mid 88 120\n"
                                                             "select home 7\nevent home 1004\n"
                                                             "event home 1008"},
         {"an and-one free throw", "select home 4\nshot home made close 120 30\nselect away 5\n"
                                   "event away 1008\nselect home 4\nevent home 1003\n"
                                   "shot home made freethrow"},
         {"an offensive rebound of the team's own miss", "select home 4\nshot home missed mid 88 120\n"
                                                         "select home 7\nevent home 1006\n"
                                                         "shot home made close 120 30"},
         {"a new period starts afresh", "select home 4\nshot home made mid 88 120\nminute\nminute\n"
                                        "minute\nminute\nminute\nperiodend\ntick\n"
                                        "select home 7\nshot home missed close 118 40"}});
}

TEST(FlagRule, NotOnCourt)
{
    FlagGame::check(
        TFlagReason::NotOnCourt,
        {{"an event given to a bench player",
          "select home 4\nevent home 1001\nchange home {home} actor=15 #!"},
         {"an event given to a player substituted out", "sub home 4 15\nselect home 7\nevent home 1001\n"
                                                        "change home {home} actor=4 #!"},
         {"the player who came in", "sub away 5 21\nselect away 21\nevent away 1001"},
         {"an event of a player before he went out", "select home 4\nevent home 1001\nsub home 4 15"},
         {"a team event", "teammode home\nevent home 1001"},
         {"a player back on court", "sub home 4 15\nsub home 15 4\nselect home 4\nevent home 1001"}});
}

TEST(FlagRule, FreeThrowWithoutFoul)
{
    FlagGame::check(
        TFlagReason::FreeThrowWithoutFoul,
        {{"free throws with no foul at all", "select home 4\nshot home made freethrow #!\n"
                                             "shot home missed freethrow #!"},
         {"a foul of the shooter's own team", "select home 7\nevent home 1008\nselect home 4\n"
                                              "shot home made freethrow #!"},
         {"the foul before a rebound", "select away 5\nevent away 1008\nselect home 4\n"
                                       "shot home missed freethrow\nselect away 8\nevent away 1001\n"
                                       "select home 4\nshot home made freethrow #!"},
         {"a personal foul of the other team", "select away 5\nevent away 1008\nselect home 4\n"
                                               "shot home made freethrow\nshot home made freethrow"},
         {"a technical foul of the other team", "select away 5\nevent away 1019\nselect home 4\n"
                                                "shot home made freethrow"},
         {"foul drawn entered after the foul", "select away 5\nevent away 1008\nselect home 4\n"
                                               "event home 1003\nshot home made freethrow"},
         {"an and-one with its assist", "select home 4\nshot home made close 120 30\nselect home 7\n"
                                        "event home 1004\nselect away 5\nevent away 1008\nselect home 4\n"
                                        "shot home made freethrow"}});
}

TEST(FlagRule, AssistWithoutBasket)
{
    FlagGame::check(
        TFlagReason::AssistWithoutBasket,
        {{"an assist alone", "select home 4\nevent home 1004 #!"},
         {"an assist of the scorer himself", "select home 4\nshot home made mid 88 120\nevent home 1004 #!"},
         {"an assist for a free throw", "select away 5\nevent away 1008\nselect home 4\n"
                                        "shot home made freethrow\nselect home 7\nevent home 1004 #!"},
         {"an assist for the other team's basket", "select away 5\nshot away made mid 88 120\nselect home 7\n"
                                                   "event home 1004 #!"},
         {"two assists for one basket", "select home 4\nshot home made mid 88 120\nselect home 7\n"
                                        "event home 1004\nselect home 10\nevent home 1004 #!"},
         {"an assist far from the basket", "select home 4\nshot home made mid 88 120\nselect away 5\n"
                                           "shot away missed mid 88 120\nselect home 10\nevent home 1001\n"
                                           "shot home missed close 118 40\nevent home 1006\n"
                                           "select home 7\nevent home 1004 #!"},
         {"an assist after the basket", "select home 4\nshot home made mid 88 120\nselect home 7\n"
                                        "event home 1004"},
         {"an assist before the basket, over a clock step", "select home 7\nevent home 1004\ntick\n"
                                                            "select home 4\nshot home made three 15 180"},
         {"a team assist", "select home 4\nshot home made mid 88 120\nteammode home\nevent home 1004"}});
}

TEST(FlagRule, ReboundWithoutMiss)
{
    FlagGame::check(
        TFlagReason::ReboundWithoutMiss,
        {{"a rebound alone", "select home 4\nevent home 1001 #!"},
         {"a rebound after a basket", "select away 5\nshot away made mid 88 120\nselect home 4\n"
                                      "event home 1001 #!"},
         {"two rebounds of one miss", "select away 5\nshot away missed mid 88 120\nselect home 4\n"
                                      "event home 1001\nselect home 7\nevent home 1001 #!"},
         {"a defensive rebound",
          "select away 5\nshot away missed mid 88 120\nselect home 4\nevent home 1001"},
         {"a missed free throw", "select home 7\nevent home 1008\nselect away 5\nshot away missed freethrow\n"
                                 "select home 4\nevent home 1001"},
         {"after a block", "select away 5\nshot away missed close 118 40\nselect home 4\nevent home 1009\n"
                           "select away 5\nevent away 1005\nselect home 7\nevent home 1001"},
         {"the rebound entered first", "select home 4\nevent home 1001\nselect away 5\n"
                                       "shot away missed mid 88 120"}});
}

TEST(FlagRule, BlockWithoutShot)
{
    FlagGame::check(
        TFlagReason::BlockWithoutShot,
        {{"a block alone", "select home 4\nevent home 1009 #!"},
         {"a block of the team's own miss", "select home 7\nshot home missed close 118 40\nselect home 4\n"
                                            "event home 1009 #!"},
         {"a block of a basket", "select away 5\nshot away made close 118 40\nselect home 4\n"
                                 "event home 1009 #!"},
         {"a block of a missed shot", "select away 5\nshot away missed close 118 40\nselect home 4\n"
                                      "event home 1009"},
         {"a block and the blocked shot", "select home 4\nevent home 1009\nselect away 5\nevent away 1005"},
         {"the block entered first", "select home 4\nevent home 1009\nselect away 5\n"
                                     "shot away missed close 118 40"}});
}

TEST(FlagRule, StealWithoutTurnover)
{
    FlagGame::check(
        TFlagReason::StealWithoutTurnover,
        {{"a steal alone", "select home 4\nevent home 1002 #!"},
         {"a steal of the team's own turnover", "select home 7\nevent home 1007\nselect home 4\n"
                                                "event home 1002 #!"},
         {"two steals of one turnover", "select away 5\nevent away 1007\nselect home 4\nevent home 1002\n"
                                        "select home 7\nevent home 1002 #!"},
         {"a steal after the turnover", "select away 5\nevent away 1007\nselect home 4\nevent home 1002"},
         {"a steal before the turnover", "select home 4\nevent home 1002\nselect away 5\nevent away 1007"},
         {"a team turnover", "teammode away\nevent away 1007\nselect home 4\nevent home 1002"}});
}

// Each reason's flag goes by the same rule when the line is put right: the
// event deleted, changed, or its missing partner recorded.
TEST(FlagRule, CorrectionsClearTheFlag)
{
    struct TCorrection
    {
        const char *Name;
        TFlagReason Reason;
        const char *Script;
        const char *Correction;
    };
    const TCorrection cases[] = {
        {"assist: the basket recorded", TFlagReason::AssistWithoutBasket, "select home 7\nevent home 1004 #!",
         "select home 4\nshot home made mid 88 120"},
        {"assist: deleted", TFlagReason::AssistWithoutBasket, "select home 7\nevent home 1004 #!",
         "delete home {home}"},
        {"assist: changed to a rebound of a miss", TFlagReason::AssistWithoutBasket,
         "select away 5\nshot away missed mid 88 120\nselect home 7\nevent home 1004 #!",
         "change home {home} kind=1001"},
        {"rebound: the miss changed from a basket", TFlagReason::ReboundWithoutMiss,
         "select away 5\nshot away made mid 88 120\nselect home 4\nevent home 1001 #!",
         "change away {away} kind=1013"},
        {"steal: the turnover recorded", TFlagReason::StealWithoutTurnover,
         "select home 4\nevent home 1002 #!", "select away 5\nevent away 1007"},
        {"block: the blocked shot recorded", TFlagReason::BlockWithoutShot,
         "select home 4\nevent home 1009 #!", "select away 8\nevent away 1005"},
        {"free throw: given to the other team", TFlagReason::FreeThrowWithoutFoul,
         "select home 7\nevent home 1008\nselect home 4\nshot home made freethrow #!",
         "change home {home} actor=team kind=1003"},
        {"not on court: given back to a player on court", TFlagReason::NotOnCourt,
         "select home 4\nevent home 1001\nchange home {home} actor=15 #!", "change home {home} actor=10"},
        {"possession: the other team's rebound recorded between", TFlagReason::Possession,
         "select home 4\nshot home missed mid 88 120\nselect home 7\nevent home 1001 #!",
         "delete home {home}\nselect away 5\nevent away 1001"},
    };
    for (const TCorrection &c : cases) {
        SCOPED_TRACE(c.Name);
        FlagGame t;
        const QSet<int> flagged = t.play(c.Script);
        ASSERT_EQ(t.flaggedFor(c.Reason), flagged);
        t.play(c.Correction);
        EXPECT_TRUE(t.flaggedFor(c.Reason).isEmpty());
    }
}

// The demo game is played as a demo, not as a clean game: these are its real
// slips, and nothing else may be flagged in it.
TEST(FlagRule, DemoGameRaisesOnlyItsRealSlips)
{
    QFile demo(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    TSettings settings;
    TScriptPrompter prompter;
    TGame demoGame(TGameServices{.Settings = &settings, .Prompter = &prompter});
    THeadlessScreen demoScreen;
    demoGame.SetScreen(&demoScreen);
    TGameScript demoScript(demoGame, demoScreen);
    ASSERT_TRUE(demoScript.Run(QString::fromUtf8(demo.readAll()))) << demoScript.Error().toStdString();

    QStringList flagged;
    for (const TFlag &f :
         TFlagRule::Open(demoGame, demoGame.Review, &demoScreen.log(1), &demoScreen.log(2))) {
        QStringList reasons;
        for (TFlagReason r : f.Reasons)
            reasons.append(FlagReasons::Key(r));
        flagged.append(demoScreen.log(f.Side).Find(f.EventId)->Text.section(QLatin1Char(' '), 1) +
                       QLatin1Char('/') + reasons.join(QLatin1Char(',')));
    }
    EXPECT_EQ(flagged, QStringList({
                           // The home team shoots again after its own three and the assist of it.
                           QStringLiteral("3.m 4 Kovacs: sikertelen középtávoli/possession"),
                           // Two free throws after a block, with no foul recorded at all.
                           QStringLiteral("4.m 7 Nagy: sikeres büntető/free-throw-without-foul"),
                           QStringLiteral("4.m 7 Nagy: sikeres büntető/free-throw-without-foul"),
                       }));
}

class DecisionGame : public FlagGame
{
public:
    DecisionGame()
    {
        // Home line 2: a steal without a turnover; away line 2: a rebound without a miss.
        run(QStringLiteral("select home 4\nevent home 1002\nselect away 5\nevent away 1001"));
    }
    QList<TFlag> open() const { return TFlagRule::Open(game, game.Review, &screen.log(1), &screen.log(2)); }
};

class FlagDecisions : public ::testing::Test
{
protected:
    DecisionGame g;
    QList<TFlag> open() const { return g.open(); }
    void run(const QString &text) { g.run(text); }
};

TEST_F(FlagDecisions, MarksAndDismissalsChangeTheOpenFlags)
{
    ASSERT_EQ(open().size(), 2);
    EXPECT_EQ(open()[0].Line, 2);
    EXPECT_EQ(open()[0].Reasons, QList<TFlagReason>({TFlagReason::StealWithoutTurnover}));

    run(QStringLiteral("dismiss home 2 steal-without-turnover"));
    ASSERT_EQ(open().size(), 1);
    EXPECT_EQ(open()[0].Side, 2);

    // A mark adds its reason to a flagged line and makes a flag of a line whose reasons are dismissed.
    run(QStringLiteral("flag away 2\nflag home 2"));
    ASSERT_EQ(open().size(), 2);
    EXPECT_EQ(open()[0].Reasons, QList<TFlagReason>({TFlagReason::User}));
    EXPECT_EQ(open()[1].Reasons, QList<TFlagReason>({TFlagReason::ReboundWithoutMiss, TFlagReason::User}));

    run(QStringLiteral("dismiss home 2 user"));
    ASSERT_EQ(open().size(), 1);
    EXPECT_EQ(open()[0].Line, 2);
    EXPECT_EQ(open()[0].Side, 2);
}

TEST_F(FlagDecisions, ScriptRefusesWhatIsNotThere)
{
    struct TRefused
    {
        const char *Line;
        const char *Says;
    };
    const TRefused cases[] = {
        {"dismiss home 2 possession", "no such open flag"},
        {"dismiss home 2 steal-without-turnover\ndismiss home 2 steal-without-turnover", "no such open flag"},
        {"dismiss home 2 sloppy", "unknown reason 'sloppy'"},
        {"dismiss home 9 user", "no line 9"},
        {"flag home 1", "cannot be marked"},
        {"flag away 2\nflag away 2", "marked already"},
        {"confirm 1", "has not ended"},
        {"confirm", "takes the number"},
    };
    for (const TRefused &c : cases) {
        SCOPED_TRACE(c.Line);
        DecisionGame t;
        EXPECT_FALSE(t.script.Run(QString::fromUtf8(c.Line)));
        EXPECT_TRUE(t.script.Error().contains(QString::fromUtf8(c.Says))) << t.script.Error().toStdString();
    }
}

TEST_F(FlagDecisions, ConfirmationKeepsTheGameScoreAtThePeriodsEnd)
{
    run(QStringLiteral("select home 4\nshot home made three 15 180\nminute\nminute\nminute\nminute\nminute\n"
                       "periodend\nconfirm 1\ntick\nselect away 5\nshot away made close 118 36"));
    ASSERT_NE(g.game.Review.Confirmation(1), nullptr);
    EXPECT_EQ(*g.game.Review.Confirmation(1), (TScoreConfirmation{1, 3, 0}));
    EXPECT_EQ(g.game.Review.Confirmation(2), nullptr);
    EXPECT_FALSE(g.script.Run(QStringLiteral("confirm 2")));
}

TEST_F(FlagDecisions, BoardCountsAndFindsTheNextFlaggedLine)
{
    TFlagBoard board;
    board.Attach(&g.game, &g.screen.log(1), &g.screen.log(2));
    EXPECT_EQ(board.OpenCount(1), 1);
    EXPECT_EQ(board.OpenCount(2, 1), 1);
    EXPECT_EQ(board.OpenCount(2, 2), 0);
    ASSERT_NE(board.Find(1, open()[0].EventId), nullptr);

    run(QStringLiteral("select home 7\nevent home 1004\nselect home 10\nevent home 1001"));
    // Recording alone does not recompute: the board was not told.
    EXPECT_EQ(board.OpenCount(1), 1);
    board.Invalidate();
    ASSERT_EQ(board.OpenCount(1), 3);
    ASSERT_NE(board.NextFlagged(1, 0), nullptr);
    EXPECT_EQ(board.NextFlagged(1, 0)->Line, 2);
    EXPECT_EQ(board.NextFlagged(1, 2)->Line, 3);
    EXPECT_EQ(board.NextFlagged(1, 3)->Line, 4);
    // After the last flagged line it starts from the first again.
    EXPECT_EQ(board.NextFlagged(1, 4)->Line, 2);
    EXPECT_EQ(board.FlagsOfPeriod(1).size(), 4);
    EXPECT_EQ(board.FlagsOfPeriod(2).size(), 0);

    TFlagBoard empty;
    EXPECT_EQ(empty.NextFlagged(1, 0), nullptr);
    EXPECT_TRUE(empty.Flags().isEmpty());
}

TEST(GameReview, TextKeepsEveryDecision)
{
    TGameReview review;
    review.Mark(12);
    review.Mark(7);
    review.Dismiss(30, TFlagReason::NotOnCourt);
    review.Dismiss(30, TFlagReason::Possession);
    review.Confirm(2, 20, 18);
    review.Confirm(1, 9, 11);
    review.Confirm(1, 10, 11);
    TGameReview read;
    QString error;
    ASSERT_TRUE(read.FromText(review.ToText(), &error)) << error.toStdString();
    EXPECT_EQ(read, review);
    EXPECT_EQ(read.Confirmations(), QList<TScoreConfirmation>({{1, 10, 11}, {2, 20, 18}}));
}

TEST(GameReview, UnreadableTextLeavesTheDecisions)
{
    const char *bad[] = {"mark",          "mark x",      "mark 1 2",  "dismiss 3", "dismiss 3 nowhere",
                         "confirm 0 1 2", "confirm 1 2", "retract 4", "mark -2"};
    for (const char *line : bad) {
        SCOPED_TRACE(line);
        TGameReview review;
        review.Mark(5);
        QString error;
        EXPECT_FALSE(review.FromText(QStringLiteral("mark 9\n") + QString::fromUtf8(line), &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("line 2:"))) << error.toStdString();
        EXPECT_EQ(review.Marks(), QList<int>({5}));
    }
}

// What the operator reads of a flag or a refused decision is translated in both editions.
TEST(FlagRule, TextsAreTranslatedInBothEditions)
{
    DecisionGame g;
    QStringList texts;
    for (TFlagReason r : FlagReasons::All())
        texts.append(FlagReasons::Text(r));
    QString error;
    const int tick = g.screen.log(1).Entries().first().Event.Id;
    const int steal = g.screen.log(1).Entries().last().Event.Id;
    EXPECT_FALSE(TFlagRule::Mark(g.game, tick, &error));
    texts.append(error);
    ASSERT_TRUE(TFlagRule::Mark(g.game, steal, &error));
    EXPECT_FALSE(TFlagRule::Mark(g.game, steal, &error));
    texts.append(error);
    EXPECT_FALSE(TFlagRule::Dismiss(g.game, steal, TFlagReason::Possession, &error));
    texts.append(error);
    EXPECT_FALSE(TFlagRule::ConfirmPeriod(g.game, 1, &error));
    texts.append(error);
    texts.append(QStringLiteral("Open flags:"));
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TShippedTranslations translations(QString::fromLatin1(language));
        for (const QString &text : texts)
            translations.Translate(text, QStringLiteral("FORM"));
        EXPECT_EQ(translations.Misses, QStringList());
    }
}

TEST_F(FlagDecisions, EndOfGameListsTheOpenFlags)
{
    const QStringList lines = TFlagRule::OpenFlagsText(g.game).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Open flags:"));
    EXPECT_EQ(lines[1],
              QStringLiteral("Home Team, 00:15, KOVACS Janos: labdaszerzés (Steal without a turnover)"));
    EXPECT_EQ(lines[2],
              QStringLiteral("Away Team, 00:15, MOLNAR David: védőlepattanó (Rebound without a miss)"));

    run(QStringLiteral("dismiss home 2 steal-without-turnover\ndismiss away 2 rebound-without-miss"));
    EXPECT_EQ(TFlagRule::OpenFlagsText(g.game), QString());
}

// The board keeps what it worked out and, told that the game changed, works
// again only from where it did; after every step it must hold what a whole
// recomputation gives.
class FlagBoardFollows : public ::testing::Test
{
protected:
    FlagGame g;
    TFlagBoard board;
    const TSideHistory *home = &g.screen.log(1);
    void SetUp() override { board.Attach(&g.game, home, &g.screen.log(2)); }

    void expectWhole(const QString &step)
    {
        SCOPED_TRACE(step.toStdString());
        board.Invalidate();
        const QList<TFlag> whole = TFlagRule::Open(g.game, g.game.Review, home, &g.screen.log(2));
        ASSERT_EQ(board.Flags(), whole);
        for (const TFlag &f : whole) {
            ASSERT_NE(board.Find(f.Side, f.EventId), nullptr);
            EXPECT_EQ(*board.Find(f.Side, f.EventId), f);
            EXPECT_EQ(board.Find(3 - f.Side, f.EventId), nullptr);
        }
    }
};

TEST_F(FlagBoardFollows, EveryCorrectionOfAScriptedGame)
{
    // Each step after the first few goes back into what the board has seen.
    const char *steps[] = {
        "select home 4\nshot home made mid 88 120\nselect home 7\nevent home 1004",
        "select away 5\nshot away missed close 118 40\nselect home 10\nevent home 1001\n"
        "select away 8\nevent away 1002\nselect home 4\nevent home 1007",
        "select home 10\nevent home 1001\nselect away 12\nevent away 1009",
        // An assist's basket becomes a miss: the assist, the rebound after it change.
        "change home 2 kind=1013",
        "change home 2 kind=1012",
        // A substitution earlier in the game than the events it changes.
        "sub home 4 15\nselect home 15\nevent home 1006\nchange home {home} actor=4\nselect away 8\n"
        "event away 1007",
        "delete home 4",
        "flag home 3\nflag away 2",
        "dismiss away 4 block-without-shot",
        "select home 7\nevent home 1008\nselect away 5\nshot away made freethrow\nshot away made freethrow",
        "minute\nminute\nminute\nminute\nminute\nperiodend\ntick",
        "select home 7\nevent home 1004\nselect home 10\nshot home made mid 88 120\nselect away 5\nevent "
        "away 1002",
        // Back into the first period after the second has begun.
        "change home 3 kind=1002",
        "delete away 2",
        "dismiss home 3 user",
        "sub away 5 21\nselect away 21\nevent away 1001\nchange away {away} actor=5",
    };
    expectWhole(QStringLiteral("start"));
    for (const char *step : steps) {
        g.play(step);
        expectWhole(QString::fromUtf8(step));
    }
}

TEST_F(FlagBoardFollows, ARandomGameWithCorrectionsEverywhere)
{
    const QStringList home = {"4", "7", "10", "15"};
    const QStringList away = {"5", "8", "12", "21"};
    const QStringList events = {
        "event %1 1001",         "event %1 1002",           "event %1 1004",
        "event %1 1006",         "event %1 1007",           "event %1 1008",
        "event %1 1009",         "shot %1 made mid 88 120", "shot %1 missed close 118 40",
        "shot %1 made freethrow"};
    const QStringList kinds = {"1001", "1002", "1004", "1007", "1012", "1013"};
    quint32 seed = 20261210;
    auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(n));
    };
    for (int i = 0; i < 300; ++i) {
        const int side = 1 + next(2);
        const QString team = side == 1 ? QStringLiteral("home") : QStringLiteral("away");
        const QStringList &players = side == 1 ? home : away;
        const int lines = g.screen.log(side).LastNumber();
        const int what = next(20);
        QString line;
        if (what == 0 && i % 60 > 40)
            line = QStringLiteral("minute");
        else if (what == 1)
            line = QStringLiteral("sub %1 %2 %3").arg(team, players[next(4)], players[next(4)]);
        else if (what == 2 && lines > 1)
            line = QStringLiteral("delete %1 %2").arg(team).arg(1 + next(lines));
        else if (what <= 4 && lines > 1)
            line = QStringLiteral("change %1 %2 kind=%3").arg(team).arg(1 + next(lines)).arg(kinds[next(6)]);
        else if (what == 5 && lines > 1)
            line = QStringLiteral("flag %1 %2").arg(team).arg(1 + next(lines));
        else
            line = QStringLiteral("select %1 %2\n").arg(team, players[next(4)]) +
                   events[next(events.size())].arg(team);
        // A refused correction (a line deleted already, a clock step) leaves the game as it was.
        g.script.Run(line);
        expectWhole(QStringLiteral("%1: %2").arg(i).arg(line));
        if (HasFatalFailure())
            return;
    }
}

TEST_F(FlagBoardFollows, ALineTakenOffTheHistory)
{
    g.play("select home 4\nevent home 1002\nselect home 7\nevent home 1004\nselect away 5\nevent away 1001");
    // A loaded game's deleted event leaves the history and its flag loses the line.
    TSideHistory lines = g.screen.log(1);
    home = &lines;
    board.Attach(&g.game, home, &g.screen.log(2));
    expectWhole(QStringLiteral("attached"));
    ASSERT_FALSE(board.Flags().isEmpty());
    ASSERT_EQ(board.Flags()[0].Side, 1);
    ASSERT_TRUE(lines.Remove(board.Flags()[0].EventId));
    expectWhole(QStringLiteral("removed"));
    EXPECT_EQ(board.Flags()[0].Line, 0);
}
