// The main window: its menu, the upcoming games of the operator's team, the
// master data dialogs its menu opens and the connection panel.
#include "masterdata/TdmMain.h"
#include "model/EventKinds.h"
#include "model/Services.h"
#include "model/TGame.h"
#include "shell/TDesktopSession.h"
#include "shell/mainwindow/TfrmParquetixMain.h"
#include "transmission/IConnectionProbe.h"
#include "transmission/IHttpTransport.h"

#include "support/TestHome.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <gtest/gtest.h>

namespace {

class TAnsweringPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Shown << text; }
    void ShowInformation(const QString &text) override { Shown << text; }
    bool Confirm(const QString &text) override
    {
        Asked << text;
        return Answer;
    }
    bool ConfirmInformation(const QString &text) override { return Confirm(text); }
    bool Answer = false;
    QStringList Asked;
    QStringList Shown;
};

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

class TFixedProbe : public IConnectionProbe
{
public:
    explicit TFixedProbe(bool connected) : m_connected(connected) {}
    bool IsConnected() override { return m_connected; }

private:
    bool m_connected;
};

class TNoServer : public IHttpTransport
{
public:
    THttpReply getLive(const QByteArray &) const override { return {}; }
    THttpReply postForm(const QByteArray &, const TMsMultiPartFormDataStream &) const override { return {}; }
    void abortRequests() override {}
    void resumeRequests() override {}
};

class MainWindow : public ::testing::Test
{
protected:
    static void settings(const TestHome &at, const QByteArray &language, int myTeam)
    {
        at.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nVERSION=HUN\nLANGUAGE=" + language +
                                                      "\nMY_TEAM=" + QByteArray::number(myTeam) + "\n");
    }
    void settings(const QByteArray &language, int myTeam) { settings(home, language, myTeam); }

    // The database as the window will find it; closed again before it opens.
    template <typename F> void prepare(F fill)
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
        fill(dm);
    }

    std::unique_ptr<TfrmParquetixMain> open() { return open(home); }
    std::unique_ptr<TfrmParquetixMain> open(const TestHome &at)
    {
        auto window = std::make_unique<TfrmParquetixMain>(TMainWindowOptions{
            .Home = at.path(), .StartWaitMs = 0, .StartSender = false, .Prompter = &prompter});
        EXPECT_TRUE(window->StartProblems().isEmpty()) << window->StartProblems().join(u'\n').toStdString();
        return window;
    }

    TestHome home;
    TAnsweringPrompter prompter;
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

TEST_F(MainWindow, MyTeamPlaysListsTheTeamsGamesAfterToday)
{
    const QDate today = QDate::currentDate();
    const auto day = [&](int offset) { return today.addDays(offset).toString(QStringLiteral("dd.MM.yyyy")); };
    struct TCase
    {
        const char *myTeam; // null: no team chosen
        QStringList codes;
    };
    // Five plays today (not listed) and tomorrow away; Six plays today,
    // yesterday, next year and in a game against no team (ID -1), which the
    // choice of no team must not list.
    const QList<TCase> cases{{nullptr, {}},
                             {"Five", {QStringLiteral("TOMORROW")}},
                             {"Six", {QStringLiteral("NOTEAM"), QStringLiteral("NEXTYEAR")}},
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
        if (codes == QStringList{QStringLiteral("TOMORROW")}) {
            const QTreeWidgetItem *row = list->topLevelItem(0);
            EXPECT_EQ(row->text(0), QStringLiteral("Seven"));
            EXPECT_EQ(row->text(1), QStringLiteral("Five"));
            EXPECT_EQ(row->text(2), day(1));
            EXPECT_EQ(row->text(3), QStringLiteral("18:30"));
        }
    }
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

TEST_F(MainWindow, ConnectionPanelShowsWhatTheSenderFinds)
{
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

} // namespace
