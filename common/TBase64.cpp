#include "TBase64.h"

#include <QFile>

namespace {

const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void appendLine(QByteArray &out, const char *bytes, qsizetype count)
{
    if (!out.isEmpty())
        out += "\r\n";
    const auto *in = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype i = 0;
    for (; i + 3 <= count; i += 3) {
        const unsigned v = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += Alphabet[(v >> 6) & 63];
        out += Alphabet[v & 63];
    }
    if (count - i == 1) {
        const unsigned v = in[i] << 16;
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += "==";
    } else if (count - i == 2) {
        const unsigned v = (in[i] << 16) | (in[i + 1] << 8);
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += Alphabet[(v >> 6) & 63];
        out += '=';
    }
}

int sextet(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

QByteArray TBase64::encode(const QByteArray &data)
{
    QByteArray out;
    const qsizetype lines = (data.size() + LineBytes - 1) / LineBytes;
    out.reserve(lines * (LineChars + 2));
    for (qsizetype at = 0; at < data.size(); at += LineBytes)
        appendLine(out, data.constData() + at, qMin<qsizetype>(LineBytes, data.size() - at));
    return out;
}

bool TBase64::encodeFile(const QString &path, QByteArray *text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray out;
    // Lines are cut from what has been read so far, so a short read never
    // moves a line break.
    QByteArray pending;
    for (;;) {
        const QByteArray block = file.read(BlockBytes);
        if (block.isEmpty()) {
            if (!file.atEnd()) {
                if (error)
                    *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
                return false;
            }
            break;
        }
        pending += block;
        qsizetype at = 0;
        for (; pending.size() - at >= LineBytes; at += LineBytes)
            appendLine(out, pending.constData() + at, LineBytes);
        pending.remove(0, at);
    }
    if (!pending.isEmpty())
        appendLine(out, pending.constData(), pending.size());
    *text = out;
    return true;
}

bool TBase64::decode(const QByteArray &text, QByteArray *data)
{
    QByteArray out;
    out.reserve(text.size() / 4 * 3);
    unsigned group = 0;
    int filled = 0;
    int padding = 0;
    for (const char c : text) {
        if (c == '\r' || c == '\n')
            continue;
        if (c == '=') {
            // Padding completes the last group only: after one or two
            // characters of data fewer than four.
            if (filled + padding < 2)
                return false;
            ++padding;
            if (filled + padding > 4)
                return false;
            continue;
        }
        if (padding > 0)
            return false;
        const int v = sextet(c);
        if (v < 0)
            return false;
        group = (group << 6) | unsigned(v);
        if (++filled == 4) {
            out += char((group >> 16) & 0xff);
            out += char((group >> 8) & 0xff);
            out += char(group & 0xff);
            group = 0;
            filled = 0;
        }
    }
    if (padding > 0) {
        if (filled + padding != 4)
            return false;
        if (filled == 2) {
            if (group & 0x0f)
                return false;
            out += char((group >> 4) & 0xff);
        } else {
            if (group & 0x03)
                return false;
            out += char((group >> 10) & 0xff);
            out += char((group >> 2) & 0xff);
        }
    } else if (filled != 0) {
        return false;
    }
    *data = out;
    return true;
}
