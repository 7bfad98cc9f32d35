// The sender's cycle, its single and batch steps, the retry limit, the
// failure handling and the restart, one step at a time on one thread.
#include "SenderFixture.h"

#include "model/game/RecordBuffer.h"

namespace {

using SenderStep = SenderFixture;

TEST(SenderBatchSize, FollowsTheQueueLength)
{
    const std::pair<int, int> cases[] = {{6, 5},   {10, 5},  {11, 10}, {15, 10}, {16, 15},
                                         {20, 15}, {21, 20}, {22, 20}, {500, 20}};
    for (const auto &[queued, size] : cases)
        EXPECT_EQ(TParquetixSender::BatchSize(queued), size) << queued << " queued";
}

TEST_F(SenderStep, FiveQueuedGoOneByOneWithGet)
{
    queue(5);
    cycles(5);
    ASSERT_EQ(http.Requests.size(), 5);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_FALSE(http.Requests[n - 1].Post);
        EXPECT_EQ(http.Requests[n - 1].Url, url(n));
    }
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
    EXPECT_EQ(game.AllEvents.Count(), 5);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("All/To send : 5 / 0"));
    EXPECT_EQ(sender.Counters().Acknowledged, 5);
}

TEST_F(SenderStep, SixQueuedGoAsABatchOfFiveAndTheSixthWithGet)
{
    queue(6);
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 1);
    const TFakeRequest &post = http.Requests[0];
    EXPECT_TRUE(post.Post);
    // The batch goes to the base address, not to SERVER_NAME.
    EXPECT_EQ(post.Url, Base + "/income/index.phtml");
    ASSERT_EQ(post.Fields.size(), 2);
    EXPECT_EQ(post.Fields[0].first, QByteArray("gamecode"));
    EXPECT_EQ(post.Fields[0].second, QByteArray("ABC1DEF2"));
    EXPECT_EQ(post.Fields[1].first, QByteArray("gamedata"));
    EXPECT_EQ(post.Fields[1].second, batchOf(1, 5));
    EXPECT_EQ(queuedMessages(), QStringList{Prefix + query(6)});

    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 2);
    EXPECT_FALSE(http.Requests[1].Post);
    EXPECT_EQ(http.Requests[1].Url, url(6));
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
}

TEST_F(SenderStep, LongQueuesArePostedTwentyAtATimeUnlessBlockUploadIsDisabled)
{
    queue(47);
    cycles(3);
    // 47 -> 20, 27 -> 20, 7 -> 5, then two single messages.
    ASSERT_EQ(http.Requests.size(), 3);
    EXPECT_EQ(http.Requests[0].Field("gamedata"), batchOf(1, 20));
    EXPECT_EQ(http.Requests[1].Field("gamedata"), batchOf(21, 40));
    EXPECT_EQ(http.Requests[2].Field("gamedata"), batchOf(41, 45));
    cycles(2);
    EXPECT_EQ(http.Requests[3].Url, url(46));
    EXPECT_EQ(http.Requests[4].Url, url(47));
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());

    set("BLOCK_UPLOAD_DISABLED", QStringLiteral("YES"));
    queue(25);
    cycles(25);
    ASSERT_EQ(http.Requests.size(), 30);
    for (int i = 5; i < 30; ++i) {
        EXPECT_FALSE(http.Requests[i].Post);
        EXPECT_EQ(http.Requests[i].Url, url(48 + i - 5));
    }
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
}

TEST_F(SenderStep, SingleStepTakesOkInAnyCaseAtTheStartOfTheBody)
{
    for (const QByteArray &body :
         {QByteArray("OK"), QByteArray("ok, stored"), QByteArray("Ok"), QByteArray("oK\n")})
        http.Replies << TFakeHttp::Reply(body);
    queue(4);
    cycles(4);
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
    EXPECT_TRUE(host.Enabled);
    EXPECT_EQ(sender.Counters().Failures, 0);
}

