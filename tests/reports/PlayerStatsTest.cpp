#include "XlsxReader.h"

#include "reports/playerstats/TJatekosKimutatasExport.h"
#include "reports/playerstats/TJatekosKimutatasLogic.h"
#include "reports/playerstats/TqrJatekosKimutatas.h"

#include "model/game/TTeamData.h"
#include "model/output/TNameOrder.h"
#include "model/services/Services.h"
#include "savegame/TGameFolder.h"
#include "savegame/TSaveJournal.h"
#include "support/TestHome.h"

#include <QDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TPlayer record(const QString &name, int team, int id, int jersey = 7)
{
    TPlayer p;
    p.JatekosNev = name;
    p.LigaID = 1;
    p.CsapatID = team;
    p.JatekosID = id;
    p.JatekosMezSzam = jersey;
    return p;
}

TPlayer scorer(const QString &name, int team, int id, int closeMade, int jersey = 7, bool starter = false)
{
    TPlayer p = record(name, team, id, jersey);
    p.CloseMade = closeMade;
    p.Points = 2 * closeMade;
    p.PlayingTime = 10;
    p.Starter = starter ? 1 : 0;
    return p;
}

class PlayerStats : public ::testing::Test
{
protected:
    // A saved game folder: its two team files, each led by its team record,
    // and no timeouts or events yet.
    QString game(const QString &folder, const QString &code, const QList<TPlayer> &homePlayers,
                 const QList<TPlayer> &awayPlayers = {})
    {
        QDir().mkpath(home.file(QStringLiteral("Save/") + folder));
        const std::pair<const char *, QList<TPlayer>> files[] = {
            {"hazai_", QList<TPlayer>{record(QStringLiteral("Home Team"), 1, 0)} + homePlayers},
            {"vendeg_", QList<TPlayer>{record(QStringLiteral("Away Team"), 2, 0)} + awayPlayers}};
        for (const auto &[prefix, records] : files) {
            QByteArray bytes;
            for (const TPlayer &p : records)
                bytes += p.ToRecord();
            home.write(QStringLiteral("Save/%1/%2%3.dat").arg(folder, QLatin1String(prefix), code), bytes);
        }
        withoutEvents(folder, code);
        return home.file(QStringLiteral("Save/") + folder);
    }
    void withoutEvents(const QString &folder, const QString &code)
    {
        for (const QString &file : {TGameFolder::HomeTimeoutsFile(code), TGameFolder::AwayTimeoutsFile(code),
                                    TGameFolder::EventsFile(code)})
            home.write(QStringLiteral("Save/%1/%2").arg(folder, file), QByteArray());
    }
    TGameLine ticked(const QString &folder)
    {
        TGameLine line = TJatekosKimutatasLogic::LineOf(folder, {});
        line.Ticked = true;
        return line;
    }
    const TPlayer *row(const TJatekosKimutatasLogic &logic, const QString &key)
    {
        for (const TJatekosKimutatasLogic::TRow &r : logic.Rows())
            if (r.Key == key)
                return new TPlayer(r.Record);
        ADD_FAILURE() << "no row " << key.toStdString();
        return nullptr;
    }
    TestHome home;
};

TEST_F(PlayerStats, APlayerOfThreeGamesHasOneRowWithTheSumAndHisFirstGamesData)
{
    const QString a =
        game(QStringLiteral("g1"), QStringLiteral("C1"), {scorer(QStringLiteral("Kiss"), 1, 5, 5, 4, true)});
    const QString b =
        game(QStringLiteral("g2"), QStringLiteral("C2"), {scorer(QStringLiteral("Kiss"), 1, 5, 6, 9, false)});
    const QString c = game(QStringLiteral("g3"), QStringLiteral("C3"),
                           {scorer(QStringLiteral("Kiss"), 1, 5, 0, 11, false)});
    TJatekosKimutatasLogic logic;
    QString error;
    ASSERT_TRUE(logic.Collect({ticked(a), ticked(b), ticked(c)}, &error)) << error.toStdString();
    const std::unique_ptr<const TPlayer> kiss(row(logic, QStringLiteral("Kiss1-1-5")));
    ASSERT_TRUE(kiss);
    EXPECT_EQ(kiss->Points, 22);
    EXPECT_EQ(kiss->CloseMade, 11);
    EXPECT_EQ(kiss->PlayingTime, 30);
    EXPECT_EQ(kiss->JatekosMezSzam, 4) << "the jersey of the first game read";
    EXPECT_EQ(kiss->Starter, 1);
    // Kiss and the two team records.
    EXPECT_EQ(logic.Count(), 3);
}

