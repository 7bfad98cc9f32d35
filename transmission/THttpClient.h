#pragma once

#include "IHttpTransport.h"
#include "THttpReply.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class TMsMultiPartFormDataStream;

// HTTP/1.1 client for the statistics server. Every request opens its own
// connection and closes it, so one client object may be used from any thread
// as long as it is not reconfigured meanwhile. Addresses are taken byte for
// byte: a live message goes on the wire exactly as built, never
// percent-encoded.
class THttpClient : public IHttpTransport
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    // A live message waits at most this long for the connection and then for
    // each read of the reply; the sender retries on its next cycle anyway,
    // while an upload of a large archive needs the longer read time.
    static constexpr int DefaultConnectTimeoutMs = 5000;
    static constexpr int DefaultReadTimeoutMs = 15000;

    explicit THttpClient(int connectTimeoutMs = DefaultConnectTimeoutMs,
                         int readTimeoutMs = DefaultReadTimeoutMs);
    ~THttpClient() override;
    THttpClient(const THttpClient &) = delete;
    THttpClient &operator=(const THttpClient &) = delete;

    int connectTimeoutMs() const { return m_connectTimeoutMs; }
    int readTimeoutMs() const { return m_readTimeoutMs; }

    // Requests go through host:port from now on; with a non-empty user they
    // carry Basic proxy authorisation of user and password (Windows-1250).
    void setProxy(const QString &host, int port, const QString &user = {}, const QString &password = {});
    void clearProxy();
    bool hasProxy() const { return !m_proxyHost.isEmpty(); }

    // Headers of the live event and master data requests; Connection carries
    // the request address itself.
    static Headers liveHeaders(const QByteArray &url);
    // Headers of the batch, the upload and the version check.
    static Headers formHeaders();

    // GET of a live message or the master data with liveHeaders().
    THttpReply getLive(const QByteArray &url) const override;
    // GET of the version file with formHeaders().
    THttpReply getPage(const QByteArray &url) const;
    // POST of a closed multipart body with formHeaders() and its content type.
    THttpReply postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const override;

    void abortRequests() override;
    void resumeRequests() override;

    THttpReply get(const QByteArray &url, const Headers &headers) const;
    THttpReply post(const QByteArray &url, const Headers &headers, const QByteArray &body,
                    const QByteArray &contentType) const;

private:
    THttpReply send(bool post, const QByteArray &url, const Headers &headers, const QByteArray &body,
                    const QByteArray &contentType) const;

    int m_connectTimeoutMs;
    int m_readTimeoutMs;
    QString m_proxyHost;
    int m_proxyPort = 0;
    QByteArray m_proxyAuthorization;
    struct TAbortSwitch;
    std::unique_ptr<TAbortSwitch> m_abort;
};
