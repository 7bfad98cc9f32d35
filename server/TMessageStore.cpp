#include "TMessageStore.h"

#include "TPostgresMessageBackend.h"
#include "TSqliteMessageBackend.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>

namespace {

const int GameClosedCode = 1102;
const int EventDeletedCode = 5000;

QString now()
{
    // UTC, so the texts sort in time order across clock changes.
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// A message that replaces the earlier ones of its event.
bool isEventMessage(const TLiveMessage &m)
{
    return m.id() && m.code() != GameClosedCode;
}

using EventKey = QPair<QByteArray, qint64>;

} // namespace

struct TMessageStore::TWriteRequest
{
    const QList<TLiveMessage> *messages = nullptr;
    QByteArray via;
    bool done = false;
    bool ok = false;
    QString error;
};

TMessageStore::TMessageStore() = default;
TMessageStore::~TMessageStore() = default;

bool TMessageStore::isPostgresAddress(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://")) ||
           location.startsWith(QLatin1String("postgres://"));
}

bool TMessageStore::open(const QString &location, QString *error, bool durable)
{
    std::unique_ptr<IMessageBackend> backend;
    if (isPostgresAddress(location))
        backend = std::make_unique<TPostgresMessageBackend>();
    else
        backend = std::make_unique<TSqliteMessageBackend>();
    if (!backend->open(location, durable, error))
        return false;
    backend->watchOthers([this](const QByteArray &game) { changed(game); });
    m_backend = std::move(backend);
    return true;
}

bool TMessageStore::isOpen() const
{
    return m_backend != nullptr;
}

QString TMessageStore::describe() const
{
    return m_backend ? m_backend->describe() : QStringLiteral("no store");
}

void TMessageStore::setChangeListener(TChangeListener listener)
{
    std::lock_guard<std::mutex> lock(m_listenerMutex);
    m_listener = std::move(listener);
}

void TMessageStore::changed(const QByteArray &game)
{
    std::lock_guard<std::mutex> lock(m_listenerMutex);
    if (m_listener)
        m_listener(game);
}

qint64 TMessageStore::commitCount() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_commits;
}

qint64 TMessageStore::committedRequests() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_committedRequests;
}

int TMessageStore::repeatedPrefix(const QList<QByteArray> &stored, const QList<QByteArray> &incoming)
{
    for (int length = int(qMin(stored.size(), incoming.size())); length > 0; --length) {
        if (std::equal(incoming.begin(), incoming.begin() + length, stored.end() - length))
            return length;
    }
    return 0;
}

bool TMessageStore::addMessages(const QList<TLiveMessage> &messages, const QByteArray &via, QString *error)
{
    for (const TLiveMessage &m : messages) {
        if (!m.isValid()) {
            if (error)
                *error = QStringLiteral("an invalid message cannot be stored");
            return false;
        }
    }
    if (!m_backend) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    TWriteRequest request;
    request.messages = &messages;
    request.via = via;
    std::unique_lock<std::mutex> lock(m_queueMutex);
    m_pending.append(&request);
    while (!request.done) {
        if (m_committing) {
            m_committed.wait(lock);
            continue;
        }
        // This thread commits everything that has gathered meanwhile.
        m_committing = true;
        QList<TWriteRequest *> group;
        group.swap(m_pending);
        lock.unlock();
        commitGroup(group);
        lock.lock();
        for (TWriteRequest *r : group)
            r->done = true;
        ++m_commits;
        m_committedRequests += group.size();
        m_committing = false;
        m_committed.notify_all();
    }
    if (!request.ok && error)
        *error = request.error;
    return request.ok;
}

