#include "BoxScoreFixture.h"

#include "model/game/TTeam.h"
#include "reports/variants/TLeagueBoxScore.h"
#include "reports/variants/TSponsorStrip.h"
#include "reports/variants/TVariantReports.h"
#include "reports/variants/TqrULEBBenchTeamResults.h"
#include "support/TestHome.h"

#include <QImage>

namespace {

const QString Home = QStringLiteral("sbHazaiCsapat");
const QString Away = QStringLiteral("sbVendegCsapat");
const QString HomeGroups = QStringLiteral("sbHomeQuerters");

// The image a sponsor strip cell shows; null when it shows none.
QImage stripImage(const TReportCell &cell)
{
    const auto *image = dynamic_cast<const TReportImage *>(cell.Picture.get());
    return image ? image->Image() : QImage();
}

class BoxScoreVariants : public BoxScoreFixture
{
protected:
    // Events are recorded once the clock runs.
    void SetUp() override
    {
        roster(10);
        run(QStringLiteral("tick"));
    }
    void edition(const char *version)
    {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(version));
    }
    // Made shots of one player: "three" scores 3, "close" 2.
    void score(const char *side, int jersey, const char *kind, int times)
    {
        run(QStringLiteral("select %1 %2").arg(QLatin1String(side)).arg(jersey));
        for (int i = 0; i < times; ++i)
            run(QStringLiteral("shot %1 made %2 60 60").arg(QLatin1String(side), QLatin1String(kind)));
    }
    TVariantReports variants() { return TVariantReports(game, translator); }
    // The value beside a label of the side panel in a band's line.
    static QString panelValue(const TReportDocument &doc, const QString &band, int line, const char *label)
    {
        EXPECT_EQ(text(doc, band, line, QStringLiteral("PanelLabel")), QLatin1String(label));
        return text(doc, band, line, QStringLiteral("PanelValue"));
    }
};

TEST(LeagueBoxScoreOrder, PlayersComeFirstThenTheTeamLineThenEmptyLines)
{
    struct Case
    {
        int Line, Players, Row;
    };
    const Case cases[] = {{0, 9, 1}, {8, 9, 9}, {9, 9, 0}, {10, 9, -1}, {12, 9, -1}, {0, 0, 0}, {1, 0, -1}};
    for (const Case &c : cases)
        EXPECT_EQ(TLeagueBoxScore::OrderedRowIndex(c.Line, c.Players), c.Row)
            << c.Line << " of " << c.Players;
}

TEST_F(BoxScoreVariants, ItalianMarksEveryBestValueButNoZeroAndListsNinePlayersBeforeTheTeam)
{
    edition("ITA");
    for (int i = 0; i < 5; ++i)
        run(QStringLiteral("player home id=%1 webid=H%1 jersey=%2 name=\"EXTRA %3\" bench")
                .arg(60 + i)
                .arg(30 + i)
                .arg(i));
    score("home", 4, "three", 4);
    score("home", 7, "three", 4);
    score("home", 10, "close", 1);
    const TReportDocument doc = variants().EditionBoxScore();
    ASSERT_EQ(doc.ReportClass, "TqrULEBTeamResultsItaly");

    const QList<const TReportLine *> lines = doc.Lines(Home);
    ASSERT_EQ(lines.size(), 13);
    for (int line = 0; line < 9; ++line)
        EXPECT_FALSE(text(doc, Home, line, QStringLiteral("Mez")).isEmpty()) << line;
    EXPECT_EQ(text(doc, Home, 9, QStringLiteral("Nev")), game.HomeTeam().TeamLine.JatekosNev);
    for (int line = 10; line < 13; ++line)
        EXPECT_EQ(text(doc, Home, line, QStringLiteral("Nev")), "") << line;

    const int four = lineOfJersey(doc, Home, 4), seven = lineOfJersey(doc, Home, 7),
              ten = lineOfJersey(doc, Home, 10);
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("Pst")), "12");
    EXPECT_TRUE(cell(doc, Home, four, QStringLiteral("Pst")).Underline);
    EXPECT_TRUE(cell(doc, Home, seven, QStringLiteral("Pst")).Underline);
    EXPECT_FALSE(cell(doc, Home, ten, QStringLiteral("Pst")).Underline);
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("3-pts M")), "4/4");
    EXPECT_TRUE(cell(doc, Home, four, QStringLiteral("3-pts M")).Underline);
    // Player 10's two-pointer is the team's best one; nobody rebounded.
    EXPECT_TRUE(cell(doc, Home, ten, QStringLiteral("2-pts M")).Underline);
    for (const int line : {four, seven, ten}) {
        EXPECT_EQ(text(doc, Home, line, QStringLiteral("Rebs. T")), ".");
        EXPECT_FALSE(cell(doc, Home, line, QStringLiteral("Rebs. T")).Underline) << line;
        EXPECT_FALSE(cell(doc, Home, line, QStringLiteral("Perc")).Underline) << line;
    }
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("2-pts M")), "./.");
}

