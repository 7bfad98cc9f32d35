// The fuzz targets' seeds must stay the real inputs they were made as: a
// seed the loader refuses after a format change would leave the fuzzer at
// the first check again, without anyone noticing.
#include "fuzz/PackedFolder.h"
#include "model/game/TGame.h"
#include "model/services/THeadlessScreen.h"
#include "model/settings/TReferenceLists.h"
#include "model/settings/TSettings.h"
#include "savegame/TGameFolder.h"
#include "shell/settings/TSettingsFile.h"
#include "shell/store/TGameLoader.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QList<QPair<QString, QByteArray>> seedsOf(const char *target)
{
    const QDir dir(sourceFolder() + QStringLiteral("/tests/fuzz/corpus/") + QLatin1String(target));
    QList<QPair<QString, QByteArray>> seeds;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            seeds.append({name, f.readAll()});
    }
    return seeds;
}

TEST(FuzzSeedsTest, EveryGameFolderSeedLoadsWholeWithItsEvents)
{
    const auto seeds = seedsOf("fuzz_game_folder");
    ASSERT_GE(seeds.size(), 5);
    int recovered = 0;
    QHash<QString, qsizetype> events;
    for (const auto &[name, bytes] : seeds) {
        SCOPED_TRACE(name.toStdString());
        const TGameFolder folder(PackedFolder::Unpack(bytes));
        const QString code = folder.GameCode();
        ASSERT_FALSE(code.isEmpty());
        recovered += folder.Recovered() ? 1 : 0;
        TGameLoader loader;
        QString error;
        ASSERT_TRUE(loader.Read(folder, code, &error)) << error.toStdString();
        EXPECT_TRUE(loader.Warning().isEmpty()) << loader.Warning().toStdString();
        THeadlessScreen screen;
        TGame game;
        game.SetScreen(&screen);
        game.GameCode = code;
        loader.ApplyGameData(game);
        loader.ApplyRosters(game);
        ASSERT_TRUE(loader.ApplyEvents(game, {}, &error)) << error.toStdString();
        EXPECT_GT(game.AllEvents.Count(), 0);
        EXPECT_EQ(game.AllEvents.Count(), loader.Saved().Events.size());
        events.insert(name, game.AllEvents.Count());
    }
    // A save cut short is among them, so the journal's replay is fuzzed too,
    // and a power cut that lost half the event log, which its redo log
    // brings back up to the save the applied record holds.
    EXPECT_GE(recovered, 2);
    ASSERT_TRUE(events.contains(QStringLiteral("power-cut-with-redo-log")));
    EXPECT_EQ(events.value(QStringLiteral("power-cut-with-redo-log")),
              events.value(QStringLiteral("save-marked-applied")));
}

TEST(FuzzSeedsTest, UnpackingStopsAtTheEndAndCutsWhatOverruns)
{
    // Two files, the second claiming more bytes than are left.
    const QByteArray packed = QByteArray("\x00\x01"
                                         "a\x02\x00\x00\x00xy"
                                         "\x01"
                                         "b\xff\x00\x00\x00z",
                                         16);
    const auto files = PackedFolder::Unpack(packed);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.value(QStringLiteral("a")), QByteArray("xy"));
    EXPECT_EQ(files.value(QStringLiteral("b")), QByteArray("z"));
}

TEST(FuzzSeedsTest, RepairedChecksumsLetAChangedJournalRecordThrough)
{
    const QByteArray record = TSaveJournal::Encode(7, {{QStringLiteral("general_X.dat"), 0, 3, 0, "abc"}});
    QByteArray changed = record;
    changed[changed.size() - 1] = 'd';
    QByteArray packed("\x01", 1);
    const QByteArray name(TSaveJournal::FileName);
    packed += char(name.size()) + name;
    const quint32 length = quint32(changed.size());
    packed += QByteArray(reinterpret_cast<const char *>(&length), 4) + changed;

    quint32 generation = 0;
    QList<TJournalPatch> patches;
    EXPECT_FALSE(TSaveJournal::DecodePending(changed, generation, patches));
    const QByteArray repaired = PackedFolder::Unpack(packed).value(name);
    ASSERT_TRUE(TSaveJournal::DecodePending(repaired, generation, patches));
    ASSERT_EQ(patches.size(), 1);
    EXPECT_EQ(patches[0].Bytes, QByteArray("abd"));
    packed[0] = 0; // without the flag the record stays refused
    EXPECT_FALSE(TSaveJournal::DecodePending(PackedFolder::Unpack(packed).value(name), generation, patches));
}

TEST(FuzzSeedsTest, SettingsAndReferenceListSeedsReadWithoutAnError)
{
    const auto settingsSeeds = seedsOf("fuzz_settings");
    ASSERT_FALSE(settingsSeeds.isEmpty());
    for (const auto &[name, bytes] : settingsSeeds) {
        SCOPED_TRACE(name.toStdString());
        QTemporaryDir home;
        const QString ini = home.filePath(QStringLiteral("parquetix.ini"));
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TSettings settings;
        QString error;
        EXPECT_TRUE(TSettingsFile(ini, home.path()).Load(settings, &error)) << error.toStdString();
    }
    const auto xmlSeeds = seedsOf("fuzz_reference_xml");
    ASSERT_FALSE(xmlSeeds.isEmpty());
    for (const auto &[name, bytes] : xmlSeeds) {
        TReferenceLists lists;
        QString error;
        EXPECT_TRUE(TReferenceLists::Parse(bytes, name, lists, &error)) << error.toStdString();
        EXPECT_FALSE(lists.FoulTypes.isEmpty());
    }
}

} // namespace
