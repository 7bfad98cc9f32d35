#include "masterdata/TdmMain.h"
#include "masterdata/TPlayerDirectory.h"
#include "masterdata/TSchema.h"
#include "support/TestHome.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

class DataModule : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString(); }

    int count(const char *table) { return dm.RowCount(QString::fromLatin1(table)); }

    // A whole table as text, to compare before and after.
    QString dump(const QString &table)
    {
        QList<QVariantMap> rows;
        EXPECT_TRUE(dm.Query(QStringLiteral("select * from \"%1\" order by rowid").arg(table), {}, &rows));
        QString text;
        for (const QVariantMap &row : rows) {
            for (auto it = row.begin(); it != row.end(); ++it)
                text += it.key() + QLatin1Char('=') + it.value().toString() + QLatin1Char(';');
            text += QLatin1Char('\n');
        }
        return text;
    }

    int addTeam(const QString &webId, const QString &name)
    {
        return dm.UpsertTeam(
            {.WebID = webId, .EgyesuletNev = name, .EgyesuletRovidNev = QStringLiteral("ABC")});
    }

    int addGame(const QString &code, int home, int away, const QString &date)
    {
        return dm.UpsertGame({.LigaID = 1,
                              .HazaiCsapatID = home,
                              .VendegCsapatID = away,
                              .Datum = date,
                              .Nap = QStringLiteral("kedd"),
                              .Ora = QStringLiteral("18:00"),
                              .MerkozesKod = code});
    }

    TestHome home;
    TdmMain dm{TdmMain::DatabaseFile(home.path())};
};

} // namespace

TEST_F(DataModule, FreshDatabaseGetsEveryTableAndAnEmptyPristineCopy)
{
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("Datastore/parquetix.db"))));
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("Datastore/Original/parquetix.db"))));
    for (const TSchema::TTable &t : TSchema::Tables())
        EXPECT_EQ(dm.RowCount(t.name), 0) << t.name.toStdString();
    QList<QVariantMap> rows;
    ASSERT_TRUE(dm.Query(QStringLiteral("PRAGMA user_version"), {}, &rows));
    EXPECT_EQ(rows.first().first().toInt(), TSchema::CurrentVersion);
}

TEST_F(DataModule, ReopeningKeepsTheRows)
{
    const int id = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("First league"));
    dm.CloseAll();
    ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
    EXPECT_EQ(dm.LeagueWebId(id), QStringLiteral("L1"));
}

TEST_F(DataModule, DatabaseOfANewerProgramIsRefusedAndLeftAlone)
{
    dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("First league"));
    ASSERT_TRUE(dm.Query(QStringLiteral("PRAGMA user_version = 99"), {}));
    dm.CloseAll();
    EXPECT_FALSE(dm.OpenAll());
    EXPECT_TRUE(dm.LastError().contains(QStringLiteral("99"))) << dm.LastError().toStdString();
    EXPECT_FALSE(dm.IsOpen());

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
    db.setDatabaseName(dm.DatabasePath());
    ASSERT_TRUE(db.open());
    {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("select count(*) from League")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), 1);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
}

TEST_F(DataModule, UpsertWithAKnownWebIdEditsThatRowAndKeepsItsId)
{
    const int first = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("Old name"));
    const int other = dm.UpsertLeague(QStringLiteral("L2"), QStringLiteral("Other"));
    ASSERT_GT(first, 0);
    EXPECT_NE(first, other);
    EXPECT_EQ(dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("New name")), first);
    EXPECT_EQ(count("League"), 2);
    dm.SetOrder(TdmMain::TDataset::tblLiga, QStringLiteral("LigaID"));
    EXPECT_EQ(dm.Leagues().first().LigaNev, QStringLiteral("New name"));
}

