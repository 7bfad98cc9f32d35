#include "ScreenFixture.h"
#include "desktop/court/TScreenPainter.h"

#include <functional>

// Team panels, score, fouls, the passive and Active AI labels on the screen.
class Panels : public ScreenFixture
{
protected:
    const TScreenItem &item(const QString &name) const { return *screen.Items().Find(name); }
    QPoint region(int number) const
    {
        const THotRegion &r = screen.HotRegions().At(number);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(Panels, RowsShowTheRostersAndTheScoreIsAPlainNumberFromTheStart)
{
    OpenGame({}, false);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatNev1")), QStringLiteral("Home Team"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatNev2")), QStringLiteral("Away Team"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatEredmeny1")), QStringLiteral("0"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1MezSzam_1")), QStringLiteral("4"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1JatekosNev_3")), QStringLiteral("FARKAS Mate"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat2JatekosNev_6")), QStringLiteral("LAKATOS Zsolt"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat2JatekosNev_7")), QString());
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblCsapat1MezSzam_4")), nullptr);
    // After a refresh the score is a plain number.
    run(QStringLiteral("tick"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatEredmeny2")), QStringLiteral("0"));
    select(1, 4);
    homeClick({501, 355});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapatEredmeny1")), QStringLiteral("2"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1P_1")), QStringLiteral("2"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat1CsapatP")), QStringLiteral("2"));
}

TEST_F(Panels, RowHotRegionsFollowTheNameLabels)
{
    OpenGame();
    const THotRegions &r = screen.HotRegions();
    EXPECT_EQ(r.At(50).Name, QStringLiteral("lblCsapat1JatekosNev_1"));
    EXPECT_EQ(r.At(50).Left, 16);
    EXPECT_EQ(r.At(50).Right, 36 + 266);
    EXPECT_EQ(r.At(50).Top, 306);
    EXPECT_EQ(r.At(53).Name, QStringLiteral("lblCsapat1JatekosNev_6"));
    EXPECT_EQ(r.At(53).Left, 15);
    EXPECT_EQ(r.At(53).Right, 36 + 208);
    EXPECT_EQ(r.At(53).Top, 307 + 18 * 6);
    EXPECT_EQ(r.At(63).Name, QStringLiteral("lblCsapat1CsapatP"));
    EXPECT_EQ(r.At(63).Left, 135);
    EXPECT_EQ(r.At(63).Right, 340);
    EXPECT_EQ(r.At(63).Top, 600);
    EXPECT_EQ(r.At(64).Type, THotRegion::None);
}

TEST_F(Panels, HighlightShowsTheSelection)
{
    OpenGame();
    select(1, 7);
    const int row = rowOf(1, 7);
    for (const QString &column : TScreenLayout::RowColumns()) {
        const TScreenItem &l = item(TScreenLayout::RowLabel(1, column, row));
        EXPECT_EQ(l.Color, TCourtScreen::Orange) << column.toStdString();
        EXPECT_EQ(l.Bold, column == QLatin1String("MezSzam") || column == QLatin1String("JatekosNev"))
            << column.toStdString();
    }
    select(1, 4);
    EXPECT_EQ(item(TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row)).Color, TCourtScreen::Black);
    EXPECT_FALSE(item(TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row)).Bold);
    // The team row: its six labels turn orange, the player rows go back to black.
    homeClick(item(QStringLiteral("lblCsapat1CsapatP")).Rect.center());
    for (const QString &column : TScreenLayout::TeamRowColumns())
        EXPECT_EQ(item(TScreenLayout::TeamRowLabel(1, column)).Color, TCourtScreen::Orange);
    EXPECT_EQ(item(QStringLiteral("lblCsapat1JatekosNev_1")).Color, TCourtScreen::Black);
    screen.ClearHighlight(1);
    EXPECT_EQ(item(QStringLiteral("lblCsapat1CsapatIBM")).Color, TCourtScreen::Black);
}

TEST_F(Panels, TeamRowThenAButtonRecordsATeamEvent)
{
    OpenGame();
    awayClick(item(QStringLiteral("lblCsapat2CsapatL")).Rect.center());
    const int before = mark();
    awayClick(centreOf(QStringLiteral("imgVedoCsapat2")));
    ASSERT_EQ(kindsSince(before), QList<int>{Kind::DefensiveRebound});
    EXPECT_EQ(lastEvent(Kind::DefensiveRebound)->Side, Side::AwayTeam);
    EXPECT_EQ(game.AwayTeam().TeamLine.DefRebounds, 1);
}

TEST_F(Panels, EmptyRowsDoNothing)
{
    OpenGame();
    select(2, 5);
    awayClick(item(QStringLiteral("lblCsapat2JatekosNev_8")).Rect.center());
    EXPECT_EQ(game.AwayTeam().ActivePlayer()->JatekosMezSzam, 5);
    EXPECT_EQ(game.AwayTeam().Bench.Count(), 1);
}

