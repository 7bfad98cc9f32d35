#include "BoxScoreFixture.h"

#include "model/game/TTeam.h"
#include "model/output/TNameOrder.h"

namespace {

const QString Home = QStringLiteral("sbHazaiCsapat");
const QString Away = QStringLiteral("sbVendegCsapat");
const QString HomeTotal = QStringLiteral("sbCsapat1Osszesen");

class BoxScore : public BoxScoreFixture
{
};

TEST(BoxScoreFormat, ZeroAsDotReplacesOnlyTextsOfZerosAndSlashes)
{
    struct Case
    {
        const char *In;
        bool AllZero;
        const char *Out;
    };
    const Case cases[] = {
        {"0", true, "."},    {"00", true, ".."},    {"0/", true, "./"},  {"0/0", true, "./."},
        {"10", false, "10"}, {"0/3", false, "0/3"}, {"-1", false, "-1"}, {"", true, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(TqrULEBTeamResults::IsAllZero(QLatin1String(c.In)), c.AllZero) << c.In;
        EXPECT_EQ(TqrULEBTeamResults::FormatZeroAsDot(QLatin1String(c.In), QStringLiteral(".")),
                  QLatin1String(c.Out))
            << c.In;
    }
}

TEST_F(BoxScore, AGameWithoutEventsPrintsDotsEmptyRatiosAndNoRunningScore)
{
    roster(10);
    const TReportDocument doc = build();
    EXPECT_TRUE(named(doc, QStringLiteral("lblMerkozes")).endsWith(QLatin1String(" 0-0")));
    EXPECT_EQ(named(doc, QStringLiteral("lblPlayed")), "00:00");
    EXPECT_EQ(named(doc, QStringLiteral("lblMerkozesNegyedek")), "(0-0, 0-0, 0-0, 0-0)");
    for (int n = 5; n <= 40; n += 5) {
        EXPECT_EQ(named(doc, QStringLiteral("lblHazai%1perc").arg(n)), "") << n;
        EXPECT_EQ(named(doc, QStringLiteral("lblVendeg%1perc").arg(n)), "") << n;
    }
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiHosszabbitas")), "");

    const int line = lineOfJersey(doc, Home, 4);
    for (const char *name : {"Pont", "2-pointers %", "3-pointers %", "Rebs. T", "Foults F", "SzL", "VAL"})
        EXPECT_EQ(text(doc, Home, line, QLatin1String(name)), ".") << name;
    EXPECT_EQ(text(doc, Home, line, QStringLiteral("FG M")), "./");
    EXPECT_EQ(text(doc, Home, line, QStringLiteral("FG A")), ".");
    EXPECT_EQ(text(doc, Home, line, QStringLiteral("Perc")), "00:00");
    // Every ratio divides by zero: empty cells.
    for (const char *name : {"AS/TO", "ST/TO", "PF/FD"})
        EXPECT_EQ(text(doc, Home, 0, QLatin1String(name)), "") << name;
    for (int r : {1, 2, 3})
        EXPECT_EQ(text(doc, Home, r, QStringLiteral("PanelValue")), "") << r;
    for (const char *name : {"Pts%", "FG%", "Rebs%", "Min%"}) {
        EXPECT_EQ(text(doc, Home, 6, QLatin1String(name)), "") << name;
        EXPECT_EQ(text(doc, Home, 9, QLatin1String(name)), "") << name;
    }
    EXPECT_EQ(text(doc, Home, 6, QStringLiteral("Pts")), "0");
    // The total line prints its points plainly.
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("Pont")), "0");
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("SzL")), ".");
}

