#include "TStatsServer.h"

#include "TSocketStream.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The request being served on this worker thread: the handlers find its raw
// line and its connection here, the log line its outcome.
struct RequestContext
{
    TSocketStream *socket = nullptr;
    TRequestLine line;
    QByteArray rawLine;
    QElapsedTimer timer;
    int status = 0;
    QByteArray outcome;
    QString writer; // the workstation whose key the request carried
    bool closeAfter = false;
};

thread_local RequestContext *t_request = nullptr;

// httplib's accept loop hands each socket to its task queue; parking it
// takes no time, so the accept thread does it itself.
class TInlineQueue : public httplib::TaskQueue
{
public:
    void enqueue(std::function<void()> fn) override { fn(); }
    void shutdown() override {}
};

// Ends a connection after its answer. Closing with unread bytes in the
// receive queue makes the kernel reset the connection, which can destroy the
// answer before the client reads it; so what has already arrived is read
// and dropped first (bounded, without waiting for more).
void closeAfterAnswer(int sock)
{
    ::shutdown(sock, SHUT_WR);
    char sink[16384];
    for (int i = 0; i < 64; ++i) {
        const ssize_t n = ::recv(sock, sink, sizeof sink, MSG_DONTWAIT);
        if (n <= 0)
            break;
    }
    ::close(sock);
}

