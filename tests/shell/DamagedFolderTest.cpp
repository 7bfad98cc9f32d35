#include "ShellFixture.h"

#include "shell/session/TParquetixApplication.h"

#include <QtEndian>

namespace {

// A saved game damaged in one way at a time: the load is refused with an
// error naming the file and the record, the game stays as it was and the
// folder is not touched.
class DamagedFolderTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        run(roster() +
            QStringLiteral("tick\nselect home 4\nshot home made close 100 30\ntimeout away\ntick"));
        game.reset();
        // Damage comes to a game that was closed: an open one is its redo log.
        store.CloseGameFolder();
    }

    QString path(const QString &kind) const
    {
        return QDir(folder()).filePath(kind + QLatin1String(Code) + QStringLiteral(".dat"));
    }

    void change(const QString &kind, int offset, const QByteArray &bytes)
    {
        QByteArray data = read(path(kind));
        ASSERT_LE(offset + bytes.size(), data.size());
        data.replace(offset, bytes.size(), bytes);
        write(path(kind), data);
    }

    static QByteArray int32(qint32 v)
    {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    }

    // Loads through the application; returns the error.
    QString refused(const TLoadOptions &options = {})
    {
        TestHome appHome;
        TGameStore appStore(appHome.path(), appHome.file(QStringLiteral("Temp")),
                            appHome.file(QStringLiteral("Save")));
        TParquetixApplication app(appHome.path());
        app.SetGameStore(&appStore);
        app.Initialize();
        app.Game().GameCode = QStringLiteral("BEFORE");
        const TGame *before = &app.Game();
        const QMap<QString, QByteArray> files = snapshot(folder());
        QString error;
        EXPECT_FALSE(TGameLoader::Load(app, folder(), QLatin1String(Code), options, &appStore, &error));
        EXPECT_EQ(&app.Game(), before) << "the game was not replaced";
        EXPECT_EQ(app.Game().GameCode, QStringLiteral("BEFORE"));
        EXPECT_EQ(snapshot(folder()), files) << "the folder is unchanged";
        return error;
    }
};

TEST_F(DamagedFolderTest, AnEventRecordCutShort)
{
    QByteArray events = read(path(QStringLiteral("events_")));
    ASSERT_EQ(events.size(), 13 * 604) << "nine opening messages, two steps, the shot and the timeout";
    write(path(QStringLiteral("events_")), events.left(3 * 604 + 100));
    EXPECT_EQ(refused(),
              QStringLiteral("events_ABC1DEF2.dat: 1912 bytes are not a whole number of 604-byte records; "
                             "record 4 is cut short after 100 bytes"));
}

TEST_F(DamagedFolderTest, AnOverLongGeneralRecord)
{
    write(path(QStringLiteral("general_")), read(path(QStringLiteral("general_"))) + "x");
    EXPECT_EQ(refused(),
              QStringLiteral("general_ABC1DEF2.dat: the general record is 3701 bytes long instead of 3700"));
}

TEST_F(DamagedFolderTest, ALengthByteAboveItsCapacity)
{
    // The name of the second player record (jersey 7), a string[60] at 49.
    change(QStringLiteral("hazai_"), 2 * 1084 + 49, QByteArray(1, char(61)));
    EXPECT_EQ(refused(),
              QStringLiteral("hazai_ABC1DEF2.dat, record 3: the length of JatekosNev at byte 49 is 61, "
                             "above its capacity of 60"));
}

TEST_F(DamagedFolderTest, ALengthByteInsideATeamBlock)
{
    change(QStringLiteral("general_"), 2628 + 82, QByteArray(1, char(4)));
    EXPECT_EQ(refused(),
              QStringLiteral("general_ABC1DEF2.dat, record 1: the length of away team EgyesuletRovidNev "
                             "at byte 2710 is 4, above its capacity of 3"));
}

