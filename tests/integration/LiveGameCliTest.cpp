// A whole game played with parquetix-cli, sent live to parquetix-server and
// uploaded at the end: every message arrives complete and in order, byte for
// byte, and the corrections replace the messages they correct.
#include "LiveServerFixture.h"

#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"

#include "common/Win1250.h"
#include "transmission/THttpClient.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Now = QStringLiteral("20261209183005");

// The fault tests' game with a substitution, period ends and the end of the
// game; each block of events holds two type choices.
QString script()
{
    QStringList lines = LiveServerFixture::Roster();
    lines.first() += QStringLiteral(" SLEEPTIME_BW_SEND=1");
    lines[1].replace(QStringLiteral("LIVE1GAM2"), QStringLiteral("CLI1LIVE2"));
    for (int block = 1; block <= 9; ++block) {
        lines += LiveServerFixture::Events(block);
        if (block == 3)
            lines << QStringLiteral("sub home 10 15") << QStringLiteral("sub home 15 10");
        if (block == 5)
            lines << QStringLiteral("periodend");
    }
    lines << QStringLiteral("periodend") << QStringLiteral("close");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

struct TQueued
{
    QByteArray Query; // on the wire, without the server prefix
    int Code = 0;
    qint64 Id = -1;
};

// The outgoing queue as "play --messages" prints it.
QList<TQueued> outgoing(const QByteArray &out, const QString &prefix)
{
    QList<TQueued> queue;
    const QString text = QString::fromUtf8(out);
    const QString tail = text.mid(text.indexOf(QStringLiteral("Outgoing messages:\n")) + 19);
    static const QRegularExpression id(QStringLiteral("&id=(\\d+)"));
    for (const QString &line : tail.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString message = line.section(QLatin1Char('\t'), 1);
        if (message.isEmpty())
            continue;
        TQueued q;
        q.Query = Win1250::Encode(message.mid(prefix.size()));
        q.Code = q.Query.mid(4, 4).toInt();
        const QRegularExpressionMatch m = id.match(message);
        if (m.hasMatch())
            q.Id = m.captured(1).toLongLong();
        queue << q;
    }
    return queue;
}

bool sameEntry(const QByteArray &sent, const QByteArray &expected)
{
    if (sent == expected)
        return true;
    // A type chosen after the message went out arrives in a later message.
    QString untyped = QString::fromLatin1(expected);
    untyped.replace(QRegularExpression(QStringLiteral("&tipus=\\d+")), QStringLiteral("&tipus=0"));
    return sent == untyped.toLatin1();
}

TEST(LiveGameCli, WholeGameArrivesCompleteInOrderAndByteForByte)
{
    TestHome home;
    for (const char *name : {"parquetix.ini", "ParquetixData.xml"})
        ASSERT_TRUE(QFile::copy(binaryFolder() + QLatin1Char('/') + QLatin1String(name),
                                home.file(QLatin1String(name))));
    home.write(QStringLiteral("game.txt"), script().toUtf8());
    QTemporaryDir serverData;
    ServerProcess server(serverData.path());
    ASSERT_GT(server.Port(), 0);
    const QString prefix = QString::fromLatin1(server.Base()) + QStringLiteral("/income/index.phtml?");
    const QString folder = home.file(QStringLiteral("Save/CLI1LIVE2"));

    const CliResult played = runProgram(QStringLiteral("parquetix-cli"),
                                        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")),
                                         QStringLiteral("--send"), QString::fromLatin1(server.Base()),
                                         QStringLiteral("--now"), Now, QStringLiteral("--save"), folder},
                                        home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    EXPECT_TRUE(played.Out.contains("Sending enabled: All/To send : ")) << played.Out.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("All/To send : \\d+ / 0\n"))
                    .match(QString::fromUtf8(played.Out))
                    .hasMatch());

    // The same game offline, with the same server address, gives the queue
    // the live game has sent.
    const CliResult reference = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--now"), Now,
         QStringLiteral("--set"), QStringLiteral("SERVER_NAME=") + prefix, QStringLiteral("--messages")},
        home.path());
    ASSERT_EQ(reference.ExitCode, 0) << reference.Err.toStdString();
    const QList<TQueued> queue = outgoing(reference.Out, prefix);
    ASSERT_GT(queue.size(), 150);

    const THttpClient client(2000, 10000);
    const THttpReply reply = client.get(server.Base() + "/api/games/CLI1LIVE2/messages", {});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    const QJsonArray messages =
        QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("messages")).toArray();
    // The server keeps one copy of a type choice that repeats its event's
    // message byte for byte; every other entry arrived, in order.
    QByteArrayList queued;
    for (const TQueued &q : queue)
        queued << q.Query;
    QByteArrayList stored;
    for (const QJsonValue &m : messages)
        stored << QByteArray::fromPercentEncoding(
            m.toObject().value(QStringLiteral("rawQuery")).toString().toLatin1());
    qsizetype mismatch = 0;
    QList<qsizetype> entryOf;
    qsizetype covered = MatchStored(stored, queued, &mismatch, &entryOf);
    ASSERT_GE(covered, 0) << mismatch << ": " << stored[mismatch].toStdString();
    while (covered < queued.size() && IsRepeatEntry(queued, covered))
        ++covered;
    ASSERT_EQ(covered, queued.size());
    // Accented names went out as single Windows-1250 bytes.
    EXPECT_TRUE(messages[0]
                    .toObject()
                    .value(QStringLiteral("rawQuery"))
                    .toString()
                    .contains(QStringLiteral("Gy%F5ri_Tigrisek")));

    // A repeated id replaces the earlier message, except the game-closed
    // message, which repeats the last id without correcting anything.
    int replaced = 0;
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const TQueued &entry = queue[entryOf[i]];
        qint64 replacer = 0;
        if (entry.Id >= 0 && entry.Code != 1102)
            for (qsizetype j = i + 1; j < messages.size() && !replacer; ++j)
                if (queue[entryOf[j]].Id == entry.Id && queue[entryOf[j]].Code != 1102)
                    replacer = messages[j].toObject().value(QStringLiteral("seq")).toInteger();
        const QJsonValue by = messages[i].toObject().value(QStringLiteral("replacedBy"));
        if (replacer) {
            ++replaced;
            EXPECT_EQ(by.toInteger(), replacer) << "message " << i;
        } else {
            EXPECT_TRUE(by.isNull()) << "message " << i;
        }
    }
    // Each block has two type choices; those that went out typed already were repeats.
    EXPECT_LE(replaced, 18);
    EXPECT_EQ(queue.last().Code, 1102);
    EXPECT_TRUE(messages.last().toObject().value(QStringLiteral("live")).toBool());

    // The upload: the text report as the "box" field and the zipped folder.
    const CliResult textbox =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("textbox"), folder, QStringLiteral("--field")}, home.path());
    ASSERT_EQ(textbox.ExitCode, 0) << textbox.Err.toStdString();
    const CliResult uploaded = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("upload"), folder, QStringLiteral("--server"), QString::fromLatin1(server.Base())},
        home.path());
    ASSERT_EQ(uploaded.ExitCode, 0) << uploaded.Err.toStdString();
    EXPECT_EQ(uploaded.Out, QByteArray("Data successfully sent to server.\n"));
    QFile box(QDir(serverData.path()).filePath(QStringLiteral("uploads/CLI1LIVE2/box.txt")));
    ASSERT_TRUE(box.open(QIODevice::ReadOnly));
    EXPECT_EQ(box.readAll(), Win1250::Encode(QString::fromUtf8(textbox.Out).trimmed()));
    QFile zip(QDir(serverData.path()).filePath(QStringLiteral("uploads/CLI1LIVE2/game.zip")));
    ASSERT_TRUE(zip.open(QIODevice::ReadOnly));
    EXPECT_TRUE(zip.read(4) == QByteArray("PK\x03\x04", 4));
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("Save/CLI1LIVE2.zip"))));
}

