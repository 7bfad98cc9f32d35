#include "TUpdateDownloader.h"

#include "transmission/THttpClient.h"

#include "common/Win1250.h"

void TUpdateDownloader::SetTimeouts(int connectMs, int readMs)
{
    m_connectMs = connectMs;
    m_readMs = readMs;
}

bool TUpdateDownloader::Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error)
{
    THttpClient client(m_connectMs, m_readMs);
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
