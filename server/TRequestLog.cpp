#include "TRequestLog.h"

#include <cstdio>

bool TRequestLog::open(const QString &path, QString *error)
{
    QMutexLocker lock(&m_mutex);
    if (m_file.isOpen())
        m_file.close();
    if (path.isEmpty())
        return true;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = QStringLiteral("cannot open the log %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void TRequestLog::write(const QByteArray &line)
{
    if (!m_enabled)
        return;
    QMutexLocker lock(&m_mutex);
    const QByteArray text = line + '\n';
    if (m_file.isOpen()) {
        m_file.write(text);
        m_file.flush();
    } else {
        fwrite(text.constData(), 1, size_t(text.size()), stderr);
        fflush(stderr);
    }
}

QByteArray TRequestLog::printable(const QByteArray &bytes, int max)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size() && i < max; ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        if (u < 0x20 || u > 0x7e || u == '\\') {
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += char(u);
        }
    }
    if (bytes.size() > max)
        out += "...";
    return out;
}