TEST_F(BoxScoreVariants, ItalianPeriodLinesCountEachPeriodAlone)
{
    edition("ITA");
    score("home", 4, "three", 1);
    clockTo(41); // period 2
    score("home", 4, "close", 2);
    const TReportDocument doc = variants().EditionBoxScore();
    // A game of four quarters without overtime: a line for each quarter,
    // then an empty line that carries the last strip of the sponsor's picture.
    const QList<const TReportLine *> lines = doc.Lines(HomeGroups);
    ASSERT_EQ(lines.size(), 5);
    ASSERT_EQ(lines[4]->Cells.size(), 1);
    EXPECT_EQ(lines[4]->Cells[0].Name, QStringLiteral("imgSponsorStrip4"));
    const char *points[] = {"3", "4", "0", "0"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(text(doc, HomeGroups, i, QStringLiteral("Pst")), QLatin1String(points[i])) << i;
    EXPECT_EQ(text(doc, HomeGroups, 1, QStringLiteral("2-pts M")), "2/2");
    EXPECT_EQ(text(doc, HomeGroups, 0, QStringLiteral("2-pts M")), "./.");
    EXPECT_EQ(text(doc, HomeGroups, 0, QStringLiteral("Nev")), "1. Negyed");
    EXPECT_EQ(text(doc, HomeGroups, 3, QStringLiteral("Nev")), "4. Negyed");
}

TEST_F(BoxScoreVariants, FrenchCountsLeadChangesTiesAndTheLongestRun)
{
    edition("FRA");
    struct Case
    {
        const char *Name;
        std::vector<std::pair<const char *, const char *>> Shots; // side, kind
        const char *Run, *Ties, *Changes;
    };
    const Case cases[] = {
        {"home two, away three", {{"home", "close"}, {"away", "three"}}, "2-0", "0", "2"},
        {"two each", {{"home", "close"}, {"away", "close"}}, "2-0", "1", "2"},
        {"nine unanswered",
         {{"away", "close"}, {"home", "three"}, {"home", "three"}, {"home", "three"}},
         "9-0",
         "0",
         "2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        game.RecordedEvents.Clear();
        for (const auto &[side, kind] : c.Shots)
            score(side, QLatin1String(side) == QLatin1String("home") ? 4 : 5, kind, 1);
        const TReportDocument doc = variants().EditionBoxScore();
        ASSERT_EQ(doc.ReportClass, "TqrULEBTeamResultsFrench");
        EXPECT_EQ(panelValue(doc, HomeGroups, 0, "Maximalis rohanas"), QLatin1String(c.Run));
        EXPECT_EQ(panelValue(doc, HomeGroups, 1, "Dontetlen"), QLatin1String(c.Ties));
        EXPECT_EQ(panelValue(doc, HomeGroups, 2, "Vezeto csap. valtas"), QLatin1String(c.Changes));
    }
}

TEST_F(BoxScoreVariants, FrenchSplitsTheShotsByZoneAndListsTheAwayLeadAndRun)
{
    edition("FRA");
    score("away", 5, "three", 1);
    score("away", 5, "mid", 1);
    run(QStringLiteral("shot away missed dunk 60 60"));
    const TReportDocument doc = variants().EditionBoxScore();
    const int five = lineOfJersey(doc, Away, 5);
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("S5")), "#");
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("Tirs Tot. R")), "2/3");
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("3-pts R")), "1/1");
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("2 pts Ext. R")), "1/1");
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("2 pts Int. R")), "0/1");
    EXPECT_EQ(text(doc, Away, five, QStringLiteral("2 pts Int. T%")), ".");
    EXPECT_EQ(panelValue(doc, Away, 11, "Maximalis vezetes"), "5");
    EXPECT_EQ(panelValue(doc, Away, 12, "Maximalis rohanas"), "5-0");
}

TEST_F(BoxScoreVariants, HebrewReadsTheScoreFromTheRightUnlessSwapped)
{
    edition("HEB");
    score("home", 4, "three", 26);
    score("home", 7, "close", 1);
    score("away", 5, "three", 25);
    for (const char *swap : {"NO", "YES"}) {
        settings.SetValue(QStringLiteral("SWAP_RESULT"), QLatin1String(swap));
        const QString title = named(variants().Hebrew(), QStringLiteral("lblMerkozes"));
        EXPECT_TRUE(title.endsWith(QLatin1String(swap[0] == 'N' ? " 75-80" : " 80-75")))
            << title.toStdString();
    }
}

