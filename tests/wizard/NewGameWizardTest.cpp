// The new game wizard's pages on the sample database, without widgets.
#include "WizardFixture.h"

#include "workflow/wizard/TNewGameLogic.h"

#include "masterdata/editing/TRowEdit.h"
#include "model/game/TTeam.h"

#include <QDirIterator>

namespace {

const QString Game1 =
    QStringLiteral("MNL1GME1"); // Budapesti Medvék (4 7 11 13 21 33) v Debreceni Sasok (3 8 12 15 23 32)

bool selectJersey(TPickList &list, int jersey)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.Player(i).JatekosMezSzam == jersey) {
            list.Select(i);
            return true;
        }
    return false;
}

void choose(TTeamPick &pick, QList<int> starters, int substitute)
{
    for (int j : starters) {
        ASSERT_TRUE(selectJersey(pick.Players, j)) << j;
        ASSERT_TRUE(pick.AddStarter()) << j;
    }
    if (substitute >= 0) {
        ASSERT_TRUE(selectJersey(pick.Players, substitute));
        ASSERT_TRUE(pick.AddSubstitute());
    }
}

class NewGameWizard : public WizardFixture
{
protected:
    // Through page 1 (online) and page 2 onto the home team's page.
    void toHomeTeam(TNewGameLogic &w)
    {
        ASSERT_TRUE(w.SelectGame(Game1));
        w.SetOnline(true);
        ASSERT_TRUE(w.Next());
        ASSERT_TRUE(w.Next());
        ASSERT_EQ(w.Page(), TNewGameLogic::HomeTeam);
    }
    void toFolderPage(TNewGameLogic &w)
    {
        toHomeTeam(w);
        choose(*w.Pick(1), {4, 7, 11}, 13);
        ASSERT_TRUE(w.Next());
        choose(*w.Pick(2), {3, 8, 12}, 15);
        ASSERT_TRUE(w.Next());
        ASSERT_TRUE(w.Next());
        ASSERT_EQ(w.Page(), TNewGameLogic::Game);
    }
    void toPlayedTimes(TNewGameLogic &w, const QString &folder = QStringLiteral("g1"))
    {
        play.Script = QStringLiteral("tick\ntick\nselect home 4\nshot home made mid 88 120\ntick\ntick\n");
        toFolderPage(w);
        w.FolderName = folder;
        ASSERT_TRUE(w.Next()) << w.LastError().toStdString();
        ASSERT_EQ(w.Page(), TNewGameLogic::PlayersMin);
    }
};

TEST_F(NewGameWizard, ScheduleFollowsTheLeagueAndPageOneTakesTheChosenGame)
{
    TNewGameLogic w(services());
    ASSERT_EQ(w.Leagues().size(), 1);
    EXPECT_EQ(w.ScheduleRows().size(), 12);
    EXPECT_FALSE(w.BackEnabled());
    ASSERT_TRUE(w.SelectGame(QStringLiteral("MNL1GME4")));
    EXPECT_FALSE(w.SelectGame(QStringLiteral("NOSUCH")));
    ASSERT_TRUE(w.SelectGame(QStringLiteral("MNL1GME4")));
    w.SetOnline(true);
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(w.Page(), TNewGameLogic::GameData);
    EXPECT_EQ(app->Game().GameCode, QStringLiteral("MNL1GME4"));
    EXPECT_TRUE(app->Game().Online) << "a new game keeps the online flag";
    EXPECT_EQ(w.Fields.Referee1, QString::fromUtf8("TÓTH Gergely"));
    // The sample schedule is dated from the day the build made it.
    const std::optional<TGameRow> scheduled =
        translation->DataModule().GameByCode(QStringLiteral("MNL1GME4"));
    ASSERT_TRUE(scheduled);
    EXPECT_EQ(w.Fields.GameDate, scheduled->Datum);
    EXPECT_EQ(w.Fields.GameTime, QStringLiteral("19:30"));
    EXPECT_TRUE(prompter.Shown.isEmpty()) << "an online game is not questioned";
}

