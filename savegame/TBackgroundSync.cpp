#include "TBackgroundSync.h"

#include "TFileIo.h"

#include <cerrno>

TBackgroundSync::~TBackgroundSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    wakeAll();
    if (m_thread.joinable())
        m_thread.join();
    pthread_cond_destroy(&m_changed);
}

void TBackgroundSync::wait(std::unique_lock<std::mutex> &lock)
{
    pthread_cond_wait(&m_changed, lock.mutex()->native_handle());
}

void TBackgroundSync::wakeAll()
{
    pthread_cond_broadcast(&m_changed);
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
    wakeAll();
}

int TBackgroundSync::Wait()
{
    std::unique_lock lock(m_mutex);
    while (m_done != m_requested)
        wait(lock);
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
        while (!m_stop && m_done == m_requested)
            wait(lock);
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
        wakeAll();
    }
}
