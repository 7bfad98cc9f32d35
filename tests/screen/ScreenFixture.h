#pragma once

#include "TestMasks.h"
#include "desktop/court/IScreenHost.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TScreenLayout.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"

#include "support/GameLookup.h"
#include "support/QtPrinters.h"
#include "support/SampleGame.h"

#include <gtest/gtest.h>
#include <stdexcept>

// Counts what the screen asks of the game store.
class CountingStore : public IGameStore
{
public:
    void SaveGame(TGame &) override { ++Saves; }
    void WriteDumps(TGame &) override { ++Dumps; }
    void WritePeriodDump(TGame &, int) override {}
    void DeleteEarlierDumps(TGame &) override {}
    void DeleteDumps(TGame &) override { ++DumpDeletions; }
    int Saves = 0;
    int DumpDeletions = 0;
    int Dumps = 0;
};

class CountingHost : public IScreenHost
{
public:
    void PaintNow() override { ++Paints; }
    void EndApplication() override { ++Ends; }
    int Paints = 0;
    int Ends = 0;
};

// A court screen without a window on a game of three players a side with a
// bench, zone masks drawn from the court rules, and the clock started.
class ScreenFixture : public ::testing::Test
{
protected:
    explicit ScreenFixture(ITranslator *translator = nullptr)
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))), game(TGameServices{.Settings = &settings,
                                                                                     .Translator = translator,
                                                                                     .Prompter = &prompter,
                                                                                     .Clock = &clock,
                                                                                     .Store = &store}),
          screen(game), script(game, screen)
    {
        game.SetScreen(&screen);
        screen.SetHost(&host);
        screen.SetZoneMask(TZoneMask(TestMasks::vertical(), TestMasks::horizontal()));
        screen.SeedRandom(7);
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
    }

    // Builds the rosters, opens the screen and starts the clock. Settings
    // that the screen reads when it opens are set before.
    void OpenGame(const QString &extraSettings = {}, bool startClock = true, int periodMinutes = 5)
    {
        if (!extraSettings.isEmpty())
            run(QStringLiteral("set ") + extraSettings);
        run(QStringLiteral("\ngame code=ABC1DEF2\n") + SampleRoster({.FullNames = true}));
        run(QStringLiteral("length %1").arg(periodMinutes));
        screen.Open();
        if (startClock)
            run(QStringLiteral("tick"));
    }

    void run(const QString &text) { ASSERT_TRUE(script.Run(text)) << script.Error().toStdString(); }

    // The panel row showing a jersey number; 0 when none.
    int rowOf(int side, int jersey) const
    {
        for (int row : {1, 2, 3, 6, 7, 8, 9, 10})
            if (screen.ItemText(QStringLiteral("lblCsapat%1MezSzam_%2").arg(side).arg(row)) ==
                QString::number(jersey))
                return row;
        return 0;
    }

    // Selects a player the way the operator does: home rows through the home
    // pointer, away rows with the system mouse on the name label.
    void select(int side, int jersey)
    {
        const int row = rowOf(side, jersey);
        ASSERT_GT(row, 0) << "jersey " << jersey;
        const QRect r =
            screen.Items().Find(QStringLiteral("lblCsapat%1JatekosNev_%2").arg(side).arg(row))->Rect;
        if (side == 1)
            homeClick(r.center());
        else
            awayClick(r.center());
    }

    void homeClick(QPoint p, TCourtScreen::Button b = TCourtScreen::LeftButton)
    {
        const int bit = b == TCourtScreen::LeftButton    ? TCourtScreen::ReportLeft
                        : b == TCourtScreen::RightButton ? TCourtScreen::ReportRight
                                                         : TCourtScreen::ReportMiddle;
        screen.HomePointerReport(p, bit);
        screen.HomePointerReport(p, 0);
    }

    void awayClick(QPoint p, TCourtScreen::Button b = TCourtScreen::LeftButton)
    {
        screen.SystemMousePress(p, b);
        screen.SystemMouseRelease(p, b);
    }

    void key(int k, bool shift = false)
    {
        screen.KeyPress(k);
        screen.KeyRelease(k, shift);
    }

    TPlayer &player(int side, int jersey) { return PlayerByJersey(game, side, jersey); }

    QPoint centreOf(const QString &item) const { return screen.Items().Find(item)->Rect.center(); }

    // Kinds of the events queued since a mark (operator events only: no
    // headers or minutes reports).
    QList<int> kindsSince(int mark) const
    {
        QList<int> kinds;
        for (int i = mark; i < game.AllEvents.Count(); ++i) {
            const int kind = game.AllEvents.At(i)->Kind;
            if (kind > 1000 && kind != Kind::MinutesReport)
                kinds.append(kind);
        }
        return kinds;
    }
    int mark() const { return game.AllEvents.Count(); }
    const TGameEvent *lastEvent(int kind) const
    {
        for (int i = game.AllEvents.Count() - 1; i >= 0; --i)
            if (game.AllEvents.At(i)->Kind == kind)
                return game.AllEvents.At(i);
        return nullptr;
    }
    // A number of the message's query ("&x=" → its value); -1 when absent.
    static int field(const TGameEvent *e, const QString &name)
    {
        const QString key = QLatin1Char('&') + name + QLatin1Char('=');
        const qsizetype at = e ? e->Message.indexOf(key) : -1;
        if (at < 0)
            return -1;
        const qsizetype from = at + key.size();
        qsizetype to = e->Message.indexOf(QLatin1Char('&'), from);
        return e->Message.mid(from, to < 0 ? -1 : to - from).toInt();
    }

    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    CountingStore store;
    CountingHost host;
    TGame game;
    TCourtScreen screen;
    TGameScript script;
};
