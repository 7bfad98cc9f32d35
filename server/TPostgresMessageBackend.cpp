#include "TPostgresMessageBackend.h"

#include <QMutexLocker>
#include <QUrl>

#include <libpq-fe.h>
#include <poll.h>

#include <initializer_list>

namespace {

const int GameClosedCode = 1102;
const int EventDeletedCode = 5000;
const char *Channel = "parquetix_messages";

// One parameter of a statement: bytes go binary, numbers and texts as text.
struct Param
{
    QByteArray value;
    bool binary = false;
    bool null = false;

    static Param bytes(const QByteArray &v) { return {v, true, false}; }
    static Param text(const QString &v) { return {v.toUtf8(), false, false}; }
    static Param number(qint64 v) { return {QByteArray::number(v), false, false}; }
    static Param none() { return {QByteArray(), false, true}; }
};

// A result that clears itself.
class Result
{
public:
    explicit Result(PGresult *r) : m_r(r) {}
    ~Result() { PQclear(m_r); }
    Result(const Result &) = delete;
    Result &operator=(const Result &) = delete;

    bool ok() const
    {
        const ExecStatusType s = PQresultStatus(m_r);
        return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK;
    }
    int rows() const { return PQntuples(m_r); }
    bool isNull(int row, int col) const { return PQgetisnull(m_r, row, col); }
    QByteArray text(int row, int col) const
    {
        return QByteArray(PQgetvalue(m_r, row, col), PQgetlength(m_r, row, col));
    }
    qint64 integer(int row, int col) const { return text(row, col).toLongLong(); }
    QByteArray bytes(int row, int col) const
    {
        size_t n = 0;
        unsigned char *raw =
            PQunescapeBytea(reinterpret_cast<const unsigned char *>(PQgetvalue(m_r, row, col)), &n);
        const QByteArray out(reinterpret_cast<const char *>(raw), qsizetype(n));
        PQfreemem(raw);
        return out;
    }

private:
    PGresult *m_r;
};

PGresult *run(PGconn *db, const char *sql, std::initializer_list<Param> params = {})
{
    // Only a statement without parameters may hold several commands (the schema).
    if (params.size() == 0)
        return PQexec(db, sql);
    QList<const char *> values;
    QList<int> lengths;
    QList<int> formats;
    for (const Param &p : params) {
        values.append(p.null ? nullptr : p.value.constData());
        lengths.append(int(p.value.size()));
        formats.append(p.binary ? 1 : 0);
    }
    return PQexecParams(db, sql, int(values.size()), nullptr, values.constData(), lengths.constData(),
                        formats.constData(), 0);
}

bool command(PGconn *db, const char *sql, QString *error, std::initializer_list<Param> params = {})
{
    Result r(run(db, sql, params));
    if (r.ok())
        return true;
    if (error)
        *error = QString::fromUtf8(PQerrorMessage(db)).trimmed();
    return false;
}

QString errorOf(PGconn *db)
{
    return QString::fromUtf8(PQerrorMessage(db)).trimmed();
}

PGconn *connect(const QByteArray &conninfo, QString *error)
{
    PGconn *db = PQconnectdb(conninfo.constData());
    if (PQstatus(db) != CONNECTION_OK) {
        if (error)
            *error = QStringLiteral("cannot connect to PostgreSQL: %1").arg(errorOf(db));
        PQfinish(db);
        return nullptr;
    }
    // Notices of schema statements that change nothing are of no interest.
    PQsetNoticeProcessor(
        db, [](void *, const char *) {}, nullptr);
    return db;
}

// Each step brings the schema from the version before it to its own.
const char *const Upgrades[] = {
    R"(
    CREATE TABLE game (code bytea PRIMARY KEY);
    CREATE TABLE message (
        seq bigserial PRIMARY KEY,
        game bytea NOT NULL REFERENCES game(code),
        received text NOT NULL,
        via text NOT NULL,
        query bytea NOT NULL,
        code integer NOT NULL,
        event_id bigint,
        replaced_by bigint,
        deleted_by bigint);
    CREATE INDEX message_game ON message(game, seq);
    CREATE INDEX message_event ON message(game, event_id);
    -- One live message per event, whichever server stored it.
    CREATE UNIQUE INDEX message_live_event ON message(game, event_id)
        WHERE replaced_by IS NULL AND event_id IS NOT NULL AND code <> 1102;
    CREATE TABLE upload (
        seq bigserial PRIMARY KEY,
        game bytea NOT NULL,
        received text NOT NULL,
        box_bytes bigint NOT NULL,
        zip_bytes bigint NOT NULL);
    )",
};

} // namespace

