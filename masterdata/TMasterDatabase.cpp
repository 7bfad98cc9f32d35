#include "TMasterDatabase.h"

#include "masterdata/TSchema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QAtomicInt connectionCounter;

const QString kDatabaseFileName = QStringLiteral("parquetix.db");

// Values the same once stored: NULL and "" differ, so a NULL column is
// written over with the empty text the upsert supplies.
bool sameValue(const QVariant &stored, const QVariant &wanted, bool numeric)
{
    if (stored.isNull() != wanted.isNull())
        return false;
    if (stored.isNull())
        return true;
    if (numeric)
        return stored.toLongLong() == wanted.toLongLong();
    return stored.toString() == wanted.toString();
}

} // namespace

TMasterDatabase::TMasterDatabase(QString databaseFile)
    : m_path(std::move(databaseFile)),
      m_connection(QStringLiteral("parquetix-dm-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

TMasterDatabase::~TMasterDatabase()
{
    Close();
}

QString TMasterDatabase::DatabaseFileName()
{
    return kDatabaseFileName;
}

QString TMasterDatabase::DatabaseFile(const QString &home)
{
    return QDir(home).filePath(QStringLiteral("Datastore/") + kDatabaseFileName);
}

QString TMasterDatabase::OriginalFile(const QString &databaseFile)
{
    const QFileInfo info(databaseFile);
    return QDir(info.absolutePath()).filePath(QStringLiteral("Original/") + info.fileName());
}

bool TMasterDatabase::IsOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

bool TMasterDatabase::Fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool TMasterDatabase::EnsureOpen()
{
    m_lastError.clear();
    if (!IsOpen())
        return Fail(QStringLiteral("The database is not open"));
    return true;
}

bool TMasterDatabase::Open()
{
    Close();
    m_lastError.clear();
    const bool inMemory = m_path == QLatin1String(":memory:");
    if (!inMemory && !QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Fail(QStringLiteral("Cannot create the folder of %1").arg(m_path));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    if (!m_db.open()) {
        const QString why = m_db.lastError().text();
        Close();
        return Fail(QStringLiteral("Cannot open %1: %2").arg(m_path, why));
    }
    QString why;
    if (!TSchema::Upgrade(m_db, &why)) {
        Close();
        return Fail(QStringLiteral("%1: %2").arg(m_path, why));
    }
    if (!inMemory && !QFileInfo::exists(OriginalFile(m_path)) && !createOriginal()) {
        const QString reason = m_lastError;
        Close();
        return Fail(reason);
    }
    return true;
}

bool TMasterDatabase::createOriginal()
{
    const QString original = OriginalFile(m_path);
    if (!QDir().mkpath(QFileInfo(original).absolutePath()))
        return Fail(QStringLiteral("Cannot create the folder of %1").arg(original));
    // Built beside its final name and renamed, so a crash leaves no half copy.
    const QString temporary = original + QStringLiteral(".new");
    QFile::remove(temporary);
    const QString connection = m_connection + QStringLiteral("-original");
    QString why;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temporary);
        if (!db.open())
            why = db.lastError().text();
        else
            ok = TSchema::Upgrade(db, &why);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok && !QFile::rename(temporary, original)) {
        ok = false;
        why = QStringLiteral("cannot rename %1").arg(temporary);
    }
    if (!ok) {
        QFile::remove(temporary);
        return Fail(QStringLiteral("Cannot create the pristine copy %1: %2").arg(original, why));
    }
    return true;
}

void TMasterDatabase::Close()
{
    m_prepared.clear();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool TMasterDatabase::BeginTransaction()
{
    if (!EnsureOpen())
        return false;
    return m_db.transaction() || Fail(m_db.lastError().text());
}

bool TMasterDatabase::Commit()
{
    if (!EnsureOpen())
        return false;
    return m_db.commit() || Fail(m_db.lastError().text());
}

bool TMasterDatabase::Rollback()
{
    if (!EnsureOpen())
        return false;
    return m_db.rollback() || Fail(m_db.lastError().text());
}

QSqlQuery *TMasterDatabase::Prepare(const QString &sql)
{
    auto it = m_prepared.find(sql);
    if (it != m_prepared.end()) {
        it.value()->finish();
        return it.value().get();
    }
    auto q = std::make_shared<QSqlQuery>(m_db);
    if (!q->prepare(sql)) {
        Fail(q->lastError().text());
        return nullptr;
    }
    m_prepared.insert(sql, q);
    return q.get();
}

bool TMasterDatabase::Exec(QSqlQuery *q)
{
    if (!q)
        return false;
    if (!q->exec())
        return Fail(q->lastError().text());
    return true;
}

QVariant TMasterDatabase::bindable(const QString &table, const QString &column, const QVariant &value) const
{
    const TSchema::TTable *t = TSchema::Table(table);
    const TSchema::TColumn *c = t ? t->column(column) : nullptr;
    if (c && c->type == TSchema::TType::Text)
        return TSchema::CutTo(value.toString(), c->width);
    return value;
}

qint64 TMasterDatabase::Upsert(const QString &table, const QStringList &keyColumns,
                               const QVariantList &keyValues, const QStringList &setColumns,
                               const QVariantList &setValues, const QString &idColumn)
{
    if (!EnsureOpen())
        return -1;
    const TSchema::TTable *t = TSchema::Table(table);
    Q_ASSERT(t);
    const QString id = idColumn.isEmpty() ? QStringLiteral("rowid") : TSchema::Quote(idColumn);

    QStringList where;
    for (int i = 0; i < keyColumns.size(); ++i)
        where << QStringLiteral("%1 = :k%2").arg(TSchema::Quote(keyColumns.at(i))).arg(i);
    QStringList selected{QStringLiteral("rowid AS \"_rowid\""), id + QStringLiteral(" AS \"_id\"")};
    for (const QString &c : setColumns)
        selected << TSchema::Quote(c);
    QSqlQuery *find = Prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                                  .arg(selected.join(QLatin1String(", ")), TSchema::Quote(table),
                                       where.join(QLatin1String(" AND "))));
    if (!find)
        return -1;
    for (int i = 0; i < keyColumns.size(); ++i)
        find->bindValue(QStringLiteral(":k%1").arg(i), bindable(table, keyColumns.at(i), keyValues.at(i)));
    if (!Exec(find))
        return -1;

    QVariantList values;
    for (int i = 0; i < setColumns.size(); ++i)
        values << bindable(table, setColumns.at(i), setValues.at(i));

    if (find->next()) {
        const qint64 rowId = find->value(0).toLongLong();
        const qint64 localId = find->value(1).toLongLong();
        bool same = true;
        for (int i = 0; i < setColumns.size() && same; ++i) {
            const bool numeric = t->column(setColumns.at(i))->type != TSchema::TType::Text;
            same = sameValue(find->value(2 + i), values.at(i), numeric);
        }
        find->finish();
        if (same)
            return localId;
        QStringList assignments;
        for (int i = 0; i < setColumns.size(); ++i)
            assignments << QStringLiteral("%1 = :v%2").arg(TSchema::Quote(setColumns.at(i))).arg(i);
        QSqlQuery *update = Prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = :rowid")
                                        .arg(TSchema::Quote(table), assignments.join(QLatin1String(", "))));
        if (!update)
            return -1;
        for (int i = 0; i < values.size(); ++i)
            update->bindValue(QStringLiteral(":v%1").arg(i), values.at(i));
        update->bindValue(QStringLiteral(":rowid"), rowId);
        if (!Exec(update))
            return -1;
        ++m_changes[table].changed;
        return localId;
    }
    find->finish();

    QStringList columns = keyColumns;
    QVariantList inserted = keyValues;
    for (int i = 0; i < setColumns.size(); ++i) {
        if (!columns.contains(setColumns.at(i))) {
            columns << setColumns.at(i);
            inserted << setValues.at(i);
        }
    }
    QStringList quoted, placeholders;
    for (int i = 0; i < columns.size(); ++i) {
        quoted << TSchema::Quote(columns.at(i));
        placeholders << QStringLiteral(":c%1").arg(i);
    }
    QSqlQuery *insert = Prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(TSchema::Quote(table), quoted.join(QLatin1String(", ")),
                                         placeholders.join(QLatin1String(", "))));
    if (!insert)
        return -1;
    for (int i = 0; i < columns.size(); ++i)
        insert->bindValue(placeholders.at(i), bindable(table, columns.at(i), inserted.at(i)));
    if (!Exec(insert))
        return -1;
    const qint64 newId = insert->lastInsertId().toLongLong();
    ++m_changes[table].added;
    return newId;
}