QByteArray statusText(int status)
{
    switch (status) {
    case 400:
        return "Bad Request";
    case 408:
        return "Request Timeout";
    case 414:
        return "URI Too Long";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

QByteArray firstLine(const std::string &body)
{
    const auto end = body.find_first_of("\r\n");
    return QByteArray::fromStdString(body.substr(0, qMin<size_t>(end, 120)));
}

void reply(httplib::Response &res, const TServerReply &r)
{
    res.status = r.status;
    res.set_content(r.body.constData(), size_t(r.body.size()), r.contentType.toStdString());
}

QByteArray rawTarget(const httplib::Request &req)
{
    return QByteArray::fromStdString(req.target);
}

bool isControl(const std::string &path)
{
    return path == "/control";
}

// Reads a multipart form into fields, refusing a body larger than limit.
TServerReply readForm(const httplib::Request &req, const httplib::ContentReader &reader, qint64 limit,
                      TRequestHandler::FormFields *fields)
{
    if (req.has_header("Content-Length") &&
        qint64(req.get_header_value<uint64_t>("Content-Length")) > limit) {
        if (t_request)
            t_request->closeAfter = true;
        return TServerReply::error(413, "the request is larger than " + QByteArray::number(limit) + " bytes");
    }
    qint64 total = 0;
    bool tooLarge = false;
    if (!req.is_multipart_form_data()) {
        reader([&](const char *, size_t n) {
            total += qint64(n);
            tooLarge = total > limit;
            return !tooLarge;
        });
        if (t_request)
            t_request->closeAfter = true;
        return TServerReply::error(415, "expected a multipart/form-data body");
    }
    const bool read = reader(
        [&](const httplib::MultipartFormData &part) {
            fields->append({QByteArray::fromStdString(part.name), QByteArray()});
            return true;
        },
        [&](const char *data, size_t n) {
            total += qint64(n);
            if (total > limit) {
                tooLarge = true;
                return false;
            }
            if (!fields->isEmpty())
                fields->last().second.append(data, qsizetype(n));
            return true;
        });
    if (tooLarge) {
        if (t_request)
            t_request->closeAfter = true;
        return TServerReply::error(413, "the request is larger than " + QByteArray::number(limit) + " bytes");
    }
    if (!read) {
        if (t_request)
            t_request->closeAfter = true;
        return TServerReply::error(400, "the multipart body cannot be read");
    }
    return TServerReply::ok();
}

} // namespace

TStatsServer::TStatsServer(const TServerOptions &options)
    : m_options(options), m_uploads(options.dataDir), m_handler(m_store, m_uploads, options),
      m_live(m_store, TLiveGame::editionOf(options.edition).value_or(TLiveGame::Edition::Hungarian)),
      m_keys(options.keysFile)
{
    m_store.setChangeListener([this](const QByteArray &game) {
        if (TLiveHub *hub = m_liveHub.load())
            hub->changed(game);
    });
    m_faults.setRefuse(options.refuse);
    m_faults.setNoOk(options.noOk);
    m_faults.setSlowMs(options.slowMs);
    m_faults.setDropEvery(options.dropEvery);
    m_log.setEnabled(options.logRequests);
    set_payload_max_length(size_t(qMax(options.maxUploadBytes, options.maxBatchBytes)));
    new_task_queue = [] { return new TInlineQueue; };
    installRoutes();
}

TStatsServer::~TStatsServer()
{
    stop();
}

bool TStatsServer::openStore(const QString &path, QString *error)
{
    return m_store.open(path, error, m_options.durable);
}

bool TStatsServer::start(QString *error)
{
    if (!QDir().mkpath(m_options.dataDir)) {
        if (error)
            *error = QStringLiteral("cannot create the data folder %1").arg(m_options.dataDir);
        return false;
    }
    const QString database = m_options.database.isEmpty()
                                 ? QDir(m_options.dataDir).filePath(QStringLiteral("parquetix-server.sqlite"))
                                 : m_options.database;
    if (!m_store.open(database, error, m_options.durable))
        return false;
    if (!m_log.open(m_options.logFile, error))
        return false;
    const std::string host = m_options.host.toStdString();
    if (m_options.port == 0)
        m_port = bind_to_any_port(host);
    else
        m_port = bind_to_port(host, m_options.port) ? m_options.port : -1;
    if (m_port <= 0) {
        if (error)
            *error = QStringLiteral("cannot listen on %1 port %2").arg(m_options.host).arg(m_options.port);
        return false;
    }
    // httplib listens with a backlog of 5: a burst of clients would wait for
    // SYN retransmissions, seconds each, before the parker even sees them.
    ::listen(svr_sock_, SOMAXCONN);
    m_stopping = false;
    m_listenEnded = false;
    m_hub = std::make_unique<TLiveHub>(
        [this](const QByteArray &game, const QByteArray &language) { return m_live.render(game, language); });
    if (!m_hub->start(error)) {
        m_hub.reset();
        return false;
    }
    m_liveHub = m_hub.get();
    m_workers = std::make_unique<httplib::ThreadPool>(WorkerCount);
    TConnectionParker::TTimeouts timeouts;
    timeouts.idleMs = int(keep_alive_timeout_sec_ * 1000);
    timeouts.requestMs = m_options.headerTimeoutMs;
    TRequestHead::TLimits limits;
    limits.maxLineBytes = TSocketStream::MaxLineBytes;
    m_parker =
        std::make_unique<TConnectionParker>(timeouts, limits, [this](TConnectionParker::TConnection c) {
            auto shared = std::make_shared<TConnectionParker::TConnection>(std::move(c));
            m_workers->enqueue([this, shared] { serveConnection(std::move(*shared)); });
        });
    if (!m_parker->start(error)) {
        m_liveHub = nullptr;
        m_hub.reset();
        m_workers->shutdown();
        m_workers.reset();
        m_parker.reset();
        return false;
    }
    m_thread = std::thread([this] {
        listen_after_bind();
        m_listenEnded = true;
    });
    // httplib's stop() does nothing until the accept loop runs, so a stop
    // right after the start must not come before it.
    while (!is_running() && !m_listenEnded)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (m_listenEnded) {
        m_thread.join();
        m_parker->stop();
        m_workers->shutdown();
        m_parker.reset();
        m_workers.reset();
        m_liveHub = nullptr;
        m_hub.reset();
        if (error)
            *error = QStringLiteral("the server stopped as soon as it started");
        return false;
    }
    return true;
}

QStringList TStatsServer::startNotes()
{
    QStringList notes{QStringLiteral("messages in %1").arg(m_store.describe())};
    if (!m_keys.enforced()) {
        notes << QStringLiteral("no keys file: every client may write (--keys FILE lets only the "
                                "workstations holding a key write)");
    } else {
        notes << QStringLiteral("writes need a key of %1 (%2 now), read again when it changes")
                     .arg(m_keys.path())
                     .arg(m_keys.keyCount());
        if (const QString problem = m_keys.problem(); !problem.isEmpty())
            notes << problem;
    }
    return notes;
}

std::optional<TServerReply> TStatsServer::refuseWrite(const QByteArray &target)
{
    QByteArray key;
    TWriteKeys::takeKey(TRequestHandler::queryOf(target), &key);
    QString name;
    switch (m_keys.check(key, &name)) {
    case TWriteKeys::TVerdict::Open:
        return std::nullopt;
    case TWriteKeys::TVerdict::Valid:
        if (t_request)
            t_request->writer = name.isEmpty() ? QStringLiteral("a nameless key") : name;
        return std::nullopt;
    case TWriteKeys::TVerdict::Missing:
        break;
    case TWriteKeys::TVerdict::Unknown:
        return TServerReply::error(403, "refused: the write key in the address is unknown or revoked");
    }
    return TServerReply::error(403, "refused: this server takes writes only with a workstation's key "
                                    "in the address (?key=KEY&)");
}

void TStatsServer::stop()
{
    m_stopping = true;
    if (is_running() || m_thread.joinable())
        httplib::Server::stop();
    if (m_thread.joinable())
        m_thread.join();
    // No new connection comes now; the parked ones are closed, then the
    // workers finish what they hold (a worker parking again finds it closed).
    if (m_parker)
        m_parker->stop();
    if (m_workers)
        m_workers->shutdown();
    m_workers.reset();
    m_parker.reset();
    m_liveHub = nullptr;
    if (m_hub)
        m_hub->stop();
    m_hub.reset();
}

void TStatsServer::sleepUnlessStopping(int ms) const
{
    QElapsedTimer timer;
    timer.start();
    while (!m_stopping && timer.elapsed() < ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(qMin<qint64>(20, ms - timer.elapsed())));
}

bool TStatsServer::process_and_close_socket(socket_t sock)
{
    TConnectionParker::TConnection connection;
    connection.socket = sock;
    connection.requestsLeft = int(keep_alive_max_count_);
    m_parker->park(std::move(connection));
    return true;
}

void TStatsServer::logRequest(TSocketStream &stream, const QByteArray &rawLine, const QByteArray &status,
                              const QByteArray &outcome, qint64 ms)
{
    if (!m_log.isEnabled())
        return;
    std::string ip;
    int port = 0;
    stream.get_remote_ip_and_port(ip, port);
    const QByteArray writer = t_request && !t_request->writer.isEmpty()
                                  ? " [" + TRequestLog::printable(t_request->writer.toUtf8(), 60) + ']'
                                  : QByteArray();
    // Keys never reach the log: whoever reads it could write with them.
    m_log.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ' +
                QByteArray::fromStdString(ip) + ' ' + TRequestLog::printable(TWriteKeys::hideKeys(rawLine)) +
                " -> " + status + ' ' + TRequestLog::printable(outcome, 120) + writer + ' ' +
                QByteArray::number(ms) + "ms");
}

