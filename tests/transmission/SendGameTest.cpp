// The game upload: its multipart body, the replies, and the French
// edition's flush of the queue before it.
#include "SenderFixture.h"

#include "common/TBase64.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class SendGame : public SenderFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        archive = dir.filePath(QStringLiteral("ABC1DEF2.zip"));
        writeArchive(QByteArray(58, 'z'));
    }
    void writeArchive(const QByteArray &bytes)
    {
        QFile file(archive);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    QString archive;
};

TEST_F(SendGame, PostsNameBoxAndArchiveAndReportsSuccess)
{
    http.Replies << TFakeHttp::Reply("upload ok");
    const TSendGameResult result = sender.SendGame(
        archive, QStringLiteral("GENERAL:A - B 1-0|(1-0)\r\nSTADIUM:Hall 100%\r\nHOME TEAM\n"));
    EXPECT_TRUE(result.Sent());
    ASSERT_EQ(http.Requests.size(), 1);
    const TFakeRequest &post = http.Requests[0];
    EXPECT_EQ(post.Url, Base + "/income/game.phtml");
    ASSERT_EQ(post.Fields.size(), 3);
    EXPECT_EQ(post.Fields[0], (QPair<QByteArray, QByteArray>("name", "ABC1DEF2")));
    // Line ends removed, "%" carried as it is.
    EXPECT_EQ(post.Fields[1],
              (QPair<QByteArray, QByteArray>("box", "GENERAL:A - B 1-0|(1-0)STADIUM:Hall 100%HOME TEAM")));
    // The archive as Base64 in lines of 76 characters.
    EXPECT_EQ(post.Fields[2].first, QByteArray("zip"));
    EXPECT_EQ(post.Fields[2].second.indexOf("\r\n"), 76);
    QByteArray decoded;
    ASSERT_TRUE(TBase64::decode(post.Fields[2].second, &decoded));
    EXPECT_EQ(decoded, QByteArray(58, 'z'));
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Data successfully sent to server.")});
}

TEST_F(SendGame, RefusalsAndMissingConnectionAreReportedAsUnableToSend)
{
    translator.Words = {
        {QStringLiteral("Unable to send data to server!"), QStringLiteral("Sikertelen küldés!")}};
    http.Replies << TFakeHttp::Reply("error: bad archive");
    EXPECT_EQ(sender.SendGame(archive, QStringLiteral("x")).Outcome, TUploadOutcome::Refused);

    probe.Connected = false;
    EXPECT_EQ(sender.SendGame(archive, QStringLiteral("x")).Outcome, TUploadOutcome::NotConnected);
    EXPECT_EQ(http.Requests.size(), 1);
    EXPECT_EQ(prompter.Messages,
              (QStringList{QStringLiteral("Sikertelen küldés!"), QStringLiteral("Sikertelen küldés!")}));
    EXPECT_EQ(host.StatusBar, QStringLiteral("Not connected!"));
}

TEST_F(SendGame, TransportErrorAndMissingArchiveShowTheirOwnReason)
{
    http.Replies << TFakeHttp::NoReply();
    const TSendGameResult lost = sender.SendGame(archive, QString());
    EXPECT_EQ(lost.Outcome, TUploadOutcome::TransportError);
    EXPECT_EQ(lost.Error, QStringLiteral("could not connect"));

    const TSendGameResult missing = sender.SendGame(dir.filePath(QStringLiteral("none.zip")), QString());
    EXPECT_EQ(missing.Outcome, TUploadOutcome::NoArchive);
    EXPECT_TRUE(missing.Error.contains(QStringLiteral("none.zip")));
    EXPECT_EQ(http.Requests.size(), 1);
    EXPECT_EQ(prompter.Messages, (QStringList{lost.Error, missing.Error}));
}

TEST_F(SendGame, OtherEditionsUploadWithoutTouchingTheQueue)
{
    set("VERSION", QStringLiteral("HUN"));
    game.Online = false;
    host.Enabled = false;
    queue(3);
    ASSERT_TRUE(sender.SendGame(archive, QString()).Sent());
    EXPECT_EQ(http.Requests.size(), 1);
    EXPECT_EQ(game.OutgoingQueue.Count(), 3);
    EXPECT_FALSE(game.Online);
    EXPECT_FALSE(host.Enabled);
}

TEST_F(SendGame, FrenchEditionFlushesTheQueueInBatchesFirst)
{
    set("VERSION", QStringLiteral("FRA"));
    game.Online = false;
    host.Enabled = false;
    queue(13);
    ASSERT_TRUE(sender.SendGame(archive, QString()).Sent());
    // Batches whatever the queue length: 13 -> 10, then 3 in a batch of 5.
    ASSERT_EQ(http.Requests.size(), 3);
    EXPECT_EQ(http.Requests[0].Field("gamedata"), batchOf(1, 10));
    EXPECT_EQ(http.Requests[1].Field("gamedata"), batchOf(11, 13));
    EXPECT_EQ(http.Requests[2].Url, Base + "/income/game.phtml");
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
    EXPECT_TRUE(game.Online);
    EXPECT_TRUE(host.Enabled);
}

TEST_F(SendGame, FrenchFlushEndsWhenSendingStopsAndTheUploadIsGivenUp)
{
    set("VERSION", QStringLiteral("FRA"));
    set("NUMBER_OF_RETRIES", QStringLiteral("1"));
    queue(2);
    // Every batch refused; should the flush never end, the fake gives in
    // after a while so the test fails instead of hanging.
    http.DuringRequest = [this](const TFakeRequest &) {
        if (http.Requests.size() < 50)
            http.Replies.prepend(TFakeHttp::Reply("denied"));
        else
            ADD_FAILURE() << "the flush goes on after the send failure";
    };
    const TSendGameResult result = sender.SendGame(archive, QString());
    EXPECT_EQ(result.Outcome, TUploadOutcome::SendingStopped);
    EXPECT_EQ(http.Requests.size(), 2);
    for (const TFakeRequest &r : http.Requests)
        EXPECT_EQ(r.Url, Base + "/income/index.phtml");
    EXPECT_FALSE(host.Enabled);
    EXPECT_EQ(game.OutgoingQueue.Count(), 2);
    EXPECT_EQ(store.Saves.size(), 1);
    EXPECT_EQ(prompter.Messages, (QStringList{QStringLiteral("Network error"),
                                              QStringLiteral("Unable to send data to server!")}));
}

TEST_F(SendGame, AWriteKeyInServerNameTravelsWithEverySingleMessageBatchAndUpload)
{
    const QString keyed = Prefix + QStringLiteral("key=ws1-7Fq2&");
    set("SERVER_NAME", keyed);
    for (int n = 1; n <= 7; ++n)
        queueMessage(keyed + query(n));
    sender.Cycle(); // a batch of five
    sender.Cycle(); // then one by one
    http.Replies << TFakeHttp::Reply("ok");
    sender.SendGame(archive, QStringLiteral("GENERAL:"));
    ASSERT_EQ(http.Requests.size(), 3);
    EXPECT_EQ(http.Requests[0].Url, Base + "/income/index.phtml?key=ws1-7Fq2&");
    // The key is cut off the batch's messages with the rest of the prefix.
    EXPECT_EQ(http.Requests[0].Field("gamedata"), batchOf(1, 5));
    EXPECT_EQ(http.Requests[1].Url, keyed.toLatin1() + query(6).toLatin1());
    EXPECT_EQ(http.Requests[2].Url, Base + "/income/game.phtml?key=ws1-7Fq2&");
}

} // namespace
