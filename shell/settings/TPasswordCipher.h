#pragma once

#include <QByteArray>
#include <QString>

// Protects the proxy password in "parquetix.ini": AES-256-GCM under a random
// 32-byte key of this installation, kept in the key file of the key folder
// (created on first use, readable by its owner only). Another installation,
// having another key, cannot read the password.
//
// Stored form: hexadecimal digits, two per byte; the first pair is the number
// of bytes that follow, then the 12-byte nonce, the ciphertext (the password
// as UTF-8) and the 16-byte authentication tag. The empty password is stored
// as the empty text and needs no key.
class TPasswordCipher
{
public:
    static constexpr int KeySize = 32;
    static constexpr int NonceSize = 12;
    static constexpr int TagSize = 16;
    static const char *KeyFileName;

    explicit TPasswordCipher(QString keyFolder);

    // The stored form of the first 64 characters of `password`, using (and on
    // first use creating) the key file. False with an error when the key
    // folder is missing or the key file cannot be read or created.
    bool Encipher(const QString &password, QString *stored, QString *error = nullptr) const;
    // The password of a stored form; the empty password for anything that
    // cannot be decoded: bad hex digits, a wrong length, a missing or other
    // key, a changed byte.
    QString Decipher(const QString &stored) const;

    QString KeyFilePath() const;

private:
    bool readKey(QByteArray *key, QString *error) const;
    bool createKey(QByteArray *key, QString *error) const;

    QString m_keyFolder;
};