int TMasterDatabase::RowCount(const QString &table)
{
    if (!EnsureOpen())
        return -1;
    if (!TSchema::Table(table)) {
        Fail(QStringLiteral("No table %1").arg(table));
        return -1;
    }
    QSqlQuery *q = Prepare(QStringLiteral("select count(*) from %1").arg(TSchema::Quote(table)));
    if (!q || !Exec(q) || !q->next())
        return -1;
    const int n = q->value(0).toInt();
    q->finish();
    return n;
}

bool TMasterDatabase::Query(const QString &sql, const QVariantMap &parameters, QList<QVariantMap> *result)
{
    if (!EnsureOpen())
        return false;
    // Free statements are not kept prepared: their text changes for each use.
    QSqlQuery q(m_db);
    if (!q.prepare(sql))
        return Fail(q.lastError().text());
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        q.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(),
                    it.value());
    if (!q.exec())
        return Fail(q.lastError().text());
    if (result) {
        result->clear();
        while (q.next()) {
            QVariantMap row;
            const QSqlRecord record = q.record();
            for (int i = 0; i < record.count(); ++i)
                row.insert(record.fieldName(i), q.value(i));
            result->append(row);
        }
    }
    return true;
}

bool TMasterDatabase::EmptyDatabase()
{
    if (!EnsureOpen())
        return false;
    const QString original = OriginalFile(m_path);
    if (m_path == QLatin1String(":memory:") || !QFileInfo::exists(original))
        return Fail(QStringLiteral("The pristine copy %1 is missing").arg(original));

    // An older pristine copy is brought to the current schema first, so its
    // columns match ours.
    {
        const QString connection = m_connection + QStringLiteral("-pristine");
        QString why;
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(original);
            ok = db.open() ? TSchema::Upgrade(db, &why) : (why = db.lastError().text(), false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
        if (!ok)
            return Fail(QStringLiteral("%1: %2").arg(original, why));
    }

    m_prepared.clear();
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("ATTACH DATABASE :PFILE AS pristine"));
    q.bindValue(QStringLiteral(":PFILE"), original);
    if (!q.exec())
        return Fail(q.lastError().text());

    QString why;
    if (!m_db.transaction()) {
        why = m_db.lastError().text();
    } else {
        const QStringList tables = TSchema::MasterDataTables();
        QStringList quotedNames;
        for (const QString &table : tables) {
            const QString columns = [&] {
                QStringList quoted;
                for (const QString &c : TSchema::Table(table)->columnNames())
                    quoted << TSchema::Quote(c);
                return quoted.join(QLatin1String(", "));
            }();
            if (!q.exec(QStringLiteral("DELETE FROM main.%1").arg(TSchema::Quote(table))) ||
                !q.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM pristine.%1")
                            .arg(TSchema::Quote(table), columns))) {
                why = q.lastError().text();
                break;
            }
            quotedNames << QLatin1Char('\'') + table + QLatin1Char('\'');
        }
        // Identifiers start again where the pristine copy left them.
        if (why.isEmpty()) {
            const QString names = quotedNames.join(QLatin1String(", "));
            if (!q.exec(QStringLiteral("DELETE FROM main.sqlite_sequence WHERE name IN (%1)").arg(names)) ||
                !q.exec(QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) SELECT name, seq FROM "
                                       "pristine.sqlite_sequence WHERE name IN (%1)")
                            .arg(names)))
                why = q.lastError().text();
        }
        if (why.isEmpty() && !m_db.commit())
            why = m_db.lastError().text();
        if (!why.isEmpty())
            m_db.rollback();
    }
    q.finish();
    if (!q.exec(QStringLiteral("DETACH DATABASE pristine")) && why.isEmpty())
        why = q.lastError().text();
    if (!why.isEmpty())
        return Fail(QStringLiteral("Cannot empty the database: %1").arg(why));
    return true;
}
