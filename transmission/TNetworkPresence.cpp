#include "TNetworkPresence.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QUrl>

TNetworkPresence::TNetworkPresence(const QByteArray &serverAddress)
    : m_localServer(IsLoopbackServer(serverAddress))
{
}

bool TNetworkPresence::IsConnected()
{
    if (m_localServer)
        return true;
    const QString address = PrimaryLocalAddress();
    return !address.isEmpty() && address != QLatin1String("127.0.0.1");
}

QString TNetworkPresence::PrimaryLocalAddress()
{
    QString fallback;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &nic : interfaces) {
        const auto flags = nic.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry &entry : nic.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (fallback.isEmpty())
                fallback = ip.toString();
            if (!flags.testFlag(QNetworkInterface::IsLoopBack) &&
                ip.protocol() == QAbstractSocket::IPv4Protocol)
                return ip.toString();
        }
    }
    return fallback;
}

bool TNetworkPresence::IsLoopbackServer(const QByteArray &serverAddress)
{
    if (serverAddress.isEmpty())
        return false;
    const QString host = QUrl(QString::fromLatin1(serverAddress)).host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress ip(host);
    return !ip.isNull() && ip.isLoopback();
}