TEST_F(DataModule, RepeatedUpsertsChangeNothing)
{
    auto all = [&] {
        const int liga = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League"));
        const int team = dm.UpsertTeam({.WebID = QStringLiteral("T1"),
                                        .EgyesuletNev = QStringLiteral("Team"),
                                        .EgyesuletRovidNev = QStringLiteral("TEA"),
                                        .EgyesuletSzin = QStringLiteral("red"),
                                        .EgyesuletCim = QStringLiteral("Street 1"),
                                        .EgyesuletTel = QStringLiteral("123"),
                                        .EgyesuletCsarnok = QStringLiteral("Hall"),
                                        .EgyesuletCsarnokTelefon = QStringLiteral("456"),
                                        .EgyesuletCsarnokFerohely = 800,
                                        .EgyesuletElnokNev = QStringLiteral("Pres"),
                                        .EgyesuletTechNev = QStringLiteral("Tech"),
                                        .EgyesuletEredetiNev = QStringLiteral("Native")});
        const int player = dm.UpsertPlayer({.WebID = QStringLiteral("P1"),
                                            .JatekosNev = QStringLiteral("KOVACS Janos"),
                                            .JatekosRovidNev = QStringLiteral("KOVACS J."),
                                            .Szuletes = QStringLiteral("19990101"),
                                            .JatekosTestMagassag = 190,
                                            .JatekosSuly = 85,
                                            .JatekosPoszt = QStringLiteral("G"),
                                            .JatekosMezSzam = 7,
                                            .JatekosOrszagID = QStringLiteral("HUN"),
                                            .JatekosEredetiNev = QStringLiteral("Kovács")});
        EXPECT_TRUE(dm.UpsertLeagueTeam(liga, team, QStringLiteral("L1"), QStringLiteral("T1")));
        EXPECT_TRUE(dm.UpsertTeamPlayer(liga, team, player, QStringLiteral("L1"), QStringLiteral("T1"),
                                        QStringLiteral("P1")));
        EXPECT_TRUE(dm.UpsertGame({.LigaID = liga,
                                   .HazaiCsapatID = team,
                                   .VendegCsapatID = team,
                                   .LigaWebID = QStringLiteral("L1"),
                                   .HazaiCsapatWebID = QStringLiteral("T1"),
                                   .VendegCsapatWebID = QStringLiteral("T1"),
                                   .Datum = QStringLiteral("01.02.2030"),
                                   .Nap = QStringLiteral("kedd"),
                                   .Ora = QStringLiteral("18:00"),
                                   .MerkozesKod = QStringLiteral("ABC1DEF2"),
                                   .Biro1 = QStringLiteral("Ref A"),
                                   .Biro2 = QStringLiteral("Ref B")}));
        EXPECT_TRUE(dm.UpsertStaff(QStringLiteral("Coach"), QStringLiteral("E")));
    };
    all();
    const QMap<QString, TdmMain::TChanges> firstRound = dm.Changes();
    EXPECT_EQ(firstRound.value(QStringLiteral("Staff")).added, 3); // two referees and the coach
    EXPECT_EQ(firstRound.value(QStringLiteral("Game")).added, 1);
    QStringList before;
    for (const TSchema::TTable &t : TSchema::Tables())
        before << dump(t.name);

    dm.ResetChanges();
    all();
    EXPECT_TRUE(dm.Changes().isEmpty());
    QStringList after;
    for (const TSchema::TTable &t : TSchema::Tables())
        after << dump(t.name);
    EXPECT_EQ(before, after);
}

TEST_F(DataModule, UpsertTeamLeavesCoachAndAchievementsAlone)
{
    const int id = addTeam(QStringLiteral("T1"), QStringLiteral("Bears"));
    ASSERT_TRUE(dm.Query(QStringLiteral("update Team set EgyesuletEdzoNev = :c, EgyesuletGyozelmek = :g"),
                         {{QStringLiteral("c"), QStringLiteral("The Coach")},
                          {QStringLiteral("g"), QStringLiteral("Cup 2020")}}));
    dm.ResetChanges();
    EXPECT_EQ(dm.UpsertTeam({.WebID = QStringLiteral("T1"),
                             .EgyesuletNev = QStringLiteral("Bears II"),
                             .EgyesuletRovidNev = QStringLiteral("BE2")}),
              id);
    EXPECT_EQ(dm.Changes().value(QStringLiteral("Team")).changed, 1);
    const TTeamRow team = *dm.TeamById(id);
    EXPECT_EQ(team.EgyesuletNev, QStringLiteral("Bears II"));
    EXPECT_EQ(team.EgyesuletEdzoNev, QStringLiteral("The Coach"));
    EXPECT_EQ(team.EgyesuletGyozelmek, QStringLiteral("Cup 2020"));
}

