// The main window: its menu, the upcoming games of the operator's team, the
// master data dialogs its menu opens and the connection panel.

#include "MainWindowFixture.h"

#include "desktop/mainwindow/TScoreboard.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/wizard/TDesktopWizards.h"
#include "masterdata/TdmMain.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/Services.h"
#include "model/settings/TSettings.h"
#include "shell/session/TDesktopSession.h"
#include "transmission/IHttpTransport.h"

#include "support/TestHome.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <atomic>
#include <gtest/gtest.h>

namespace {

// "Menu/Submenu/Item" for every entry of the menu bar in order; "-" for separators.
void walk(const QList<QAction *> &actions, const QString &prefix, QStringList &out)
{
    for (QAction *action : actions) {
        if (action->isSeparator()) {
            out << prefix + QLatin1Char('-');
            continue;
        }
        const QString path = prefix + action->text();
        if (QMenu *menu = action->menu())
            walk(menu->actions(), path + QLatin1Char('/'), out);
        else
            out << path;
    }
}

QStringList menuTree(TfrmParquetixMain &window)
{
    QStringList out;
    walk(window.menuBar()->actions(), {}, out);
    return out;
}

QAction *menuItem(TfrmParquetixMain &window, const QString &path)
{
    QList<QAction *> actions = window.menuBar()->actions();
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QAction *found = nullptr;
        for (QAction *a : actions)
            if (a->text() == parts.at(i))
                found = a;
        if (!found)
            return nullptr;
        if (i + 1 == parts.size())
            return found;
        if (!found->menu())
            return nullptr;
        actions = found->menu()->actions();
    }
    return nullptr;
}

class TNoServer : public IHttpTransport
{
public:
    THttpReply getLive(const QByteArray &) const override { return {}; }
    THttpReply postForm(const QByteArray &, const TMsMultiPartFormDataStream &) const override { return {}; }
    void abortRequests() override {}
    void resumeRequests() override {}
};

const QStringList MenuAsWritten{
    QStringLiteral("File/Properties"),
    QStringLiteral("File/-"),
    QStringLiteral("File/Exit"),
    QStringLiteral("Program/Schedule"),
    QStringLiteral("Program/Load game"),
    QStringLiteral("Program/-"),
    QStringLiteral("Program/Other games statistics"),
    QStringLiteral("Program/-"),
    QStringLiteral("Program/My team plays"),
    QStringLiteral("Stats/Invidual stats"),
    QStringLiteral("Databases/Updates"),
    QStringLiteral("Databases/Edit/League"),
    QStringLiteral("Databases/Edit/Club"),
    QStringLiteral("Databases/Edit/Player"),
    QStringLiteral("Databases/Edit/-"),
    QStringLiteral("Databases/Edit/Games"),
    QStringLiteral("Databases/Join/League - Team"),
    QStringLiteral("Databases/Join/League - Team - Player"),
    QStringLiteral("Databases/Empty database"),
    QStringLiteral("About"),
};

TEST_F(MainWindow, MenuHoldsEveryItemInOrderWithItsSeparators)
{
    settings("XXX", -1); // a language without translations shows the captions as written
    auto window = open();
    EXPECT_EQ(menuTree(*window), MenuAsWritten);
}

TEST_F(MainWindow, MenuCaptionsAreTranslatedAtEveryLevel)
{
    settings("ENG", -1);
    const QList<std::pair<QString, QString>> translated{
        {QStringLiteral("Databases"), QStringLiteral("Data")},
        {QStringLiteral("Join"), QStringLiteral("Link")},
        {QStringLiteral("League - Team"), QStringLiteral("Teams")},
        {QStringLiteral("About"), QStringLiteral("Info")}};
    prepare([&](TdmMain &dm) {
        for (const auto &[text, english] : translated)
            ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("MENU"), QStringLiteral("ENG"), text, english));
    });
    auto window = open();
    QStringList expected = MenuAsWritten;
    for (QString &path : expected) {
        QStringList parts = path.split(QLatin1Char('/'));
        for (QString &part : parts)
            for (const auto &[text, english] : translated)
                if (part == text)
                    part = english;
        path = parts.join(QLatin1Char('/'));
    }
    EXPECT_EQ(menuTree(*window), expected);
}

