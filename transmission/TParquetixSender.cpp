#include "TParquetixSender.h"

#include "IConnectionProbe.h"
#include "IHttpTransport.h"
#include "ISenderHost.h"
#include "TMsMultiPartFormDataStream.h"
#include "common/TBase64.h"

#include "common/Win1250.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"
#include "model/services/IUiDispatcher.h"
#include "model/settings/TSettings.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <exception>
#include <mutex>

namespace {

constexpr TColor Black = 0xff000000;
constexpr TColor Red = 0xffff0000;

QString translate(TGame *game, const char *text)
{
    const QString source = QString::fromUtf8(text);
    return game ? game->Translate(source) : source;
}

} // namespace

const QString TParquetixSender::PacketLabel = QStringLiteral("lblPackets");

TParquetixSender::TParquetixSender(ISenderHost &host, const TSettings &settings, IUiDispatcher &dispatcher,
                                   IHttpTransport &http, IConnectionProbe &probe)
    : m_host(host), m_settings(settings), m_dispatcher(dispatcher), m_http(http), m_probe(probe),
      m_base(TSettings::DefaultServerBase)
{
}

TParquetixSender::~TParquetixSender()
{
    Stop();
}

TParquetixSender::TCounters TParquetixSender::Counters() const
{
    TCounters c;
    c.Gets = m_gets;
    c.Posts = m_posts;
    c.Acknowledged = m_acknowledged;
    c.EmptyDropped = m_emptyDropped;
    c.TransportErrors = m_transportErrors;
    c.Refusals = m_refusals;
    c.Failures = m_failures;
    return c;
}

QByteArray TParquetixSender::WriteAddress(const QByteArray &path) const
{
    // SERVER_NAME's query part (a workstation's write key, say) goes with
    // every write, as it does with each single message.
    const QString server = m_settings.ServerName();
    const qsizetype q = server.indexOf(QLatin1Char('?'));
    const QByteArray query = q < 0 ? QByteArray() : Win1250::Encode(server.mid(q + 1));
    return query.isEmpty() ? path : path + '?' + query;
}

int TParquetixSender::PauseMs() const
{
    return qMax(0, m_settings.SleeptimeBwSend());
}

int TParquetixSender::BatchSize(int queueCount)
{
    if (queueCount > 20)
        return 20;
    if (queueCount > 15)
        return 15;
    if (queueCount > 10)
        return 10;
    return 5;
}

bool TParquetixSender::retriesUsed() const
{
    return m_attempts >= m_settings.NumberOfRetries() + 1;
}

// ---------------------------------------------------------------- thread

void TParquetixSender::run()
{
    m_attempts = 0;
    while (!m_stop) {
        try {
            QMutexLocker steps(&m_stepLock);
            Cycle();
        } catch (const std::exception &e) {
            // A failing hand-off must not end the sender; the next cycle tries again.
            qWarning("sender: %s", e.what());
        }
        pause(PauseMs());
    }
}

void TParquetixSender::pause(int ms)
{
    QMutexLocker lock(&m_pauseMutex);
    if (m_stop)
        return;
    if (ms > 0)
        m_wake.wait(&m_pauseMutex, QDeadlineTimer(ms));
    else
        QThread::yieldCurrentThread();
}

void TParquetixSender::Stop()
{
    // The cycle under way runs to its end; its pause and its request are cut
    // short, so it ends within one request time-out.
    {
        QMutexLocker lock(&m_pauseMutex);
        m_stop = true;
        m_wake.wakeAll();
    }
    m_http.abortRequests();
    // The cycle may be waiting for a hand-off of this very thread.
    while (!wait(QDeadlineTimer(5)))
        m_dispatcher.ServeHandOffs();
    m_http.resumeRequests();
}

template <class Task> void TParquetixSender::handOff(Task &&task)
{
    m_dispatcher.RunOnUiThread(std::forward<Task>(task));
}

// ---------------------------------------------------------------- hand-offs

void TParquetixSender::CountQueue()
{
    int count = 0;
    handOff([&] {
        const TGame *game = m_host.CurrentGame();
        count = game ? game->OutgoingQueue.Count() : 0;
    });
    m_queueCount = count;
}

void TParquetixSender::ReadMessage()
{
    const int index = m_readIndex;
    QString message;
    handOff([&] {
        const TGame *game = m_host.CurrentGame();
        if (game)
            message = game->OutgoingQueue.MessageAt(index);
    });
    m_currentMessage = message;
}