TEST_F(Panels, BenchRowClickSubstitutesWithTheSerialMouse)
{
    OpenGame();
    select(2, 8);
    const int before = mark();
    awayClick(item(QStringLiteral("lblCsapat2P_6")).Rect.center());
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Substitution});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblCsapat2MezSzam_6")), QStringLiteral("8"));
    EXPECT_EQ(game.AwayTeam().ActivePlayer(), nullptr);
    // Without a selected player a bench row does nothing.
    awayClick(item(QStringLiteral("lblCsapat2P_6")).Rect.center());
    EXPECT_EQ(kindsSince(before).size(), 1);
}

TEST_F(Panels, VariableColumnCyclesThroughTenHeaders)
{
    OpenGame();
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblVariableHomeTeam1")), QStringLiteral("Perc"));
    homeClick(region(25));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblVariableHomeTeam1")), QStringLiteral("H"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblVariableHomeTeam2")), QStringLiteral("H"));
    for (int i = 0; i < 9; ++i)
        homeClick(region(26));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblVariableHomeTeam2")), QStringLiteral("Perc"));
    EXPECT_EQ(game.HomeTeam().VariableColumn, 0);

    for (int i = 0; i < 10; ++i)
        awayClick(centreOf(QStringLiteral("lblVariableAwayTeam2")));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblVariableAwayTeam1")), QStringLiteral("Perc"));
    // 37 quarter-minutes played read 09:15.
    player(2, 5).PlayingTime = 37;
    game.AwayTeam().KepernyoMezokFeltoltese(screen);
    EXPECT_EQ(screen.ItemText(TScreenLayout::RowLabel(2, QStringLiteral("Variable"), rowOf(2, 5))),
              QStringLiteral("09:15"));
}

TEST_F(Panels, FieldGoalPercentageLeavesFreeThrowsOut)
{
    OpenGame();
    select(1, 10);
    homeClick({375, 480}); // a made free throw
    EXPECT_EQ(screen.ItemText(TScreenLayout::RowLabel(1, QStringLiteral("D"), rowOf(1, 10))),
              QStringLiteral("0"));
    homeClick({501, 355});
    homeClick({501, 355}, TCourtScreen::RightButton);
    homeClick({501, 355}, TCourtScreen::RightButton);
    EXPECT_EQ(screen.ItemText(TScreenLayout::RowLabel(1, QStringLiteral("D"), rowOf(1, 10))),
              QStringLiteral("33"));
}

TEST_F(Panels, SixTeamFoulsLightAllFiveLamps)
{
    OpenGame();
    select(2, 5);
    for (int i = 0; i < 6; ++i)
        awayClick(centreOf(QStringLiteral("imgFoultCsapat2")));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(screen.ItemVisible(QStringLiteral("imgAwayTeamFoul%1").arg(i))) << i;
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("imgHomeTeamFoul1")));
}

TEST_F(Panels, PassiveLabelsCompareThePairs)
{
    OpenGame();
    run(QStringLiteral(R"(
teammode home
event home 1002
event home 1002
event home 1002
event home 1002
event home 1002
event home 1007
event home 1007
event home 1007
teammode away
event away 1007
event away 1007
event away 1007
event away 1007
event away 1002
event away 1002
event away 1002
)"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI1Home")), QStringLiteral("1 ST"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI1Away")), QStringLiteral("-1 TO"));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblPassiveAI1Home")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblPassiveAI2Home")));
    select(1, 4);
    homeClick(region(10)); // a home block
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI3Home")), QStringLiteral("1 BS"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI3Away")), QStringLiteral("-1 SR"));
}

TEST_F(Panels, PassiveLineHiddenBySetting)
{
    OpenGame(QStringLiteral("PASSIVE_AI_1_VISIBLE=NO"));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblPassiveAI1")));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("lblPassiveAI2")));
    EXPECT_EQ(screen.Items().Find(QStringLiteral("lblPassiveAI2"))->Color, 0xfffffbf1u);
    run(QStringLiteral("teammode home\nevent home 1002"));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPassiveAI1Home")), QStringLiteral("1 ST"));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("lblPassiveAI1Home")));
}

TEST_F(Panels, ActiveAIFramesAfterAMissedShot)
{
    OpenGame();
    EXPECT_EQ(screen.ActiveAITimer().interval(), 3000);
    select(1, 4);
    homeClick({501, 355}, TCourtScreen::RightButton);
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("shActiveAIVedoCsapat2")));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("shActiveAITamadoCsapat1")));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("shActiveAIVedoCsapat1")));
    EXPECT_TRUE(screen.ActiveAITimer().isActive());
    // A steal lights the other team's turnover button instead.
    homeClick(region(3));
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("shActiveAIVedoCsapat2")));
    EXPECT_TRUE(screen.ItemVisible(QStringLiteral("shActiveAIEladottCsapat2")));
    screen.ClearActiveAI();
    EXPECT_FALSE(screen.ItemVisible(QStringLiteral("shActiveAIEladottCsapat2")));
    EXPECT_FALSE(screen.ActiveAITimer().isActive());
}