TEST_F(PlayerStats, KeysSeparateTeamsAndLeaguesAndIgnoreCase)
{
    TPlayer otherLeague = scorer(QStringLiteral("Kiss"), 1, 5, 1);
    otherLeague.LigaID = 2;
    const QString a = game(QStringLiteral("g1"), QStringLiteral("C1"),
                           {scorer(QStringLiteral("Kiss"), 1, 5, 1), scorer(QStringLiteral("Kiss"), 3, 5, 2),
                            otherLeague, scorer(QStringLiteral("KISS"), 1, 5, 4)});
    TJatekosKimutatasLogic logic;
    QString error;
    ASSERT_TRUE(logic.Collect({ticked(a)}, &error));
    QStringList keys;
    for (const TJatekosKimutatasLogic::TRow &r : logic.Rows())
        keys.append(r.Key);
    // Name order, case-insensitive; "KISS" joins "Kiss" of the same team.
    EXPECT_EQ(keys, (QStringList{"Away Team1-2-0", "Home Team1-1-0", "Kiss1-1-5", "Kiss1-3-5", "Kiss2-1-5"}));
    const std::unique_ptr<const TPlayer> kiss(row(logic, QStringLiteral("Kiss1-1-5")));
    EXPECT_EQ(kiss->CloseMade, 5);
    EXPECT_EQ(kiss->JatekosNev, "Kiss");
}

// A team's own row is named by its team: the record itself reads "Csapat"
// (or nothing) for either side, and a wizard's game leaves its team 0.
// The printed order follows the edition's alphabet: KÁDÁR before KOVÁCS,
// and in Hungarian CZ before CS.
TEST_F(PlayerStats, RowsArePrintedInTheAlphabetOfTheEditionsLanguage)
{
    const QString a =
        game(QStringLiteral("g1"), QStringLiteral("C1"),
             {scorer(QStringLiteral("KOVÁCS Ödön"), 1, 5, 1), scorer(QStringLiteral("KÁDÁR Béla"), 1, 6, 1),
              scorer(QStringLiteral("CSONKA Pál"), 1, 7, 1), scorer(QStringLiteral("CZAKÓ Ede"), 1, 8, 1)});
    TJatekosKimutatasLogic logic;
    QString error;
    ASSERT_TRUE(logic.Collect({ticked(a)}, &error));
    const struct
    {
        TEdition Edition;
        QList<int> Ids;
    } cases[] = {{TEdition::Hungarian, {8, 7, 6, 5}}, {TEdition::English, {7, 8, 6, 5}}};
    for (const auto &c : cases) {
        QList<int> ids;
        for (const TJatekosKimutatasLogic::TRow &r : logic.Rows(TNameOrder(c.Edition)))
            if (r.Record.JatekosID > 0)
                ids.append(r.Record.JatekosID);
        EXPECT_EQ(ids, c.Ids) << TSettings::EditionId(c.Edition).toStdString();
    }
}

