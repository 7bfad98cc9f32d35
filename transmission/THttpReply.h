#pragma once

#include <QByteArray>
#include <QString>

// What came back from one request. Callers look at the body only; the status
// is kept for logs and tests.
struct THttpReply
{
    // False when no reply arrived (no connection, time-out, dropped
    // connection); error then says why.
    bool received = false;
    int status = -1;
    QByteArray body;
    QString error;
};
