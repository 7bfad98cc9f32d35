#include "transmission/TUpdateDownloader.h"

#include <arpa/inet.h>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A bare HTTP server on 127.0.0.1 at a free port that keeps the request's
// bytes exactly as they arrived (a library server would digest the headers).
class LocalServer
{
public:
    explicit LocalServer(std::string body) : m_body(std::move(body))
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 4) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            ADD_FAILURE() << "cannot listen on 127.0.0.1";
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~LocalServer()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_listener);
    }

    int port() const { return m_port; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // The request line and header lines, without their CR LF.
    std::vector<std::string> request()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }
    std::string target()
    {
        const std::vector<std::string> lines = request();
        if (lines.empty())
            return "<no request>";
        const std::string &first = lines.front();
        const size_t from = first.find(' ') + 1;
        return first.substr(from, first.rfind(' ') - from);
    }
    std::string header(const std::string &name)
    {
        const std::vector<std::string> lines = request();
        for (size_t i = 1; i < lines.size(); ++i)
            if (lines[i].rfind(name + ": ", 0) == 0)
                return lines[i].substr(name.size() + 2);
        return "<none>";
    }

private:
    void serve()
    {
        while (!m_stop) {
            pollfd p{m_listener, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const int connection = ::accept(m_listener, nullptr, nullptr);
            if (connection < 0)
                continue;
            std::string received;
            char buffer[4096];
            while (received.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                received.append(buffer, size_t(n));
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_lines.clear();
                const std::string head = received.substr(0, received.find("\r\n\r\n"));
                for (size_t from = 0; from <= head.size();) {
                    const size_t end = std::min(head.find("\r\n", from), head.size());
                    m_lines.push_back(head.substr(from, end - from));
                    from = end + 2;
                }
            }
            const std::string reply = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(m_body.size()) +
                                      "\r\nConnection: close\r\n\r\n" + m_body;
            ::send(connection, reply.data(), reply.size(), MSG_NOSIGNAL);
            ::close(connection);
        }
    }

    std::string m_body;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

} // namespace

TEST(UpdateDownloader, SendsTheAddressAsWrittenWithTheUpdateHeaders)
{
    LocalServer server("*L1|Liga\xe9#####");
    TUpdateDownloader downloader;
    const QString url = server.base() + QStringLiteral("/income/update.phtml?code=A B%20é");
    QByteArray body;
    QString error;
    ASSERT_TRUE(downloader.Download(url, {}, body, error)) << error.toStdString();
    EXPECT_EQ(body, QByteArray("*L1|Liga\xe9#####"));
    // Byte for byte: no percent-encoding, the accent as its Windows-1250 byte.
    EXPECT_EQ(server.target(), std::string("/income/update.phtml?code=A B%20\xe9"));
    EXPECT_EQ(server.header("Accept"), "text/xml, text/html, application/octet-stream");
    EXPECT_EQ(server.header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(server.header("Content-Type"), "text/xml");
    // The Connection header carries the address itself.
    EXPECT_EQ(server.header("Connection"),
              server.base().toStdString() + std::string("/income/update.phtml?code=A B%20\xe9"));
    EXPECT_EQ(server.header("Proxy-Authorization"), "<none>");
}

TEST(UpdateDownloader, GoesThroughTheProxyWithBasicAuthorisation)
{
    LocalServer proxy("through the proxy");
    TUpdateDownloader downloader;
    const IUpdateDownloader::TProxy settings{QStringLiteral("127.0.0.1"), QString::number(proxy.port()),
                                             QStringLiteral("user"), QStringLiteral("secret")};
    QByteArray body;
    QString error;
    ASSERT_TRUE(downloader.Download(QStringLiteral("http://stats.invalid/income/update.phtml?code=C1"),
                                    settings, body, error))
        << error.toStdString();
    EXPECT_EQ(body, QByteArray("through the proxy"));
    // A proxy gets the whole address, its port written out.
    EXPECT_EQ(proxy.target(), "http://stats.invalid:80/income/update.phtml?code=C1");
    EXPECT_EQ(proxy.header("Host"), "stats.invalid");
    EXPECT_EQ(proxy.header("Proxy-Authorization"), "Basic dXNlcjpzZWNyZXQ="); // user:secret
}

TEST(UpdateDownloader, AProxyWithoutUserSendsNoAuthorisation)
{
    LocalServer proxy("ok");
    TUpdateDownloader downloader;
    QByteArray body;
    QString error;
    ASSERT_TRUE(downloader.Download(QStringLiteral("http://stats.invalid/x"),
                                    {QStringLiteral("127.0.0.1"), QString::number(proxy.port()), {}, {}},
                                    body, error));
    EXPECT_EQ(proxy.header("Proxy-Authorization"), "<none>");
}

TEST(UpdateDownloader, AnUnreachableServerIsAnError)
{
    int port = 0;
    {
        LocalServer closed(""); // take a free port, then free it again
        port = closed.port();
    }
    TUpdateDownloader downloader;
    downloader.SetTimeouts(2000, 2000);
    QByteArray body;
    QString error;
    EXPECT_FALSE(downloader.Download(
        QStringLiteral("http://127.0.0.1:%1/income/update.phtml?code=1").arg(port), {}, body, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(UpdateDownloader, BadAddressesAndProxyPortsAreRefusedBeforeConnecting)
{
    TUpdateDownloader downloader;
    QByteArray body;
    QString error;
    EXPECT_FALSE(downloader.Download(QStringLiteral("ftp://host/file"), {}, body, error));
    EXPECT_TRUE(error.contains(QStringLiteral("ftp"))) << error.toStdString();
    EXPECT_FALSE(downloader.Download(QStringLiteral("http://h/x"),
                                     {QStringLiteral("proxy"), QStringLiteral("80a"), {}, {}}, body, error));
    EXPECT_TRUE(error.contains(QStringLiteral("80a")));
}
