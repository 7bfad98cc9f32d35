#pragma once

#include "TestHome.h"

#include "transmission/THttpClient.h"

#include <QByteArrayList>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

// The reference server as a program of its own on 127.0.0.1 and a free port.
class ServerProcess
{
public:
    explicit ServerProcess(const QString &dataDir)
    {
        m_process.start(binaryFolder() + QStringLiteral("/parquetix-server"),
                        {QStringLiteral("--data"), dataDir, QStringLiteral("--port"), QStringLiteral("0"),
                         QStringLiteral("--quiet")});
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(10000))
            out += m_process.readAllStandardOutput();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("listening on (\\d+)")).match(QString::fromLatin1(out));
        if (m.hasMatch())
            m_port = m.captured(1).toInt();
    }
    ~ServerProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    int Port() const { return m_port; }
    QByteArray Base() const { return "http://127.0.0.1:" + QByteArray::number(m_port); }

    // The queries the server stored for a game, in the order they came.
    QByteArrayList Messages(const QByteArray &code) const
    {
        const THttpClient client(2000, 10000);
        const THttpReply reply = client.get(Base() + "/api/games/" + code + "/messages", {});
        QByteArrayList out;
        const QJsonArray messages =
            QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("messages")).toArray();
        for (const QJsonValue &m : messages)
            out.append(QByteArray::fromPercentEncoding(
                m.toObject().value(QStringLiteral("rawQuery")).toString().toLatin1()));
        return out;
    }

private:
    QProcess m_process;
    int m_port = 0;
};

// The messages of one code ("kod=1000").
inline int countCode(const QByteArrayList &messages, const QByteArray &code)
{
    int n = 0;
    for (const QByteArray &m : messages)
        n += m.contains(code + "&") ? 1 : 0;
    return n;
}