void TStatsServer::reject(const TConnectionParker::TConnection &connection)
{
    const int writeMs = int(write_timeout_sec_ * 1000 + write_timeout_usec_ / 1000);
    TSocketStream stream(connection.socket, 0, writeMs);
    const QByteArray body = connection.rejectReason + '\n';
    const QByteArray reply =
        "HTTP/1.1 " + QByteArray::number(connection.rejectStatus) + ' ' +
        statusText(connection.rejectStatus) +
        "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " + QByteArray::number(body.size()) +
        "\r\nConnection: close\r\n\r\n" + body;
    qsizetype sent = 0;
    while (sent < reply.size()) {
        const ssize_t n = stream.write(reply.constData() + sent, size_t(reply.size() - sent));
        if (n <= 0)
            break;
        sent += n;
    }
    const qsizetype lineEnd = connection.buffered.indexOf("\r\n");
    logRequest(stream, connection.buffered.left(lineEnd < 0 ? 200 : qMin<qsizetype>(lineEnd, 200)),
               QByteArray::number(connection.rejectStatus), connection.rejectReason, 0);
}

void TStatsServer::serveConnection(TConnectionParker::TConnection connection)
{
    const int sock = connection.socket;
    if (connection.rejectStatus != 0 || m_stopping) {
        if (connection.rejectStatus != 0)
            reject(connection);
        closeAfterAnswer(sock);
        return;
    }
    if (followLive(connection))
        return;
    const int readMs = int(read_timeout_sec_ * 1000 + read_timeout_usec_ / 1000);
    const int writeMs = int(write_timeout_sec_ * 1000 + write_timeout_usec_ / 1000);
    bool keep = false;
    QByteArray rest;
    {
        TSocketStream stream(sock, readMs, writeMs, std::move(connection.buffered));
        stream.beginRequest();
        if (stream.hasPending()) {
            RequestContext context;
            context.socket = &stream;
            context.rawLine = stream.rawLine();
            context.line = stream.requestLine();
            context.timer.start();
            t_request = &context;
            const bool closeConnection = connection.requestsLeft <= 1 || m_stopping;
            bool connectionClosed = false;
            const bool written =
                process_request(stream, closeConnection, connectionClosed, [&context](httplib::Request &req) {
                    if (context.line.isValid())
                        req.target = context.line.target().toStdString();
                });
            if (context.outcome.isEmpty() && !written)
                context.outcome = "connection lost";
            logRequest(stream, context.rawLine,
                       stream.aborted() ? QByteArray("closed") : QByteArray::number(context.status),
                       context.outcome, context.timer.elapsed());
            t_request = nullptr;
            // After a 400 the rest of the stream is not trusted to hold requests.
            keep = written && !closeConnection && !connectionClosed && !stream.aborted() &&
                   !context.closeAfter && context.status != 400;
            if (keep)
                rest = stream.takeBuffered();
        }
    }
    if (!keep) {
        closeAfterAnswer(sock);
        return;
    }
    connection.buffered = std::move(rest);
    --connection.requestsLeft;
    m_parker->park(std::move(connection));
}

