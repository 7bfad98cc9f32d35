#pragma once

#include <functional>

// Hands work to the user interface thread, which alone reads and changes the
// game's lists and the screen. The sender thread waits for every hand-off;
// tests and the command-line tool run hand-offs inline on their one thread.
class IUiDispatcher
{
public:
    virtual ~IUiDispatcher() = default;

    // Runs task on the user interface thread and returns once it has run; an
    // exception it throws is raised again in the caller. Called on the user
    // interface thread itself, the task runs at once.
    virtual void RunOnUiThread(const std::function<void()> &task) = 0;
    virtual bool OnUiThread() const = 0;
    // On the user interface thread, while it waits for something else without
    // an event loop: runs the hand-offs other threads are waiting for.
    virtual void ServeHandOffs() = 0;
};
