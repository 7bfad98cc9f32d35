// The duplicate checks of the team pages under both roster orders.
#include "WizardFixture.h"

#include "workflow/wizard/TNewGameLogic.h"

#include "masterdata/TPlayerRow.h"

namespace {

struct Order
{
    const char *setting;
    // The twin the database gets beside KOVÁCS János (4) of the home team.
    const char *twinName;
    int twinJersey;
    bool refused;
    bool byName;
};

class DuplicateChecks : public WizardFixture, public testing::WithParamInterface<Order>
{
protected:
    void SetUp() override { start(QByteArray("RENDEZES=") + GetParam().setting + "\n"); }
};

TEST_P(DuplicateChecks, ATwinCannotJoinTheTeamAsSubstitute)
{
    const Order o = GetParam();
    TdmMain &dm = translation->DataModule();
    TPlayerRow twin;
    twin.WebID = QStringLiteral("TWIN1");
    twin.JatekosNev = QString::fromUtf8(o.twinName);
    twin.JatekosMezSzam = o.twinJersey;
    const int id = dm.UpsertPlayer(twin);
    ASSERT_GT(id, 0) << dm.LastError().toStdString();
    ASSERT_TRUE(dm.UpsertTeamPlayer(1, 1, id, {}, {}, twin.WebID));

    TNewGameLogic w(services());
    ASSERT_TRUE(w.SelectGame(QStringLiteral("MNL1GME1")));
    w.SetOnline(true);
    ASSERT_TRUE(w.Next());
    ASSERT_TRUE(w.Next());
    TTeamPick &pick = *w.Pick(1);
    ASSERT_EQ(pick.Players.Count(), 7);
    auto select = [&](const QString &name, int jersey) {
        for (int i = 0; i < pick.Players.Count(); ++i)
            if (pick.Players.Player(i).JatekosNev == name && pick.Players.Player(i).JatekosMezSzam == jersey)
                pick.Players.Select(i);
    };
    select(QString::fromUtf8("KOVÁCS János"), 4);
    ASSERT_TRUE(pick.AddStarter());
    select(QString::fromUtf8(o.twinName), o.twinJersey);
    EXPECT_EQ(pick.AddSubstitute(), !o.refused);
    EXPECT_EQ(pick.Substitute.Count(), o.refused ? 0 : 1);
    EXPECT_EQ(w.Pick(1)->Team().Bench.Count(), o.refused ? 0 : 1);
    EXPECT_EQ(pick.Players.Count(), o.refused ? 6 : 5);
    const QString message = o.byName ? messages.MsgSameNamePlayers : messages.MsgSameJerseyPlayers;
    EXPECT_EQ(prompter.Shown.contains(message), o.refused);
}

INSTANTIATE_TEST_SUITE_P(BothOrders, DuplicateChecks,
                         testing::Values(Order{"RENDEZES_MEZSZAM", "MÁSIK Név", 4, true, false},
                                         Order{"RENDEZES_MEZSZAM", "KOVÁCS János", 40, false, false},
                                         Order{"RENDEZES_NEV", "KOVÁCS János", 40, true, true},
                                         Order{"RENDEZES_NEV", "MÁSIK Név", 4, false, true}));

} // namespace