TEST_F(Panels, ActiveAIFramesDoNotBlockTheButtons)
{
    OpenGame();
    screen.LightActiveAI(21, 1);
    ASSERT_TRUE(screen.ItemVisible(QStringLiteral("shActiveAIEladottCsapat2")));
    select(2, 5);
    const int before = mark();
    awayClick(centreOf(QStringLiteral("imgLabdaeladasAwayTeam")));
    EXPECT_EQ(kindsSince(before), QList<int>{Kind::Turnover});
}

TEST_F(Panels, PlayedMinutesOfBothPanelsFollowEveryClockStep)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    const auto played = [](int units) {
        return QStringLiteral("%1:%2")
            .arg(units / 4, 2, 10, QLatin1Char('0'))
            .arg(units % 4 * 15, 2, 10, QLatin1Char('0'));
    };
    const struct
    {
        const char *step;
        std::function<void()> act;
    } steps[] = {
        {"away +15 s button", [&] { awayClick(centreOf(QStringLiteral("imgAwayAddTime"))); }},
        {"away minute button", [&] { awayClick(centreOf(QStringLiteral("imgIdoCsapat2"))); }},
        {"F4", [&] { key(TKeyboardMap::F4); }},
        {"F3", [&] { key(TKeyboardMap::F3); }},
        {"home +15 s button", [&] { homeClick(centreOf(QStringLiteral("imgHomeAddTime"))); }},
    };
    for (const auto &s : steps) {
        const int clockBefore = game.Clock;
        s.act();
        ASSERT_GT(game.Clock, clockBefore) << s.step;
        for (int side = 1; side <= 2; ++side) {
            for (int row = 1; row <= 3; ++row) {
                const int jersey =
                    screen.ItemText(TScreenLayout::RowLabel(side, QStringLiteral("MezSzam"), row)).toInt();
                EXPECT_EQ(screen.ItemText(TScreenLayout::RowLabel(side, QStringLiteral("Variable"), row)),
                          played(player(side, jersey).PlayingTime))
                    << s.step << ", side " << side << ", row " << row;
            }
        }
    }
}

TEST_F(Panels, HeadersStayInsideThePanelsInBothLanguages)
{
    OpenGame();
    const QStringList languages[] = {
        {"M.", "Játékos", "P.", "D%", "L.", "A.", "F.", "IBM", "Perc"},
        {"No.", "Player", "P", "FG", "R", "A", "F", "Val", "Min"},
    };
    for (const QStringList &captions : languages) {
        for (int side = 1; side <= 2; ++side) {
            const double panelLeft = side == 1 ? 15 : 718;
            const double panelRight = side == 1 ? 286 : 988;
            const QString word = side == 1 ? QStringLiteral("HomeTeam") : QStringLiteral("AwayTeam");
            for (int block = 1; block <= 2; ++block) {
                double previousRight = panelLeft;
                for (int c = 0; c < captions.size(); ++c) {
                    const QString name =
                        c < 8 ? QStringLiteral("lbl%1Header%2_%3").arg(word).arg(block).arg(c + 1)
                              : QStringLiteral("lblVariable%1%2").arg(word).arg(block);
                    screen.SetItemText(name, captions[c]);
                    const QRectF span = TScreenPainter::TextSpan(item(name));
                    EXPECT_GE(span.left(), previousRight)
                        << name.toStdString() << " " << captions[c].toStdString();
                    EXPECT_LE(span.right(), panelRight) << name.toStdString();
                    previousRight = span.right() + 2;
                }
            }
        }
    }
}

TEST_F(Panels, NumbersOfNeighbouringColumnsKeepAGap)
{
    OpenGame();
    // The widest values a column shows in a game.
    const QStringList widest = {"99", "100", "15", "12", "5", "-10", "10:00"};
    const QStringList columns = {"P", "D", "L", "A", "F", "IBM", "Variable"};
    for (int side = 1; side <= 2; ++side) {
        for (int row : {1, 6}) {
            double previousRight = 0;
            for (int c = 0; c < columns.size(); ++c) {
                const QString name = TScreenLayout::RowLabel(side, columns[c], row);
                screen.SetItemText(name, widest[c]);
                const QRectF span = TScreenPainter::TextSpan(item(name));
                // Points followed by a three-digit percentage read as one
                // number unless a space's width lies between them.
                const double least = c == 1 ? 5.0 : 3.0;
                if (c > 0) {
                    EXPECT_GE(span.left() - previousRight, least) << name.toStdString();
                }
                previousRight = span.right();
            }
        }
    }
}
