#pragma once

// Gathers the input events of one evdev mouse (relative movements and the
// three buttons) into one report per synchronisation event.
class TEvdevReportBuilder
{
public:
    struct Report
    {
        int Dx = 0;
        int Dy = 0;
        int Buttons = 0; // bit 0 left, bit 1 right, bit 4 middle
    };

    // Takes one event (type, code, value); true on a synchronisation that
    // closes a report with movement or a button change.
    bool Feed(int type, int code, int value, Report *report);
    // The device dropped events: forget the movement gathered so far.
    void Resync() { m_dx = m_dy = 0; }

private:
    int m_dx = 0;
    int m_dy = 0;
    int m_buttons = 0;
    int m_reportedButtons = 0;
};
