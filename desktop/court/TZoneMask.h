#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// The shot zone under a point of the court, read from the colour of the zone
// mask picture of the orientation shown. A missing mask has no zones.
class TZoneMask
{
public:
    enum Zone
    {
        NoZone = 0,
        Layup = 1,
        TwoPointer = 2,
        ThreePointer = 3,
        Dunk = 4
    };

    TZoneMask() = default;
    TZoneMask(QImage vertical, QImage horizontal);

    void SetMasks(QImage vertical, QImage horizontal);
    bool HasMask(bool horizontal) const { return !(horizontal ? m_horizontal : m_vertical).isNull(); }
    const QImage &Mask(bool horizontal) const { return horizontal ? m_horizontal : m_vertical; }

    // Zone of a screen point of the court shown in that orientation; the mask
    // pixel is addressed without rotation from the mask's own corner.
    Zone ZoneAt(bool horizontal, QPoint screenPoint) const;
    // Zone of a colour value 0xRRGGBB; any other colour is no zone.
    static Zone ZoneOfRgb(unsigned rgb);
    // The shot kind recorded for a zone (1101, 1102, 1103, 1105); 0 for none.
    static int ShotKindOf(Zone zone);
    // The zone's name as the shot kind labels show it (untranslated).
    static QString ZoneName(Zone zone);

private:
    QImage m_vertical;
    QImage m_horizontal;
};