void TMessageStore::commitGroup(const QList<TWriteRequest *> &group)
{
    auto failAll = [&group](const QString &why) {
        for (TWriteRequest *r : group) {
            r->ok = false;
            r->error = QStringLiteral("cannot store the messages: %1").arg(why);
        }
    };
    QString why;
    if (!m_backend->begin(&why)) {
        failAll(why);
        return;
    }
    // Games are locked in one order everywhere, so two servers never wait
    // for each other.
    QList<QByteArray> games;
    for (const TWriteRequest *r : group)
        for (const TLiveMessage &m : *r->messages)
            games.append(m.gameCode());
    std::sort(games.begin(), games.end());
    games.erase(std::unique(games.begin(), games.end()), games.end());
    for (const QByteArray &game : games) {
        if (!m_backend->lockGame(game, &why)) {
            m_backend->rollback();
            failAll(why);
            return;
        }
    }
    const QString received = now();
    QList<QByteArray> changedGames; // in the order they came
    for (TWriteRequest *r : group) {
        if (!m_backend->savepoint(&why)) {
            m_backend->rollback();
            failAll(why);
            return;
        }
        r->ok = storeRequest(*r, received, &why);
        if (r->ok)
            r->ok = m_backend->releaseSavepoint(&why);
        if (!r->ok) {
            r->error = QStringLiteral("cannot store the messages: %1").arg(why);
            m_backend->rollbackToSavepoint();
            continue;
        }
        for (const TLiveMessage &m : *r->messages)
            if (!changedGames.contains(m.gameCode()))
                changedGames.append(m.gameCode());
    }
    for (const QByteArray &game : std::as_const(changedGames)) {
        if (!m_backend->announce(game, &why)) {
            m_backend->rollback();
            failAll(why);
            return;
        }
    }
    if (!m_backend->commit(&why)) {
        failAll(why);
        return;
    }
    for (const QByteArray &game : std::as_const(changedGames))
        changed(game);
}

bool TMessageStore::storeRequest(TWriteRequest &request, const QString &received, QString *error)
{
    const QList<TLiveMessage> &messages = *request.messages;
    // The messages of each event in this request, and how many of the first
    // ones repeat what is stored already.
    QHash<EventKey, QList<QByteArray>> incoming;
    for (const TLiveMessage &m : messages)
        if (isEventMessage(m))
            incoming[{m.gameCode(), *m.id()}].append(m.query());
    QHash<EventKey, int> repeats;
    for (auto it = incoming.cbegin(); it != incoming.cend(); ++it) {
        QList<QByteArray> recent;
        if (!m_backend->recentOfEvent(it.key().first, it.key().second, int(it.value().size()), &recent,
                                      error))
            return false;
        repeats.insert(it.key(), repeatedPrefix(recent, it.value()));
    }

    for (const TLiveMessage &m : messages) {
        const QByteArray game = m.gameCode();
        if (isEventMessage(m)) {
            int &left = repeats[{game, *m.id()}];
            if (left > 0) {
                --left;
                continue;
            }
        } else {
            bool found = false;
            if (!m_backend->hasIdentical(game, m.code(), m.id().has_value(), m.query(), &found, error))
                return false;
            if (found)
                continue;
        }
        qint64 seq = 0;
        if (!m_backend->insert(m, request.via, received, &seq, error))
            return false;
        if (isEventMessage(m) && !m_backend->markReplaced(game, *m.id(), seq, error))
            return false;
        const std::optional<qint64> target = m.number("iddel");
        if (m.code() == EventDeletedCode && target && !m_backend->markDeleted(game, *target, seq, error))
            return false;
    }
    return true;
}

bool TMessageStore::addUpload(const QByteArray &game, qint64 boxBytes, qint64 zipBytes, QString *error)
{
    if (!m_backend) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    QString why;
    if (!m_backend->addUpload(game, now(), boxBytes, zipBytes, &why)) {
        if (error)
            *error = QStringLiteral("cannot record the upload: %1").arg(why);
        return false;
    }
    return true;
}

QList<TStoredMessage> TMessageStore::messages(const QByteArray &game) const
{
    return m_backend ? m_backend->messages(game) : QList<TStoredMessage>();
}

QList<TGameInfo> TMessageStore::games() const
{
    return m_backend ? m_backend->games() : QList<TGameInfo>();
}

qint64 TMessageStore::uploadCount(const QByteArray &game) const
{
    return m_backend ? m_backend->uploadCount(game) : 0;
}
