#include "TZoneMask.h"

#include "TCourtFrame.h"
#include "geometry/CourtGeometry.h"
#include "model/events/EventKinds.h"

// The mask colours are the geometry's; its zones carry the same numbers.
static_assert(int(ShotZone::None) == TZoneMask::NoZone && int(ShotZone::Layup) == TZoneMask::Layup &&
              int(ShotZone::TwoPointer) == TZoneMask::TwoPointer &&
              int(ShotZone::ThreePointer) == TZoneMask::ThreePointer &&
              int(ShotZone::Dunk) == TZoneMask::Dunk);

TZoneMask::TZoneMask(QImage vertical, QImage horizontal)
{
    SetMasks(std::move(vertical), std::move(horizontal));
}

void TZoneMask::SetMasks(QImage vertical, QImage horizontal)
{
    // One fixed pixel format, so reading a pixel is the same for every file.
    m_vertical = vertical.isNull() ? QImage() : vertical.convertToFormat(QImage::Format_RGB32);
    m_horizontal = horizontal.isNull() ? QImage() : horizontal.convertToFormat(QImage::Format_RGB32);
}

TZoneMask::Zone TZoneMask::ZoneAt(bool horizontal, QPoint screenPoint) const
{
    const QImage &mask = horizontal ? m_horizontal : m_vertical;
    const QPoint p = screenPoint - TCourtFrame::MaskOrigin(horizontal);
    if (mask.isNull() || !mask.rect().contains(p))
        return NoZone;
    return ZoneOfRgb(mask.pixel(p) & 0xffffffu);
}

TZoneMask::Zone TZoneMask::ZoneOfRgb(unsigned rgb)
{
    return Zone(CourtGeometry::zoneOfRgb(rgb & 0xffffffu));
}

int TZoneMask::ShotKindOf(Zone zone)
{
    switch (zone) {
    case Layup:
        return ShotKind::Close;
    case TwoPointer:
        return ShotKind::MidRange;
    case ThreePointer:
        return ShotKind::Three;
    case Dunk:
        return ShotKind::Dunk;
    default:
        return 0;
    }
}

QString TZoneMask::ZoneName(Zone zone)
{
    switch (zone) {
    case Layup:
        return QStringLiteral("Layup");
    case TwoPointer:
        return QStringLiteral("2 pointer");
    case ThreePointer:
        return QStringLiteral("3 pointer");
    case Dunk:
        return QStringLiteral("dunk");
    default:
        return {};
    }
}