TEST_F(PlayerStats, ATeamsRowIsNamedByItsTeam)
{
    const auto teamGame = [&](const QString &folder, const QString &code, int homePoints) {
        TPlayer homeLine = record(QStringLiteral("Csapat"), 0, 0);
        homeLine.Points = homePoints;
        TPlayer awayLine = record(QStringLiteral("Csapat"), 0, 0);
        awayLine.Points = 3;
        QDir().mkpath(home.file(QStringLiteral("Save/") + folder));
        home.write(QStringLiteral("Save/%1/hazai_%2.dat").arg(folder, code),
                   homeLine.ToRecord() + scorer(QStringLiteral("Kiss"), 1, 5, 1).ToRecord());
        home.write(QStringLiteral("Save/%1/vendeg_%2.dat").arg(folder, code), awayLine.ToRecord());
        QByteArray general(3700, '\0');
        for (const auto &[offset, name, id] : {std::tuple{TTeamData::GeneralHomeOffset, "Medvék", 1},
                                               std::tuple{TTeamData::GeneralAwayOffset, "Sasok", 2}}) {
            TTeamData team;
            team.LigaID = 1;
            team.CsapatID = id;
            team.EgyesuletNev = QString::fromUtf8(name);
            general.replace(offset, TTeamData::BlockSize, team.ToBlock());
        }
        home.write(QStringLiteral("Save/%1/general_%2.dat").arg(folder, code), general);
        withoutEvents(folder, code);
        return home.file(QStringLiteral("Save/") + folder);
    };
    const QString a = teamGame(QStringLiteral("g1"), QStringLiteral("C1"), 10);
    const QString b = teamGame(QStringLiteral("g2"), QStringLiteral("C2"), 20);
    TJatekosKimutatasLogic logic;
    QString error;
    ASSERT_TRUE(logic.Collect({ticked(a), ticked(b)}, &error)) << error.toStdString();
    QStringList names;
    for (const TJatekosKimutatasLogic::TRow &r : logic.Rows())
        names.append(r.Record.JatekosNev);
    EXPECT_EQ(names, (QStringList{"Kiss", QString::fromUtf8("Medvék"), "Sasok"}));
    const std::unique_ptr<const TPlayer> bears(row(logic, QString::fromUtf8("Medvék1-1-0")));
    ASSERT_TRUE(bears);
    EXPECT_EQ(bears->Points, 30);
    const std::unique_ptr<const TPlayer> eagles(row(logic, QStringLiteral("Sasok1-2-0")));
    ASSERT_TRUE(eagles);
    EXPECT_EQ(eagles->Points, 6);
}

TEST_F(PlayerStats, EveryCounterIsSummedAndTheRestKept)
{
    TPlayer p = record(QStringLiteral("A"), 1, 1);
    qint32 TPlayer::*const summed[] = {
        &TPlayer::Points,         &TPlayer::MissedPoints,     &TPlayer::CloseMade,      &TPlayer::CloseMissed,
        &TPlayer::MidMade,        &TPlayer::MidMissed,        &TPlayer::ThreeMade,      &TPlayer::ThreeMissed,
        &TPlayer::FreeThrowsMade, &TPlayer::FreeThrowsMissed, &TPlayer::DefRebounds,    &TPlayer::OffRebounds,
        &TPlayer::Steals,         &TPlayer::Turnovers,        &TPlayer::PersonalFouls,  &TPlayer::FoulsDrawn,
        &TPlayer::Assists,        &TPlayer::Blocks,           &TPlayer::BlocksReceived, &TPlayer::Rating,
        &TPlayer::PlayingTime,    &TPlayer::DunksMade,        &TPlayer::TechnicalFouls};
    int n = 1;
    for (qint32 TPlayer::*field : summed)
        p.*field = n++;
    p.PendingTime = 5;
    p.DunksMissed = 6;
    TPlayer sum = p;
    TJatekosKimutatasLogic::Accumulate(sum, p);
    n = 1;
    for (qint32 TPlayer::*field : summed)
        EXPECT_EQ(sum.*field, 2 * n++);
    EXPECT_EQ(sum.PendingTime, 5);
    EXPECT_EQ(sum.DunksMissed, 6);
    EXPECT_EQ(sum.JatekosMezSzam, 7);
}

