#pragma once

#include <QHash>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

class QSqlQuery;

// The connection to the local database and its schema: opening (creating or
// upgrading the schema, making the pristine copy), transactions, prepared
// statements, the keyed upsert every table shares and the reset to the
// pristine master data. Every text written is cut to its column's width.
class TMasterDatabase
{
public:
    struct TChanges
    {
        int added = 0;
        int changed = 0;
    };

    explicit TMasterDatabase(QString databaseFile);
    ~TMasterDatabase();
    TMasterDatabase(const TMasterDatabase &) = delete;
    TMasterDatabase &operator=(const TMasterDatabase &) = delete;

    static QString DatabaseFileName(); // "parquetix.db"
    static QString DatabaseFile(const QString &home);
    static QString OriginalFile(const QString &databaseFile);
    const QString &Path() const { return m_path; }

    bool Open();
    void Close();
    bool IsOpen() const;
    QString LastError() const { return m_lastError; }
    // Clears the last error; false (with the error set) when the database is closed.
    bool EnsureOpen();
    // Keeps the message as the last error; always false.
    bool Fail(const QString &message);

    bool BeginTransaction();
    bool Commit();
    bool Rollback();

    // A statement prepared once and kept; null (with the error set) when it
    // does not prepare.
    // forwardOnly: the rows are read once, in order, and never counted or
    // revisited, which spares Qt copying every row into a cache first.
    QSqlQuery *Prepare(const QString &sql, bool forwardOnly = false);
    bool Exec(QSqlQuery *q);

    // The row whose key columns hold the key values gets the set values;
    // without one a row is inserted. Returns the idColumn (rowid when empty)
    // of the row, or -1 on a storage error.
    qint64 Upsert(const QString &table, const QStringList &keyColumns, const QVariantList &keyValues,
                  const QStringList &setColumns, const QVariantList &setValues, const QString &idColumn);
    // While on (inside one transaction, with no writer but Upsert), an upsert
    // reads its table once and finds and compares rows in memory, so that a
    // merge that changes little costs little more than reading. Off forgets.
    void SetRowCache(bool on);
    // Rows added and changed since the last reset, per table.
    QMap<QString, TChanges> Changes() const { return m_changes; }
    void ResetChanges() { m_changes.clear(); }
    void CountAdded(const QString &table) { ++m_changes[table].added; }

    int RowCount(const QString &table);
    bool Query(const QString &sql, const QVariantMap &parameters, QList<QVariantMap> *rows);
    bool EmptyDatabase();

private:
    // The statements and column facts of one kind of upsert, made once.
    struct TCachedRow
    {
        qint64 RowId = 0;
        qint64 Id = 0;
        QVariantList Values; // of the set columns
    };
    struct TUpsertPlan
    {
        QString Table;
        QSqlQuery *Find = nullptr;
        QSqlQuery *Load = nullptr; // every row, for the cache
        bool Loaded = false;
        QHash<QString, TCachedRow> Rows; // by key, the first row of each
        QSqlQuery *Update = nullptr;
        QSqlQuery *Insert = nullptr;
        QList<int> KeyWidth;     // text width of each key column, -1 when not text
        QList<int> SetWidth;     // the same for the set columns
        QList<int> InsertedSets; // the set columns that are not key columns
    };
    static QString cacheKey(const QVariantList &keys);
    bool loadRows(TUpsertPlan &plan);
    void forgetOtherCaches(const TUpsertPlan &plan);
    TUpsertPlan *upsertPlan(const QString &table, const QStringList &keyColumns,
                            const QStringList &setColumns, const QString &idColumn);
    void clearPrepared();
    bool createOriginal();

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared;
    QHash<QString, TUpsertPlan> m_plans;
    bool m_rowCache = false;
    QString m_lastError;
    QMap<QString, TChanges> m_changes;
};