TEST_F(MainWindow, MyTeamPlaysListsTheTeamsGamesFromTodayOn)
{
    const QDate today = QDate::currentDate();
    const auto day = [&](int offset) { return today.addDays(offset).toString(QStringLiteral("dd.MM.yyyy")); };
    struct TCase
    {
        const char *myTeam; // null: no team chosen
        QStringList codes;
    };
    // Five plays today (tonight's game is the one wanted) and tomorrow away;
    // Six plays today, yesterday, next year and in a game against no team
    // (ID -1), which the choice of no team must not list.
    const QList<TCase> cases{
        {nullptr, {}},
        {"Five", {QStringLiteral("TODAY"), QStringLiteral("TOMORROW")}},
        {"Six", {QStringLiteral("TODAY"), QStringLiteral("NOTEAM"), QStringLiteral("NEXTYEAR")}},
        {"Nobody", {}}};
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.myTeam ? c.myTeam : "none");
        TestHome fresh;
        QHash<QString, int> ids;
        {
            TdmMain dm(TdmMain::DatabaseFile(fresh.path()));
            ASSERT_TRUE(dm.OpenAll());
            for (const char *name : {"Five", "Six", "Seven", "Nobody"})
                ids.insert(QString::fromUtf8(name), dm.UpsertTeam({.WebID = QString::fromUtf8(name),
                                                                   .EgyesuletNev = QString::fromUtf8(name)}));
            const auto game = [&](const char *code, int homeTeam, int away, int offset) {
                ASSERT_TRUE(dm.UpsertGame({.LigaID = 1,
                                           .HazaiCsapatID = homeTeam,
                                           .VendegCsapatID = away,
                                           .Datum = day(offset),
                                           .Ora = QStringLiteral("18:30"),
                                           .MerkozesKod = QString::fromUtf8(code)}));
            };
            const int five = ids.value(QStringLiteral("Five"));
            const int six = ids.value(QStringLiteral("Six"));
            const int seven = ids.value(QStringLiteral("Seven"));
            game("TODAY", five, six, 0);
            game("TOMORROW", seven, five, 1);
            game("YESTERDAY", six, seven, -1);
            game("NOTEAM", -1, six, 2);
            game("NEXTYEAR", six, seven, 366);
        }
        settings(fresh, "HUN", c.myTeam ? ids.value(QString::fromUtf8(c.myTeam)) : -1);
        auto window = open(fresh);
        QTreeWidget *list = window->MyTeamPlaysList();
        QStringList codes;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            codes << list->topLevelItem(row)->text(4);
        EXPECT_EQ(codes, c.codes);
        if (codes.size() == 2 && codes.last() == QStringLiteral("TOMORROW")) {
            const QTreeWidgetItem *row = list->topLevelItem(1);
            EXPECT_EQ(row->text(0), QStringLiteral("Seven"));
            EXPECT_EQ(row->text(1), QStringLiteral("Five"));
            EXPECT_EQ(row->text(2), day(1));
            EXPECT_EQ(row->text(3), QStringLiteral("18:30"));
        }
    }
}

