#include "ServerFixture.h"

#include "transmission/TMsMultiPartFormDataStream.h"

#include <QJsonDocument>

TServerOptions ServerFixture::defaultOptions()
{
    TServerOptions o;
    o.port = 0;
    o.control = true;
    o.logRequests = false;
    return o;
}

void ServerFixture::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    restart(defaultOptions());
}

void ServerFixture::TearDown()
{
    if (m_server)
        m_server->stop();
}

void ServerFixture::restart(TServerOptions options)
{
    if (m_server)
        m_server->stop();
    m_server.reset();
    options.dataDir = dataDir();
    options.host = QStringLiteral("127.0.0.1");
    options.port = 0;
    m_server = std::make_unique<TStatsServer>(options);
    QString error;
    ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
}

QByteArray ServerFixture::base() const
{
    return "http://127.0.0.1:" + QByteArray::number(m_server->port());
}

THttpReply ServerFixture::postForm(const QByteArray &path,
                                   const QList<QPair<QByteArray, QByteArray>> &fields) const
{
    TMsMultiPartFormDataStream form;
    for (const auto &[name, value] : fields)
        form.AddField(name, value);
    form.CloseBody();
    return m_client.postForm(base() + path, form);
}

THttpReply ServerFixture::control(const QByteArray &query) const
{
    return m_client.post(base() + "/control?" + query, {}, {}, "text/plain");
}

QJsonObject ServerFixture::gameJson(const QByteArray &code, int *status) const
{
    const THttpReply reply = m_client.get(base() + "/api/games/" + code + "/messages", {});
    if (status)
        *status = reply.status;
    return QJsonDocument::fromJson(reply.body).object();
}