TEST_F(BoxScoreVariants, HebrewPeriodLineListsTheOvertimeHomeFirstAndTheQuartersAwayFirst)
{
    edition("HEB");
    score("home", 4, "close", 1); // Q1 2-0
    clockTo(41);
    score("away", 5, "three", 1); // Q2 0-3
    clockTo(161);
    score("home", 4, "three", 1); // OT 3-0
    ASSERT_EQ(game.Period, 5);
    EXPECT_EQ(named(variants().Hebrew(), QStringLiteral("lblMerkozesNegyedek")), "(3-0, 0-0, 0-0, 3-0, 0-2)");
}

TEST_F(BoxScoreVariants, HebrewNamesComeFromTheMasterDataWithTheGamesNamesAsFallback)
{
    edition("HEB");
    score("home", 4, "close", 1);
    TVariantReports reports = variants();
    const QString native = QString::fromUtf8("\xd7\x99\xd7\x95\xd7\xa1\xd7\xa3"); // a Hebrew name
    reports.SetNativeNames(
        {[&](const QString &webId) { return webId == QLatin1String("H11") ? native : QString(); },
         [&](const QString &webId) { return webId == QLatin1String("T1") ? native : QString(); }});
    const TReportDocument doc = reports.Hebrew();
    EXPECT_EQ(text(doc, Home, lineOfJersey(doc, Home, 4), QStringLiteral("Nev")), native);
    EXPECT_EQ(text(doc, Home, lineOfJersey(doc, Home, 7), QStringLiteral("Nev")), "NAGY Bence");
    EXPECT_TRUE(
        named(doc, QStringLiteral("lblMerkozes")).startsWith(native + QStringLiteral(" - Away Team")));
    // Plain numbers, the starter star, the indirect steals counted into VAL.
    const int four = lineOfJersey(doc, Home, 4);
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("S5")), "*");
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("3-pointers M")), "0/");
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("3-pointers %")), "0");
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("I")), "0");
    EXPECT_EQ(doc.Lines(QStringLiteral("PageFooterBand1")).size(), 0);
    EXPECT_EQ(doc.Find(QStringLiteral("lblMerkozes"))->Font, "David");
    EXPECT_EQ(cell(doc, Home, four, QStringLiteral("Nev")).Font, "Verdana");
}

TEST(QuintetTime, AZeroTimeIsMarked)
{
    struct Case
    {
        int Ticks;
        const char *Text;
    };
    const Case cases[] = {{0, "00:00+"}, {1, "00:15"}, {37, "09:15"}, {400, "100:00"}};
    for (const Case &c : cases)
        EXPECT_EQ(TqrULEBBenchTeamResults::LineupTime(c.Ticks), QLatin1String(c.Text)) << c.Ticks;
}

TEST_F(BoxScoreVariants, QuintetListsEachLineupInTheOrderItFirstPlayed)
{
    run(QStringLiteral("sub home 10 15"));
    const TReportDocument doc = variants().Quintet();
    ASSERT_EQ(doc.Lines(Home).size(), 2);
    ASSERT_EQ(doc.Lines(Away).size(), 1);
    EXPECT_EQ(text(doc, Home, 0, QStringLiteral("Perc")), "00:15");
    EXPECT_EQ(text(doc, Home, 1, QStringLiteral("Perc")), "00:00+");
    EXPECT_EQ(text(doc, Away, 0, QStringLiteral("Perc")), "00:15");
    QStringList names;
    for (int i = 1; i <= 3; ++i)
        names << text(doc, Home, 0, QStringLiteral("Jatekos%1").arg(i));
    names.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral("Farkas"), QStringLiteral("KOVACS Janos"),
                                  QStringLiteral("NAGY Bence")}));
    EXPECT_EQ(doc.Lines(QStringLiteral("sbCsapat1Osszesen")).size(), 0);
}

TEST_F(BoxScoreVariants, QuarterReportOfTheThirdQuarterListsOnlyItsPlayersButTheWholeGameInTheHeader)
{
    score("home", 7, "three", 1);
    clockTo(81);
    score("home", 4, "close", 1);
    const TReportDocument third = variants().Quarters({3});
    EXPECT_TRUE(named(third, QStringLiteral("lblMerkozes")).endsWith(QLatin1String(" 5-0")));
    QList<int> jerseys;
    for (const TReportLine *line : third.Lines(Home))
        for (const TReportCell &c : line->Cells)
            if (c.Name == QLatin1String("Mez") && !c.Text.isEmpty())
                jerseys << c.Text.toInt();
    EXPECT_EQ(jerseys, QList<int>({4}));
    EXPECT_EQ(text(third, QStringLiteral("sbCsapat1Osszesen"), 0, QStringLiteral("Pont")), "2");
    EXPECT_EQ(third.Copies, 1);
    EXPECT_EQ(named(third, QStringLiteral("lblMegjegyzes")), "Periods: 3. Negyed");
    const QList<const TReportLine *> lines = third.Lines(Home);
    ASSERT_EQ(lines.size(), 13);
    for (int line = 2; line < 13; ++line)
        EXPECT_EQ(text(third, Home, line, QStringLiteral("Nev")), "") << line;
}

