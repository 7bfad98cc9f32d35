#pragma once

#include <QString>

// What the court screen's rules need from the window that shows them.
class IScreenHost
{
public:
    virtual ~IScreenHost() = default;
    // Paints the screen at once, so the pointer is seen where it acts before
    // a release is recorded and saved.
    virtual void PaintNow() = 0;
    // Ends the whole application; the game has been saved.
    virtual void EndApplication() = 0;
    // The score question at a period's end, with "Confirm" and "Edit": 1 for
    // Confirm, 0 for Edit, -1 when the host asks nothing (the prompter asks).
    virtual int ConfirmScore(const QString &text)
    {
        (void)text;
        return -1;
    }
};
