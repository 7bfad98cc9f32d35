#include "ZoneMasks.h"

#include "geometry/CourtGeometry.h"

namespace {

void setZonePixel(QImage &image, int x, int y, ShotZone zone)
{
    const std::uint32_t rgb = CourtGeometry::zoneRgb(zone);
    uchar *pixel = image.scanLine(y) + 3 * x;
    pixel[0] = uchar(rgb >> 16);
    pixel[1] = uchar(rgb >> 8);
    pixel[2] = uchar(rgb);
}

} // namespace

QImage ZoneMasks::vertical()
{
    QImage image(CourtGeometry::MaskWidth, CourtGeometry::MaskHeight, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            setZonePixel(image, x, y, CourtGeometry::zoneAt(x, y));
    }
    return image;
}

QImage ZoneMasks::horizontal()
{
    QImage image(CourtGeometry::MaskHeight, CourtGeometry::MaskWidth, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            setZonePixel(image, x, y, CourtGeometry::horizontalZoneAt(x, y));
    }
    return image;
}