TEST_F(SenderStep, SingleStepFailsAtOnceOnAnyOtherBody)
{
    for (const QByteArray &body : {QByteArray(" ok"), QByteArray("error: no game"), QByteArray("")}) {
        SCOPED_TRACE(body.toStdString());
        http.Replies << TFakeHttp::Reply(body);
        host.Enabled = true;
        queue(1);
        const int before = int(http.Requests.size());
        sender.Cycle();
        EXPECT_EQ(http.Requests.size(), before + 1);
        EXPECT_FALSE(host.Enabled);
        EXPECT_EQ(sender.Attempts(), 0);
    }
    EXPECT_EQ(game.OutgoingQueue.Count(), 3);
    EXPECT_EQ(sender.Counters().Refusals, 3);
}

TEST_F(SenderStep, BatchNeedsLowerCaseOkAnywhereInTheBody)
{
    queue(6);
    http.Replies << TFakeHttp::Reply("Ok") << TFakeHttp::Reply("OK") << TFakeHttp::Reply("stored: ok (5)");
    sender.Cycle();
    sender.Cycle();
    // Refused twice: nothing dropped, the same front sent again, still sending.
    EXPECT_EQ(game.OutgoingQueue.Count(), 6);
    EXPECT_EQ(sender.Attempts(), 2);
    EXPECT_TRUE(host.Enabled);
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 3);
    for (const TFakeRequest &r : http.Requests)
        EXPECT_EQ(r.Field("gamedata"), batchOf(1, 5));
    EXPECT_EQ(queuedMessages(), QStringList{Prefix + query(6)});
    EXPECT_EQ(sender.Attempts(), 0);
}

TEST_F(SenderStep, SendFailureStopsSendingSavesTheQueueAndTellsTheOperator)
{
    translator.Words = {{QStringLiteral("Network error"), QStringLiteral("Hálózati hiba")},
                        {QStringLiteral("Restart data sending!"), QStringLiteral("Újraküldés!")}};
    queue(3);
    http.Replies << TFakeHttp::Reply("denied");
    sender.Cycle();

    EXPECT_FALSE(host.Enabled);
    EXPECT_EQ(sender.Attempts(), 0);
    // Saved once with every pending message, so "events_notsend_" holds them.
    ASSERT_EQ(store.Saves.size(), 1);
    EXPECT_EQ(store.Saves[0], (QStringList{Prefix + query(1), Prefix + query(2), Prefix + query(3)}));
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Hálózati hiba")});
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("Újraküldés!"));
    EXPECT_EQ(screen.item(QStringLiteral("lblPackets")).Color, 0xffff0000u);
    EXPECT_EQ(sender.Counters().Failures, 1);

    // Stopped: cycles come and go without a request.
    cycles(3);
    EXPECT_EQ(http.Requests.size(), 1);
    EXPECT_EQ(game.OutgoingQueue.Count(), 3);
}

TEST_F(SenderStep, TransportErrorsAreRetriedWithTheSameMessage)
{
    queue(2);
    http.Replies << TFakeHttp::NoReply() << TFakeHttp::NoReply();
    sender.Cycle();
    EXPECT_EQ(sender.Attempts(), 1);
    sender.Cycle();
    EXPECT_EQ(sender.Attempts(), 2);
    sender.Cycle();
    EXPECT_EQ(sender.Attempts(), 0);
    ASSERT_EQ(http.Requests.size(), 3);
    for (const TFakeRequest &r : http.Requests)
        EXPECT_EQ(r.Url, url(1));
    EXPECT_EQ(queuedMessages(), QStringList{Prefix + query(2)});
    EXPECT_TRUE(host.Enabled);
    EXPECT_EQ(sender.Counters().TransportErrors, 2);
}

