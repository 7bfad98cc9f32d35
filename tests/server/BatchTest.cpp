// The event batch: a multipart POST of "gamecode" and "gamedata", the
// messages each followed by "#", stored in order or not at all.
#include "ServerFixture.h"

namespace {

using BatchTest = ServerFixture;

const QByteArray First = "kod=1000&id=57&szkod=ABC1DEF2&tipus=2&jatekos=1234&x=110&y=122&time=20240105193000"
                         "&hpont=40&vpont=38";
const QByteArray Second = "kod=1100&id=58&szkod=ABC1DEF2&ido=7&time=20240105193015";
const QByteArray Third = "kod=0002&szkod=ABC1DEF2&p=77&k=0&h=0&jat=0&j=Nagy_Jr._L\xe1szl\xf3&mz=12";

TEST_F(BatchTest, MessagesAreStoredInBatchOrderAndAnsweredOk)
{
    const THttpReply reply =
        postForm("/income/index.phtml",
                 {{"gamecode", "ABC1DEF2"}, {"gamedata", First + "#" + Second + "#" + Third + "#"}});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.body, "ok");

    const QList<TStoredMessage> messages = stored("ABC1DEF2");
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0].query, First);
    EXPECT_EQ(messages[1].query, Second);
    EXPECT_EQ(messages[2].query, Third);
    EXPECT_EQ(messages[0].code, 1000);
    EXPECT_EQ(messages[0].eventId, 57);
    EXPECT_EQ(messages[2].code, 2);
    for (const TStoredMessage &m : messages)
        EXPECT_EQ(m.via, "batch");
}

TEST_F(BatchTest, RepeatedIdInsideOneBatchReplacesTheEarlierEntry)
{
    const QByteArray corrected =
        "kod=1001&id=57&szkod=ABC1DEF2&tipus=2&jatekos=1234&x=110&y=122&time=20240105193020";
    ASSERT_EQ(postForm("/income/index.phtml",
                       {{"gamecode", "ABC1DEF2"}, {"gamedata", First + "#" + corrected + "#"}})
                  .body,
              "ok");
    const QList<TStoredMessage> messages = stored("ABC1DEF2");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].replacedBy, messages[1].seq);
    EXPECT_TRUE(messages[1].isLive());
}

TEST_F(BatchTest, ABadMessageRefusesTheWholeBatch)
{
    const QList<QByteArray> badData = {
        First + "#index.phtml?" + Second + "#",                              // prefix cut at the wrong length
        First + "#" + QByteArray(Second).replace("ABC1DEF2", "OTHER") + "#", // another game's message
        "#",                                                                 // nothing in it
    };
    for (const QByteArray &data : badData) {
        const THttpReply reply =
            postForm("/income/index.phtml", {{"gamecode", "ABC1DEF2"}, {"gamedata", data}});
        ASSERT_TRUE(reply.received);
        EXPECT_TRUE(reply.body.startsWith("error: ")) << data.constData();
        EXPECT_FALSE(reply.body.contains("ok"));
    }
    EXPECT_TRUE(stored("ABC1DEF2").isEmpty());
}

TEST_F(BatchTest, ErrorTextNeverCarriesOkFromAnEchoedGameCode)
{
    // The batch step takes "ok" anywhere in the reply as success.
    const QByteArray foreign = "kod=1100&id=1&szkod=BOOK&ido=1&time=20240105193000";
    const THttpReply reply =
        postForm("/income/index.phtml", {{"gamecode", "NOTEBOOK"}, {"gamedata", foreign + "#"}});
    ASSERT_TRUE(reply.received);
    EXPECT_TRUE(reply.body.startsWith("error: "));
    EXPECT_FALSE(reply.body.toLower().contains("ok")) << reply.body.constData();
}

TEST_F(BatchTest, MissingFieldsAndPlainBodiesAreRefused)
{
    EXPECT_TRUE(postForm("/income/index.phtml", {{"gamedata", First + "#"}}).body.startsWith("error: "));
    EXPECT_TRUE(postForm("/income/index.phtml", {{"gamecode", "ABC1DEF2"}}).body.startsWith("error: "));
    const THttpReply plain =
        m_client.post(base() + "/income/index.phtml", THttpClient::formHeaders(),
                      "gamecode=ABC1DEF2&gamedata=" + First + "%23", "application/x-www-form-urlencoded");
    EXPECT_TRUE(plain.body.startsWith("error: "));
    EXPECT_TRUE(stored("ABC1DEF2").isEmpty());
}

TEST_F(BatchTest, BatchLargerThanTheLimitIsRefused)
{
    TServerOptions options = defaultOptions();
    options.maxBatchBytes = 2048;
    restart(options);
    QByteArray data;
    for (int id = 1; data.size() < 4096; ++id)
        data += "kod=1100&id=" + QByteArray::number(id) + "&szkod=ABC1DEF2&ido=1&time=20240105193000#";
    const THttpReply reply = postForm("/income/index.phtml", {{"gamecode", "ABC1DEF2"}, {"gamedata", data}});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.status, 413);
    EXPECT_TRUE(reply.body.startsWith("error: "));
    EXPECT_TRUE(stored("ABC1DEF2").isEmpty());

    // A batch under the limit still goes through afterwards.
    EXPECT_EQ(postForm("/income/index.phtml", {{"gamecode", "ABC1DEF2"}, {"gamedata", Second + "#"}}).body,
              "ok");
}

} // namespace