void TParquetixSender::DropFirst()
{
    handOff([&] {
        TGame *game = m_host.CurrentGame();
        if (game)
            game->OutgoingQueue.Acknowledge();
    });
}

void TParquetixSender::RefreshPacketLabel()
{
    handOff([&] { refreshPacketLabelHere(); });
}

void TParquetixSender::refreshPacketLabelHere()
{
    try {
        IScreenLink *screen = m_host.CourtScreen();
        TGame *game = m_host.CurrentGame();
        if (!screen || !game)
            return;
        screen->SetItemText(PacketLabel,
                            game->Translate(QStringLiteral("All")) + QLatin1Char('/') +
                                game->Translate(QStringLiteral("To send")) + QStringLiteral(" : ") +
                                QString::number(game->AllEvents.Count()) + QStringLiteral(" / ") +
                                QString::number(game->OutgoingQueue.Count()));
    } catch (...) {
        // The label only informs; sending goes on without it.
    }
}

void TParquetixSender::CheckConnection()
{
    bool connected = false;
    handOff([&] { connected = checkConnectionHere(); });
    m_connected = connected;
}

bool TParquetixSender::checkConnectionHere()
{
    bool connected = false;
    try {
        connected = m_probe.IsConnected();
    } catch (...) {
        connected = false;
    }
    TGame *game = m_host.CurrentGame();
    m_host.ShowConnectionState(translate(game, connected ? "Connected!" : "Not connected!"));
    return connected;
}

void TParquetixSender::HandleSendFailure()
{
    // While the window closes nobody is left to restart sending; the game is
    // saved on closing anyway.
    if (m_stop && !m_dispatcher.OnUiThread())
        return;
    handOff([&] { handleSendFailureHere(); });
    ++m_failures;
    m_attempts = 0;
}

void TParquetixSender::handleSendFailureHere()
{
    m_host.SetSendingEnabled(false);
    TGame *game = m_host.CurrentGame();
    if (!game)
        return;
    // The pending messages go into "events_notsend_" with the rest of the game.
    try {
        game->SaveGame();
    } catch (const std::exception &e) {
        game->Prompter().ShowError(QString::fromLocal8Bit(e.what()));
    }
    game->Prompter().ShowError(game->Translate(QStringLiteral("Network error")));
    if (IScreenLink *screen = m_host.CourtScreen()) {
        screen->SetItemColor(PacketLabel, Red);
        screen->SetItemText(PacketLabel, game->Translate(QStringLiteral("Restart data sending!")));
    }
}

bool TParquetixSender::canSend(QString *gameCode)
{
    bool ok = false;
    QString code;
    handOff([&] {
        const TGame *game = m_host.CurrentGame();
        ok = game && game->Online && !game->OutgoingQueue.IsEmpty() && m_host.SendingEnabled();
        if (game)
            code = game->GameCode;
    });
    if (gameCode)
        *gameCode = code;
    return ok;
}

// ---------------------------------------------------------------- steps

void TParquetixSender::Cycle()
{
    CountQueue();
    if (m_settings.BlockUploadDisabled() || m_queueCount < BatchThreshold)
        SingleStep();
    else
        BatchStep();
}

void TParquetixSender::SingleStep()
{
    if (!canSend(nullptr))
        return;
    CheckConnection();
    if (!m_connected) {
        HandleSendFailure();
        return;
    }
    m_readIndex = 0;
    ReadMessage();
    if (m_currentMessage.isEmpty()) {
        DropFirst();
        ++m_emptyDropped;
        return;
    }
    if (retriesUsed()) {
        HandleSendFailure();
        return;
    }
    ++m_attempts;
    ++m_gets;
    const THttpReply reply = m_http.getLive(Win1250::Encode(m_currentMessage));
    if (!reply.received) {
        // Tried again next cycle, until the retries are used up.
        ++m_transportErrors;
        return;
    }
    if (reply.body.left(2).toUpper() == "OK") {
        DropFirst();
        ++m_acknowledged;
        RefreshPacketLabel();
        m_attempts = 0;
    } else {
        ++m_refusals;
        HandleSendFailure();
    }
}

