#include "TConnectionParker.h"

#include <QString>

#include <cerrno>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void closeSocket(int socket)
{
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
}

// How often deadlines are checked: well below any timeout a test or a
// client would use.
constexpr int ScanMs = 50;

} // namespace

TConnectionParker::TConnectionParker(const TTimeouts &timeouts, const TRequestHead::TLimits &limits,
                                     THandOff handOff)
    : m_timeouts(timeouts), m_limits(limits), m_handOff(std::move(handOff))
{
}

TConnectionParker::~TConnectionParker()
{
    stop();
}

bool TConnectionParker::start(QString *error)
{
    if (!m_waker.open(QStringLiteral("connections"), error))
        return false;
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void TConnectionParker::stop()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    m_waker.wake();
    if (m_thread.joinable())
        m_thread.join();
    closeAll();
    m_waker.close();
}

void TConnectionParker::park(TConnection connection)
{
    const TRequestHead head = TRequestHead::examine(connection.buffered, m_limits);
    if (head.state() == TRequestHead::TState::Complete) {
        m_handOff(std::move(connection));
        return;
    }
    if (head.state() == TRequestHead::TState::Malformed) {
        connection.rejectStatus = head.status();
        connection.rejectReason = head.reason();
        m_handOff(std::move(connection));
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_running) {
            m_incoming.push_back(std::move(connection));
            ++m_parkedCount;
            connection.socket = -1;
        }
    }
    if (connection.socket >= 0) {
        closeSocket(connection.socket);
        return;
    }
    m_waker.wake();
}

void TConnectionParker::adopt(TConnection connection)
{
    const int socket = connection.socket;
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = socket;
    if (::epoll_ctl(m_waker.epoll(), EPOLL_CTL_ADD, socket, &event) != 0) {
        --m_parkedCount;
        closeSocket(socket);
        return;
    }
    TParked parked;
    parked.started = !connection.buffered.isEmpty();
    parked.deadline =
        Clock::now() + std::chrono::milliseconds(parked.started ? m_timeouts.requestMs : m_timeouts.idleMs);
    parked.connection = std::move(connection);
    m_parked[socket] = std::move(parked);
}

void TConnectionParker::release(int socket)
{
    ::epoll_ctl(m_waker.epoll(), EPOLL_CTL_DEL, socket, nullptr);
    m_parked.erase(socket);
    --m_parkedCount;
}

bool TConnectionParker::settle(TParked &parked)
{
    const TRequestHead head = TRequestHead::examine(parked.connection.buffered, m_limits);
    if (head.state() == TRequestHead::TState::Empty || head.state() == TRequestHead::TState::Incomplete)
        return true;
    TConnection connection = std::move(parked.connection);
    if (head.state() == TRequestHead::TState::Malformed) {
        connection.rejectStatus = head.status();
        connection.rejectReason = head.reason();
    }
    release(connection.socket);
    m_handOff(std::move(connection));
    return false;
}

void TConnectionParker::readFrom(int socket)
{
    auto it = m_parked.find(socket);
    if (it == m_parked.end())
        return;
    TParked &parked = it->second;
    char chunk[16384];
    // Bounded: a fast sender is taken up again on the next round.
    for (int round = 0; round < 8; ++round) {
        const ssize_t n = ::recv(socket, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            parked.connection.buffered.append(chunk, qsizetype(n));
            if (!parked.started) {
                parked.started = true;
                parked.deadline = Clock::now() + std::chrono::milliseconds(m_timeouts.requestMs);
            }
            if (parked.connection.buffered.size() > m_limits.maxHeaderBytes + m_limits.maxParkedBody)
                break;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // The peer left (or the connection failed) before a whole request.
        release(socket);
        closeSocket(socket);
        return;
    }
    settle(parked);
}

void TConnectionParker::run()
{
    std::vector<epoll_event> events(256);
    Clock::time_point lastScan = Clock::now();
    while (m_running) {
        const int n = ::epoll_wait(m_waker.epoll(), events.data(), int(events.size()), ScanMs);
        for (int i = 0; i < n; ++i) {
            const int fd = events[size_t(i)].data.fd;
            if (m_waker.drained(fd)) {
                std::vector<TConnection> incoming;
                {
                    const std::lock_guard<std::mutex> lock(m_mutex);
                    incoming.swap(m_incoming);
                }
                for (TConnection &c : incoming)
                    adopt(std::move(c));
            } else {
                readFrom(fd);
            }
        }
        const Clock::time_point now = Clock::now();
        if (now - lastScan < std::chrono::milliseconds(ScanMs))
            continue;
        lastScan = now;
        std::vector<int> expired;
        for (const auto &[socket, parked] : m_parked)
            if (parked.deadline <= now)
                expired.push_back(socket);
        for (const int socket : expired) {
            TParked &parked = m_parked[socket];
            if (!parked.started) {
                release(socket);
                closeSocket(socket);
                continue;
            }
            TConnection connection = std::move(parked.connection);
            connection.rejectStatus = 408;
            connection.rejectReason =
                "the request did not arrive whole within " + QByteArray::number(m_timeouts.requestMs) + " ms";
            release(socket);
            m_handOff(std::move(connection));
        }
    }
}

void TConnectionParker::closeAll()
{
    for (const auto &[socket, parked] : m_parked)
        closeSocket(socket);
    m_parked.clear();
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const TConnection &c : m_incoming)
        closeSocket(c.socket);
    m_incoming.clear();
    m_parkedCount = 0;
}
