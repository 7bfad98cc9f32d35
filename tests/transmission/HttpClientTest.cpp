// What THttpClient puts on the wire, read back by a bare TCP listener.
#include "RawHttpCapture.h"

#include "transmission/THttpClient.h"
#include "transmission/TMsMultiPartFormDataStream.h"

#include <gtest/gtest.h>

namespace {

QByteArray origin(const RawHttpCapture &capture)
{
    return "http://127.0.0.1:" + QByteArray::number(capture.port());
}

// The header lines of a request, without the request line.
QList<QByteArray> headerLines(const QByteArray &request)
{
    QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
    lines.removeFirst();
    for (QByteArray &l : lines)
        l = l.trimmed();
    return lines;
}

TEST(HttpClientTest, LiveMessageGoesOutByteForByteWithItsHeaders)
{
    RawHttpCapture capture;
    const QByteArray url = origin(capture) +
                           "/income/index.phtml?kod=0002&szkod=G1&p=7&k=1&h=1&jat=1&j=Kov\xe1"
                           "cs_P%C3l#2&mz=5";
    const THttpReply reply = THttpClient().getLive(url);
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.body, "ok");
    EXPECT_EQ(reply.status, 200);

    const QByteArray request = capture.request();
    EXPECT_TRUE(request.startsWith("GET /income/index.phtml?kod=0002&szkod=G1&p=7&k=1&h=1&jat=1&j=Kov\xe1"
                                   "cs_P%C3l#2&mz=5 HTTP/1.1\r\n"))
        << request.constData();
    const QList<QByteArray> headers = headerLines(request);
    EXPECT_TRUE(headers.contains("Accept: text/xml, text/html, application/octet-stream"));
    EXPECT_TRUE(headers.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_TRUE(headers.contains("Content-Type: text/xml"));
    EXPECT_TRUE(headers.contains("Connection: " + url));
    EXPECT_EQ(request.count("User-Agent:"), 1);
    EXPECT_EQ(request.count("Accept:"), 1);
}

TEST(HttpClientTest, FormIsPostedWithItsContentTypeAndExactBody)
{
    RawHttpCapture capture;
    TMsMultiPartFormDataStream form(QDateTime(QDate(2024, 1, 2), QTime(13, 14, 15, 16)));
    form.AddField("gamecode", "G1");
    form.AddField("gamedata", "kod=1100&id=1&szkod=G1&ido=1#");
    form.CloseBody();
    const THttpReply reply = THttpClient().postForm(origin(capture) + "/income/index.phtml", form);
    ASSERT_TRUE(reply.received) << reply.error.toStdString();

    const QByteArray request = capture.request();
    EXPECT_TRUE(request.startsWith("POST /income/index.phtml HTTP/1.1\r\n"));
    const QList<QByteArray> headers = headerLines(request);
    EXPECT_TRUE(headers.contains("Accept: text/html, */*"));
    EXPECT_TRUE(headers.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_TRUE(headers.contains(
        "Content-Type: multipart/form-data; boundary=---------------------------010224131415016"));
    EXPECT_TRUE(headers.contains("Content-Length: " + QByteArray::number(form.data().size())));
    EXPECT_EQ(request.mid(request.indexOf("\r\n\r\n") + 4), form.data());
}

TEST(HttpClientTest, VersionCheckSendsTheFormHeaders)
{
    RawHttpCapture capture;
    ASSERT_TRUE(THttpClient().getPage(origin(capture) + "/update/setup.xml").received);
    const QByteArray request = capture.request();
    EXPECT_TRUE(request.startsWith("GET /update/setup.xml HTTP/1.1\r\n"));
    const QList<QByteArray> headers = headerLines(request);
    EXPECT_TRUE(headers.contains("Accept: text/html, */*"));
    EXPECT_TRUE(headers.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_FALSE(request.contains("Content-Type"));
}

TEST(HttpClientTest, ProxyGetsTheAbsoluteAddressAndBasicAuthorisation)
{
    RawHttpCapture proxy;
    THttpClient client;
    // "jelszó" in Windows-1250: ó is f3.
    client.setProxy(QStringLiteral("127.0.0.1"), proxy.port(), QStringLiteral("user"),
                    QString::fromUtf8("jelszó"));
    const THttpReply reply = client.getLive("http://stats.example:8081/income/update.phtml?code=C1");
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    const QByteArray request = proxy.request();
    EXPECT_TRUE(request.startsWith("GET http://stats.example:8081/income/update.phtml?code=C1 HTTP/1.1\r\n"))
        << request.constData();
    EXPECT_TRUE(headerLines(request).contains("Proxy-Authorization: Basic " +
                                              QByteArray("user:jelsz\xf3").toBase64()));
}

TEST(HttpClientTest, ProxyUserWithoutPasswordStillAuthorises)
{
    RawHttpCapture proxy;
    THttpClient client;
    client.setProxy(QStringLiteral("127.0.0.1"), proxy.port(), QStringLiteral("user"));
    ASSERT_TRUE(client.getLive("http://stats.example/income/update.phtml?code=C1").received);
    EXPECT_TRUE(headerLines(proxy.request())
                    .contains("Proxy-Authorization: Basic " + QByteArray("user:").toBase64()));

    RawHttpCapture anonymous;
    client.setProxy(QStringLiteral("127.0.0.1"), anonymous.port());
    ASSERT_TRUE(client.getLive("http://stats.example/income/update.phtml?code=C1").received);
    EXPECT_FALSE(anonymous.request().contains("Proxy-Authorization"));
}

TEST(HttpClientTest, FailuresComeBackAsErrorsNotReplies)
{
    // Nothing listens on the port a finished capture had.
    int freedPort = 0;
    {
        RawHttpCapture gone;
        freedPort = gone.port();
    }
    const THttpReply refused =
        THttpClient(1000, 1000)
            .getLive("http://127.0.0.1:" + QByteArray::number(freedPort) + "/income/index.phtml?kod=1100");
    EXPECT_FALSE(refused.received);
    EXPECT_EQ(refused.status, -1);
    EXPECT_FALSE(refused.error.isEmpty());

    RawHttpCapture silent(QByteArray{});
    const THttpReply timedOut =
        THttpClient(1000, 200).getLive(origin(silent) + "/income/index.phtml?kod=1100");
    EXPECT_FALSE(timedOut.received);
    EXPECT_FALSE(timedOut.error.isEmpty());

    for (const QByteArray &url :
         {QByteArray("ftp://host/x"), QByteArray("/income/index.phtml?kod=1"), QByteArray("http:///x")}) {
        const THttpReply bad = THttpClient().getLive(url);
        EXPECT_FALSE(bad.received) << url.constData();
        EXPECT_FALSE(bad.error.isEmpty());
    }
}

} // namespace