TEST_F(BoxScoreVariants, PressSheetHasTheRostersAndNoValues)
{
    score("home", 4, "three", 2);
    const TReportDocument doc = variants().Press();
    EXPECT_EQ(named(doc, QStringLiteral("lblPlayed")), "");
    EXPECT_EQ(doc.Find(QStringLiteral("lblMerkozesNegyedek")), nullptr);
    EXPECT_EQ(named(doc, QStringLiteral("lblHazai5perc")), "");
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiNev")), "Home Team");
    const int four = lineOfJersey(doc, Home, 4);
    EXPECT_EQ(text(doc, Home, four, QStringLiteral("Nev")), "KOVACS Janos");
    for (const char *name : {"S5", "Perc", "Pont", "3-pointers M", "VAL"})
        EXPECT_EQ(text(doc, Home, four, QLatin1String(name)), "") << name;
    EXPECT_EQ(text(doc, QStringLiteral("sbCsapat1Osszesen"), 0, QStringLiteral("Pont")), "");
    EXPECT_EQ(text(doc, QStringLiteral("sbCsapat1Osszesen"), 0, QStringLiteral("Nev")), "Total");
}

TEST(SponsorStrip, CopiesOneStripOntoTheBackgroundWithoutTheOlive)
{
    TestHome dir;
    QImage background(270, 16, QImage::Format_RGB32);
    background.fill(Qt::white);
    QImage sponsor(300, 80, QImage::Format_RGB32);
    sponsor.fill(Qt::blue);
    for (int y = 16; y < 32; ++y)
        for (int x = 0; x < 300; ++x)
            sponsor.setPixel(x, y, x < 100 ? qRgb(200, 0, 0) : qRgb(128, 128, 0));
    const QString bg = dir.file(QStringLiteral("whitebg.bmp")), sp = dir.file(QStringLiteral("sponsor.bmp"));
    ASSERT_TRUE(background.save(bg, "BMP"));
    ASSERT_TRUE(sponsor.save(sp, "BMP"));

    const QImage strip = TSponsorStrip::Compose(bg, sp, 1);
    ASSERT_EQ(strip.size(), QSize(270, 16));
    EXPECT_EQ(strip.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(strip.pixel(99, 15), qRgb(200, 0, 0));
    EXPECT_EQ(strip.pixel(100, 0), qRgb(255, 255, 255)); // olive lets the background through
    EXPECT_EQ(TSponsorStrip::Compose(bg, sp, 0).pixel(150, 5), qRgb(0, 0, 255));
    // A missing picture leaves the background; a missing background leaves nothing.
    EXPECT_EQ(TSponsorStrip::Compose(bg, dir.file(QStringLiteral("none.bmp")), 1).pixel(0, 0),
              qRgb(255, 255, 255));
    EXPECT_TRUE(TSponsorStrip::Compose(dir.file(QStringLiteral("none.bmp")), sp, 1).isNull());
}

TEST_F(BoxScoreVariants, ItalianPeriodLinesShowTheSponsorPictureStripByStrip)
{
    edition("ITA");
    TestHome dir;
    QImage background(270, 16, QImage::Format_RGB32);
    background.fill(Qt::white);
    QImage sponsor(270, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 270; ++x)
            sponsor.setPixel(x, y, qRgb(y / 16 * 40, 0, 0)); // strip i is red 40 × i
    ASSERT_TRUE(background.save(dir.file(QStringLiteral("whitebg.bmp")), "BMP"));
    ASSERT_TRUE(sponsor.save(dir.file(QStringLiteral("away.bmp")), "BMP"));
    settings.SetValue(QStringLiteral("SPONSOR2_FILENAME"), QStringLiteral("away.bmp"));
    TVariantReports reports = variants();
    reports.SetImageFolder(dir.path());
    const TReportDocument doc = reports.EditionBoxScore();
    for (int i = 0; i < 5; ++i) {
        const TReportCell &away =
            cell(doc, QStringLiteral("sbAwayQuerters"), i, QStringLiteral("imgSponsorStrip%1").arg(i));
        const QImage awayStrip = stripImage(away);
        ASSERT_FALSE(awayStrip.isNull()) << i;
        EXPECT_EQ(awayStrip.pixel(5, 5), qRgb(40 * i, 0, 0)) << i;
        // No home sponsor is set: the home lines show the white background only.
        const TReportCell &home = cell(doc, HomeGroups, i, QStringLiteral("imgSponsorStrip%1").arg(i));
        EXPECT_EQ(stripImage(home).pixel(5, 5), qRgb(255, 255, 255)) << i;
    }
}

} // namespace