void TParquetixSender::BatchStep()
{
    QString gameCode;
    if (!canSend(&gameCode))
        return;
    CheckConnection();
    if (!m_connected) {
        HandleSendFailure();
        return;
    }
    const int size = BatchSize(m_queueCount);
    const int prefix = int(m_settings.ServerName().size());
    QByteArray batch;
    for (int position = 0; position < size; ++position) {
        m_readIndex = position;
        ReadMessage();
        if (!m_currentMessage.isEmpty())
            batch += Win1250::Encode(m_currentMessage.mid(prefix)) + '#';
    }
    if (retriesUsed()) {
        HandleSendFailure();
        return;
    }
    TMsMultiPartFormDataStream form;
    form.AddField("gamecode", Win1250::Encode(gameCode));
    form.AddField("gamedata", batch);
    form.CloseBody();
    ++m_attempts;
    ++m_posts;
    const THttpReply reply = m_http.postForm(WriteAddress(m_base + "/income/index.phtml"), form);
    if (!reply.received) {
        ++m_transportErrors;
        return;
    }
    if (!reply.body.contains("ok")) {
        // Unlike a single message, a refused batch is tried again.
        ++m_refusals;
        return;
    }
    m_attempts = 0;
    // Only the sender removes, and only from the front: what was appended
    // meanwhile stays queued. Entries read empty go with the rest.
    for (int i = 0; i < size; ++i) {
        DropFirst();
        ++m_acknowledged;
        RefreshPacketLabel();
    }
    RefreshPacketLabel();
}

// ---------------------------------------------------------------- user interface thread

bool TParquetixSender::RestartSending()
{
    TGame *game = m_host.CurrentGame();
    if (!game || !game->Online || m_host.SendingEnabled())
        return false;
    if (IScreenLink *screen = m_host.CourtScreen())
        screen->SetItemColor(PacketLabel, Black);
    m_host.SetSendingEnabled(true);
    refreshPacketLabelHere();
    return true;
}

void TParquetixSender::lockSteps()
{
    // The sender thread may hold the lock while it waits for a hand-off of
    // this very thread.
    while (!m_stepLock.tryLock(5))
        m_dispatcher.ServeHandOffs();
}

bool TParquetixSender::flushQueue()
{
    TGame *game = m_host.CurrentGame();
    game->Online = true;
    m_host.SetSendingEnabled(true);
    lockSteps();
    std::unique_lock<QMutex> steps(m_stepLock, std::adopt_lock);
    CountQueue();
    // A send failure stops sending, and with it the flush: the batch step
    // would otherwise do nothing for ever.
    while (m_queueCount > 0 && m_host.SendingEnabled()) {
        BatchStep();
        if (const int ms = PauseMs(); ms > 0)
            QThread::msleep(ulong(ms));
        CountQueue();
    }
    return m_queueCount == 0;
}

TSendGameResult TParquetixSender::SendGame(const QString &archivePath, const QString &boxText)
{
    TSendGameResult result;
    TGame *game = m_host.CurrentGame();
    if (!game) {
        result.Error = QStringLiteral("no game");
        return result;
    }
    IPrompter &prompter = game->Prompter();
    const QString unable = game->Translate(QStringLiteral("Unable to send data to server!"));
    // The sender thread's own state is left alone: it may be mid-step.
    if (!checkConnectionHere()) {
        prompter.ShowError(unable);
        result.Outcome = TUploadOutcome::NotConnected;
        return result;
    }
    // The French server builds its box score from the live messages, so they
    // must all be there before the game arrives; after a failure the upload
    // is given up, to be sent again once sending has been restarted.
    if (m_settings.Edition() == TEdition::French && !flushQueue()) {
        prompter.ShowError(unable);
        result.Outcome = TUploadOutcome::SendingStopped;
        return result;
    }

    QByteArray zip;
    if (!TBase64::encodeFile(archivePath, &zip, &result.Error)) {
        prompter.ShowError(result.Error);
        result.Outcome = TUploadOutcome::NoArchive;
        return result;
    }
    QString box = boxText;
    box.remove(QLatin1Char('\n'));
    box.remove(QLatin1Char('\r'));
    TMsMultiPartFormDataStream form;
    form.AddField("name", Win1250::Encode(game->GameCode));
    form.AddField("box", Win1250::Encode(box));
    form.AddField("zip", zip);
    form.CloseBody();
    const THttpReply reply = m_http.postForm(WriteAddress(m_base + "/income/game.phtml"), form);
    if (!reply.received) {
        // What the general error report would show for the failed request.
        result.Outcome = TUploadOutcome::TransportError;
        result.Error = reply.error;
        prompter.ShowError(reply.error);
        return result;
    }
    if (reply.body.contains("ok")) {
        prompter.ShowInformation(game->Translate(QStringLiteral("Data successfully sent to server.")));
        result.Outcome = TUploadOutcome::Sent;
    } else {
        prompter.ShowError(unable);
        result.Outcome = TUploadOutcome::Refused;
    }
    return result;
}