TEST_F(PlayerStats, ListingTakesFoldersWithAHomeFileAndNamesScheduledGames)
{
    game(QStringLiteral("planned"), QStringLiteral("P1"), {});
    game(QStringLiteral("unplanned"), QStringLiteral("U1"), {});
    game(QStringLiteral("nohome"), QStringLiteral("N1"), {});
    QFile::remove(home.file(QStringLiteral("Save/nohome/hazai_N1.dat")));
    game(QStringLiteral("awayless"), QStringLiteral("A1"), {});
    home.write(QStringLiteral("Save/loose.dat"), "x");
    game(QStringLiteral("stray"), QStringLiteral("S1"), {});
    QFile::rename(home.file(QStringLiteral("Save/stray/hazai_S1.dat")),
                  home.file(QStringLiteral("Save/stray/hazaiS1.dat")));
    const TScheduleLookup lookup = [](const QString &code) {
        if (code == QLatin1String("P1"))
            return TScheduledGame{true, QStringLiteral("Home FC"), QStringLiteral("Away FC")};
        if (code == QLatin1String("A1"))
            return TScheduledGame{true, QStringLiteral("Home FC"), QString()};
        return TScheduledGame{};
    };
    QMap<QString, TGameLine> lines;
    for (const TGameLine &l : TJatekosKimutatasLogic::ListGames(home.file(QStringLiteral("Save")), lookup))
        lines.insert(l.FolderName, l);
    EXPECT_EQ(lines.keys(), (QStringList{"awayless", "planned", "unplanned"}));
    EXPECT_EQ(lines["planned"].Teams, "Home FC - Away FC");
    EXPECT_EQ(lines["planned"].ListedCode, "P1");
    EXPECT_EQ(lines["awayless"].Teams, "Home FC - ");
    EXPECT_EQ(lines["unplanned"].Teams, "");
    EXPECT_EQ(lines["unplanned"].ListedCode, "");
    EXPECT_EQ(lines["unplanned"].Code, "U1") << "still collectable from its file name";
    EXPECT_FALSE(lines["planned"].Ticked);

    TGameLine unplanned = lines["unplanned"];
    unplanned.Ticked = true;
    TJatekosKimutatasLogic logic;
    QString error;
    EXPECT_TRUE(logic.Collect({lines["planned"], unplanned}, &error));
    EXPECT_EQ(logic.Count(), 2) << "the two team records of the ticked game";
}

TEST_F(PlayerStats, AnUnreadableGameStopsTheCollectionAndKeepsTheEarlierSums)
{
    const QString good =
        game(QStringLiteral("g1"), QStringLiteral("C1"), {scorer(QStringLiteral("Kiss"), 1, 5, 5)});
    TJatekosKimutatasLogic logic;
    QString error;
    ASSERT_TRUE(logic.Collect({ticked(good)}, &error));

    const QString cut =
        game(QStringLiteral("cut"), QStringLiteral("C2"), {scorer(QStringLiteral("Kiss"), 1, 5, 5)});
    QByteArray bytes = home.read(QStringLiteral("Save/cut/vendeg_C2.dat"));
    home.write(QStringLiteral("Save/cut/vendeg_C2.dat"), bytes.left(bytes.size() - 1));
    const QString gone =
        game(QStringLiteral("gone"), QStringLiteral("C3"), {scorer(QStringLiteral("Kiss"), 1, 5, 5)});
    const TGameLine cutLine = ticked(cut), goneLine = ticked(gone);
    QFile::remove(home.file(QStringLiteral("Save/gone/vendeg_C3.dat")));

    const struct
    {
        TGameLine Line;
        const char *File;
    } cases[] = {{cutLine, "vendeg_C2.dat"}, {goneLine, "vendeg_C3.dat"}};
    for (const auto &c : cases) {
        EXPECT_FALSE(logic.Collect({ticked(good), c.Line}, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.File))) << error.toStdString();
        const std::unique_ptr<const TPlayer> kiss(row(logic, QStringLiteral("Kiss1-1-5")));
        EXPECT_EQ(kiss->Points, 10) << "nothing of the failed collection is kept";
    }
}

