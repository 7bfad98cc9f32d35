#pragma once

#include <QByteArray>
#include <QFile>
#include <QMutex>
#include <QString>

// One line per request, to standard error or appended to a file; written
// whole under a lock so lines of parallel requests never interleave.
class TRequestLog
{
public:
    // Empty path: standard error.
    bool open(const QString &path, QString *error);
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }
    void write(const QByteArray &line);

    // Bytes outside printable ASCII as \xNN, cut after max bytes, so a log
    // line stays one line whatever a client sent.
    static QByteArray printable(const QByteArray &bytes, int max = 400);

private:
    QMutex m_mutex;
    QFile m_file;
    bool m_enabled = true;
};
