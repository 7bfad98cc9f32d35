#pragma once

#include "TRequestLine.h"

#include <httplib.h>

#include <QByteArray>

// One accepted connection as httplib reads and writes it, with two things
// httplib's own stream does not give: the raw request line of each request
// before httplib parses it, and a way to end the connection without an
// answer (the drop and refuse faults).
class TSocketStream : public httplib::Stream
{
public:
    // buffered: bytes already received on the connection, read first.
    TSocketStream(int socket, int readTimeoutMs, int writeTimeoutMs, QByteArray buffered = {});

    // Reads the request line of the next request (without consuming it) and
    // hands httplib its normalised form. The line without CR LF, as sent;
    // empty when none arrived.
    QByteArray beginRequest();
    const TRequestLine &requestLine() const { return m_line; }
    const QByteArray &rawLine() const { return m_rawLine; }
    // Bytes have arrived that httplib has not read yet.
    bool hasPending() const { return m_pos < m_buffer.size(); }
    // The bytes received and not read yet, taken out of the stream.
    QByteArray takeBuffered();

    // From now on nothing more is written; the connection ends unanswered.
    void abort() { m_aborted = true; }
    bool aborted() const { return m_aborted; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char *ptr, size_t size) override;
    ssize_t write(const char *ptr, size_t size) override;
    void get_remote_ip_and_port(std::string &ip, int &port) const override;
    void get_local_ip_and_port(std::string &ip, int &port) const override;
    socket_t socket() const override { return m_socket; }

    static constexpr int MaxLineBytes = 8192;

private:
    bool poll(short events, int timeoutMs) const;
    bool fill(int timeoutMs);

    int m_socket;
    int m_readTimeoutMs;
    int m_writeTimeoutMs;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_aborted = false;
    TRequestLine m_line;
    QByteArray m_rawLine;
};