TEST_F(PlayerStats, NothingTickedCollectsNothing)
{
    const QString a =
        game(QStringLiteral("g1"), QStringLiteral("C1"), {scorer(QStringLiteral("Kiss"), 1, 5, 5)});
    TJatekosKimutatasLogic logic;
    QString error = QStringLiteral("stale");
    EXPECT_FALSE(logic.Collect({TJatekosKimutatasLogic::LineOf(a, {})}, &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(logic.Count(), 0);
}

// A save cut short leaves its record pending in the journal; a load applies
// it, and so do the statistics.
TEST_F(PlayerStats, AnUnfinishedSaveInTheJournalIsCountedAsTheLoaderCountsIt)
{
    const TPlayer before = scorer(QStringLiteral("Kiss"), 1, 5, 5);
    const TPlayer after = scorer(QStringLiteral("Kiss"), 1, 5, 7);
    const TPlayer joined = scorer(QStringLiteral("Nagy"), 1, 6, 2);
    const quint32 size = 2 * TPlayer::RecordSize;
    const struct
    {
        const char *Name;
        TJournalPatch Patch;
        int KissPoints, NagyPoints;
    } cases[] = {
        {"a record rewritten",
         {QStringLiteral("hazai_C1.dat"), size, size, quint32(TPlayer::RecordSize), after.ToRecord()},
         14,
         -1},
        {"a player added",
         {QStringLiteral("hazai_C1.dat"), size, size + TPlayer::RecordSize, size, joined.ToRecord()},
         10,
         4},
    };
    for (const auto &c : cases) {
        const QString folder = game(QString::fromLatin1(c.Name), QStringLiteral("C1"), {before});
        home.write(
            QStringLiteral("Save/%1/%2").arg(QLatin1String(c.Name), QLatin1String(TSaveJournal::FileName)),
            TSaveJournal::Encode(1, {c.Patch}));
        TJatekosKimutatasLogic logic;
        QString error;
        ASSERT_TRUE(logic.Collect({ticked(folder)}, &error)) << c.Name << ": " << error.toStdString();
        QMap<QString, int> points;
        for (const TJatekosKimutatasLogic::TRow &r : logic.Rows())
            points.insert(r.Key, r.Record.Points);
        EXPECT_EQ(points.value(QStringLiteral("Kiss1-1-5"), -1), c.KissPoints) << c.Name;
        EXPECT_EQ(points.value(QStringLiteral("Nagy1-1-6"), -1), c.NagyPoints) << c.Name;
    }
}

// A journal record that cannot belong to the files stops the load, and the sum.
TEST_F(PlayerStats, AnUnfinishedSaveThatDoesNotFitTheFilesStopsTheCollection)
{
    const QString folder =
        game(QStringLiteral("g1"), QStringLiteral("C1"), {scorer(QStringLiteral("Kiss"), 1, 5, 5)});
    const quint32 tooLong = 5 * TPlayer::RecordSize;
    home.write(QStringLiteral("Save/g1/") + QLatin1String(TSaveJournal::FileName),
               TSaveJournal::Encode(
                   1, {{QStringLiteral("hazai_C1.dat"), tooLong, tooLong, tooLong - 4, QByteArray(4, 'x')}}));
    TJatekosKimutatasLogic logic;
    QString error;
    EXPECT_FALSE(logic.Collect({ticked(folder)}, &error));
    EXPECT_TRUE(error.contains(QLatin1String("hazai_C1.dat"))) << error.toStdString();
    EXPECT_EQ(logic.Count(), 0);
}

TEST(PlayerStatsReport, PercentagesRoundHalvesAwayFromZero)
{
    const struct
    {
        int Made, Attempts, Percent;
    } cases[] = {{2, 3, 67}, {1, 3, 33}, {1, 8, 13}, {3, 8, 38},
                 {1, 2, 50}, {0, 0, 0},  {3, 0, 0},  {5, 5, 100}};
    for (const auto &c : cases)
        EXPECT_EQ(TqrJatekosKimutatas::Percent(c.Made, c.Attempts), c.Percent) << c.Made << "/" << c.Attempts;
}

TEST(PlayerStatsReport, LinesShowTheRowsWithTimeAsMinutesAndSeconds)
{
    TPlayer p = record(QStringLiteral("Kiss"), 1, 5, 4);
    p.CloseMade = 2;
    p.CloseMissed = 1;
    p.Points = 4;
    p.PlayingTime = 402;
    p.DefRebounds = 3;
    p.OffRebounds = 2;
    p.Rating = -2;
    TIdentityTranslator translator;
    const TReportDocument doc = TqrJatekosKimutatas({{QStringLiteral("Kiss1-1-5"), p}}, translator).Build();
    EXPECT_TRUE(doc.Landscape);
    const QList<const TReportLine *> lines = doc.Lines(QStringLiteral("DetailBand1"));
    ASSERT_EQ(lines.size(), 1);
    QMap<QString, QString> cells;
    for (const TReportCell &c : lines.first()->Cells) {
        cells.insert(c.Name, c.Text);
        EXPECT_EQ(c.Font, "Arial");
    }
    const std::pair<const char *, const char *> expected[] = {
        {"Mez", "4"},       {"Jatekos", "Kiss"}, {"Pont", "4"},     {"KozeliM", "2"}, {"KozeliA", "3"},
        {"KozeliSz", "67"}, {"BuntetoSz", "0"},  {"OsszesA", "3"},  {"VL", "3"},      {"TL", "2"},
        {"OL", "5"},        {"IBM", "-2"},       {"Perc", "100:30"}};
    for (const auto &[name, text] : expected)
        EXPECT_EQ(cells.value(QLatin1String(name)), QLatin1String(text)) << name;
    EXPECT_EQ(cells.size(), 30);
}

TEST(PlayerStatsReport, EveryPageCarriesTheHeadingsAndTheFooter)
{
    QList<TJatekosKimutatasLogic::TRow> rows;
    for (int i = 0; i < 90; ++i)
        rows.append({QString::number(i), record(QStringLiteral("P%1").arg(i), 1, i)});
    TIdentityTranslator translator;
    const TReportDocument doc = TqrJatekosKimutatas(rows, translator).Build();
    ASSERT_GE(doc.Pages.size(), 2);
    int lines = 0;
    for (const TReportPage &page : doc.Pages) {
        ASSERT_EQ(page.Bands.size(), 3);
        EXPECT_EQ(page.Bands[0].Name, "PageHeaderBand1");
        EXPECT_EQ(page.Bands[2].Name, "PageFooterBand1");
        for (const TReportLine &line : page.Bands[1].Lines) {
            EXPECT_LE(line.Cells.first().Place.bottom(), doc.ContentHeight() - 6 + 1e-9);
            ++lines;
        }
    }
    EXPECT_EQ(lines, 90);
    EXPECT_EQ(doc.Lines(QStringLiteral("DetailBand1")).last()->Cells[1].Text, "P89");
}

TEST(PlayerStatsExport, RowsFromFiveWithSharesAsFloatsAndZeroWithoutAttempts)
{
    TestHome home;
    TPlayer kiss = record(QStringLiteral("Kiss"), 1, 5, 4);
    kiss.Starter = 1;
    kiss.CloseMade = 2;
    kiss.CloseMissed = 1;
    kiss.MidMade = 1;
    kiss.ThreeMade = 1;
    kiss.FreeThrowsMade = 0;
    kiss.Points = 99; // the export computes its own points
    kiss.PlayingTime = 37;
    kiss.TechnicalFouls = 1;
    kiss.DunksMade = 2;
    kiss.Rating = 12;
    TPlayer bench = record(QStringLiteral("Nagy"), 1, 6, 8);
    bench.FreeThrowsMade = 1;
    bench.FreeThrowsMissed = 2;
    const QString file = home.file(QStringLiteral("players.xlsx"));
    QString error;
    ASSERT_TRUE(TJatekosKimutatasExport::Run({{"k", kiss}, {"n", bench}},
                                             QDir(sourceFolder()).filePath(QStringLiteral("home/Template")),
                                             file, &error))
        << error.toStdString();
    XlsxBook book;
    ASSERT_TRUE(book.Open(file, &error)) << error.toStdString();
    EXPECT_EQ(book.Cell("B5").Text, "Kiss");
    EXPECT_TRUE(book.Cell("B5").Bold);
    EXPECT_FALSE(book.Cell("B6").Bold);
    const std::pair<const char *, double> kissCells[] = {
        {"A5", 4},   {"C5", 9}, {"D5", 37}, {"E5", 2},  {"F5", 3},  {"H5", 1},  {"I5", 1},
        {"J5", 100}, {"K5", 1}, {"L5", 1},  {"N5", 4},  {"O5", 5},  {"P5", 80}, {"Q5", 0},
        {"R5", 0},   {"S5", 0}, {"AD5", 1}, {"AE5", 2}, {"AF5", 12}};
    for (const auto &[name, value] : kissCells) {
        EXPECT_TRUE(book.Cell(QLatin1String(name)).IsNumber) << name;
        EXPECT_DOUBLE_EQ(book.Cell(QLatin1String(name)).Number, value) << name;
    }
    EXPECT_DOUBLE_EQ(book.Cell("G5").Number, 200.0 / 3);
    EXPECT_DOUBLE_EQ(book.Cell("S6").Number, 100.0 / 3);
    EXPECT_EQ(book.Cell("A4").Text, "No") << "the template's headings stay";
    EXPECT_FALSE(book.Cells.contains(QStringLiteral("A7")));
}

TEST_F(PlayerStats, DamagedTickedGamesAreNamedByTheirGameBeforeTheyAreSummed)
{
    game(QStringLiteral("planned"), QStringLiteral("P1"), {});
    game(QStringLiteral("unplanned"), QStringLiteral("U1"), {});
    game(QStringLiteral("whole"), QStringLiteral("W1"), {});
    const TScheduleLookup lookup = [](const QString &code) {
        return code == QLatin1String("P1")
                   ? TScheduledGame{true, QStringLiteral("Home FC"), QStringLiteral("Away FC")}
                   : TScheduledGame{};
    };
    QStringList checked;
    const TFolderCheck check = [&](const QString &folder, const QString &code) {
        checked << code;
        return folder.endsWith(QLatin1String("whole")) ? QString() : code + QStringLiteral(" differs");
    };
    QList<TGameLine> lines =
        TJatekosKimutatasLogic::ListGames(home.file(QStringLiteral("Save")), lookup, check);
    ASSERT_EQ(lines.size(), 3);
    checked.sort();
    EXPECT_EQ(checked, (QStringList{"P1", "U1", "W1"}));
    EXPECT_TRUE(TJatekosKimutatasLogic::Damaged(lines).isEmpty()) << "nothing ticked";
    for (TGameLine &line : lines)
        line.Ticked = line.FolderName != QLatin1String("unplanned");
    EXPECT_EQ(TJatekosKimutatasLogic::Damaged(lines), QStringList{"Home FC - Away FC: P1 differs"});
    for (TGameLine &line : lines)
        line.Ticked = true;
    QStringList damaged = TJatekosKimutatasLogic::Damaged(lines);
    damaged.sort();
    EXPECT_EQ(damaged, (QStringList{"Home FC - Away FC: P1 differs", "unplanned: U1 differs"}));
}

} // namespace