TEST_F(NewGameWizard, AGameNotOnlineIsQuestionedAndNoStays)
{
    TNewGameLogic w(services());
    ASSERT_TRUE(w.SelectGame(Game1));
    prompter.Answers = {false};
    EXPECT_FALSE(w.Next());
    EXPECT_EQ(w.Page(), TNewGameLogic::Schedule);
    EXPECT_TRUE(w.NextEnabled());
    EXPECT_EQ(prompter.Shown, QStringList{messages.MsgNotOnlineNewGame});
    EXPECT_TRUE(sending.isEmpty());
    prompter.Answers = {true};
    EXPECT_TRUE(w.Next());
    EXPECT_EQ(sending, QList<bool>{false}) << "Yes turns sending off";
}

TEST_F(NewGameWizard, TeamPageButtonsFollowTheLists)
{
    TNewGameLogic w(services());
    toHomeTeam(w);
    TTeamPick &pick = *w.Pick(1);
    EXPECT_EQ(pick.Players.Count(), 6);
    EXPECT_EQ(w.TeamName(1), QString::fromUtf8("Budapesti Medvék"));
    EXPECT_EQ(app->Game().HomeTeam().Data.EgyesuletNev, QString::fromUtf8("Budapesti Medvék"));
    struct Case
    {
        int starters;
        bool add, remove, next;
    };
    const Case cases[] = {
        {0, true, false, false}, {1, true, true, false}, {2, true, true, false}, {3, false, true, true}};
    const int order[] = {4, 7, 11};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.starters);
        EXPECT_EQ(pick.Starters.Count(), c.starters);
        EXPECT_EQ(pick.CanAddStarter(), c.add);
        EXPECT_EQ(pick.CanRemoveStarter(), c.remove);
        EXPECT_EQ(w.NextEnabled(), c.next);
        EXPECT_EQ(app->Game().HomeTeam().OnCourt.Count(), c.starters);
        if (c.starters < 3) {
            ASSERT_TRUE(selectJersey(pick.Players, order[c.starters]));
            ASSERT_TRUE(pick.DoubleClick(TTeamPick::TListId::Players));
        }
    }
    // With three starters a double click on a player makes the substitute.
    EXPECT_TRUE(pick.CanAddSubstitute());
    ASSERT_TRUE(selectJersey(pick.Players, 13));
    ASSERT_TRUE(pick.DoubleClick(TTeamPick::TListId::Players));
    EXPECT_FALSE(pick.CanAddSubstitute()) << "a second substitute is refused";
    EXPECT_TRUE(pick.CanRemoveSubstitute());
    EXPECT_EQ(app->Game().HomeTeam().Bench.Count(), 1);
    EXPECT_EQ(pick.Starters.Texts(),
              (QStringList{QString::fromUtf8(" 4 : KOVÁCS János"), QString::fromUtf8(" 7 : SZŰCS Bence"),
                           QString::fromUtf8("11 : LAKATOS Márk")}));
    // "<" writes the entry back with its number in plain decimal and takes the team's copy out.
    pick.Starters.Select(0);
    ASSERT_TRUE(pick.DoubleClick(TTeamPick::TListId::Starters));
    EXPECT_TRUE(pick.Players.Texts().contains(QString::fromUtf8("4 : KOVÁCS János")));
    EXPECT_EQ(app->Game().HomeTeam().OnCourt.Count(), 2);
    EXPECT_EQ(app->Game().HomeTeam().OnCourt.IndexOf(QStringLiteral("04")), -1);
    EXPECT_FALSE(w.NextEnabled());
}

