#include "CliSender.h"

#include "CliGame.h"
#include "GameOutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

bool TCliSender::TakeOptions(QStringList &args, const QString &command, const QString &urlOption,
                             QTextStream &err)
{
    bool present = false;
    QString url = TakeOption(args, urlOption, &present);
    if (present) {
        if (!url.startsWith(QLatin1String("http://")) && !url.startsWith(QLatin1String("https://"))) {
            err << command << ": " << urlOption << " needs an http:// address, not '" << url << "'\n";
            return false;
        }
        while (url.endsWith(QLatin1Char('/')))
            url.chop(1);
        m_base = url.toLatin1();
    }
    bool hasTimeout = false;
    const QString timeout = TakeOption(args, QStringLiteral("--http-timeout"), &hasTimeout);
    if (hasTimeout) {
        bool ok = false;
        m_timeoutMs = timeout.toInt(&ok);
        if (!ok || m_timeoutMs <= 0) {
            err << command << ": --http-timeout needs milliseconds, not '" << timeout << "'\n";
            return false;
        }
    }
    return true;
}

void TCliSender::Attach(TCliGame &session)
{
    session.App.Settings().SetValue(QStringLiteral("SERVER_NAME"),
                                    QString::fromLatin1(m_base) + QStringLiteral("/income/index.phtml?"));
    m_http = m_timeoutMs > 0 ? std::make_unique<THttpClient>(m_timeoutMs, m_timeoutMs)
                             : std::make_unique<THttpClient>();
    m_probe = std::make_unique<TNetworkPresence>(m_base);
    m_host = std::make_unique<TApplicationSenderHost>(session.App, &session.Screen);
    m_sender =
        std::make_unique<TParquetixSender>(*m_host, session.App.Settings(), m_dispatcher, *m_http, *m_probe);
    m_sender->SetBaseAddress(m_base);
}

void TCliSender::Start(TCliGame &session)
{
    session.AfterCommand = [this] { m_dispatcher.ServeHandOffs(); };
    m_sender->start();
}

bool TCliSender::WaitUntilSent(TCliGame &session, int timeoutMs, QTextStream &err)
{
    session.AfterCommand = nullptr;
    // Every cycle of the sender hands something over, which wakes the loop;
    // the timer only bounds the wait should the sender fall silent.
    QTimer tick;
    tick.start(100);
    const QDeadlineTimer deadline(timeoutMs);
    bool sent = false;
    for (;;) {
        const TGame &game = session.App.Game();
        if (game.OutgoingQueue.IsEmpty()) {
            sent = true;
            break;
        }
        if (!m_host->SendingEnabled())
            break;
        if (deadline.hasExpired()) {
            err << "sending: not finished after " << timeoutMs / 1000 << " s\n";
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    m_sender->Stop();
    return sent;
}

void TCliSender::PrintCounters(TCliGame &session, QTextStream &out) const
{
    const TGame &game = session.App.Game();
    const TParquetixSender::TCounters c = m_sender->Counters();
    out << "Sending " << (m_host->SendingEnabled() ? "enabled" : "stopped")
        << ": All/To send : " << game.AllEvents.Count() << " / " << game.OutgoingQueue.Count() << "\n";
    out << "Requests: " << c.Gets << " GET, " << c.Posts << " POST; " << c.Acknowledged << " acknowledged, "
        << c.EmptyDropped << " empty dropped, " << c.TransportErrors << " without reply, " << c.Refusals
        << " refused, " << c.Failures << " send failures\n";
}
