#pragma once

#include "TEpollWaker.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>
#include <vector>

// The viewers of the live pages, on one thread with epoll: each is a
// connection that asked for a game's event stream (Server-Sent Events). When
// a game changes, its page is rendered once per language and the new markup
// queued to every viewer of that game; a viewer that has not read the last
// one yet gets only the newest (each event is the whole state). So hundreds
// of idle connections cost a descriptor and a buffer each, never a worker.
class TLiveHub
{
public:
    // The markup of a game in a language ("hu", "en") and the version it shows.
    struct TRendered
    {
        QByteArray html;
        qint64 version = 0;
    };
    using TRenderer = std::function<TRendered(const QByteArray &game, const QByteArray &language)>;

    static constexpr int MaxViewers = 10000;
    static constexpr int HeartbeatMs = 15000;
    // The browser waits this long before it reconnects.
    static constexpr int RetryMs = 1000;

    explicit TLiveHub(TRenderer renderer);
    ~TLiveHub();
    TLiveHub(const TLiveHub &) = delete;
    TLiveHub &operator=(const TLiveHub &) = delete;

    bool start(QString *error);
    // Closes every viewer's connection.
    void stop();

    // Takes over socket, whose request asked for the stream of game: answers
    // its header and the game's state unless the viewer already has version
    // seen. From any thread.
    void add(int socket, const QByteArray &game, const QByteArray &language, qint64 seen);
    // From any thread: the game's messages changed.
    void changed(const QByteArray &game);

    int viewerCount() const { return m_viewerCount; }

    // One event of the stream: id, then the markup as data lines.
    static QByteArray event(const TRendered &rendered);

private:
    struct TViewer
    {
        int socket = -1;
        QByteArray game;
        QByteArray language;
        qint64 seen = 0;
        QByteArray writing; // the event on its way, from offset on
        qsizetype offset = 0;
        QByteArray next; // the newest event not yet begun
        bool waitingToWrite = false;
    };
    struct TNew
    {
        int socket;
        QByteArray game;
        QByteArray language;
        qint64 seen;
    };

    void run();
    void publish(const QByteArray &game);
    void queue(TViewer &viewer, const TRendered &rendered);
    // Writes what the viewer has pending; false when its connection is gone.
    bool flush(TViewer &viewer);
    void drop(int socket);
    void heartbeat();

    TRenderer m_renderer;
    TEpollWaker m_waker;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::mutex m_mutex; // guards m_incoming and m_changed
    std::vector<TNew> m_incoming;
    std::set<QByteArray> m_changed;
    std::unordered_map<int, TViewer> m_viewers; // the hub's thread only
    std::atomic<int> m_viewerCount{0};
};