TEST_F(BoxScore, TablesHaveThirteenLinesAtLeastAndOneLinePerPlayerBeyond)
{
    roster(10);
    // Three more on the home bench make seven players; eleven more on the away bench make fifteen.
    QString more;
    for (int i = 0; i < 3; ++i)
        more += QStringLiteral("player home id=%1 webid=H%1 jersey=%2 name=\"HOME Extra%3\" bench\n")
                    .arg(30 + i)
                    .arg(40 + i)
                    .arg(i);
    for (int i = 0; i < 11; ++i)
        more += QStringLiteral("player away id=%1 webid=A%1 jersey=%2 name=\"AWAY Extra%3\" bench\n")
                    .arg(50 + i)
                    .arg(60 + i)
                    .arg(i);
    run(more);
    const TReportDocument doc = build();

    const QList<const TReportLine *> home = doc.Lines(Home);
    ASSERT_EQ(home.size(), 13);
    for (int r = 0; r < 13; ++r) {
        const bool filler = r >= 8;
        EXPECT_EQ(text(doc, Home, r, QStringLiteral("Nev")).isEmpty(), filler) << r;
        EXPECT_EQ(text(doc, Home, r, QStringLiteral("Perc")).isEmpty(), filler) << r;
    }
    // The side panel goes on beside the filler rows.
    EXPECT_EQ(text(doc, Home, 12, QStringLiteral("PanelLabel")), "2nd chance pts.");

    const QList<const TReportLine *> away = doc.Lines(Away);
    ASSERT_EQ(away.size(), 16);
    for (int r = 0; r < 16; ++r)
        EXPECT_FALSE(text(doc, Away, r, QStringLiteral("Nev")).isEmpty()) << r;
    EXPECT_EQ(text(doc, Away, 12, QStringLiteral("PanelLabel")), "2nd chance pts.");
    for (int r = 13; r < 16; ++r)
        for (const TReportCell &c : away[r]->Cells)
            EXPECT_FALSE(c.Place.x() >= 200 && !c.Text.isEmpty())
                << "line " << r << " " << c.Name.toStdString();
}

TEST_F(BoxScore, RowsPutTheTeamLineFirstAndSortKeysCaseInsensitively)
{
    roster(10);
    run(QStringLiteral("player home id=19 webid=H19 jersey=3 name=\"abel Kis\" bench"));
    struct Case
    {
        bool ByName;
        QList<int> Jerseys;
    };
    // By jersey "03" < "04" < "07" < "10" < "15"; by name "abel" sorts among the capitals.
    const Case cases[] = {{false, {3, 4, 7, 10, 15}}, {true, {3, 15, 10, 4, 7}}};
    for (const Case &c : cases) {
        const QList<TBoxScoreRow> rows =
            TBoxScoreRows::Build(game.HomeTeam(), c.ByName, TNameOrder(TEdition::Hungarian));
        ASSERT_EQ(rows.size(), 13);
        ASSERT_TRUE(rows[0].Record.has_value());
        EXPECT_EQ(rows[0].Key, QLatin1Char(' ') + game.HomeTeam().TeamLine.JatekosNev);
        QList<int> jerseys;
        for (int i = 1; i < rows.size() && rows[i].Record; ++i)
            jerseys.append(rows[i].Record->JatekosMezSzam);
        EXPECT_EQ(jerseys, c.Jerseys) << (c.ByName ? "by name" : "by jersey");
        EXPECT_EQ(rows.last().Key, "ZZZZZ");
        EXPECT_FALSE(rows.last().Record.has_value());
    }
}

// Accents and the Hungarian double letters: KÁDÁR before KOVÁCS everywhere,
// CZ before CS only in the Hungarian alphabet.
TEST_F(BoxScore, NamesSortInTheAlphabetOfTheEditionsLanguage)
{
    roster(10);
    run(QStringLiteral("player home id=21 webid=H21 jersey=21 name=\"KOVÁCS Ödön\" bench\n"
                       "player home id=22 webid=H22 jersey=22 name=\"KÁDÁR Béla\" bench\n"
                       "player home id=23 webid=H23 jersey=23 name=\"CSONKA Pál\" bench\n"
                       "player home id=24 webid=H24 jersey=24 name=\"CZAKÓ Ede\" bench"));
    const struct
    {
        TEdition Edition;
        QList<int> Jerseys;
    } cases[] = {{TEdition::Hungarian, {24, 23, 22, 21}}, {TEdition::English, {23, 24, 22, 21}}};
    for (const auto &c : cases) {
        QList<int> jerseys;
        for (const TBoxScoreRow &row : TBoxScoreRows::Build(game.HomeTeam(), true, TNameOrder(c.Edition)))
            if (row.Record && row.Record->JatekosMezSzam > 20)
                jerseys.append(row.Record->JatekosMezSzam);
        EXPECT_EQ(jerseys, c.Jerseys) << TSettings::EditionId(c.Edition).toStdString();
    }
}

