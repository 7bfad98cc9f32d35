#include "TEpollWaker.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

bool TEpollWaker::open(const QString &what, QString *error)
{
    close();
    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = m_wake;
    if (m_epoll >= 0 && m_wake >= 0 && ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wake, &event) == 0)
        return true;
    if (error)
        *error = QStringLiteral("cannot wait for %1: %2").arg(what, QString::fromLocal8Bit(strerror(errno)));
    close();
    return false;
}

void TEpollWaker::close()
{
    if (m_epoll >= 0)
        ::close(m_epoll);
    if (m_wake >= 0)
        ::close(m_wake);
    m_epoll = m_wake = -1;
}

void TEpollWaker::wake() const
{
    if (m_wake < 0)
        return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
}

bool TEpollWaker::drained(int fd) const
{
    if (fd != m_wake || fd < 0)
        return false;
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t r = ::read(m_wake, &count, sizeof count);
    return true;
}
