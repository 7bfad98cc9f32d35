// The raw request line the server reads before httplib does.
#include "server/TRequestLine.h"
#include "server/TServerOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(RequestLineTest, TargetKeepsHashesAndBlanks)
{
    const QByteArray line = "GET /income/index.phtml?kod=6001&id=3&szkod=G1&time=10 30#x HTTP/1.1";
    const TRequestLine r = TRequestLine::parse(line);
    ASSERT_TRUE(r.isValid());
    EXPECT_EQ(r.method(), "GET");
    EXPECT_EQ(r.target(), "/income/index.phtml?kod=6001&id=3&szkod=G1&time=10 30#x");
    EXPECT_EQ(r.query(), "kod=6001&id=3&szkod=G1&time=10 30#x");
    EXPECT_EQ(r.version(), "HTTP/1.1");
    EXPECT_EQ(r.normalised(line), "GET /income/index.phtml?kod=6001&id=3&szkod=G1&time=10%2030#x HTTP/1.1");
}

TEST(RequestLineTest, LinesThatAreNotRequestsStayUntouched)
{
    const QByteArray lines[] = {"",
                                "GET",
                                "GET /x",
                                "GET  HTTP/1.1",
                                "get /x HTTP/1.1",
                                "GET /x y FTP/1",
                                " /x HTTP/1.1",
                                "GET /x HTTP/"};
    for (const QByteArray &line : lines) {
        const TRequestLine r = TRequestLine::parse(line);
        EXPECT_FALSE(r.isValid()) << line.constData();
        EXPECT_EQ(r.normalised(line), line);
    }
    const QByteArray plain = "GET /x?a=1 HTTP/1.1";
    EXPECT_EQ(TRequestLine::parse(plain).normalised(plain), plain);
}

TEST(ServerOptionsTest, ReadsEveryOptionAndRequiresData)
{
    TServerOptions o;
    QString error;
    ASSERT_TRUE(TServerOptions::parse(
        {"--data",        "/d",   "--host",           "0.0.0.0", "--port",          "0",
         "--update-file", "u",    "--setup-xml",      "s",       "--refuse",        "--no-ok",
         "--slow",        "250",  "--drop",           "4",       "--control",       "--quiet",
         "--max-batch",   "4096", "--header-timeout", "750",     "--setup-version", "3.8.0.1"},
        &o, &error))
        << error.toStdString();
    EXPECT_EQ(o.dataDir, QStringLiteral("/d"));
    EXPECT_EQ(o.host, QStringLiteral("0.0.0.0"));
    EXPECT_EQ(o.port, 0);
    EXPECT_EQ(o.updateFile, QStringLiteral("u"));
    EXPECT_EQ(o.setupXml, QStringLiteral("s"));
    EXPECT_EQ(o.setupVersion, QStringLiteral("3.8.0.1"));
    EXPECT_TRUE(o.refuse);
    EXPECT_TRUE(o.noOk);
    EXPECT_EQ(o.slowMs, 250);
    EXPECT_EQ(o.dropEvery, 4);
    EXPECT_TRUE(o.control);
    EXPECT_FALSE(o.logRequests);
    EXPECT_EQ(o.maxBatchBytes, 4096);
    EXPECT_EQ(o.maxUploadBytes, 32 * 1024 * 1024);
    EXPECT_EQ(o.headerTimeoutMs, 750);

    TServerOptions d;
    ASSERT_TRUE(TServerOptions::parse({"--data", "x"}, &d, &error));
    EXPECT_EQ(d.host, QStringLiteral("127.0.0.1"));
    EXPECT_FALSE(d.control);

    for (const QStringList &bad : QList<QStringList>{{},
                                                     {"--port", "1"},
                                                     {"--data", "x", "--port", "-1"},
                                                     {"--data", "x", "--drop", "two"},
                                                     {"--data", "x", "--max-upload", "10"},
                                                     {"--data", "x", "--header-timeout", "0"},
                                                     {"--data", "x", "extra"}}) {
        EXPECT_FALSE(TServerOptions::parse(bad, &o, &error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