TEST_F(BoxScore, TwelveMinutePeriodsStepBySixMinutesAndFillOnlyReachedColumns)
{
    roster(12);
    clockTo(24);
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30")); // clock 25: after 6'
    clockTo(48);
    const TReportDocument doc = build();
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(named(doc, QStringLiteral("lblPerc%1").arg(5 * i)), QStringLiteral("%1'").arg(6 * i)) << i;
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai5perc")), "0");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai10perc")), "2");
    EXPECT_EQ(named(doc, QStringLiteral("lblVendeg10perc")), "0");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai15perc")), "");
}

TEST_F(BoxScore, LeaderAndBothOnATieAreBold)
{
    roster(10);
    run(QStringLiteral("tick\ntick\nselect home 4\nshot home made close 120 30")); // clock 2
    clockTo(21);
    run(QStringLiteral("select away 5\nshot away made three 30 200"));
    clockTo(60);
    run(QStringLiteral("select home 7\nshot home made freethrow"));
    clockTo(80);
    const TReportDocument doc = build();
    struct Case
    {
        int Column;
        const char *Home;
        bool HomeBold;
        const char *Away;
        bool AwayBold;
    };
    const Case cases[] = {
        {5, "2", true, "0", false}, {10, "2", false, "3", true}, {15, "3", true, "3", true},
        {20, "3", true, "3", true}, {25, "", true, "", true},
    };
    for (const Case &c : cases) {
        const TReportCell *h = doc.Find(QStringLiteral("lblHazai%1perc").arg(c.Column));
        const TReportCell *a = doc.Find(QStringLiteral("lblVendeg%1perc").arg(c.Column));
        ASSERT_TRUE(h && a);
        EXPECT_EQ(h->Text, QLatin1String(c.Home)) << c.Column;
        EXPECT_EQ(h->Bold, c.HomeBold) << c.Column;
        EXPECT_EQ(a->Text, QLatin1String(c.Away)) << c.Column;
        EXPECT_EQ(a->Bold, c.AwayBold) << c.Column;
    }
}

TEST_F(BoxScore, FiveMinutePeriodsFillTwoColumnsAndListEachOvertime)
{
    roster(5);
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30"));
    clockTo(41); // the first step of the two-minute overtime
    run(QStringLiteral("select away 5\nshot away made three 30 200"));
    const TReportDocument doc = build();
    EXPECT_EQ(game.Period, 3);
    EXPECT_EQ(named(doc, QStringLiteral("lblMerkozesNegyedek")), "(2-0, 0-0, 0-3)");
    EXPECT_EQ(named(doc, QStringLiteral("lblPerc10")), "10'");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai5perc")), "2");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai10perc")), "2");
    for (int n = 15; n <= 40; n += 5)
        EXPECT_EQ(named(doc, QStringLiteral("lblHazai%1perc").arg(n)), "") << n;
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiHosszabbitas")), "2");
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegHosszabbitas")), "3");
    EXPECT_FALSE(doc.Find(QStringLiteral("lblHazaiHosszabbitas"))->Bold);
    EXPECT_TRUE(doc.Find(QStringLiteral("lblVendegHosszabbitas"))->Bold);
}

TEST_F(BoxScore, FourPeriodsAndOneOvertimeGiveFivePeriodEntries)
{
    roster(10);
    run(QStringLiteral("tick\nselect home 4\nshot home made mid 88 120"));
    clockTo(165);
    run(QStringLiteral("select away 5\nshot away made freethrow"));
    const TReportDocument doc = build();
    ASSERT_EQ(game.Period, 5);
    EXPECT_EQ(named(doc, QStringLiteral("lblMerkozesNegyedek")), "(2-0, 0-0, 0-0, 0-0, 0-1)");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai40perc")), "2");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiHosszabbitas")), "2");
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegHosszabbitas")), "1");
}

