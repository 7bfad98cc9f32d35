#include "masterdata/TBundledData.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "model/game/TPlayer.h"
#include "model/services/Services.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Remembers the keys a piece of the model looks up.
class KeyCollector : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        keys << section + QLatin1Char('\t') + text;
        return text;
    }
    QStringList keys;
};

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QString dataFile(const char *name)
{
    return QDir(sourceFolder()).filePath(QStringLiteral("masterdata/data/") + QLatin1String(name));
}

TBundledData::TSources shippedSources()
{
    return {dataFile("languages.tsv"), dataFile("translations.tsv"), dataFile("sample-league.txt"),
            dataFile("sample-halls.tsv")};
}

QDate dayFromDatum(const QString &datum)
{
    return QDate::fromString(datum, QStringLiteral("dd.MM.yyyy"));
}

// The shipped database, written into a temporary home for a fixed day.
class ShippedData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        home = new TestHome;
        QString error;
        written = TBundledData::Write(home->file(s("Datastore")), shippedSources(), kToday, &counts, &error);
        writeError = error.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete home;
        home = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(written) << writeError;
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
    }

    static inline const QDate kToday{2030, 3, 15};
    static inline TestHome *home = nullptr;
    static inline bool written = false;
    static inline std::string writeError;
    static inline TBundledData::TCounts counts;
    TdmMain dm{TdmMain::DatabaseFile(home->path())};
};

} // namespace

TEST(BundledData, DateTokensCountDaysFromToday)
{
    const QDate friday(2030, 3, 15);
    EXPECT_EQ(TBundledData::ExpandDates(s("{date+0}|{weekday+0}"), friday), s("15.03.2030|péntek"));
    EXPECT_EQ(TBundledData::ExpandDates(s("{date+17}|{weekday+3}"), friday), s("01.04.2030|hétfő"));
    EXPECT_EQ(TBundledData::ExpandDates(s("{date+N} {day+1} {date-1}"), friday),
              s("{date+N} {day+1} {date-1}"));
    EXPECT_EQ(TBundledData::ExpandDates(s("{date+292}"), friday), s("01.01.2031"));
}

