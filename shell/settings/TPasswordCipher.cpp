#include "TPasswordCipher.h"

#include "model/settings/TSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

const char *TPasswordCipher::KeyFileName = "parquetix.key";

namespace {

// Binds the ciphertext to its purpose, so a value copied from another field
// enciphered under the same key does not decode as a password.
const QByteArray AssociatedData("Parquetix CONNECTION/PROXY_PASSWORD");

struct TCtxFree
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using TCtx = std::unique_ptr<EVP_CIPHER_CTX, TCtxFree>;

// Wipes key material when it goes out of scope.
struct TWipe
{
    QByteArray &Bytes;
    ~TWipe()
    {
        if (!Bytes.isEmpty())
            OPENSSL_cleanse(Bytes.data(), size_t(Bytes.size()));
    }
};

const auto *uc(const QByteArray &b)
{
    return reinterpret_cast<const unsigned char *>(b.constData());
}
auto *uc(QByteArray &b)
{
    return reinterpret_cast<unsigned char *>(b.data());
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

TPasswordCipher::TPasswordCipher(QString keyFolder) : m_keyFolder(std::move(keyFolder)) {}

QString TPasswordCipher::KeyFilePath() const
{
    return QDir(m_keyFolder).filePath(QString::fromLatin1(KeyFileName));
}

bool TPasswordCipher::readKey(QByteArray *key, QString *error) const
{
    QFile file(KeyFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        setError(
            error,
            QStringLiteral("Cannot read the key file \"%1\": %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    *key = file.read(KeySize + 1);
    if (key->size() != KeySize) {
        TWipe wipe{*key};
        setError(error, QStringLiteral("The key file \"%1\" is damaged (it must hold exactly %2 bytes)")
                            .arg(file.fileName())
                            .arg(KeySize));
        return false;
    }
    return true;
}

bool TPasswordCipher::createKey(QByteArray *key, QString *error) const
{
    if (m_keyFolder.isEmpty() || !QFileInfo(m_keyFolder).isDir()) {
        setError(error, QStringLiteral(
                            "The key folder \"%1\" does not exist, so the proxy password cannot be stored")
                            .arg(m_keyFolder));
        return false;
    }
    QByteArray fresh(KeySize, '\0');
    TWipe wipe{fresh};
    if (RAND_bytes(uc(fresh), KeySize) != 1) {
        setError(error, QStringLiteral("No random key could be made for the proxy password"));
        return false;
    }
    // A temporary file is created readable by its owner only; renaming it
    // never replaces a key file another process created meanwhile.
    QTemporaryFile temp(
        QDir(m_keyFolder).filePath(QString::fromLatin1(KeyFileName) + QStringLiteral(".XXXXXX")));
    if (!temp.open() || temp.write(fresh) != KeySize || !temp.flush()) {
        setError(
            error,
            QStringLiteral("Cannot create the key file \"%1\": %2").arg(KeyFilePath(), temp.errorString()));
        return false;
    }
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    temp.close();
    // Once renamed the file is the key, which the temporary object must not remove.
    temp.setAutoRemove(false);
    if (temp.rename(KeyFilePath())) {
        *key = fresh;
        return true;
    }
    QFile::remove(temp.fileName());
    if (QFileInfo::exists(KeyFilePath()))
        return readKey(key, error);
    setError(error,
             QStringLiteral("Cannot create the key file \"%1\": %2").arg(KeyFilePath(), temp.errorString()));
    return false;
}

bool TPasswordCipher::Encipher(const QString &password, QString *stored, QString *error) const
{
    const QByteArray plain = TSettings::CutPassword(password).toUtf8();
    if (plain.isEmpty()) {
        stored->clear();
        return true;
    }
    QByteArray key;
    TWipe wipe{key};
    if (QFileInfo::exists(KeyFilePath()) ? !readKey(&key, error) : !createKey(&key, error))
        return false;

    QByteArray nonce(NonceSize, '\0');
    if (RAND_bytes(uc(nonce), NonceSize) != 1) {
        setError(error, QStringLiteral("No random nonce could be made for the proxy password"));
        return false;
    }
    QByteArray cipher(plain.size(), '\0');
    QByteArray tag(TagSize, '\0');
    int len = 0;
    int finalLen = 0;
    TCtx ctx(EVP_CIPHER_CTX_new());
    const bool ok =
        ctx && EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) == 1 &&
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
        EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, uc(key), uc(nonce)) == 1 &&
        EVP_EncryptUpdate(ctx.get(), nullptr, &len, uc(AssociatedData), int(AssociatedData.size())) == 1 &&
        EVP_EncryptUpdate(ctx.get(), uc(cipher), &len, uc(plain), int(plain.size())) == 1 &&
        EVP_EncryptFinal_ex(ctx.get(), uc(cipher) + len, &finalLen) == 1 &&
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, TagSize, tag.data()) == 1;
    if (!ok) {
        setError(error, QStringLiteral("The proxy password could not be enciphered"));
        return false;
    }
    cipher.truncate(len + finalLen);

    // At most 12 + 3 * 64 + 16 = 220 bytes, so the length fits its one byte.
    const QByteArray body = nonce + cipher + tag;
    QByteArray all(1, char(quint8(body.size())));
    all += body;
    *stored = QString::fromLatin1(all.toHex().toUpper());
    return true;
}

QString TPasswordCipher::Decipher(const QString &stored) const
{
    if (stored.isEmpty() || stored.size() % 2 != 0)
        return QString();
    for (const QChar c : stored)
        if (!isHexDigit(c))
            return QString();
    const QByteArray all = QByteArray::fromHex(stored.toLatin1());
    const int length = quint8(all.at(0));
    if (length != all.size() - 1 || length <= NonceSize + TagSize)
        return QString();

    QByteArray key;
    TWipe wipe{key};
    if (!readKey(&key, nullptr))
        return QString();

    const QByteArray nonce = all.mid(1, NonceSize);
    const QByteArray cipher = all.mid(1 + NonceSize, length - NonceSize - TagSize);
    QByteArray tag = all.right(TagSize);
    QByteArray plain(cipher.size(), '\0');
    TWipe wipePlain{plain};
    int len = 0;
    int finalLen = 0;
    TCtx ctx(EVP_CIPHER_CTX_new());
    const bool ok =
        ctx && EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) == 1 &&
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
        EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, uc(key), uc(nonce)) == 1 &&
        EVP_DecryptUpdate(ctx.get(), nullptr, &len, uc(AssociatedData), int(AssociatedData.size())) == 1 &&
        EVP_DecryptUpdate(ctx.get(), uc(plain), &len, uc(cipher), int(cipher.size())) == 1 &&
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, TagSize, tag.data()) == 1 &&
        EVP_DecryptFinal_ex(ctx.get(), uc(plain) + len, &finalLen) == 1;
    if (!ok)
        return QString();

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString password = utf8.decode(plain.left(len + finalLen));
    if (utf8.hasError())
        return QString();
    return TSettings::CutPassword(password);
}