TEST(LiveGameCli, SendingThatFailsLeavesTheUnsentMessagesInTheSavedGame)
{
    TestHome home;
    for (const char *name : {"parquetix.ini", "ParquetixData.xml"})
        ASSERT_TRUE(QFile::copy(binaryFolder() + QLatin1Char('/') + QLatin1String(name),
                                home.file(QLatin1String(name))));
    home.write(QStringLiteral("game.txt"), script().toUtf8());
    // A port nobody listens on: every request is refused.
    int port = 0;
    {
        QTemporaryDir data;
        ServerProcess closed(data.path());
        port = closed.Port();
    }
    ASSERT_GT(port, 0);
    const QString folder = home.file(QStringLiteral("Save/failed"));
    const CliResult played =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--send"),
                    QStringLiteral("http://127.0.0.1:%1").arg(port), QStringLiteral("--set"),
                    QStringLiteral("NUMBER_OF_RETRIES=1"), QStringLiteral("--now"), Now,
                    QStringLiteral("--save"), folder},
                   home.path());
    EXPECT_EQ(played.ExitCode, 1);
    EXPECT_TRUE(played.Out.contains("Sending stopped: All/To send : ")) << played.Out.toStdString();
    EXPECT_TRUE(played.Err.contains("operator: Network error")) << played.Err.toStdString();
    // Everything queued is still in "events_notsend_", in order.
    const QByteArray unsent = home.read(QStringLiteral("Save/failed/events_notsend_CLI1LIVE2.dat"));
    const QByteArray all = home.read(QStringLiteral("Save/failed/events_CLI1LIVE2.dat"));
    EXPECT_GT(unsent.size(), all.size());
    EXPECT_EQ(unsent.size() % 604, 0);
}

