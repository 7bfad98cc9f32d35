#include "TestMasks.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/court/corrections/TLineupDialogs.h"
#include "desktop/court/corrections/TfrmAddPlayer.h"
#include "desktop/court/corrections/TfrmSetTime.h"
#include "desktop/court/corrections/TfrmSubstitutions.h"
#include "model/corrections/IRosterSource.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"

#include "support/QtPrinters.h"
#include "support/SampleGame.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// "I" makes one player each time it is pressed.
class MakingRoster : public IRosterSource
{
public:
    QList<TPlayer> Candidates(const TTeam &team) override
    {
        TPlayer p;
        p.JatekosID = 31;
        p.WebID = QStringLiteral("W31");
        p.JatekosMezSzam = 33;
        p.JatekosNev = QStringLiteral("UJ Elek");
        return {TAddPlayerLogic::CandidateRecord(p, team)};
    }
    bool CreatePlayer(const TTeam &team, TPlayer *candidate) override
    {
        ++Made;
        TPlayer p;
        p.JatekosID = 40 + Made;
        p.WebID = QStringLiteral("N%1").arg(Made);
        p.JatekosMezSzam = 40 + Made;
        p.JatekosNev = QStringLiteral("FRISS %1").arg(Made);
        *candidate = TAddPlayerLogic::CandidateRecord(p, team);
        return true;
    }
    int Made = 0;
};

// The court window on a game with a bench per team; each dialog is driven
// with QTest while it runs modally.
class LineupWindows : public ::testing::Test
{
protected:
    LineupWindows()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock})
    {
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
        settings.SetValue(QStringLiteral("INPUT"), QStringLiteral("INPUT_KEYBOARD"));
        TestMasks::vertical().save(library.filePath(QStringLiteral("MASK_VERTICAL.png")));
        TestMasks::horizontal().save(library.filePath(QStringLiteral("MASK_HORIZONTAL.png")));
        form = std::make_unique<TfrmParquetixScreenNew>(game, library.path());
        TGameScript script(game, form->Screen());
        const bool built =
            script.Run(QStringLiteral("\ngame code=ABC1DEF2\n") + SampleRoster({.FullNames = true}) +
                       QStringLiteral("length 10\ntick\n"));
        EXPECT_TRUE(built) << script.Error().toStdString();
        form->Screen().SetRosterSource(&roster);
        form->Open();
        form->resize(1200, 826);
        form->show();
    }

    // Runs `drive` on the dialog once its modal loop has started.
    template <typename TDialog> void whenOpen(std::function<void(TDialog &)> drive)
    {
        form->LineupDialogs().Opening = [this, drive](QDialog *dialog) {
            QTimer::singleShot(0, dialog, [this, dialog, drive] {
                auto *typed = qobject_cast<TDialog *>(dialog);
                ASSERT_NE(typed, nullptr);
                ++opened;
                // Focus moves (Tab, a click on OK) only happen in the active window.
                dialog->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                drive(*typed);
                if (dialog->isVisible())
                    dialog->reject(); // a failed drive must not hang the test
            });
        };
    }

    static void click(QDialog &dialog, const char *button)
    {
        auto *b = dialog.findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    static void doubleClick(QListWidget *list, int row)
    {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QPoint at(const char *item) const
    {
        return form->WindowPoint(form->Screen().Items().Find(QLatin1String(item))->Rect.center()).toPoint();
    }

    QTemporaryDir library;
    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    TGame game;
    MakingRoster roster;
    std::unique_ptr<TfrmParquetixScreenNew> form;
    int opened = 0;
};

TEST_F(LineupWindows, SpaceOpensTheSubstitutionsAndOkSubstitutes)
{
    whenOpen<TfrmSubstitutions>([](TfrmSubstitutions &d) {
        using L = TSubstitutionsLogic;
        QListWidget *home = d.List(1, L::Available);
        EXPECT_EQ(home->count(), 4);
        EXPECT_EQ(home->item(3)->text(), QStringLiteral("15 : BALOGH Adam"));
        auto *ok = d.findChild<QPushButton *>(QStringLiteral("bbOK"));
        EXPECT_FALSE(ok->isEnabled());
        // Home: E (slot 4: 15), Tab (slot 1: 4), then 7 by a double click.
        home->setFocus();
        QTest::keyClick(home, Qt::Key_E);
        QTest::keyClick(home, Qt::Key_Tab);
        EXPECT_TRUE(home->hasFocus()); // Tab is a hotkey here, not a focus move
        EXPECT_EQ(d.List(1, L::Lineup)->count(), 2);
        doubleClick(home, 0);
        EXPECT_EQ(d.List(1, L::Lineup)->count(), 3);
        // Away: "L5", then one out with Enter and back in with Enter.
        click(d, "sbAwayTeamLast5");
        QListWidget *awayLineup = d.List(2, L::Lineup);
        awayLineup->setFocus();
        awayLineup->setCurrentRow(0);
        QTest::keyClick(awayLineup, Qt::Key_Return);
        EXPECT_FALSE(ok->isEnabled());
        QListWidget *away = d.List(2, L::Available);
        away->setFocus();
        away->setCurrentRow(0); // 5 comes back first in number order
        QTest::keyClick(away, Qt::Key_Return);
        EXPECT_TRUE(ok->isEnabled());
        click(d, "bbOK");
    });
    const int queued = game.AllEvents.Count();
    QTest::keyClick(form.get(), Qt::Key_Space);
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(game.AllEvents.Count(), queued + 1);
    const TGameEvent *e = game.AllEvents.At(queued);
    EXPECT_EQ(e->Kind, Kind::Substitution);
    EXPECT_TRUE(e->Message.contains(QStringLiteral("&jatekosbe=H14&jatekoski=H13")))
        << e->Message.toStdString();
    EXPECT_EQ(form->Screen().ItemText(QStringLiteral("lblCsapat1MezSzam_3")), QStringLiteral("15"));
}

TEST_F(LineupWindows, DeleteOpensSetTimeAndTabNormalises)
{
    whenOpen<TfrmSetTime>([](TfrmSetTime &d) {
        TTimeEdit *field = d.Field();
        EXPECT_EQ(field->text(), QStringLiteral("09:45")); // the screen's clock after one step
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("9x3-0"));
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), QStringLiteral("930"));
        // What either button would send shows before it is sent.
        EXPECT_EQ(d.PreviewLabel()->text(), QStringLiteral("OK sends 09:30, Enter sends 930 as typed."));
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_EQ(field->text(), QStringLiteral("09:30"));
        click(d, "bbOK");
    });
    const int queued = game.OutgoingQueue.Count();
    QTest::keyClick(form.get(), Qt::Key_Delete);
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(game.OutgoingQueue.Count(), queued + 1);
    EXPECT_TRUE(game.OutgoingQueue.At(queued)->Message.contains(QStringLiteral("&time=0930&time=2026")));
}

