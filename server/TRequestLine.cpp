#include "TRequestLine.h"

TRequestLine TRequestLine::parse(const QByteArray &line)
{
    TRequestLine r;
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first <= 0 || last <= first + 1)
        return r;
    const QByteArray method = line.left(first);
    for (const char c : method)
        if (c < 'A' || c > 'Z')
            return r;
    const QByteArray version = line.mid(last + 1);
    if (!version.startsWith("HTTP/") || version.size() < 6)
        return r;
    r.m_method = method;
    r.m_target = line.mid(first + 1, last - first - 1);
    r.m_version = version;
    r.m_valid = true;
    return r;
}

QByteArray TRequestLine::query() const
{
    const qsizetype q = m_target.indexOf('?');
    return q < 0 ? QByteArray() : m_target.mid(q + 1);
}

QByteArray TRequestLine::normalised(const QByteArray &line) const
{
    if (!m_valid || !m_target.contains(' '))
        return line;
    QByteArray target = m_target;
    target.replace(" ", "%20");
    return m_method + ' ' + target + ' ' + m_version;
}
