#pragma once

#include "TLiveMessage.h"
#include "TStoredMessage.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Where the message store keeps its rows: SQLite in the data folder or a
// PostgreSQL database shared by several servers. The write calls run inside
// one transaction opened by begin(), on the one thread that commits a group
// of requests; the read calls may come from any thread at any time and see
// committed rows only.
class IMessageBackend
{
public:
    virtual ~IMessageBackend() = default;

    // Creates or upgrades the schema. durable: a commit returns only once
    // the disk has it.
    virtual bool open(const QString &location, bool durable, QString *error) = 0;
    virtual QString describe() const = 0;

    // Transaction of a commit group; savepoints keep one request's failure
    // from taking the others with it.
    virtual bool begin(QString *error) = 0;
    virtual bool commit(QString *error) = 0;
    virtual void rollback() = 0;
    virtual bool savepoint(QString *error) = 0;
    virtual bool releaseSavepoint(QString *error) = 0;
    virtual void rollbackToSavepoint() = 0;
    // Until the transaction ends no other writer, in this process or
    // another, writes messages of game.
    virtual bool lockGame(const QByteArray &game, QString *error) = 0;

    // The newest count messages of the event (game, id), newest last,
    // game-closed messages left out.
    virtual bool recentOfEvent(const QByteArray &game, qint64 id, int count, QList<QByteArray> *queries,
                               QString *error) = 0;
    // Whether game already holds a message of code with exactly this query
    // (for messages without an event of their own).
    virtual bool hasIdentical(const QByteArray &game, int code, bool withId, const QByteArray &query,
                              bool *found, QString *error) = 0;
    virtual bool insert(const TLiveMessage &message, const QByteArray &via, const QString &received,
                        qint64 *seq, QString *error) = 0;
    // Marks the live messages of (game, id) older than seq as replaced by seq,
    // game-closed messages left alone.
    virtual bool markReplaced(const QByteArray &game, qint64 id, qint64 seq, QString *error) = 0;
    // Marks the live message of (game, target) as deleted by seq.
    virtual bool markDeleted(const QByteArray &game, qint64 target, qint64 seq, QString *error) = 0;
    // Tells the other servers on the same database that game changed; sent
    // with the commit.
    virtual bool announce(const QByteArray &game, QString *error) = 0;

    virtual bool addUpload(const QByteArray &game, const QString &received, qint64 boxBytes, qint64 zipBytes,
                           QString *error) = 0;
    virtual QList<TStoredMessage> messages(const QByteArray &game) const = 0;
    virtual QList<TGameInfo> games() const = 0;
    virtual qint64 uploadCount(const QByteArray &game) const = 0;

    // Called, from a thread of the backend's own, with the game another
    // server on the same database has changed.
    virtual void watchOthers(std::function<void(const QByteArray &game)> changed) = 0;
};
