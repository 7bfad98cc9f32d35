#include "TMessageStore.h"

#include <sqlite3.h>

namespace {

const int GameClosedCode = 1102;
const int EventDeletedCode = 5000;

// A prepared statement that finalises itself.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ok() const { return m_stmt != nullptr; }
    void bind(int i, const QByteArray &v)
    {
        sqlite3_bind_blob(m_stmt, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    }
    void bindText(int i, const QString &v)
    {
        const QByteArray utf8 = v.toUtf8();
        sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, qint64 v) { sqlite3_bind_int64(m_stmt, i, v); }
    void bindNull(int i) { sqlite3_bind_null(m_stmt, i); }
    int step() { return sqlite3_step(m_stmt); }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }

    QByteArray blob(int col) const
    {
        const void *p = sqlite3_column_blob(m_stmt, col);
        return QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(m_stmt, col));
    }
    QString text(int col) const
    {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, col));
        return QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, col));
    }
    qint64 integer(int col) const { return sqlite3_column_int64(m_stmt, col); }
    bool isNull(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_NULL; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

QString now()
{
    // UTC, so the texts sort in time order across clock changes.
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace

TMessageStore::TMessageStore() = default;

TMessageStore::~TMessageStore()
{
    if (m_db)
        sqlite3_close(m_db);
}

bool TMessageStore::open(const QString &path, QString *error)
{
    QMutexLocker lock(&m_mutex);
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
    const QByteArray name = path.toUtf8();
    if (sqlite3_open_v2(name.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, lastError());
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    const char *schema = R"(
        PRAGMA journal_mode = WAL;
        PRAGMA synchronous = NORMAL;
        CREATE TABLE IF NOT EXISTS message (
            seq INTEGER PRIMARY KEY AUTOINCREMENT,
            game BLOB NOT NULL,
            received TEXT NOT NULL,
            via TEXT NOT NULL,
            query BLOB NOT NULL,
            code INTEGER NOT NULL,
            event_id INTEGER,
            replaced_by INTEGER,
            deleted_by INTEGER);
        CREATE INDEX IF NOT EXISTS message_game ON message(game, seq);
        CREATE INDEX IF NOT EXISTS message_event ON message(game, event_id);
        CREATE TABLE IF NOT EXISTS upload (
            seq INTEGER PRIMARY KEY AUTOINCREMENT,
            game BLOB NOT NULL,
            received TEXT NOT NULL,
            box_bytes INTEGER NOT NULL,
            zip_bytes INTEGER NOT NULL);
    )";
    if (!exec(schema, error)) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    return true;
}

bool TMessageStore::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_db != nullptr;
}

bool TMessageStore::exec(const char *sql, QString *error) const
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(message ? message : "unknown database error");
        sqlite3_free(message);
        return false;
    }
    return true;
}

QString TMessageStore::lastError() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
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
    QMutexLocker lock(&m_mutex);
    if (!m_db) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    if (!storeLocked(messages, via, error))
        return false;
    lock.unlock();
    if (m_listener) {
        QList<QByteArray> changed;
        for (const TLiveMessage &m : messages)
            if (!changed.contains(m.gameCode()))
                changed.append(m.gameCode());
        for (const QByteArray &game : changed)
            m_listener(game);
    }
    return true;
}

