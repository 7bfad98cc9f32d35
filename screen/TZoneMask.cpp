#include "TZoneMask.h"

#include "TCourtFrame.h"
#include "model/EventKinds.h"

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
    switch (rgb & 0xffffffu) {
    case 0xFE0001:
        return Layup;
    case 0x0D01FD:
        return TwoPointer;
    case 0x06FE01:
        return ThreePointer;
    case 0xF6FF00:
        return Dunk;
    default:
        return NoZone;
    }
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
