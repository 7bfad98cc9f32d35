#include "TApplicationSenderHost.h"

#include "model/game/TCurrentGame.h"

TApplicationSenderHost::TApplicationSenderHost(TCurrentGame &app, IScreenLink *courtScreen)
    : m_app(app), m_screen(courtScreen)
{
}

TGame *TApplicationSenderHost::CurrentGame()
{
    return &m_app.Game();
}
