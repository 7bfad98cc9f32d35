#pragma once

#include <QImage>
#include <cmath>

// Zone masks drawn in the test from the court's zone rules, so the screen's
// reading of a mask is checked against shapes worked out independently:
// top half (away basket at (121, 22)), bottom half its mirror image.
namespace TestMasks {

inline constexpr QRgb Red = qRgb(254, 0, 1);      // layup
inline constexpr QRgb Blue = qRgb(13, 1, 253);    // two-pointer
inline constexpr QRgb Green = qRgb(6, 254, 1);    // three-pointer
inline constexpr QRgb Yellow = qRgb(246, 255, 0); // dunk

inline QRgb verticalPixel(int x, int y)
{
    if (y > 179)
        y = 358 - y;
    const auto within = [](int px, int py, double cx, double cy, double r) {
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
    };
    if (within(x, y, 121, 22, 5))
        return Yellow;
    const bool insideThree = (y <= 30 && x >= 19 && x <= 220) || (y > 30 && within(x, y, 121, 22, 103));
    if (!insideThree)
        return Green;
    if (y <= 81) {
        const double left = 74 + (91 - 74) * y / 81.0;
        const double right = 168 - (168 - 152) * y / 81.0;
        if (x >= left && x <= right && !within(x, y, 121, 88, 28))
            return Red;
    }
    return Blue;
}

inline QImage vertical()
{
    QImage image(240, 359, QImage::Format_RGB32);
    for (int y = 0; y < 359; ++y)
        for (int x = 0; x < 240; ++x)
            image.setPixel(x, y, verticalPixel(x, y));
    return image;
}

// The vertical mask turned a quarter turn: pixel (x, y) is vertical (239 - y, x).
inline QImage horizontal()
{
    QImage image(359, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 359; ++x)
            image.setPixel(x, y, verticalPixel(239 - y, x));
    return image;
}

} // namespace TestMasks
