#include "BoxScoreFixture.h"

#include "desktop/reportmenu/TGameDataForm.h"
#include "desktop/reportmenu/TframePercJavitas.h"
#include "desktop/reportmenu/TfrmGameData.h"
#include "desktop/reportmenu/TfrmNyomtatasok.h"
#include "desktop/reportmenu/TfrmPlayedTime.h"
#include "workflow/gamedata/TGameDataLogic.h"
#include "workflow/gamedata/TPlayedTimeLogic.h"

#include "model/game/TPlayer.h"
#include "model/game/TTeam.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

class GameDataDialogs : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
    void clockAt(int clock, int period, int ended)
    {
        game.Clock = clock;
        game.Period = period;
        game.PeriodsEnded = ended;
    }
    // Spreads a team total over the team's frames: the first frame takes it all.
    static void setTotal(TPlayedTimeLogic &logic, int side, int total)
    {
        bool first = true;
        for (TPlayedTimeLogic::TFrame &f : logic.Frames())
            if (f.Side == side) {
                f.Time.SetValue(first ? total : 0);
                first = false;
            }
    }
};

TEST(PercJavitas, TextAndValueFollowEachOther)
{
    struct Case
    {
        int Set;
        const char *Text;
        int Back;
    };
    const Case cases[] = {
        {31, "07:45", 31},   {0, "00:00", 0},
        {-3, "00:00", 0},    {399, "99:45", 399}, // the largest value the text carries
        {400, "100:00", 40},                      // "10" minutes, "0:" is no number
    };
    for (const Case &c : cases) {
        TPercJavitas frame;
        frame.SetValue(c.Set);
        EXPECT_EQ(frame.Text(), QLatin1String(c.Text)) << c.Set;
        EXPECT_EQ(frame.Value(), c.Back) << c.Set;
    }
}

