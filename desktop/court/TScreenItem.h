#pragma once

#include "model/services/IScreenLink.h"

#include <QRect>
#include <QString>
#include <QStringList>

// One named component of the court screen: a picture, a label or a frame.
// Positions are in the 1000 x 688 frame of the screen, whatever the window.
struct TScreenItem
{
    enum Type
    {
        Picture,
        Label,
        Frame,
        // A panel over the screen: a title (Text) and lines of two columns.
        Overlay,
        Unplaced
    };
    enum Align
    {
        AlignLeft,
        AlignRight,
        AlignCentre
    };

    QString Name;
    Type Kind = Label;
    QRect Rect;
    // Picture name in the library; pictures only.
    QString PictureName;
    bool Visible = true;
    bool Enabled = true;
    QString Text;
    TColor Color = 0xff000000;
    // Filled behind a label's text; fully transparent (the default) fills nothing.
    TColor Background = 0;
    // A frame's inside; 0 leaves it open.
    TColor Fill = 0;
    bool Bold = false;
    int FontPixels = 11;
    Align Alignment = AlignLeft;
    // Narrow type for the crowded panel columns and history lines.
    bool Condensed = false;
    // Text is cut at the label's edges instead of running past them.
    bool Clip = false;
    // A text too wide for the label is set in smaller type (translated
    // captions and reference list entries vary in length).
    bool Fit = false;
    int Tag = 0;
    // Overlay lines, each "keys" TAB "what they do".
    QStringList Lines;
    // Whether a press of the system mouse on it runs a handler of its own.
    bool Clickable = false;
};
