#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TLeagueTeamJoining.h"
#include "masterdata/editing/TLeagueTeamPlayerJoining.h"
#include "masterdata/editing/TMasterList.h"
#include "masterdata/editing/TMasterStatements.h"
#include "masterdata/editing/TRowEdit.h"
#include "model/services/Services.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 8), QTime(15, 23, 7));

class MasterEditing : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString(); }

    std::unique_ptr<TRowEdit> edit(TMasterKind kind)
    {
        auto e = std::make_unique<TRowEdit>(dm, kind);
        e->SetClock([] { return kNow; });
        e->SetGameCodeSource([] { return QStringLiteral("ABC1DEF2"); });
        e->StartInsert();
        return e;
    }

    int add(TMasterKind kind, const QList<QPair<QString, QString>> &fields)
    {
        auto e = edit(kind);
        for (const auto &f : fields)
            e->SetField(f.first, f.second);
        EXPECT_TRUE(e->Save()) << e->LastError().toStdString();
        return e->Id();
    }
    int league(const QString &name) { return add(TMasterKind::League, {{QStringLiteral("LigaNev"), name}}); }
    int team(const QString &name) { return add(TMasterKind::Team, {{QStringLiteral("EgyesuletNev"), name}}); }
    int player(const QString &name)
    {
        return add(TMasterKind::Player, {{QStringLiteral("JatekosNev"), name}});
    }

    TIDObject object(const char *table, const char *idColumn, int id)
    {
        QList<QVariantMap> rows;
        EXPECT_TRUE(dm.Query(QStringLiteral("select * from \"%1\" where %2 = :PID")
                                 .arg(QLatin1String(table), QLatin1String(idColumn)),
                             {{QStringLiteral("PID"), id}}, &rows));
        return rows.isEmpty() ? TIDObject{}
                              : TIDObject{id, rows.first().value(QStringLiteral("WebID")).toString()};
    }

    static QStringList texts(const TIDList &list)
    {
        QStringList t;
        for (const TIDEntry &e : list)
            t << e.Text;
        return t;
    }

    TdmMain dm{QStringLiteral(":memory:")};
};

struct TCheckCase
{
    const char *name;
    TMasterKind kind;
    QList<QPair<QString, QString>> fields;
    const char *expected; // message-table name, "" when every check passes
};