TEST_F(BoxScore, APairWithAttemptsKeepsItsZeroAndAnEmptyPairIsDotted)
{
    roster(10);
    run(QStringLiteral("tick\nselect away 5\nshot away missed three 30 200\nshot away missed three 30 200\n"
                       "shot away missed three 30 200"));
    const TReportDocument doc = build();
    const int line = lineOfJersey(doc, Away, 5);
    struct Case
    {
        const char *Group;
        const char *Made;
        const char *Attempts;
        const char *Percent;
    };
    const Case cases[] = {
        {"3-pointers", "0/", "3", "."}, {"FG", "0/", "3", "."}, {"2-pointers", "./", ".", "."}};
    for (const Case &c : cases) {
        const QString g = QLatin1String(c.Group);
        EXPECT_EQ(text(doc, Away, line, g + QStringLiteral(" M")), QLatin1String(c.Made)) << c.Group;
        EXPECT_EQ(text(doc, Away, line, g + QStringLiteral(" A")), QLatin1String(c.Attempts)) << c.Group;
        EXPECT_EQ(text(doc, Away, line, g + QStringLiteral(" %")), QLatin1String(c.Percent)) << c.Group;
    }
    EXPECT_EQ(text(doc, Away, line, QStringLiteral("Mez")), "5");
}

TEST_F(BoxScore, TheHungarianEditionPrintsTheStoredValuationTheOthersTheIndex)
{
    roster(10);
    // Two points and one personal foul: the index is 1, the stored valuation 2.
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30\nevent home 1008\ntype home 2"));
    struct Case
    {
        const char *Version;
        const char *Player;
        const char *Team;
    };
    const Case cases[] = {{"HUN", "2", "2"}, {"ENG", "1", "1"}, {"HEB", "1", "1"}};
    for (const Case &c : cases) {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(c.Version));
        const TReportDocument doc = build();
        EXPECT_EQ(text(doc, Home, lineOfJersey(doc, Home, 4), QStringLiteral("VAL")), QLatin1String(c.Player))
            << c.Version;
        EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("VAL")), QLatin1String(c.Team)) << c.Version;
    }
}

TEST_F(BoxScore, SidePanelRatiosAndStarterBenchValues)
{
    roster(10);
    run(QStringLiteral("tick\ntick\ntick\ntick\nselect home 4\n"
                       "event home 1004\nevent home 1004\nevent home 1004\n"
                       "event home 1007\ntype home 1\nevent home 1007\ntype home 1\n"
                       "event home 1002\nevent home 1008\ntype home 2\nevent home 1003\nevent home 1003\n"
                       "shot home made close 120 30\n"
                       "select home 7\nevent home 1006\nevent home 1001\nevent home 1001\nevent home 1001\n"
                       "select away 5\nevent away 1001\n"
                       "sub home 4 15\ntick\ntick\ntick\ntick\n"
                       "select home 15\nshot home made three 20 200\nshot home missed freethrow"));
    const TReportDocument doc = build();
    EXPECT_EQ(text(doc, Home, 0, QStringLiteral("AS/TO")), "1.50");
    EXPECT_EQ(text(doc, Home, 0, QStringLiteral("ST/TO")), "0.50");
    EXPECT_FALSE(cell(doc, Home, 0, QStringLiteral("ST/TO")).Bold);
    EXPECT_EQ(text(doc, Home, 0, QStringLiteral("PF/FD")), "0.50");
    EXPECT_EQ(text(doc, Home, 1, QStringLiteral("PanelValue")), "50%");  // 1 / (1 + 1)
    EXPECT_EQ(text(doc, Home, 2, QStringLiteral("PanelValue")), "100%"); // 3 / (3 + 0)
    EXPECT_EQ(text(doc, Home, 3, QStringLiteral("PanelValue")), "80%");  // 4 / (4 + 1)
    EXPECT_EQ(text(doc, Away, 0, QStringLiteral("AS/TO")), "");
    EXPECT_EQ(text(doc, Away, 1, QStringLiteral("PanelValue")), "0%"); // 0 / (0 + 3)

    // Starters 4, 7, 10 and the bench's 15, who played the last four steps for 4.
    struct Case
    {
        int Line;
        const char *Values[6];
    };
    const Case cases[] = {{6, {"2", "40.0", "100.0", "4", "100.0", "83.3"}},
                          {9, {"3", "60.0", "50.0", "0", "0.0", "16.7"}}};
    const char *headings[] = {"Pts", "Pts%", "FG%", "Rebs", "Rebs%", "Min%"};
    for (const Case &c : cases)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(text(doc, Home, c.Line, QLatin1String(headings[i])), QLatin1String(c.Values[i]))
                << "line " << c.Line << " " << headings[i];
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("PanelValue")), "2"); // one close shot in the paint
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("Perc")), "06:00");   // 4 + 8 + 8 + 4 quarter-minutes
}

