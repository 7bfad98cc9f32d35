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
    auto flag = [&](const QByteArray &value, std::atomic<bool> *target) {
        if (value != "0" && value != "1") {
            if (error)
                *error = QStringLiteral("expected 0 or 1, not %1").arg(QString::fromLatin1(value));
            return false;
        }
        *target = value == "1";
        return true;
    };
    auto count = [&](const QByteArray &value, int *out) {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok || v < 0) {
            if (error)
                *error = QStringLiteral("expected a count, not %1").arg(QString::fromLatin1(value));
            return false;
        }
        *out = v;
        return true;
    };
    // Check everything first so a bad request changes nothing.
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QByteArray &k = it.key();
        if (k != "mode" && k != "refuse" && k != "no-ok" && k != "slow" && k != "drop") {
            if (error)
                *error = QStringLiteral("unknown setting %1").arg(QString::fromLatin1(k));
            return false;
        }
        if (k == "mode" && it.value() != "normal") {
            if (error)
                *error = QStringLiteral("the only mode is normal");
            return false;
        }
    }
    std::atomic<bool> refuse{m_refuse.load()};
    std::atomic<bool> noOk{m_noOk.load()};
    int slow = m_slowMs;
    int drop = m_dropEvery;
    if (params.contains("mode")) {
        refuse = false;
        noOk = false;
        slow = 0;
        drop = 0;
    }
    if (params.contains("refuse") && !flag(params["refuse"], &refuse))
        return false;
    if (params.contains("no-ok") && !flag(params["no-ok"], &noOk))
        return false;
    if (params.contains("slow") && !count(params["slow"], &slow))
        return false;
    if (params.contains("drop") && !count(params["drop"], &drop))
        return false;
    m_refuse = refuse.load();
    m_noOk = noOk.load();
    m_slowMs = slow;
    if (drop != m_dropEvery || params.contains("drop"))
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
