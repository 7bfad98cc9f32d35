#include "ShellFixture.h"

#include <QtEndian>

namespace {

TEST(SaveJournal, ARecordRoundTripsUntilItIsTornOrApplied)
{
    const QList<TJournalPatch> patches = {
        {QStringLiteral("general_X.dat"), 3700, 3700, 10, QByteArray("abc")},
        {QStringLiteral("events_X.dat"), 604, 1208, 604, QByteArray(604, 'e')}};
    const QByteArray record = TSaveJournal::Encode(7, patches);
    quint32 generation = 0;
    QList<TJournalPatch> decoded;
    ASSERT_TRUE(TSaveJournal::DecodePending(record, generation, decoded));
    EXPECT_EQ(generation, 7u);
    EXPECT_EQ(decoded, patches);

    // Cut anywhere, the record is not whole.
    for (qsizetype cut : {qsizetype(0), qsizetype(10), qsizetype(24), record.size() / 2, record.size() - 1})
        EXPECT_FALSE(TSaveJournal::DecodePending(record.left(cut), generation, decoded)) << cut;
    // A byte of an older record left in the middle breaks the checksum.
    QByteArray mixed = record;
    mixed[record.size() / 2] = char(mixed[record.size() / 2] ^ 0x55);
    EXPECT_FALSE(TSaveJournal::DecodePending(mixed, generation, decoded));
    // Marked applied: nothing to do.
    QByteArray applied = record;
    qToLittleEndian(TSaveJournal::Applied, applied.data() + TSaveJournal::StateOffset);
    EXPECT_FALSE(TSaveJournal::DecodePending(applied, generation, decoded));
    // Bytes after the record (left from a longer one) do not matter.
    EXPECT_TRUE(TSaveJournal::DecodePending(record + QByteArray(100, 'z'), generation, decoded));
}

TEST(SaveJournal, APatchAppliesToTheFileAtAnyStageOfItsWriting)
{
    const QByteArray before = "0123456789";
    // Grow: bytes 8.. replaced, file longer.
    const TJournalPatch grow{QStringLiteral("f"), 10, 14, 8, QByteArray("abcdef")};
    for (const QByteArray &stage : {before, QByteArray("01234567ab9"), QByteArray("01234567abcdef")}) {
        QByteArray content = stage;
        ASSERT_TRUE(TSaveJournal::Apply(grow, content)) << stage.constData();
        EXPECT_EQ(content, "01234567abcdef");
    }
    // Same size: the bytes after the change are kept.
    const TJournalPatch middle{QStringLiteral("f"), 10, 10, 2, QByteArray("xy")};
    QByteArray content = before;
    ASSERT_TRUE(TSaveJournal::Apply(middle, content));
    EXPECT_EQ(content, "01xy456789");
    // Shrink to a prefix.
    const TJournalPatch shrink{QStringLiteral("f"), 10, 4, 4, QByteArray()};
    content = before;
    ASSERT_TRUE(TSaveJournal::Apply(shrink, content));
    EXPECT_EQ(content, "0123");
    // A file shorter than the unchanged part cannot be the one the patch was made for.
    content = "0123";
    EXPECT_FALSE(TSaveJournal::Apply(grow, content));
    content = "01234";
    EXPECT_FALSE(TSaveJournal::Apply(middle, content));
}

TEST(SaveJournal, ARedoLogIsReadUpToItsFirstBrokenLink)
{
    const TJournalPatch whole{QStringLiteral("f"), 0, 6, 0, QByteArray("abcdef")};
    const TJournalPatch second{QStringLiteral("f"), 6, 8, 4, QByteArray("XYZW")};
    const TJournalPatch third{QStringLiteral("f"), 8, 3, 3, QByteArray()};
    const QByteArray r1 = TSaveJournal::Encode(5, {whole});
    const QByteArray r2 = TSaveJournal::Encode(6, {second});
    const QByteArray r3 = TSaveJournal::Encode(7, {third});
    QByteArray torn = r3;
    torn[torn.size() - 1] = char(torn[torn.size() - 1] ^ 1);
    struct TCase
    {
        const char *Name;
        QByteArray Log;
        bool Any;
        quint32 Last;
        QList<TJournalPatch> Patches;
    };
    const TCase cases[] = {
        {"three links", r1 + r2 + r3, true, 7, {whole, second, third}},
        {"the last one torn", r1 + r2 + torn, true, 6, {whole, second}},
        {"the last one cut short", r1 + r2 + r3.left(r3.size() - 1), true, 6, {whole, second}},
        {"a generation left out", r1 + r3, true, 5, {whole}},
        {"an older record after the newest", r1 + r2 + r1, true, 6, {whole, second}},
        {"zeros where the next would be", r1 + QByteArray(200, 0), true, 5, {whole}},
        {"nothing whole", r1.left(20), false, 0, {}},
        {"empty", QByteArray(), false, 0, {}},
    };
    for (const TCase &c : cases) {
        quint32 last = 0;
        QList<TJournalPatch> patches;
        EXPECT_EQ(TSaveJournal::DecodeLog(c.Log, last, patches), c.Any) << c.Name;
        if (c.Any) {
            EXPECT_EQ(last, c.Last) << c.Name;
        }
        EXPECT_EQ(patches, c.Patches) << c.Name;
    }
}

TEST(SaveJournal, AReplayedLogGivesItsFileWhateverAPowerCutLeftOfIt)
{
    // The three patches above, replayed over what a power cut may leave:
    // nothing, a torn older file, a longer one.
    const QList<TJournalPatch> log = {{QStringLiteral("f"), 0, 6, 0, QByteArray("abcdef")},
                                      {QStringLiteral("f"), 6, 8, 4, QByteArray("XYZW")},
                                      {QStringLiteral("f"), 8, 3, 3, QByteArray()}};
    const QByteArray expected[] = {"abcdef", "abcdXYZW", "abc"};
    for (const QByteArray &left :
         {QByteArray(), QByteArray("ab"), QByteArray("abcdXY\0\0"), QByteArray(20, 'q')}) {
        QByteArray content = left;
        for (qsizetype i = 0; i < log.size(); ++i) {
            TSaveJournal::Replay(log[i], content);
            EXPECT_EQ(content, expected[i]) << "from \"" << left.constData() << "\", patch " << i;
        }
    }
}

class CrashPointTest : public ShellFixture
{
protected:
    // Saves A, then B, and keeps the files of both and the journal record of B.
    void SetUp() override
    {
        run(roster());
        run(QStringLiteral("tick\nselect home 4\nshot home made close 100 30\ntimeout home"));
        stateA = gameFiles(folder());
        // Several events, saved at once, so that one record changes every file.
        game->SetStore(nullptr);
        run(QStringLiteral("sub home 4 15\nselect home 15\nshot home made three 10 180\ntimeout away"));
        game->SetStore(&store);
        game->SaveGame();
        stateB = gameFiles(folder());
        journal = read(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName)));
        // The file may go on with bytes of an earlier, longer record.
        journal.truncate(qFromLittleEndian<quint32>(journal.constData() + 8));
        qToLittleEndian(TSaveJournal::Pending, journal.data() + TSaveJournal::StateOffset);
        quint32 generation = 0;
        ASSERT_TRUE(TSaveJournal::DecodePending(journal, generation, patches));
        ASSERT_EQ(patches.size(), 5) << "general, home team, away timeouts and both events files";
    }

    // The folder as the reader sees it.
    QMap<QString, QByteArray> committed(const QMap<QString, QByteArray> &files,
                                        const QByteArray &journalBytes)
    {
        QHash<QString, QByteArray> folderFiles;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            folderFiles.insert(it.key(), it.value());
        if (!journalBytes.isNull())
            folderFiles.insert(QString::fromLatin1(TSaveJournal::FileName), journalBytes);
        const TGameFolder gameFolder(folderFiles);
        QMap<QString, QByteArray> out;
        for (const QString &name : TGameFolder::GameFiles(QLatin1String(Code))) {
            QByteArray data;
            bool exists = false;
            QString error;
            EXPECT_TRUE(gameFolder.Read(name, data, exists, &error)) << error.toStdString();
            out.insert(name, data);
        }
        TGameLoader loader;
        QString error;
        EXPECT_TRUE(loader.Read(gameFolder, QLatin1String(Code), &error)) << error.toStdString();
        return out;
    }

    QMap<QString, QByteArray> stateA, stateB;
    QByteArray journal;
    QList<TJournalPatch> patches;
};

