#include "ShellFixture.h"

#include <QtEndian>

namespace {

// A saved game whose store has closed (the journal is gone, the record of the
// last save stays), then changed in a way the record reader cannot see.
class LastSaveCheckTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        TGameStore closing(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
        auto g = newGame(folder(), &closing);
        run(*g,
            roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30\ntimeout away\ntick\n"
                                      "sub home 4 15\ntimeout home"));
        events = g->AllEvents.Count();
        ASSERT_GT(events, 10);
    }

    QString path(const QString &kind) const
    {
        return QDir(folder()).filePath(kind + QLatin1String(Code) + QStringLiteral(".dat"));
    }

    // The loader's answer: empty when the folder loads.
    QString readError(const TLoadOptions &options = {}, QString *warning = nullptr)
    {
        TGameLoader loader;
        QString error;
        if (loader.Read(TGameFolder(folder()), QLatin1String(Code), &error, options)) {
            if (warning)
                *warning = loader.Warning();
            return {};
        }
        return error.isEmpty() ? QStringLiteral("refused without a message") : error;
    }

    int events = 0;
};

TEST_F(LastSaveCheckTest, AClosedStoreLeavesTheRecordAndAFolderThatLoads)
{
    EXPECT_FALSE(QFile::exists(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName))));
    ASSERT_TRUE(QFile::exists(QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName))));
    EXPECT_EQ(readError(), QString());
}

TEST_F(LastSaveCheckTest, AFileCutAtARecordBoundaryIsNamed)
{
    const struct
    {
        const char *Kind;
        int KeepBytes;
    } cuts[] = {
        {"events_", 0},        {"events_", 604},      {"hazai_", 1084},
        {"vendeg_", 4 * 1084}, {"away_timeouts_", 0}, {"home_timeouts_", 0},
    };
    for (const auto &cut : cuts) {
        const QString kind = QLatin1String(cut.Kind);
        const QByteArray whole = read(path(kind));
        ASSERT_GT(whole.size(), cut.KeepBytes) << cut.Kind;
        write(path(kind), whole.left(cut.KeepBytes));
        const QString file = kind + QLatin1String(Code) + QStringLiteral(".dat");
        EXPECT_EQ(readError(), QStringLiteral("%1 differs from the last completed save: %2 bytes instead of "
                                              "the %3 bytes of the last save")
                                   .arg(file)
                                   .arg(cut.KeepBytes)
                                   .arg(whole.size()));
        // Asked to, the loader takes what is there and says what differs.
        QString warning;
        EXPECT_EQ(readError(TLoadOptions{.LoadDamaged = true}, &warning), QString()) << cut.Kind;
        EXPECT_TRUE(warning.startsWith(file)) << warning.toStdString();
        write(path(kind), whole);
        EXPECT_EQ(readError(), QString()) << "restored " << cut.Kind;
    }
}

TEST_F(LastSaveCheckTest, ACutUnsentFileMattersOnlyWhenItIsResent)
{
    write(path(QStringLiteral("events_notsend_")), QByteArray());
    EXPECT_EQ(readError(), QString());
    EXPECT_TRUE(load(folder(), TLoadOptions{.Online = true, .ResendAll = true}));
    // Resending the missing data needs the file: the load stops, naming it.
    TGameLoader loader;
    QString error;
    ASSERT_TRUE(loader.Read(TGameFolder(folder()), QLatin1String(Code), &error));
    auto g = newGame(folder());
    EXPECT_FALSE(loader.ApplyEvents(*g, TLoadOptions{.Online = true}, &error));
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("events_notsend_ABC1DEF2.dat differs from the last completed save")))
        << error.toStdString();
}

TEST_F(LastSaveCheckTest, AChangedByteOfTheSameSizeIsFound)
{
    QByteArray general = read(path(QStringLiteral("general_")));
    general[3684] = char(general[3684] + 1); // the clock, still a valid one
    write(path(QStringLiteral("general_")), general);
    EXPECT_EQ(readError(), QStringLiteral("general_ABC1DEF2.dat differs from the last completed save: its "
                                          "content is not what the last save wrote"));
}

TEST_F(LastSaveCheckTest, ADamagedRecordOfTheLastSaveChecksNothing)
{
    const QString manifest = QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName));
    QByteArray bytes = read(manifest);
    bytes[bytes.size() - 1] = char(bytes[bytes.size() - 1] ^ 1);
    write(manifest, bytes);
    write(path(QStringLiteral("events_")), QByteArray());
    EXPECT_EQ(readError(), QString());
}

TEST_F(LastSaveCheckTest, ARecordOfAnotherSaveChecksNothing)
{
    // A whole journal record of a later save that never reached the manifest:
    // the files stand for that save, not for the manifest.
    TSaveManifest manifest;
    ASSERT_TRUE(TSaveManifest::Decode(
        read(QDir(folder()).filePath(QString::fromLatin1(TSaveManifest::FileName))), manifest));
    const QByteArray events = read(path(QStringLiteral("events_")));
    const QList<TJournalPatch> patches = {{QStringLiteral("events_ABC1DEF2.dat"),
                                           quint32(events.size()),
                                           quint32(events.size() - 604),
                                           quint32(events.size() - 604),
                                           {}}};
    QByteArray record = TSaveJournal::Encode(manifest.Generation + 1, patches);
    qToLittleEndian(TSaveJournal::Applied, record.data() + TSaveJournal::StateOffset);
    write(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName)), record);
    write(path(QStringLiteral("events_")), events.left(events.size() - 604));
    EXPECT_EQ(readError(), QString());
    // The same record with the manifest's generation: the cut is found.
    record = TSaveJournal::Encode(manifest.Generation, patches);
    qToLittleEndian(TSaveJournal::Applied, record.data() + TSaveJournal::StateOffset);
    write(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName)), record);
    EXPECT_TRUE(readError().startsWith(QStringLiteral("events_ABC1DEF2.dat differs")));
}

TEST_F(LastSaveCheckTest, TheRecordFollowsEveryIncrementalSave)
{
    // A store saving many small changes keeps checksums of every file as a
    // whole rewrite would give them.
    {
        TGameStore s(home.path(), home.file(QStringLiteral("Temp")), home.file(QStringLiteral("Save")));
        auto g = newGame(folder(QStringLiteral("long")), &s);
        run(*g, roster() + QStringLiteral("tick\nselect home 4\nselect away 5"));
        for (int i = 0; i < 30; ++i)
            run(*g, QStringLiteral("shot home made close 100 30\nshot away missed three 20 200\ntick"));
        g->RemoveEvent(g->AllEvents.At(20)->Id);
        g->OutgoingQueue.Acknowledge();
        run(*g, QStringLiteral("sub home 4 15\ntimeout away"));
    }
    TSaveManifest manifest;
    const QString dir = folder(QStringLiteral("long"));
    ASSERT_TRUE(TSaveManifest::Decode(read(QDir(dir).filePath(QString::fromLatin1(TSaveManifest::FileName))),
                                      manifest));
    const QStringList names = TGameFolder::GameFiles(QLatin1String(Code));
    ASSERT_EQ(manifest.Files.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QByteArray data = read(QDir(dir).filePath(names[i]));
        EXPECT_EQ(manifest.Files[i].Size, data.size()) << names[i].toStdString();
        EXPECT_EQ(manifest.Files[i].Crc, TSaveManifest::Crc(data)) << names[i].toStdString();
    }
}

} // namespace
