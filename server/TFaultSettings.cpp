#include "TFaultSettings.h"

#include <QJsonDocument>
#include <QJsonObject>

void TFaultSettings::setDropEvery(int n)
{
    m_dropEvery = n < 0 ? 0 : n;
    m_sinceDropSet = 0;
}

void TFaultSettings::reset()
{
    m_refuse = false;
    m_noOk = false;
    m_slowMs = 0;
    setDropEvery(0);
}

TFaultSettings::Decision TFaultSettings::next()
{
    ++m_requests;
    const qint64 counted = ++m_sinceDropSet;
    Decision d;
    if (m_refuse) {
        d.action = Action::Close;
        d.reason = "refused";
        return d;
    }
    const int every = m_dropEvery;
    if (every > 0 && counted % every == 0) {
        d.action = Action::Close;
        d.reason = "dropped";
        return d;
    }
    d.delayMs = m_slowMs;
    if (m_noOk) {
        d.action = Action::Deny;
        d.reason = "denied";
    }
    return d;
}

bool TFaultSettings::apply(const QMap<QByteArray, QByteArray> &params, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    auto flag = [&](const QByteArray &value, bool *out) {
        if (value != "0" && value != "1")
            return fail(QStringLiteral("expected 0 or 1, not %1").arg(QString::fromLatin1(value)));
        *out = value == "1";
        return true;
    };
    auto count = [&](const QByteArray &value, int *out) {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok || v < 0)
            return fail(QStringLiteral("expected a count, not %1").arg(QString::fromLatin1(value)));
        *out = v;
        return true;
    };

    // Everything is read first, so a bad request changes nothing.
    const bool normal = params.contains("mode");
    bool refuse = normal ? false : m_refuse.load();
    bool noOk = normal ? false : m_noOk.load();
    int slow = normal ? 0 : m_slowMs.load();
    int drop = normal ? 0 : m_dropEvery.load();
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QByteArray &k = it.key();
        bool ok = true;
        if (k == "mode")
            ok = it.value() == "normal" || fail(QStringLiteral("the only mode is normal"));
        else if (k == "refuse")
            ok = flag(it.value(), &refuse);
        else if (k == "no-ok")
            ok = flag(it.value(), &noOk);
        else if (k == "slow")
            ok = count(it.value(), &slow);
        else if (k == "drop")
            ok = count(it.value(), &drop);
        else
            ok = fail(QStringLiteral("unknown setting %1").arg(QString::fromLatin1(k)));
        if (!ok)
            return false;
    }
    m_refuse = refuse;
    m_noOk = noOk;
    m_slowMs = slow;
    if (normal || params.contains("drop"))
        setDropEvery(drop);
    return true;
}

QByteArray TFaultSettings::toJson() const
{
    QJsonObject o;
    o[QStringLiteral("refuse")] = m_refuse.load();
    o[QStringLiteral("noOk")] = m_noOk.load();
    o[QStringLiteral("slowMs")] = m_slowMs.load();
    o[QStringLiteral("dropEvery")] = m_dropEvery.load();
    o[QStringLiteral("requests")] = qint64(m_requests.load());
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
