#pragma once

#include "IMessageBackend.h"

#include <QMutex>

#include <mutex>

struct sqlite3;

// The messages in an SQLite file in WAL mode (":memory:" keeps them in
// memory). Writes go through one connection, reads through a second one so
// they never wait for a commit's sync.
class TSqliteMessageBackend : public IMessageBackend
{
public:
    TSqliteMessageBackend() = default;
    ~TSqliteMessageBackend() override;
    TSqliteMessageBackend(const TSqliteMessageBackend &) = delete;
    TSqliteMessageBackend &operator=(const TSqliteMessageBackend &) = delete;

    bool open(const QString &location, bool durable, QString *error) override;
    QString describe() const override;

    bool begin(QString *error) override;
    bool commit(QString *error) override;
    void rollback() override;
    bool savepoint(QString *error) override;
    bool releaseSavepoint(QString *error) override;
    void rollbackToSavepoint() override;
    bool lockGame(const QByteArray &, QString *) override { return true; }

    bool recentOfEvent(const QByteArray &game, qint64 id, int count, QList<QByteArray> *queries,
                       QString *error) override;
    bool hasIdentical(const QByteArray &game, int code, bool withId, const QByteArray &query, bool *found,
                      QString *error) override;
    bool insert(const TLiveMessage &message, const QByteArray &via, const QString &received, qint64 *seq,
                QString *error) override;
    bool markReplaced(const QByteArray &game, qint64 id, qint64 seq, QString *error) override;
    bool markDeleted(const QByteArray &game, qint64 target, qint64 seq, QString *error) override;
    bool announce(const QByteArray &, QString *) override { return true; }

    bool addUpload(const QByteArray &game, const QString &received, qint64 boxBytes, qint64 zipBytes,
                   QString *error) override;
    QList<TStoredMessage> messages(const QByteArray &game) const override;
    QList<TGameInfo> games() const override;
    qint64 uploadCount(const QByteArray &game) const override;
    void watchOthers(std::function<void(const QByteArray &)>) override {}

private:
    bool exec(sqlite3 *db, const char *sql, QString *error) const;
    void close();
    // The connection reads go through, with its lock taken.
    sqlite3 *reader(std::unique_lock<QMutex> *lock) const;

    QString m_path;
    bool m_durable = true;
    sqlite3 *m_db = nullptr;
    sqlite3 *m_readDb = nullptr; // null for a database in memory: reads use m_db
    // Held from begin() to the end of the transaction; reads of a database
    // in memory take it too, so they never see half a group.
    mutable QMutex m_writeMutex;
    mutable QMutex m_readMutex;
};