TEST(BundledData, MalformedTranslationFilesNameTheirLine)
{
    TestHome home;
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    int n = 0;
    QString error;

    home.write(s("no-header.tsv"), "# comment\nFORM\tText\tSzöveg\n");
    EXPECT_FALSE(TBundledData::LoadTranslations(dm, home.file(s("no-header.tsv")), &n, &error));
    EXPECT_TRUE(error.contains(s("no-header.tsv:2"))) << error.toStdString();

    home.write(s("too-many.tsv"), "StringType\tNonTranslatedString\tHUN\n\nFORM\tA\tB\nFORM\tA\tB\tC\n");
    EXPECT_FALSE(TBundledData::LoadTranslations(dm, home.file(s("too-many.tsv")), &n, &error));
    EXPECT_TRUE(error.contains(s("too-many.tsv:4"))) << error.toStdString();

    home.write(s("ok.tsv"), "# c\r\nStringType\tNonTranslatedString\tHUN\tENG\r\nFORM\tKey\t\tEnglish\r\n");
    ASSERT_TRUE(TBundledData::LoadTranslations(dm, home.file(s("ok.tsv")), &n, &error))
        << error.toStdString();
    EXPECT_EQ(n, 2);
    QString translated;
    bool found = false;
    dm.FindTranslation(s("FORM"), s("ENG"), s("Key"), &translated, &found);
    EXPECT_EQ(translated, s("English"));
    dm.FindTranslation(s("FORM"), s("HUN"), s("Key"), &translated, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(translated, QString());

    home.write(s("lang.tsv"), "HUN\tMagyar\nENG English\n");
    EXPECT_FALSE(TBundledData::LoadLanguages(dm, home.file(s("lang.tsv")), &n, &error));
    EXPECT_TRUE(error.contains(s("lang.tsv:2"))) << error.toStdString();
}

TEST_F(ShippedData, HasTheFiveLanguages)
{
    QStringList codes;
    for (const TLanguageRow &l : dm.LoadLanguages())
        codes << l.Language;
    EXPECT_EQ(codes, (QStringList{s("HUN"), s("ENG"), s("HEB"), s("ITA"), s("FRA")}));
    EXPECT_EQ(counts.languages, 5);
}

TEST_F(ShippedData, HasALeagueOfFourTeamsOfAtLeastFivePlayers)
{
    const QList<TLeagueRow> leagues = dm.Leagues();
    ASSERT_GE(leagues.size(), 1);
    const TLeagueRow league = leagues.first();
    EXPECT_FALSE(league.WebID.isEmpty());
    int teams = 0;
    for (const TLeagueTeamRow &lt : dm.LeagueTeams()) {
        if (lt.LigaID != league.LigaID)
            continue;
        ++teams;
        const std::optional<TTeamRow> team = dm.TeamById(lt.CsapatID);
        ASSERT_TRUE(team.has_value());
        EXPECT_FALSE(team->WebID.isEmpty());
        EXPECT_EQ(team->EgyesuletRovidNev.size(), 3);
        const QList<TTeamPlayerRow> roster = dm.Roster(league.LigaID, lt.CsapatID);
        EXPECT_GE(roster.size(), 5) << team->EgyesuletNev.toStdString();
        QSet<int> jerseys;
        for (const TTeamPlayerRow &r : roster) {
            const std::optional<TPlayerRow> player = dm.PlayerById(r.JatekosID);
            ASSERT_TRUE(player.has_value());
            EXPECT_FALSE(player->WebID.isEmpty());
            EXPECT_FALSE(jerseys.contains(player->JatekosMezSzam)) << player->JatekosNev.toStdString();
            jerseys.insert(player->JatekosMezSzam);
        }
    }
    EXPECT_GE(teams, 4);
}

TEST_F(ShippedData, TheScheduleStartsOnTheDayItIsWritten)
{
    const QList<TGameRow> games = dm.Schedule();
    ASSERT_GE(games.size(), 4);
    QDate first = dayFromDatum(games.first().Datum);
    for (const TGameRow &g : games) {
        const QDate day = dayFromDatum(g.Datum);
        ASSERT_TRUE(day.isValid()) << g.Datum.toStdString();
        EXPECT_GE(day, kToday);
        first = std::min(first, day);
        EXPECT_EQ(g.Nap, TBundledData::HungarianWeekday(day));
        EXPECT_FALSE(g.HazaiCsapatNev.isEmpty());
        EXPECT_FALSE(g.VendegCsapatNev.isEmpty());
        EXPECT_NE(g.HazaiCsapatID, g.VendegCsapatID);
        EXPECT_FALSE(g.Biro1.isEmpty());
    }
    EXPECT_EQ(first, kToday);
    // Every team has games still to come.
    for (const TTeamRow &t : dm.Teams())
        EXPECT_FALSE(dm.MyTeamPlays(t.CsapatID, kToday).isEmpty()) << t.EgyesuletNev.toStdString();
}

TEST_F(ShippedData, EveryTeamHasAHallOfTheStadiumList)
{
    const QStringList stadiums = dm.StaffNames(s("H"));
    for (const TTeamRow &team : dm.Teams()) {
        SCOPED_TRACE(team.EgyesuletNev.toStdString());
        EXPECT_TRUE(stadiums.contains(team.EgyesuletCsarnok)) << team.EgyesuletCsarnok.toStdString();
    }
}

TEST_F(ShippedData, HasStaffOfAllThreeTypes)
{
    for (const char *type : {"B", "E", "H"})
        EXPECT_GE(dm.StaffNames(s(type)).size(), 2) << type;
}

TEST_F(ShippedData, TranslatesEverySystemTextIntoHungarianAndEnglish)
{
    QStringList keys;
    for (const TMessageTable::TEntry &e : TMessageTable::Entries())
        keys << e.sources;
    for (auto state : {TOnlineUpdate::TState::Connecting, TOnlineUpdate::TState::Downloaded,
                       TOnlineUpdate::TState::Processing, TOnlineUpdate::TState::Finished})
        keys << TOnlineUpdate::StateText(state);
    keys << s("The update text ends with an incomplete league block; it was skipped:")
         << s("A malformed league block of the update text was skipped:") << s("Cannot read the update file:")
         << s("Delete all data from database?") << s("+15 sec") << s("<>") << s("Overtime! Are you sure?");
    QStringList typedKeys;
    for (const QString &key : keys)
        typedKeys << s("FORM\t") + key;
    KeyCollector titles;
    for (int column = 0; column < 10; ++column)
        PlayerStats::VariableColumnTitle(column, &titles);
    typedKeys << titles.keys;
    for (const QString &typedKey : typedKeys) {
        const QString type = typedKey.section(QLatin1Char('\t'), 0, 0);
        const QString key = typedKey.section(QLatin1Char('\t'), 1);
        for (const char *language : {"HUN", "ENG"}) {
            QString translated;
            bool found = false;
            ASSERT_TRUE(dm.FindTranslation(type, s(language), key, &translated, &found));
            EXPECT_FALSE(translated.isEmpty()) << language << ": " << typedKey.toStdString();
        }
    }
    for (const TSchema::TTable &t : TSchema::Tables()) {
        for (const TSchema::TColumn &c : t.columns) {
            for (const char *language : {"HUN", "ENG"}) {
                QString translated;
                bool found = false;
                ASSERT_TRUE(dm.FindTranslation(s("DBTABLE"), s(language), c.name, &translated, &found));
                EXPECT_FALSE(translated.isEmpty()) << language << ": " << c.name.toStdString();
            }
        }
    }
}

TEST_F(ShippedData, ThePristineCopyHoldsNoMasterData)
{
    ASSERT_TRUE(dm.EmptyDatabase()) << dm.LastError().toStdString();
    for (const QString &table : TSchema::MasterDataTables())
        EXPECT_EQ(dm.RowCount(table), 0) << table.toStdString();
    EXPECT_EQ(dm.LoadLanguages().size(), 5);
    ASSERT_TRUE(written);
    // Put the sample back for the other cases of this suite.
    dm.CloseAll();
    QString error;
    ASSERT_TRUE(TBundledData::Write(home->file(s("Datastore")), shippedSources(), kToday, nullptr, &error))
        << error.toStdString();
}

TEST_F(ShippedData, WritingAgainReplacesTheFilesAndLeavesNoWorkFolder)
{
    dm.CloseAll();
    QString error;
    ASSERT_TRUE(
        TBundledData::Write(home->file(s("Datastore")), shippedSources(), kToday.addDays(1), nullptr, &error))
        << error.toStdString();
    const QStringList entries =
        QDir(home->file(s("Datastore"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(entries, (QStringList{s("Original"), s("parquetix.db")}));
    ASSERT_TRUE(dm.OpenAll());
    QDate first = dayFromDatum(dm.Schedule().first().Datum);
    for (const TGameRow &g : dm.Schedule())
        first = std::min(first, dayFromDatum(g.Datum));
    EXPECT_EQ(first, kToday.addDays(1));
    dm.CloseAll();
    ASSERT_TRUE(TBundledData::Write(home->file(s("Datastore")), shippedSources(), kToday, nullptr, &error));
}

TEST(BundledData, AMissingSourceFileIsReportedAndNothingIsReplaced)
{
    TestHome home;
    TBundledData::TSources sources = shippedSources();
    sources.sampleLeague = home.file(s("missing.txt"));
    QString error;
    EXPECT_FALSE(TBundledData::Write(home.file(s("Datastore")), sources, QDate(2030, 1, 1), nullptr, &error));
    EXPECT_TRUE(error.contains(s("missing.txt"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(home.file(s("Datastore/parquetix.db"))));
    EXPECT_TRUE(QDir(home.file(s("Datastore")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

// A database made anew (db init, a home without one) translates as the
// shipped one: the built-in texts fill what it lacks and keep the user's own.
TEST(BundledData, ADatabaseMadeAnewGetsTheBuiltInTranslations)
{
    TestHome home;
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    // A text the program met before it had translations, and one the user translated.
    ASSERT_TRUE(dm.UpsertTranslation(s("FORM"), s("ENG"), s("labdaszerzés"), QString()));
    QString error;
    ASSERT_TRUE(TBundledData::GiveTextsToBareDatabase(dm, &error)) << error.toStdString();
    QString translated;
    bool found = false;
    ASSERT_TRUE(dm.FindTranslation(s("FORM"), s("ENG"), s("labdaszerzés"), &translated, &found));
    EXPECT_EQ(translated, s("steal"));
    ASSERT_TRUE(dm.FindTranslation(s("FORM"), s("HUN"), s("Not connected!"), &translated, &found));
    EXPECT_EQ(translated, s("Nincs kapcsolat!"));
    EXPECT_EQ(dm.LoadLanguages().size(), 5);

    ASSERT_TRUE(dm.UpsertTranslation(s("FORM"), s("ENG"), s("labdaszerzés"), s("ball stolen")));
    ASSERT_TRUE(dm.UpsertTranslation(s("FORM"), s("ENG"), s("sikeres távoli"), QString()));
    // A database with translations of its own is left as it is ...
    ASSERT_TRUE(TBundledData::GiveTextsToBareDatabase(dm, &error)) << error.toStdString();
    dm.FindTranslation(s("FORM"), s("ENG"), s("sikeres távoli"), &translated, &found);
    EXPECT_TRUE(translated.isEmpty());
    // ... and filling what it lacks never overwrites the user's own.
    ASSERT_TRUE(TBundledData::AddMissingTexts(dm, &error)) << error.toStdString();
    dm.FindTranslation(s("FORM"), s("ENG"), s("sikeres távoli"), &translated, &found);
    EXPECT_EQ(translated, s("3-point shot made"));
    dm.FindTranslation(s("FORM"), s("ENG"), s("labdaszerzés"), &translated, &found);
    EXPECT_EQ(translated, s("ball stolen"));
}