bool TMessageStore::storeLocked(const QList<TLiveMessage> &messages, const QByteArray &via, QString *error)
{
    if (!exec("BEGIN IMMEDIATE", error))
        return false;

    Statement insert(m_db, "INSERT INTO message (game, received, via, query, code, event_id) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    Statement replace(m_db, "UPDATE message SET replaced_by = ?1 WHERE game = ?2 AND event_id = ?3 "
                            "AND seq < ?1 AND replaced_by IS NULL AND code <> ?4");
    Statement remove(m_db, "UPDATE message SET deleted_by = ?1 WHERE game = ?2 AND event_id = ?3 "
                           "AND seq < ?1 AND replaced_by IS NULL AND deleted_by IS NULL "
                           "AND code <> ?4 AND code <> ?5");
    bool ok = insert.ok() && replace.ok() && remove.ok();
    const QString received = now();
    for (qsizetype i = 0; ok && i < messages.size(); ++i) {
        const TLiveMessage &m = messages[i];
        insert.reset();
        insert.bind(1, m.gameCode());
        insert.bindText(2, received);
        insert.bindText(3, QString::fromLatin1(via));
        insert.bind(4, m.query());
        insert.bind(5, qint64(m.code()));
        if (m.id())
            insert.bind(6, *m.id());
        else
            insert.bindNull(6);
        ok = insert.step() == SQLITE_DONE;
        const qint64 seq = sqlite3_last_insert_rowid(m_db);

        if (ok && m.id() && m.code() != GameClosedCode) {
            replace.reset();
            replace.bind(1, seq);
            replace.bind(2, m.gameCode());
            replace.bind(3, *m.id());
            replace.bind(4, qint64(GameClosedCode));
            ok = replace.step() == SQLITE_DONE;
        }
        const std::optional<qint64> target = m.number("iddel");
        if (ok && m.code() == EventDeletedCode && target) {
            remove.reset();
            remove.bind(1, seq);
            remove.bind(2, m.gameCode());
            remove.bind(3, *target);
            remove.bind(4, qint64(GameClosedCode));
            remove.bind(5, qint64(EventDeletedCode));
            ok = remove.step() == SQLITE_DONE;
        }
    }
    if (!ok) {
        if (error)
            *error = QStringLiteral("cannot store the messages: %1").arg(lastError());
        exec("ROLLBACK", nullptr);
        return false;
    }
    return exec("COMMIT", error);
}

bool TMessageStore::addUpload(const QByteArray &game, qint64 boxBytes, qint64 zipBytes, QString *error)
{
    QMutexLocker lock(&m_mutex);
    if (!m_db) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    Statement s(m_db, "INSERT INTO upload (game, received, box_bytes, zip_bytes) VALUES (?1, ?2, ?3, ?4)");
    s.bind(1, game);
    s.bindText(2, now());
    s.bind(3, boxBytes);
    s.bind(4, zipBytes);
    if (!s.ok() || s.step() != SQLITE_DONE) {
        if (error)
            *error = QStringLiteral("cannot record the upload: %1").arg(lastError());
        return false;
    }
    return true;
}

QList<TStoredMessage> TMessageStore::messages(const QByteArray &game) const
{
    QMutexLocker lock(&m_mutex);
    QList<TStoredMessage> out;
    if (!m_db)
        return out;
    Statement s(m_db, "SELECT seq, received, via, query, code, event_id, replaced_by, deleted_by "
                      "FROM message WHERE game = ?1 ORDER BY seq");
    s.bind(1, game);
    while (s.ok() && s.step() == SQLITE_ROW) {
        TStoredMessage m;
        m.seq = s.integer(0);
        m.game = game;
        m.received = QDateTime::fromString(s.text(1), Qt::ISODateWithMs);
        m.via = s.text(2).toLatin1();
        m.query = s.blob(3);
        m.code = int(s.integer(4));
        if (!s.isNull(5))
            m.eventId = s.integer(5);
        m.replacedBy = s.integer(6);
        m.deletedBy = s.integer(7);
        out.append(m);
    }
    return out;
}

QList<TGameInfo> TMessageStore::games() const
{
    QMutexLocker lock(&m_mutex);
    QList<TGameInfo> out;
    if (!m_db)
        return out;
    Statement s(m_db, R"(
        SELECT game, SUM(messages), MAX(last), SUM(uploads) FROM (
            SELECT game, COUNT(*) AS messages, MAX(received) AS last, 0 AS uploads FROM message GROUP BY game
            UNION ALL
            SELECT game, 0, MAX(received), COUNT(*) FROM upload GROUP BY game)
        GROUP BY game ORDER BY MAX(last) DESC, game)");
    while (s.ok() && s.step() == SQLITE_ROW) {
        TGameInfo g;
        g.game = s.blob(0);
        g.messages = s.integer(1);
        g.lastReceived = QDateTime::fromString(s.text(2), Qt::ISODateWithMs);
        g.uploads = s.integer(3);
        out.append(g);
    }
    return out;
}

qint64 TMessageStore::uploadCount(const QByteArray &game) const
{
    QMutexLocker lock(&m_mutex);
    if (!m_db)
        return 0;
    Statement s(m_db, "SELECT COUNT(*) FROM upload WHERE game = ?1");
    s.bind(1, game);
    return s.ok() && s.step() == SQLITE_ROW ? s.integer(0) : 0;
}
