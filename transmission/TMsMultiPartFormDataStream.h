#pragma once

#include <QByteArray>
#include <QDateTime>

// The in-memory multipart/form-data body of the event batch and the game
// upload. Parts carry only a Content-Disposition header with the field name:
// no per-part content type and no file name, values copied unchanged.
class TMsMultiPartFormDataStream
{
public:
    // The boundary comes from the current local time.
    TMsMultiPartFormDataStream();
    explicit TMsMultiPartFormDataStream(const QDateTime &time);

    // 27 hyphens followed by the time as "mmddyyhhnnsszzz".
    static QByteArray boundaryFor(const QDateTime &time);

    QByteArray boundary() const { return m_boundary; }
    // "multipart/form-data; boundary=" followed by the boundary.
    QByteArray contentType() const;

    void AddField(const QByteArray &name, const QByteArray &value);
    // Ends the body with the closing boundary. The next AddField starts a new
    // body with the same boundary.
    void CloseBody();

    bool isClosed() const { return m_closed; }
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_boundary;
    QByteArray m_data;
    bool m_firstField = true;
    bool m_closed = false;
};