TEST_F(SenderStep, RetryLimitAllowsNumberOfRetriesPlusOneAttempts)
{
    for (const int retries : {0, 2}) {
        SCOPED_TRACE(retries);
        set("NUMBER_OF_RETRIES", QString::number(retries));
        host.Enabled = true;
        http.Requests.clear();
        for (int i = 0; i < 10; ++i)
            http.Replies << TFakeHttp::NoReply();
        queue(1);
        cycles(retries + 1);
        EXPECT_EQ(http.Requests.size(), retries + 1);
        EXPECT_TRUE(host.Enabled);
        // The following cycle reports the failure without another request.
        sender.Cycle();
        EXPECT_EQ(http.Requests.size(), retries + 1);
        EXPECT_FALSE(host.Enabled);
        http.Replies.clear();
    }
}

TEST_F(SenderStep, BatchRetriesEndInAFailureToo)
{
    set("NUMBER_OF_RETRIES", QStringLiteral("1"));
    queue(8);
    http.Replies << TFakeHttp::NoReply() << TFakeHttp::Reply("denied");
    cycles(2);
    EXPECT_EQ(http.Requests.size(), 2);
    EXPECT_TRUE(host.Enabled);
    sender.Cycle();
    EXPECT_EQ(http.Requests.size(), 2);
    EXPECT_FALSE(host.Enabled);
    EXPECT_EQ(game.OutgoingQueue.Count(), 8);
    EXPECT_EQ(store.Saves.size(), 1);
}

TEST_F(SenderStep, RestartIsTakenOnlyWhileOnlineAndStoppedAndTriesAtOnce)
{
    set("NUMBER_OF_RETRIES", QStringLiteral("0"));
    queue(2);
    // Still sending: the click is not taken.
    EXPECT_FALSE(sender.RestartSending());

    http.Replies << TFakeHttp::NoReply();
    cycles(2);
    ASSERT_FALSE(host.Enabled);
    game.Online = false;
    EXPECT_FALSE(sender.RestartSending());
    EXPECT_FALSE(host.Enabled);

    game.Online = true;
    EXPECT_TRUE(sender.RestartSending());
    EXPECT_TRUE(host.Enabled);
    EXPECT_EQ(screen.item(QStringLiteral("lblPackets")).Color, 0xff000000u);
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("All/To send : 2 / 2"));

    // The attempt counter is back at 0: the next cycle makes a real request.
    sender.Cycle();
    EXPECT_EQ(http.Requests.size(), 2);
    EXPECT_EQ(queuedMessages(), QStringList{Prefix + query(2)});
}

TEST_F(SenderStep, NothingIsSentWithoutAnOnlineGameSomethingQueuedAndSendingEnabled)
{
    sender.Cycle(); // empty queue
    queue(7);
    game.Online = false;
    sender.Cycle();
    game.Online = true;
    host.Enabled = false;
    sender.Cycle();
    host.Enabled = true;
    host.Game = nullptr;
    sender.Cycle();
    EXPECT_TRUE(http.Requests.isEmpty());
    // Not even the presence test ran.
    EXPECT_TRUE(host.StatusBar.isEmpty());
    EXPECT_TRUE(store.Saves.isEmpty());
    EXPECT_EQ(game.OutgoingQueue.Count(), 7);
}

TEST_F(SenderStep, NoConnectionIsASendFailureWithoutARequest)
{
    queue(1);
    probe.Connected = false;
    sender.Cycle();
    EXPECT_TRUE(http.Requests.isEmpty());
    EXPECT_EQ(host.StatusBar, QStringLiteral("Not connected!"));
    EXPECT_FALSE(host.Enabled);
    EXPECT_FALSE(sender.Connected());

    probe.Connected = true;
    ASSERT_TRUE(sender.RestartSending());
    queue(6); // seven now: the batch step checks the connection the same way
    sender.Cycle();
    EXPECT_EQ(host.StatusBar, QStringLiteral("Connected!"));
    EXPECT_TRUE(sender.Connected());
    EXPECT_EQ(http.Requests.size(), 1);
}