TPostgresMessageBackend::~TPostgresMessageBackend()
{
    m_stop = true;
    if (m_listener.joinable())
        m_listener.join();
    PQfinish(m_writer);
    PQfinish(m_reader);
}

bool TPostgresMessageBackend::connectWriter(QString *error)
{
    PQfinish(m_writer);
    m_writer = connect(m_conninfo, error);
    if (!m_writer)
        return false;
    // "off" answers before the commit is on disk, like SQLite's NORMAL.
    if (!m_durable && !command(m_writer, "SET synchronous_commit = off", error))
        return false;
    m_ownPid = PQbackendPID(m_writer);
    return true;
}

bool TPostgresMessageBackend::open(const QString &location, bool durable, QString *error)
{
    m_conninfo = location.toUtf8();
    QUrl shown(location);
    shown.setPassword(QString());
    m_shown = shown.toString();
    m_durable = durable;
    if (!connectWriter(error))
        return false;
    // Servers starting together take turns at the schema.
    QString why;
    bool ok =
        command(m_writer, "BEGIN", &why) &&
        command(m_writer, "SELECT pg_advisory_xact_lock(7231000)", &why) &&
        command(m_writer, "CREATE TABLE IF NOT EXISTS parquetix_schema (version integer NOT NULL)", &why);
    int version = 0;
    if (ok) {
        Result r(run(m_writer, "SELECT version FROM parquetix_schema"));
        ok = r.ok();
        if (ok && r.rows() > 0)
            version = int(r.integer(0, 0));
        else if (ok)
            ok = command(m_writer, "INSERT INTO parquetix_schema (version) VALUES (0)", &why);
        if (!ok && why.isEmpty())
            why = errorOf(m_writer);
    }
    if (ok && version > SchemaVersion) {
        why = QStringLiteral("the database holds schema version %1, newer than this server's %2")
                  .arg(version)
                  .arg(SchemaVersion);
        ok = false;
    }
    for (int v = version; ok && v < SchemaVersion; ++v)
        ok = command(m_writer, Upgrades[v], &why) &&
             command(m_writer, "UPDATE parquetix_schema SET version = $1", &why, {Param::number(v + 1)});
    ok = ok && command(m_writer, "COMMIT", &why);
    if (!ok) {
        command(m_writer, "ROLLBACK", nullptr);
        if (error)
            *error = QStringLiteral("cannot set up the tables in %1: %2").arg(m_shown, why);
        return false;
    }
    QMutexLocker lock(&m_readMutex);
    m_reader = connect(m_conninfo, error);
    return m_reader != nullptr;
}

QString TPostgresMessageBackend::describe() const
{
    return QStringLiteral("PostgreSQL %1 (%2)")
        .arg(m_shown,
             m_durable ? QStringLiteral("synchronous commit") : QStringLiteral("synchronous_commit off"));
}

bool TPostgresMessageBackend::begin(QString *error)
{
    if (!m_writer || PQstatus(m_writer) != CONNECTION_OK) {
        if (!connectWriter(error))
            return false;
    }
    return command(m_writer, "BEGIN", error);
}

bool TPostgresMessageBackend::commit(QString *error)
{
    return command(m_writer, "COMMIT", error);
}

void TPostgresMessageBackend::rollback()
{
    command(m_writer, "ROLLBACK", nullptr);
}

bool TPostgresMessageBackend::savepoint(QString *error)
{
    return command(m_writer, "SAVEPOINT request", error);
}

bool TPostgresMessageBackend::releaseSavepoint(QString *error)
{
    return command(m_writer, "RELEASE SAVEPOINT request", error);
}

void TPostgresMessageBackend::rollbackToSavepoint()
{
    command(m_writer, "ROLLBACK TO SAVEPOINT request", nullptr);
    command(m_writer, "RELEASE SAVEPOINT request", nullptr);
}

bool TPostgresMessageBackend::lockGame(const QByteArray &game, QString *error)
{
    return command(m_writer, "INSERT INTO game (code) VALUES ($1) ON CONFLICT DO NOTHING", error,
                   {Param::bytes(game)}) &&
           command(m_writer, "SELECT 1 FROM game WHERE code = $1 FOR UPDATE", error, {Param::bytes(game)});
}

