#pragma once

#include "IMessageBackend.h"
#include "TLiveMessage.h"
#include "TStoredMessage.h"

#include <QList>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Every received live message and upload, in SQLite or PostgreSQL. A message
// that repeats an earlier message's "id" in the same game replaces it; a
// deletion (5000) marks the message its "iddel" names. The game-closed
// message (1102) repeats the last event's id without being a correction, so
// it neither replaces nor is replaced.
//
// A message the client sends again because its "ok" never arrived is
// answered without being stored twice: the messages of one event that repeat
// the newest ones stored for it, in order, and a message without an event of
// its own that the game already holds, are taken as repeats.
//
// addMessages() returns once the messages are on disk. Requests that arrive
// while a commit is under way wait and share the next one (group commit),
// so one sync serves many clients. Safe to use from several threads.
class TMessageStore
{
public:
    TMessageStore();
    ~TMessageStore();
    TMessageStore(const TMessageStore &) = delete;
    TMessageStore &operator=(const TMessageStore &) = delete;

    // location: an SQLite file (":memory:" keeps everything in memory) or a
    // "postgresql://" address. durable: "ok" only once the disk has it.
    bool open(const QString &location, QString *error, bool durable = true);
    bool isOpen() const;
    // What the store writes to, for the start-up line.
    QString describe() const;
    static bool isPostgresAddress(const QString &location);

    // Stores valid messages in the given order, all or none; repeats are
    // acknowledged without being stored again.
    bool addMessages(const QList<TLiveMessage> &messages, const QByteArray &via, QString *error);
    bool addUpload(const QByteArray &game, qint64 boxBytes, qint64 zipBytes, QString *error);

    QList<TStoredMessage> messages(const QByteArray &game) const;
    // Games with messages or uploads, the most recently active first.
    QList<TGameInfo> games() const;
    qint64 uploadCount(const QByteArray &game) const;

    // Called with a game's code after messages of that game were stored
    // (which may replace or delete earlier ones) here or, on a shared
    // database, by another server: once per game and commit, after the
    // change is readable and outside the store's locks, so the listener may
    // read the store.
    using TChangeListener = std::function<void(const QByteArray &game)>;
    void setChangeListener(TChangeListener listener);

    // How many of incoming's first messages repeat the end of stored: the
    // longest prefix of incoming that is a suffix of stored.
    static int repeatedPrefix(const QList<QByteArray> &stored, const QList<QByteArray> &incoming);

    // Commits so far and the requests they carried, for the benchmark.
    qint64 commitCount() const;
    qint64 committedRequests() const;

private:
    struct TWriteRequest;
    void commitGroup(const QList<TWriteRequest *> &group);
    bool storeRequest(TWriteRequest &request, const QString &received, QString *error);
    void changed(const QByteArray &game);

    std::unique_ptr<IMessageBackend> m_backend;

    mutable std::mutex m_queueMutex;
    std::condition_variable m_committed;
    QList<TWriteRequest *> m_pending;
    bool m_committing = false;
    qint64 m_commits = 0;
    qint64 m_committedRequests = 0;

    std::mutex m_listenerMutex;
    TChangeListener m_listener;
};
