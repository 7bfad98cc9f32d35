// How the connection parker judges the bytes received so far.
#include "server/TRequestHead.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

using State = TRequestHead::TState;

struct HeadCase
{
    const char *name;
    QByteArray bytes;
    State state;
    int status;            // Malformed only
    qsizetype headerBytes; // Complete only
    qsizetype bodyBytes;   // Complete only
};

TRequestHead::TLimits smallLimits()
{
    TRequestHead::TLimits limits;
    limits.maxLineBytes = 64;
    limits.maxHeaderBytes = 256;
    limits.maxParkedBody = 10;
    return limits;
}

TEST(RequestHeadTest, JudgesEachShapeOfReceivedBytes)
{
    const QByteArray get = "GET /income/index.phtml?kod=1 HTTP/1.1\r\nHost: h\r\n\r\n";
    const QByteArray post = "POST /x HTTP/1.1\r\nContent-Length: 5\r\n\r\n";
    const QList<HeadCase> cases = {
        {"nothing", "", State::Empty, 0, 0, 0},
        {"part of the line", "GET /inc", State::Incomplete, 0, 0, 0},
        {"line without fields", "GET / HTTP/1.1\r\n", State::Incomplete, 0, 0, 0},
        {"whole get", get, State::Complete, 0, get.size(), 0},
        {"no header fields", "GET / HTTP/1.0\r\n\r\n", State::Complete, 0, 18, 0},
        {"a further request behind", get + "GET /", State::Complete, 0, get.size(), 0},
        {"body not all there", post + "abc", State::Incomplete, 0, 0, 0},
        {"body all there", post + "abcde", State::Complete, 0, post.size(), 5},
        {"client waits for 100 Continue",
         "POST /x HTTP/1.1\r\nContent-Length: 5\r\nExpect: 100-continue\r\n\r\n", State::Complete, 0, 61, 0},
        {"body too large to park", "POST /x HTTP/1.1\r\nContent-Length: 11\r\n\r\n", State::Complete, 0, 40,
         0},
        {"chunked body", "POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n3", State::Complete, 0, 48,
         0},
        {"garbage line", "GARBAGE\r\n", State::Malformed, 400, 0, 0},
        {"lower-case method", "get / HTTP/1.1\r\n\r\n", State::Malformed, 400, 0, 0},
        {"field without colon", "GET / HTTP/1.1\r\nNoColon\r\n\r\n", State::Malformed, 400, 0, 0},
        {"field name with a blank", "GET / HTTP/1.1\r\nBad Name: 1\r\n\r\n", State::Malformed, 400, 0, 0},
        {"bare line feed", "GET / HTTP/1.1\r\nA: 1\nB: 2\r\n\r\n", State::Malformed, 400, 0, 0},
        {"length not a number", "POST /x HTTP/1.1\r\nContent-Length: 5x\r\n\r\n", State::Malformed, 400, 0,
         0},
        {"two lengths", "POST /x HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n",
         State::Malformed, 400, 0, 0},
        {"line too long, unfinished", "GET /" + QByteArray(70, 'a'), State::Malformed, 414, 0, 0},
        {"header too long, unfinished", "GET / HTTP/1.1\r\nX: " + QByteArray(300, 'a'), State::Malformed, 431,
         0, 0},
        {"header just within the limit", "GET / HTTP/1.1\r\nX: " + QByteArray(256 - 23, 'a') + "\r\n\r\n",
         State::Complete, 0, 256, 0},
    };
    for (const HeadCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TRequestHead h = TRequestHead::examine(c.bytes, smallLimits());
        EXPECT_EQ(h.state(), c.state);
        if (c.state == State::Malformed) {
            EXPECT_EQ(h.status(), c.status);
            EXPECT_FALSE(h.reason().isEmpty());
        }
        if (c.state == State::Complete) {
            EXPECT_EQ(h.headerBytes(), c.headerBytes);
            EXPECT_EQ(h.bodyBytes(), c.bodyBytes);
        }
    }
}

} // namespace
