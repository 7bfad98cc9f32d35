// The sender against the reference server misbehaving on purpose: down for a
// while, refusing, answering errors, answering slowly, dropping connections.
// Nothing is lost: after the restart every queue entry reaches the server
// exactly once, and every save meanwhile holds the unsent ones.
#include "LiveServerFixture.h"

namespace {

using SenderFaults = LiveServerFixture;

TEST_F(SenderFaults, ServerDownForAWhileStopsSendingUntilTheOperatorRestartsIt)
{
    StartSender();
    Play(Roster());
    Play(Events(1));
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    const int sentBefore = int(Stored().size());

    StopServer();
    Play(Events(2));
    ASSERT_TRUE(ServeUntil([&] { return !m_host->SendingEnabled(); }));
    EXPECT_EQ(m_prompter.Messages.count(QStringLiteral("Network error")), 1);
    EXPECT_EQ(m_screen.ItemText(TParquetixSender::PacketLabel), QStringLiteral("Restart data sending!"));
    // Stopped: the events of a whole stretch go into the saves only.
    const int checksBefore = m_savesChecked;
    Play(Events(3));
    EXPECT_GT(m_savesChecked, checksBefore);
    EXPECT_FALSE(Drained());

    StartServer();
    EXPECT_EQ(Stored().size(), sentBefore);
    EXPECT_TRUE(m_sender->RestartSending());
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    ExpectAllArrivedOnce();
    EXPECT_EQ(m_sender->Counters().Failures, 1);
}

TEST_F(SenderFaults, ShortOutageIsBridgedByRetries)
{
    ASSERT_TRUE(m_app.Settings().SetValue(QStringLiteral("NUMBER_OF_RETRIES"), QStringLiteral("100000")));
    StartSender();
    Play(Roster());
    StopServer();
    Play(Events(1));
    ASSERT_TRUE(ServeUntil([&] { return m_sender->Counters().TransportErrors >= 5; }));
    StartServer();
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    ExpectAllArrivedOnce();
    EXPECT_EQ(m_sender->Counters().Failures, 0);
    EXPECT_TRUE(m_host->SendingEnabled());
}

TEST_F(SenderFaults, RefusedConnectionsAndErrorRepliesStopSending)
{
    StartSender();
    Play(Roster());
    Play(Events(1));
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));

    Server().faults().setRefuse(true);
    Play(Events(2));
    ASSERT_TRUE(ServeUntil([&] { return !m_host->SendingEnabled(); }));
    Server().faults().setRefuse(false);

    // Answers without "ok": a single message fails at once, a batch after its retries.
    Server().faults().setNoOk(true);
    ASSERT_TRUE(m_sender->RestartSending());
    ASSERT_TRUE(ServeUntil([&] { return !m_host->SendingEnabled(); }));
    Play(Events(3));
    Server().faults().setNoOk(false);

    ASSERT_TRUE(m_sender->RestartSending());
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    ExpectAllArrivedOnce();
    EXPECT_EQ(m_sender->Counters().Failures, 2);
    EXPECT_GT(m_sender->Counters().Refusals, 0);
}

TEST_F(SenderFaults, SlowAnswersWithinTheTimeOutArriveOnce)
{
    StartSender();
    Play(Roster());
    Server().faults().setSlowMs(150);
    Play(Events(1));
    Play({QStringLiteral("close")});
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    ExpectAllArrivedOnce();
    const TParquetixSender::TCounters c = m_sender->Counters();
    EXPECT_EQ(c.TransportErrors, 0);
    EXPECT_EQ(c.Failures, 0);
}

TEST_F(SenderFaults, DroppedConnectionsAreSentAgain)
{
    Server().faults().setDropEvery(3);
    StartSender();
    Play(Roster());
    Play(Events(1));
    Play(Events(2));
    ASSERT_TRUE(ServeUntil([&] { return Drained(); }));
    ExpectAllArrivedOnce();
    const TParquetixSender::TCounters c = m_sender->Counters();
    EXPECT_GT(c.TransportErrors, 0);
    EXPECT_EQ(c.Failures, 0);
    EXPECT_EQ(c.Acknowledged + c.EmptyDropped, m_reference.Game().OutgoingQueue.Count());
}

} // namespace
