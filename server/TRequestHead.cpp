#include "TRequestHead.h"

#include "TRequestLine.h"

#include <QList>

namespace {

bool isTokenChar(char c)
{
    // Field names are tokens: visible ASCII without separators.
    return c > 0x20 && c < 0x7f && !QByteArray("()<>@,;:\\\"/[]?={}").contains(c);
}

bool isDigits(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

TRequestHead TRequestHead::malformed(int status, const QByteArray &reason)
{
    TRequestHead h;
    h.m_state = TState::Malformed;
    h.m_status = status;
    h.m_reason = reason;
    return h;
}

TRequestHead TRequestHead::examine(const QByteArray &buffer, const TLimits &limits)
{
    TRequestHead h;
    if (buffer.isEmpty())
        return h;

    const qsizetype lineEnd = buffer.indexOf("\r\n");
    if ((lineEnd < 0 ? buffer.size() : lineEnd) > limits.maxLineBytes)
        return malformed(414, "the request line is longer than " + QByteArray::number(limits.maxLineBytes) +
                                  " bytes");
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if ((end < 0 ? buffer.size() : end + 4) > limits.maxHeaderBytes)
        return malformed(431, "the request header is longer than " +
                                  QByteArray::number(limits.maxHeaderBytes) + " bytes");
    if (lineEnd >= 0 && !TRequestLine::parse(buffer.left(lineEnd)).isValid())
        return malformed(400, "the request line is not METHOD TARGET HTTP/VERSION");
    if (end < 0) {
        h.m_state = TState::Incomplete;
        return h;
    }

    qint64 contentLength = -1;
    bool chunked = false;
    bool expects = false;
    const QList<QByteArray> fields = buffer.mid(lineEnd + 2, end - lineEnd - 2).split('\n');
    for (qsizetype i = 0; lineEnd < end && i < fields.size(); ++i) {
        QByteArray field = fields[i];
        if (!field.endsWith('\r') && i + 1 < fields.size())
            return malformed(400, "a header field does not end with CR LF");
        field.chop(field.endsWith('\r') ? 1 : 0);
        const qsizetype colon = field.indexOf(':');
        if (colon <= 0)
            return malformed(400, "a header field has no name");
        const QByteArray name = field.left(colon).toLower();
        for (const char c : name)
            if (!isTokenChar(c))
                return malformed(400, "a header field name holds a character not allowed there");
        const QByteArray value = field.mid(colon + 1).trimmed();
        if (name == "content-length") {
            if (!isDigits(value) || (contentLength >= 0 && value.toLongLong() != contentLength))
                return malformed(400, "the Content-Length is not one number");
            contentLength = value.toLongLong();
        } else if (name == "transfer-encoding") {
            chunked = true;
        } else if (name == "expect") {
            expects = true;
        }
    }

    h.m_headerBytes = end + 4;
    // A client waiting for "100 Continue" sends its body only when asked.
    if (contentLength > 0 && !chunked && !expects && contentLength <= limits.maxParkedBody) {
        h.m_bodyBytes = qsizetype(contentLength);
        if (buffer.size() < h.m_headerBytes + h.m_bodyBytes) {
            h.m_state = TState::Incomplete;
            return h;
        }
    }
    h.m_state = TState::Complete;
    return h;
}
