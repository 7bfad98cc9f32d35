#pragma once

#include "server/TStatsServer.h"
#include "transmission/THttpClient.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A reference server in this process on 127.0.0.1 and a free port, with its
// data folder inside a temporary folder of the test's own.
class ServerFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Restarts the server with options (data folder, host and port are set here).
    void restart(TServerOptions options);
    static TServerOptions defaultOptions();

    QString dataDir() const { return m_root.filePath(QStringLiteral("data")); }
    QString rootDir() const { return m_root.path(); }
    QByteArray base() const;
    QByteArray liveUrl(const QByteArray &query) const { return base() + "/income/index.phtml?" + query; }

    THttpReply sendLive(const QByteArray &query) const { return m_client.getLive(liveUrl(query)); }
    THttpReply postForm(const QByteArray &path, const QList<QPair<QByteArray, QByteArray>> &fields) const;
    THttpReply control(const QByteArray &query) const;
    // The JSON of GET /api/games/<code>/messages; status holds the reply's status.
    QJsonObject gameJson(const QByteArray &code, int *status = nullptr) const;

    QList<TStoredMessage> stored(const QByteArray &game) const { return m_server->store().messages(game); }

    QTemporaryDir m_root;
    std::unique_ptr<TStatsServer> m_server;
    THttpClient m_client{2000, 5000};
};
