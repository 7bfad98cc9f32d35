// The statistician's whole path from the main window, offscreen: the new
// game wizard clicked through from the schedule to the end of the game on
// the sample database, with the reference server receiving the game.
#include "WizardFixture.h"

#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/wizard/TDesktopWizards.h"
#include "desktop/wizard/TfrmLoadPlay.h"
#include "desktop/wizard/TfrmNewGame.h"
#include "savegame/TSavedGameList.h"

#include "common/Win1250.h"
#include "support/CliRunner.h"
#include "support/ServerProcess.h"

#include "shell/session/TDesktopSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget &parent, const char *name)
{
    if (auto *button = child<QPushButton>(parent, name)) {
        EXPECT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Moves the first entry of the players list with the arrow of that name.
void moveFirst(QWidget &wizard, const char *list, const char *arrow)
{
    auto *players = child<QListWidget>(wizard, list);
    ASSERT_NE(players, nullptr);
    ASSERT_GT(players->count(), 0);
    players->setCurrentRow(0);
    click(wizard, arrow);
}

class WizardWindows : public testing::Test
{
protected:
    void makeHome(const QByteArray &server)
    {
        const QString bin = binaryFolder();
        QDir().mkpath(home.file(QStringLiteral("Datastore")));
        ASSERT_TRUE(QFile::copy(bin + QStringLiteral("/Datastore/parquetix.db"),
                                home.file(QStringLiteral("Datastore/parquetix.db"))));
        ASSERT_TRUE(QFile::copy(bin + QStringLiteral("/ParquetixData.xml"),
                                home.file(QStringLiteral("ParquetixData.xml"))));
        // The court screen's pictures, from the build.
        QDir().rmdir(home.file(QStringLiteral("Library")));
        ASSERT_TRUE(QFile::link(bin + QStringLiteral("/Library"), home.file(QStringLiteral("Library"))));
        home.write(
            QStringLiteral("parquetix.ini"),
            "[APPLICATION]\nVERSION=HUN\nLANGUAGE=ENG\nRENDEZES=RENDEZES_MEZSZAM\nCHECK_NEW_VERSION=NO\n"
            "INPUT=INPUT_KEYBOARD\nSYSTEM_MOUSE=SYSTEM_MOUSE_USE\nDATA_DUMP=YES\nDELETE_DATA_DUMP=YES\n"
            "SERVER_NAME=" +
                server + "/income/index.phtml?\n");
    }

    TestHome home;
    QueuedPrompter prompter;
};

TEST_F(WizardWindows, NewGameFromTheScheduleToTheEndReachesTheServerAndItsFolder)
{
    QTemporaryDir serverData;
    ServerProcess server(serverData.path());
    ASSERT_GT(server.Port(), 0);
    makeHome(server.Base());
    ASSERT_FALSE(HasFatalFailure());
    TfrmParquetixMain window(TMainWindowOptions{
        .Home = home.path(), .StartWaitMs = 0, .StartSender = true, .Prompter = &prompter});
    ASSERT_TRUE(window.Action(TMainCommand::Schedule)->isEnabled());
    QStringList pagesSeen;
    bool screenShown = false;
    window.Wizards().ScreenShown = [&](TfrmParquetixScreenNew &screen) {
        screenShown = true;
        // The operator's input reaches the screen, not the wizard below it.
        EXPECT_EQ(QApplication::activeModalWidget(), &screen);
        TGameScript script(window.Session().App().Game(), screen.Screen());
        EXPECT_TRUE(script.Run(QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\n"
                                              "select away 3\nshot away missed three 20 20\ntick\ntick\n")))
            << script.Error().toStdString();
        screen.reject();
    };
    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmNewGame &>(shown);
        auto page = [&] {
            pagesSeen.append(wizard.Pages()->currentWidget()->objectName());
            return wizard.Pages()->currentIndex() + 1;
        };
        // 1: the first game of the schedule, online.
        ASSERT_EQ(page(), 1);
        auto *schedule = child<QTableWidget>(wizard, "dbgSchedule");
        ASSERT_EQ(schedule->item(0, 4)->text(), QStringLiteral("MNL1GME1"));
        schedule->selectRow(0);
        auto *online = child<QCheckBox>(wizard, "cbOnlineMerkezes");
        QTest::mouseClick(online, Qt::LeftButton, {}, QPoint(8, online->height() / 2));
        EXPECT_TRUE(online->isChecked());
        EXPECT_TRUE(window.Session().App().Game().Online);
        EXPECT_FALSE(wizard.BackButton()->isEnabled());
        click(wizard, "bbTovabb");
        // 2: the game data, the attendance typed (letters are not taken).
        ASSERT_EQ(page(), 2);
        auto *attendance = child<QLineEdit>(wizard, "edNezokSzama");
        attendance->clear();
        QTest::keyClicks(attendance, QStringLiteral("7x7"));
        EXPECT_EQ(attendance->text(), QStringLiteral("77"));
        click(wizard, "bbTovabb");
        // 3 and 4: three starters each, an away substitute.
        ASSERT_EQ(page(), 3);
        EXPECT_EQ(child<QLineEdit>(wizard, "edHazaiCsapat")->text(), QString::fromUtf8("Budapesti Medvék"));
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(wizard.NextButton()->isEnabled());
            moveFirst(wizard, "lbNevezettJatekosokCsapat1", "sbJatekosAddCsapat1");
        }
        EXPECT_FALSE(child<QPushButton>(wizard, "sbJatekosAddCsapat1")->isEnabled());
        click(wizard, "bbTovabb");
        ASSERT_EQ(page(), 4);
        for (int i = 0; i < 3; ++i)
            moveFirst(wizard, "lbNevezettJatekosokCsapat2", "sbJatekosAddCsapat2");
        moveFirst(wizard, "lbNevezettJatekosokCsapat2", "sbCsereJatekosAddCsapat2");
        EXPECT_FALSE(child<QPushButton>(wizard, "sbCsereJatekosAddCsapat2")->isEnabled());
        click(wizard, "bbTovabb");
        // 5: the summary and "Nyomtatás"; 6: the proposed folder.
        ASSERT_EQ(page(), 5);
        EXPECT_TRUE(child<QPushButton>(wizard, "bbNyomtatas")->isVisible());
        EXPECT_TRUE(child<QPushButton>(wizard, "bbNyomtatas")->isEnabled())
            << "the roster presentation is wired";
        EXPECT_EQ(child<QListWidget>(wizard, "lbVendegCsereCsapat")->count(), 1);
        click(wizard, "bbTovabb");
        ASSERT_EQ(page(), 6);
        EXPECT_FALSE(child<QPushButton>(wizard, "bbNyomtatas")->isVisible());
        EXPECT_FALSE(child<QLineEdit>(wizard, "edSaveDirectoryName")->text().isEmpty());
        click(wizard, "bbTovabb"); // the court screen runs until it is closed
        // 7: the played times; closing is refused.
        ASSERT_EQ(page(), 7);
        EXPECT_TRUE(screenShown);
        ASSERT_NE(wizard.findChild<QWidget *>(QStringLiteral("CSAPAT_2_CSERECSAPAT_0")), nullptr);
        prompter.Shown.clear();
        wizard.close();
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(prompter.Shown.size(), 1);
        click(wizard, "bbTovabb");
        // 8: the result, then the end of the game.
        ASSERT_EQ(page(), 8);
        EXPECT_EQ(child<QLabel>(wizard, "lblCsapat1Vegeredmeny")->text(), QStringLiteral("2"));
        EXPECT_EQ(child<QLabel>(wizard, "lblCsapat2Vegeredmeny")->text(), QStringLiteral("0"));
        EXPECT_TRUE(child<QPushButton>(wizard, "sbSendData")->isEnabled());
        click(wizard, "bbTovabb");
    };
    window.Run(TMainCommand::Schedule);
    EXPECT_EQ(pagesSeen.size(), 8);

    const QByteArrayList got = server.Messages("MNL1GME1");
    ASSERT_FALSE(got.isEmpty()) << prompter.Shown.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(got.first().contains("kod=0001&")) << got.first().toStdString();
    EXPECT_TRUE(got.first().contains(Win1250::Encode(QString::fromUtf8("Budapesti_Medvék"))));
    EXPECT_EQ(countCode(got, "kod=0002"), 7) << "three and three starters and a substitute";
    EXPECT_EQ(countCode(got, "kod=1000"), 1);
    EXPECT_TRUE(got.last().contains("kod=1102&")) << got.last().toStdString();

    const QList<TSavedGameRow> saved = TSavedGameList::List(home.file(QStringLiteral("Save")));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.first().Folder,
              QStringLiteral("mnl1gme1_") + QDate::currentDate().toString(QStringLiteral("ddMM")));
    EXPECT_EQ(saved.first().AwayTeam, QString::fromUtf8("Debreceni Sasok"));
    EXPECT_TRUE(saved.first().Problem.isEmpty());
}

