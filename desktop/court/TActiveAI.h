#pragma once

#include <QTimer>
#include <functional>

class TScreenItems;

// The Active AI frames: after an event the model names the buttons the
// operator is likely to need next, and frames around them stay lit until the
// next light or the timeout of the settings.
class TActiveAI
{
public:
    TActiveAI(TScreenItems &items, std::function<void()> changed);

    void SetTimeout(int seconds) { m_timer.setInterval(seconds * 1000); }
    // Lights the frames of a code for the side whose event it was; an unknown
    // code only clears.
    void Light(int code, int side);
    void Clear();
    QTimer &Timer() { return m_timer; }

private:
    TScreenItems &m_items;
    std::function<void()> m_changed;
    QTimer m_timer;
};
