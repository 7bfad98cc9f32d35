#pragma once

#include <QByteArray>
#include <QString>

// Fetches the master data update text from the server. The master data
// import uses it and the transmission layer implements it over HTTP; neither
// library knows the other, so the contract sits below both. Tests plug in
// their own.
class IUpdateDownloader
{
public:
    // The PROXY_* settings; an empty server means no proxy.
    struct TProxy
    {
        QString server;
        QString port;
        QString user;
        QString password;
    };

    virtual ~IUpdateDownloader() = default;
    // GET of the address as written (never percent-encoded). True with the
    // reply body, whatever its status; false with the reason when the server
    // cannot be reached.
    virtual bool Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error) = 0;
    // From any thread: a running download ends soon, false, and those
    // started later end at once, until Resume.
    virtual void Cancel() {}
    virtual void Resume() {}
};
