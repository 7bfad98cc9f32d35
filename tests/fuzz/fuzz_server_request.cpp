// Fuzzes what the reference server reads from clients: request lines, live
// message queries, batch texts, multipart forms of the batch and the upload,
// and whole HTTP requests served as on a connection.
#include "FuzzScratch.h"
#include "common/TBase64.h"
#include "server/TGameSummary.h"
#include "server/TLiveMessage.h"
#include "server/TRequestHandler.h"
#include "server/TRequestLine.h"
#include "server/TStatsServer.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A connection that delivers one prepared request and swallows the answer.
class MemoryStream : public httplib::Stream
{
public:
    explicit MemoryStream(const QByteArray &in) : m_in(in) {}
    bool is_readable() const override { return m_pos < m_in.size(); }
    bool is_writable() const override { return true; }
    ssize_t read(char *ptr, size_t size) override
    {
        if (m_pos >= m_in.size())
            return -1;
        const qsizetype n = qMin<qsizetype>(qsizetype(size), m_in.size() - m_pos);
        memcpy(ptr, m_in.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    ssize_t write(const char *, size_t size) override { return ssize_t(size); }
    void get_remote_ip_and_port(std::string &ip, int &port) const override
    {
        ip = "127.0.0.1";
        port = 40000;
    }
    void get_local_ip_and_port(std::string &ip, int &port) const override
    {
        ip = "127.0.0.1";
        port = 8080;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

private:
    QByteArray m_in;
    qsizetype m_pos = 0;
};

void check(bool condition)
{
    if (!condition)
        FuzzScratch::fail();
}

TStatsServer &server()
{
    static FuzzScratch dir("server-request");
    static TStatsServer *s = [] {
        TServerOptions o;
        o.dataDir = dir.path();
        o.logRequests = false;
        o.control = true;
        o.maxBatchBytes = 64 * 1024;
        o.maxUploadBytes = 256 * 1024;
        auto *created = new TStatsServer(o);
        QString error;
        if (!created->openStore(QStringLiteral(":memory:"), &error))
            FuzzScratch::fail();
        return created;
    }();
    return *s;
}

void serve(const QByteArray &request)
{
    // What TSocketStream does before httplib reads the line.
    const qsizetype end = request.indexOf("\r\n");
    const QByteArray line = end < 0 ? request : request.left(end);
    const QByteArray normalised = TRequestLine::parse(line).normalised(line);
    MemoryStream stream(normalised + request.mid(line.size()));
    server().serveStream(stream, line);
}

QByteArray multipart(const QByteArray &path, const QByteArray &body)
{
    return "POST " + path +
           " HTTP/1.1\r\nHost: fuzz\r\nContent-Type: multipart/form-data; boundary=B0UND\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

void pureParsers(const QByteArray &input)
{
    const TLiveMessage message = TLiveMessage::parse(input);
    if (message.isValid())
        check(message.query() == input && message.code() >= 0 && message.code() <= 9999);

    const TRequestLine line = TRequestLine::parse(input);
    const QByteArray normalised = line.normalised(input);
    const TRequestLine again = TRequestLine::parse(normalised);
    check(again.isValid() == line.isValid());
    if (line.isValid())
        check(!again.target().contains(' ') && again.method() == line.method());

    QList<TStoredMessage> stored;
    for (const QByteArray &piece : TRequestHandler::splitBatch(input)) {
        check(!piece.isEmpty() && !piece.contains('#'));
        TStoredMessage m;
        m.seq = stored.size() + 1;
        m.query = piece;
        m.code = TLiveMessage::parse(piece).code();
        stored << m;
    }
    TGameSummary::build("G", stored);

    QByteArray decoded;
    if (TBase64::decode(input, &decoded))
        check(decoded.size() <= input.size());
    const QByteArray encoded = TBase64::encode(input);
    check(TBase64::decode(encoded, &decoded) && decoded == input);
    check(input.isEmpty() || TRequestHandler::hasClientLayout(encoded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));

    // A control request may have switched a fault on; every input starts
    // without one. A store that only grows would slow every run down.
    server().faults().reset();
    static int runs = 0;
    if (++runs % 2000 == 0)
        server().openStore(QStringLiteral(":memory:"), nullptr);

    pureParsers(input);
    switch (data[0] % 5) {
    case 0:
        serve(input);
        break;
    case 1:
        serve("GET /income/index.phtml?" + input + " HTTP/1.1\r\nHost: fuzz\r\n\r\n");
        break;
    case 2:
        serve(multipart("/income/index.phtml", input));
        break;
    case 3:
        serve(multipart("/income/game.phtml", input));
        break;
    default:
        serve("GET /api/games/" + input.toPercentEncoding() + "/messages HTTP/1.1\r\nHost: fuzz\r\n\r\n");
        break;
    }
    return 0;
}