TEST_F(SenderStep, EmptyMessagesAreDroppedUnsent)
{
    queueMessage(QString());
    queue(1);
    sender.Cycle();
    EXPECT_TRUE(http.Requests.isEmpty());
    EXPECT_EQ(queuedMessages(), QStringList{Prefix + query(1)});
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 1);
    EXPECT_EQ(http.Requests[0].Url, url(1));

    // In a batch they are left out of the text and dropped with the rest.
    queue(2);
    queueMessage(QString());
    queue(2);
    queueMessage(QString());
    queue(1);
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 2);
    EXPECT_EQ(http.Requests[1].Field("gamedata"), batchOf(2, 3) + batchOf(4, 5));
    EXPECT_EQ(queuedMessages(), (QStringList{QString(), Prefix + query(6)}));
    EXPECT_EQ(sender.Counters().EmptyDropped, 1);
}

TEST_F(SenderStep, MessagesRecordedDuringABatchStayQueued)
{
    queue(6);
    http.DuringRequest = [this](const TFakeRequest &) {
        if (http.Requests.size() == 1)
            queue(2);
    };
    sender.Cycle();
    EXPECT_EQ(queuedMessages(), (QStringList{Prefix + query(6), Prefix + query(7), Prefix + query(8)}));
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("All/To send : 8 / 3"));
}

TEST_F(SenderStep, BatchCutsEachMessageByTheCurrentLengthOfServerName)
{
    queue(6);
    // Messages built under another prefix lose as many characters as the
    // prefix now has.
    set("SERVER_NAME", Prefix + QStringLiteral("xy"));
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 1);
    QByteArray expected;
    for (int n = 1; n <= 5; ++n)
        expected += query(n).toLatin1().mid(2) + '#';
    EXPECT_EQ(http.Requests[0].Field("gamedata"), expected);
}

TEST_F(SenderStep, MessagesGoOnTheWireAsWindows1250BytesWithoutPercentEncoding)
{
    const QString name = QStringLiteral("&j=Kovács_Ödön_100%&mz=4");
    queueMessage(Prefix + QStringLiteral("kod=0002&szkod=ABC1DEF2") + name);
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 1);
    const QByteArray wire = Prefix.toLatin1() + "kod=0002&szkod=ABC1DEF2&j=Kov\xe1"
                                                "cs_\xd6"
                                                "d\xf6"
                                                "n_100%&mz=4";
    EXPECT_EQ(http.Requests[0].Url, wire);

    for (int i = 0; i < 6; ++i)
        queueMessage(Prefix + QStringLiteral("kod=0002&szkod=ABC1DEF2") + name);
    sender.Cycle();
    ASSERT_EQ(http.Requests.size(), 2);
    EXPECT_EQ(http.Requests[1].Field("gamedata"), QByteArray(wire.mid(Prefix.size()) + '#').repeated(5));
}

TEST_F(SenderStep, PacketLabelUsesTheTranslatedWords)
{
    translator.Words = {{QStringLiteral("All"), QStringLiteral("Összes")},
                        {QStringLiteral("To send"), QStringLiteral("Küldendő")}};
    queue(3);
    sender.Cycle();
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("Összes/Küldendő : 3 / 2"));
    // With the court screen closed there is no label to write.
    host.Screen = nullptr;
    sender.Cycle();
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblPackets")), QStringLiteral("Összes/Küldendő : 3 / 2"));
    EXPECT_EQ(game.OutgoingQueue.Count(), 1);
}

TEST_F(SenderStep, PauseIsSleeptimeBwSendAndNeverNegative)
{
    set("SLEEPTIME_BW_SEND", QStringLiteral("350"));
    EXPECT_EQ(sender.PauseMs(), 350);
    set("SLEEPTIME_BW_SEND", QStringLiteral("-20"));
    EXPECT_EQ(sender.PauseMs(), 0);
}

} // namespace
