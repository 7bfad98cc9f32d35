#pragma once

#include <QString>

// One clickable area of the home team's pointer, which delivers positions
// rather than clicks on components.
struct THotRegion
{
    enum Kind
    {
        None = 1100,
        Action = 1101,
        LabelClick = 1102
    };

    int Left = -1, Right = -1, Top = -1, Bottom = -1; // bounds included
    int Type = None;
    int Code = 0;
    QString Name;

    bool Contains(int x, int y) const
    {
        return Type != None && x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
};