TEST_F(BoxScore, TimesPrintMinutesAndSecondsWithThreeDigitsPastNinetyNine)
{
    roster(10);
    const TNameOrder names(TEdition::Hungarian);
    QList<TBoxScoreRow> home = TBoxScoreRows::Build(game.HomeTeam(), false, names);
    const QList<TBoxScoreRow> away = TBoxScoreRows::Build(game.AwayTeam(), false, names);
    home[1].Record->PlayingTime = 37;
    for (int r : {2, 3, 4})
        home[r].Record->PlayingTime = 254; // with 37 and the team line's 1: 800
    home[0].Record->PlayingTime = 1;
    TqrULEBTeamResults report(game, translator);
    report.SetRows(home, away);
    const TReportDocument doc = report.Build();
    EXPECT_EQ(text(doc, Home, 1, QStringLiteral("Perc")), "09:15");
    EXPECT_EQ(text(doc, Home, 2, QStringLiteral("Perc")), "63:30");
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("Perc")), "200:00");
    EXPECT_EQ(text(doc, QStringLiteral("QRStringsBand3"), 2, QStringLiteral("Perc")), "200:00");
}

TEST_F(BoxScore, HeaderLines)
{
    roster(10);
    game.HomeTeam().Data.EgyesuletNev = QString(70, QLatin1Char('H'));
    game.AwayTeam().Data.EgyesuletNev = QString(70, QLatin1Char('A'));
    const QString title = named(build(), QStringLiteral("lblMerkozes"));
    EXPECT_EQ(title, (QString(70, QLatin1Char('H')) + QStringLiteral(" - ") + QString(51, QLatin1Char('A'))) +
                         QStringLiteral(" 0-0"));

    struct Case
    {
        const char *R1, *R2, *R3, *Line;
    };
    // The caption and the names keep a space; a referee left out leaves no comma.
    const Case cases[] = {{"Kiss", "Nagy", "Szabo", "Referees: Kiss, Nagy, Szabo"},
                          {"", "Nagy", "", "Referees: Nagy"},
                          {"  ", "", "Szabo", "Referees: Szabo"},
                          {"Kiss", "", "", "Referees: Kiss"},
                          {"", "", "", "Referees:"}};
    for (const Case &c : cases) {
        game.Referee1 = QLatin1String(c.R1);
        game.Referee2 = QLatin1String(c.R2);
        game.Referee3 = QLatin1String(c.R3);
        EXPECT_EQ(named(build(), QStringLiteral("lblMerkozesBirok")), QLatin1String(c.Line));
    }
    for (const int attendance : {0, 850}) {
        game.Attendance = attendance;
        const TReportDocument doc = build();
        EXPECT_EQ(named(doc, QStringLiteral("lblSpectators")),
                  attendance ? QStringLiteral("850") : QString());
        EXPECT_EQ(named(doc, QStringLiteral("lblSpectatorsCaption")).isEmpty(), attendance == 0);
    }
}

TEST_F(BoxScore, BuildingLeavesTheModelAsItWas)
{
    roster(10);
    run(QStringLiteral("tick\nselect home 4\nshot home made close 120 30\nselect away 5\nevent away 1001"));
    auto records = [this] {
        QList<TPlayer> all;
        for (const TTeam *team :
             {static_cast<const TTeam *>(&game.HomeTeam()), static_cast<const TTeam *>(&game.AwayTeam())}) {
            all.append(team->TeamLine);
            all.append(team->TotalsAsPlayer());
            for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
                for (int i = 0; i < list->Count(); ++i)
                    all.append(*list->At(i));
        }
        return all;
    };
    const QList<TPlayer> before = records();
    const int events = game.AllEvents.Count();
    build();
    EXPECT_EQ(records(), before);
    EXPECT_EQ(game.AllEvents.Count(), events);
}

