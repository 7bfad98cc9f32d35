#include "RawHttpCapture.h"

#include <QElapsedTimer>
#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

RawHttpCapture::RawHttpCapture(const QByteArray &reply) : m_reply(reply)
{
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::listen(m_listen, 4);
    socklen_t len = sizeof addr;
    ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { run(); });
}

RawHttpCapture::~RawHttpCapture()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listen);
}

void RawHttpCapture::run()
{
    pollfd p{m_listen, POLLIN, 0};
    while (!m_stop && ::poll(&p, 1, 50) <= 0) {
    }
    if (m_stop)
        return;
    const int conn = ::accept(m_listen, nullptr, nullptr);
    QByteArray data;
    for (;;) {
        const qsizetype headerEnd = data.indexOf("\r\n\r\n");
        if (headerEnd >= 0) {
            qsizetype length = 0;
            for (const QByteArray &line : data.left(headerEnd).split('\n'))
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            if (data.size() >= headerEnd + 4 + length)
                break;
        }
        pollfd c{conn, POLLIN, 0};
        if (m_stop)
            break;
        if (::poll(&c, 1, 50) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = ::recv(conn, buf, sizeof buf, 0);
        if (n <= 0)
            break;
        data.append(buf, n);
    }
    m_request = data;
    m_done = true;
    if (!m_reply.isEmpty())
        ::send(conn, m_reply.constData(), size_t(m_reply.size()), MSG_NOSIGNAL);
    else
        while (!m_stop)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::shutdown(conn, SHUT_RDWR);
    ::close(conn);
}

QByteArray RawHttpCapture::request(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_done && timer.elapsed() < timeoutMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return m_done ? m_request : QByteArray();
}
