#include "TPointerSource.h"

#include "TEvdevMouseSource.h"
#include "TSerialMouseSource.h"

std::unique_ptr<TPointerSource> TPointerSource::ForPort(const QString &comPort, QObject *parent)
{
    const QString port = comPort.trimmed();
    if (port.startsWith(QLatin1String("/dev/input/")))
        return std::make_unique<TEvdevMouseSource>(port, parent);
    return std::make_unique<TSerialMouseSource>(port, parent);
}

void TPointerSource::deliver(int dx, int dy, int buttons)
{
    const bool moved = m_tracker.Move(dx, dy);
    if (!moved && buttons == m_buttons)
        return;
    m_buttons = buttons;
    emit Report(m_tracker.Position(), buttons);
}
