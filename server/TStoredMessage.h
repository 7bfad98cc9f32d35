#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

// A live message as the server keeps it, in arrival order per game.
struct TStoredMessage
{
    qint64 seq = 0;  // arrival number over the whole server
    QByteArray game; // "szkod"
    QDateTime received;
    QByteArray via;   // "single" or "batch"
    QByteArray query; // exactly as received
    int code = -1;
    std::optional<qint64> eventId;
    qint64 replacedBy = 0; // seq of the later message with the same id
    qint64 deletedBy = 0;  // seq of the deletion message (5000)

    bool isLive() const { return replacedBy == 0 && deletedBy == 0; }
};

// One game the server has heard of.
struct TGameInfo
{
    QByteArray game;
    qint64 messages = 0;
    QDateTime lastReceived;
    qint64 uploads = 0;
};