TEST_F(NewGameWizard, PageFourBackToPageThreeReloadsTheHomeTeam)
{
    TNewGameLogic w(services());
    toHomeTeam(w);
    choose(*w.Pick(1), {4, 7, 11}, 13);
    ASSERT_TRUE(w.Next());
    ASSERT_EQ(w.Page(), TNewGameLogic::AwayTeam);
    EXPECT_EQ(w.Pick(2)->Players.Count(), 6);
    w.Back();
    ASSERT_EQ(w.Page(), TNewGameLogic::HomeTeam);
    EXPECT_EQ(w.Pick(1)->Players.Count(), 6);
    EXPECT_TRUE(w.Pick(1)->Starters.IsEmpty());
    EXPECT_TRUE(w.Pick(1)->Substitute.IsEmpty());
    EXPECT_EQ(app->Game().HomeTeam().OnCourt.Count(), 0);
    EXPECT_EQ(app->Game().HomeTeam().Bench.Count(), 0);
    EXPECT_FALSE(w.NextEnabled());
}

TEST_F(NewGameWizard, PeriodsAreFiveMinutesWhateverTheSettingsSay)
{
    for (const char *length : {"GAMELENGTH=10\n", "GAMELENGTH=12\n"}) {
        SCOPED_TRACE(length);
        app.reset();
        translation.reset();
        store.reset();
        start(QByteArray("RENDEZES=RENDEZES_MEZSZAM\n") + length);
        TNewGameLogic w(services());
        toHomeTeam(w);
        EXPECT_EQ(app->Game().PeriodLength(), 5);
    }
}

TEST_F(NewGameWizard, BeginDataSummarisesTheLineUpsAndMarksTheStarters)
{
    TNewGameLogic w(services());
    toHomeTeam(w);
    choose(*w.Pick(1), {4, 21, 11}, 33);
    ASSERT_TRUE(w.Next());
    choose(*w.Pick(2), {3, 8, 12}, -1);
    ASSERT_TRUE(w.Next());
    ASSERT_EQ(w.Page(), TNewGameLogic::BeginData);
    EXPECT_TRUE(w.RosterPrintVisible());
    EXPECT_FALSE(w.RosterPrintEnabled()) << "no roster presentation given";
    // In jersey number order, not as texts (11, 21, 4).
    EXPECT_EQ(w.HomeStarters,
              (QStringList{QString::fromUtf8("4 : KOVÁCS János"), QString::fromUtf8("11 : LAKATOS Márk"),
                           QString::fromUtf8("21 : PAPP Dániel")}));
    EXPECT_EQ(w.HomeBench, QStringList{QString::fromUtf8("33 : OLÁH Richárd")});
    EXPECT_TRUE(w.AwayBench.isEmpty());
    const TTeam &home = app->Game().HomeTeam();
    for (int i = 0; i < home.OnCourt.Count(); ++i)
        EXPECT_EQ(home.OnCourt.At(i)->Starter, 1);
    EXPECT_EQ(home.Bench.At(0)->Starter, 0);
}

TEST_F(NewGameWizard, TheFolderNameIsProposedFromTheCodeAndToday)
{
    struct Case
    {
        QDate today;
        const char *name;
    };
    for (const Case &c :
         {Case{QDate(2026, 3, 7), "mnl1gme1_0703"}, Case{QDate(2026, 11, 12), "mnl1gme1_1211"}}) {
        clock.Set(QDateTime(c.today, QTime(10, 0)));
        TNewGameLogic w(services());
        toFolderPage(w);
        EXPECT_EQ(w.FolderName, QString::fromLatin1(c.name));
    }
}

