#include "TLiveHub.h"

#include <QString>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void closeSocket(int socket)
{
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
}

const QByteArray StreamHeader = "HTTP/1.1 200 OK\r\n"
                                "Content-Type: text/event-stream; charset=utf-8\r\n"
                                "Cache-Control: no-store\r\n"
                                "X-Accel-Buffering: no\r\n"
                                "Connection: close\r\n\r\n"
                                "retry: " +
                                QByteArray::number(TLiveHub::RetryMs) + "\n\n";

} // namespace

TLiveHub::TLiveHub(TRenderer renderer) : m_renderer(std::move(renderer)) {}

TLiveHub::~TLiveHub()
{
    stop();
}

bool TLiveHub::start(QString *error)
{
    if (!m_waker.open(QStringLiteral("live viewers"), error))
        return false;
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void TLiveHub::stop()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    m_waker.wake();
    if (m_thread.joinable())
        m_thread.join();
    for (auto &[socket, viewer] : m_viewers)
        closeSocket(socket);
    m_viewers.clear();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const TNew &n : m_incoming)
            closeSocket(n.socket);
        m_incoming.clear();
    }
    m_viewerCount = 0;
    m_waker.close();
}

void TLiveHub::add(int socket, const QByteArray &game, const QByteArray &language, qint64 seen)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_running && m_viewerCount < MaxViewers) {
            m_incoming.push_back({socket, game, language, seen});
            ++m_viewerCount;
            socket = -1;
        }
    }
    if (socket >= 0) {
        closeSocket(socket);
        return;
    }
    m_waker.wake();
}

void TLiveHub::changed(const QByteArray &game)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_changed.insert(game);
    }
    m_waker.wake();
}

QByteArray TLiveHub::event(const TRendered &rendered)
{
    QByteArray out = "id: " + QByteArray::number(rendered.version) + '\n';
    out.reserve(rendered.html.size() + rendered.html.count('\n') * 6 + 32);
    for (const QByteArray &line : rendered.html.split('\n')) {
        // A CR would end the data line as well; the markup escapes them, so
        // one here is only dropped.
        QByteArray clean = line;
        clean.replace('\r', "");
        out += "data: " + clean + '\n';
    }
    return out + '\n';
}

void TLiveHub::queue(TViewer &viewer, const TRendered &rendered)
{
    if (rendered.version <= viewer.seen)
        return;
    viewer.seen = rendered.version;
    // Each event is the whole state: one that has not begun is replaced.
    viewer.next = event(rendered);
}

bool TLiveHub::flush(TViewer &viewer)
{
    for (;;) {
        if (viewer.offset >= viewer.writing.size()) {
            if (viewer.next.isEmpty())
                break;
            viewer.writing = std::move(viewer.next);
            viewer.next.clear();
            viewer.offset = 0;
        }
        const ssize_t n = ::send(viewer.socket, viewer.writing.constData() + viewer.offset,
                                 size_t(viewer.writing.size() - viewer.offset), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            viewer.offset += n;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!viewer.waitingToWrite) {
                epoll_event e{};
                e.events = EPOLLIN | EPOLLOUT | EPOLLRDHUP;
                e.data.fd = viewer.socket;
                ::epoll_ctl(m_waker.epoll(), EPOLL_CTL_MOD, viewer.socket, &e);
                viewer.waitingToWrite = true;
            }
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return false;
    }
    if (viewer.waitingToWrite) {
        epoll_event e{};
        e.events = EPOLLIN | EPOLLRDHUP;
        e.data.fd = viewer.socket;
        ::epoll_ctl(m_waker.epoll(), EPOLL_CTL_MOD, viewer.socket, &e);
        viewer.waitingToWrite = false;
    }
    return true;
}

void TLiveHub::drop(int socket)
{
    if (m_viewers.erase(socket) == 0)
        return;
    ::epoll_ctl(m_waker.epoll(), EPOLL_CTL_DEL, socket, nullptr);
    closeSocket(socket);
    --m_viewerCount;
}

