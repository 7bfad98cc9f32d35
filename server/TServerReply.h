#pragma once

#include <QByteArray>

// The answer to one request, before it goes on the wire.
struct TServerReply
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/plain; charset=utf-8";

    static TServerReply ok() { return {200, "ok", "text/plain; charset=utf-8"}; }

    // "error: " and the text. The client takes any "ok" in a reply as
    // success, so an "ok" inside the text (say from an echoed game code) is
    // broken up.
    static TServerReply error(int status, const QByteArray &text)
    {
        QByteArray safe = text;
        for (qsizetype i = 0; i + 1 < safe.size(); ++i) {
            if ((safe[i] == 'o' || safe[i] == 'O') && (safe[i + 1] == 'k' || safe[i + 1] == 'K'))
                safe.insert(i + 1, '_');
        }
        return {status, "error: " + safe, "text/plain; charset=utf-8"};
    }
};
