// A backlog of queued messages drains in the batch sizes the queue length
// asks for, through the real client to the reference server.
#include "LiveServerFixture.h"

#include "common/Win1250.h"
#include "model/events/EventKinds.h"
#include "transmission/TMsMultiPartFormDataStream.h"

#include <QElapsedTimer>
#include <iostream>

namespace {

// Passes every request on and notes its kind and size; read the notes once
// the sender has stopped.
class TCountingHttp : public IHttpTransport
{
public:
    explicit TCountingHttp(IHttpTransport &inner) : m_inner(inner) {}

    THttpReply getLive(const QByteArray &url) const override
    {
        Gets += 1;
        return m_inner.getLive(url);
    }
    THttpReply postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const override
    {
        // Every message of a batch ends in "#"; nothing else in the body has one.
        Batches.append(int(form.data().count('#')));
        return m_inner.postForm(url, form);
    }
    void abortRequests() override { m_inner.abortRequests(); }
    void resumeRequests() override { m_inner.resumeRequests(); }

    mutable int Gets = 0;
    mutable QList<int> Batches;

private:
    IHttpTransport &m_inner;
};

class SenderBacklog : public LiveServerFixture
{
protected:
    void SetUp() override
    {
        LiveServerFixture::SetUp();
        m_app.Game().GameCode = QString::fromLatin1(Code);
        m_app.Game().SetStore(nullptr);
        counting = std::make_unique<TCountingHttp>(*m_http);
    }

    // A sender started on a queue filled beforehand, stopped once it is empty.
    void Drain(int timeoutMs = 30000)
    {
        TParquetixSender sender(*m_host, m_app.Settings(), m_dispatcher, *counting, *m_probe);
        sender.SetBaseAddress(m_base);
        sender.start();
        EXPECT_TRUE(ServeUntil([&] { return Drained(); }, timeoutMs));
        sender.Stop();
    }

    // Queues n messages at once, as a game loaded with its unsent messages does.
    QByteArrayList Queue(int n)
    {
        TGame &game = m_app.Game();
        QByteArrayList queries;
        for (int i = 0; i < n; ++i) {
            game.EventCounter += 1;
            TGameEvent *e = game.NewEvent(game.EventCounter, Kind::ClockStep, 1, Side::None);
            e->SetMessage(m_prefix + QStringLiteral("kod=1100&id=%1&szkod=%2&ido=%3")
                                         .arg(game.EventCounter)
                                         .arg(QLatin1String(Code))
                                         .arg(i % 40));
            queries << Win1250::Encode(e->Message.mid(m_prefix.size()));
            game.QueueEvent(e);
        }
        return queries;
    }

    std::unique_ptr<TCountingHttp> counting;
};

TEST_F(SenderBacklog, BatchesOfTwentyFifteenTenAndFiveAsTheQueueAsks)
{
    struct Case
    {
        int Queued;
        QList<int> Batches;
        int Gets;
    };
    // 57: 20, 20, then 17 left give 15 and two single messages; 51: 20, 20,
    // then 11 give 10 and one; 28: 20, then 8 give 5 and three.
    const Case cases[] = {{57, {20, 20, 15}, 2}, {51, {20, 20, 10}, 1}, {28, {20, 5}, 3}};
    QByteArrayList all;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Queued);
        all += Queue(c.Queued);
        const int getsBefore = counting->Gets;
        const qsizetype batchesBefore = counting->Batches.size();
        Drain();
        EXPECT_EQ(counting->Gets - getsBefore, c.Gets);
        EXPECT_EQ(counting->Batches.mid(batchesBefore), c.Batches);
    }
    EXPECT_EQ(Stored(), all);
}

TEST_F(SenderBacklog, TwoThousandQueuedMessagesDrainCompletely)
{
    const QByteArrayList queued = Queue(2000);
    QElapsedTimer clock;
    clock.start();
    Drain(120000);
    const qint64 elapsed = clock.elapsed();
    // 99 batches of 20, one of 15 for the last 20, then five single messages.
    EXPECT_EQ(counting->Batches.size(), 100);
    EXPECT_EQ(counting->Batches.count(20), 99);
    EXPECT_EQ(counting->Gets, 5);
    EXPECT_EQ(Stored(), queued);
    std::cout << "2000 queued messages: " << counting->Batches.size() << " POST + " << counting->Gets
              << " GET requests in " << elapsed << " ms (SLEEPTIME_BW_SEND "
              << m_app.Settings().SleeptimeBwSend() << " ms)\n";
}

} // namespace
