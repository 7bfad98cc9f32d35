#pragma once

#include <QString>

class TGame;

// The recording of a game between the wizards' set-up pages and their played
// time pages: the desktop shows the court screen modally, the command line
// and the tests play a script instead.
class IPlayStep
{
public:
    virtual ~IPlayStep() = default;
    // The screen is made before a loaded game's events are replayed, so it
    // receives their history lines.
    virtual void Prepare(TGame &game) { (void)game; }
    // Records on the game until the operator closes the screen; false with
    // the reason when the recording could not run.
    virtual bool Play(TGame &game, QString *error) = 0;
    // The operator left with Exit: the program ends, the game saved but not
    // finished, to be continued with the load wizard.
    virtual bool ApplicationEnded() const { return false; }
};
