#pragma once

#include <QPoint>

// The absolute position of a pointer that reports movements: kept inside the
// coordinate area it was given, as the serial mouse library did.
class TPointerTracker
{
public:
    void SetArea(int width, int height);
    void GotoXY(int x, int y);
    // Moves by a reported movement; true when the position changed.
    bool Move(int dx, int dy);
    QPoint Position() const { return m_position; }

private:
    int m_width = 1000;
    int m_height = 688;
    QPoint m_position;
};
