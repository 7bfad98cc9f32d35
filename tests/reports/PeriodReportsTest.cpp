// Every report that splits a game by period, on a game of two five-minute
// periods that goes to a second overtime (tests/data/periods-double-overtime.txt),
// against the figures worked out by hand there: home 5, 1, 2, 2 and away 2, 4,
// 2, 3 in the two periods and the two overtimes.
#include "BoxScoreFixture.h"

#include "reports/charts/TChartCanvas.h"
#include "reports/charts/TqrULEBGrafikon.h"
#include "reports/export/TSpreadsheet.h"
#include "reports/export/TSpreadsheetExport.h"
#include "reports/variants/TQuarterChoice.h"
#include "reports/variants/TVariantReports.h"
#include "support/TestHome.h"
#include "workflow/gamedata/TGameDataLogic.h"

#include <QFile>

namespace {

const QString HomeLines = QStringLiteral("sbHomeQuerters");
const QString AwayLines = QStringLiteral("sbAwayQuerters");

class PeriodReports : public BoxScoreFixture
{
protected:
    void SetUp() override
    {
        QFile file(sourceFolder() + QStringLiteral("/tests/data/periods-double-overtime.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        run(QString::fromUtf8(file.readAll()));
        ASSERT_EQ(game.PeriodsPlayed(), 4);
    }
    void edition(const char *version)
    {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(version));
    }
    TVariantReports variants() { return TVariantReports(game, translator); }
    // The cell of the first `lines` lines of a band (all of them when -1).
    static QStringList column(const TReportDocument &doc, const QString &band, const char *cell,
                              int lines = -1)
    {
        QStringList out;
        for (int i = 0; i < (lines < 0 ? doc.Lines(band).size() : lines); ++i)
            out << text(doc, band, i, QLatin1String(cell));
        return out;
    }
};

TEST_F(PeriodReports, ThePeriodLinesListBothPeriodsAndEachOvertime)
{
    EXPECT_EQ(named(build(), QStringLiteral("lblMerkozesNegyedek")), "(5-2, 1-4, 2-2, 2-3)");
    // Read from the right: the overtimes home first, the periods away first.
    edition("HEB");
    EXPECT_EQ(named(variants().Hebrew(), QStringLiteral("lblMerkozesNegyedek")), "(2-3, 2-2, 4-1, 2-5)");
}

TEST_F(PeriodReports, TheItalianBoxScoreHasALineForEachPeriodAndEachOvertime)
{
    edition("ITA");
    const TReportDocument doc = variants().EditionBoxScore();
    // Four periods, then an empty line with the last strip of the sponsor's picture.
    ASSERT_EQ(doc.Lines(HomeLines).size(), 5);
    EXPECT_EQ(doc.Lines(HomeLines)[4]->Cells.size(), 1);
    EXPECT_EQ(column(doc, HomeLines, "Nev", 4),
              QStringList({"1. felido", "2. felido", QString::fromUtf8("1. Hosszabbítás"),
                           QString::fromUtf8("2. Hosszabbítás")}));
    EXPECT_EQ(column(doc, HomeLines, "Pst", 4), QStringList({"5", "1", "2", "2"}));
    EXPECT_EQ(column(doc, AwayLines, "Pst", 4), QStringList({"2", "4", "2", "3"}));
    // The second overtime's dunk and missed three.
    EXPECT_EQ(text(doc, HomeLines, 3, QStringLiteral("3-pts M")), "0/1");
    EXPECT_EQ(text(doc, HomeLines, 3, QStringLiteral("Sch")), "1");
}

TEST_F(PeriodReports, TheFrenchHalvesAreThePeriodsAndTheOvertimeLineHoldsBothOvertimes)
{
    edition("FRA");
    const TReportDocument doc = variants().EditionBoxScore();
    const QStringList labels = column(doc, HomeLines, "Nev");
    ASSERT_EQ(labels.size(), 5);
    EXPECT_EQ(labels.mid(2), QStringList({"1. felido", "2. felido", QString::fromUtf8("Hosszabbítás")}));
    EXPECT_EQ(column(doc, HomeLines, "Pst").mid(2), QStringList({"5", "1", "4"}));
    EXPECT_EQ(column(doc, AwayLines, "Pst").mid(2), QStringList({"2", "4", "5"}));
}

TEST_F(PeriodReports, TheQuarterReportNamesItsPeriodsAndCountsWholePeriods)
{
    const TReportDocument first = variants().Quarters({1});
    EXPECT_EQ(named(first, QStringLiteral("lblMegjegyzes")), "Periods: 1. felido");
    // On court for the whole first period: five minutes, as the box score counts them.
    const int seven = lineOfJersey(first, QStringLiteral("sbHazaiCsapat"), 7);
    EXPECT_EQ(text(first, QStringLiteral("sbHazaiCsapat"), seven, QStringLiteral("Perc")), "05:00");
    EXPECT_EQ(text(first, QStringLiteral("sbCsapat1Osszesen"), 0, QStringLiteral("Pont")), "5");

    const TReportDocument overtimes = variants().Quarters({3, 4});
    EXPECT_EQ(named(overtimes, QStringLiteral("lblMegjegyzes")),
              QString::fromUtf8("Periods: 1. Hosszabbítás, 2. Hosszabbítás"));
    EXPECT_EQ(text(overtimes, QStringLiteral("sbCsapat1Osszesen"), 0, QStringLiteral("Pont")), "4");
    EXPECT_EQ(text(overtimes, QStringLiteral("sbCsapat2Osszesen"), 0, QStringLiteral("Pont")), "5");
    // #24 came on after the first step of the second overtime: seven steps.
    const int balazs = lineOfJersey(overtimes, QStringLiteral("sbVendegCsapat"), 24);
    EXPECT_EQ(text(overtimes, QStringLiteral("sbVendegCsapat"), balazs, QStringLiteral("Perc")), "01:45");
}

TEST_F(PeriodReports, TheQuarterChoiceOffersThePeriodsPlayedAndRefusesNoneOrOneNotPlayed)
{
    const QList<TQuarterChoice::TOption> options = TQuarterChoice::Offered(game, translator, "FORM");
    QStringList names;
    QStringList captions;
    for (const TQuarterChoice::TOption &o : options) {
        names << o.ObjectName;
        captions << o.Caption;
    }
    EXPECT_EQ(names, QStringList({"cbQuarter1", "cbQuarter2", "cbQuarterH", "cbQuarterH2"}));
    EXPECT_EQ(captions, QStringList({"1. felido", "2. felido", QString::fromUtf8("1. Hosszabbítás"),
                                     QString::fromUtf8("2. Hosszabbítás")}));
    EXPECT_EQ(TQuarterChoice::Refusal(game, {}, translator),
              "Tick at least one period for the quarter report.");
    EXPECT_EQ(TQuarterChoice::Refusal(game, {2, 5}, translator),
              "The game has no period 5: it had periods 1 to 4.");
    EXPECT_EQ(TQuarterChoice::Refusal(game, {2, 4}, translator), "");
}

TEST_F(PeriodReports, KeyMomentsNameTheTeamsThatHaveNoShortNames)
{
    ASSERT_TRUE(game.HomeTeam().Data.EgyesuletRovidNev.isEmpty());
    QStringList texts;
    for (const TPontokInfo &m : TqrULEBGrafikon::KeyMoments(game, translator))
        texts << m.Text;
    // The tables have room for three letters: those of the names stand in.
    EXPECT_EQ(texts, QStringList({"Maximum GYO lead", "Maximum GYO lead", "Draw", "EGE take the lead", "Draw",
                                  "GYO take the lead", "Draw", "Maximum EGE lead"}));

    TChartCanvas graph(QSizeF(550, 550));
    TqrULEBGrafikon::DrawScoreGraph(graph, game, translator);
    QStringList legend;
    for (const TChartCanvas::TOp &op : graph.Ops(TChartCanvas::TOp::Kind::Text))
        if (op.Text.startsWith(QLatin1String("Pts of ")))
            legend << op.Text;
    EXPECT_EQ(legend, QStringList({"Pts of Gyor Hawks", "Pts of Eger Lynx"}));

    // The minute table marks where each period and overtime ends.
    TChartCanvas table(QSizeF(225, 409));
    TqrULEBGrafikon::DrawMinuteScoreTable(table, game, translator);
    QStringList bold;
    for (const TChartCanvas::TOp &op : table.Ops(TChartCanvas::TOp::Kind::Text))
        if (op.RightAligned && op.From.x() == 25 && op.Bold)
            bold << op.Text;
    EXPECT_EQ(bold, QStringList({"0", "5", "10", "12", "14"}));
}

TEST_F(PeriodReports, TheWorkbooksPeriodRowsNameTheOvertimes)
{
    TSpreadsheet sheet;
    QString error;
    ASSERT_TRUE(TSpreadsheetExport::BuildExcel(game, translator, sheet, &error)) << error.toStdString();
    const struct
    {
        const char *Label;
        int Home, Away;
    } rows[] = {{"1", 5, 2}, {"2", 1, 4}, {"1. Hosszabbítás", 2, 2}, {"2. Hosszabbítás", 2, 3}};
    for (int k = 0; k < 4; ++k) {
        const TSheetCell *label = sheet.Cell(QStringLiteral("G%1").arg(43 + k));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Kind == TSheetCell::TKind::Text ? label->Text : QString::number(label->Number),
                  QString::fromUtf8(rows[k].Label));
        EXPECT_EQ(sheet.Cell(QStringLiteral("H%1").arg(43 + k))->Number, rows[k].Home) << k;
        EXPECT_EQ(sheet.Cell(QStringLiteral("I%1").arg(43 + k))->Number, rows[k].Away) << k;
    }
}

TEST_F(PeriodReports, TheGameDataDialogsResultRowsAreTheTextReportsLines)
{
    // Both periods in the first rows, nothing in the third and fourth, the overtimes together.
    const TGameDataLogic logic(game, {});
    EXPECT_EQ(logic.Points[0], (std::array<int, 5>{5, 1, 0, 0, 4}));
    EXPECT_EQ(logic.Points[1], (std::array<int, 5>{2, 4, 0, 0, 5}));
}

} // namespace