bool TPostgresMessageBackend::recentOfEvent(const QByteArray &game, qint64 id, int count,
                                            QList<QByteArray> *queries, QString *error)
{
    Result r(
        run(m_writer,
            "SELECT query FROM message WHERE game = $1 AND event_id = $2 AND code <> $3 "
            "ORDER BY seq DESC LIMIT $4",
            {Param::bytes(game), Param::number(id), Param::number(GameClosedCode), Param::number(count)}));
    if (!r.ok()) {
        if (error)
            *error = errorOf(m_writer);
        return false;
    }
    queries->clear();
    for (int i = 0; i < r.rows(); ++i)
        queries->prepend(r.bytes(i, 0));
    return true;
}

bool TPostgresMessageBackend::hasIdentical(const QByteArray &game, int code, bool withId,
                                           const QByteArray &query, bool *found, QString *error)
{
    Result r(run(m_writer,
                 withId ? "SELECT 1 FROM message WHERE game = $1 AND code = $2 AND query = $3 LIMIT 1"
                        : "SELECT 1 FROM message WHERE game = $1 AND event_id IS NULL AND code = $2 "
                          "AND query = $3 LIMIT 1",
                 {Param::bytes(game), Param::number(code), Param::bytes(query)}));
    if (!r.ok()) {
        if (error)
            *error = errorOf(m_writer);
        return false;
    }
    *found = r.rows() > 0;
    return true;
}

bool TPostgresMessageBackend::insert(const TLiveMessage &m, const QByteArray &via, const QString &received,
                                     qint64 *seq, QString *error)
{
    Result next(run(m_writer, "SELECT nextval(pg_get_serial_sequence('message', 'seq'))"));
    if (!next.ok() || next.rows() != 1) {
        if (error)
            *error = errorOf(m_writer);
        return false;
    }
    *seq = next.integer(0, 0);
    // The unique index allows one live message per event at any moment, so
    // the one it replaces steps aside before it comes in.
    if (m.id() && m.code() != GameClosedCode && !markReplaced(m.gameCode(), *m.id(), *seq, error))
        return false;
    return command(m_writer,
                   "INSERT INTO message (seq, game, received, via, query, code, event_id) "
                   "VALUES ($1, $2, $3, $4, $5, $6, $7)",
                   error,
                   {Param::number(*seq), Param::bytes(m.gameCode()), Param::text(received),
                    Param::text(QString::fromLatin1(via)), Param::bytes(m.query()), Param::number(m.code()),
                    m.id() ? Param::number(*m.id()) : Param::none()});
}

bool TPostgresMessageBackend::markReplaced(const QByteArray &game, qint64 id, qint64 seq, QString *error)
{
    return command(
        m_writer,
        "UPDATE message SET replaced_by = $1 WHERE game = $2 AND event_id = $3 "
        "AND seq < $1 AND replaced_by IS NULL AND code <> $4",
        error, {Param::number(seq), Param::bytes(game), Param::number(id), Param::number(GameClosedCode)});
}

bool TPostgresMessageBackend::markDeleted(const QByteArray &game, qint64 target, qint64 seq, QString *error)
{
    return command(
        m_writer,
        "UPDATE message SET deleted_by = $1 WHERE game = $2 AND event_id = $3 "
        "AND seq < $1 AND replaced_by IS NULL AND deleted_by IS NULL AND code <> $4 AND code <> $5",
        error,
        {Param::number(seq), Param::bytes(game), Param::number(target), Param::number(GameClosedCode),
         Param::number(EventDeletedCode)});
}

bool TPostgresMessageBackend::announce(const QByteArray &game, QString *error)
{
    // Delivered with the commit, to every server listening (this one too).
    return command(
        m_writer, "SELECT pg_notify($1, $2)", error,
        {Param::text(QString::fromLatin1(Channel)), Param::text(QString::fromLatin1(game.toHex()))});
}

bool TPostgresMessageBackend::addUpload(const QByteArray &game, const QString &received, qint64 boxBytes,
                                        qint64 zipBytes, QString *error)
{
    QMutexLocker lock(&m_readMutex);
    PGconn *db = reader();
    if (!db) {
        if (error)
            *error = QStringLiteral("no connection to PostgreSQL");
        return false;
    }
    return command(
        db, "INSERT INTO upload (game, received, box_bytes, zip_bytes) VALUES ($1, $2, $3, $4)", error,
        {Param::bytes(game), Param::text(received), Param::number(boxBytes), Param::number(zipBytes)});
}

