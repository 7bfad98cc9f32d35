#pragma once

#include "TSendGameResult.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <atomic>

class IConnectionProbe;
class IHttpTransport;
class ISenderHost;
class IUiDispatcher;
class TGame;
class TSettings;

// The background sender: one thread for the whole life of the main window
// that delivers the game's queued live messages to the statistics server,
// one at a time by GET or, when six or more wait, in batches by POST.
//
// The sender never touches the game's lists or the screen itself: every
// read, count and removal and every label update is handed to the user
// interface thread and the sender waits for it, so the lists only ever
// change on that thread. Only the requests and the pause between cycles run
// here, so recording never waits for the network.
class TParquetixSender : public QThread
{
public:
    // Running totals since the sender was made; readable from any thread.
    struct TCounters
    {
        int Gets = 0;
        int Posts = 0;
        int Acknowledged = 0;    // queue entries removed after an "ok"
        int EmptyDropped = 0;    // empty messages removed unsent
        int TransportErrors = 0; // requests without a reply
        int Refusals = 0;        // replies without "ok"
        int Failures = 0;        // HandleSendFailure runs
    };

    // The label the sender writes on the court screen.
    static const QString PacketLabel;
    // Fewer queued messages than this go one by one.
    static constexpr int BatchThreshold = 6;

    TParquetixSender(ISenderHost &host, const TSettings &settings, IUiDispatcher &dispatcher,
                     IHttpTransport &http, IConnectionProbe &probe);
    // Stops the thread first.
    ~TParquetixSender() override;

    // The statistics server's base address ("http://host[:port]"), where the
    // batch and the upload go whatever SERVER_NAME says. Set before start().
    void SetBaseAddress(const QByteArray &base) { m_base = base; }
    const QByteArray &BaseAddress() const { return m_base; }
    // path ("base/income/...") with the query part SERVER_NAME carries after
    // its "?", when there is one: the batch and the upload carry it as every
    // single message does.
    QByteArray WriteAddress(const QByteArray &path) const;

    // User interface thread: asks the thread to stop, cuts its pause and its
    // request short and waits for its cycle to end, running the hand-offs it
    // waits for meanwhile. Never longer than one request time-out.
    void Stop();

    // User interface thread: the click on the packet label after a failure.
    // Accepted only while the game is online and sending is stopped.
    bool RestartSending();
    // User interface thread: the game upload (archive as Base64 and the text
    // report). Blocks until the server has answered; tells the operator.
    TSendGameResult SendGame(const QString &archivePath, const QString &boxText);

    // One cycle without its pause, and its two steps. They run on the sender
    // thread; tests run them on one thread with an inline dispatcher.
    void Cycle();
    void SingleStep();
    void BatchStep();
    static int BatchSize(int queueCount);
    // SLEEPTIME_BW_SEND; a negative value means no pause.
    int PauseMs() const;

    // Sender state, for tests between steps.
    bool Connected() const { return m_connected; }
    const QString &CurrentMessage() const { return m_currentMessage; }
    int Attempts() const { return m_attempts; }
    int QueueCount() const { return m_queueCount; }
    int ReadIndex() const { return m_readIndex; }
    TCounters Counters() const;

protected:
    void run() override;

private:
    // Hand-offs, each run on the user interface thread while this one waits.
    void CountQueue();
    void ReadMessage();
    void DropFirst();
    void RefreshPacketLabel();
    void CheckConnection();
    void HandleSendFailure();
    // The conditions of both steps: a game, online, something queued, sending enabled.
    bool canSend(QString *gameCode);

    template <class Task> void handOff(Task &&task);
    // Bodies of the hand-offs, on the user interface thread.
    void refreshPacketLabelHere();
    bool checkConnectionHere();
    void handleSendFailureHere();

    bool retriesUsed() const;
    void pause(int ms);
    bool flushQueue();
    void lockSteps();

    ISenderHost &m_host;
    const TSettings &m_settings;
    IUiDispatcher &m_dispatcher;
    IHttpTransport &m_http;
    IConnectionProbe &m_probe;
    QByteArray m_base;

    bool m_connected = false;
    QString m_currentMessage;
    int m_attempts = 0;
    int m_queueCount = 0;
    int m_readIndex = 0;

    // A step and the flush before an upload never overlap: both remove from
    // the front of the queue what they have just sent.
    QMutex m_stepLock;
    QMutex m_pauseMutex;
    QWaitCondition m_wake;
    std::atomic<bool> m_stop{false};

    std::atomic<int> m_gets{0}, m_posts{0}, m_acknowledged{0}, m_emptyDropped{0}, m_transportErrors{0},
        m_refusals{0}, m_failures{0};
};
