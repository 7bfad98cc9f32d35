#pragma once

#include "masterdata/IUpdateDownloader.h"

// Downloads the master data update text over HTTP: a GET with the headers
// the update server expects, through the HTTP proxy of the settings when one
// is set, the address sent exactly as written (never percent-encoded).
class TUpdateDownloader : public IUpdateDownloader
{
public:
    bool Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error) override;

    void SetTimeouts(int connectSeconds, int readSeconds);

    // Splits "http://host:port/path?query" into "http://host:port" and
    // "/path?query"; false when the address is not http or https.
    static bool SplitUrl(const QByteArray &url, QByteArray &origin, QByteArray &target);

private:
    int m_connectSeconds = 30;
    int m_readSeconds = 60;
};
