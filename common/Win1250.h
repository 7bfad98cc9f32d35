#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1250 at the file and wire boundary, for the program and the server
// alike; inside the programs text is QString.
namespace Win1250 {
QByteArray Encode(const QString &text); // characters the code page lacks become "?"
QString Decode(QByteArrayView bytes);
} // namespace Win1250