TEST_F(NewGameWizard, ForbiddenOrEmptyFolderNamesKeepTheWizardOnItsPage)
{
    TNewGameLogic w(services());
    toFolderPage(w);
    struct Case
    {
        QString name, message;
    };
    const Case cases[] = {{QStringLiteral("a/b"), messages.MsgDirectoryInvalid},
                          {QStringLiteral("a\\b"), messages.MsgDirectoryInvalid},
                          {QStringLiteral("a:b"), messages.MsgDirectoryInvalid},
                          {QStringLiteral("a;b"), messages.MsgDirectoryInvalid},
                          {QStringLiteral("a'b"), messages.MsgDirectoryInvalid},
                          {QString(), messages.MsgSaveFolderRequired}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        prompter.Shown.clear();
        w.FolderName = c.name;
        EXPECT_FALSE(w.Next());
        EXPECT_EQ(w.Page(), TNewGameLogic::Game);
        EXPECT_TRUE(w.NextEnabled());
        EXPECT_EQ(prompter.Shown, QStringList{c.message});
    }
    EXPECT_EQ(play.Runs, 0);
    EXPECT_FALSE(QDir(app->SaveRoot + QStringLiteral("/a")).exists());
}

TEST_F(NewGameWizard, AnExistingFolderIsReusedOnlyAfterYes)
{
    ASSERT_TRUE(QDir().mkpath(app->SaveRoot + QStringLiteral("/old")));
    TNewGameLogic w(services());
    toFolderPage(w);
    w.FolderName = QStringLiteral("old");
    prompter.Answers = {false};
    EXPECT_FALSE(w.Next());
    EXPECT_EQ(w.Page(), TNewGameLogic::Game);
    EXPECT_EQ(prompter.Shown.last(), messages.MsgFolderMayHoldGame);
    EXPECT_EQ(play.Runs, 0);
    prompter.Answers = {true};
    EXPECT_TRUE(w.Next());
    EXPECT_EQ(play.Runs, 1);
    EXPECT_EQ(QDir(app->Game().GameFolder), QDir(app->SaveRoot + QStringLiteral("/old")));
    EXPECT_EQ(sending.last(), true) << "an online game sends from the court screen on";
}

TEST_F(NewGameWizard, AFolderFromTheListIsReusedByItsName)
{
    ASSERT_TRUE(QDir().mkpath(app->SaveRoot + QStringLiteral("/earlier")));
    TNewGameLogic w(services());
    ASSERT_EQ(w.Directories().size(), 1);
    EXPECT_TRUE(QDir::isAbsolutePath(w.Directories().first()));
    toFolderPage(w);
    w.ChooseDirectory(0);
    EXPECT_EQ(w.FolderName, QStringLiteral("earlier"));
    prompter.Shown.clear();
    EXPECT_TRUE(w.Next());
    EXPECT_EQ(prompter.Shown, QStringList{messages.MsgFolderMayHoldGame});
    EXPECT_EQ(QDir(app->Game().GameFolder), QDir(w.Directories().first()));
}

TEST_F(NewGameWizard, AGameStoppedMidPeriodNeedsNoCorrection)
{
    TNewGameLogic w(services());
    toPlayedTimes(w); // four steps into the first period
    ASSERT_EQ(app->Game().Clock, 4);
    TPlayedTimeLogic &times = w.PlayedTimes()->Logic();
    EXPECT_TRUE(times.TotalRight(1));
    EXPECT_TRUE(times.TotalRight(2));
    prompter.Shown.clear();
    ASSERT_TRUE(w.Next());
    EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join(u'\n').toStdString();
}

TEST_F(NewGameWizard, TheArenaIsTheHomeTeamsHallAndStaysEditable)
{
    const std::optional<TGameRow> scheduled = translation->DataModule().GameByCode(Game1);
    ASSERT_TRUE(scheduled);
    std::optional<TTeamRow> team = translation->DataModule().TeamById(scheduled->HazaiCsapatID);
    ASSERT_TRUE(team);
    team->EgyesuletCsarnok = QString::fromUtf8("Millenáris Sportcsarnok");
    ASSERT_GT(translation->DataModule().UpsertTeam(*team), 0);
    TNewGameLogic w(services());
    ASSERT_TRUE(w.SelectGame(Game1));
    w.SetOnline(true);
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(w.Fields.Stadium, QString::fromUtf8("Millenáris Sportcsarnok"));
    w.Fields.Stadium = QStringLiteral("Elsewhere");
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(app->Game().Stadium, QStringLiteral("Elsewhere"));
}

