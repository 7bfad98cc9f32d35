#pragma once

#include <QImage>
#include <QString>

// One horizontal strip of a sponsor picture on a white background: the
// period lines of the league box scores show a picture five strips high.
class TSponsorStrip
{
public:
    static constexpr int StripHeight = 16;
    static constexpr int MaxWidth = 270;

    // The background picture with pixel rows 16 × strip to 16 × strip + 15
    // (at most 270 pixels wide) of the sponsor picture copied onto it, olive
    // pixels left out. Null when the background cannot be read; the
    // background alone when the sponsor picture cannot be read.
    static QImage Compose(const QString &background, const QString &sponsor, int strip);
};
