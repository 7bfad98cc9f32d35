#pragma once

#include "common/IUpdateDownloader.h"

#include <memory>
#include <mutex>

class THttpClient;

// Downloads the master data update text through the statistics server's
// HTTP client: the master data request's headers, through the HTTP proxy of
// the settings when one is set, the address sent exactly as written.
class TUpdateDownloader : public IUpdateDownloader
{
public:
    bool Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error) override;

    void Cancel() override;
    void Resume() override;

    void SetTimeouts(int connectMs, int readMs);

private:
    std::mutex m_mutex;
    bool m_cancelled = false;
    std::shared_ptr<THttpClient> m_current; // the request Cancel stops

    // The whole schedule of a season is one reply: longer than a live message may wait.
    int m_connectMs = 10000;
    int m_readMs = 60000;
};