TEST_F(DamagedFolderTest, SizesThatFitNoRecord)
{
    write(path(QStringLiteral("away_timeouts_")), QByteArray(57, 0));
    EXPECT_TRUE(
        refused().startsWith(QStringLiteral("away_timeouts_ABC1DEF2.dat: 57 bytes are not a whole number of "
                                            "56-byte records")));
    write(path(QStringLiteral("away_timeouts_")), QByteArray());
    write(path(QStringLiteral("vendeg_")), QByteArray());
    EXPECT_EQ(refused(),
              QStringLiteral("vendeg_ABC1DEF2.dat is empty: it must begin with the team line record"));
}

TEST_F(DamagedFolderTest, NegativeOrAbsurdValues)
{
    change(QStringLiteral("general_"), 3684, int32(-5));
    EXPECT_EQ(refused(), QStringLiteral("general_ABC1DEF2.dat, record 1: the clock is -5, outside 0 to 400"));
    change(QStringLiteral("general_"), 3684, int32(2));
    change(QStringLiteral("general_"), 3692, int32(5000));
    EXPECT_EQ(refused(),
              QStringLiteral(
                  "general_ABC1DEF2.dat, record 1: the number of periods ended is 5000, outside 0 to 1000"));
    change(QStringLiteral("general_"), 3692, int32(0));

    change(QStringLiteral("events_"), 2 * 604 + 272, int32(7));
    EXPECT_EQ(refused(), QStringLiteral("events_ABC1DEF2.dat, record 3: the side is 7, outside 0 to 4"));
    change(QStringLiteral("events_"), 2 * 604 + 272, int32(0));
    change(QStringLiteral("events_"), 12 * 604, int32(2147483647));
    EXPECT_EQ(refused(),
              QStringLiteral("events_ABC1DEF2.dat, record 13: the event identifier is 2147483647, outside "
                             "0 to 10000000"));
    change(QStringLiteral("events_"), 12 * 604, int32(13));

    change(QStringLiteral("away_timeouts_"), 0, int32(-1));
    EXPECT_EQ(refused(),
              QStringLiteral("away_timeouts_ABC1DEF2.dat, record 1: the period is -1, outside 0 to 1000"));
}

TEST_F(DamagedFolderTest, APeriodLengthTheClockCannotDivideBy)
{
    TPlayer line = TPlayer::FromRecord(read(path(QStringLiteral("hazai_"))).constData());
    PlayerStats::SetGameLength(line, 0);
    change(QStringLiteral("hazai_"), 0, line.ToRecord());
    EXPECT_EQ(refused(),
              QStringLiteral("hazai_ABC1DEF2.dat, record 1: the period length GAMELENGTH=0 is outside "
                             "1 to 19 minutes"));
}

TEST_F(DamagedFolderTest, AMissingFileOtherThanTheGeneralRecord)
{
    QFile::remove(path(QStringLiteral("home_timeouts_")));
    EXPECT_EQ(refused(), QStringLiteral("home_timeouts_ABC1DEF2.dat is missing from ") + folder());
}

TEST_F(DamagedFolderTest, ADamagedUnsentFileMattersOnlyWhenItIsResent)
{
    write(path(QStringLiteral("events_notsend_")), QByteArray(700, 0));
    EXPECT_TRUE(refused(TLoadOptions{.Online = true})
                    .startsWith(QStringLiteral("events_notsend_ABC1DEF2.dat: 700 bytes")));
    EXPECT_TRUE(load(folder(), TLoadOptions{.Online = true, .ResendAll = true}));
    EXPECT_TRUE(load(folder(), TLoadOptions{}));
}

TEST_F(DamagedFolderTest, AForeignOrTornJournalIsIgnored)
{
    const QMap<QString, QByteArray> files = gameFiles(folder());
    const QString journal = QDir(folder()).filePath(QString::fromLatin1(TSaveJournal::FileName));
    for (const QByteArray &junk :
         {QByteArray("PQXJ"), QByteArray(5000, 'j'), QByteArray("PQXJ") + QByteArray(40, 0)}) {
        write(journal, junk);
        auto loaded = load(folder());
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->AllEvents.Count(), 13);
        EXPECT_EQ(gameFiles(folder()), files);
    }
}

} // namespace
