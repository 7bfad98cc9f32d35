#pragma once

#include <QByteArray>
#include <QString>

// Live messages and uploads are Windows-1250 bytes; pages and JSON are
// Unicode. The conversions live here so every output converts alike.
class TWin1250
{
public:
    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &text);
    // A name as sent ("Nagy_Jr._Laszlo") as people read it.
    static QString displayName(const QByteArray &bytes);
    // Bytes outside printable ASCII, and "%", as %XX: exact and readable.
    static QByteArray escapeBytes(const QByteArray &bytes);
};
