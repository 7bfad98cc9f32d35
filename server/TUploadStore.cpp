#include "TUploadStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool writeAtomically(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

TUploadStore::TUploadStore(const QString &dataDir)
    : m_root(QDir(dataDir).absoluteFilePath(QStringLiteral("uploads")))
{
}

bool TUploadStore::isUsableGameCode(const QByteArray &code)
{
    return !code.isEmpty() && code.size() <= MaxCodeLength;
}

QString TUploadStore::folderName(const QByteArray &code)
{
    static const char hex[] = "0123456789ABCDEF";
    QString name;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char c = code[i];
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '_' || (c == '.' && i > 0);
        if (kept) {
            name += QLatin1Char(c);
        } else {
            const auto u = static_cast<unsigned char>(c);
            name += QLatin1Char('%');
            name += QLatin1Char(hex[u >> 4]);
            name += QLatin1Char(hex[u & 15]);
        }
    }
    return name;
}

QString TUploadStore::folderFor(const QByteArray &code) const
{
    return m_root + QLatin1Char('/') + folderName(code);
}

bool TUploadStore::store(const QByteArray &code, const QByteArray &box, const QByteArray &zip,
                         QString *error) const
{
    if (!isUsableGameCode(code)) {
        if (error)
            *error = QStringLiteral("the game code is empty or longer than %1 bytes").arg(MaxCodeLength);
        return false;
    }
    const QString folder = folderFor(code);
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    // A link planted inside the data folder must not lead the files out of it.
    const QString canonicalRoot = QFileInfo(m_root).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalRoot.isEmpty() || canonicalFolder != canonicalRoot + QLatin1Char('/') + folderName(code)) {
        if (error)
            *error = QStringLiteral("the upload folder of this game lies outside the data folder");
        return false;
    }
    return writeAtomically(folder + QStringLiteral("/box.txt"), box, error) &&
           writeAtomically(folder + QStringLiteral("/game.zip"), zip, error);
}
