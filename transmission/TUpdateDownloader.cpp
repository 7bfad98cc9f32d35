#include "TUpdateDownloader.h"

#include "transmission/THttpClient.h"

#include "common/Win1250.h"

void TUpdateDownloader::SetTimeouts(int connectMs, int readMs)
{
    m_connectMs = connectMs;
    m_readMs = readMs;
}

void TUpdateDownloader::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cancelled = true;
    if (m_current)
        m_current->abortRequests();
}

void TUpdateDownloader::Resume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cancelled = false;
}

bool TUpdateDownloader::Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error)
{
    auto shared = std::make_shared<THttpClient>(m_connectMs, m_readMs);
    THttpClient &client = *shared;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_cancelled) {
            error = QStringLiteral("request cancelled");
            return false;
        }
        m_current = shared;
    }
    struct TForget
    {
        TUpdateDownloader &Downloader;
        const std::shared_ptr<THttpClient> &Mine;
        ~TForget()
        {
            // A later download may have taken its place already.
            std::lock_guard<std::mutex> lock(Downloader.m_mutex);
            if (Downloader.m_current == Mine)
                Downloader.m_current.reset();
        }
    } forget{*this, shared};
    if (!proxy.server.isEmpty()) {
        bool ok = false;
        const int port = proxy.port.trimmed().toInt(&ok);
        if (!ok || port <= 0 || port > 65535) {
            error = QStringLiteral("Invalid proxy port: \"%1\"").arg(proxy.port);
            return false;
        }
        client.setProxy(proxy.server, port, proxy.user, proxy.password);
    }
    const THttpReply reply = client.getLive(Win1250::Encode(url));
    if (!reply.received) {
        error = reply.error;
        return false;
    }
    body = reply.body;
    return true;
}