bool TStatsServer::followLive(TConnectionParker::TConnection &connection)
{
    const qsizetype lineEnd = connection.buffered.indexOf("\r\n");
    if (!m_hub || lineEnd < 0)
        return false;
    const QByteArray rawLine = connection.buffered.left(lineEnd);
    const TRequestLine line = TRequestLine::parse(rawLine);
    QByteArray code;
    if (!line.isValid() || line.method() != "GET" || !TLiveEndpoints::isStream(line.target(), &code))
        return false;
    const QByteArray &head = connection.buffered;
    const TLiveTexts::Language language =
        TLiveTexts::choose(TLiveEndpoints::queryValue(line.target(), "lang"),
                           TLiveEndpoints::headerValue(head, "Accept-Language"));
    // The browser names the last event it saw when it reconnects; the page
    // the version it was served with.
    const qint64 seen = qMax(TLiveEndpoints::headerValue(head, "Last-Event-ID").toLongLong(),
                             TLiveEndpoints::queryValue(line.target(), "since").toLongLong());
    if (m_log.isEnabled()) {
        TSocketStream stream(connection.socket, 0, 0);
        logRequest(stream, rawLine, "200", "live stream", 0);
    }
    m_hub->add(connection.socket, m_live.resolve(code), TLiveTexts::code(language), seen);
    connection.socket = -1;
    return true;
}

void TStatsServer::serveStream(httplib::Stream &stream, const QByteArray &rawLine)
{
    RequestContext context;
    context.rawLine = rawLine;
    context.line = TRequestLine::parse(rawLine);
    context.timer.start();
    t_request = &context;
    bool connectionClosed = false;
    process_request(stream, true, connectionClosed, [&context](httplib::Request &req) {
        if (context.line.isValid())
            req.target = context.line.target().toStdString();
    });
    t_request = nullptr;
}

