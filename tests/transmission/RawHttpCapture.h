#pragma once

#include <QByteArray>

#include <atomic>
#include <thread>

// A bare TCP listener on 127.0.0.1 that takes one request, keeps its bytes
// exactly as they came off the wire and answers with a fixed reply (or not
// at all), so tests see what a client really sends.
class RawHttpCapture
{
public:
    // reply empty: keep the connection open without answering until stopped.
    explicit RawHttpCapture(const QByteArray &reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    ~RawHttpCapture();

    int port() const { return m_port; }
    // Waits for the request to be complete (headers and Content-Length body).
    QByteArray request(int timeoutMs = 5000);

private:
    void run();

    int m_listen = -1;
    int m_port = 0;
    QByteArray m_reply;
    QByteArray m_request;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
