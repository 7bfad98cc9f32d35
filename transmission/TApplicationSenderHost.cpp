#include "TApplicationSenderHost.h"

#include "model/TParquetixApplication.h"

TApplicationSenderHost::TApplicationSenderHost(TParquetixApplication &app, IScreenLink *courtScreen)
    : m_app(app), m_screen(courtScreen)
{
}

TGame *TApplicationSenderHost::CurrentGame()
{
    return &m_app.Game();
}