TEST(PercJavitas, ReadsMinutesAndSecondsFromTheirPlacesOnly)
{
    const std::pair<const char *, int> cases[] = {
        {"07:45", 31}, {"ab:30", 2}, {"12:xx", 48}, {"", 0}, {"03:14", 12}, {"3:45", 0},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(TPercJavitas::ValueOf(QLatin1String(text)), value) << text;
}

TEST(PercJavitas, DownArrowStopsAtZero)
{
    TPercJavitas frame;
    frame.SetValue(1);
    frame.Step(-1);
    frame.Step(-1);
    EXPECT_EQ(frame.Text(), "00:00");
    frame.Step(1);
    EXPECT_EQ(frame.Text(), "00:15");
}

TEST_F(GameDataDialogs, FramesStandInRosterOrderOnCourtFirst)
{
    game.HomeTeam().OnCourt.At(1)->PlayingTime = 9;
    const TPlayedTimeLogic logic(game);
    QStringList names;
    QList<int> tops;
    for (const TPlayedTimeLogic::TFrame &f : logic.Frames()) {
        names.append(f.Name);
        tops.append(f.Top);
        EXPECT_EQ(f.Time.Value(), f.Player->PlayingTime) << f.Name.toStdString();
    }
    EXPECT_EQ(names, QStringList({"CSAPAT_1_CSAPAT_0", "CSAPAT_1_CSAPAT_1", "CSAPAT_1_CSAPAT_2",
                                  "CSAPAT_1_CSERECSAPAT_0", "CSAPAT_2_CSAPAT_0", "CSAPAT_2_CSAPAT_1",
                                  "CSAPAT_2_CSAPAT_2", "CSAPAT_2_CSERECSAPAT_0"}));
    EXPECT_EQ(tops, QList<int>({0, 28, 56, 84, 0, 28, 56, 84}));
    EXPECT_EQ(logic.Frames()[3].Player, game.HomeTeam().Bench.At(0));
    EXPECT_EQ(logic.Total(1), 9);
}

TEST(PercJavitas, TypedTimesAreMinutesAndSecondsInQuarterMinuteSteps)
{
    const std::pair<const char *, int> cases[] = {
        {"07:45", 31},  {"7:45", 31},  {"7", 28},     {" 12:00 ", 48}, {"00:15", 1},
        {"99:45", 399}, {"7:40", -1},  {"7:60", -1},  {"7:4", -1},     {"100:00", -1},
        {"", -1},       {"ab:cd", -1}, {"7:45x", -1}, {":30", -1},     {"-1:00", -1},
    };
    for (const auto &[text, value] : cases) {
        int parsed = -1;
        EXPECT_EQ(TPercJavitas::Parse(QLatin1String(text), &parsed), value >= 0) << text;
        if (value >= 0) {
            EXPECT_EQ(parsed, value) << text;
        }
    }
}

TEST_F(GameDataDialogs, TotalsAreRightAtThreeTimesTheTimePlayed)
{
    struct Case
    {
        int Clock, Period, Ended, Total;
        bool Right;
    };
    // Every step credits the three players on court, in a running period as
    // after its end.
    const Case cases[] = {
        {21, 1, 0, 63, true},   {21, 1, 0, 60, false}, {21, 1, 0, 66, false},  {40, 1, 1, 120, true},
        {40, 1, 1, 117, false}, {41, 2, 1, 123, true}, {41, 2, 1, 120, false}, {0, 0, 0, 0, true},
    };
    for (const Case &c : cases) {
        clockAt(c.Clock, c.Period, c.Ended);
        TPlayedTimeLogic logic(game);
        setTotal(logic, 2, c.Total);
        EXPECT_EQ(logic.TotalRight(2), c.Right) << c.Clock << " " << c.Total;
        EXPECT_EQ(logic.TotalText(2), TPercJavitas::TextOf(c.Total));
    }
}

TEST_F(GameDataDialogs, AGameStoppedMidPeriodIsRightAsPlayed)
{
    // Seven steps into the first period, nobody's time touched.
    ticks(7);
    ASSERT_EQ(game.Clock, 7);
    TPlayedTimeLogic logic(game);
    EXPECT_EQ(logic.Total(1), 21);
    EXPECT_TRUE(logic.TotalRight(1));
    EXPECT_TRUE(logic.TotalRight(2));
    EXPECT_TRUE(logic.Ok());
    EXPECT_TRUE(prompter.Messages.isEmpty()) << prompter.Messages.join(u'\n').toStdString();
}

TEST_F(GameDataDialogs, OkRefusesEitherWrongTotalSayingWhatItShouldBe)
{
    clockAt(21, 1, 0);
    for (const int wrongSide : {1, 2}) {
        prompter.Messages.clear();
        TPlayedTimeLogic logic(game);
        setTotal(logic, 1, wrongSide == 1 ? 61 : 63);
        setTotal(logic, 2, wrongSide == 2 ? 59 : 63);
        const int queued = game.OutgoingQueue.Count();
        EXPECT_FALSE(logic.Ok()) << wrongSide;
        const QString expected = wrongSide == 1
                                     ? QStringLiteral("Home team total: 15:15, it should be 15:45.")
                                     : QStringLiteral("Away team total: 14:45, it should be 15:45.");
        EXPECT_EQ(prompter.Messages,
                  QStringList{QStringLiteral("A szamitott ossz ido nem helyes!\n") + expected});
        EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->PlayingTime, 0);
        EXPECT_EQ(game.OutgoingQueue.Count(), queued);
    }
}

TEST_F(GameDataDialogs, OkStoresEveryFrameAndSendsTheMinutes)
{
    clockAt(20, 1, 0);
    TPlayedTimeLogic logic(game);
    for (TPlayedTimeLogic::TFrame &f : logic.Frames())
        f.Time.SetValue(f.Name.contains(QLatin1String("CSERE")) ? 0 : 20);
    logic.Frames()[3].Time.SetValue(5); // home bench
    logic.Frames()[0].Time.SetValue(15);
    const int queued = game.OutgoingQueue.Count();
    ASSERT_TRUE(logic.Ok());
    EXPECT_TRUE(prompter.Messages.isEmpty());
    EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->PlayingTime, 15);
    EXPECT_EQ(game.HomeTeam().Bench.At(0)->PlayingTime, 5);
    EXPECT_EQ(game.AwayTeam().OnCourt.At(2)->PlayingTime, 20);
    EXPECT_EQ(game.AwayTeam().Bench.At(0)->PlayingTime, 0);
    EXPECT_GT(game.OutgoingQueue.Count(), queued);
}

