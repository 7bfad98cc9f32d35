// Single live messages: what arrives is stored byte for byte, and only
// well-formed messages are answered "ok".
#include "ServerFixture.h"

#include "common/Win1250.h"

#include <QJsonArray>

namespace {

using LiveMessageTest = ServerFixture;

TEST_F(LiveMessageTest, EightBitBytesAreStoredExactlyAsSent)
{
    // Team names in Windows-1250: e9 is e-acute, e1 a-acute, f5 o-double-acute.
    const QByteArray query = "kod=0001&szkod=G1&time=20240105193000&h=Kecskem\xe9ti_KSE&v=Szolnoki_Olajb\xe1"
                             "ny\xe1sz_\xf5r";
    const THttpReply reply = sendLive(query);
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.body, "ok");

    const QList<TStoredMessage> messages = stored("G1");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].query, query);
    EXPECT_EQ(messages[0].code, 1);
    EXPECT_EQ(messages[0].via, "single");
    EXPECT_FALSE(messages[0].eventId.has_value());

    const QJsonObject json = gameJson("G1");
    const QJsonObject first = json["messages"].toArray().at(0).toObject();
    EXPECT_EQ(QByteArray::fromPercentEncoding(first["rawQuery"].toString().toLatin1()), query);
    EXPECT_EQ(first["query"].toString(), Win1250::Decode(query));
    EXPECT_EQ(json["summary"].toObject()["home"].toObject()["name"].toString(),
              QString::fromUtf8("Kecskeméti KSE"));
    EXPECT_EQ(json["summary"].toObject()["away"].toObject()["name"].toString(),
              QString::fromUtf8("Szolnoki Olajbányász őr"));
}

TEST_F(LiveMessageTest, TheQueryIsStoredAsSentAndItsValuesReadDecoded)
{
    // The query is stored as it came, a "#" is not a fragment and an
    // operator's blank in the set-time text does not break the request;
    // values are read with their %XX decoded, "+" is no blank.
    const QByteArray withPercent = "kod=0002&szkod=G1&p=P%41&k=0&h=1&jat=0&j=A+B%20C#7&mz=7";
    const QByteArray withBlank = "kod=6001&id=12&szkod=G1&time=10 30&time=20240105193000";
    ASSERT_EQ(sendLive(withPercent).body, "ok");
    ASSERT_EQ(sendLive(withBlank).body, "ok");

    const QList<TStoredMessage> messages = stored("G1");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].query, withPercent);
    EXPECT_EQ(messages[1].query, withBlank);
    EXPECT_EQ(messages[1].eventId, 12);

    const QJsonArray percent = gameJson("G1")["messages"].toArray().at(0).toObject()["fields"].toArray();
    EXPECT_EQ(percent.at(2).toArray().at(1).toString(), QStringLiteral("PA"));
    EXPECT_EQ(percent.at(6).toArray().at(1).toString(), QStringLiteral("A+B C#7"));

    // Both "time" pairs of the set-time message stay, in order.
    const QJsonArray fields = gameJson("G1")["messages"].toArray().at(1).toObject()["fields"].toArray();
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields.at(3).toArray().at(1).toString(), QStringLiteral("10 30"));
    EXPECT_EQ(fields.at(4).toArray().at(1).toString(), QStringLiteral("20240105193000"));
}

TEST_F(LiveMessageTest, MessagesOfOneGameKeepArrivalOrderApartFromOtherGames)
{
    ASSERT_EQ(sendLive("kod=1100&id=3&szkod=A&ido=1&time=20240105193000").body, "ok");
    ASSERT_EQ(sendLive("kod=1100&id=3&szkod=B&ido=1&time=20240105193000").body, "ok");
    ASSERT_EQ(sendLive("kod=1101&id=4&szkod=A&jr=1&time=20240105193100").body, "ok");

    const QList<TStoredMessage> a = stored("A");
    ASSERT_EQ(a.size(), 2);
    EXPECT_EQ(a[0].code, 1100);
    EXPECT_EQ(a[1].code, 1101);
    EXPECT_LT(a[0].seq, a[1].seq);
    // The same id in another game replaces nothing.
    EXPECT_TRUE(a[0].isLive());
    EXPECT_EQ(stored("B").size(), 1);
}

TEST_F(LiveMessageTest, MalformedMessagesAreRefusedWithoutOkAndNotStored)
{
    const QByteArray refused[] = {
        "",                                     // nothing after "?"
        "szkod=G1&kod=1000",                    // code not first
        "kod=100&szkod=G1",                     // three digits
        "kod=10000&szkod=G1",                   // five digits
        "kod=1000&id=57",                       // no game code
        "kod=1000&id=5x&szkod=G1",              // id not a number
        "kod=5000&id=9&szkod=G1&iddel=&time=1", // empty iddel
        "kod=1000&id=99999999999&szkod=G1",     // beyond 32 bits
    };
    for (const QByteArray &query : refused) {
        const THttpReply reply = sendLive(query);
        ASSERT_TRUE(reply.received) << reply.error.toStdString();
        EXPECT_TRUE(reply.body.startsWith("error: ")) << query.constData();
        EXPECT_FALSE(reply.body.toLower().contains("ok")) << reply.body.constData();
    }
    EXPECT_TRUE(m_server->store().games().isEmpty());
}

TEST_F(LiveMessageTest, UnknownGameAnswersNotFound)
{
    int status = 0;
    const QJsonObject json = gameJson("NOSUCH", &status);
    EXPECT_EQ(status, 404);
    EXPECT_TRUE(json["messages"].toArray().isEmpty());
}

TEST_F(LiveMessageTest, GameCodeWithAccentIsFoundFromUtf8OrWindows1250Path)
{
    // "JÁTÉK1" in Windows-1250 (c1 = A-acute, c9 = E-acute).
    const QByteArray code = "J\xc1T\xc9K1";
    ASSERT_EQ(sendLive("kod=7000&szkod=" + code + "&time=20240105193000").body, "ok");
    int status = 0;
    gameJson(code.toPercentEncoding(), &status);
    EXPECT_EQ(status, 200);
    gameJson(QString::fromUtf8("JÁTÉK1").toUtf8().toPercentEncoding(), &status);
    EXPECT_EQ(status, 200);
}

} // namespace
