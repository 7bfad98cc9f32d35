#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the charts put a shot: the court point read from the event's live
// message and the place of its marker on each chart's picture. The charts
// read and place shots by rules of their own, which differ on purpose.
namespace ShotPositions {

enum class TRule
{
    TeamChart,   // the team shooting chart
    Alternative, // the alternative chart and the shot list
    Individual,  // the individual charts
};

// A court point in the frame of the vertical court; 0 in either coordinate
// means that no position was recorded.
struct TCourtPoint
{
    int X = 0;
    int Y = 0;
    bool Drawn() const { return X != 0 && Y != 0; }
    bool operator==(const TCourtPoint &) const = default;
};

// The point of a message by the chart's rule; a text that is not a whole
// number reads as 0.
TCourtPoint ReadPoint(const QString &message, TRule rule);
// The shooter's web identifier: the text between "&jatekos=" and "&x=".
QString ShooterWebId(const QString &message);

// Nearest integer, halves to even.
int Round(double value);

// The team shooting chart's pictures, both 347 x 520.
inline constexpr QSize TeamPicture{347, 520};
// Both halves of the quarter-minute clock: the first 20 minutes end at 80.
inline constexpr int HalfTimeClock = 80;
// The marker's centre point on the picture: 1.44 times the court point, and a
// home shot of the first 20 minutes or an away shot after them turned half a
// circle, so each team attacks the top basket before half time.
QPoint TeamChartPoint(TCourtPoint point, int side, int clock);
// Made (px - 10, py - 5) to (px + 10, py + 6); missed (px - 7, py - 5) to (px + 7, py + 4).
QRect TeamMarkerRect(QPoint point, bool made);

// The alternative chart's lengthwise court, 900 x 600.
inline constexpr QSize AlternativePicture{900, 600};
// The marker's top-left corner: h = 2.5 y and v = 2.5 x; (895 - h, v - 5) up
// to time 80, else (h, 605 - v).
QPoint AlternativeCorner(TCourtPoint point, int clock);
// Made 20 x 11, missed 14 x 9 from the corner.
QRect AlternativeMarkerRect(QPoint corner, bool made);

// The individual chart's mini court, 200 x 300.
inline constexpr QSize IndividualPicture{200, 300};
// The court point divided by 1.2; a home shot turned half a circle.
QPoint IndividualPoint(TCourtPoint point, int side);
// The 5 x 5 mark from (px - 2, py - 2).
QRect IndividualMarkRect(QPoint point);

} // namespace ShotPositions
