#pragma once

#include "THttpReply.h"

#include <QByteArray>

class TMsMultiPartFormDataStream;

// The two requests the sender makes, so its steps can be tested against
// replies made up on the spot.
class IHttpTransport
{
public:
    virtual ~IHttpTransport() = default;

    // GET of a live message (or the master data) with the live headers.
    virtual THttpReply getLive(const QByteArray &url) const = 0;
    // POST of a closed multipart body.
    virtual THttpReply postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const = 0;

    // From any thread: cuts the request in progress short and fails every
    // later one at once, until resumeRequests(). A request still connecting
    // ends within the connection time-out.
    virtual void abortRequests() = 0;
    virtual void resumeRequests() = 0;
};