TEST_F(MainWindow, DoubleClickOnAGameAsksForItsWizard)
{
    int team = 0;
    prepare([&](TdmMain &dm) {
        team = dm.UpsertTeam({.WebID = QStringLiteral("T1"), .EgyesuletNev = QStringLiteral("Home")});
        const int other =
            dm.UpsertTeam({.WebID = QStringLiteral("T2"), .EgyesuletNev = QStringLiteral("Away")});
        for (const auto &[code, days] : {std::pair{"FIRST", 1}, std::pair{"SECOND", 2}})
            ASSERT_TRUE(dm.UpsertGame(
                {.LigaID = 1,
                 .HazaiCsapatID = team,
                 .VendegCsapatID = other,
                 .Datum = QDate::currentDate().addDays(days).toString(QStringLiteral("dd.MM.yyyy")),
                 .Ora = QStringLiteral("18:00"),
                 .MerkozesKod = QString::fromLatin1(code)}));
    });
    settings("XXX", team);
    auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QStringList chosen;
    QObject::connect(window.get(), &TfrmParquetixMain::ScheduledGameChosen,
                     [&](const QString &code) { chosen << code; });
    // Each choice opens the new game wizard; it is closed as soon as it shows.
    int wizards = 0;
    window->Wizards().WizardShown = [&](QWidget &shown) {
        ++wizards;
        shown.close();
    };
    QTreeWidget *list = window->MyTeamPlaysList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    for (int row : {1, 0}) {
        const QRect place = list->visualItemRect(list->topLevelItem(row));
        // The view takes a double click as the second click on a pressed row.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    // A double click below the rows chooses nothing.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 5));
    EXPECT_EQ(chosen, (QStringList{QStringLiteral("SECOND"), QStringLiteral("FIRST")}));
    EXPECT_EQ(wizards, 2);
}

TEST_F(MainWindow, MasterDataItemsOpenTheirDialogs)
{
    settings("XXX", -1);
    auto window = open();
    const QList<std::pair<QString, QString>> items{
        {QStringLiteral("Databases/Edit/League"), QStringLiteral("frmNewLiga")},
        {QStringLiteral("Databases/Edit/Club"), QStringLiteral("frmNewTeam")},
        {QStringLiteral("Databases/Edit/Player"), QStringLiteral("frmNewPlayer")},
        {QStringLiteral("Databases/Edit/Games"), QStringLiteral("frmGameList")},
        {QStringLiteral("Databases/Join/League - Team"), QStringLiteral("frmNewLigaCsapat")},
        {QStringLiteral("Databases/Join/League - Team - Player"), QStringLiteral("frmNewLigaCsapatJatekos")},
        {QStringLiteral("Program/My team plays"), QStringLiteral("frmMyTeamPlays")},
        {QStringLiteral("Stats/Invidual stats"), QStringLiteral("frmJatekosKimutatas")},
        {QStringLiteral("About"), QStringLiteral("frmAbout")},
    };
    for (const auto &[path, dialogName] : items) {
        SCOPED_TRACE(path.toStdString());
        QAction *item = menuItem(*window, path);
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(item->isEnabled());
        QString opened;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        closer.start();
        item->trigger();
        closer.stop();
        EXPECT_EQ(opened, dialogName);
    }
}

TEST_F(MainWindow, AboutShowsTheVersionOfTheBuild)
{
    settings("XXX", -1);
    auto window = open();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *version = modal->findChild<QLabel *>(QStringLiteral("lblVersion")))
                shown = version->text();
            modal->close();
        }
    });
    window->Run(TMainCommand::About);
    EXPECT_TRUE(shown.endsWith(QLatin1Char(' ') + QStringLiteral(PARQUETIX_VERSION))) << shown.toStdString();
}

TEST_F(MainWindow, EmptyDatabaseAsksFirstAndKeepsTheDataOnNo)
{
    settings("XXX", -1);
    prepare([](TdmMain &dm) {
        ASSERT_GE(dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("First league")), 0);
    });
    auto window = open();
    TdmMain &dm = window->Session().Translation().DataModule();
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer);
        prompter.Answer = answer;
        prompter.Asked.clear();
        window->Run(TMainCommand::EmptyDatabase);
        EXPECT_EQ(prompter.Asked.size(), 1);
        EXPECT_EQ(dm.Leagues().size(), answer ? 0 : 1);
    }
    EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join(u'\n').toStdString();
}

