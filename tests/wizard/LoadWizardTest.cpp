// The load wizard's steps on games the new game wizard saved.
#include "WizardFixture.h"

#include "workflow/wizard/TLoadPlayLogic.h"
#include "workflow/wizard/TNewGameLogic.h"

#include "model/game/TTeam.h"
#include "model/review/TFlagRule.h"

namespace {

class LoadWizard : public WizardFixture
{
protected:
    // A game recorded to its played time page and saved into Save/<folder>.
    void record(const QString &folder)
    {
        TNewGameLogic w(services());
        ASSERT_TRUE(w.SelectGame(QStringLiteral("MNL1GME1")));
        w.SetOnline(true);
        ASSERT_TRUE(w.Next());
        w.Fields.Attendance = QStringLiteral("321");
        ASSERT_TRUE(w.Next());
        for (int side : {1, 2}) {
            TTeamPick &pick = *w.Pick(side);
            for (int n = 0; n < 3; ++n) {
                pick.Players.Select(0);
                ASSERT_TRUE(pick.AddStarter());
            }
            ASSERT_TRUE(w.Next());
        }
        ASSERT_TRUE(w.Next());
        w.FolderName = folder;
        play.Script = QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\ntick\n");
        ASSERT_TRUE(w.Next());
        ASSERT_EQ(w.Page(), TNewGameLogic::PlayersMin);
        app->Game().SaveGame();
    }
};

TEST_F(LoadWizard, ListsTheSavedGamesAndOnlineChoosesResendingTheMissingData)
{
    record(QStringLiteral("first"));
    record(QStringLiteral("second"));
    TLoadPlayLogic w(services());
    ASSERT_EQ(w.Rows().size(), 2);
    EXPECT_EQ(w.Rows()[0].HomeTeam, QString::fromUtf8("Budapesti Medvék"));
    EXPECT_EQ(w.Rows()[1].Code, QStringLiteral("MNL1GME1"));
    EXPECT_TRUE(w.SelectFolder(QStringLiteral("second")));
    EXPECT_EQ(w.Selected(), 1);
    EXPECT_FALSE(w.SelectFolder(QStringLiteral("third")));
    w.SetOnline(false);
    EXPECT_FALSE(w.ResendEnabled());
    w.SetResendAll(true);
    w.SetOnline(true);
    EXPECT_TRUE(w.ResendEnabled());
    EXPECT_FALSE(w.ResendAll()) << "marking the game online selects the missing data";
    EXPECT_FALSE(w.BackEnabled());
}

TEST_F(LoadWizard, StepsFromTheListToTheEndOfTheGame)
{
    record(QStringLiteral("g"));
    sending.clear();
    TLoadPlayLogic w(services());
    ASSERT_TRUE(w.SelectFolder(QStringLiteral("g")));
    w.SetOnline(false);
    prompter.Shown.clear();
    prompter.Answers = {false};
    EXPECT_FALSE(w.Next());
    EXPECT_EQ(w.Step(), TLoadPlayLogic::Selection);
    EXPECT_EQ(prompter.Shown, QStringList{messages.MsgNotOnlineLoad});
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(sending, QList<bool>{false});
    ASSERT_EQ(w.Step(), TLoadPlayLogic::GameData);
    EXPECT_TRUE(w.BackEnabled());
    EXPECT_EQ(w.Fields.Attendance, QStringLiteral("321")) << "the general record shows on the game data page";
    EXPECT_EQ(w.Fields.Referee1, QString::fromUtf8("HORVÁTH Péter"));
    w.Fields.Attendance = QStringLiteral("abc");
    play.Script = QStringLiteral("select away 3\nshot away made mid 88 120\ntick\n");
    ASSERT_TRUE(w.Next()) << w.LastError().toStdString();
    ASSERT_EQ(w.Step(), TLoadPlayLogic::PlayedTimes);
    EXPECT_EQ(app->Game().Attendance, 0);
    EXPECT_EQ(w.End.HomePoints, 2);
    EXPECT_EQ(w.End.AwayPoints, 2) << "recording went on where the save ended";
    EXPECT_FALSE(w.BackEnabled());
    prompter.Shown.clear();
    EXPECT_FALSE(w.RequestClose());
    EXPECT_EQ(prompter.Shown, QStringList{translated("Use the Next button")});
    ASSERT_NE(w.PlayedTimesPage(), nullptr);
    QString error;
    ASSERT_TRUE(w.PlayedTimesPage()->SetTime(1, 0, 11, &error));
    TPlayer *first = w.PlayedTimesPage()->Logic().Frames().first().Player;
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(first->PlayingTime, 11);
    ASSERT_EQ(w.Step(), TLoadPlayLogic::EndGame);
    EXPECT_EQ(w.NextCaption(), translated("Befejezés"));
    EXPECT_TRUE(w.RequestClose());
    ASSERT_TRUE(w.Next());
    EXPECT_TRUE(w.Finished());
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadOnly));
    EXPECT_TRUE(events.readAll().contains("kod=1102"));
}

