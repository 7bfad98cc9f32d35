#include "TEvdevMouseSource.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

TEvdevMouseSource::TEvdevMouseSource(const QString &path, QObject *parent)
    : TPointerSource(parent), m_path(path)
{
}

TEvdevMouseSource::~TEvdevMouseSource()
{
    Close();
}

bool TEvdevMouseSource::Open(QString *error)
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_path, reason);
        Close();
        return false;
    };
    m_fd = ::open(m_path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    const int rc = libevdev_new_from_fd(m_fd, &m_device);
    if (rc < 0)
        return fail(QString::fromLocal8Bit(std::strerror(-rc)));
    if (!libevdev_has_event_code(m_device, EV_REL, REL_X) ||
        !libevdev_has_event_code(m_device, EV_KEY, BTN_LEFT))
        return fail(QStringLiteral("not a mouse (%1)").arg(QString::fromUtf8(libevdev_get_name(m_device))));
    if (libevdev_grab(m_device, LIBEVDEV_GRAB) < 0)
        return fail(QStringLiteral("the device is in use by another program"));
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TEvdevMouseSource::readEvents);
    return true;
}

void TEvdevMouseSource::Close()
{
    m_notifier.reset();
    if (m_device) {
        libevdev_grab(m_device, LIBEVDEV_UNGRAB);
        libevdev_free(m_device);
        m_device = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void TEvdevMouseSource::readEvents()
{
    if (!m_device)
        return;
    input_event ev;
    unsigned flags = LIBEVDEV_READ_FLAG_NORMAL;
    for (;;) {
        const int rc = libevdev_next_event(m_device, flags, &ev);
        if (rc == LIBEVDEV_READ_STATUS_SYNC) {
            // Events were dropped: take the device's state as it is now.
            m_builder.Resync();
            flags = LIBEVDEV_READ_FLAG_SYNC;
        } else if (rc == LIBEVDEV_READ_STATUS_SUCCESS) {
            TEvdevReportBuilder::Report report;
            if (m_builder.Feed(ev.type, ev.code, ev.value, &report))
                deliver(report.Dx, report.Dy, report.Buttons);
        } else if (rc == -EAGAIN) {
            if (flags == LIBEVDEV_READ_FLAG_SYNC) {
                flags = LIBEVDEV_READ_FLAG_NORMAL;
                continue;
            }
            return;
        } else {
            const QString reason = QString::fromLocal8Bit(std::strerror(-rc));
            Close();
            emit Failed(QStringLiteral("%1: %2").arg(m_path, reason));
            return;
        }
    }
}