TEST_F(MainWindow, ConnectionPanelShowsWhatTheStartAndThenTheSenderFind)
{
    // No version check: it would ask the server once connected.
    home.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nLANGUAGE=ENG\nCHECK_NEW_VERSION=NO\n");
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart);
        TFixedProbe start(atStart);
        auto window = open(home, start);
        EXPECT_EQ(window->ConnectionPanel()->text(),
                  atStart ? QStringLiteral("Connected!") : QStringLiteral("Not connected!"));
    }
    settings("XXX", -1);
    for (const bool connected : {true, false}) {
        SCOPED_TRACE(connected);
        auto window = open();
        const QString before = window->ConnectionPanel()->text();
        EXPECT_EQ(before, window->Session().Messages().MsgNotConnected);
        // The sender looks at the connection when an online game has something to send.
        TGame &game = window->Session().App().Game();
        game.SetStore(nullptr);
        game.Online = true;
        TGameEvent *event = game.NewEvent(game.EventCounter, Kind::ClockStep, 1, Side::None);
        event->SetMessage(QStringLiteral("cmd=clock"));
        game.QueueEvent(event);
        TNoServer http;
        TFixedProbe probe(connected);
        window->Session().StartSender(&http, &probe);
        const QString expected = connected ? QStringLiteral("Connected!") : QStringLiteral("Not connected!");
        const QDeadlineTimer deadline(60000);
        while (window->ConnectionPanel()->text() != expected && !deadline.hasExpired())
            QTest::qWait(10);
        EXPECT_EQ(window->ConnectionPanel()->text(), expected);
        window->close();
        window.reset(); // the sender stops before the probe and transport go
    }
}

TEST(Scoreboard, PageLiesOnTheServerSERVER_NAMENames)
{
    const QString builtIn =
        QString::fromLatin1(TSettings::DefaultServerBase) + QStringLiteral("/scoreboard.phtml");
    const QList<std::pair<QString, QString>> cases{
        {QStringLiteral("http://stats.example.org/income/index.phtml?"),
         QStringLiteral("http://stats.example.org/scoreboard.phtml")},
        {QStringLiteral("http://127.0.0.1:8123/income/index.phtml?"),
         QStringLiteral("http://127.0.0.1:8123/scoreboard.phtml")},
        {QStringLiteral("HTTPS://Secure.Example.org:444/x/y?z=1"),
         QStringLiteral("https://secure.example.org:444/scoreboard.phtml")},
        {QStringLiteral("ftp://files.example.org/"), builtIn},
        {QStringLiteral("no address"), builtIn},
        {QString(), builtIn},
    };
    for (const auto &[serverName, page] : cases) {
        SCOPED_TRACE(serverName.toStdString());
        EXPECT_EQ(TScoreboard::Url(serverName).toString(), page);
    }
}

TEST_F(MainWindow, OtherGamesStatisticsShowsTheScoreboardPage)
{
    home.write(QStringLiteral("parquetix.ini"),
               "[APPLICATION]\nLANGUAGE=XXX\nSERVER_NAME=http://127.0.0.1:8123/income/index.phtml?\n");
    const QUrl page(QStringLiteral("http://127.0.0.1:8123/scoreboard.phtml"));
    for (const bool browserOpens : {true, false}) {
        SCOPED_TRACE(browserOpens);
        QList<QUrl> opened;
        auto window = std::make_unique<TfrmParquetixMain>(TMainWindowOptions{
            .Home = home.path(),
            .StartWaitMs = 0,
            .StartSender = false,
            .Prompter = &prompter,
            .Probe = &offline,
            .OpenUrl =
                [&](const QUrl &url) {
                    opened << url;
                    return browserOpens;
                },
        });
        QAction *item = menuItem(*window, QStringLiteral("Program/Other games statistics"));
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(item->isEnabled());
        QString dialog;
        QUrl shown;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto *modal = qobject_cast<TfrmScoreboard *>(QApplication::activeModalWidget())) {
                dialog = modal->windowTitle();
                shown = modal->Url();
                if (auto *label = qobject_cast<QLabel *>(modal->View())) {
                    EXPECT_EQ(label->text(), page.toString());
                }
                modal->close();
            }
        });
        closer.start();
        item->trigger();
        closer.stop();
        if (TScoreboard::Embedded()) {
            // The page has a window of its own; the desktop's browser is not asked.
            EXPECT_TRUE(opened.isEmpty());
            EXPECT_EQ(shown, page);
        } else {
            EXPECT_EQ(opened, QList<QUrl>{page});
            // A desktop without a browser gets the address in a window.
            EXPECT_EQ(shown, browserOpens ? QUrl() : page);
        }
        if (!shown.isEmpty()) {
            EXPECT_EQ(dialog, QStringLiteral("Scoreboard"));
        }
    }
}

} // namespace
