#pragma once

#include "IMessageBackend.h"

#include <QMutex>

#include <atomic>
#include <thread>

typedef struct pg_conn PGconn;

// The messages in a PostgreSQL database that several servers share. Each
// server writes through one connection, reads through another and listens
// on a third for the games the others change (LISTEN/NOTIFY). The writes of
// one game are put in one order by a row lock on the game in the database,
// and a unique index keeps one live message per event whichever server
// stored it.
class TPostgresMessageBackend : public IMessageBackend
{
public:
    TPostgresMessageBackend() = default;
    ~TPostgresMessageBackend() override;
    TPostgresMessageBackend(const TPostgresMessageBackend &) = delete;
    TPostgresMessageBackend &operator=(const TPostgresMessageBackend &) = delete;

    bool open(const QString &location, bool durable, QString *error) override;
    QString describe() const override;

    bool begin(QString *error) override;
    bool commit(QString *error) override;
    void rollback() override;
    bool savepoint(QString *error) override;
    bool releaseSavepoint(QString *error) override;
    void rollbackToSavepoint() override;
    bool lockGame(const QByteArray &game, QString *error) override;

    bool recentOfEvent(const QByteArray &game, qint64 id, int count, QList<QByteArray> *queries,
                       QString *error) override;
    bool hasIdentical(const QByteArray &game, int code, bool withId, const QByteArray &query, bool *found,
                      QString *error) override;
    bool insert(const TLiveMessage &message, const QByteArray &via, const QString &received, qint64 *seq,
                QString *error) override;
    bool markReplaced(const QByteArray &game, qint64 id, qint64 seq, QString *error) override;
    bool markDeleted(const QByteArray &game, qint64 target, qint64 seq, QString *error) override;
    bool announce(const QByteArray &game, QString *error) override;

    bool addUpload(const QByteArray &game, const QString &received, qint64 boxBytes, qint64 zipBytes,
                   QString *error) override;
    QList<TStoredMessage> messages(const QByteArray &game) const override;
    QList<TGameInfo> games() const override;
    qint64 uploadCount(const QByteArray &game) const override;
    void watchOthers(std::function<void(const QByteArray &)> changed) override;

    // The schema version this server writes.
    static constexpr int SchemaVersion = 1;

private:
    bool connectWriter(QString *error);
    // The read connection, made again when it was lost; null when that fails.
    PGconn *reader() const;
    void listen();

    QByteArray m_conninfo;
    QString m_shown; // the address without its password
    bool m_durable = true;
    PGconn *m_writer = nullptr;
    mutable PGconn *m_reader = nullptr;
    mutable QMutex m_readMutex;

    std::function<void(const QByteArray &)> m_changed;
    std::thread m_listener;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_ownPid{0};
};
