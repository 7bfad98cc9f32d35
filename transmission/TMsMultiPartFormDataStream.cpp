#include "TMsMultiPartFormDataStream.h"

TMsMultiPartFormDataStream::TMsMultiPartFormDataStream()
    : TMsMultiPartFormDataStream(QDateTime::currentDateTime())
{
}

TMsMultiPartFormDataStream::TMsMultiPartFormDataStream(const QDateTime &time) : m_boundary(boundaryFor(time))
{
}

QByteArray TMsMultiPartFormDataStream::boundaryFor(const QDateTime &time)
{
    const QDate d = time.date();
    const QTime t = time.time();
    // Written out by hand: a locale or a 12-hour clock must never change it.
    return QByteArray(27, '-') + QString::asprintf("%02d%02d%02d%02d%02d%02d%03d", d.month(), d.day(),
                                                   d.year() % 100, t.hour(), t.minute(), t.second(), t.msec())
                                     .toLatin1();
}

QByteArray TMsMultiPartFormDataStream::contentType() const
{
    return "multipart/form-data; boundary=" + m_boundary;
}

void TMsMultiPartFormDataStream::AddField(const QByteArray &name, const QByteArray &value)
{
    if (m_closed) {
        m_data.clear();
        m_closed = false;
    }
    if (!m_firstField)
        m_data += "\r\n";
    m_firstField = false;
    m_data += "--" + m_boundary + "\r\n";
    m_data += "Content-Disposition: form-data; name=\"" + name + "\"\r\n\r\n";
    m_data += value;
}

void TMsMultiPartFormDataStream::CloseBody()
{
    m_data += "\r\n--" + m_boundary + "--\r\n";
    m_firstField = true;
    m_closed = true;
}
