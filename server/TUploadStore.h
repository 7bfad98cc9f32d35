#pragma once

#include <QByteArray>
#include <QString>

// The game uploads on disk: <data>/uploads/<folder>/box.txt and game.zip,
// each upload replacing the files of the one before. Any game code of 1 to
// 64 bytes is accepted; its folder name keeps ASCII letters, digits, "-",
// "_" and "." (not as the first character) and writes every other byte as
// %XX, so the name never leaves the uploads folder and two codes never share
// a folder.
class TUploadStore
{
public:
    static constexpr int MaxCodeLength = 64;

    explicit TUploadStore(const QString &dataDir);

    static bool isUsableGameCode(const QByteArray &code);
    // The folder name of a usable code, relative to the uploads folder.
    static QString folderName(const QByteArray &code);

    QString folderFor(const QByteArray &code) const;
    // Writes both files atomically; false with error when the code is not
    // usable or a file cannot be written.
    bool store(const QByteArray &code, const QByteArray &box, const QByteArray &zip, QString *error) const;

private:
    QString m_root;
};
