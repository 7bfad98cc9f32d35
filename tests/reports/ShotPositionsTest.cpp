#include "reports/charts/ShotPositions.h"
#include "reports/charts/TChartCanvas.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace ShotPositions;

namespace {

// Each chart reads the court point by its own rule; they part ways on
// messages whose y is not followed by another pair.
TEST(ShotPositions, EachChartReadsThePointByItsOwnRule)
{
    const struct
    {
        const char *Message;
        TCourtPoint Team, Alternative, Individual;
    } cases[] = {
        // The live message: "&time=" between y and "&hpont=".
        {"kod=1000&id=5&szkod=G&tipus=2&jatekos=H11&x=100&y=200&time=20261209183005&hpont=2&vpont=0",
         {100, 200},
         {100, 200},
         {100, 200}},
        // A corrected event's message has no score pair.
        {"kod=1000&id=5&tipus=2&jatekos=H11&x=100&y=200&time=20261209183005",
         {100, 200},
         {100, 200},
         {100, 200}},
        // y closing the message: no "&" in the team chart's 20 characters reads as 0.
        {"kod=1000&jatekos=H11&x=100&y=200", {100, 0}, {100, 200}, {100, 200}},
        // Score pair right after y, no time stamp.
        {"kod=1000&jatekos=H11&x=7&y=9&hpont=3&vpont=1", {7, 9}, {7, 9}, {7, 9}},
        // A free throw carries no point.
        {"kod=1000&tipus=4&jatekos=H11&time=20261209183005&hpont=1&vpont=0", {0, 0}, {0, 0}, {0, 0}},
        // Texts that are not whole numbers read as 0.
        {"kod=1000&jatekos=H11&x=1a&y=b2&time=1", {0, 0}, {0, 0}, {0, 0}},
        // The team chart looks at 20 characters only.
        {"kod=1000&jatekos=H11&x=5&y=000000000000000000012&time=1", {5, 0}, {5, 12}, {5, 12}},
    };
    for (const auto &c : cases) {
        const QString message = QLatin1String(c.Message);
        EXPECT_EQ(ReadPoint(message, TRule::TeamChart), c.Team) << c.Message;
        EXPECT_EQ(ReadPoint(message, TRule::Alternative), c.Alternative) << c.Message;
        EXPECT_EQ(ReadPoint(message, TRule::Individual), c.Individual) << c.Message;
    }
}

TEST(ShotPositions, ShooterIsTheTextBetweenPlayerAndX)
{
    EXPECT_EQ(ShooterWebId(QStringLiteral("kod=1000&jatekos=PQX-P101&x=1&y=2")), QStringLiteral("PQX-P101"));
    EXPECT_EQ(ShooterWebId(QStringLiteral("kod=1000&x=1&y=2")), QString());
}

TEST(ShotPositions, RoundingTakesHalvesToEven)
{
    const std::pair<double, int> cases[] = {{2.5, 2},    {3.5, 4},     {-2.5, -2},
                                            {7.4999, 7}, {287.5, 288}, {0.5, 0}};
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(Round(value), rounded) << value;
}

// Home shots of the first 20 minutes and away shots after them are turned.
TEST(ShotPositions, TeamChartTurnsEachSideOnItsOwnSideOfTimeEighty)
{
    const struct
    {
        int Side, Clock;
        QPoint Expected;
    } cases[] = {
        {2, 40, {144, 288}}, {2, 80, {144, 288}}, {2, 81, {203, 232}}, {1, 40, {203, 232}},
        {1, 80, {203, 232}}, {1, 81, {144, 288}}, {1, 0, {203, 232}},  {2, 200, {203, 232}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TeamChartPoint({100, 200}, c.Side, c.Clock), c.Expected) << c.Side << " at " << c.Clock;
}

TEST(ShotPositions, MarkerRectanglesSitOnThePointAsEachChartSays)
{
    EXPECT_EQ(TeamMarkerRect({144, 288}, true), QRect(134, 283, 20, 11));
    EXPECT_EQ(TeamMarkerRect({144, 288}, false), QRect(137, 283, 14, 9));
    EXPECT_EQ(AlternativeMarkerRect({395, 245}, true), QRect(395, 245, 20, 11));
    EXPECT_EQ(AlternativeMarkerRect({395, 245}, false), QRect(395, 245, 14, 9));
    EXPECT_EQ(IndividualMarkRect({100, 100}), QRect(98, 98, 5, 5));
}

TEST(ShotPositions, AlternativeChartRunsLengthwiseAndTurnsAfterTimeEighty)
{
    const struct
    {
        TCourtPoint Point;
        int Clock;
        QPoint Corner;
    } cases[] = {
        {{100, 200}, 80, {395, 245}},
        {{100, 200}, 81, {500, 355}},
        // v = 2.5 and h = 7.5 round to 2 and 8.
        {{1, 3}, 1, {887, -3}},
        {{1, 3}, 300, {8, 603}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AlternativeCorner(c.Point, c.Clock), c.Corner) << c.Clock;
}

TEST(ShotPositions, IndividualChartTurnsHomeShotsOnly)
{
    EXPECT_EQ(IndividualPoint({120, 240}, 2), QPoint(100, 200));
    EXPECT_EQ(IndividualPoint({120, 240}, 1), QPoint(100, 100));
    // 3 / 1.2 = 2.5 rounds to 2.
    EXPECT_EQ(IndividualPoint({3, 3}, 2), QPoint(2, 2));
    EXPECT_EQ(IndividualPoint({3, 3}, 1), QPoint(198, 298));
}

} // namespace

namespace {

// A shot recorded at a court point must land where the chart's court shows
// that point: the marker's centre against the court drawing's placement of
// the same point (of its mirror image when the shot is turned).
TEST(ShotPositions, MarkersSitWhereTheDrawnCourtShowsTheirPoint)
{
    const TCourtPoint points[] = {{121, 22}, {19, 30},   {220, 30}, {121, 125},
                                  {60, 150}, {121, 336}, {200, 300}};
    auto distance = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    auto mirrored = [](TCourtPoint p) { return QPointF(239 - p.X, 358 - p.Y); };
    const QTransform team = TChartCanvas::CentredCourt(QSizeF(TeamPicture), 1.44, false);
    const QTransform lengthwise = TChartCanvas::CentredCourt(QSizeF(AlternativePicture), 2.5, true);
    const QTransform mini = TChartCanvas::CentredCourt(QSizeF(IndividualPicture), 1 / 1.2, false);
    for (const TCourtPoint &p : points) {
        const QPointF point(p.X, p.Y);
        for (const int side : {1, 2}) {
            // Team chart: turned for home up to time 80.
            const QRectF early = TeamMarkerRect(TeamChartPoint(p, side, 40), true);
            EXPECT_LT(distance(early.center(), team.map(side == 1 ? mirrored(p) : point)), 3.5)
                << p.X << "," << p.Y;
            const QRectF late = TeamMarkerRect(TeamChartPoint(p, side, 100), true);
            EXPECT_LT(distance(late.center(), team.map(side == 2 ? mirrored(p) : point)), 3.5)
                << p.X << "," << p.Y;
            // Individual chart: home turned.
            const QRectF dot = IndividualMarkRect(IndividualPoint(p, side));
            EXPECT_LT(distance(dot.center(), mini.map(side == 1 ? mirrored(p) : point)), 2)
                << p.X << "," << p.Y;
        }
        // Alternative chart: the marker's corner at the point, as the chart
        // places it, so its centre stays within a marker of the point.
        const QRectF first = AlternativeMarkerRect(AlternativeCorner(p, 40), true);
        EXPECT_LT(distance(first.center(), lengthwise.map(point)), 16) << p.X << "," << p.Y;
        const QRectF second = AlternativeMarkerRect(AlternativeCorner(p, 100), true);
        EXPECT_LT(distance(second.center(), lengthwise.map(mirrored(p))), 16) << p.X << "," << p.Y;
    }
}

} // namespace