TEST_F(NewGameWizard, AWrongTotalWarnsAndBothTeamsTimesAreStored)
{
    TNewGameLogic w(services());
    toPlayedTimes(w);
    TPlayedTimeLogic &times = w.PlayedTimes()->Logic();
    EXPECT_EQ(times.ReferenceClock(), 4);
    QString error;
    // The home team right (3 players x 4), the away substitute too many.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(w.PlayedTimes()->SetTime(1, i, 4, &error));
    ASSERT_TRUE(w.PlayedTimes()->SetTime(1, 3, 0, &error));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(w.PlayedTimes()->SetTime(2, i, 4, &error));
    ASSERT_TRUE(w.PlayedTimes()->SetTime(2, 3, 9, &error)) << "the away substitute";
    EXPECT_TRUE(times.TotalRight(1));
    EXPECT_FALSE(w.PlayedTimes()->SetTime(2, 4, 1, &error));
    EXPECT_FALSE(times.TotalRight(2));
    QList<QPair<TPlayer *, int>> expected;
    for (const TPlayedTimeLogic::TFrame &f : times.Frames())
        expected.append({f.Player, f.Time.Value()});
    prompter.Shown.clear();
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(prompter.Shown, QStringList{messages.MsgTotalTimeWrong + QLatin1Char('\n') +
                                          translated("Away team total: %1, it should be %2.")
                                              .arg(QStringLiteral("05:15"), QStringLiteral("03:00"))});
    EXPECT_EQ(w.Page(), TNewGameLogic::EndGame);
    EXPECT_EQ(expected.size(), 8);
    for (const auto &[player, value] : expected)
        EXPECT_EQ(player->PlayingTime, value) << player->JatekosNev.toStdString();
    EXPECT_EQ(w.End.HomePoints, 2);
    EXPECT_EQ(w.End.AwayName, QString::fromUtf8("Debreceni Sasok"));
}