TEST_F(WizardWindows, ADoubleClickOnOneOfMyTeamsGamesOpensTheWizardOnThatGame)
{
    makeHome("http://127.0.0.1:9");
    ASSERT_FALSE(HasFatalFailure());
    home.write(QStringLiteral("parquetix.ini"), home.read(QStringLiteral("parquetix.ini")) + "MY_TEAM=3\n");
    TfrmParquetixMain window(TMainWindowOptions{
        .Home = home.path(), .StartWaitMs = 0, .StartSender = false, .Prompter = &prompter});
    QTreeWidget *games = window.MyTeamPlaysList();
    ASSERT_GE(games->topLevelItemCount(), 2);
    QTreeWidgetItem *second = games->topLevelItem(1);
    const QString code = second->text(second->columnCount() - 1);
    QString chosen;
    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmNewGame &>(shown);
        const TGameRow *row = wizard.Logic().SelectedGame();
        chosen = row ? row->MerkozesKod : QString();
        wizard.close();
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint at = games->visualItemRect(second).center();
    // A double click is a press and release followed by a double-click event.
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(games->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(code.isEmpty());
    EXPECT_EQ(chosen, code);
}

TEST_F(WizardWindows, TheFirstPageCancelsAndTheAddButtonSaysWhatItDoes)
{
    makeHome("http://127.0.0.1:9");
    ASSERT_FALSE(HasFatalFailure());
    QByteArray ini = home.read(QStringLiteral("parquetix.ini"));
    ini.replace("LANGUAGE=ENG", "LANGUAGE=HUN");
    home.write(QStringLiteral("parquetix.ini"), ini);
    TfrmParquetixMain window(TMainWindowOptions{
        .Home = home.path(), .StartWaitMs = 0, .StartSender = false, .Prompter = &prompter});
    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmNewGame &>(shown);
        auto *cancel = child<QPushButton>(wizard, "bbCancel");
        ASSERT_NE(cancel, nullptr);
        EXPECT_TRUE(cancel->isVisible());
        EXPECT_EQ(cancel->text(), QString::fromUtf8("&Mégse"));
        QTest::mouseClick(cancel, Qt::LeftButton);
    };
    EXPECT_EQ(window.Wizards().RunNewGame(), int(QDialog::Rejected));

    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmNewGame &>(shown);
        child<QTableWidget>(wizard, "dbgSchedule")->selectRow(0);
        prompter.Answers = {true}; // not online: yes
        click(wizard, "bbTovabb");
        click(wizard, "bbTovabb");
        ASSERT_EQ(wizard.Pages()->currentIndex(), 2);
        auto *add = child<QPushButton>(wizard, "spHomeTeamAddPlayer");
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add->text(), QString::fromUtf8("Új játékos..."));
        EXPECT_EQ(add->toolTip(),
                  QString::fromUtf8("Új játékost vesz fel a törzsadatokba és a csapat keretébe"));
        EXPECT_GE(add->width(), add->fontMetrics().horizontalAdvance(add->text()));
        EXPECT_TRUE(child<QPushButton>(wizard, "bbCancel")->isVisible());
        wizard.close();
    };
    window.Wizards().RunNewGame();
}

