#pragma once

#include "IConnectionProbe.h"

#include <QByteArray>
#include <QString>

// The network presence test: the machine counts as connected when its
// primary local address is neither empty nor 127.0.0.1. A server on this
// machine (a loopback address) is reachable without any network, so with one
// the machine always counts as connected.
class TNetworkPresence : public IConnectionProbe
{
public:
    // serverAddress: the statistics server's address, "scheme://host[:port]...".
    explicit TNetworkPresence(const QByteArray &serverAddress = {});

    bool IsConnected() override;

    // The first IPv4 address of an interface that is up and not the loopback,
    // else the first address of any kind; empty when there is none.
    static QString PrimaryLocalAddress();
    static bool IsLoopbackServer(const QByteArray &serverAddress);

private:
    bool m_localServer;
};
