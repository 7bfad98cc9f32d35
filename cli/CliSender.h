#pragma once

#include "model/services/TUiThreadDispatcher.h"
#include "transmission/TApplicationSenderHost.h"
#include "transmission/THttpClient.h"
#include "transmission/TNetworkPresence.h"
#include "transmission/TParquetixSender.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

class TCliGame;

// The real sender thread for the commands that talk to a statistics server:
// the command's own thread is the user interface thread that serves its
// hand-offs.
class TCliSender
{
public:
    // Takes "--send URL" (or "--server URL" for the upload) and
    // "--http-timeout MS" out of args; false with a message on err.
    bool TakeOptions(QStringList &args, const QString &command, const QString &urlOption, QTextStream &err);
    bool Wanted() const { return !m_base.isEmpty(); }
    const QByteArray &Base() const { return m_base; }

    // Points SERVER_NAME at the server and makes the sender (not yet running).
    void Attach(TCliGame &session);
    TParquetixSender &Sender() { return *m_sender; }
    // The sending switch the wizards turn; nothing before Attach.
    void SetSendingEnabled(bool enabled)
    {
        if (m_host)
            m_host->SetSendingEnabled(enabled);
    }

    // Starts the thread; the session's script then serves its hand-offs after
    // every command.
    void Start(TCliGame &session);
    // Serves hand-offs until the queue is empty, sending has failed or the
    // time is up; then stops the thread. True when the queue was emptied.
    bool WaitUntilSent(TCliGame &session, int timeoutMs, QTextStream &err);
    void PrintCounters(TCliGame &session, QTextStream &out) const;

private:
    QByteArray m_base;
    int m_timeoutMs = 0;
    TUiThreadDispatcher m_dispatcher;
    std::unique_ptr<THttpClient> m_http;
    std::unique_ptr<TNetworkPresence> m_probe;
    std::unique_ptr<TApplicationSenderHost> m_host;
    std::unique_ptr<TParquetixSender> m_sender;
};
