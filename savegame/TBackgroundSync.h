#pragma once

#include <mutex>
#include <pthread.h>
#include <thread>

class TFileIo;

// Flushes one file to disk on a thread of its own, so that the event being
// recorded never waits for the disk. Requests made while a flush runs are
// coalesced into the next one: a flush covers every write made before it.
class TBackgroundSync
{
public:
    TBackgroundSync() = default;
    ~TBackgroundSync();
    TBackgroundSync(const TBackgroundSync &) = delete;
    TBackgroundSync &operator=(const TBackgroundSync &) = delete;

    // Flushes fd once more; io and fd stay valid until Wait() has returned.
    void Request(TFileIo &io, int fd);
    // Blocks until every requested flush has finished; the errno of a flush
    // that failed since the last call, 0 when none did.
    int Wait();
    // The same without waiting.
    int TakeError();

private:
    void run();

    // pthread's own condition, waited on from this file: the one of the
    // standard library waits inside a library the thread sanitizer does not
    // watch, so it would take the lock taken again there for a race.
    void wait(std::unique_lock<std::mutex> &lock);
    void wakeAll();

    std::mutex m_mutex;
    pthread_cond_t m_changed = PTHREAD_COND_INITIALIZER;
    std::thread m_thread;
    TFileIo *m_io = nullptr;
    int m_fd = -1;
    unsigned long long m_requested = 0;
    unsigned long long m_done = 0;
    int m_error = 0;
    bool m_stop = false;
};
