#pragma once

#include "TEpollWaker.h"

#include "TRequestHead.h"

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

// Holds connections that are waiting for their next request, on one thread
// with epoll, until the bytes received make a whole request; only then does
// a worker take the connection. So clients that trickle or idle cost a file
// descriptor and a buffer, never a worker.
//
// A connection leaves the parker ready (whole request), rejected (malformed,
// too large, or its request not whole by the deadline: handed on with the
// status to answer) or closed (the peer left, or it idled too long).
class TConnectionParker
{
public:
    using Clock = std::chrono::steady_clock;

    struct TConnection
    {
        int socket = -1;
        QByteArray buffered;  // received and not yet served
        int requestsLeft = 1; // keep-alive budget
        int rejectStatus = 0; // set when the connection is handed on to be refused
        QByteArray rejectReason;
    };

    struct TTimeouts
    {
        int idleMs = 5000;     // no byte of a next request
        int requestMs = 10000; // from the first byte of a request to its last header byte
    };

    using THandOff = std::function<void(TConnection)>;

    TConnectionParker(const TTimeouts &timeouts, const TRequestHead::TLimits &limits, THandOff handOff);
    ~TConnectionParker();
    TConnectionParker(const TConnectionParker &) = delete;
    TConnectionParker &operator=(const TConnectionParker &) = delete;

    bool start(QString *error);
    // Closes every parked connection; later ones are closed at once.
    void stop();

    // From any thread. A buffer that already holds a whole request is handed
    // on at once, on the calling thread.
    void park(TConnection connection);

    // Connections parked now (for tests and the log).
    int parkedCount() const { return m_parkedCount; }

private:
    struct TParked
    {
        TConnection connection;
        Clock::time_point deadline;
        bool started = false; // a byte of the request has arrived
    };

    void run();
    void adopt(TConnection connection);
    void readFrom(int socket);
    // Hands on or keeps the connection after its buffer changed; false when it left.
    bool settle(TParked &parked);
    void release(int socket);
    void closeAll();

    TTimeouts m_timeouts;
    TRequestHead::TLimits m_limits;
    THandOff m_handOff;
    TEpollWaker m_waker;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::mutex m_mutex; // guards m_incoming and the decision to take more
    std::vector<TConnection> m_incoming;
    std::unordered_map<int, TParked> m_parked; // the parker's thread only
    std::atomic<int> m_parkedCount{0};
};
