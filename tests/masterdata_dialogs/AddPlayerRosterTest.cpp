#include "desktop/masterdata/TAddPlayerRoster.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/game/TGame.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TErrors : public IPrompter
{
public:
    void ShowError(const QString &text) override { errors << text; }
    void ShowInformation(const QString &text) override { errors << text; }
    bool Confirm(const QString &) override { return true; }
    QStringList errors;
};

// Two leagues; the home team's roster in league 1 holds two players, its
// roster in league 2 and another team's roster one player each.
class AddPlayerRoster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
        messages.BuildMessageTable(identity);
        league = dm.UpsertLeague(QStringLiteral("L1WEB"), QStringLiteral("NB I"));
        otherLeague = dm.UpsertLeague(QStringLiteral("L2WEB"), QStringLiteral("NB II"));
        for (const char *web : {"T1WEB", "T2WEB"}) {
            TTeamRow t;
            t.WebID = QLatin1String(web);
            t.EgyesuletNev = QLatin1String(web);
            teams.append(dm.UpsertTeam(t));
        }
        const struct
        {
            const char *Web, *Name;
            int Jersey, League, Team;
        } players[] = {{"P1", "KISS Peter", 9, league, teams[0]},
                       {"P2", "NAGY Adam", 14, league, teams[0]},
                       {"P3", "ELSO Bela", 5, otherLeague, teams[0]},
                       {"P4", "MASIK Ede", 6, league, teams[1]}};
        for (const auto &p : players) {
            TPlayerRow row;
            row.WebID = QLatin1String(p.Web);
            row.JatekosNev = QLatin1String(p.Name);
            row.JatekosMezSzam = p.Jersey;
            row.JatekosPoszt = QStringLiteral("F");
            const int id = dm.UpsertPlayer(row);
            ids.append(id);
            ASSERT_TRUE(dm.UpsertTeamPlayer(p.League, p.Team, id, {}, {}, row.WebID));
        }
        TTeam &home = game.HomeTeam();
        home.Data.LigaID = league;
        home.Data.CsapatID = teams[0];
        home.Data.WebID = QStringLiteral("T1WEB");
    }

    TdmMain dm{QStringLiteral(":memory:")};
    TIdentityTranslator identity;
    TMessageTable messages;
    TErrors prompter;
    TDialogContext context{dm, identity, messages, prompter};
    TGame game;
    int league = 0;
    int otherLeague = 0;
    QList<int> teams;
    QList<int> ids;
};

TEST_F(AddPlayerRoster, CandidatesAreTheTeamsRosterInItsLeague)
{
    TAddPlayerRoster roster(context);
    const QList<TPlayer> candidates = roster.Candidates(game.HomeTeam());
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates[0].JatekosNev, QStringLiteral("KISS Peter"));
    EXPECT_EQ(candidates[0].JatekosID, ids[0]);
    EXPECT_EQ(candidates[0].WebID, QStringLiteral("P1"));
    EXPECT_EQ(candidates[0].JatekosMezSzam, 9);
    EXPECT_EQ(candidates[0].LigaID, league);
    EXPECT_EQ(candidates[0].CsapatID, teams[0]);
    EXPECT_EQ(candidates[1].JatekosNev, QStringLiteral("NAGY Adam"));
    // A team without a roster row in its league offers nobody.
    game.AwayTeam().Data.LigaID = otherLeague;
    game.AwayTeam().Data.CsapatID = teams[1];
    EXPECT_TRUE(roster.Candidates(game.AwayTeam()).isEmpty());
}

// A player made with "I" joins the team's roster at once and stays there
// when the add-player dialog is cancelled; the team is unchanged.
TEST_F(AddPlayerRoster, PlayerMadeWithIStaysWhenTheDialogIsCancelled)
{
    TAddPlayerRoster roster(context);
    roster.SetDialogRunner([](QDialog *d) {
        auto *name = d->findChild<QLineEdit *>(QStringLiteral("edJatekosNev"));
        EXPECT_NE(name, nullptr);
        if (!name)
            return int(QDialog::Rejected);
        QTest::keyClicks(name, QStringLiteral("UJ Elek"));
        QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("edJatekosMezSzam")), QStringLiteral("33"));
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
        return d->result();
    });
    const int players = dm.RowCount(QStringLiteral("Player"));
    {
        TAddPlayerLogic logic(game, game.HomeTeam());
        logic.Fill(roster.Candidates(game.HomeTeam()));
        TPlayer made;
        ASSERT_TRUE(roster.CreatePlayer(game.HomeTeam(), &made));
        EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(made.JatekosNev, QStringLiteral("UJ Elek"));
        EXPECT_EQ(made.JatekosMezSzam, 33);
        EXPECT_FALSE(made.WebID.isEmpty()); // the edit dialog gives one
        EXPECT_EQ(made.CsapatID, teams[0]);
        logic.AddCandidate(made);
        logic.SelectPlayerById(made.JatekosID);
        ASSERT_TRUE(logic.Move());
        // Cancelled: no Apply.
    }
    EXPECT_EQ(game.HomeTeam().Bench.Count(), 0);
    EXPECT_EQ(game.EventCounter, 0);
    EXPECT_EQ(dm.RowCount(QStringLiteral("Player")), players + 1);
    const QList<TPlayer> after = roster.Candidates(game.HomeTeam());
    ASSERT_EQ(after.size(), 3);
    const QList<TTeamPlayerRow> rows = dm.Roster(league, teams[0]);
    EXPECT_EQ(rows.last().LigaWebID, QStringLiteral("L1WEB"));
    EXPECT_EQ(rows.last().CsapatWebID, QStringLiteral("T1WEB"));
    EXPECT_EQ(rows.last().JatekosWebID, after.last().WebID);
}

TEST_F(AddPlayerRoster, CancelledEditDialogMakesNobody)
{
    TAddPlayerRoster roster(context);
    roster.SetDialogRunner([](QDialog *) { return int(QDialog::Rejected); });
    const int players = dm.RowCount(QStringLiteral("Player"));
    TPlayer made;
    EXPECT_FALSE(roster.CreatePlayer(game.HomeTeam(), &made));
    EXPECT_EQ(dm.RowCount(QStringLiteral("Player")), players);
    EXPECT_EQ(dm.Roster(league, teams[0]).size(), 2);
}

} // namespace
