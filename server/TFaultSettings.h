#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <atomic>

// Faults the server can play so tests see the client's failure handling:
// refuse (close every connection without an answer), drop (close every N-th),
// slow (wait before answering) and no-ok (answer without "ok", store
// nothing). Switched from the command line and, at run time, through the
// control endpoint; read by every worker thread.
class TFaultSettings
{
public:
    enum class Action
    {
        Serve,
        Close,
        Deny
    };

    struct Decision
    {
        Action action = Action::Serve;
        int delayMs = 0;
        QByteArray reason;
    };

    void setRefuse(bool on) { m_refuse = on; }
    void setNoOk(bool on) { m_noOk = on; }
    void setSlowMs(int ms) { m_slowMs = ms < 0 ? 0 : ms; }
    // 0 drops nothing; counting starts again.
    void setDropEvery(int n);
    void reset();

    bool refuse() const { return m_refuse; }
    bool noOk() const { return m_noOk; }
    int slowMs() const { return m_slowMs; }
    int dropEvery() const { return m_dropEvery; }
    qint64 requestCount() const { return m_requests; }

    // Counts one request (the control endpoint's are not counted) and says
    // what to do with it.
    Decision next();

    // Applies the query of a control request: mode=normal clears every fault;
    // refuse=0|1, no-ok=0|1, slow=MS and drop=N set one each.
    bool apply(const QMap<QByteArray, QByteArray> &params, QString *error);
    QByteArray toJson() const;

private:
    std::atomic<bool> m_refuse{false};
    std::atomic<bool> m_noOk{false};
    std::atomic<int> m_slowMs{0};
    std::atomic<int> m_dropEvery{0};
    std::atomic<qint64> m_requests{0};
    std::atomic<qint64> m_sinceDropSet{0};
};
