#pragma once

#include <QByteArray>
#include <QString>

// The game uploads on disk: <data>/uploads/<game code>/box.txt and game.zip,
// each upload replacing the files of the one before. Nothing is ever written
// outside the data folder: a game code is used as a folder name only when it
// is made of letters, digits, "-", "_" and "." and does not start with ".".
class TUploadStore
{
public:
    static constexpr int MaxCodeLength = 64;

    explicit TUploadStore(const QString &dataDir);

    static bool isUsableGameCode(const QByteArray &code);

    QString folderFor(const QByteArray &code) const;
    // Writes both files atomically; false with error when the code is not
    // usable or a file cannot be written.
    bool store(const QByteArray &code, const QByteArray &box, const QByteArray &zip, QString *error) const;

private:
    QString m_root;
};
