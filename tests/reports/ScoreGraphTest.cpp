#include "BoxScoreFixture.h"

#include "reports/charts/TqrULEBGrafikon.h"

#include "model/events/EventKinds.h"

namespace {

using TOp = TChartCanvas::TOp;

class ScoreGraph : public BoxScoreFixture
{
protected:
    // A made shot of the side at the clock straight into the recorded events.
    void made(int side, int shotKind, int clock)
    {
        TGameEvent *e = game.NewEvent(++id, Kind::ShotMade, shotKind, side);
        e->Clock = clock;
        game.RecordedEvents.Append(e);
    }
    // Made shots of the given points, home when positive, in order.
    void baskets(std::initializer_list<int> points)
    {
        for (const int p : points)
            made(p > 0 ? 1 : 2,
                 std::abs(p) == 3   ? ShotKind::Three
                 : std::abs(p) == 1 ? ShotKind::FreeThrow
                                    : ShotKind::Close,
                 ++clock);
    }
    QStringList texts()
    {
        QStringList out;
        for (const TPontokInfo &m : TqrULEBGrafikon::KeyMoments(game, translator))
            out.append(QStringLiteral("%1-%2 %3").arg(m.Home).arg(m.Away).arg(m.Text));
        return out;
    }
    int id = 1000;
    int clock = 0;
};

TEST_F(ScoreGraph, ScoreAxisEndsAtTheNextTenAndFiveMoreAboveAHundred)
{
    const struct
    {
        int Home, Away, Max;
    } cases[] = {{87, 80, 90},  {80, 87, 90}, {105, 0, 115}, {90, 90, 100},  {99, 0, 100},
                 {100, 3, 115}, {0, 0, 10},   {9, 10, 20},   {150, 151, 165}};
    for (const auto &c : cases)
        EXPECT_EQ(TqrULEBGrafikon::ScoreAxisMax(c.Home, c.Away), c.Max) << c.Home << "-" << c.Away;
}

TEST_F(ScoreGraph, LeadChangesTiesAndTheLargestLeads)
{
    roster();
    game.HomeTeam().Data.EgyesuletRovidNev = QStringLiteral("HOM");
    game.AwayTeam().Data.EgyesuletRovidNev = QStringLiteral("AWAY");
    // 0-2 away leads (its largest), 2-2, 5-2, 5-4 (home still leads: no moment), 5-7, 7-7.
    baskets({-2, 2, 3, -2, -3, 2});
    EXPECT_EQ(texts(), QStringList({QStringLiteral("0-2 Maximum AWAY lead"), QStringLiteral("2-2 Draw"),
                                    QStringLiteral("5-2 Maximum HOM lead"),
                                    QStringLiteral("5-7 Maximum AWAY lead"), QStringLiteral("7-7 Draw")}));
}

TEST_F(ScoreGraph, ShortNamesOfThreeLettersTakeASpace)
{
    roster();
    game.HomeTeam().Data.EgyesuletRovidNev = QStringLiteral("ABC");
    game.AwayTeam().Data.EgyesuletRovidNev = QStringLiteral("WXYZ");
    // 2-0 then 2-3 then 5-3 then 5-6 then 10-6: the middle leads are no maximum.
    baskets({2, -3, 3, -3, 3, 2, -3, -3, 2});
    const QStringList moments = texts();
    EXPECT_TRUE(moments.contains(QStringLiteral("5-3 ABC take the lead"))) << moments.join('|').toStdString();
    EXPECT_TRUE(moments.contains(QStringLiteral("2-3 WXYZtake the lead"))) << moments.join('|').toStdString();
}

TEST_F(ScoreGraph, ALargestLeadReachedTwiceGivesTwoMaximumRows)
{
    roster();
    game.HomeTeam().Data.EgyesuletRovidNev = QStringLiteral("HOM");
    game.AwayTeam().Data.EgyesuletRovidNev = QStringLiteral("AWY");
    // Up to 12-0, back to 12-3, up to 15-3 = 12 again; the away team never leads.
    baskets({3, 3, 3, 3, -3, 3, -2});
    const QStringList moments = texts();
    EXPECT_EQ(
        moments.filter(QStringLiteral("Maximum HOM lead")),
        QStringList({QStringLiteral("12-0 Maximum HOM lead"), QStringLiteral("15-3 Maximum HOM lead")}));
    EXPECT_TRUE(moments.filter(QStringLiteral("AWY")).isEmpty()) << moments.join('|').toStdString();
}

TEST_F(ScoreGraph, KeyMomentTableKeepsEveryRowInsideItsPictures)
{
    roster();
    ticks(4);
    // Forty leads and ties: more than one picture holds.
    for (int i = 0; i < 20; ++i)
        baskets({2, -2});
    const QList<TPontokInfo> moments = TqrULEBGrafikon::KeyMoments(game, translator);
    ASSERT_GT(moments.size(), TqrULEBGrafikon::MomentsPerPicture);
    const TReportDocument doc = TqrULEBGrafikon(game, translator).Build();
    int rows = 0;
    for (const TReportPage &page : doc.Pages)
        for (const TReportBand &band : page.Bands)
            for (const TReportLine &line : band.Lines)
                for (const TReportCell &c : line.Cells)
                    if (c.Name.startsWith(QLatin1String("imgGrafikon2"))) {
                        const auto *canvas = dynamic_cast<const TChartCanvas *>(c.Picture.get());
                        ASSERT_NE(canvas, nullptr);
                        for (const TOp &op : canvas->Ops(TOp::Kind::Line))
                            EXPECT_LE(std::max(op.From.y(), op.To.y()), 545) << c.Name.toStdString();
                        // The heading's "Diff" plus one difference per row.
                        rows += int(canvas->Ops(TOp::Kind::Text).size()) / 6 - 1;
                        EXPECT_LE(c.Place.bottom(), doc.ContentHeight());
                    }
    EXPECT_EQ(rows, moments.size());
}

TEST_F(ScoreGraph, GraphFitsBothScalesToItsAxes)
{
    roster(5);
    ticks(40);
    game.HomeTeam().Data.Totals.Points = 87;
    game.AwayTeam().Data.Totals.Points = 80;
    TChartCanvas graph(QSizeF(550, 550));
    TqrULEBGrafikon::DrawScoreGraph(graph, game, translator);
    QStringList labels;
    for (const TOp &op : graph.Ops(TOp::Kind::Text))
        if (op.RightAligned)
            labels.append(op.Text);
    QStringList expected;
    for (int p = 0; p <= 90; p += 5)
        expected.append(QString::number(p));
    EXPECT_EQ(labels, expected);
    // Ymax at the top of the axis, minute M + 3 at its end: nothing is cut off.
    for (const TOp &op : graph.Ops(TOp::Kind::Text)) {
        if (op.RightAligned && op.Text == QLatin1String("90")) {
            EXPECT_EQ(op.From.y(), 5);
        }
    }
    double lastTick = 0;
    for (const TOp &op : graph.Ops(TOp::Kind::Line)) {
        EXPECT_GE(std::min(op.From.y(), op.To.y()), 5);
        if (op.From.y() == 520 && op.To.y() > 520)
            lastTick = std::max(lastTick, op.From.x());
    }
    EXPECT_EQ(lastTick, 545); // minute 13 of a ten-minute game
    QStringList legend;
    for (const TOp &op : graph.Ops(TOp::Kind::Text))
        if (op.Text.startsWith(QLatin1String("Pts of ")))
            legend.append(op.Text);
    // The sample teams have no short names: the legend names them in full.
    EXPECT_EQ(legend, QStringList({QStringLiteral("Pts of Home Team"), QStringLiteral("Pts of Away Team")}));
}

TEST_F(ScoreGraph, MinuteTableEndsAtFortyAndMarksTheEndOfEveryPeriod)
{
    roster(12);
    for (int q = 0; q < 4 * 48; ++q) {
        if (game.Clock > 0 && game.Clock % game.PeriodTicks() == 0)
            run(QStringLiteral("periodend"));
        run(QStringLiteral("tick"));
    }
    TChartCanvas table(QSizeF(225, 409));
    TqrULEBGrafikon::DrawMinuteScoreTable(table, game, translator);
    QStringList minutes, bold;
    for (const TOp &op : table.Ops(TOp::Kind::Text))
        if (op.RightAligned && (op.From.x() == 25 || op.From.x() == 140)) {
            minutes.append(op.Text);
            if (op.Bold)
                bold.append(op.Text);
        }
    ASSERT_EQ(minutes.size(), 42); // 0 to 20, then 20 to 40
    EXPECT_EQ(minutes.last(), QStringLiteral("40"));
    // Quarters of twelve minutes end at 12, 24 and 36.
    bold.sort();
    EXPECT_EQ(bold, QStringList({"0", "12", "24", "36"}));
}

} // namespace