class EditChecks : public MasterEditing, public ::testing::WithParamInterface<TCheckCase>
{
};

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const TCheckCase kCheckCases[] = {
    {"LeagueNameOfBlanks", TMasterKind::League, {{s("LigaNev"), s("   ")}}, "MsgLeagueNameRequired"},
    {"LeagueNamed", TMasterKind::League, {{s("LigaNev"), s(" NB I ")}}, ""},
    {"TeamNameEmpty", TMasterKind::Team, {{s("EgyesuletRovidNev"), s("ABC")}}, "MsgTeamNameRequired"},
    {"TeamNamed", TMasterKind::Team, {{s("EgyesuletNev"), s("Medvék")}}, ""},
    {"PlayerNameBeforeBirthDate",
     TMasterKind::Player,
     {{s("JatekosNev"), s(" ")}, {s("Szuletes"), s("")}},
     "MsgPlayerNameRequired"},
    {"PlayerBirthDateEmpty",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s("")}},
     "MsgBirthDateRequired"},
    {"PlayerBirthDateOfBlanksIsNoDate",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s(" ")}},
     "MsgBirthDateInvalid"},
    {"PlayerBirthDateOfWords",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s("soon")}},
     "MsgBirthDateInvalid"},
    {"PlayerBirthDateOfDashes",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s("1999-04-12")}},
     "MsgBirthDateInvalid"},
    {"PlayerBirthDateOfNoDay",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s("19990231")}},
     "MsgBirthDateInvalid"},
    {"PlayerBirthDate",
     TMasterKind::Player,
     {{s("JatekosNev"), s("Kiss")}, {s("Szuletes"), s("19990412")}},
     ""},
    {"GameDateYearFirst",
     TMasterKind::Game,
     {{s("LigaID"), s("1")},
      {s("HazaiCsapatID"), s("2")},
      {s("VendegCsapatID"), s("2")},
      {s("Datum"), s("2027-05-01")}},
     "MsgGameDateInvalid"},
    {"GameDateOfNoMonth",
     TMasterKind::Game,
     {{s("LigaID"), s("1")},
      {s("HazaiCsapatID"), s("2")},
      {s("VendegCsapatID"), s("2")},
      {s("Datum"), s("32.13.2027")}},
     "MsgGameDateInvalid"},
    {"GameHourOfNoTime",
     TMasterKind::Game,
     {{s("LigaID"), s("1")},
      {s("HazaiCsapatID"), s("2")},
      {s("VendegCsapatID"), s("2")},
      {s("Datum"), s("01.05.2027")},
      {s("Ora"), s("25:99")}},
     "MsgGameHourInvalid"},
    {"GameDateAndHourWithoutZeros",
     TMasterKind::Game,
     {{s("LigaID"), s("1")},
      {s("HazaiCsapatID"), s("2")},
      {s("VendegCsapatID"), s("2")},
      {s("Datum"), s("1.5.2027")},
      {s("Ora"), s("9:05")}},
     ""},
    {"GameWithoutAnythingReportsTheLeague",
     TMasterKind::Game,
     {{s("HazaiCsapatID"), s("")}, {s("VendegCsapatID"), s("")}},
     "MsgLeagueRequired"},
    {"GameWithoutHomeTeam",
     TMasterKind::Game,
     {{s("LigaID"), s("1")}, {s("VendegCsapatID"), s("2")}},
     "MsgHomeTeamRequired"},
    {"GameWithoutAwayTeam",
     TMasterKind::Game,
     {{s("LigaID"), s("1")}, {s("HazaiCsapatID"), s("2")}},
     "MsgAwayTeamRequired"},
    {"GameWithLeagueOfZero",
     TMasterKind::Game,
     {{s("LigaID"), s("0")}, {s("HazaiCsapatID"), s("2")}, {s("VendegCsapatID"), s("2")}},
     "MsgLeagueRequired"},
    {"GameComplete",
     TMasterKind::Game,
     {{s("LigaID"), s("1")}, {s("HazaiCsapatID"), s("2")}, {s("VendegCsapatID"), s("2")}},
     ""},
};

} // namespace

TEST_P(EditChecks, FirstFailingCheckNamesItsMessage)
{
    const TCheckCase &c = GetParam();
    auto e = edit(c.kind);
    for (const auto &f : c.fields)
        e->SetField(f.first, f.second);
    EXPECT_EQ(e->FailedCheck(), QString::fromLatin1(c.expected));

    TMessageTable messages;
    TIdentityTranslator identity;
    messages.BuildMessageTable(identity);
    EXPECT_EQ(e->FailedCheckText(messages),
              *c.expected ? messages.Text(QLatin1String(c.expected)) : QString());
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditChecks, ::testing::ValuesIn(kCheckCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MasterEditing, NewRowsStartWithTheirDefaults)
{
    EXPECT_EQ(edit(TMasterKind::Player)->Field(QStringLiteral("Szuletes")), QStringLiteral("20260308"));
    EXPECT_EQ(edit(TMasterKind::Game)->Field(QStringLiteral("MerkozesKod")), QStringLiteral("ABC1DEF2"));
    EXPECT_TRUE(edit(TMasterKind::League)->Field(QStringLiteral("LigaNev")).isEmpty());
    // Without a replacement the code comes from the game code generator.
    TRowEdit real(dm, TMasterKind::Game);
    real.StartInsert();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Y]{3}[0-9][A-Y]{3}[0-9]$"))
                    .match(real.Field(QStringLiteral("MerkozesKod")))
                    .hasMatch());
}