TEST_F(DataModule, TextsAreCutToTheirColumnWidth)
{
    const QString longWebId = QStringLiteral("ABCDEFGHIJKLMNOP"); // 16 of 12
    const int id = dm.UpsertTeam({.WebID = longWebId,
                                  .EgyesuletNev = QString(70, QLatin1Char('n')),
                                  .EgyesuletRovidNev = QStringLiteral("LONG")});
    const TTeamRow team = *dm.TeamById(id);
    EXPECT_EQ(team.WebID, QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_EQ(team.EgyesuletNev.size(), 60);
    EXPECT_EQ(team.EgyesuletRovidNev, QStringLiteral("LON"));
    // Look-ups cut the same way, so the long identifier still finds its row.
    EXPECT_EQ(dm.TeamIdByWebId(longWebId), id);
    EXPECT_EQ(addTeam(longWebId, QStringLiteral("again")), id);
    EXPECT_EQ(count("Team"), 1);
}

TEST_F(DataModule, CuttingNeverSplitsASurrogatePair)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // one character, two UTF-16 units
    EXPECT_EQ(TSchema::CutTo(QStringLiteral("ab") + clef, 3), QStringLiteral("ab"));
    EXPECT_EQ(TSchema::CutTo(QStringLiteral("ab") + clef, 4), QStringLiteral("ab") + clef);
    EXPECT_FALSE(TSchema::CutTo(QString(), 5).isNull());
}