TEST_F(WizardWindows, ADamagedSavedGameIsMarkedAndLoadedOnlyAfterTheWarning)
{
    makeHome("http://127.0.0.1:9");
    ASSERT_FALSE(HasFatalFailure());
    home.write(QStringLiteral("first.txt"), "tick\nselect home 4\nshot home made mid 88 120\ntick\n");
    const CliResult created =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("newgame"), QStringLiteral("--game"), QStringLiteral("MNL1GME1"),
                    QStringLiteral("--online"), QStringLiteral("--home-starters"), QStringLiteral("4,7,11"),
                    QStringLiteral("--away-starters"), QStringLiteral("3,8,12"), QStringLiteral("--folder"),
                    QStringLiteral("g"), QStringLiteral("--script"), home.file(QStringLiteral("first.txt"))},
                   home.path());
    ASSERT_EQ(created.ExitCode, 0) << created.Err.toStdString();
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadWrite));
    ASSERT_TRUE(events.resize(events.size() - 604));
    events.close();

    TfrmParquetixMain window(TMainWindowOptions{
        .Home = home.path(), .StartWaitMs = 0, .StartSender = false, .Prompter = &prompter});
    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmLoadPlay &>(shown);
        auto *games = child<QTableWidget>(wizard, "dbgGames");
        ASSERT_EQ(games->rowCount(), 1);
        ASSERT_EQ(games->columnCount(), 7);
        EXPECT_EQ(games->horizontalHeaderItem(6)->text(), QStringLiteral("State"));
        EXPECT_EQ(games->item(0, 6)->text(), QStringLiteral("Damaged"));
        EXPECT_TRUE(games->item(0, 0)->toolTip().contains(QStringLiteral("events_MNL1GME1.dat")));
        prompter.Shown.clear();
        prompter.Answers = {true, false}; // not online: yes; load it anyway: no
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton);
        EXPECT_EQ(wizard.Pages()->currentIndex(), 0);
        ASSERT_EQ(prompter.Shown.size(), 2);
        EXPECT_TRUE(prompter.Shown.last().startsWith(QStringLiteral("This saved game is damaged:")))
            << prompter.Shown.last().toStdString();
        prompter.Answers = {true, true};
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton);
        EXPECT_EQ(wizard.Pages()->currentIndex(), 1);
        wizard.close();
    };
    window.Wizards().RunLoadPlay();
}

