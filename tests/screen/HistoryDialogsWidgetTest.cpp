#include "TestMasks.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/court/history/THalfCourtView.h"
#include "desktop/court/history/THistoryDialogs.h"
#include "desktop/court/history/TfrmChangeEvent.h"
#include "desktop/court/history/TfrmSelectEvent.h"
#include "desktop/court/history/TfrmSelectEventId.h"
#include "desktop/court/history/TfrmSelectPlayer.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"

#include "support/GameLookup.h"
#include "support/QtPrinters.h"
#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

// The history's dialogs opened from the real court window by their buttons
// and keys, and driven to OK as the operator does.
class HistoryDialogsWindow : public ::testing::Test
{
protected:
    HistoryDialogsWindow()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock})
    {
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        settings.SetValue(QStringLiteral("COMPORT"), QStringLiteral("/dev/parquetix-no-such-port"));
        settings.SetValue(QStringLiteral("INPUT"), QStringLiteral("INPUT_KEYBOARD"));
        TestMasks::vertical().save(library.filePath(QStringLiteral("MASK_VERTICAL.png")));
        TestMasks::horizontal().save(library.filePath(QStringLiteral("MASK_HORIZONTAL.png")));
        form = std::make_unique<TfrmParquetixScreenNew>(game, library.path());
        TGameScript script(game, form->Screen());
        EXPECT_TRUE(script.Run(
            QStringLiteral("\n") +
            SampleRoster({.League = false, .HomeBench = false, .AwayBench = false, .FullNames = true}) +
            QStringLiteral(R"(tick
select away 5
event away 1002
select away 8
shot away made close 100 60
select home 4
event home 1001
)"))) << script.Error().toStdString();
        form->Open();
        form->resize(1000, 688);
        form->show();
    }

    QPoint at(QPoint framePoint) const { return form->WindowPoint(framePoint).toPoint(); }
    QPoint line(int side, int k) const
    {
        return form->Screen().Items().Find(TScreenHistory::LineLabel(side, k))->Rect.center();
    }

    // Drives the next dialog once it runs modally.
    template <typename Dialog> void whenShown(std::function<void(Dialog &)> drive)
    {
        form->HistoryDialogs().BeforeShow = [this, drive](QDialog *d) {
            QTimer::singleShot(0, d, [this, d, drive] {
                auto *dialog = qobject_cast<Dialog *>(d);
                ++shown;
                if (dialog)
                    drive(*dialog);
                else
                    d->reject();
            });
        };
    }

    QTemporaryDir library;
    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    TGame game;
    std::unique_ptr<TfrmParquetixScreenNew> form;
    int shown = 0;
};

TEST_F(HistoryDialogsWindow, EventFilterButton)
{
    whenShown<TfrmSelectEvent>([](TfrmSelectEvent &d) {
        // The focus alone makes an entry current but chooses nothing.
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(d.List(), &focus);
        EXPECT_FALSE(d.OkButton()->isEnabled());
        d.List()->setCurrentRow(10); // "sikeres dobás"
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at({835, 607}));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(game.AwayTeam().Filter.EventFilter);
    EXPECT_EQ(game.AwayTeam().Filter.Kind, Kind::ShotMade);
    EXPECT_TRUE(form->Screen().ItemText(TScreenHistory::LineLabel(2, 1)).contains(QStringLiteral("sikeres")));
    EXPECT_TRUE(form->Screen().ItemText(TScreenHistory::LineLabel(2, 2)).isEmpty());
}

TEST_F(HistoryDialogsWindow, PlayerFilterButton)
{
    whenShown<TfrmSelectPlayer>([](TfrmSelectPlayer &d) {
        ASSERT_EQ(d.List()->count(), 3);
        EXPECT_EQ(d.List()->item(0)->text(), QStringLiteral("5 MOLNAR David"));
        d.List()->setCurrentRow(0);
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at({758, 607}));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(game.AwayTeam().Filter.PlayerFilter);
    EXPECT_EQ(game.AwayTeam().Filter.PlayerId, 21);
}

TEST_F(HistoryDialogsWindow, GoToButton)
{
    whenShown<TfrmSelectEventId>([](TfrmSelectEventId &d) {
        EXPECT_FALSE(d.OkButton()->isEnabled());
        QTest::keyClicks(d.Field(), QStringLiteral("2"));
        EXPECT_TRUE(d.OkButton()->isEnabled());
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at({893, 607}));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->Screen().History(2).SelectedId(), form->Screen().History(2).Entries().at(1).Event.Id);
}

TEST_F(HistoryDialogsWindow, ChangeDialogFromARightClickThenF11)
{
    whenShown<TfrmChangeEvent>([](TfrmChangeEvent &d) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(d.Actors(), &focus);
        EXPECT_FALSE(d.OkButton()->isEnabled());
        QTest::mouseClick(d.EventButton(Kind::Block), Qt::LeftButton);
        EXPECT_TRUE(d.OkButton()->isEnabled());
        QTest::mouseClick(d.ResetButton(), Qt::LeftButton);
        EXPECT_FALSE(d.OkButton()->isEnabled());
        // A missed shot in the picture, then the third actor of the list.
        QTest::mouseClick(d.Picture(), Qt::RightButton, {}, QPoint(130, 40));
        d.Actors()->setCurrentRow(2);
        EXPECT_TRUE(d.OkButton()->isEnabled());
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.get(), Qt::RightButton, {}, at(line(2, 2)));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(PlayerByJersey(game, 2, 5).Steals, 0);
    EXPECT_EQ(PlayerByJersey(game, 2, 12).Steals, 0);
    const TGameEvent &changed = form->Screen().History(2).Entries().at(1).Event;
    EXPECT_EQ(changed.Kind, Kind::ShotMissed);
    EXPECT_EQ(changed.PlayerId, 23);
    // F11 deletes the selected away event.
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_EQ(form->Screen().History(2).Entries().size(), 2);
    EXPECT_EQ(game.AwayTeam().Data.Totals.Points, 2);
}

TEST_F(HistoryDialogsWindow, F8DeletesTheSelectedHomeEvent)
{
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at(line(1, 2)));
    // The home lines answer the home pointer; with the system mouse only
    // when it records for both teams.
    form->Screen().History(1).SelectLine(2);
    QTest::keyClick(form.get(), Qt::Key_F8);
    EXPECT_EQ(PlayerByJersey(game, 1, 4).DefRebounds, 0);
}