TEST_F(GameDataDialogs, NumbersThatAreNotWholeAreStoredAsZero)
{
    const std::pair<const char *, int> cases[] = {
        {"abc", 0}, {"12a", 0}, {"", 0}, {"1.5", 0}, {"1500", 1500}};
    for (const auto &[text, value] : cases) {
        game.Attendance = 77;
        game.Income = 77;
        TGameDataLogic logic(game, {});
        logic.Fields.Attendance = QLatin1String(text);
        logic.Fields.Income = QLatin1String(text);
        logic.Ok();
        EXPECT_EQ(game.Attendance, value) << text;
        EXPECT_EQ(game.Income, value) << text;
    }
}

// The graphics software reads the game data from "GameDumpData.dat": a
// correction made in the report menu reaches it.
TEST_F(GameDataDialogs, OkRewritesTheGameDataDump)
{
    class TRecordingStore : public IGameStore
    {
    public:
        void SaveGame(TGame &) override {}
        void WriteDumps(TGame &) override {}
        void WritePeriodDump(TGame &, int) override {}
        void DeleteEarlierDumps(TGame &) override {}
        void DeleteDumps(TGame &) override {}
        void WriteGameDataDump(const TGame &g) override
        {
            Written << g.Referee1 + QLatin1Char('|') + g.Stadium;
        }
        QStringList Written;
    } store;
    game.SetStore(&store);
    TGameDataLogic logic(game, {});
    logic.Fields.Referee1 = QStringLiteral("Kovács & Társa");
    logic.Fields.Stadium = QStringLiteral("Új Csarnok");
    logic.Ok();
    game.SetStore(nullptr);
    EXPECT_EQ(store.Written, QStringList{QStringLiteral("Kovács & Társa|Új Csarnok")});
}

TEST_F(GameDataDialogs, FieldsComeFromTheGameAndChoicesByStaffType)
{
    game.GameDate = QStringLiteral("2026.12.09");
    game.Attendance = 1234;
    game.Referee2 = QStringLiteral("Kiss");
    game.Stadium = QStringLiteral("Arena");
    QStringList asked;
    const TGameDataLogic logic(game, [&asked](const QString &type) {
        asked.append(type);
        return QStringList{type + QStringLiteral("1"), type + QStringLiteral("2")};
    });
    EXPECT_EQ(asked, QStringList({"B", "E", "H"}));
    EXPECT_EQ(logic.Referees, QStringList({"B1", "B2"}));
    EXPECT_EQ(logic.Coaches, QStringList({"E1", "E2"}));
    EXPECT_EQ(logic.Stadiums, QStringList({"H1", "H2"}));
    EXPECT_EQ(logic.Fields.GameDate, "2026.12.09");
    EXPECT_EQ(logic.Fields.Attendance, "1234");
    EXPECT_EQ(logic.Fields.Referee2, "Kiss");
    EXPECT_EQ(logic.Fields.Stadium, "Arena");
}

TEST_F(GameDataDialogs, PointsCountInThePeriodHoldingTheirClock)
{
    // 10-minute periods: 40 quarter-minutes each.
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30")); // clock 1
    run(QStringLiteral("select away 5\nshot away made three 30 200"));       // clock 1
    clockTo(40);
    run(QStringLiteral("select home 7\nshot home made three 30 200")); // clock 40: still period 1
    clockTo(41);
    run(QStringLiteral("select away 8\nshot away made close 120 30")); // clock 41: period 2
    clockTo(161);
    run(QStringLiteral("select home 4\nshot home made freethrow")); // overtime
    const TGameDataLogic logic(game, {});
    const std::array<int, 5> home{5, 0, 0, 0, 1};
    const std::array<int, 5> away{3, 2, 0, 0, 0};
    EXPECT_EQ(logic.Points[0], home);
    EXPECT_EQ(logic.Points[1], away);
    EXPECT_EQ(TGameDataLogic::Sum(logic.Points[0]), 6);
}