TEST_F(WizardWindows, LoadGameContinuesASavedGameToItsEnd)
{
    makeHome("http://127.0.0.1:9");
    ASSERT_FALSE(HasFatalFailure());
    home.write(QStringLiteral("first.txt"), "tick\nselect home 4\nshot home made mid 88 120\n");
    const CliResult created =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("newgame"), QStringLiteral("--game"), QStringLiteral("MNL1GME1"),
                    QStringLiteral("--online"), QStringLiteral("--home-starters"), QStringLiteral("4,7,11"),
                    QStringLiteral("--away-starters"), QStringLiteral("3,8,12"), QStringLiteral("--folder"),
                    QStringLiteral("g"), QStringLiteral("--script"), home.file(QStringLiteral("first.txt"))},
                   home.path());
    ASSERT_EQ(created.ExitCode, 0) << created.Err.toStdString();

    TfrmParquetixMain window(TMainWindowOptions{
        .Home = home.path(), .StartWaitMs = 0, .StartSender = false, .Prompter = &prompter});
    ASSERT_TRUE(window.Action(TMainCommand::LoadGame)->isEnabled());
    window.Wizards().ScreenShown = [&](TfrmParquetixScreenNew &screen) {
        EXPECT_EQ(QApplication::activeModalWidget(), &screen);
        TGameScript script(window.Session().App().Game(), screen.Screen());
        EXPECT_TRUE(script.Run(QStringLiteral("select away 3\nshot away made three 20 20\ntick\n")))
            << script.Error().toStdString();
        screen.reject();
    };
    int steps = 0;
    window.Wizards().WizardShown = [&](QWidget &shown) {
        auto &wizard = static_cast<TfrmLoadPlay &>(shown);
        auto *games = child<QTableWidget>(wizard, "dbgGames");
        ASSERT_EQ(games->rowCount(), 1);
        EXPECT_EQ(games->item(0, 0)->text(), QStringLiteral("g"));
        EXPECT_EQ(games->item(0, 3)->text(), QStringLiteral("MNL1GME1"));
        const std::optional<TGameRow> scheduled =
            window.Session().Translation().DataModule().GameByCode(QStringLiteral("MNL1GME1"));
        ASSERT_TRUE(scheduled);
        EXPECT_EQ(games->item(0, 4)->text(), scheduled->Datum);
        EXPECT_EQ(games->item(0, 5)->text(), QStringLiteral("2 - 0"));
        EXPECT_EQ(games->item(0, 6)->text(), QStringLiteral("Closed")) << "the command line closed the game";
        EXPECT_FALSE(wizard.BackButton()->isEnabled());
        // Not online: the resend choices are off and the question comes.
        EXPECT_FALSE(child<QRadioButton>(wizard, "rbResendAll")->isEnabled());
        prompter.Shown.clear();
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton);
        ASSERT_EQ(wizard.Pages()->currentIndex(), 1);
        ++steps;
        EXPECT_EQ(prompter.Shown.size(), 1);
        EXPECT_TRUE(wizard.BackButton()->isEnabled());
        auto *attendance = child<QLineEdit>(wizard, "edNezokSzama");
        attendance->clear();
        QTest::keyClicks(attendance, QStringLiteral("345"));
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton); // the court screen runs until it is closed
        ASSERT_EQ(wizard.Pages()->currentIndex(), 2);
        ++steps;
        EXPECT_NE(wizard.findChild<QWidget *>(QStringLiteral("CSAPAT_1_CSAPAT_2")), nullptr);
        wizard.close();
        EXPECT_TRUE(wizard.isVisible()) << "closing is refused on the played times";
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton);
        ASSERT_EQ(wizard.Pages()->currentIndex(), 3);
        ++steps;
        EXPECT_EQ(child<QLabel>(wizard, "lblCsapat1Vegeredmeny")->text(), QStringLiteral("2"));
        EXPECT_EQ(child<QLabel>(wizard, "lblCsapat2Vegeredmeny")->text(), QStringLiteral("3"));
        QTest::mouseClick(wizard.NextButton(), Qt::LeftButton);
    };
    EXPECT_EQ(window.Wizards().RunLoadPlay(), int(QDialog::Accepted));
    EXPECT_EQ(steps, 3);
    QFile events(home.file(QStringLiteral("Save/g/events_MNL1GME1.dat")));
    ASSERT_TRUE(events.open(QIODevice::ReadOnly));
    EXPECT_EQ(events.readAll().count("kod=1102"), 2) << "each wizard closed the game once";
    const CliResult loaded =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("load"), home.file(QStringLiteral("Save/g"))}, home.path());
    EXPECT_TRUE(loaded.Out.contains("Attendance 345")) << loaded.Out.toStdString();
}

} // namespace
