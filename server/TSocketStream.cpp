#include "TSocketStream.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {

void addressOf(const sockaddr_storage &addr, std::string &ip, int &port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (addr.ss_family == AF_INET) {
        const auto *a = reinterpret_cast<const sockaddr_in *>(&addr);
        inet_ntop(AF_INET, &a->sin_addr, text, sizeof text);
        port = ntohs(a->sin_port);
    } else if (addr.ss_family == AF_INET6) {
        const auto *a = reinterpret_cast<const sockaddr_in6 *>(&addr);
        inet_ntop(AF_INET6, &a->sin6_addr, text, sizeof text);
        port = ntohs(a->sin6_port);
    }
    ip = text;
}

} // namespace

TSocketStream::TSocketStream(int socket, int readTimeoutMs, int writeTimeoutMs, QByteArray buffered)
    : m_socket(socket), m_readTimeoutMs(readTimeoutMs), m_writeTimeoutMs(writeTimeoutMs),
      m_buffer(std::move(buffered))
{
}

QByteArray TSocketStream::takeBuffered()
{
    QByteArray rest = m_buffer.mid(m_pos);
    m_buffer.clear();
    m_pos = 0;
    return rest;
}

bool TSocketStream::poll(short events, int timeoutMs) const
{
    pollfd p{m_socket, events, 0};
    int r;
    do {
        r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    return r > 0;
}

bool TSocketStream::fill(int timeoutMs)
{
    if (!poll(POLLIN, timeoutMs))
        return false;
    char chunk[4096];
    ssize_t n;
    do {
        n = ::recv(m_socket, chunk, sizeof chunk, 0);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(chunk, n);
    return true;
}

QByteArray TSocketStream::beginRequest()
{
    m_line = TRequestLine();
    m_rawLine.clear();
    qsizetype end;
    while ((end = m_buffer.indexOf("\r\n", m_pos)) < 0) {
        if (m_buffer.size() - m_pos > MaxLineBytes || !fill(m_readTimeoutMs))
            return {};
    }
    m_rawLine = m_buffer.mid(m_pos, end - m_pos);
    m_line = TRequestLine::parse(m_rawLine);
    const QByteArray normalised = m_line.normalised(m_rawLine);
    if (normalised != m_rawLine)
        m_buffer.replace(m_pos, end - m_pos, normalised);
    return m_rawLine;
}

bool TSocketStream::is_readable() const
{
    return m_pos < m_buffer.size() || poll(POLLIN, m_readTimeoutMs);
}

bool TSocketStream::is_writable() const
{
    return !m_aborted && poll(POLLOUT, m_writeTimeoutMs);
}

ssize_t TSocketStream::read(char *ptr, size_t size)
{
    if (m_pos < m_buffer.size()) {
        const auto n = qMin<qsizetype>(qsizetype(size), m_buffer.size() - m_pos);
        memcpy(ptr, m_buffer.constData() + m_pos, size_t(n));
        m_pos += n;
        if (m_pos == m_buffer.size()) {
            m_buffer.clear();
            m_pos = 0;
        }
        return n;
    }
    if (!poll(POLLIN, m_readTimeoutMs))
        return -1;
    ssize_t n;
    do {
        n = ::recv(m_socket, ptr, size, 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t TSocketStream::write(const char *ptr, size_t size)
{
    if (m_aborted || !poll(POLLOUT, m_writeTimeoutMs))
        return -1;
    ssize_t n;
    do {
        n = ::send(m_socket, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
}

void TSocketStream::get_remote_ip_and_port(std::string &ip, int &port) const
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    port = -1;
    if (getpeername(m_socket, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        addressOf(addr, ip, port);
}

void TSocketStream::get_local_ip_and_port(std::string &ip, int &port) const
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    port = -1;
    if (getsockname(m_socket, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        addressOf(addr, ip, port);
}
