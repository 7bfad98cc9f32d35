#pragma once

#include <QImage>

// The two hidden 24-bit pictures that classify every court pixel into a shot
// zone, coloured from the court geometry pixel by pixel.
class ZoneMasks
{
public:
    static QImage vertical();   // 240 x 359
    static QImage horizontal(); // 359 x 240
};