TEST_F(DataModule, PlayerRecordOfAnUnknownWebIdIsNotAvailable)
{
    dm.UpsertPlayer({.WebID = QStringLiteral("P1"),
                     .JatekosNev = QStringLiteral("KOVACS Janos"),
                     .JatekosRovidNev = QStringLiteral("KOVACS J."),
                     .Szuletes = QStringLiteral("19990101"),
                     .JatekosTestMagassag = 190,
                     .JatekosSuly = 85,
                     .JatekosPoszt = QStringLiteral("G"),
                     .JatekosMezSzam = 7,
                     .JatekosOrszagID = QStringLiteral("HUN")});
    QString error;
    const TPlayerRow missing = dm.PlayerRecordByWebId(QStringLiteral("P9"), &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(missing.WebID, QStringLiteral("P9"));
    EXPECT_EQ(missing.JatekosNev, QStringLiteral("N/A"));
    EXPECT_EQ(missing.JatekosRovidNev, QStringLiteral("N/A"));
    EXPECT_EQ(missing.JatekosMezSzam, 0);

    const TPlayerRow known = dm.PlayerRecordByWebId(QStringLiteral("P1"));
    EXPECT_EQ(known.JatekosNev, QStringLiteral("KOVACS Janos"));
    EXPECT_EQ(known.JatekosRovidNev, QStringLiteral("KOVACS J."));
    EXPECT_EQ(known.JatekosMezSzam, 7);
    EXPECT_EQ(known.JatekosTestMagassag, 0); // only the three columns are taken
}

TEST_F(DataModule, PlayerRecordReportsAStorageFailureUnderItsName)
{
    dm.CloseAll();
    QString error;
    const TPlayerRow record = dm.PlayerRecordByWebId(QStringLiteral("P1"), &error);
    EXPECT_EQ(record.JatekosNev, QStringLiteral("N/A"));
    EXPECT_TRUE(error.startsWith(QStringLiteral("GetJatekosDateFromWebID"))) << error.toStdString();
}

TEST_F(DataModule, LookUpsByWebIdAreEmptyOrZeroWhenAbsent)
{
    const int liga = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League"));
    const int team = dm.UpsertTeam({.WebID = QStringLiteral("T1"),
                                    .EgyesuletNev = QStringLiteral("Team"),
                                    .EgyesuletEredetiNev = QStringLiteral("Natív")});
    dm.UpsertPlayer({.WebID = QStringLiteral("P1"),
                     .JatekosNev = QStringLiteral("A B"),
                     .JatekosEredetiNev = QString::fromUtf8("\xd7\x90")});
    EXPECT_EQ(dm.TeamIdByWebId(QStringLiteral("T1")), team);
    EXPECT_EQ(dm.TeamIdByWebId(QStringLiteral("T2")), 0);
    EXPECT_EQ(dm.LeagueWebId(liga), QStringLiteral("L1"));
    EXPECT_EQ(dm.LeagueWebId(liga + 1), QString());
    EXPECT_EQ(dm.TeamNativeName(QStringLiteral("T1")), QStringLiteral("Natív"));
    EXPECT_EQ(dm.TeamNativeName(QStringLiteral("T2")), QString());
    EXPECT_EQ(dm.PlayerNativeName(QStringLiteral("P1")), QString::fromUtf8("\xd7\x90"));
    EXPECT_EQ(dm.PlayerNativeName(QStringLiteral("P2")), QString());
}

TEST_F(DataModule, GamesAddTheirRefereesAsStaffButNoBlankOne)
{
    addGame(QStringLiteral("G1"), 0, 0, QStringLiteral("01.01.2030"));
    EXPECT_EQ(count("Staff"), 0);
    ASSERT_TRUE(dm.UpsertGame({.LigaID = 1,
                               .MerkozesKod = QStringLiteral("G2"),
                               .Biro1 = QStringLiteral("Zoltan"),
                               .Biro2 = QStringLiteral("  "),
                               .Biro3 = QStringLiteral("Adam")}));
    dm.UpsertStaff(QStringLiteral("Bela"), QStringLiteral("B"));
    dm.UpsertStaff(QStringLiteral("Adam"), QStringLiteral("B")); // already there
    dm.UpsertStaff(QStringLiteral("Coach"), QStringLiteral("E"));
    EXPECT_EQ(dm.StaffNames(QStringLiteral("B")),
              (QStringList{QStringLiteral("Adam"), QStringLiteral("Bela"), QStringLiteral("Zoltan")}));
    EXPECT_EQ(dm.StaffNames(QStringLiteral("E")), QStringList{QStringLiteral("Coach")});
    EXPECT_TRUE(dm.StaffNames(QStringLiteral("H")).isEmpty());
}

TEST_F(DataModule, UpsertsSwitchTheOrderOfTheirDatasetToWebIdAndLeaveIt)
{
    EXPECT_EQ(dm.Order(TdmMain::TDataset::tblLiga), QStringLiteral("LigaNev"));
    dm.UpsertLeague(QStringLiteral("B"), QStringLiteral("Zeta"));
    dm.UpsertLeague(QStringLiteral("A"), QStringLiteral("Alpha"));
    dm.UpsertLeague(QStringLiteral("C"), QStringLiteral("Mu"));
    EXPECT_EQ(dm.Order(TdmMain::TDataset::tblLiga), QStringLiteral("WebID"));
    QStringList names;
    for (const TLeagueRow &l : dm.Leagues())
        names << l.LigaNev;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Zeta"), QStringLiteral("Mu")}));

    ASSERT_TRUE(dm.SetOrder(TdmMain::TDataset::tblLiga, QStringLiteral("LigaNev")));
    names.clear();
    for (const TLeagueRow &l : dm.Leagues())
        names << l.LigaNev;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Mu"), QStringLiteral("Zeta")}));

    EXPECT_FALSE(dm.SetOrder(TdmMain::TDataset::tblLiga, QStringLiteral("EgyesuletNev")));
    EXPECT_EQ(dm.Order(TdmMain::TDataset::tblLiga), QStringLiteral("LigaNev"));
}

TEST_F(DataModule, GameViewsCarryTheLookedUpNames)
{
    const int liga = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League One"));
    const int home = addTeam(QStringLiteral("T1"), QStringLiteral("Home"));
    const int away = addTeam(QStringLiteral("T2"), QStringLiteral("Away"));
    dm.UpsertGame({.LigaID = liga,
                   .HazaiCsapatID = home,
                   .VendegCsapatID = away,
                   .MerkozesKod = QStringLiteral("ZZZ")});
    dm.UpsertGame(
        {.LigaID = liga, .HazaiCsapatID = away, .VendegCsapatID = 999, .MerkozesKod = QStringLiteral("AAA")});

    const QList<TGameRow> byCode = dm.Games();
    ASSERT_EQ(byCode.size(), 2);
    EXPECT_EQ(byCode.at(0).MerkozesKod, QStringLiteral("AAA"));
    EXPECT_EQ(byCode.at(0).HazaiCsapatNev, QStringLiteral("Away"));
    EXPECT_EQ(byCode.at(0).VendegCsapatNev, QString()); // no team 999
    EXPECT_EQ(byCode.at(1).LigaNev, QStringLiteral("League One"));

    const QList<TGameRow> byId = dm.Schedule();
    ASSERT_EQ(byId.size(), 2);
    EXPECT_EQ(byId.at(0).MerkozesKod, QStringLiteral("ZZZ"));
    EXPECT_EQ(byId.at(0).HazaiCsapatNev, QStringLiteral("Home"));
    EXPECT_EQ(byId.at(0).VendegCsapatNev, QStringLiteral("Away"));

    ASSERT_TRUE(dm.GameByCode(QStringLiteral("AAA")).has_value());
    EXPECT_EQ(dm.GameByCode(QStringLiteral("AAA"))->HazaiCsapatID, away);
    EXPECT_FALSE(dm.GameByCode(QStringLiteral("BBB")).has_value());
}

TEST_F(DataModule, MyTeamPlaysShowsTheTeamsGamesFromTodayOnSoonestFirst)
{
    addGame(QStringLiteral("yesterday"), 5, 6, QStringLiteral("14.03.2030"));
    addGame(QStringLiteral("next-january"), 5, 7, QStringLiteral("02.01.2031")); // day and month smaller
    addGame(QStringLiteral("tomorrow-away"), 7, 5, QStringLiteral("16.03.2030"));
    addGame(QStringLiteral("today"), 5, 6, QStringLiteral("15.03.2030"));
    addGame(QStringLiteral("other-team"), 6, 7, QStringLiteral("16.03.2030"));
    addGame(QStringLiteral("last-december"), 5, 7, QStringLiteral("31.12.2029"));
    QStringList codes;
    for (const TGameRow &g : dm.MyTeamPlays(5, QDate(2030, 3, 15)))
        codes << g.MerkozesKod;
    EXPECT_EQ(codes, (QStringList{QStringLiteral("today"), QStringLiteral("tomorrow-away"),
                                  QStringLiteral("next-january")}));
}

TEST_F(DataModule, RosterHoldsOneTeamOfOneLeagueByPlayerId)
{
    dm.UpsertTeamPlayer(1, 1, 30, QStringLiteral("L1"), QStringLiteral("T1"), QStringLiteral("P30"));
    dm.UpsertTeamPlayer(1, 1, 10, QStringLiteral("L1"), QStringLiteral("T1"), QStringLiteral("P10"));
    dm.UpsertTeamPlayer(1, 2, 20, QStringLiteral("L1"), QStringLiteral("T2"), QStringLiteral("P20"));
    dm.UpsertTeamPlayer(2, 1, 40, QStringLiteral("L2"), QStringLiteral("T1"), QStringLiteral("P40"));
    const QList<TTeamPlayerRow> roster = dm.Roster(1, 1);
    ASSERT_EQ(roster.size(), 2);
    EXPECT_EQ(roster.at(0).JatekosID, 10);
    EXPECT_EQ(roster.at(1).JatekosWebID, QStringLiteral("P30"));
    EXPECT_EQ(dm.TeamPlayers().size(), 4);
}

TEST_F(DataModule, LanguagesComeInFileOrder)
{
    dm.UpsertLanguage(QStringLiteral("HUN"), QStringLiteral("Magyar"));
    dm.UpsertLanguage(QStringLiteral("ENG"), QStringLiteral("English"));
    dm.UpsertLanguage(QStringLiteral("HUN"), QStringLiteral("Magyar nyelv"));
    const QList<TLanguageRow> languages = dm.LoadLanguages();
    ASSERT_EQ(languages.size(), 2);
    EXPECT_EQ(languages.at(0).Language, QStringLiteral("HUN"));
    EXPECT_EQ(languages.at(0).Description, QStringLiteral("Magyar nyelv"));
    EXPECT_EQ(languages.at(1).Language, QStringLiteral("ENG"));
}

TEST_F(DataModule, StorageErrorsCarryTheStoragesMessage)
{
    EXPECT_TRUE(dm.InsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"), QStringLiteral("Hello")));
    EXPECT_FALSE(
        dm.InsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"), QStringLiteral("Hello")));
    EXPECT_TRUE(dm.LastError().contains(QStringLiteral("UNIQUE"), Qt::CaseInsensitive))
        << dm.LastError().toStdString();
    EXPECT_FALSE(dm.Query(QStringLiteral("select * from NoSuchTable"), {}));
    EXPECT_FALSE(dm.LastError().isEmpty());
    dm.CloseAll();
    EXPECT_EQ(dm.UpsertLeague(QStringLiteral("L"), QStringLiteral("N")), -1);
}

TEST_F(DataModule, EmptyDatabaseRestoresThePristineMasterDataAndKeepsTranslations)
{
    dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League"));
    addTeam(QStringLiteral("T1"), QStringLiteral("Team"));
    dm.UpsertPlayer({.WebID = QStringLiteral("P1"), .JatekosNev = QStringLiteral("A B")});
    dm.UpsertLeagueTeam(1, 1, QStringLiteral("L1"), QStringLiteral("T1"));
    dm.UpsertTeamPlayer(1, 1, 1, QStringLiteral("L1"), QStringLiteral("T1"), QStringLiteral("P1"));
    addGame(QStringLiteral("G1"), 1, 1, QStringLiteral("01.01.2030"));
    dm.UpsertStaff(QStringLiteral("Referee"), QStringLiteral("B"));
    dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("ENG"), QStringLiteral("Folytatja?"),
                         QStringLiteral("Continue?"));
    dm.UpsertLanguage(QStringLiteral("ENG"), QStringLiteral("English"));
    const QString translations = dump(QStringLiteral("translate"));

    ASSERT_TRUE(dm.EmptyDatabase()) << dm.LastError().toStdString();
    for (const QString &table : TSchema::MasterDataTables())
        EXPECT_EQ(dm.RowCount(table), 0) << table.toStdString();
    EXPECT_EQ(dump(QStringLiteral("translate")), translations);
    EXPECT_EQ(count("Language"), 1);
    // Identifiers start again where the pristine copy left them.
    EXPECT_EQ(dm.UpsertLeague(QStringLiteral("L2"), QStringLiteral("Next")), 1);
}

TEST_F(DataModule, EmptyDatabaseTakesThePristineRowsAsTheyAre)
{
    {
        TdmMain pristine(dm.OriginalFile(dm.DatabasePath()));
        ASSERT_TRUE(pristine.OpenAll());
        pristine.UpsertStaff(QStringLiteral("Shipped referee"), QStringLiteral("B"));
    }
    dm.UpsertStaff(QStringLiteral("Local referee"), QStringLiteral("B"));
    ASSERT_TRUE(dm.EmptyDatabase()) << dm.LastError().toStdString();
    EXPECT_EQ(dm.StaffNames(QStringLiteral("B")), QStringList{QStringLiteral("Shipped referee")});
}

TEST_F(DataModule, EmptyDatabaseWithoutItsPristineCopyChangesNothing)
{
    dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League"));
    ASSERT_TRUE(QFile::remove(dm.OriginalFile(dm.DatabasePath())));
    EXPECT_FALSE(dm.EmptyDatabase());
    EXPECT_TRUE(dm.LastError().contains(QStringLiteral("Original"))) << dm.LastError().toStdString();
    EXPECT_EQ(count("League"), 1);
}

TEST_F(DataModule, EmptyDatabaseLeavesEverythingWhenTheCopyCannotBeRead)
{
    dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("League"));
    const QString original = dm.OriginalFile(dm.DatabasePath());
    QFile::remove(original);
    QFile broken(original);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    EXPECT_FALSE(dm.EmptyDatabase());
    EXPECT_EQ(count("League"), 1);
    EXPECT_EQ(dm.UpsertLeague(QStringLiteral("L2"), QStringLiteral("Still works")), 2);
}

TEST_F(DataModule, PlayerDirectoryGivesTheFullNameOrNothing)
{
    dm.UpsertPlayer({.WebID = QStringLiteral("P1"),
                     .JatekosNev = QStringLiteral("KOVACS Janos"),
                     .JatekosRovidNev = QStringLiteral("KOVACS J."),
                     .JatekosMezSzam = 7});
    TPlayerDirectory directory(dm);
    EXPECT_EQ(directory.PlayerNameByWebId(QStringLiteral("P1")), QStringLiteral("KOVACS Janos"));
    EXPECT_EQ(directory.PlayerNameByWebId(QStringLiteral("P2")), QString());
    dm.CloseAll();
    EXPECT_EQ(directory.PlayerNameByWebId(QStringLiteral("P1")), QString());
}
