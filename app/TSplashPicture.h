#pragma once

#include <QPixmap>

// The picture of the splash window shown while the main window starts.
class TSplashPicture
{
public:
    static constexpr int Width = 749;
    static constexpr int Height = 324;
    static QPixmap Paint(const QString &version);
};
