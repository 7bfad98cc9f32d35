#pragma once

#include <QByteArray>
#include <QString>

// Live messages and uploads are Windows-1250 bytes; pages and JSON are
// Unicode. How the server shows those bytes to people, alike in every output.
class TDisplayText
{
public:
    // Bytes outside printable ASCII, and "%", as %XX: exact and readable.
    static QByteArray escapeBytes(const QByteArray &bytes);
};