PGconn *TPostgresMessageBackend::reader() const
{
    if (m_reader && PQstatus(m_reader) == CONNECTION_OK)
        return m_reader;
    PQfinish(m_reader);
    m_reader = connect(m_conninfo, nullptr);
    return m_reader;
}

QList<TStoredMessage> TPostgresMessageBackend::messages(const QByteArray &game) const
{
    QList<TStoredMessage> out;
    QMutexLocker lock(&m_readMutex);
    PGconn *db = reader();
    if (!db)
        return out;
    Result r(run(db,
                 "SELECT seq, received, via, query, code, event_id, replaced_by, deleted_by "
                 "FROM message WHERE game = $1 ORDER BY seq",
                 {Param::bytes(game)}));
    for (int i = 0; r.ok() && i < r.rows(); ++i) {
        TStoredMessage m;
        m.seq = r.integer(i, 0);
        m.game = game;
        m.received = QDateTime::fromString(QString::fromUtf8(r.text(i, 1)), Qt::ISODateWithMs);
        m.via = r.text(i, 2);
        m.query = r.bytes(i, 3);
        m.code = int(r.integer(i, 4));
        if (!r.isNull(i, 5))
            m.eventId = r.integer(i, 5);
        m.replacedBy = r.isNull(i, 6) ? 0 : r.integer(i, 6);
        m.deletedBy = r.isNull(i, 7) ? 0 : r.integer(i, 7);
        out.append(m);
    }
    return out;
}

QList<TGameInfo> TPostgresMessageBackend::games() const
{
    QList<TGameInfo> out;
    QMutexLocker lock(&m_readMutex);
    PGconn *db = reader();
    if (!db)
        return out;
    Result r(run(db, R"(
        SELECT game, SUM(messages), MAX(last), SUM(uploads) FROM (
            SELECT game, COUNT(*) AS messages, MAX(received) AS last, 0 AS uploads FROM message GROUP BY game
            UNION ALL
            SELECT game, 0, MAX(received), COUNT(*) FROM upload GROUP BY game) AS activity
        GROUP BY game ORDER BY MAX(last) DESC, game)"));
    for (int i = 0; r.ok() && i < r.rows(); ++i) {
        TGameInfo g;
        g.game = r.bytes(i, 0);
        g.messages = r.integer(i, 1);
        g.lastReceived = QDateTime::fromString(QString::fromUtf8(r.text(i, 2)), Qt::ISODateWithMs);
        g.uploads = r.integer(i, 3);
        out.append(g);
    }
    return out;
}

qint64 TPostgresMessageBackend::uploadCount(const QByteArray &game) const
{
    QMutexLocker lock(&m_readMutex);
    PGconn *db = reader();
    if (!db)
        return 0;
    Result r(run(db, "SELECT COUNT(*) FROM upload WHERE game = $1", {Param::bytes(game)}));
    return r.ok() && r.rows() == 1 ? r.integer(0, 0) : 0;
}

void TPostgresMessageBackend::watchOthers(std::function<void(const QByteArray &)> changed)
{
    m_changed = std::move(changed);
    if (!m_listener.joinable())
        m_listener = std::thread([this] { listen(); });
}

void TPostgresMessageBackend::listen()
{
    PGconn *db = nullptr;
    while (!m_stop) {
        if (!db || PQstatus(db) != CONNECTION_OK) {
            PQfinish(db);
            db = connect(m_conninfo, nullptr);
            if (!db || !command(db, "LISTEN parquetix_messages", nullptr)) {
                // The database is away; try again shortly.
                for (int i = 0; i < 10 && !m_stop; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                continue;
            }
        }
        pollfd fd{PQsocket(db), POLLIN, 0};
        if (::poll(&fd, 1, 200) <= 0)
            continue;
        if (!PQconsumeInput(db))
            continue; // the status check above reconnects
        while (PGnotify *n = PQnotifies(db)) {
            // This server's own commits were announced as they happened.
            if (n->be_pid != m_ownPid && m_changed)
                m_changed(QByteArray::fromHex(QByteArray(n->extra)));
            PQfreemem(n);
        }
    }
    PQfinish(db);
}
