#include "ScreenFixture.h"

#include "desktop/court/IReportLauncher.h"

#include <functional>

namespace {

enum class Hook
{
    Menu,
    PrintAll,
    BoxScore,
};

// Counts the report commands and notes the sending flag each one ran under.
class RecordingReports : public IReportLauncher, public ISendingSwitch
{
public:
    bool RunReportMenu() override
    {
        ++Menus;
        EnabledDuring.append(Enabled);
        return MenuAnswer;
    }
    void PrintAll() override
    {
        ++PrintAlls;
        EnabledDuring.append(Enabled);
    }
    void PrintBoxScore() override
    {
        ++BoxScores;
        EnabledDuring.append(Enabled);
    }
    bool SendingEnabled() const override { return Enabled; }
    void SetSendingEnabled(bool enabled) override
    {
        Enabled = enabled;
        ++Switches;
    }
    void RestartSending() override { ++Restarts; }

    int Count(Hook hook) const
    {
        return hook == Hook::Menu ? Menus : hook == Hook::PrintAll ? PrintAlls : BoxScores;
    }

    bool MenuAnswer = false;
    bool Enabled = true;
    int Menus = 0;
    int PrintAlls = 0;
    int BoxScores = 0;
    int Switches = 0;
    int Restarts = 0;
    QList<bool> EnabledDuring;
};

class ReportCommandsBase : public ScreenFixture
{
protected:
    void wire()
    {
        screen.SetReportLauncher(&reports);
        screen.SetSendingSwitch(&reports);
    }
    QPoint region(int number) const
    {
        const THotRegion &r = screen.HotRegions().At(number);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // Kinds queued for sending since a mark of the queue.
    QList<int> queuedSince(int queueMark) const
    {
        QList<int> kinds;
        for (int i = queueMark; i < game.OutgoingQueue.Count(); ++i)
            kinds.append(game.OutgoingQueue.At(i)->Kind);
        return kinds;
    }

    RecordingReports reports;
};

class ReportInput;

struct InputCase
{
    const char *name;
    const char *settings; // before the screen opens; empty for none
    std::function<void(ReportInput &)> act;
    Hook hook;
};

void PrintTo(const InputCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportInput : public ReportCommandsBase, public ::testing::WithParamInterface<InputCase>
{
public:
    void HomeRegion(int number) { homeClick(region(number)); }
    void Key(int k) { key(k); }
    // A console item clicked with the system mouse; the team foul lamps only
    // take clicks while they are lit.
    void Click(const char *name)
    {
        const QString item = QString::fromLatin1(name);
        screen.SetItemVisible(item, true);
        awayClick(centreOf(item));
    }
};

const InputCase InputCases[] = {
    {"HomePrintRegion", "", [](ReportInput &f) { f.HomeRegion(HotRegionNumber::ReportMenu); }, Hook::Menu},
    {"PrintButton", "", [](ReportInput &f) { f.Click("imgPrint"); }, Hook::Menu},
    {"PrintButtonWithTheSystemMouseForBothTeams", "SYSTEM_MOUSE=SYSTEM_MOUSE_USE",
     [](ReportInput &f) { f.Click("imgPrint"); }, Hook::Menu},
    {"FirstHomeFoulLamp", "", [](ReportInput &f) { f.Click("imgHomeTeamFoul1"); }, Hook::Menu},
    {"LastAwayFoulLamp", "", [](ReportInput &f) { f.Click("imgAwayTeamFoul5"); }, Hook::Menu},
    {"PrintAllButton", "", [](ReportInput &f) { f.Click("imgPrintAll"); }, Hook::PrintAll},
    {"F12WithTheMouseInput", "", [](ReportInput &f) { f.Key(TKeyboardMap::F12); }, Hook::BoxScore},
    {"F12WithTheKeyboardInput", "INPUT=INPUT_KEYBOARD", [](ReportInput &f) { f.Key(TKeyboardMap::F12); },
     Hook::BoxScore},
};

} // namespace

// Each way to a report command reaches it exactly once and records no event.
TEST_P(ReportInput, ReachesItsCommandOnceAndRecordsNothing)
{
    const InputCase &c = GetParam();
    OpenGame(QString::fromLatin1(c.settings));
    wire();
    const int before = mark();
    c.act(*this);
    for (Hook hook : {Hook::Menu, Hook::PrintAll, Hook::BoxScore})
        EXPECT_EQ(reports.Count(hook), hook == c.hook ? 1 : 0) << "hook " << int(hook);
    EXPECT_EQ(mark(), before);
    EXPECT_TRUE(kindsSince(before).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, ReportInput, ::testing::ValuesIn(InputCases),
                         [](const ::testing::TestParamInfo<InputCase> &info) { return info.param.name; });

// ---------------------------------------------------------------- sending around a report

namespace {

struct SendingCase
{
    const char *name;
    Hook hook;
    QList<int> notices; // queued for the server around the command
};

void PrintTo(const SendingCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportSending : public ReportCommandsBase, public ::testing::WithParamInterface<SendingCase>
{
protected:
    void SetUp() override
    {
        OpenGame();
        wire();
    }
    void run(Hook hook)
    {
        switch (hook) {
        case Hook::Menu:
            homeClick(region(HotRegionNumber::ReportMenu));
            break;
        case Hook::PrintAll:
            awayClick(centreOf(QStringLiteral("imgPrintAll")));
            break;
        case Hook::BoxScore:
            key(TKeyboardMap::F12);
            break;
        }
    }
};

const SendingCase SendingCases[] = {
    {"Menu", Hook::Menu, {Kind::ReportsOpened, Kind::ReportsClosed}},
    {"PrintAll", Hook::PrintAll, {}},
    {"BoxScore", Hook::BoxScore, {}},
};

} // namespace

TEST_P(ReportSending, AnOnlineGamePausesSendingDuringTheReportAndResumesIt)
{
    game.Online = true;
    const int queued = game.OutgoingQueue.Count();
    run(GetParam().hook);
    ASSERT_EQ(reports.Count(GetParam().hook), 1);
    EXPECT_EQ(reports.EnabledDuring, QList<bool>{false});
    EXPECT_TRUE(reports.Enabled);
    EXPECT_EQ(reports.Switches, 2);
    EXPECT_EQ(queuedSince(queued), GetParam().notices);
}

TEST_P(ReportSending, SendingStoppedByAFailureStaysStopped)
{
    game.Online = true;
    reports.Enabled = false;
    run(GetParam().hook);
    ASSERT_EQ(reports.Count(GetParam().hook), 1);
    EXPECT_FALSE(reports.Enabled);
    EXPECT_EQ(reports.Switches, 0);
}

TEST_P(ReportSending, AnOfflineGameLeavesSendingAloneAndTellsTheServerNothing)
{
    game.Online = false;
    const int queued = game.OutgoingQueue.Count();
    run(GetParam().hook);
    ASSERT_EQ(reports.Count(GetParam().hook), 1);
    EXPECT_EQ(reports.EnabledDuring, QList<bool>{true});
    EXPECT_EQ(reports.Switches, 0);
    EXPECT_TRUE(queuedSince(queued).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, ReportSending, ::testing::ValuesIn(SendingCases),
                         [](const ::testing::TestParamInfo<SendingCase> &info) { return info.param.name; });

// ---------------------------------------------------------------- the menu's answer and the packet label

class ReportCommands : public ReportCommandsBase
{
protected:
    void SetUp() override
    {
        OpenGame();
        wire();
    }
};

TEST_F(ReportCommands, OnlyAMenuClosedWithOkWritesTheDumpsAgain)
{
    for (const bool ok : {false, true}) {
        reports.MenuAnswer = ok;
        const int dumps = store.Dumps;
        awayClick(centreOf(QStringLiteral("imgPrint")));
        EXPECT_EQ(store.Dumps - dumps, ok ? 1 : 0) << "OK " << ok;
    }
}

TEST_F(ReportCommands, ThePacketLabelRestartsSending)
{
    const int before = mark();
    awayClick(centreOf(QStringLiteral("lblPackets")));
    EXPECT_EQ(reports.Restarts, 1);
    EXPECT_TRUE(kindsSince(before).isEmpty());
    // A click elsewhere on the console does not.
    awayClick(centreOf(QStringLiteral("imgPrintAll")));
    EXPECT_EQ(reports.Restarts, 1);
}

TEST_F(ReportCommands, WithoutAProgramBehindThemTheCommandsDoNothing)
{
    screen.SetReportLauncher(nullptr);
    screen.SetSendingSwitch(nullptr);
    game.Online = true;
    const int queued = game.OutgoingQueue.Count();
    awayClick(centreOf(QStringLiteral("imgPrint")));
    key(TKeyboardMap::F12);
    awayClick(centreOf(QStringLiteral("lblPackets")));
    EXPECT_EQ(reports.Menus + reports.BoxScores + reports.Restarts, 0);
    EXPECT_TRUE(queuedSince(queued).isEmpty());
}
