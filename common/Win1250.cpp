#include "Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Win1250 {

QByteArray Encode(const QString &text)
{
    // Most texts are plain ASCII, the same in the code page; opening the
    // converter costs more than the whole record.
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    // ICU maps unknown characters to the code page's substitute byte (0x1A);
    // the stored texts use "?" instead, so convert character by character.
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            len = 2;
        const QStringView ch = QStringView(text).mid(i, len);
        i += len - 1;
        if (ch.size() == 1 && ch.at(0).unicode() < 0x80) {
            out.append(char(ch.at(0).unicode()));
            continue;
        }
        QByteArray b = encoder.encode(ch);
        if (encoder.hasError() || b.size() != 1 || b.at(0) == '\x1a') {
            // After a failure the converter fails every later letter too, even
            // after resetState(); a new one starts clean.
            encoder = QStringEncoder("windows-1250", QStringConverter::Flag::Stateless);
            out.append('?');
        } else {
            out.append(b);
        }
    }
    return out;
}

QString Decode(const QByteArray &bytes)
{
    bool ascii = true;
    for (const char c : bytes)
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);

    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace Win1250
