#pragma once

#include <QString>

// What came of a game upload; the operator has been told already.
enum class TUploadOutcome
{
    Sent,           // the server answered "ok"
    NoGame,         // there is no current game
    NotConnected,   // the presence test failed
    SendingStopped, // the flush of the queue before the upload ended in a send failure
    NoArchive,      // the archive could not be read
    TransportError, // no reply (no connection, time-out, dropped)
    Refused         // a reply without "ok"
};

struct TSendGameResult
{
    TUploadOutcome Outcome = TUploadOutcome::NoGame;
    // Why, for the outcomes that have a reason of their own.
    QString Error;
    bool Sent() const { return Outcome == TUploadOutcome::Sent; }
};
