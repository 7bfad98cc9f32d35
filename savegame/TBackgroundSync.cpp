#include "TBackgroundSync.h"

#include "TFileIo.h"

#include <cerrno>

TBackgroundSync::~TBackgroundSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void TBackgroundSync::Request(TFileIo &io, int fd)
{
    {
        std::lock_guard lock(m_mutex);
        m_io = &io;
        m_fd = fd;
        ++m_requested;
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
}

int TBackgroundSync::Wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_done == m_requested; });
    const int error = m_error;
    m_error = 0;
    return error;
}

int TBackgroundSync::TakeError()
{
    std::lock_guard lock(m_mutex);
    const int error = m_error;
    m_error = 0;
    return error;
}

void TBackgroundSync::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || m_done != m_requested; });
        if (m_done == m_requested)
            return; // stopping with nothing left to flush
        const unsigned long long target = m_requested;
        TFileIo *io = m_io;
        const int fd = m_fd;
        lock.unlock();
        const int result = io->Sync(fd);
        const int error = result == 0 ? 0 : errno;
        lock.lock();
        if (error != 0)
            m_error = error;
        m_done = target;
        m_changed.notify_all();
    }
}