// Every character of a game code, a name, a venue or a referee arrives as
// typed: in single messages, in batches and in the upload.
TEST(LiveGameCli, CodesAndNamesWithSpecialCharactersArriveAsTyped)
{
    const QString code = QString::fromUtf8("Kód#1&2=3%4+5?6.é");
    const QString homeName = QString::fromUtf8("Győr #1 & Co = 100% + ?");
    const QString awayName = QString::fromUtf8("Pécs+Sasok%20 _ok");
    const QString stadium = QString::fromUtf8("Csarnok #2 & Co");
    const QString referee = QString::fromUtf8("Bíró = 50% + ?");
    const QStringList players = {QString::fromUtf8("Kovács & János"), QString::fromUtf8("Nagy = Ödön"),
                                 QString::fromUtf8("Farkas #10"),     QString::fromUtf8("Balogh 100%"),
                                 QString::fromUtf8("Molnár + Dávid"), QString::fromUtf8("Varga? Levente"),
                                 QString::fromUtf8("Papp_Dániel"),    QString::fromUtf8("Lakatos %41")};
    QStringList lines = LiveServerFixture::Roster();
    lines[0] += QStringLiteral(" SLEEPTIME_BW_SEND=1");
    lines[1] = QStringLiteral("game code=\"%1\" date=2026-12-09 time=18:30 stadium=\"%2\" referee1=\"%3\"")
                   .arg(code, stadium, referee);
    lines[2] = QStringLiteral("team home id=1 webid=\"T#1\" name=\"%1\" league=1").arg(homeName);
    lines[3] = QStringLiteral("team away id=2 webid=T&2 name=\"%1\" league=1").arg(awayName);
    for (int i = 0; i < players.size(); ++i)
        lines[4 + i].replace(QRegularExpression(QStringLiteral("name=\"[^\"]*\"")),
                             QStringLiteral("name=\"%1\"").arg(players[i]));
    lines[4].replace(QStringLiteral("webid=H11"), QStringLiteral("webid=H=11"));
    for (int block = 1; block <= 4; ++block)
        lines += LiveServerFixture::Events(block);
    lines << QStringLiteral("addplayer away id=25 webid=W+25 jersey=33 name=\"%1\"")
                 .arg(QString::fromUtf8("Új & Elek #5"))
          << QStringLiteral("periodend") << QStringLiteral("close");
    TestHome home;
    for (const char *name : {"parquetix.ini", "ParquetixData.xml"})
        ASSERT_TRUE(QFile::copy(binaryFolder() + QLatin1Char('/') + QLatin1String(name),
                                home.file(QLatin1String(name))));
    home.write(QStringLiteral("game.txt"), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    QTemporaryDir serverData;
    ServerProcess server(serverData.path());
    ASSERT_GT(server.Port(), 0);
    const QString prefix = QString::fromLatin1(server.Base()) + QStringLiteral("/income/index.phtml?");
    const QString folder = home.file(QStringLiteral("Save/special"));

    const CliResult played = runProgram(QStringLiteral("parquetix-cli"),
                                        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")),
                                         QStringLiteral("--send"), QString::fromLatin1(server.Base()),
                                         QStringLiteral("--now"), Now, QStringLiteral("--save"), folder},
                                        home.path());
    ASSERT_EQ(played.ExitCode, 0) << played.Err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("All/To send : \\d+ / 0\n"))
                    .match(QString::fromUtf8(played.Out))
                    .hasMatch())
        << played.Out.toStdString();
    const CliResult reference = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("play"), home.file(QStringLiteral("game.txt")), QStringLiteral("--now"), Now,
         QStringLiteral("--set"), QStringLiteral("SERVER_NAME=") + prefix, QStringLiteral("--messages")},
        home.path());
    ASSERT_EQ(reference.ExitCode, 0) << reference.Err.toStdString();
    const QList<TQueued> queue = outgoing(reference.Out, prefix);
    ASSERT_GT(queue.size(), 60);

    // The game is found under its code, typed as UTF-8 in the address.
    const THttpClient client(2000, 10000);
    const THttpReply reply =
        client.get(server.Base() + "/api/games/" + code.toUtf8().toPercentEncoding() + "/messages", {});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    const QJsonObject game = QJsonDocument::fromJson(reply.body).object();
    EXPECT_EQ(game.value(QStringLiteral("game")).toString(), code);
    const QJsonArray messages = game.value(QStringLiteral("messages")).toArray();
    ASSERT_EQ(messages.size(), queue.size());
    QSet<QString> via;
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QJsonObject m = messages[i].toObject();
        const QByteArray raw =
            QByteArray::fromPercentEncoding(m.value(QStringLiteral("rawQuery")).toString().toLatin1());
        EXPECT_TRUE(sameEntry(raw, queue[i].Query)) << i << ": " << raw.toStdString();
        via.insert(m.value(QStringLiteral("via")).toString());
    }
    EXPECT_EQ(via, (QSet<QString>{QStringLiteral("single"), QStringLiteral("batch")}));

    const QJsonObject summary = game.value(QStringLiteral("summary")).toObject();
    EXPECT_EQ(summary[QStringLiteral("home")].toObject()[QStringLiteral("name")].toString(), homeName);
    EXPECT_EQ(summary[QStringLiteral("away")].toObject()[QStringLiteral("name")].toString(), awayName);
    EXPECT_EQ(summary[QStringLiteral("scoreSource")].toString(), QStringLiteral("made shots"));
    QStringList shown;
    for (const QJsonValue &p : summary[QStringLiteral("roster")].toArray())
        shown << p.toObject()[QStringLiteral("name")].toString();
    QStringList expected = players;
    expected << QString::fromUtf8("Új & Elek #5");
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown, expected);

    // The upload, under a folder the server names itself.
    const CliResult textbox =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("textbox"), folder, QStringLiteral("--field")}, home.path());
    ASSERT_EQ(textbox.ExitCode, 0) << textbox.Err.toStdString();
    const CliResult uploaded = runProgram(
        QStringLiteral("parquetix-cli"),
        {QStringLiteral("upload"), folder, QStringLiteral("--server"), QString::fromLatin1(server.Base())},
        home.path());
    ASSERT_EQ(uploaded.ExitCode, 0) << uploaded.Err.toStdString();
    EXPECT_EQ(uploaded.Out, QByteArray("Data successfully sent to server.\n")) << uploaded.Err.toStdString();
    const QJsonObject afterUpload =
        QJsonDocument::fromJson(
            client.get(server.Base() + "/api/games/" + code.toUtf8().toPercentEncoding() + "/messages", {})
                .body)
            .object();
    EXPECT_EQ(afterUpload.value(QStringLiteral("uploads")).toInt(), 1);
    const QStringList uploads = QDir(QDir(serverData.path()).filePath(QStringLiteral("uploads")))
                                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(uploads.size(), 1);
    QFile box(QDir(serverData.path()).filePath(QStringLiteral("uploads/%1/box.txt").arg(uploads.first())));
    ASSERT_TRUE(box.open(QIODevice::ReadOnly));
    const QByteArray boxText = box.readAll();
    EXPECT_EQ(boxText, Win1250::Encode(QString::fromUtf8(textbox.Out).trimmed()));
    for (const QString &typed : {homeName, awayName, stadium, referee, players.first()})
        EXPECT_TRUE(boxText.contains(Win1250::Encode(typed))) << typed.toStdString();
}

} // namespace
