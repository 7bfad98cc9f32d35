#include "BoxScoreFixture.h"

#include "desktop/reportmenu/TfrmNyomtatasok.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include <QComboBox>

namespace {

class ChartsMenu : public BoxScoreFixture
{
protected:
    void SetUp() override
    {
        roster(10);
        ticks(1);
        run(QStringLiteral(
            "select home 4\nshot home made close 120 300\nselect away 5\nshot away made close 120 40"));
    }
};

TEST_F(ChartsMenu, EachChoiceOpensItsReports)
{
    settings.SetValue(QStringLiteral("NUMBER_OF_COPIES"), QStringLiteral("2"));
    const struct
    {
        const char *Radio;
        QStringList Classes;
    } cases[] = {
        {"rbULEBGraphicon", {QStringLiteral("TqrULEBGrafikon")}},
        {"rbULEBDobasterkep", {QStringLiteral("TqrULEBDobasterkep")}},
        {"rbULEBEventsList", {QStringLiteral("TqrULEBEventsList")}},
        {"cbInvidualShotsHomeTeam", {QStringLiteral("TqrInvidualShotingChart")}},
        {"cbInvidualShotsAwayTeam", {QStringLiteral("TqrInvidualShotingChart")}},
        {"rbDobasTerkep", {QStringLiteral("TqrDobasok"), QStringLiteral("TqrDobasLista")}},
    };
    for (const auto &c : cases) {
        TNyomtatasokLogic menu(game, translator);
        ASSERT_TRUE(menu.Select(QLatin1String(c.Radio))) << c.Radio;
        std::vector<TReportDocument> docs;
        ASSERT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::Preview) << c.Radio;
        QStringList classes;
        for (const TReportDocument &d : docs) {
            classes.append(d.ReportClass);
            EXPECT_EQ(d.Copies, 2) << c.Radio;
        }
        EXPECT_EQ(classes, c.Classes) << c.Radio;
    }
    // The individual charts are the chosen team's.
    TNyomtatasokLogic menu(game, translator);
    std::vector<TReportDocument> docs;
    menu.Select(QStringLiteral("cbInvidualShotsAwayTeam"));
    menu.Ok(docs);
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_NE(docs[0].Find(QStringLiteral("lblPlayerName")), nullptr);
    EXPECT_EQ(docs[0].Find(QStringLiteral("lblPlayerName"))->Text, QStringLiteral("#5 MOLNAR David"));
}

TEST_F(ChartsMenu, ScopeAndPlayerChooseTheAlternativeChartsShots)
{
    TNyomtatasokLogic menu(game, translator);
    menu.Select(QStringLiteral("rbDobasTerkep"));
    EXPECT_EQ(menu.PlayerItems().size(), 1);
    menu.SetScope(1);
    const QStringList players = menu.PlayerItems();
    ASSERT_EQ(players.size(), 5);
    menu.SetPlayer(int(players.indexOf(QStringLiteral("KOVACS Janos"))));
    std::vector<TReportDocument> docs;
    ASSERT_EQ(menu.Ok(docs), TNyomtatasokLogic::TAction::Preview);
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(named(docs[0], QStringLiteral("lblCim")), QString::fromUtf8("Dobástérkép - KOVACS Janos"));
    EXPECT_EQ(docs[1].Lines(QStringLiteral("DetailBand1")).size(), 1);
    // A new scope starts again from all players.
    menu.SetScope(2);
    menu.Ok(docs);
    EXPECT_EQ(named(docs[0], QStringLiteral("lblCim")), QString::fromUtf8("Dobástérkép - Away Team"));
}

TEST_F(ChartsMenu, FailedJerseyLookupsAreHandedToTheOperator)
{
    // Only shooters the game no longer holds are looked up in the master data.
    for (int side : {1, 2})
        for (TPlayerList *list : {&game.Team(side).OnCourt, &game.Team(side).Bench})
            for (int i = 0; i < list->Count(); ++i) {
                list->At(i)->JatekosID += 1000;
                list->At(i)->WebID += QStringLiteral("-gone");
            }
    TNyomtatasokLogic menu(game, translator);
    menu.SetJerseyLookup([](const QString &, QString *error) {
        *error = QStringLiteral("GetJatekosDateFromWebID");
        return 0;
    });
    menu.Select(QStringLiteral("rbULEBDobasterkep"));
    std::vector<TReportDocument> docs;
    menu.Ok(docs);
    EXPECT_EQ(menu.Messages(), QStringList({QStringLiteral("GetJatekosDateFromWebID"),
                                            QStringLiteral("GetJatekosDateFromWebID")}));
}

TEST_F(ChartsMenu, TheScopeListRefillsThePlayerList)
{
    TfrmNyomtatasok dialog(game, translator);
    auto *scope = dialog.findChild<QComboBox *>(QStringLiteral("cbDobasterkepMain"));
    auto *players = dialog.findChild<QComboBox *>(QStringLiteral("cbDobasterkepDetaild"));
    ASSERT_NE(scope, nullptr);
    ASSERT_NE(players, nullptr);
    EXPECT_EQ(players->count(), 1);
    scope->setCurrentIndex(2);
    EXPECT_EQ(dialog.Logic().Scope(), 2);
    ASSERT_EQ(players->count(), 5);
    EXPECT_EQ(players->currentIndex(), 0);
    EXPECT_NE(players->findText(QStringLiteral("LAKATOS Zsolt")), -1);
    EXPECT_EQ(players->findText(QStringLiteral("KOVACS Janos")), -1);
    scope->setCurrentIndex(0);
    EXPECT_EQ(players->count(), 1);
}

} // namespace
