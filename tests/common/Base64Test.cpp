// Base64 of the game archive: 57 bytes to a line of 76 characters, CR LF
// between lines and none after the last.
#include "common/TBase64.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray pattern(int size)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data += char((i * 131 + 7) % 256);
    return data;
}

// The rule written out independently: standard Base64 of the whole input,
// cut into lines of 76 characters joined by CR LF.
QByteArray reference(const QByteArray &data)
{
    const QByteArray flat = data.toBase64();
    QByteArray out;
    for (qsizetype at = 0; at < flat.size(); at += 76) {
        if (at > 0)
            out += "\r\n";
        out += flat.mid(at, 76);
    }
    return out;
}

TEST(Base64Test, StandardAlphabetAndPadding)
{
    EXPECT_EQ(TBase64::encode(""), "");
    EXPECT_EQ(TBase64::encode("f"), "Zg==");
    EXPECT_EQ(TBase64::encode("fo"), "Zm8=");
    EXPECT_EQ(TBase64::encode("foo"), "Zm9v");
    EXPECT_EQ(TBase64::encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(TBase64::encode(QByteArray("\xfb\xff\xbf", 3)), "+/+/");
}

TEST(Base64Test, LineBreaksFallAfterEvery76Characters)
{
    const QByteArray one = TBase64::encode(pattern(57));
    EXPECT_EQ(one.size(), 76);
    EXPECT_FALSE(one.contains('\r'));
    EXPECT_FALSE(one.contains('\n'));

    // The 58th byte alone makes a second line: two characters and "==".
    const QByteArray two = TBase64::encode(pattern(58));
    ASSERT_EQ(two.size(), 76 + 2 + 4);
    EXPECT_EQ(two.mid(76, 2), "\r\n");
    EXPECT_TRUE(two.endsWith("=="));
    EXPECT_EQ(two.indexOf("\r\n", 78), -1);

    // Two full lines: one break between them and none at the end.
    const QByteArray full = TBase64::encode(pattern(114));
    EXPECT_EQ(full.size(), 76 + 2 + 76);
    EXPECT_FALSE(full.endsWith("\r\n"));
    EXPECT_EQ(full.count("\r\n"), 1);

    for (const int size : {1, 56, 59, 170, 171, 1000})
        EXPECT_EQ(TBase64::encode(pattern(size)), reference(pattern(size))) << size;
}

TEST(Base64Test, FileIsEncodedAcrossReadBlocksLikeMemory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const int size :
         {0, 57, TBase64::BlockBytes, TBase64::BlockBytes + 1, 2 * TBase64::BlockBytes + 58}) {
        const QString path = dir.filePath(QStringLiteral("game%1.zip").arg(size));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pattern(size));
        f.close();
        QByteArray text;
        QString error;
        ASSERT_TRUE(TBase64::encodeFile(path, &text, &error)) << error.toStdString();
        EXPECT_EQ(text, reference(pattern(size))) << size;
    }
    QByteArray text = "untouched";
    QString error;
    EXPECT_FALSE(TBase64::encodeFile(dir.filePath(QStringLiteral("missing.zip")), &text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(text, "untouched");
}

TEST(Base64Test, DecodeTakesLineBreaksAndRefusesAnythingElse)
{
    QByteArray data;
    for (const int size : {0, 1, 2, 3, 57, 58, 1000}) {
        ASSERT_TRUE(TBase64::decode(TBase64::encode(pattern(size)), &data)) << size;
        EXPECT_EQ(data, pattern(size));
    }
    const QByteArray bad[] = {"Zg=", "Z===", "Zg==Zg==", "Zh==", "Zm9=", "Zm9v!", "Zm 9v", "=Zg=", "Zm9vY"};
    for (const QByteArray &text : bad)
        EXPECT_FALSE(TBase64::decode(text, &data)) << text.constData();
}

} // namespace