void TStatsServer::installRoutes()
{
    set_logger([](const httplib::Request &, const httplib::Response &res) {
        if (!t_request)
            return;
        t_request->status = res.status;
        if (t_request->outcome.isEmpty()) {
            const std::string type = res.get_header_value("Content-Type");
            t_request->outcome = type.rfind("text/plain", 0) == 0
                                     ? firstLine(res.body)
                                     : QByteArray::number(qint64(res.body.size())) + " bytes " +
                                           QByteArray::fromStdString(type.substr(0, type.find(';')));
        }
    });

    set_pre_routing_handler([this](const httplib::Request &req, httplib::Response &res) {
        if (isControl(req.path))
            return HandlerResponse::Unhandled;
        const TFaultSettings::Decision d = m_faults.next();
        if (d.action == TFaultSettings::Action::Close) {
            if (t_request) {
                t_request->outcome = d.reason;
                if (t_request->socket)
                    t_request->socket->abort();
            }
            res.status = 503;
            return HandlerResponse::Handled;
        }
        if (d.delayMs > 0)
            sleepUnlessStopping(d.delayMs);
        if (d.action == TFaultSettings::Action::Deny) {
            if (t_request) {
                t_request->outcome = d.reason;
                t_request->closeAfter = true;
            }
            reply(res, {503, "denied", "text/plain; charset=utf-8"});
            return HandlerResponse::Handled;
        }
        return HandlerResponse::Unhandled;
    });

    Get("/income/index.phtml", [this](const httplib::Request &req, httplib::Response &res) {
        if (const auto refusal = refuseWrite(rawTarget(req)))
            reply(res, *refusal);
        else
            reply(res, m_handler.liveMessage(rawTarget(req)));
    });
    Post("/income/index.phtml",
         [this](const httplib::Request &req, httplib::Response &res, const httplib::ContentReader &reader) {
             if (const auto refusal = refuseWrite(rawTarget(req))) {
                 // The body stays unread, so the connection cannot carry another request.
                 if (t_request)
                     t_request->closeAfter = true;
                 reply(res, *refusal);
                 return;
             }
             TRequestHandler::FormFields fields;
             const TServerReply read = readForm(req, reader, m_options.maxBatchBytes, &fields);
             reply(res, read.status == 200 ? m_handler.batch(fields) : read);
         });
    Post("/income/game.phtml",
         [this](const httplib::Request &req, httplib::Response &res, const httplib::ContentReader &reader) {
             if (const auto refusal = refuseWrite(rawTarget(req))) {
                 if (t_request)
                     t_request->closeAfter = true;
                 reply(res, *refusal);
                 return;
             }
             TRequestHandler::FormFields fields;
             const TServerReply read = readForm(req, reader, m_options.maxUploadBytes, &fields);
             reply(res, read.status == 200 ? m_handler.upload(fields) : read);
         });
    Get("/income/update.phtml", [this](const httplib::Request &req, httplib::Response &res) {
        reply(res, m_handler.update(rawTarget(req)));
    });
    Get("/update/setup.xml",
        [this](const httplib::Request &, httplib::Response &res) { reply(res, m_handler.setupXml()); });
    Get("/api/games",
        [this](const httplib::Request &, httplib::Response &res) { reply(res, m_handler.gamesJson()); });
    Get(R"(/api/games/(.+)/messages)", [this](const httplib::Request &req, httplib::Response &res) {
        reply(res, m_handler.gameJson(QByteArray::fromStdString(req.matches[1].str())));
    });
    Get(R"(/api/games/(.+)/boxscore)", [this](const httplib::Request &req, httplib::Response &res) {
        reply(res, m_live.boxscoreJson(QByteArray::fromStdString(req.matches[1].str())));
    });
    Get(R"(/api/games/(.+)/plays)", [this](const httplib::Request &req, httplib::Response &res) {
        reply(res, m_live.playsJson(QByteArray::fromStdString(req.matches[1].str())));
    });
    Get(R"(/api/games/(.+)/shots)", [this](const httplib::Request &req, httplib::Response &res) {
        reply(res, m_live.shotsJson(QByteArray::fromStdString(req.matches[1].str())));
    });
    Get(R"(/live/([^/]+)/fragment)", [this](const httplib::Request &req, httplib::Response &res) {
        const TLiveTexts::Language language =
            TLiveTexts::choose(QByteArray::fromStdString(req.get_param_value("lang")),
                               QByteArray::fromStdString(req.get_header_value("Accept-Language")));
        qint64 version = 0;
        const TServerReply r =
            m_live.fragment(QByteArray::fromStdString(req.matches[1].str()), language,
                            QByteArray::fromStdString(req.get_param_value("since")).toLongLong(), &version);
        res.set_header("X-Live-Version", std::to_string(version));
        res.set_header("Cache-Control", "no-store");
        reply(res, r);
    });
    Get(R"(/live/([^/]+)/?)", [this](const httplib::Request &req, httplib::Response &res) {
        const TLiveTexts::Language language =
            TLiveTexts::choose(QByteArray::fromStdString(req.get_param_value("lang")),
                               QByteArray::fromStdString(req.get_header_value("Accept-Language")));
        res.set_header("Cache-Control", "no-store");
        res.set_header("Content-Language", TLiveTexts::code(language).toStdString());
        reply(res, m_live.page(QByteArray::fromStdString(req.matches[1].str()), language));
    });
    Get(R"(/|/scoreboard|/scoreboard\.phtml)",
        [this](const httplib::Request &, httplib::Response &res) { reply(res, m_handler.scoreboard()); });

    if (m_options.control) {
        Get("/control", [this](const httplib::Request &, httplib::Response &res) {
            reply(res, {200, m_faults.toJson(), "application/json"});
        });
        Post("/control", [this](const httplib::Request &req, httplib::Response &res) {
            QMap<QByteArray, QByteArray> params;
            for (const auto &[k, v] : req.params)
                params.insert(QByteArray::fromStdString(k), QByteArray::fromStdString(v));
            QString why;
            if (!m_faults.apply(params, &why))
                reply(res, TServerReply::error(400, why.toUtf8()));
            else
                reply(res, {200, m_faults.toJson(), "application/json"});
        });
    }
}
