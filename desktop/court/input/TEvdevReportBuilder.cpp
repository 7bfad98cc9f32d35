#include "TEvdevReportBuilder.h"

#include <linux/input-event-codes.h>

bool TEvdevReportBuilder::Feed(int type, int code, int value, Report *report)
{
    switch (type) {
    case EV_REL:
        if (code == REL_X)
            m_dx += value;
        else if (code == REL_Y)
            m_dy += value;
        return false;
    case EV_KEY: {
        int bit = 0;
        if (code == BTN_LEFT)
            bit = 0x01;
        else if (code == BTN_RIGHT)
            bit = 0x02;
        else if (code == BTN_MIDDLE)
            bit = 0x10;
        if (bit)
            m_buttons = value ? (m_buttons | bit) : (m_buttons & ~bit);
        return false;
    }
    case EV_SYN:
        if (code != SYN_REPORT)
            return false;
        if (m_dx == 0 && m_dy == 0 && m_buttons == m_reportedButtons)
            return false;
        *report = Report{m_dx, m_dy, m_buttons};
        m_dx = m_dy = 0;
        m_reportedButtons = m_buttons;
        return true;
    default:
        return false;
    }
}
