#include "desktop/court/TActiveAI.h"
#include "desktop/court/TAutoSave.h"
#include "desktop/court/TScreenItems.h"
#include "desktop/court/TScreenLayout.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList litFrames(const TScreenItems &items)
{
    QStringList names;
    for (const TScreenItem *item : items.PaintOrder())
        if (item->Name.startsWith(QLatin1String("shActiveAI")) && item->Visible)
            names.append(item->Name);
    names.sort();
    return names;
}

} // namespace

TEST(ActiveAI, EachCodeLightsItsFramesOnTheRightSide)
{
    const struct
    {
        int code;
        int side;
        QStringList frames;
    } cases[] = {
        {1, 1, {"shActiveAITamadoCsapat1", "shActiveAIVedoCsapat2"}},
        {1, 2, {"shActiveAITamadoCsapat2", "shActiveAIVedoCsapat1"}},
        {21, 1, {"shActiveAIEladottCsapat2"}},
        {22, 2, {"shActiveAISzerzettCsapat1"}},
        {31, 1, {"shActiveAIFoulCsapat2"}},
        {32, 1, {"shActiveAIKiharcoltCsapat2"}},
        {41, 2, {"shActiveAIHibaCsapat1"}},
        {42, 1, {"shActiveAIBlokkCsapat2"}},
    };
    for (const auto &c : cases) {
        TScreenItems items;
        TScreenLayout::Build(items);
        int changes = 0;
        TActiveAI activeAI(items, [&changes] { ++changes; });
        activeAI.SetTimeout(4);
        activeAI.Light(c.code, c.side);
        EXPECT_EQ(litFrames(items), c.frames) << c.code << " side " << c.side;
        EXPECT_TRUE(activeAI.Timer().isActive()) << c.code;
        EXPECT_EQ(activeAI.Timer().interval(), 4000);
        EXPECT_GT(changes, 0);
        // Every frame of the code is a placed item of the layout.
        for (const QString &frame : c.frames)
            EXPECT_NE(items.Find(frame)->Kind, TScreenItem::Unplaced) << frame.toStdString();
    }
}

TEST(ActiveAI, AnUnknownCodeOnlyClearsTheFramesLitBefore)
{
    TScreenItems items;
    TScreenLayout::Build(items);
    TActiveAI activeAI(items, [] {});
    activeAI.Light(1, 1);
    ASSERT_EQ(litFrames(items).size(), 2);
    activeAI.Light(2, 1);
    EXPECT_TRUE(litFrames(items).isEmpty());
    EXPECT_FALSE(activeAI.Timer().isActive());
}

// A store that runs a step while the game is being saved, as a timer or a
// press arriving during the save would.
class ReentrantStore : public IGameStore
{
public:
    void SaveGame(TGame &) override
    {
        ++Saves;
        if (During)
            During();
    }
    void WriteDumps(TGame &) override {}
    void WritePeriodDump(TGame &, int) override {}
    void DeleteEarlierDumps(TGame &) override {}
    void DeleteDumps(TGame &) override {}
    int Saves = 0;
    std::function<void()> During;
};

class AutoSave : public ::testing::Test
{
protected:
    AutoSave()
        : game(TGameServices{&settings, nullptr, &prompter, &clock, nullptr, &store}),
          saver(game, items, [this] { ++changes; })
    {
        TScreenLayout::Build(items);
    }

    bool buttonEnabled(const char *name) const { return items.Find(QString::fromLatin1(name))->Enabled; }

    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))};
    ReentrantStore store;
    TGame game;
    TScreenItems items;
    int changes = 0;
    TAutoSave saver;
};

TEST_F(AutoSave, ReleasesTheSaveButtonsOnlyWhileItSaves)
{
    bool homeDuring = true, awayDuring = true, savingDuring = false;
    store.During = [&] {
        homeDuring = buttonEnabled("imgSaveHomeTeam");
        awayDuring = buttonEnabled("imgSaveAwayTeam");
        savingDuring = saver.Saving;
    };
    saver.Run();
    EXPECT_EQ(store.Saves, 1);
    EXPECT_FALSE(homeDuring);
    EXPECT_FALSE(awayDuring);
    EXPECT_TRUE(savingDuring);
    EXPECT_TRUE(buttonEnabled("imgSaveHomeTeam"));
    EXPECT_TRUE(buttonEnabled("imgSaveAwayTeam"));
    EXPECT_FALSE(saver.Saving);
    EXPECT_GE(changes, 2);
}

TEST_F(AutoSave, NothingElseSavesWhileItSaves)
{
    const std::function<void()> steps[] = {[this] { saver.SaveByButton(); }, [this] { saver.Run(); }};
    for (const auto &step : steps) {
        store.Saves = 0;
        bool first = true;
        store.During = [&] {
            // Once: a broken guard would otherwise save without end.
            if (first) {
                first = false;
                step();
            }
        };
        saver.Run();
        EXPECT_EQ(store.Saves, 1);
    }
    // Outside the automatic save a button saves.
    saver.SaveByButton();
    EXPECT_EQ(store.Saves, 2);
}

TEST_F(AutoSave, StartsWithThePeriodInMinutes)
{
    saver.Start(3);
    EXPECT_TRUE(saver.Timer().isActive());
    EXPECT_EQ(saver.Timer().interval(), 180000);
    saver.Stop();
    EXPECT_FALSE(saver.Timer().isActive());
}
