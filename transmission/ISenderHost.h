#pragma once

#include <QString>

class IScreenLink;
class TGame;

// What the sender reaches outside the game: the main window's flag and
// status bar and the court screen. Every call is made on the user interface
// thread, inside a hand-off.
class ISenderHost
{
public:
    virtual ~ISenderHost() = default;

    // The current game, reached anew at every hand-off since it is replaced
    // when a new game starts; null when there is none.
    virtual TGame *CurrentGame() = 0;
    // False after a send failure until the operator restarts sending.
    virtual bool SendingEnabled() const = 0;
    virtual void SetSendingEnabled(bool enabled) = 0;
    // The court screen while it is open, else null.
    virtual IScreenLink *CourtScreen() = 0;
    // The first panel of the main window's status bar.
    virtual void ShowConnectionState(const QString &text) = 0;
};
