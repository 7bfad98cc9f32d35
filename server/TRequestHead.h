#pragma once

#include <QByteArray>

// What the bytes received so far on a connection hold: nothing yet, part of
// a request, a whole request the workers can serve without waiting for the
// client, or something that can never become a request. The connection
// parker reads only this, so a slow or idle client never holds a worker.
class TRequestHead
{
public:
    enum class TState
    {
        Empty,      // no byte of the next request yet
        Incomplete, // more bytes are needed
        Complete,   // the header (and a small body) are all there
        Malformed   // answer status and close
    };

    struct TLimits
    {
        qsizetype maxLineBytes = 8192;        // the request line
        qsizetype maxHeaderBytes = 64 * 1024; // request line and header fields
        qsizetype maxParkedBody = 256 * 1024; // larger bodies are read by the worker
    };

    // Examines the start of buffer.
    static TRequestHead examine(const QByteArray &buffer, const TLimits &limits);

    TState state() const { return m_state; }
    // Malformed: the status to answer and why.
    int status() const { return m_status; }
    const QByteArray &reason() const { return m_reason; }
    // Complete: bytes of the request line and header fields with the empty
    // line, and the body bytes waited for (0 when the worker reads the body).
    qsizetype headerBytes() const { return m_headerBytes; }
    qsizetype bodyBytes() const { return m_bodyBytes; }

private:
    static TRequestHead malformed(int status, const QByteArray &reason);

    TState m_state = TState::Empty;
    int m_status = 0;
    QByteArray m_reason;
    qsizetype m_headerBytes = 0;
    qsizetype m_bodyBytes = 0;
};
