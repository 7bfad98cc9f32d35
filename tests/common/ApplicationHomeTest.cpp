#include "common/TApplicationHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A prefix laid out as "cmake --install" does: bin/ and share/parquetix.
class ApplicationHomeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Bin = m_dir.filePath(QStringLiteral("prefix/bin"));
        Share = m_dir.filePath(QStringLiteral("prefix/share/parquetix"));
        Data = m_dir.filePath(QStringLiteral("xdg"));
        ASSERT_TRUE(QDir().mkpath(Bin));
        ASSERT_TRUE(writeFile(Share + QStringLiteral("/parquetix.ini"), "[Options]\n"));
        ASSERT_TRUE(writeFile(Share + QStringLiteral("/Datastore/parquetix.db"), "sample"));
    }

    QTemporaryDir m_dir;
    QString Bin, Share, Data;
};

TEST_F(ApplicationHomeTest, InstalledHomeIsTheSharedFolderOfThePrefix)
{
    EXPECT_EQ(QDir::cleanPath(TApplicationHome::InstalledHome(Bin)), QDir::cleanPath(Share));
}

TEST_F(ApplicationHomeTest, ChoosesTheHomeByLayoutAndEnvironment)
{
    const QString user = Data + QStringLiteral("/parquetix");
    const QString other = m_dir.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(writeFile(other + QStringLiteral("/parquetix.ini"), ""));
    const QString noPrefix = m_dir.filePath(QStringLiteral("unpacked"));
    ASSERT_TRUE(QDir().mkpath(noPrefix));

    struct TCase
    {
        const char *Name;
        QString Exe, Env, Expected;
    } const cases[] = {
        {"the environment wins over an installed layout", Bin, other, other},
        {"an installed program uses the user's data folder", Bin, {}, user},
        {"a build tree with its own home stays in it", other, {}, other},
        {"a writable folder without any home is used as it is", noPrefix, {}, noPrefix},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TApplicationHome::Resolve(c.Exe, c.Env, Data), c.Expected);
    }
    // The installed case seeded the user's folder.
    EXPECT_EQ(readFile(user + QStringLiteral("/Datastore/parquetix.db")), "sample");
}

TEST_F(ApplicationHomeTest, SeedingKeepsTheUsersFilesAndAddsMissingOnes)
{
    const QString user = Data + QStringLiteral("/parquetix");
    ASSERT_TRUE(writeFile(user + QStringLiteral("/parquetix.ini"), "[Options]\nLANGUAGE=HUN\n"));
    ASSERT_TRUE(writeFile(Share + QStringLiteral("/Library/ENG/court.png"), "png"));

    EXPECT_EQ(TApplicationHome::Resolve(Bin, {}, Data), user);
    EXPECT_EQ(readFile(user + QStringLiteral("/parquetix.ini")), "[Options]\nLANGUAGE=HUN\n");
    EXPECT_EQ(readFile(user + QStringLiteral("/Library/ENG/court.png")), "png");
    EXPECT_EQ(readFile(user + QStringLiteral("/Datastore/parquetix.db")), "sample");
}

TEST_F(ApplicationHomeTest, SeededCopiesOfReadOnlyFilesAreWritable)
{
    const QString db = Share + QStringLiteral("/Datastore/parquetix.db");
    ASSERT_TRUE(QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    const QString user = TApplicationHome::Resolve(Bin, {}, Data);
    EXPECT_TRUE(QFile(user + QStringLiteral("/Datastore/parquetix.db")).permissions() &
                QFileDevice::WriteOwner);
}

} // namespace
