#include "TCourtScreen.h"

#include "TCourtFrame.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"

namespace {

QString markerName(int side, bool made)
{
    return (made ? QStringLiteral("imgSikeresDobasCsapat%1") : QStringLiteral("imgSikertelenDobasCsapat%1"))
        .arg(side);
}

} // namespace

// ---------------------------------------------------------------- shots on the court

void TCourtScreen::hideMarker(int side, bool made)
{
    m_markerEvent[side - 1][made ? 0 : 1] = -1;
    SetItemVisible(markerName(side, made), false);
}

void TCourtScreen::forgetMarkers(int eventId)
{
    if (eventId < 0)
        return;
    for (int side = 1; side <= 2; ++side) {
        for (const bool made : {true, false}) {
            if (m_markerEvent[side - 1][made ? 0 : 1] == eventId)
                hideMarker(side, made);
        }
    }
}

void TCourtScreen::placeMarker(int side, bool made, QPoint p, int eventId)
{
    m_markerEvent[side - 1][made ? 0 : 1] = eventId;
    const QPoint c = TCourtFrame::ClampMarker(CourtHorizontal, p);
    const QString name = markerName(side, made);
    TScreenItem &marker = m_items.Get(name);
    const int half = made ? 4 : 5;
    marker.Rect = QRect(c.x() - half, c.y() - half, made ? 8 : 10, made ? 8 : 10);
    marker.Visible = true;
    m_items.BringToFront(name);
    Touch();
}

void TCourtScreen::ShotOnCourt(int side, bool made, QPoint p)
{
    SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), false);
    if (!TCourtFrame::InOwnHalf(CourtHorizontal, side, p) || RefusedBetweenPeriods())
        return;
    if (!team(side).ActivePlayer())
        hideMarker(side, made);
    if (Accepts(side, made ? Kind::ShotMade : Kind::ShotMissed))
        recordShotAt(side, made, p);
}

// Steps shared by every shot with a selected player: a put-back rebound
// first when Ctrl is held, the shot of the zone under the point, and its
// marker once the shot is recorded.
void TCourtScreen::recordShotAt(int side, bool made, QPoint p)
{
    if (PutBackPending)
        Record(side, Kind::OffensiveRebound);
    const QPoint court = TCourtFrame::CourtPoint(CourtHorizontal, p);
    const TZoneMask::Zone zone = m_mask.ZoneAt(CourtHorizontal, p);
    if (zone == TZoneMask::NoZone) {
        ShowNotice(NoZoneText());
        return;
    }
    const int before = lastRecordedId();
    Record(side, made ? Kind::ShotMade : Kind::ShotMissed, TZoneMask::ShotKindOf(zone), court.x(), court.y());
    if (lastRecordedId() != before)
        placeMarker(side, made, p, lastRecordedId());
}

void TCourtScreen::MiddleShot(int side, QPoint p)
{
    if (!TCourtFrame::InOwnHalf(CourtHorizontal, side, p) || RefusedBetweenPeriods())
        return;
    if (!team(side).ActivePlayer())
        hideMarker(side, true);
    if (Accepts(side, Kind::ShotMade)) {
        recordShotAt(side, true, p);
        Record(side, Kind::Steal);
    }
}

void TCourtScreen::FreeThrow(int side, bool made)
{
    if (!RefusedBetweenPeriods())
        Record(side, made ? Kind::ShotMade : Kind::ShotMissed, ShotKind::FreeThrow, 0, 0);
}