TEST_F(MasterEditing, WebIdIsDayHourMinutesSeconds)
{
    const struct
    {
        QDateTime at;
        const char *expected;
    } cases[] = {{kNow, "8152307"},
                 {QDateTime(QDate(2026, 1, 1), QTime(0, 5, 9)), "100509"},
                 {QDateTime(QDate(2026, 12, 31), QTime(9, 0, 0)), "3190000"},
                 {QDateTime(QDate(2026, 10, 12), QTime(23, 59, 59)), "12235959"}};
    for (const auto &c : cases)
        EXPECT_EQ(TRowEdit::WebIdAt(c.at), QLatin1String(c.expected)) << c.expected;
}

TEST_F(MasterEditing, NewPlayerGetsTodayAndAClockWebIdUnlessOneWasTyped)
{
    const int plain = player(QStringLiteral("Kovács János"));
    const int typed = add(TMasterKind::Player, {{QStringLiteral("JatekosNev"), QStringLiteral("Nagy")},
                                                {QStringLiteral("WebID"), QStringLiteral("P77")}});
    const std::optional<TPlayerRow> a = dm.PlayerById(plain);
    const std::optional<TPlayerRow> b = dm.PlayerById(typed);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->WebID, QStringLiteral("8152307"));
    EXPECT_EQ(a->Szuletes, QStringLiteral("20260308"));
    EXPECT_EQ(b->WebID, QStringLiteral("P77"));
    // Editing keeps the identifier it got.
    TRowEdit again(dm, TMasterKind::Player);
    again.SetClock([] { return kNow.addSecs(3600); });
    ASSERT_TRUE(again.StartEdit(plain));
    again.SetField(QStringLiteral("JatekosMezSzam"), QStringLiteral("12"));
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(dm.PlayerById(plain)->WebID, QStringLiteral("8152307"));
    EXPECT_EQ(dm.PlayerById(plain)->JatekosMezSzam, 12);
}

TEST_F(MasterEditing, EditChangesOnlyItsRowAndCutsTextsToTheirWidth)
{
    const int a = team(QStringLiteral("Alfa"));
    const int b = team(QStringLiteral("Béta"));
    TRowEdit e(dm, TMasterKind::Team);
    ASSERT_TRUE(e.StartEdit(b));
    EXPECT_EQ(e.Field(QStringLiteral("EgyesuletNev")), QStringLiteral("Béta"));
    e.SetField(QStringLiteral("EgyesuletRovidNev"), QStringLiteral("BETA"));
    e.SetField(QStringLiteral("EgyesuletCsarnokFerohely"), QStringLiteral(" 1200 "));
    ASSERT_TRUE(e.Save()) << e.LastError().toStdString();
    EXPECT_EQ(dm.TeamById(b)->EgyesuletRovidNev, QStringLiteral("BET"));
    EXPECT_EQ(dm.TeamById(b)->EgyesuletCsarnokFerohely, 1200);
    EXPECT_EQ(dm.TeamById(a)->EgyesuletRovidNev, QString());
    EXPECT_FALSE(TRowEdit(dm, TMasterKind::Team).StartEdit(b + 10));
}

TEST_F(MasterEditing, FailedSaveStoresNothingAndKeepsTheFields)
{
    auto bad = edit(TMasterKind::Player);
    bad->SetField(QStringLiteral("JatekosNev"), QStringLiteral("Kiss"));
    bad->SetField(QStringLiteral("JatekosSuly"), QStringLiteral("80kg"));
    EXPECT_FALSE(bad->Save());
    EXPECT_TRUE(bad->LastError().contains(QStringLiteral("80kg"))) << bad->LastError().toStdString();
    EXPECT_EQ(dm.RowCount(QStringLiteral("Player")), 0);

    ASSERT_TRUE(dm.Query(QStringLiteral("drop table \"League\""), {}));
    auto lost = edit(TMasterKind::League);
    lost->SetField(QStringLiteral("LigaNev"), QStringLiteral("NB I"));
    EXPECT_FALSE(lost->Save());
    EXPECT_TRUE(lost->LastError().contains(QStringLiteral("no such table")))
        << lost->LastError().toStdString();
    EXPECT_EQ(lost->Field(QStringLiteral("LigaNev")), QStringLiteral("NB I"));
    EXPECT_TRUE(lost->Inserting());
}