TEST_F(NewGameWizard, ClosingIsRefusedOnPageSevenAndPageEightClosesWithoutTheClosingMessage)
{
    auto w = std::make_unique<TNewGameLogic>(services());
    toPlayedTimes(*w);
    EXPECT_FALSE(w->BackEnabled());
    prompter.Shown.clear();
    EXPECT_FALSE(w->RequestClose());
    EXPECT_EQ(prompter.Shown, QStringList{translated("Use the Next button")});
    ASSERT_TRUE(w->Next());
    EXPECT_FALSE(w->BackEnabled());
    EXPECT_TRUE(w->RequestClose());
    const int events = app->Game().AllEvents.Count();
    w.reset();
    EXPECT_EQ(app->Game().AllEvents.Count(), events) << "closing queues nothing";
    QFile saved(home.file(QStringLiteral("Save/g1/events_MNL1GME1.dat")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_FALSE(saved.readAll().contains("kod=1102"));
}

TEST_F(NewGameWizard, FinishingSendsTheClosingMessageSavesAndReplacesTheGame)
{
    TNewGameLogic w(services());
    toPlayedTimes(w);
    EXPECT_EQ(w.NextCaption(), translated("Tovább"));
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(w.NextCaption(), translated("Befejezés"));
    ASSERT_TRUE(w.Next());
    EXPECT_TRUE(w.Finished());
    EXPECT_TRUE(app->Game().GameCode.isEmpty()) << "the game is replaced";
    EXPECT_EQ(app->Game().AllEvents.Count(), 0);
    QFile events(home.file(QStringLiteral("Save/g1/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadOnly));
    EXPECT_TRUE(events.readAll().contains("kod=1102"));
    EXPECT_TRUE(QDir(store->TempFolder()).entryList({QStringLiteral("Game_Data_*")}, QDir::Files).isEmpty());
}

TEST_F(NewGameWizard, FinishingListsTheOpenFlagsBeforeTheClosingMessage)
{
    for (const bool slip : {false, true}) {
        SCOPED_TRACE(slip ? "a steal without a turnover" : "a clean game");
        TWizardServices s = services();
        int closingMessages = -1;
        s.Finishing = [&](TGame &) { closingMessages = int(prompter.Shown.size()); };
        TNewGameLogic w(s);
        toFolderPage(w);
        play.Script = QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\ntick\n") +
                      (slip ? QStringLiteral("select home 4\nevent home 1002\n") : QString());
        w.FolderName = slip ? QStringLiteral("g2") : QStringLiteral("g1");
        ASSERT_TRUE(w.Next()) << w.LastError().toStdString();
        ASSERT_EQ(w.Page(), TNewGameLogic::PlayersMin);
        ASSERT_TRUE(w.Next());
        prompter.Shown.clear();
        ASSERT_TRUE(w.Next());
        ASSERT_TRUE(w.Finished());
        const QStringList lists = prompter.Shown.filter(translated("Open flags:"));
        EXPECT_EQ(lists.size(), slip ? 1 : 0) << prompter.Shown.join(u'|').toStdString();
        if (slip) {
            EXPECT_TRUE(lists.first().contains(translated("Steal without a turnover")))
                << lists.first().toStdString();
            EXPECT_EQ(closingMessages, 1) << "listed before the game is closed";
        }
    }
}

TEST_F(NewGameWizard, TheQueueIsHandedOnBeforeTheGameIsReplaced)
{
    TWizardServices s = services();
    QStringList seen;
    s.Finishing = [&](TGame &game) {
        for (int i = 0; i < game.OutgoingQueue.Count(); ++i)
            seen.append(game.OutgoingQueue.At(i)->Message);
    };
    TNewGameLogic w(s);
    toPlayedTimes(w);
    ASSERT_TRUE(w.Next());
    ASSERT_TRUE(w.Next());
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen.last().contains(QStringLiteral("kod=1102"))) << seen.last().toStdString();
}

TEST_F(NewGameWizard, SetJerseyOnAStarterRenumbersTheTeamCopySoItComesBack)
{
    TNewGameLogic w(services());
    toHomeTeam(w);
    TTeamPick &pick = *w.Pick(1);
    choose(pick, {4, 7, 11}, -1);
    ASSERT_TRUE(selectJersey(pick.Starters, 7));
    pick.SetClickedList(TTeamPick::TListId::Starters);
    ASSERT_NE(pick.JerseyTarget(), nullptr);
    EXPECT_EQ(pick.JerseyTarget()->JatekosMezSzam, 7);
    ASSERT_TRUE(pick.SetJersey(QStringLiteral("9")));
    const TTeam &team = app->Game().HomeTeam();
    EXPECT_EQ(team.OnCourt.IndexOf(QStringLiteral("07")), -1);
    ASSERT_GE(team.OnCourt.IndexOf(QStringLiteral("09")), 0);
    EXPECT_EQ(team.OnCourt.At(team.OnCourt.IndexOf(QStringLiteral("09")))->JatekosNev,
              QString::fromUtf8("SZŰCS Bence"));
    EXPECT_TRUE(pick.Starters.Texts().contains(QString::fromUtf8("9 : SZŰCS Bence")));
    ASSERT_TRUE(selectJersey(pick.Starters, 9));
    ASSERT_TRUE(pick.RemoveStarter());
    EXPECT_EQ(team.OnCourt.Count(), 2) << "the team's copy was found under its new key";
}

TEST_F(NewGameWizard, SetJerseyRefusesWhatIsNoNumberAndNumbersWorn)
{
    TNewGameLogic w(services());
    toHomeTeam(w);
    TTeamPick &pick = *w.Pick(1);
    choose(pick, {4, 7}, -1);
    struct Case
    {
        TTeamPick::TListId list;
        int jersey;
        QString typed;
        bool changed;
    };
    const QString notNumber = translated("The jersey number must be a whole number from 0 to 99!");
    const Case cases[] = {
        {TTeamPick::TListId::Players, 11, QStringLiteral("abc"), false},
        {TTeamPick::TListId::Players, 11, QStringLiteral("1.5"), false},
        {TTeamPick::TListId::Players, 11, QStringLiteral("100"), false},
        {TTeamPick::TListId::Players, 11, QStringLiteral("13"), false}, // worn in the same list
        {TTeamPick::TListId::Starters, 4, QStringLiteral("7"), false},
        {TTeamPick::TListId::Players, 11, QStringLiteral("4"), true}, // a starter's number, another list
        {TTeamPick::TListId::Starters, 7, QStringLiteral("13"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        prompter.Shown.clear();
        ASSERT_TRUE(selectJersey(pick.List(c.list), c.jersey));
        pick.SetClickedList(c.list);
        const QString name = pick.JerseyTarget()->JatekosNev;
        EXPECT_EQ(pick.SetJersey(c.typed), c.changed);
        EXPECT_EQ(prompter.Shown.isEmpty(), c.changed);
        if (!c.changed) {
            EXPECT_TRUE(prompter.Shown.first() == notNumber ||
                        prompter.Shown.first() == messages.MsgSameJerseyPlayers);
        }
        const TPickList &list = pick.List(c.list);
        for (int i = 0; i < list.Count(); ++i)
            if (list.Player(i).JatekosNev == name) {
                EXPECT_EQ(list.Player(i).JatekosMezSzam, c.changed ? c.typed.toInt() : c.jersey);
            }
    }
}

TEST_F(NewGameWizard, AddingANewPlayerPutsHimInTheRosterAndTheList)
{
    TWizardServices s = services();
    s.EditNewPlayer = [](TRowEdit &edit) {
        edit.SetField(QStringLiteral("JatekosNev"), QStringLiteral("UJ Elek"));
        edit.SetField(QStringLiteral("JatekosMezSzam"), QStringLiteral("44"));
        return edit.Save();
    };
    TNewGameLogic w(s);
    toHomeTeam(w);
    ASSERT_TRUE(w.AddNewPlayer(1));
    ASSERT_TRUE(selectJersey(w.Pick(1)->Players, 44));
    EXPECT_EQ(w.Pick(1)->Players.Count(), 7);
    // The roster of the team in the league has him the next time the page loads.
    w.Back();
    ASSERT_TRUE(w.Next());
    ASSERT_EQ(w.Page(), TNewGameLogic::HomeTeam);
    EXPECT_EQ(w.Pick(1)->Players.Count(), 7);
}

} // namespace

namespace {

// With DELETE_DATA_DUMP off the graphics software keeps the final figures
// after the wizard has finished, as after the load wizard.
TEST_F(NewGameWizard, FinishingLeavesTheDumpsUnlessTheSettingsSayDelete)
{
    for (const char *setting : {"YES", "NO"}) {
        SCOPED_TRACE(setting);
        app.reset();
        translation.reset();
        store.reset();
        start(QByteArray("RENDEZES=RENDEZES_MEZSZAM\nDATA_DUMP=YES\nDELETE_DATA_DUMP=") + setting + "\n");
        const QString folder = store->DumpFolder(app->Settings());
        const QString dump = folder + QStringLiteral("/GameDumpData.dat");
        QDir().mkpath(folder);
        QFile file(dump);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        {
            TNewGameLogic w(services());
            toPlayedTimes(w, QStringLiteral("g-") + QLatin1String(setting));
            ASSERT_TRUE(w.Next());
            ASSERT_TRUE(w.Next());
            ASSERT_TRUE(w.Finished());
        }
        EXPECT_EQ(QFile::exists(dump), QByteArray(setting) == "NO");
        EXPECT_EQ(QDir(folder).entryList({QStringLiteral("Dump_Data_*")}, QDir::Files).isEmpty(),
                  QByteArray(setting) == "YES");
    }
}

} // namespace