TEST_F(GameDataDialogs, PlayedTimeDialogTotalsFollowTheArrows)
{
    clockAt(1, 1, 1); // three quarter-minutes per team are right
    TfrmPlayedTime dialog(game);
    auto *frame = dialog.findChild<TframePercJavitas *>(QStringLiteral("CSAPAT_2_CSAPAT_0"));
    auto *total = dialog.findChild<QLineEdit *>(QStringLiteral("edVendegOsszes"));
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(total, nullptr);
    QToolButton *down = frame->findChild<QToolButton *>(QStringLiteral("UpDown1Down"));
    QToolButton *up = frame->findChild<QToolButton *>(QStringLiteral("UpDown1Up"));
    down->click();
    EXPECT_EQ(frame->Text(), "00:00");
    EXPECT_EQ(total->palette().color(QPalette::Base), QColor(Qt::yellow));
    for (int i = 0; i < 3; ++i)
        up->click();
    EXPECT_EQ(total->text(), "00:45");
    EXPECT_EQ(total->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(frame->findChild<QLabel *>(QStringLiteral("lblJatekosNev"))->text(), "MOLNAR David");

    dialog.findChild<QAbstractButton *>(QStringLiteral("bbULEBOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // the home total is still wrong
    EXPECT_EQ(prompter.Messages.size(), 1);
    EXPECT_EQ(game.AwayTeam().OnCourt.At(0)->PlayingTime, 0);
}

TEST_F(GameDataDialogs, PlayedTimeDialogTakesTypedTimesAndSaysWhatIsWrong)
{
    clockAt(4, 1, 0); // 03:00 per team is right
    TfrmPlayedTime dialog(game);
    auto *frame = dialog.findChild<TframePercJavitas *>(QStringLiteral("CSAPAT_2_CSAPAT_0"));
    auto *total = dialog.findChild<QLineEdit *>(QStringLiteral("edVendegOsszes"));
    auto *homeShould = dialog.findChild<QLabel *>(QStringLiteral("lblHazaiElvart"));
    auto *awayShould = dialog.findChild<QLabel *>(QStringLiteral("lblVendegElvart"));
    auto *hint = dialog.findChild<QLabel *>(QStringLiteral("lblIdoHiba"));
    ASSERT_TRUE(frame && total && homeShould && awayShould && hint);
    QLineEdit *edit = frame->findChild<QLineEdit *>(QStringLiteral("meJatszottIdo"));
    EXPECT_EQ(homeShould->text(), "Should be 03:00");
    EXPECT_EQ(awayShould->text(), "Should be 03:00");
    const auto type = [&](const char *text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QLatin1String(text));
    };
    type("3");
    EXPECT_EQ(total->text(), "03:00");
    EXPECT_EQ(total->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(awayShould->text().isEmpty());
    EXPECT_EQ(homeShould->text(), "Should be 03:00");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(frame->Text(), "03:00") << "a time typed short is shown in full";

    // Seconds off the 15-second steps: the reason shows and OK stays.
    type("2:50");
    EXPECT_FALSE(frame->IsValid());
    EXPECT_TRUE(hint->text().contains(QLatin1String("\"2:50\" is no playing time")))
        << hint->text().toStdString();
    EXPECT_EQ(total->text(), "02:00") << "the total keeps the last time the field held (\"2\")";
    dialog.findChild<QAbstractButton *>(QStringLiteral("bbULEBOK"))->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.Messages.isEmpty());

    type("02:45");
    EXPECT_TRUE(hint->text().isEmpty());
    EXPECT_EQ(total->text(), "02:45");
    EXPECT_EQ(awayShould->text(), "Should be 03:00");
    frame->findChild<QToolButton *>(QStringLiteral("UpDown1Up"))->click();
    EXPECT_EQ(frame->Text(), "03:00");
    EXPECT_TRUE(awayShould->text().isEmpty());
}

TEST_F(GameDataDialogs, GameDataDialogStoresItsFirstPageOnly)
{
    TMarkingTranslator marking;
    game.Attendance = 50;
    TfrmGameData dialog(
        game, [](const QString &type) { return QStringList{type + QStringLiteral("-name")}; }, marking);
    EXPECT_EQ(dialog.windowTitle(), "Game data"); // the caption is not a translated widget text
    auto *attendance = dialog.findChild<QLineEdit *>(QStringLiteral("edNezokSzama"));
    auto *referee = dialog.findChild<QComboBox *>(QStringLiteral("cbStaffReferee3"));
    auto *quarter = dialog.findChild<QSpinBox *>(QStringLiteral("edHomeTeamQuarter2"));
    auto *result = dialog.findChild<QLineEdit *>(QStringLiteral("udHomeTeamQuartersResult"));
    ASSERT_TRUE(attendance && referee && quarter && result);
    EXPECT_EQ(attendance->text(), "50");
    EXPECT_EQ(referee->itemText(0), "B-name");
    EXPECT_TRUE(marking.Seen.contains(QStringLiteral("FORM:Croud")));
    EXPECT_TRUE(marking.Seen.contains(QStringLiteral("TABSET:Result")));

    quarter->stepBy(7);
    EXPECT_EQ(result->text(), "7");
    attendance->setText(QStringLiteral("abc"));
    referee->setEditText(QStringLiteral("Typed Referee"));
    dialog.findChild<QAbstractButton *>(QStringLiteral("bbOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(game.Attendance, 0);
    EXPECT_EQ(game.Referee3, "Typed Referee");
}

// The game data dialog and the wizards' page are one form, each taking the
// fields its own way (the new game starts its staff empty); all take whole
// numbers of at most nine digits, which the saved record holds.
TEST_F(GameDataDialogs, TheDialogAndTheWizardPagesShareOneFormEachWithItsOwnWays)
{
    const QStringList referees{QStringLiteral("Kiss Béla"), QStringLiteral("Nagy Ede")};
    const struct
    {
        const char *Window;
        TGameDataForm::TOptions Options;
        const char *Typed, *Attendance, *Referee;
    } cases[] = {
        {"game data dialog", {}, "7x7", "77", "Kiss Béla"},
        {"new game wizard", {true, true}, "7x7", "77", ""},
        {"load wizard", {false, true}, "1234567890", "123456789", "Kiss Béla"},
    };
    for (const auto &c : cases) {
        TGameDataForm form(referees, {}, {}, c.Options);
        QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("edNezokSzama")), QLatin1String(c.Typed));
        QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("edBevetel")), QLatin1String(c.Typed));
        TGameDataLogic::TFields read;
        form.Read(read);
        EXPECT_EQ(read.Attendance, QLatin1String(c.Attendance)) << c.Window;
        EXPECT_EQ(read.Income, QLatin1String(c.Attendance)) << c.Window;
        EXPECT_EQ(read.Referee1, QString::fromUtf8(c.Referee)) << c.Window;

        TGameDataLogic::TFields shown{QStringLiteral("01.02.2024"), QStringLiteral("18:00"),
                                      QStringLiteral("350"),        QStringLiteral("1200"),
                                      QStringLiteral("R1"),         QStringLiteral("R2"),
                                      QStringLiteral("R3"),         QStringLiteral("HC"),
                                      QStringLiteral("AC"),         QStringLiteral("Arena")};
        form.Show(shown);
        form.Read(read);
        QString TGameDataLogic::TFields::*const fields[] = {
            &TGameDataLogic::TFields::GameDate,   &TGameDataLogic::TFields::GameTime,
            &TGameDataLogic::TFields::Attendance, &TGameDataLogic::TFields::Income,
            &TGameDataLogic::TFields::Referee1,   &TGameDataLogic::TFields::Referee2,
            &TGameDataLogic::TFields::Referee3,   &TGameDataLogic::TFields::HomeCoach,
            &TGameDataLogic::TFields::AwayCoach,  &TGameDataLogic::TFields::Stadium};
        for (QString TGameDataLogic::TFields::*field : fields)
            EXPECT_EQ(read.*field, shown.*field) << c.Window;
    }
    TfrmGameData dialog(
        game, [&](const QString &) { return referees; }, translator);
    const auto forms = dialog.findChildren<TGameDataForm *>();
    ASSERT_EQ(forms.size(), 1);
    EXPECT_TRUE(forms.first()->isAncestorOf(dialog.findChild<QLineEdit *>(QStringLiteral("edNezokSzama"))));
}

TEST_F(GameDataDialogs, TheReportMenuButtonsOpenTheDialogs)
{
    TfrmNyomtatasok menu(game, translator);
    QStringList opened;
    menu.SetDataDialogs([&] { opened.append(QStringLiteral("data")); },
                        [&] { opened.append(QStringLiteral("times")); });
    menu.Button(QStringLiteral("bbSetPlayerTime"))->click();
    menu.Button(QStringLiteral("bbGameData"))->click();
    EXPECT_EQ(opened, QStringList({"times", "data"}));
}

} // namespace
