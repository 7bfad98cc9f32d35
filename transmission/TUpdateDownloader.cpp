#include "TUpdateDownloader.h"

#include <QStringEncoder>
#include <httplib.h>

bool TUpdateDownloader::SplitUrl(const QByteArray &url, QByteArray &origin, QByteArray &target)
{
    const QByteArray lower = url.toLower();
    qsizetype from = 0;
    if (lower.startsWith("http://"))
        from = 7;
    else if (lower.startsWith("https://"))
        from = 8;
    else
        return false;
    qsizetype end = from;
    while (end < url.size() && url.at(end) != '/' && url.at(end) != '?')
        ++end;
    if (end == from)
        return false;
    origin = url.left(end);
    target = url.mid(end);
    if (target.isEmpty() || target.startsWith('?'))
        target.prepend('/');
    return true;
}

void TUpdateDownloader::SetTimeouts(int connectSeconds, int readSeconds)
{
    m_connectSeconds = connectSeconds;
    m_readSeconds = readSeconds;
}

bool TUpdateDownloader::Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error)
{
    QStringEncoder encode("windows-1250");
    const QByteArray wire = encode.isValid() ? QByteArray(encode(url)) : url.toLatin1();
    QByteArray origin, target;
    if (!SplitUrl(wire, origin, target)) {
        error = QStringLiteral("Not an http or https address: %1").arg(url);
        return false;
    }

    httplib::Client client(origin.toStdString());
    if (!client.is_valid()) {
        error = QStringLiteral("Cannot use the address %1").arg(url);
        return false;
    }
    client.set_url_encode(false);
    client.set_connection_timeout(m_connectSeconds);
    client.set_read_timeout(m_readSeconds);
    if (!proxy.server.isEmpty()) {
        bool ok = false;
        const int port = proxy.port.trimmed().toInt(&ok);
        if (!ok || port <= 0 || port > 65535) {
            error = QStringLiteral("Invalid proxy port: \"%1\"").arg(proxy.port);
            return false;
        }
        client.set_proxy(proxy.server.toStdString(), port);
        if (!proxy.user.isEmpty())
            client.set_proxy_basic_auth(proxy.user.toStdString(), proxy.password.toStdString());
    }

    const httplib::Headers headers{
        {"Accept", "text/xml, text/html, application/octet-stream"},
        {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
        {"Content-Type", "text/xml"},
        {"Connection", wire.toStdString()},
    };
    const httplib::Result result = client.Get(target.toStdString(), headers);
    if (!result) {
        error = QStringLiteral("%1: %2 error")
                    .arg(QString::fromLatin1(origin), QString::fromStdString(httplib::to_string(result.error())));
        return false;
    }
    body = QByteArray::fromStdString(result->body);
    return true;
}
