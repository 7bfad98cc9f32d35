#include "THttpClient.h"

#include "TMsMultiPartFormDataStream.h"

#include "common/Win1250.h"
#include <httplib.h>
#include <mutex>

namespace {

const QByteArray UserAgent = "Mozilla/3.0 (compatible; Indy Library)";

// Splits "scheme://host[:port]/path?query" into the part httplib opens a
// connection to and the request target, which is kept byte for byte.
bool splitUrl(const QByteArray &url, std::string *origin, std::string *target, QString *error)
{
    const qsizetype schemeEnd = url.indexOf("://");
    if (schemeEnd <= 0) {
        *error = QStringLiteral("not an http address: %1").arg(QString::fromLatin1(url.left(200)));
        return false;
    }
    const QByteArray scheme = url.left(schemeEnd).toLower();
    if (scheme != "http" && scheme != "https") {
        *error = QStringLiteral("unsupported scheme %1").arg(QString::fromLatin1(scheme));
        return false;
    }
    qsizetype hostEnd = schemeEnd + 3;
    while (hostEnd < url.size() && url[hostEnd] != '/' && url[hostEnd] != '?' && url[hostEnd] != '#')
        ++hostEnd;
    if (hostEnd == schemeEnd + 3) {
        *error = QStringLiteral("no host in %1").arg(QString::fromLatin1(url.left(200)));
        return false;
    }
    *origin = url.left(hostEnd).toStdString();
    QByteArray rest = url.mid(hostEnd);
    if (!rest.startsWith('/'))
        rest.prepend('/');
    *target = rest.toStdString();
    return true;
}

QString describe(httplib::Error error)
{
    switch (error) {
    case httplib::Error::Connection:
        return QStringLiteral("could not connect");
    case httplib::Error::ConnectionTimeout:
        return QStringLiteral("connection timed out");
    case httplib::Error::Read:
        return QStringLiteral("no complete reply (connection closed or read timed out)");
    case httplib::Error::Write:
        return QStringLiteral("the request could not be sent completely");
    case httplib::Error::SSLConnection:
    case httplib::Error::SSLServerVerification:
    case httplib::Error::SSLLoadingCerts:
        return QStringLiteral("secure connection failed");
    default:
        return QString::fromStdString(httplib::to_string(error));
    }
}

} // namespace

// The request in progress, so another thread can cut it short.
struct THttpClient::TAbortSwitch
{
    std::mutex Mutex;
    bool Aborted = false;
    httplib::Client *Current = nullptr;
};

THttpClient::THttpClient(int connectTimeoutMs, int readTimeoutMs)
    : m_connectTimeoutMs(qMax(1, connectTimeoutMs)), m_readTimeoutMs(qMax(1, readTimeoutMs)),
      m_abort(std::make_unique<TAbortSwitch>())
{
}

THttpClient::~THttpClient() = default;

void THttpClient::abortRequests()
{
    std::lock_guard<std::mutex> lock(m_abort->Mutex);
    m_abort->Aborted = true;
    // Shuts the socket down under httplib's own lock: a read in progress
    // fails at once, a connection being made fails once it is made.
    if (m_abort->Current)
        m_abort->Current->stop();
}

void THttpClient::resumeRequests()
{
    std::lock_guard<std::mutex> lock(m_abort->Mutex);
    m_abort->Aborted = false;
}

void THttpClient::setProxy(const QString &host, int port, const QString &user, const QString &password)
{
    m_proxyHost = host;
    m_proxyPort = port;
    m_proxyAuthorization.clear();
    if (!user.isEmpty()) {
        // Written here rather than by httplib, which leaves the header out
        // when the password is empty.
        const QByteArray credentials = Win1250::Encode(user) + ':' + Win1250::Encode(password);
        m_proxyAuthorization = "Basic " + credentials.toBase64();
    }
}

void THttpClient::clearProxy()
{
    m_proxyHost.clear();
    m_proxyPort = 0;
    m_proxyAuthorization.clear();
}

THttpClient::Headers THttpClient::liveHeaders(const QByteArray &url)
{
    return {{"Accept", "text/xml, text/html, application/octet-stream"},
            {"User-Agent", UserAgent},
            {"Content-Type", "text/xml"},
            {"Connection", url}};
}

THttpClient::Headers THttpClient::formHeaders()
{
    return {{"Accept", "text/html, */*"}, {"User-Agent", UserAgent}};
}

THttpReply THttpClient::getLive(const QByteArray &url) const
{
    return get(url, liveHeaders(url));
}

THttpReply THttpClient::getPage(const QByteArray &url) const
{
    return get(url, formHeaders());
}

THttpReply THttpClient::postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const
{
    return post(url, formHeaders(), form.data(), form.contentType());
}

THttpReply THttpClient::get(const QByteArray &url, const Headers &headers) const
{
    return send(false, url, headers, {}, {});
}

THttpReply THttpClient::post(const QByteArray &url, const Headers &headers, const QByteArray &body,
                             const QByteArray &contentType) const
{
    return send(true, url, headers, body, contentType);
}

THttpReply THttpClient::send(bool post, const QByteArray &url, const Headers &headers, const QByteArray &body,
                             const QByteArray &contentType) const
{
    THttpReply reply;
    std::string origin;
    std::string target;
    if (!splitUrl(url, &origin, &target, &reply.error))
        return reply;

    httplib::Client client(origin);
    if (!client.is_valid()) {
        reply.error = QStringLiteral("unusable address %1").arg(QString::fromStdString(origin));
        return reply;
    }
    client.set_url_encode(false);
    client.set_keep_alive(false);
    client.set_follow_location(false);
    const auto connectTimeout = std::chrono::milliseconds(m_connectTimeoutMs);
    const auto readTimeout = std::chrono::milliseconds(m_readTimeoutMs);
    client.set_connection_timeout(connectTimeout);
    client.set_read_timeout(readTimeout);
    client.set_write_timeout(readTimeout);
    if (!m_proxyHost.isEmpty())
        client.set_proxy(m_proxyHost.toStdString(), m_proxyPort);

    httplib::Headers sent;
    for (const auto &[name, value] : headers)
        sent.emplace(name.toStdString(), value.toStdString());
    if (!m_proxyAuthorization.isEmpty())
        sent.emplace("Proxy-Authorization", m_proxyAuthorization.toStdString());

    {
        std::lock_guard<std::mutex> lock(m_abort->Mutex);
        if (m_abort->Aborted) {
            reply.error = QStringLiteral("request cancelled");
            return reply;
        }
        m_abort->Current = &client;
    }
    httplib::Result result =
        post ? client.Post(target, sent, body.constData(), size_t(body.size()), contentType.toStdString())
             : client.Get(target, sent);
    {
        std::lock_guard<std::mutex> lock(m_abort->Mutex);
        m_abort->Current = nullptr;
    }
    if (!result) {
        reply.error = QStringLiteral("%1 %2: %3")
                          .arg(post ? QStringLiteral("POST") : QStringLiteral("GET"),
                               QString::fromStdString(origin), describe(result.error()));
        return reply;
    }
    reply.received = true;
    reply.status = result->status;
    reply.body = QByteArray::fromStdString(result->body);
    return reply;
}
