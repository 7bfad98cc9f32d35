#include "TSqliteMessageBackend.h"

#include <sqlite3.h>

#include <mutex>

namespace {

const int GameClosedCode = 1102;
const int EventDeletedCode = 5000;

// A prepared statement that finalises itself.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) : m_db(db) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
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
    int step() { return m_stmt ? sqlite3_step(m_stmt) : SQLITE_ERROR; }
    // Runs a statement that returns no rows; false with error otherwise.
    bool run(QString *error)
    {
        if (step() == SQLITE_DONE)
            return true;
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
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
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

const char *Schema = R"(
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

sqlite3 *openConnection(const QString &path, QString *error)
{
    sqlite3 *db = nullptr;
    const QByteArray name = path.toUtf8();
    if (sqlite3_open_v2(name.constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error)
            *error =
                QStringLiteral("cannot open %1: %2")
                    .arg(path, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

TSqliteMessageBackend::~TSqliteMessageBackend()
{
    close();
}

void TSqliteMessageBackend::close()
{
    if (m_readDb)
        sqlite3_close(m_readDb);
    if (m_db)
        sqlite3_close(m_db);
    m_readDb = nullptr;
    m_db = nullptr;
}

bool TSqliteMessageBackend::exec(sqlite3 *db, const char *sql, QString *error) const
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(message ? message : "unknown database error");
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool TSqliteMessageBackend::open(const QString &location, bool durable, QString *error)
{
    close();
    m_path = location;
    m_durable = durable;
    m_db = openConnection(location, error);
    if (!m_db)
        return false;
    // FULL syncs the log at every commit, so "ok" is only said of what is on
    // the disk; NORMAL would lose the last commits on a power cut.
    const char *mode = durable ? "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"
                               : "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;";
    if (!exec(m_db, mode, error) || !exec(m_db, Schema, error)) {
        close();
        return false;
    }
    if (location != QLatin1String(":memory:")) {
        m_readDb = openConnection(location, error);
        if (!m_readDb) {
            close();
            return false;
        }
    }
    return true;
}

QString TSqliteMessageBackend::describe() const
{
    return QStringLiteral("SQLite %1 (%2)")
        .arg(m_path, m_durable ? QStringLiteral("synchronous FULL") : QStringLiteral("synchronous NORMAL"));
}

sqlite3 *TSqliteMessageBackend::reader(std::unique_lock<QMutex> *lock) const
{
    *lock = std::unique_lock<QMutex>(m_readDb ? m_readMutex : m_writeMutex);
    return m_readDb ? m_readDb : m_db;
}

bool TSqliteMessageBackend::begin(QString *error)
{
    if (!m_db) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    m_writeMutex.lock();
    if (!exec(m_db, "BEGIN IMMEDIATE", error)) {
        m_writeMutex.unlock();
        return false;
    }
    return true;
}

bool TSqliteMessageBackend::commit(QString *error)
{
    const bool ok = exec(m_db, "COMMIT", error);
    if (!ok)
        exec(m_db, "ROLLBACK", nullptr);
    m_writeMutex.unlock();
    return ok;
}

void TSqliteMessageBackend::rollback()
{
    exec(m_db, "ROLLBACK", nullptr);
    m_writeMutex.unlock();
}

bool TSqliteMessageBackend::savepoint(QString *error)
{
    return exec(m_db, "SAVEPOINT request", error);
}

bool TSqliteMessageBackend::releaseSavepoint(QString *error)
{
    return exec(m_db, "RELEASE SAVEPOINT request", error);
}

void TSqliteMessageBackend::rollbackToSavepoint()
{
    exec(m_db, "ROLLBACK TO SAVEPOINT request; RELEASE SAVEPOINT request", nullptr);
}

bool TSqliteMessageBackend::recentOfEvent(const QByteArray &game, qint64 id, int count,
                                          QList<QByteArray> *queries, QString *error)
{
    Statement s(m_db, "SELECT query FROM message WHERE game = ?1 AND event_id = ?2 AND code <> ?3 "
                      "ORDER BY seq DESC LIMIT ?4");
    s.bind(1, game);
    s.bind(2, id);
    s.bind(3, qint64(GameClosedCode));
    s.bind(4, qint64(count));
    queries->clear();
    int rc = SQLITE_ERROR;
    while (s.ok() && (rc = s.step()) == SQLITE_ROW)
        queries->prepend(s.blob(0));
    if (rc != SQLITE_DONE) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

bool TSqliteMessageBackend::hasIdentical(const QByteArray &game, int code, bool withId,
                                         const QByteArray &query, bool *found, QString *error)
{
    Statement s(m_db, withId ? "SELECT 1 FROM message WHERE game = ?1 AND code = ?2 AND query = ?3 LIMIT 1"
                             : "SELECT 1 FROM message WHERE game = ?1 AND event_id IS NULL AND code = ?2 "
                               "AND query = ?3 LIMIT 1");
    s.bind(1, game);
    s.bind(2, qint64(code));
    s.bind(3, query);
    const int rc = s.step();
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    *found = rc == SQLITE_ROW;
    return true;
}

bool TSqliteMessageBackend::insert(const TLiveMessage &m, const QByteArray &via, const QString &received,
                                   qint64 *seq, QString *error)
{
    Statement s(m_db, "INSERT INTO message (game, received, via, query, code, event_id) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    s.bind(1, m.gameCode());
    s.bindText(2, received);
    s.bindText(3, QString::fromLatin1(via));
    s.bind(4, m.query());
    s.bind(5, qint64(m.code()));
    if (m.id())
        s.bind(6, *m.id());
    else
        s.bindNull(6);
    if (!s.run(error))
        return false;
    *seq = sqlite3_last_insert_rowid(m_db);
    return true;
}

bool TSqliteMessageBackend::markReplaced(const QByteArray &game, qint64 id, qint64 seq, QString *error)
{
    Statement s(m_db, "UPDATE message SET replaced_by = ?1 WHERE game = ?2 AND event_id = ?3 "
                      "AND seq < ?1 AND replaced_by IS NULL AND code <> ?4");
    s.bind(1, seq);
    s.bind(2, game);
    s.bind(3, id);
    s.bind(4, qint64(GameClosedCode));
    return s.run(error);
}

bool TSqliteMessageBackend::markDeleted(const QByteArray &game, qint64 target, qint64 seq, QString *error)
{
    Statement s(m_db, "UPDATE message SET deleted_by = ?1 WHERE game = ?2 AND event_id = ?3 "
                      "AND seq < ?1 AND replaced_by IS NULL AND deleted_by IS NULL "
                      "AND code <> ?4 AND code <> ?5");
    s.bind(1, seq);
    s.bind(2, game);
    s.bind(3, target);
    s.bind(4, qint64(GameClosedCode));
    s.bind(5, qint64(EventDeletedCode));
    return s.run(error);
}

bool TSqliteMessageBackend::addUpload(const QByteArray &game, const QString &received, qint64 boxBytes,
                                      qint64 zipBytes, QString *error)
{
    if (!m_db) {
        if (error)
            *error = QStringLiteral("the message store is not open");
        return false;
    }
    std::lock_guard<QMutex> lock(m_writeMutex);
    Statement s(m_db, "INSERT INTO upload (game, received, box_bytes, zip_bytes) VALUES (?1, ?2, ?3, ?4)");
    s.bind(1, game);
    s.bindText(2, received);
    s.bind(3, boxBytes);
    s.bind(4, zipBytes);
    return s.run(error);
}

QList<TStoredMessage> TSqliteMessageBackend::messages(const QByteArray &game) const
{
    QList<TStoredMessage> out;
    std::unique_lock<QMutex> lock;
    sqlite3 *db = reader(&lock);
    if (!db)
        return out;
    Statement s(db, "SELECT seq, received, via, query, code, event_id, replaced_by, deleted_by "
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

QList<TGameInfo> TSqliteMessageBackend::games() const
{
    QList<TGameInfo> out;
    std::unique_lock<QMutex> lock;
    sqlite3 *db = reader(&lock);
    if (!db)
        return out;
    Statement s(db, R"(
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

qint64 TSqliteMessageBackend::uploadCount(const QByteArray &game) const
{
    std::unique_lock<QMutex> lock;
    sqlite3 *db = reader(&lock);
    if (!db)
        return 0;
    Statement s(db, "SELECT COUNT(*) FROM upload WHERE game = ?1");
    s.bind(1, game);
    return s.ok() && s.step() == SQLITE_ROW ? s.integer(0) : 0;
}
