#pragma once

#include <QTimer>
#include <functional>

class TGame;
class TScreenItems;

// The automatic save of the settings' period. While it saves, the save
// buttons are released and a press of them saves nothing.
class TAutoSave
{
public:
    TAutoSave(TGame &game, TScreenItems &items, std::function<void()> changed);

    void Start(int minutes);
    void Stop() { m_timer.stop(); }
    // One automatic save now; nothing while one runs.
    void Run();
    // A save button: saves unless the automatic save is running.
    void SaveByButton();
    QTimer &Timer() { return m_timer; }

    bool Saving = false;

private:
    void enableButtons(bool enabled);

    TGame &m_game;
    TScreenItems &m_items;
    std::function<void()> m_changed;
    QTimer m_timer;
};
