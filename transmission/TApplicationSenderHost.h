#pragma once

#include "ISenderHost.h"

class TCurrentGame;

// The sender's surroundings in a program without a main window: the
// application's current game, the flag kept here, the screen it is given and
// the last connection state as text.
class TApplicationSenderHost : public ISenderHost
{
public:
    explicit TApplicationSenderHost(TCurrentGame &app, IScreenLink *courtScreen = nullptr);

    TGame *CurrentGame() override;
    bool SendingEnabled() const override { return m_sendingEnabled; }
    void SetSendingEnabled(bool enabled) override { m_sendingEnabled = enabled; }
    IScreenLink *CourtScreen() override { return m_screen; }
    void SetCourtScreen(IScreenLink *screen) { m_screen = screen; }
    void ShowConnectionState(const QString &text) override { m_connectionState = text; }
    const QString &ConnectionState() const { return m_connectionState; }

private:
    TCurrentGame &m_app;
    IScreenLink *m_screen;
    bool m_sendingEnabled = true;
    QString m_connectionState;
};
