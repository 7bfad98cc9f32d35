#include "TWin1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString TWin1250::decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray TWin1250::encode(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

QString TWin1250::displayName(const QByteArray &bytes)
{
    QString name = decode(bytes);
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    return name.trimmed();
}

QByteArray TWin1250::escapeBytes(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7e || c == '%') {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}
