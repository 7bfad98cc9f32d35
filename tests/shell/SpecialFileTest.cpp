#include "ShellFixture.h"

#include "savegame/TSavedGameList.h"
#include "shell/archive/TGameArchive.h"
#include "shell/session/TParquetixApplication.h"

#include "support/CliRunner.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file of a saved game replaced by something that must never be read whole
// or waited on. Every path through which a folder is read refuses it with a
// message naming the file, and never runs out of memory or blocks.
struct TDamage
{
    const char *Folder;
    const char *File; // a prefix completed with the code, or a whole name
    bool (*Make)(const QString &path);
    const char *Says;
};

bool sparse(const QString &path)
{
    return ::truncate(QFile::encodeName(path), qint64(64) << 30) == 0;
}
bool zeroLink(const QString &path)
{
    return QFile::remove(path) && QFile::link(QStringLiteral("/dev/zero"), path);
}
bool fifo(const QString &path)
{
    return QFile::remove(path) && ::mkfifo(QFile::encodeName(path), 0600) == 0;
}
bool folderInstead(const QString &path)
{
    return QFile::remove(path) && QDir().mkdir(path);
}

const TDamage Damages[] = {
    {"sparse", "events_", sparse, "68719476736 bytes long, more than the"},
    {"zero", "events_", zeroLink, "it is a device"},
    {"fifo", "events_", fifo, "it is a FIFO"},
    {"folder", "events_", folderInstead, "it is a folder"},
    {"team-zero", "hazai_", zeroLink, "it is a device"},
    {"general-fifo", "general_", fifo, "it is a FIFO"},
    {"journal-sparse", TSaveJournal::FileName, sparse, "bytes long, more than the"},
    {"journal-fifo", TSaveJournal::FileName, fifo, "it is a FIFO"},
};

class SpecialFileTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        run(roster() + QStringLiteral("tick\nselect home 4\nshot home made close 100 30\ntick"));
        game.reset();
        ASSERT_TRUE(QFile::exists(QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName))));
        for (const TDamage &d : Damages) {
            copyFolder(folder(), folder(QLatin1String(d.Folder)));
            ASSERT_TRUE(d.Make(damagedPath(d))) << d.Folder;
        }
    }

    QString damagedPath(const TDamage &d) const
    {
        const QString file = QLatin1String(d.File);
        return QDir(folder(QLatin1String(d.Folder)))
            .filePath(file.startsWith(QLatin1Char('.')) ? file : file + QLatin1String(Code) + ".dat");
    }

    static void expectNamed(const QString &error, const TDamage &d, const QString &path)
    {
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(d.Says))) << error.toStdString();
    }
};

TEST_F(SpecialFileTest, LoadAndZipRefuseTheFolderNamingTheFile)
{
    for (const TDamage &d : Damages) {
        SCOPED_TRACE(d.Folder);
        const QString from = folder(QLatin1String(d.Folder));
        TestHome appHome;
        TGameStore appStore(appHome.path(), appHome.file(QStringLiteral("Temp")),
                            appHome.file(QStringLiteral("Save")));
        TParquetixApplication app(appHome.path());
        app.SetGameStore(&appStore);
        app.Initialize();
        QString error;
        EXPECT_FALSE(TGameLoader::Load(app, from, QLatin1String(Code), {}, &appStore, &error));
        expectNamed(error, d, damagedPath(d));

        const QString archive = home.file(QStringLiteral("Save/") + QLatin1String(d.Folder) + ".zip");
        error.clear();
        EXPECT_FALSE(TGameArchive::Zip(from, archive, &error));
        expectNamed(error, d, damagedPath(d));
        EXPECT_FALSE(QFile::exists(archive));
    }
    QString error;
    EXPECT_TRUE(TGameArchive::Zip(folder(), home.file(QStringLiteral("Save/whole.zip")), &error))
        << error.toStdString();
}

TEST_F(SpecialFileTest, TheSavedGamesListShowsDamagedFoldersBesideTheWholeOne)
{
    const QList<TSavedGameRow> rows = TSavedGameList::List(home.file(QStringLiteral("Save")));
    ASSERT_EQ(rows.size(), int(std::size(Damages)) + 1);
    for (const TSavedGameRow &row : rows) {
        SCOPED_TRACE(row.Folder.toStdString());
        EXPECT_EQ(row.Code, QLatin1String(Code));
        if (row.Folder == QLatin1String("game")) {
            EXPECT_EQ(row.Problem, QString());
            EXPECT_EQ(row.HomeTeam, QStringLiteral("Home Team"));
            continue;
        }
        const auto d = std::find_if(std::begin(Damages), std::end(Damages), [&row](const TDamage &x) {
            return row.Folder == QLatin1String(x.Folder);
        });
        ASSERT_NE(d, std::end(Damages));
        expectNamed(row.Problem, *d, damagedPath(*d));
    }
}

// A loadable folder holding a ".dat" that is not a plain file is not zipped
// with that file silently left out.
TEST_F(SpecialFileTest, ZipRefusesAnExtraDatThatIsNotAFile)
{
    const struct
    {
        const char *Name;
        bool (*Make)(const QString &path);
        const char *Says;
    } extras[] = {{"notes.dat", folderInstead, "it is a folder"},
                  {"events_notsend_ABC1DEF2.dat", fifo, "it is a FIFO"},
                  {"extra.dat", zeroLink, "it is a device"}};
    for (const auto &extra : extras) {
        SCOPED_TRACE(extra.Name);
        const QString from = folder(QStringLiteral("extra"));
        QDir(from).removeRecursively();
        copyFolder(folder(), from);
        const QString path = QDir(from).filePath(QLatin1String(extra.Name));
        write(path, "x");
        ASSERT_TRUE(extra.Make(path));
        QString error;
        EXPECT_FALSE(TGameArchive::Zip(from, home.file(QStringLiteral("Save/extra.zip")), &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(extra.Says))) << error.toStdString();
    }
}

// The same through the command line program, each command with a time limit.
TEST_F(SpecialFileTest, TheCommandLineRefusesWithoutAbortingOrHanging)
{
    const int limitMs = 60000;
    for (const TDamage &d : Damages) {
        const QString from = folder(QLatin1String(d.Folder));
        for (const char *command : {"load", "stats", "textbox", "zip"}) {
            SCOPED_TRACE(std::string(d.Folder) + " " + command);
            const CliResult r = runProgram(QStringLiteral("parquetix-cli"), {QLatin1String(command), from},
                                           home.path(), limitMs);
            EXPECT_EQ(r.ExitCode, 1) << r.Err.constData();
            const QString err = QString::fromUtf8(r.Err);
            expectNamed(err, d, damagedPath(d));
            EXPECT_FALSE(err.contains(QLatin1String("bad_alloc"))) << r.Err.constData();
        }
    }
    const CliResult r =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("saved"), home.file(QStringLiteral("Save"))}, home.path(), limitMs);
    ASSERT_EQ(r.ExitCode, 0) << r.Err.constData();
    const QStringList lines = QString::fromUtf8(r.Out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(std::size(Damages)) + 2) << r.Out.constData();
    for (const QString &line : lines.mid(1)) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        ASSERT_EQ(columns.size(), 8) << line.toStdString();
        EXPECT_EQ(columns[7].isEmpty(), columns[0] == QLatin1String("game")) << line.toStdString();
    }
}

} // namespace
