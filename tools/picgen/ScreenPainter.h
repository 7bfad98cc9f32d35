#pragma once

#include <QImage>
#include <QString>

// The background of the whole court screen and the history box. Everything
// the screen writes or shows on top (labels, buttons, the court) has a calm
// surface under it: paper under black text, dark wells under white text.
class ScreenPainter
{
public:
    static QImage screen(const QString &language);  // 1000 x 688
    static QImage history(const QString &language); // 268 x 165
};
