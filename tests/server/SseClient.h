#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

// A viewer of a live page's event stream over a plain socket: sends the
// request, then reads the answer's header and its events one by one.
class SseClient
{
public:
    struct Event
    {
        qint64 id = -1;
        QByteArray data; // the data lines joined by LF
    };

    SseClient(int port, const QByteArray &target, const QByteArray &headers = {})
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            return;
        const QByteArray request = "GET " + target +
                                   " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/event-stream\r\n" + headers +
                                   "\r\n";
        m_connected =
            ::send(m_socket, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size();
    }
    ~SseClient()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    SseClient(const SseClient &) = delete;
    SseClient &operator=(const SseClient &) = delete;

    bool connected() const { return m_connected; }

    // The answer's header; empty when none came within waitMs.
    QByteArray header(int waitMs = 5000)
    {
        if (!fillUntil("\r\n\r\n", waitMs))
            return {};
        const qsizetype end = m_buffer.indexOf("\r\n\r\n") + 4;
        const QByteArray head = m_buffer.left(end);
        m_buffer.remove(0, end);
        return head;
    }

    // The next event with data; false when none came within waitMs or the
    // connection ended. Comments and the retry field are skipped.
    bool next(Event *event, int waitMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            const int left = int(waitMs - timer.elapsed());
            if (!fillUntil("\n\n", qMax(0, left)))
                return false;
            const qsizetype end = m_buffer.indexOf("\n\n");
            const QByteArray block = m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            Event e;
            QList<QByteArray> data;
            for (const QByteArray &line : block.split('\n')) {
                if (line.startsWith("id: "))
                    e.id = line.mid(4).toLongLong();
                else if (line.startsWith("data: "))
                    data.append(line.mid(6));
            }
            if (data.isEmpty())
                continue;
            e.data = data.join('\n');
            *event = e;
            return true;
        }
    }

    // Whether the server closed the connection within waitMs.
    bool closedByServer(int waitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < waitMs) {
            pollfd p{m_socket, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            char chunk[4096];
            const ssize_t n = ::recv(m_socket, chunk, sizeof chunk, 0);
            if (n <= 0)
                return true;
            m_buffer.append(chunk, n);
        }
        return false;
    }

private:
    bool fillUntil(const QByteArray &marker, int waitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_buffer.contains(marker)) {
            const int left = int(waitMs - timer.elapsed());
            if (left <= 0)
                return false;
            pollfd p{m_socket, POLLIN, 0};
            if (::poll(&p, 1, left) <= 0)
                return false;
            char chunk[65536];
            const ssize_t n = ::recv(m_socket, chunk, sizeof chunk, 0);
            if (n <= 0)
                return false;
            m_buffer.append(chunk, n);
        }
        return true;
    }

    int m_socket = -1;
    bool m_connected = false;
    QByteArray m_buffer;
};