TEST_F(BoxScore, EveryCaptionPassesThroughTheTranslatorAsAReportText)
{
    roster(10);
    TMarkingTranslator marking;
    marking.Prefix = QStringLiteral("#");
    const TReportDocument doc = TqrULEBTeamResults(game, marking).Build();
    EXPECT_EQ(text(doc, QStringLiteral("QRStringsBand4"), 1, QStringLiteral("Pont")), "#Pont");
    EXPECT_EQ(text(doc, HomeTotal, 0, QStringLiteral("Nev")), "#Total");
    EXPECT_EQ(text(doc, Home, 5, QStringLiteral("Pts%")), "#Pts%");
    EXPECT_TRUE(named(doc, QStringLiteral("lblMerkozesBirok")).startsWith(QLatin1String("#Referees:")));
    // The dot is a translated text too; names and numbers are not.
    EXPECT_EQ(text(doc, Home, lineOfJersey(doc, Home, 4), QStringLiteral("Pont")), "#.");
    EXPECT_EQ(text(doc, Home, lineOfJersey(doc, Home, 4), QStringLiteral("Nev")), "KOVACS Janos");
    ASSERT_FALSE(marking.Seen.isEmpty());
    for (const QString &seen : marking.Seen)
        EXPECT_TRUE(seen.startsWith(QLatin1String("PRINT:"))) << seen.toStdString();
}

} // namespace

namespace {

TEST_F(BoxScore, MaximaAreKeptPerStatisticOverTheTeamsPlayers)
{
    roster(10);
    run(QStringLiteral("tick\nselect home 4\nshot home made three 20 200\n"
                       "select home 7\nshot home made close 120 30\nshot home made mid 88 120\n"
                       "shot home missed close 120 30\n"
                       "select home 10\nevent home 1001\nevent home 1001\nshot home made freethrow\n"
                       "shot home missed freethrow"));
    TBoxScoreMaxima expected;
    expected.Points = 4;             // 7
    expected.TwoMade = 2;            // 7
    expected.TwoPercent = 67;        // 7: 2 of 3
    expected.ThreeMade = 1;          // 4
    expected.ThreePercent = 100;     // 4
    expected.FieldGoalsMade = 2;     // 7
    expected.FieldGoalPercent = 100; // 4: 1 of 1
    expected.FreeThrowsMade = 1;     // 10
    expected.FreeThrowPercent = 50;  // 10
    expected.DefRebounds = 2;        // 10
    expected.Rebounds = 2;
    expected.PerformanceIndex = 3; // 4: 3; 7: 4 - 1; 10: 1 + 2 - 1
    EXPECT_EQ(TBoxScoreRows::Maxima(game.HomeTeam(), TEdition::English), expected);

    // Every away player behind in plus-minus: the best of them, not zero.
    int value = -1;
    for (const TPlayerList *list : {&game.AwayTeam().OnCourt, &game.AwayTeam().Bench})
        for (int i = 0; i < list->Count(); ++i)
            PlayerStats::SetExtra(*list->At(i), QStringLiteral("INDEX"), QString::number(value -= 2));
    EXPECT_EQ(TBoxScoreRows::Maxima(game.AwayTeam(), TEdition::English).PlusMinus, -3);
}

} // namespace

TEST_F(BoxScore, FooterPrintsThePeriodScoresTheOperatorConfirmed)
{
    roster(5);
    run(QStringLiteral("tick\nselect home 4\nshot home made three 15 180"));
    EXPECT_EQ(named(build(), QStringLiteral("lblEredmenyek")), QString());
    clockTo(20);
    run(QStringLiteral("confirm 1\nselect away 5\nshot away made close 118 36"));
    clockTo(40);
    run(QStringLiteral("confirm 2"));
    EXPECT_EQ(named(build(), QStringLiteral("lblEredmenyek")),
              QStringLiteral("Score confirmed: 1. felido 3-0, 2. felido 3-2"));
}