void TLiveHub::publish(const QByteArray &game)
{
    // One rendering per language, shared by the game's viewers.
    std::map<QByteArray, TRendered> rendered;
    std::vector<int> gone;
    for (auto &[socket, viewer] : m_viewers) {
        if (viewer.game != game)
            continue;
        auto it = rendered.find(viewer.language);
        if (it == rendered.end())
            it = rendered.emplace(viewer.language, m_renderer(game, viewer.language)).first;
        queue(viewer, it->second);
        if (!flush(viewer))
            gone.push_back(socket);
    }
    for (int socket : gone)
        drop(socket);
}

void TLiveHub::heartbeat()
{
    // A comment line: keeps proxies from closing the stream and finds
    // viewers that have gone.
    std::vector<int> gone;
    for (auto &[socket, viewer] : m_viewers) {
        if (viewer.offset >= viewer.writing.size() && viewer.next.isEmpty()) {
            viewer.writing = ":\n\n";
            viewer.offset = 0;
        }
        if (!flush(viewer))
            gone.push_back(socket);
    }
    for (int socket : gone)
        drop(socket);
}

void TLiveHub::run()
{
    using Clock = std::chrono::steady_clock;
    auto nextBeat = Clock::now() + std::chrono::milliseconds(HeartbeatMs);
    std::vector<epoll_event> events(256);
    while (m_running) {
        const int wait =
            int(std::chrono::duration_cast<std::chrono::milliseconds>(nextBeat - Clock::now()).count());
        const int n = ::epoll_wait(m_waker.epoll(), events.data(), int(events.size()), qMax(0, wait));
        if (n < 0 && errno != EINTR)
            break;
        for (int i = 0; i < n; ++i) {
            const int fd = events[size_t(i)].data.fd;
            if (m_waker.drained(fd)) {
                continue;
            }
            const auto it = m_viewers.find(fd);
            if (it == m_viewers.end())
                continue;
            bool alive = !(events[size_t(i)].events & (EPOLLERR | EPOLLHUP | EPOLLRDHUP));
            if (alive && (events[size_t(i)].events & EPOLLIN)) {
                // A viewer sends nothing after its request; whatever comes is
                // read and dropped, and an end means it left.
                char sink[1024];
                const ssize_t r = ::recv(fd, sink, sizeof sink, MSG_DONTWAIT);
                alive = r > 0 || (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR));
            }
            if (alive && (events[size_t(i)].events & EPOLLOUT))
                alive = flush(it->second);
            if (!alive)
                drop(fd);
        }

        std::vector<TNew> incoming;
        std::set<QByteArray> changed;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_running)
                break;
            incoming.swap(m_incoming);
            changed.swap(m_changed);
        }
        std::map<std::pair<QByteArray, QByteArray>, TRendered> rendered;
        for (const TNew &n : incoming) {
            ::fcntl(n.socket, F_SETFL, ::fcntl(n.socket, F_GETFL) | O_NONBLOCK);
            epoll_event e{};
            e.events = EPOLLIN | EPOLLRDHUP;
            e.data.fd = n.socket;
            if (::epoll_ctl(m_waker.epoll(), EPOLL_CTL_ADD, n.socket, &e) != 0) {
                closeSocket(n.socket);
                --m_viewerCount;
                continue;
            }
            TViewer &viewer = m_viewers[n.socket];
            viewer.socket = n.socket;
            viewer.game = n.game;
            viewer.language = n.language;
            viewer.seen = n.seen;
            viewer.writing = StreamHeader;
            // A game changed meanwhile is published below with the rest.
            if (!changed.count(n.game)) {
                const auto key = std::make_pair(n.game, n.language);
                auto it = rendered.find(key);
                if (it == rendered.end())
                    it = rendered.emplace(key, m_renderer(n.game, n.language)).first;
                queue(viewer, it->second);
            }
            if (!flush(viewer))
                drop(n.socket);
        }
        for (const QByteArray &game : changed)
            publish(game);
        if (Clock::now() >= nextBeat) {
            heartbeat();
            nextBeat = Clock::now() + std::chrono::milliseconds(HeartbeatMs);
        }
    }
}
