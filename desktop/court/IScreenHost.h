#pragma once

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
};
