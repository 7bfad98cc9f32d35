#pragma once

#include <QString>

// An epoll set holding an event descriptor, so that any thread can wake the
// one thread that waits on the set. Owned by the parker and the live hub.
class TEpollWaker
{
public:
    TEpollWaker() = default;
    TEpollWaker(const TEpollWaker &) = delete;
    TEpollWaker &operator=(const TEpollWaker &) = delete;
    ~TEpollWaker() { close(); }

    // `what` names the waiting in the error: "cannot wait for <what>: ...".
    bool open(const QString &what, QString *error);
    void close();
    void wake() const;
    // True for the event descriptor, whose count is then read away.
    bool drained(int fd) const;
    int epoll() const { return m_epoll; }

private:
    int m_epoll = -1;
    int m_wake = -1;
};
