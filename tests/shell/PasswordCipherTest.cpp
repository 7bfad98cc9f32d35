#include "model/settings/TSettings.h"
#include "shell/settings/TPasswordCipher.h"
#include "support/TestHome.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString encipher(const TPasswordCipher &cipher, const QString &password)
{
    QString stored;
    QString error;
    EXPECT_TRUE(cipher.Encipher(password, &stored, &error)) << error.toStdString();
    return stored;
}

// The stored form with the byte at `index` (0 = the length byte) changed.
QString withByteFlipped(const QString &stored, int index)
{
    QByteArray bytes = QByteArray::fromHex(stored.toLatin1());
    bytes[index] = char(bytes[index] ^ 0x01);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace

TEST(PasswordCipher, RoundTrip)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    for (const QString &password : {QStringLiteral("s3cret"), QStringLiteral("a"),
                                    QString::fromUtf8("jelsz\xC3\xB3 \xC5\x91 \xE2\x82\xAC")}) {
        const QString stored = encipher(cipher, password);
        EXPECT_FALSE(stored.contains(password));
        EXPECT_EQ(cipher.Decipher(stored), password);
    }
}

TEST(PasswordCipher, StoredFormIsALengthPairThenOnePairPerByte)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString stored = encipher(cipher, "abcd");
    // Nonce 12 + four ciphertext bytes + tag 16 = 32 bytes after the length pair.
    ASSERT_EQ(stored.size(), 2 * 33);
    EXPECT_EQ(stored.left(2), "20");
    for (const QChar c : stored)
        EXPECT_TRUE(c.isDigit() || (c >= 'A' && c <= 'F')) << stored.toStdString();
}

TEST(PasswordCipher, FreshNonceEveryTime)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString a = encipher(cipher, "same");
    const QString b = encipher(cipher, "same");
    EXPECT_NE(a, b);
    EXPECT_EQ(cipher.Decipher(a), "same");
    EXPECT_EQ(cipher.Decipher(b), "same");
}

TEST(PasswordCipher, OnlyTheFirst64CharactersAreStored)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString first64 = QString(60, 'x') + "1234";
    EXPECT_EQ(cipher.Decipher(encipher(cipher, first64 + "56789")), first64);
    EXPECT_EQ(cipher.Decipher(encipher(cipher, first64)), first64);
    // Cutting never leaves half of a character outside the basic plane.
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // two UTF-16 units
    const QString straddling = QString(63, 'y') + clef;
    EXPECT_EQ(TSettings::CutPassword(straddling), QString(63, 'y'));
    EXPECT_EQ(cipher.Decipher(encipher(cipher, straddling)), QString(63, 'y'));
}

TEST(PasswordCipher, EmptyPasswordNeedsNoKey)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    EXPECT_EQ(encipher(cipher, ""), "");
    EXPECT_EQ(cipher.Decipher(""), "");
    EXPECT_FALSE(QFileInfo::exists(cipher.KeyFilePath()));
}

TEST(PasswordCipher, KeyFileIsPrivateAndKept)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    encipher(cipher, "one");
    QFile key(cipher.KeyFilePath());
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    const QByteArray first = key.readAll();
    key.close();
    EXPECT_EQ(first.size(), TPasswordCipher::KeySize);
    const QFileDevice::Permissions perms = QFileInfo(key).permissions();
    EXPECT_TRUE(perms.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(perms & others);
    encipher(cipher, "two");
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    EXPECT_EQ(key.readAll(), first);
}

TEST(PasswordCipher, ChangedBytesReadAsEmpty)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString stored = encipher(cipher, "s3cret");
    const int bytes = stored.size() / 2;
    ASSERT_EQ(cipher.Decipher(stored), "s3cret");
    EXPECT_EQ(cipher.Decipher(withByteFlipped(stored, 0)), "");         // length
    EXPECT_EQ(cipher.Decipher(withByteFlipped(stored, 1)), "");         // nonce
    EXPECT_EQ(cipher.Decipher(withByteFlipped(stored, 13)), "");        // ciphertext
    EXPECT_EQ(cipher.Decipher(withByteFlipped(stored, bytes - 1)), ""); // tag
}

TEST(PasswordCipher, UndecodableFormsReadAsEmpty)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString stored = encipher(cipher, "s3cret");
    EXPECT_EQ(cipher.Decipher(stored.left(stored.size() - 1)), "");     // odd digit count
    EXPECT_EQ(cipher.Decipher(stored.left(stored.size() - 2)), "");     // one byte short
    EXPECT_EQ(cipher.Decipher(stored + "00"), "");                      // one byte too many
    EXPECT_EQ(cipher.Decipher(QString(stored).replace(4, 1, "G")), ""); // not a hex digit
    EXPECT_EQ(cipher.Decipher(QString(stored).replace(4, 1, " ")), "");
    EXPECT_EQ(cipher.Decipher("00"), "");
    EXPECT_EQ(cipher.Decipher("s3cret"), "");
    // Lower-case digits are still hexadecimal.
    EXPECT_EQ(cipher.Decipher(stored.toLower()), "s3cret");
}

TEST(PasswordCipher, AnotherInstallationCannotReadIt)
{
    TestHome first;
    TestHome second;
    const TPasswordCipher mine(first.path());
    const TPasswordCipher theirs(second.path());
    encipher(theirs, "their own"); // the second installation has a key of its own
    EXPECT_EQ(theirs.Decipher(encipher(mine, "s3cret")), "");
}

TEST(PasswordCipher, MissingKeyReadsAsEmpty)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString stored = encipher(cipher, "s3cret");
    ASSERT_TRUE(QFile::remove(cipher.KeyFilePath()));
    EXPECT_EQ(cipher.Decipher(stored), "");
    EXPECT_FALSE(QFileInfo::exists(cipher.KeyFilePath())); // reading never makes a key
}

TEST(PasswordCipher, DamagedKeyIsReported)
{
    TestHome home;
    const TPasswordCipher cipher(home.path());
    const QString stored = encipher(cipher, "s3cret");
    home.write(TPasswordCipher::KeyFileName, "short");
    EXPECT_EQ(cipher.Decipher(stored), "");
    QString out;
    QString error;
    EXPECT_FALSE(cipher.Encipher("s3cret", &out, &error));
    EXPECT_TRUE(error.contains("damaged")) << error.toStdString();
}

TEST(PasswordCipher, MissingKeyFolderMeansThePasswordCannotBeStored)
{
    TestHome home;
    for (const QString &folder : {home.file("gone"), QString()}) {
        const TPasswordCipher cipher(folder);
        QString out;
        QString error;
        EXPECT_FALSE(cipher.Encipher("s3cret", &out, &error));
        EXPECT_TRUE(error.contains("cannot be stored")) << error.toStdString();
    }
}