TEST_F(MasterEditing, SameTeamsAndARepeatedGameCodeAreSaved)
{
    const int l = league(QStringLiteral("NB I"));
    const int t = team(QStringLiteral("Alfa"));
    for (int i = 0; i < 2; ++i)
        add(TMasterKind::Game, {{QStringLiteral("LigaID"), QString::number(l)},
                                {QStringLiteral("HazaiCsapatID"), QString::number(t)},
                                {QStringLiteral("VendegCsapatID"), QString::number(t)}});
    const QList<TGameRow> games = dm.Games();
    ASSERT_EQ(games.size(), 2);
    EXPECT_EQ(games.at(0).MerkozesKod, games.at(1).MerkozesKod);
    EXPECT_EQ(games.at(0).HazaiCsapatNev, QStringLiteral("Alfa"));
    EXPECT_EQ(games.at(0).VendegCsapatNev, QStringLiteral("Alfa"));
    EXPECT_TRUE(games.at(0).LigaWebID.isEmpty());
}

TEST_F(MasterEditing, GameTeamChoicesAreTheTeamsJoinedToItsLeague)
{
    const int empty = league(QStringLiteral("Üres"));
    const int full = league(QStringLiteral("NB I"));
    const int alfa = team(QStringLiteral("Alfa"));
    const int beta = team(QStringLiteral("Béta"));
    team(QStringLiteral("Gamma"));
    TMasterStatements st(dm);
    ASSERT_TRUE(st.JoinTeam(object("League", "LigaID", full), object("Team", "CsapatID", beta)));
    ASSERT_TRUE(st.JoinTeam(object("League", "LigaID", full), object("Team", "CsapatID", alfa)));

    auto game = edit(TMasterKind::Game);
    EXPECT_EQ(texts(game->LeagueChoices()), (QStringList{QStringLiteral("NB I"), QStringLiteral("Üres")}));
    EXPECT_TRUE(game->TeamChoices().isEmpty());
    game->SetField(QStringLiteral("LigaID"), QString::number(empty));
    EXPECT_TRUE(game->TeamChoices().isEmpty());
    game->SetField(QStringLiteral("LigaID"), QString::number(full));
    const TIDList teams = game->TeamChoices();
    EXPECT_EQ(texts(teams), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Béta")}));
    EXPECT_EQ(teams.at(0).Object.ID, alfa);

    game->SetField(QStringLiteral("HazaiCsapatID"), QString::number(alfa));
    game->SetField(QStringLiteral("VendegCsapatID"), QString::number(beta + 1));
    EXPECT_FALSE(game->ChoiceProblem().isEmpty());
    game->SetField(QStringLiteral("VendegCsapatID"), QString::number(beta));
    EXPECT_TRUE(game->ChoiceProblem().isEmpty());
}

TEST_F(MasterEditing, RemovingATeamTakesItsRosterOfThatLeagueOnly)
{
    const TIDObject nb1 = object("League", "LigaID", league(QStringLiteral("NB I")));
    const TIDObject nb2 = object("League", "LigaID", league(QStringLiteral("NB II")));
    const TIDObject alfa = object("Team", "CsapatID", team(QStringLiteral("Alfa")));
    const TIDObject kiss = object("Player", "JatekosID", player(QStringLiteral("Kiss")));
    TMasterStatements st(dm);
    for (const TIDObject &l : {nb1, nb2}) {
        ASSERT_TRUE(st.JoinTeam(l, alfa));
        ASSERT_TRUE(st.JoinPlayer(l, alfa, kiss));
    }
    EXPECT_TRUE(st.PlayersOnNoTeam(nb1.ID).isEmpty());
    ASSERT_TRUE(st.RemoveTeam(nb1, alfa));
    EXPECT_EQ(texts(st.PlayersOnNoTeam(nb1.ID)), QStringList{QStringLiteral("Kiss")});
    EXPECT_TRUE(st.PlayersOfTeam(nb1.ID, alfa.ID).isEmpty());
    EXPECT_EQ(texts(st.PlayersOfTeam(nb2.ID, alfa.ID)), QStringList{QStringLiteral("Kiss")});
    EXPECT_EQ(dm.Roster(nb2.ID, alfa.ID).first().JatekosWebID, kiss.WebID);
    EXPECT_EQ(dm.LeagueTeams().size(), 1);
}

TEST_F(MasterEditing, EmptyLeagueTableLeavesBothJoiningsEmptyAndDisabled)
{
    team(QStringLiteral("Alfa"));
    player(QStringLiteral("Kiss"));
    TLeagueTeamJoining teams(dm);
    ASSERT_TRUE(teams.Open());
    TLeagueTeamPlayerJoining players(dm);
    ASSERT_TRUE(players.Open());
    EXPECT_EQ(teams.SelectedLeague(), -1);
    EXPECT_TRUE(teams.Available().isEmpty() && teams.Members().isEmpty());
    EXPECT_TRUE(players.Teams().isEmpty() && players.Available().isEmpty() && players.Members().isEmpty());
    teams.ClickAvailable(0);
    players.ClickAvailable(0);
    EXPECT_FALSE(teams.AddEnabled() || teams.RemoveEnabled() || players.AddEnabled() ||
                 players.RemoveEnabled());
    EXPECT_TRUE(teams.Add() && players.Add());
    EXPECT_EQ(dm.LeagueTeams().size(), 0);
    EXPECT_EQ(dm.TeamPlayers().size(), 0);
}

TEST_F(MasterEditing, TeamJoiningMovesTeamsAndDisablesTheArrowItUsed)
{
    league(QStringLiteral("NB I"));
    team(QStringLiteral("Gamma"));
    team(QStringLiteral("Alfa"));
    team(QStringLiteral("Béta"));
    TLeagueTeamJoining j(dm);
    ASSERT_TRUE(j.Open());
    EXPECT_EQ(j.SelectedLeague(), 0);
    EXPECT_EQ(texts(j.Available()),
              (QStringList{QStringLiteral("Alfa"), QStringLiteral("Béta"), QStringLiteral("Gamma")}));
    EXPECT_FALSE(j.AddEnabled());
    j.ClickAvailable(1);
    EXPECT_TRUE(j.AddEnabled());
    ASSERT_TRUE(j.Add());
    EXPECT_FALSE(j.AddEnabled());
    EXPECT_EQ(texts(j.Members()), QStringList{QStringLiteral("Béta")});
    EXPECT_EQ(texts(j.Available()), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Gamma")}));
    // The arrow stays disabled until an entry is clicked again.
    EXPECT_TRUE(j.Add());
    EXPECT_EQ(j.Members().size(), 1);

    j.ClickMember(0);
    ASSERT_TRUE(dm.Query(QStringLiteral("drop table \"TeamPlayer\""), {}));
    EXPECT_FALSE(j.Remove());
    EXPECT_FALSE(j.LastError().isEmpty());
    EXPECT_TRUE(j.RemoveEnabled());
    EXPECT_EQ(texts(j.Members()), QStringList{QStringLiteral("Béta")});
    // The failed removal took back its first delete as well.
    EXPECT_EQ(dm.LeagueTeams().size(), 1);
}

TEST_F(MasterEditing, JoinedPlayerLeavesTheAvailableListOfEveryTeamOfTheLeague)
{
    const int nb1 = league(QStringLiteral("NB I"));
    const int nb2 = league(QStringLiteral("NB II"));
    const int alfa = team(QStringLiteral("Alfa"));
    const int beta = team(QStringLiteral("Béta"));
    player(QStringLiteral("Nagy"));
    player(QStringLiteral("Kiss"));
    TMasterStatements st(dm);
    for (int l : {nb1, nb2})
        for (int t : {alfa, beta})
            ASSERT_TRUE(st.JoinTeam(object("League", "LigaID", l), object("Team", "CsapatID", t)));

    TLeagueTeamPlayerJoining j(dm);
    ASSERT_TRUE(j.Open());
    EXPECT_EQ(texts(j.Leagues()), (QStringList{QStringLiteral("NB I"), QStringLiteral("NB II")}));
    EXPECT_EQ(j.SelectedTeam(), -1);
    EXPECT_TRUE(j.Available().isEmpty());
    ASSERT_TRUE(j.ClickTeam(0));
    EXPECT_EQ(texts(j.Available()), (QStringList{QStringLiteral("Kiss"), QStringLiteral("Nagy")}));
    j.ClickAvailable(0);
    ASSERT_TRUE(j.Add());
    EXPECT_FALSE(j.AddEnabled());
    EXPECT_EQ(texts(j.Members()), QStringList{QStringLiteral("Kiss")});
    ASSERT_TRUE(j.ClickTeam(1));
    EXPECT_EQ(texts(j.Available()), QStringList{QStringLiteral("Nagy")});
    EXPECT_TRUE(j.Members().isEmpty());
    // The other league still offers him; picking it chooses its first team.
    ASSERT_TRUE(j.SelectLeague(1));
    EXPECT_EQ(j.SelectedTeam(), 0);
    EXPECT_EQ(texts(j.Available()), (QStringList{QStringLiteral("Kiss"), QStringLiteral("Nagy")}));
    ASSERT_TRUE(j.SelectLeague(0));
    j.ClickMember(0);
    ASSERT_TRUE(j.Remove());
    EXPECT_EQ(texts(j.Available()), (QStringList{QStringLiteral("Kiss"), QStringLiteral("Nagy")}));
}

TEST_F(MasterEditing, LeagueListOrdersByIdAndLeavesThatOrder)
{
    league(QStringLiteral("Zeta"));
    league(QStringLiteral("Alfa"));
    TMasterList list(dm, TMasterKind::League);
    ASSERT_TRUE(list.Open());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Cells(0).first(), QStringLiteral("Zeta"));
    EXPECT_EQ(list.Current(), 0);
    EXPECT_EQ(dm.Order(TdmMain::TDataset::tblLiga), QStringLiteral("LigaID"));

    team(QStringLiteral("Zeta"));
    team(QStringLiteral("Alfa"));
    dm.SetOrder(TdmMain::TDataset::tblTeam, QStringLiteral("CsapatID"));
    TMasterList teams(dm, TMasterKind::Team);
    ASSERT_TRUE(teams.Open());
    EXPECT_EQ(teams.Cells(0).first(), QStringLiteral("Alfa"));
    EXPECT_EQ(teams.Cells(0).size(), TMasterList::Labels(TMasterKind::Team).size());
}

TEST_F(MasterEditing, ListPagingKeepsTheCurrentRowInView)
{
    for (int i = 0; i < 8; ++i)
        team(QStringLiteral("Team %1").arg(i));
    TMasterList list(dm, TMasterKind::Team); // three panels a page
    ASSERT_TRUE(list.Open());
    EXPECT_EQ(list.MaxTop(), 5);
    const struct
    {
        int current, top, panel;
    } steps[] = {{0, 0, 0}, {2, 0, 2}, {3, 1, 2}, {7, 5, 2}, {5, 5, 0}, {1, 1, 0}, {99, 5, 2}, {-4, 0, 0}};
    for (const auto &s : steps) {
        list.SetCurrent(s.current);
        EXPECT_EQ(list.Top(), s.top) << s.current;
        EXPECT_EQ(list.PanelOf(list.Current()), s.panel) << s.current;
    }
    list.ScrollTo(40);
    EXPECT_EQ(list.Top(), 5);
    EXPECT_EQ(list.PanelOf(0), -1);
    const int id = list.Id(6);
    ASSERT_TRUE(list.Refresh(id));
    EXPECT_EQ(list.CurrentId(), id);
    EXPECT_NE(list.PanelOf(list.Current()), -1);
}

TEST_F(MasterEditing, GameDateAndHourAreStoredAsTheScheduleWritesThemWithTheirWeekday)
{
    const int l = league(QStringLiteral("NB I"));
    const int t = team(QStringLiteral("Alfa"));
    dm.SetNameLocale(TdmMain::EditionLocale(QStringLiteral("ENG")));
    add(TMasterKind::Game, {{QStringLiteral("LigaID"), QString::number(l)},
                            {QStringLiteral("HazaiCsapatID"), QString::number(t)},
                            {QStringLiteral("VendegCsapatID"), QString::number(t)},
                            {QStringLiteral("Datum"), QStringLiteral("1.5.2027")},
                            {QStringLiteral("Nap"), QStringLiteral("szerda")},
                            {QStringLiteral("Ora"), QStringLiteral("9:05")}});
    const TGameRow game = dm.Games().first();
    EXPECT_EQ(game.Datum, QStringLiteral("01.05.2027"));
    EXPECT_EQ(game.Ora, QStringLiteral("09:05"));
    EXPECT_EQ(game.Nap, QStringLiteral("Saturday"));
    // The list shows the weekday in the edition's language, whatever is stored.
    TMasterList list(dm, TMasterKind::Game);
    ASSERT_TRUE(list.Open());
    dm.SetNameLocale(TdmMain::EditionLocale(QStringLiteral("HUN")));
    ASSERT_TRUE(list.Refresh(0));
    EXPECT_EQ(list.Cells(0).at(1), QStringLiteral("szombat"));
}

// Names come in the order of the edition's language, not by code point.
TEST_F(MasterEditing, NamesAreListedInTheOrderOfTheEditionsLanguage)
{
    const int l = league(QStringLiteral("NB I"));
    for (const char *name :
         {"KOVÁCS János", "CSÉCSI Ottó", "KÁDÁR Béla", "ZOLTAI Ede", "CZAKÓ Pál", "ÁCS Imre"})
        player(QString::fromUtf8(name));
    // Hungarian has "cs" as a letter of its own, after "c".
    const QStringList hungarian{QStringLiteral("ÁCS Imre"),     QStringLiteral("CZAKÓ Pál"),
                                QStringLiteral("CSÉCSI Ottó"),  QStringLiteral("KÁDÁR Béla"),
                                QStringLiteral("KOVÁCS János"), QStringLiteral("ZOLTAI Ede")};
    QStringList english = hungarian;
    english.swapItemsAt(1, 2);
    TMasterList list(dm, TMasterKind::Player);
    ASSERT_TRUE(list.Open());
    QStringList shown;
    for (int r = 0; r < list.Count(); ++r)
        shown << list.Cells(r).first();
    EXPECT_EQ(shown, hungarian);
    EXPECT_EQ(texts(TMasterStatements(dm).PlayersOnNoTeam(l)), hungarian);
    dm.SetNameLocale(TdmMain::EditionLocale(QStringLiteral("ENG")));
    EXPECT_EQ(texts(TMasterStatements(dm).PlayersOnNoTeam(l)), english);
    ASSERT_TRUE(list.Refresh(0));
    EXPECT_EQ(list.Cells(1).first(), english.at(1));
}
