#pragma once

#include "TLiveMessage.h"
#include "TStoredMessage.h"

#include <QList>
#include <QMutex>
#include <QString>

#include <functional>

struct sqlite3;

// Every received live message and upload, in an SQLite database. A message
// that repeats an earlier message's "id" in the same game replaces it; a
// deletion (5000) marks the message its "iddel" names. The game-closed
// message (1102) repeats the last event's id without being a correction, so
// it neither replaces nor is replaced. Safe to use from several threads.
class TMessageStore
{
public:
    TMessageStore();
    ~TMessageStore();
    TMessageStore(const TMessageStore &) = delete;
    TMessageStore &operator=(const TMessageStore &) = delete;

    // path ":memory:" keeps everything in memory.
    bool open(const QString &path, QString *error);
    bool isOpen() const;

    // Stores valid messages in the given order, all or none.
    bool addMessages(const QList<TLiveMessage> &messages, const QByteArray &via, QString *error);
    bool addUpload(const QByteArray &game, qint64 boxBytes, qint64 zipBytes, QString *error);

    QList<TStoredMessage> messages(const QByteArray &game) const;
    // Games with messages or uploads, the most recently active first.
    QList<TGameInfo> games() const;
    qint64 uploadCount(const QByteArray &game) const;

    // Called with a game's code after messages of that game were stored
    // (which may replace or delete earlier ones), once per game and batch, on
    // the storing thread and outside the store's lock, so the listener may
    // read the store. Set it before the store is shared between threads.
    using TChangeListener = std::function<void(const QByteArray &game)>;
    void setChangeListener(TChangeListener listener) { m_listener = std::move(listener); }

private:
    bool storeLocked(const QList<TLiveMessage> &messages, const QByteArray &via, QString *error);
    bool exec(const char *sql, QString *error) const;
    QString lastError() const;

    mutable QMutex m_mutex;
    sqlite3 *m_db = nullptr;
    TChangeListener m_listener;
};
