// The game upload: box text and archive stored under the data folder and
// nowhere else.
#include "ServerFixture.h"

#include "common/TBase64.h"
#include "server/TUploadStore.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>

namespace {

using UploadTest = ServerFixture;

QByteArray zipBytes(int size)
{
    QByteArray zip("PK\x03\x04", 4);
    for (int i = 0; zip.size() < size; ++i)
        zip += char(i * 37 % 256);
    return zip;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below root, relative to it.
QStringList filesBelow(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

TEST_F(UploadTest, BoxTextAndDecodedArchiveAreStoredUnderTheGameCode)
{
    const QByteArray zip = zipBytes(1000);
    const QByteArray box = "Home 40 - Away 38  Kov\xe1"
                           "cs 12 pts 100% FT";
    const THttpReply reply =
        postForm("/income/game.phtml", {{"name", "ABC1DEF2"}, {"box", box}, {"zip", TBase64::encode(zip)}});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.body, "ok");

    EXPECT_EQ(readFile(dataDir() + "/uploads/ABC1DEF2/box.txt"), box);
    EXPECT_EQ(readFile(dataDir() + "/uploads/ABC1DEF2/game.zip"), zip);
    EXPECT_EQ(m_server->store().uploadCount("ABC1DEF2"), 1);

    // A second upload of the same game replaces both files.
    const QByteArray zip2 = zipBytes(58);
    ASSERT_EQ(postForm("/income/game.phtml",
                       {{"name", "ABC1DEF2"}, {"box", "final"}, {"zip", TBase64::encode(zip2)}})
                  .body,
              "ok");
    EXPECT_EQ(readFile(dataDir() + "/uploads/ABC1DEF2/box.txt"), "final");
    EXPECT_EQ(readFile(dataDir() + "/uploads/ABC1DEF2/game.zip"), zip2);
    EXPECT_EQ(m_server->store().uploadCount("ABC1DEF2"), 2);
}

// Any game code the schedule can hold is accepted; the server names the
// folder itself, one folder per code, each directly under "uploads".
TEST_F(UploadTest, EveryGameCodeGetsItsOwnFolderInsideTheDataFolder)
{
    const QByteArray codes[] = {"../evil",
                                "..",
                                ".",
                                "a/b",
                                "/tmp/x",
                                ".hidden",
                                "a\\b",
                                "x y",
                                "%2e%2e",
                                "\xc1rv",
                                "A#1&2",
                                "A%231%262",
                                QByteArray("G1\0../x", 7),
                                QByteArray(64, 'A')};
    QSet<QString> folders;
    for (const QByteArray &code : codes) {
        const THttpReply reply = postForm(
            "/income/game.phtml", {{"name", code}, {"box", code}, {"zip", TBase64::encode(zipBytes(80))}});
        ASSERT_TRUE(reply.received) << reply.error.toStdString();
        EXPECT_EQ(reply.body, "ok") << code.constData();
        EXPECT_EQ(m_server->store().uploadCount(code), 1) << code.constData();
        const QString folder = TUploadStore::folderName(code);
        folders.insert(folder);
        EXPECT_EQ(readFile(dataDir() + "/uploads/" + folder + "/box.txt"), code) << code.constData();
    }
    EXPECT_EQ(folders.size(), qsizetype(std::size(codes)));
    for (const QString &file : filesBelow(rootDir())) {
        const QStringList parts = file.split(QLatin1Char('/'));
        if (parts.first() != QLatin1String("data") || parts.size() < 3 ||
            parts[1] != QLatin1String("uploads"))
            continue;
        EXPECT_EQ(parts.size(), 4) << file.toStdString();
        EXPECT_TRUE(folders.contains(parts[2])) << file.toStdString();
    }
    EXPECT_FALSE(QFile::exists(rootDir() + "/evil"));
    EXPECT_EQ(TUploadStore::folderName("ABC-1_2.x"), QStringLiteral("ABC-1_2.x"));
}

TEST_F(UploadTest, AnEmptyOrOverlongGameCodeIsRefused)
{
    const QStringList before = filesBelow(rootDir());
    for (const QByteArray &code : {QByteArray(), QByteArray(65, 'A')}) {
        const THttpReply reply = postForm(
            "/income/game.phtml", {{"name", code}, {"box", "box"}, {"zip", TBase64::encode(zipBytes(80))}});
        ASSERT_TRUE(reply.received) << reply.error.toStdString();
        EXPECT_TRUE(reply.body.startsWith("error: ")) << code.size();
    }
    EXPECT_EQ(filesBelow(rootDir()), before);
}

TEST_F(UploadTest, ArchiveMustBeBase64InTheClientsLineLayout)
{
    const QByteArray zip = zipBytes(200);
    const QByteArray good = TBase64::encode(zip);
    QByteArray oneLine = good;
    oneLine.replace("\r\n", "");
    QByteArray lfOnly = good;
    lfOnly.replace("\r\n", "\n");
    const QByteArray bad[] = {
        oneLine,                      // 268 characters on one line
        lfOnly,                       // LF instead of CR LF
        good + "\r\n",                // a line break after the last line
        good.left(good.size() - 1),   // cut short
        "",                           // no archive
        TBase64::encode("not a zip"), // decodes, but is no ZIP
    };
    for (const QByteArray &zipText : bad) {
        const THttpReply reply =
            postForm("/income/game.phtml", {{"name", "G1"}, {"box", "box"}, {"zip", zipText}});
        EXPECT_TRUE(reply.body.startsWith("error: ")) << zipText.left(40).constData();
    }
    EXPECT_TRUE(postForm("/income/game.phtml", {{"name", "G1"}, {"box", "line\r\nbreak"}, {"zip", good}})
                    .body.startsWith("error: "));
    EXPECT_TRUE(postForm("/income/game.phtml", {{"name", "G1"}, {"zip", good}}).body.startsWith("error: "));
    EXPECT_FALSE(QFile::exists(dataDir() + "/uploads/G1/game.zip"));
}

TEST_F(UploadTest, UploadLargerThanTheLimitIsRefused)
{
    TServerOptions options = defaultOptions();
    options.maxUploadBytes = 4096;
    restart(options);
    const THttpReply reply = postForm(
        "/income/game.phtml", {{"name", "G1"}, {"box", "box"}, {"zip", TBase64::encode(zipBytes(6000))}});
    ASSERT_TRUE(reply.received) << reply.error.toStdString();
    EXPECT_EQ(reply.status, 413);
    EXPECT_FALSE(QFile::exists(dataDir() + "/uploads/G1/game.zip"));
}

TEST_F(UploadTest, UpdateTextAndVersionFileAreServedFromTheirFiles)
{
    const QString updateFile = rootDir() + "/update.txt";
    const QString setupFile = rootDir() + "/setup.xml";
    const QByteArray update = "*1|Liga \xc1<br>#T1|Team|T|N*#X####";
    const QByteArray setup = "<?xml version=\"1.0\"?><Setup><Version>1.2.3.4</Version></Setup>";
    {
        QFile f(updateFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(update);
        QFile g(setupFile);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(setup);
    }
    // Without files the update is refused with "error" and the version file is empty.
    EXPECT_TRUE(m_client.getLive(base() + "/income/update.phtml?code=C1").body.contains("error"));
    EXPECT_TRUE(m_client.getPage(base() + "/update/setup.xml").body.isEmpty());

    TServerOptions options = defaultOptions();
    options.updateFile = updateFile;
    options.setupXml = setupFile;
    restart(options);
    EXPECT_EQ(m_client.getLive(base() + "/income/update.phtml?code=C1").body, update);
    EXPECT_TRUE(m_client.getLive(base() + "/income/update.phtml?code=").body.contains("error"));
    EXPECT_EQ(m_client.getPage(base() + "/update/setup.xml").body, setup);

    // A version given on the command line wins over the file, escaped as XML text.
    for (const char *version : {"9.0.0.1", "3.8.0.0", "1<2&3"}) {
        SCOPED_TRACE(version);
        options.setupVersion = QString::fromLatin1(version);
        restart(options);
        const QByteArray body = m_client.getPage(base() + "/update/setup.xml").body;
        EXPECT_EQ(body, "<?xml version=\"1.0\"?><Setup><Version>" +
                            options.setupVersion.toHtmlEscaped().toUtf8() + "</Version></Setup>");
        EXPECT_EQ(body.contains(version), !QByteArray(version).contains('<'));
    }
}

} // namespace
