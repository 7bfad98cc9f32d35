#include "ShellFixture.h"

#include "shell/archive/TGameArchive.h"

#include <unzip.h>

namespace {

struct TEntry
{
    QByteArray Data;
    int Method = -1;
};

// Every entry of an archive, read back through minizip's reader.
QMap<QString, TEntry> entries(const QString &archive)
{
    QMap<QString, TEntry> out;
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    if (!zip)
        return out;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info64 info;
        char name[512];
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(zip) != UNZ_OK)
            break;
        TEntry e;
        e.Method = int(info.compression_method);
        e.Data.resize(qsizetype(info.uncompressed_size));
        const int n = unzReadCurrentFile(zip, e.Data.data(), unsigned(e.Data.size()));
        if (n != e.Data.size() || unzCloseCurrentFile(zip) != UNZ_OK)
            e.Data = "unreadable";
        out.insert(QString::fromUtf8(name), e);
    }
    unzClose(zip);
    return out;
}

class ArchiveTest : public ShellFixture
{
protected:
    QString archive() const { return home.file(QStringLiteral("Save/ABC1DEF2.zip")); }
};

TEST_F(ArchiveTest, HoldsEveryFileOfTheFolderUnderTheFolderName)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    write(QDir(folder()).filePath(QStringLiteral("notes.txt")), "written by the operator");
    QDir().mkpath(QDir(folder()).filePath(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::exists(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName))));

    QString error;
    ASSERT_TRUE(store.ZipGameFolder(*game, &error)) << error.toStdString();
    const QMap<QString, TEntry> zipped = entries(archive());
    QMap<QString, QByteArray> expected = gameFiles(folder());
    QStringList names;
    for (const QString &name : expected.keys())
        names.append(QStringLiteral("game/") + name);
    EXPECT_EQ(zipped.keys(), names) << "no journal, no subfolder";
    for (const QString &name : expected.keys()) {
        const TEntry e = zipped.value(QStringLiteral("game/") + name);
        EXPECT_TRUE(e.Data == expected[name]) << name.toStdString();
        EXPECT_EQ(e.Method, Z_DEFLATED) << name.toStdString();
    }
}

TEST_F(ArchiveTest, ReplacesTheOldArchiveAndKeepsItOnFailure)
{
    run(roster() + QStringLiteral("tick"));
    write(archive(), "an older archive");
    ASSERT_TRUE(store.ZipGameFolder(*game));
    const QByteArray first = read(archive());
    EXPECT_EQ(entries(archive()).size(), 7);

    game->GameFolder = folder(QStringLiteral("gone"));
    QString error;
    EXPECT_FALSE(store.ZipGameFolder(*game, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("gone"))) << error.toStdString();
    EXPECT_EQ(read(archive()), first);
    EXPECT_FALSE(TGameArchive::Zip(folder(), home.file(QStringLiteral("no/such/folder/x.zip")), &error));
    EXPECT_EQ(QDir(home.file(QStringLiteral("Save"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{"ABC1DEF2.zip"})
        << "no temporary file is left";
}

TEST_F(ArchiveTest, TakesTheGameAsTheLastFinishedSaveLeftIt)
{
    run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30"));
    const QMap<QString, QByteArray> saved = gameFiles(folder());
    // A crash in the middle of the next save: its journal record is whole but
    // only one file was changed, and only in part.
    game->SetStore(nullptr);
    run(QStringLiteral("shot home made three 10 180"));
    game->SetStore(&store);
    game->SaveGame();
    const QMap<QString, QByteArray> next = gameFiles(folder());
    const QString journal = QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName));
    QByteArray record = read(journal);
    record[TSaveJournal::StateOffset] = 0;
    write(journal, record);
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        write(QDir(folder()).filePath(it.key()), it.value());
    const QString events = QDir(folder()).filePath(QStringLiteral("events_ABC1DEF2.dat"));
    write(events, saved[QStringLiteral("events_ABC1DEF2.dat")] + QByteArray(300, 'p'));

    ASSERT_TRUE(TGameArchive::Zip(folder(), archive()));
    const QMap<QString, TEntry> zipped = entries(archive());
    for (auto it = next.cbegin(); it != next.cend(); ++it)
        EXPECT_TRUE(zipped.value(QStringLiteral("game/") + it.key()).Data == it.value())
            << it.key().toStdString();
}

} // namespace