TEST_F(LineupWindows, EnterConfirmsTheTimeAsTyped)
{
    whenOpen<TfrmSetTime>([](TfrmSetTime &d) {
        d.Field()->selectAll();
        QTest::keyClicks(d.Field(), QStringLiteral("1500"));
        QTest::keyClick(d.Field(), Qt::Key_Return);
    });
    const int queued = game.OutgoingQueue.Count();
    QTest::keyClick(form.get(), Qt::Key_Delete);
    ASSERT_EQ(game.OutgoingQueue.Count(), queued + 1);
    EXPECT_TRUE(game.OutgoingQueue.At(queued)->Message.contains(QStringLiteral("&time=1500&time=2026")));
}

TEST_F(LineupWindows, EscapeCancelsTheSetTimeDialog)
{
    whenOpen<TfrmSetTime>([](TfrmSetTime &d) { QTest::keyClick(d.Field(), Qt::Key_Escape); });
    const int queued = game.OutgoingQueue.Count();
    QTest::keyClick(form.get(), Qt::Key_Delete);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(game.OutgoingQueue.Count(), queued);
}

TEST_F(LineupWindows, RightClickOnAnEmptyBenchRowOpensAddPlayer)
{
    whenOpen<TfrmAddPlayer>([this](TfrmAddPlayer &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add Player"));
        EXPECT_EQ(d.Players()->count(), 1);
        EXPECT_EQ(d.Substitutes()->count(), 1);
        auto *add = d.findChild<QPushButton *>(QStringLiteral("sbCsereJatekosAdd"));
        EXPECT_EQ(add->isEnabled(), d.Players()->currentRow() >= 0);
        click(d, "spAddPlayer"); // "I"
        EXPECT_EQ(roster.Made, 1);
        ASSERT_EQ(d.Players()->count(), 2);
        EXPECT_EQ(d.Players()->item(0)->text(), QStringLiteral("33 : UJ Elek"));
        doubleClick(d.Players(), 1); // the new player
        d.Players()->setCurrentRow(0);
        EXPECT_TRUE(add->isEnabled());
        click(d, "sbCsereJatekosAdd");
        EXPECT_EQ(d.Substitutes()->count(), 3);
        EXPECT_EQ(d.Players()->count(), 0);
        click(d, "btnOK");
    });
    const int counter = game.EventCounter;
    QTest::mouseClick(form.get(), Qt::RightButton, {}, at("lblCsapat2JatekosNev_9"));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(game.EventCounter, counter + 2);
    EXPECT_EQ(game.AwayTeam().Bench.Count(), 3);
    EXPECT_EQ(form->Screen().ItemText(QStringLiteral("lblCsapat2JatekosNev_8")), QStringLiteral("FRISS 1"));
    // In the order of "Substitute players": 33 before 41.
    const int last = game.OutgoingQueue.Count() - 1;
    EXPECT_TRUE(game.OutgoingQueue.At(last - 1)->Message.contains(
        QStringLiteral("kod=0002&szkod=ABC1DEF2&p=W31&k=0&h=0")));
    EXPECT_TRUE(
        game.OutgoingQueue.At(last)->Message.contains(QStringLiteral("&p=N1&k=0&h=0&jat=0&j=FRISS_1&mz=41")));
}

} // namespace