TEST_F(CrashPointTest, ATornJournalLeavesThePreviousSave)
{
    for (qsizetype cut : {qsizetype(0), qsizetype(30), journal.size() / 2, journal.size() - 1})
        EXPECT_EQ(committed(stateA, journal.left(cut)), stateA) << cut;
    EXPECT_EQ(committed(stateA, QByteArray()), stateA);
}

TEST_F(CrashPointTest, AWholeJournalGivesTheNewSaveWhereverTheWritingStopped)
{
    // Files changed in the record's order; the crash comes after k whole files
    // and half of the next one.
    for (int k = 0; k <= patches.size(); ++k) {
        QMap<QString, QByteArray> files = stateA;
        for (int i = 0; i < k; ++i)
            files[patches[i].File] = stateB[patches[i].File];
        EXPECT_EQ(committed(files, journal), stateB) << "after " << k << " files";
        if (k < patches.size()) {
            const TJournalPatch &p = patches[k];
            QByteArray half = files[p.File];
            const QByteArray written = p.Bytes.left(p.Bytes.size() / 2);
            if (half.size() < qsizetype(p.Offset) + written.size())
                half.resize(qsizetype(p.Offset) + written.size());
            half.replace(qsizetype(p.Offset), written.size(), written);
            files[p.File] = half;
            EXPECT_EQ(committed(files, journal), stateB) << "inside file " << k;
        }
    }
}

TEST_F(CrashPointTest, AnAppliedJournalIsIgnored)
{
    QByteArray applied = journal;
    qToLittleEndian(TSaveJournal::Applied, applied.data() + TSaveJournal::StateOffset);
    EXPECT_EQ(committed(stateB, applied), stateB);
}

} // namespace