// The marks, dismissals and confirmations of a saved game come back with it,
// so the screen shows the same open flags and the next save keeps them.
TEST_F(LoadWizard, TheOperatorsDecisionsComeBackWithTheGame)
{
    record(QStringLiteral("g"));
    const int shot = app->Game().AllEvents.At(app->Game().AllEvents.Count() - 2)->Id;
    ASSERT_TRUE(TFlagRule::Mark(app->Game(), shot));
    const TGameReview saved = app->Game().Review;
    TLoadPlayLogic w(services());
    ASSERT_TRUE(w.SelectFolder(QStringLiteral("g")));
    w.SetOnline(false);
    prompter.Answers = {true};
    ASSERT_TRUE(w.Next());
    play.Script = QStringLiteral("tick\n");
    ASSERT_TRUE(w.Next()) << w.LastError().toStdString();
    EXPECT_EQ(app->Game().Review, saved);
    QFile file(home.file(QStringLiteral("Save/g/Review.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("mark ") + QByteArray::number(shot) + "\n");
}

// Exit on the court screen ends the program: the wizard goes no further and
// the game stays open, to be loaded again.
TEST_F(LoadWizard, ExitOnTheScreenLeavesTheGameOpen)
{
    record(QStringLiteral("g"));
    TLoadPlayLogic w(services());
    ASSERT_TRUE(w.SelectFolder(QStringLiteral("g")));
    w.SetOnline(false);
    prompter.Answers = {true};
    ASSERT_TRUE(w.Next());
    ASSERT_EQ(w.Step(), TLoadPlayLogic::GameData);
    play.Script = QStringLiteral("tick\n");
    play.Exited = true;
    EXPECT_FALSE(w.Next());
    EXPECT_TRUE(w.ApplicationEnded());
    EXPECT_EQ(w.Step(), TLoadPlayLogic::GameData);
    EXPECT_FALSE(w.Finished());
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadOnly));
    EXPECT_FALSE(events.readAll().contains("kod=1102"));
}

TEST_F(LoadWizard, ADamagedFolderIsLoadedOnlyWhenTheOperatorSaysSoAfterTheWarning)
{
    record(QStringLiteral("g"));
    store->CloseGameFolder(); // damage comes to a closed game: an open one is its redo log
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadWrite));
    ASSERT_TRUE(events.resize(events.size() - 604));
    events.close();
    TLoadPlayLogic w(services());
    ASSERT_TRUE(w.SelectFolder(QStringLiteral("g")));
    EXPECT_TRUE(w.Rows()[w.Selected()].Problem.contains(QStringLiteral("events_MNL1GME1.dat")));
    EXPECT_EQ(TLoadPlayLogic::StateOf(w.Rows()[w.Selected()]), QString::fromUtf8("Sérült"));
    w.SetOnline(true);
    prompter.Shown.clear();
    prompter.Answers = {false};
    EXPECT_FALSE(w.Next());
    EXPECT_EQ(w.Step(), TLoadPlayLogic::Selection);
    ASSERT_EQ(prompter.Shown.size(), 1);
    const QString question = prompter.Shown.first();
    EXPECT_TRUE(question.contains(QStringLiteral("events_MNL1GME1.dat"))) << question.toStdString();
    EXPECT_TRUE(question.contains(translated("This saved game is damaged: %1").section(u'%', 0, 0)))
        << question.toStdString();
    prompter.Answers = {true};
    ASSERT_TRUE(w.Next());
    EXPECT_EQ(w.Step(), TLoadPlayLogic::GameData);
    EXPECT_FALSE(w.Warning().isEmpty());
    ASSERT_TRUE(w.Next()) << w.LastError().toStdString();
    EXPECT_EQ(w.Step(), TLoadPlayLogic::PlayedTimes);
}

TEST_F(LoadWizard, AFolderThatCannotBeReadIsRefusedWithoutAQuestion)
{
    record(QStringLiteral("g"));
    store->CloseGameFolder(); // damage comes to a closed game: an open one is its redo log
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadWrite));
    ASSERT_TRUE(events.resize(events.size() - 3)); // no whole record
    events.close();
    TLoadPlayLogic w(services());
    ASSERT_TRUE(w.SelectFolder(QStringLiteral("g")));
    w.SetOnline(true);
    prompter.Shown.clear();
    prompter.Answers = {true};
    EXPECT_FALSE(w.Next());
    ASSERT_EQ(prompter.Shown.size(), 1);
    EXPECT_TRUE(prompter.Shown.first().contains(translated("This saved game cannot be loaded.")))
        << prompter.Shown.first().toStdString();
    EXPECT_EQ(w.Step(), TLoadPlayLogic::Selection);
}

TEST_F(LoadWizard, TheListShowsDateScoreAndWhetherTheGameWasClosed)
{
    record(QStringLiteral("a-open"));
    record(QStringLiteral("b-closed"));
    app->Game().SendGameClosed();
    app->Game().SaveGame();
    const QString date = app->Game().GameDate;
    TLoadPlayLogic w(services());
    ASSERT_EQ(w.Rows().size(), 2);
    for (const TSavedGameRow &row : w.Rows()) {
        SCOPED_TRACE(row.Folder.toStdString());
        EXPECT_FALSE(date.isEmpty());
        EXPECT_EQ(row.Date, date);
        EXPECT_EQ(TLoadPlayLogic::ScoreOf(row), QStringLiteral("2 - 0"));
        EXPECT_TRUE(row.Problem.isEmpty()) << row.Problem.toStdString();
    }
    EXPECT_EQ(TLoadPlayLogic::StateOf(w.Rows()[0]), QStringLiteral("Folyamatban"));
    EXPECT_EQ(TLoadPlayLogic::StateOf(w.Rows()[1]), QStringLiteral("Lezárva"));
}

TEST_F(LoadWizard, DumpsGoWithTheWizardWhenTheSettingsSaySo)
{
    for (const char *setting : {"YES", "NO"}) {
        SCOPED_TRACE(setting);
        app.reset();
        translation.reset();
        store.reset();
        start(QByteArray("DELETE_DATA_DUMP=") + setting + "\n");
        const QString dump = store->DumpFolder(app->Settings()) + QStringLiteral("/GameDumpData.dat");
        QDir().mkpath(store->DumpFolder(app->Settings()));
        QFile file(dump);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        {
            TLoadPlayLogic w(services());
        }
        EXPECT_EQ(QFile::exists(dump), QByteArray(setting) == "NO");
    }
}

} // namespace
