#pragma once

#include "TConnectionParker.h"
#include "TFaultSettings.h"
#include "TLiveEndpoints.h"
#include "TLiveHub.h"
#include "TMessageStore.h"
#include "TRequestHandler.h"
#include "TRequestLog.h"
#include "TServerOptions.h"
#include "TUploadStore.h"
#include "TWriteKeys.h"

#include <httplib.h>

#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class TSocketStream;

// The reference statistics server: every endpoint the client calls, on
// cpp-httplib. Accepted connections wait in a TConnectionParker until a
// whole request has arrived, then one of a few workers serves that request
// and parks the connection again; so slow, idle or hostile clients never
// hold the workers the other clients need. Requests are read by
// TSocketStream so live messages are taken from the raw request line and the
// faults can end a connection without an answer.
class TStatsServer : private httplib::Server
{
public:
    explicit TStatsServer(const TServerOptions &options);
    ~TStatsServer() override;
    TStatsServer(const TStatsServer &) = delete;
    TStatsServer &operator=(const TStatsServer &) = delete;

    // Opens the data folder, the database and the log, binds the port and
    // starts listening; false with error when any of it fails.
    bool start(QString *error);
    // Stops listening and waits for the requests being served.
    void stop();
    // What the server says at start: where it stores, who may write.
    QStringList startNotes();
    // The port bound by start(), also when the options asked for port 0.
    int port() const { return m_port; }
    // Connections waiting for their next request.
    int parkedConnections() const { return m_parker ? m_parker->parkedCount() : 0; }
    // Viewers following a live page.
    int liveViewers() const { return m_hub ? m_hub->viewerCount() : 0; }

    // Workers mostly wait for a shared commit, so there are enough of them
    // for every busy client to join the same one.
    static constexpr int WorkerCount = 64;

    TFaultSettings &faults() { return m_faults; }
    TMessageStore &store() { return m_store; }
    const TServerOptions &options() const { return m_options; }

    // Serves the requests of stream as for one connection, the first one's
    // request line being rawLine; for the fuzzer, which has no socket. The
    // store must be open.
    void serveStream(httplib::Stream &stream, const QByteArray &rawLine);
    // Opens the store alone (path ":memory:" for one in memory), for callers
    // of serveStream.
    bool openStore(const QString &path, QString *error);

private:
    bool process_and_close_socket(socket_t sock) override;
    void installRoutes();
    // Serves the request waiting on connection, then parks or closes it.
    void serveConnection(TConnectionParker::TConnection connection);
    void reject(const TConnectionParker::TConnection &connection);
    void logRequest(TSocketStream &stream, const QByteArray &rawLine, const QByteArray &status,
                    const QByteArray &outcome, qint64 ms);
    void sleepUnlessStopping(int ms) const;
    // Hands a request for a live page's event stream to the hub; false when
    // the request is something else.
    bool followLive(TConnectionParker::TConnection &connection);
    // The refusal of a write whose address holds no valid key; nothing when
    // the write may go on.
    std::optional<TServerReply> refuseWrite(const QByteArray &target);

    TServerOptions m_options;
    TMessageStore m_store;
    TUploadStore m_uploads;
    TRequestHandler m_handler;
    TLiveEndpoints m_live;
    std::unique_ptr<TLiveHub> m_hub;
    std::atomic<TLiveHub *> m_liveHub{nullptr}; // for the store's listener
    TFaultSettings m_faults;
    TRequestLog m_log;
    TWriteKeys m_keys;
    std::unique_ptr<TConnectionParker> m_parker;
    std::unique_ptr<httplib::ThreadPool> m_workers;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_listenEnded{false};
    int m_port = -1;
};
