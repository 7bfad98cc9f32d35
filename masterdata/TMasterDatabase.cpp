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

void TMasterDatabase::clearPrepared()
{
    m_plans.clear();
    m_prepared.clear();
}

void TMasterDatabase::Close()
{
    clearPrepared();
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

QSqlQuery *TMasterDatabase::Prepare(const QString &sql, bool forwardOnly)
{
    auto it = m_prepared.find(sql);
    if (it != m_prepared.end()) {
        it.value()->finish();
        return it.value().get();
    }
    auto q = std::make_shared<QSqlQuery>(m_db);
    q->setForwardOnly(forwardOnly);
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

TMasterDatabase::TUpsertPlan *TMasterDatabase::upsertPlan(const QString &table, const QStringList &keyColumns,
                                                          const QStringList &setColumns,
                                                          const QString &idColumn)
{
    const QChar unit(0x1f), group(0x1e);
    const QString signature =
        table + group + keyColumns.join(unit) + group + setColumns.join(unit) + group + idColumn;
    auto it = m_plans.find(signature);
    if (it != m_plans.end()) {
        for (QSqlQuery *q : {it->Find, it->Load, it->Update, it->Insert})
            if (q)
                q->finish();
        return &it.value();
    }
    const TSchema::TTable *t = TSchema::Table(table);
    Q_ASSERT(t);
    auto width = [t](const QString &column) {
        const TSchema::TColumn *c = t->column(column);
        return c && c->type == TSchema::TType::Text ? c->width : -1;
    };
    TUpsertPlan plan;
    plan.Table = table;
    QStringList where;
    for (const QString &c : keyColumns) {
        where << TSchema::Quote(c) + QStringLiteral(" = ?");
        plan.KeyWidth << width(c);
    }
    const QString id = idColumn.isEmpty() ? QStringLiteral("rowid") : TSchema::Quote(idColumn);
    QStringList selected{QStringLiteral("rowid"), id};
    QStringList assignments;
    QStringList inserted = keyColumns;
    for (int i = 0; i < setColumns.size(); ++i) {
        selected << TSchema::Quote(setColumns.at(i));
        assignments << TSchema::Quote(setColumns.at(i)) + QStringLiteral(" = ?");
        plan.SetWidth << width(setColumns.at(i));
        if (!keyColumns.contains(setColumns.at(i))) {
            inserted << setColumns.at(i);
            plan.InsertedSets << i;
        }
    }
    const QString quotedTable = TSchema::Quote(table);
    plan.Find =
        Prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                    .arg(selected.join(QLatin1String(", ")), quotedTable, where.join(QLatin1String(" AND "))),
                true);
    // Only text keys are cached: SQL compares them as the cache does.
    if (!plan.KeyWidth.contains(-1)) {
        QStringList loaded = selected;
        for (const QString &c : keyColumns)
            loaded << TSchema::Quote(c);
        plan.Load = Prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                .arg(loaded.join(QLatin1String(", ")), quotedTable),
                            true);
        if (!plan.Load)
            return nullptr;
    }
    if (!setColumns.isEmpty())
        plan.Update = Prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                  .arg(quotedTable, assignments.join(QLatin1String(", "))));
    QStringList quoted;
    for (const QString &c : inserted)
        quoted << TSchema::Quote(c);
    plan.Insert =
        Prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(quotedTable, quoted.join(QLatin1String(", ")),
                         QStringList(inserted.size(), QStringLiteral("?")).join(QLatin1String(", "))));
    if (!plan.Find || (!setColumns.isEmpty() && !plan.Update) || !plan.Insert)
        return nullptr;
    return &m_plans.insert(signature, plan).value();
}

qint64 TMasterDatabase::Upsert(const QString &table, const QStringList &keyColumns,
                               const QVariantList &keyValues, const QStringList &setColumns,
                               const QVariantList &setValues, const QString &idColumn)
{
    if (!EnsureOpen())
        return -1;
    TUpsertPlan *plan = upsertPlan(table, keyColumns, setColumns, idColumn);
    if (!plan)
        return -1;
    // Texts are cut to their columns' widths before they are compared or written.
    auto cut = [](const QVariant &value, int width) {
        return width < 0 ? value : QVariant(TSchema::CutTo(value.toString(), width));
    };
    QVariantList keys;
    for (int i = 0; i < keyColumns.size(); ++i)
        keys << cut(keyValues.at(i), plan->KeyWidth.at(i));
    QVariantList values;
    for (int i = 0; i < setColumns.size(); ++i)
        values << cut(setValues.at(i), plan->SetWidth.at(i));

    TCachedRow found;
    bool exists = false;
    TCachedRow *cached = nullptr;
    QString key;
    if (m_rowCache && plan->Load) {
        if (!plan->Loaded && !loadRows(*plan))
            return -1;
        key = cacheKey(keys);
        auto it = plan->Rows.find(key);
        if (it != plan->Rows.end()) {
            cached = &it.value();
            found = *cached;
            exists = true;
        }
    } else {
        QSqlQuery *find = plan->Find;
        for (int i = 0; i < keys.size(); ++i)
            find->bindValue(i, keys.at(i));
        if (!Exec(find))
            return -1;
        if (find->next()) {
            exists = true;
            found.RowId = find->value(0).toLongLong();
            found.Id = find->value(1).toLongLong();
            for (int i = 0; i < setColumns.size(); ++i)
                found.Values << find->value(2 + i);
        }
        find->finish();
    }

    if (exists) {
        bool same = true;
        for (int i = 0; i < setColumns.size() && same; ++i)
            same = sameValue(found.Values.at(i), values.at(i), plan->SetWidth.at(i) < 0);
        if (same)
            return found.Id;
        QSqlQuery *update = plan->Update;
        for (int i = 0; i < values.size(); ++i)
            update->bindValue(i, values.at(i));
        update->bindValue(int(values.size()), found.RowId);
        if (!Exec(update))
            return -1;
        forgetOtherCaches(*plan);
        if (cached)
            cached->Values = values;
        ++m_changes[table].changed;
        return found.Id;
    }

    QSqlQuery *insert = plan->Insert;
    int at = 0;
    for (const QVariant &k : std::as_const(keys))
        insert->bindValue(at++, k);
    for (const int i : plan->InsertedSets)
        insert->bindValue(at++, values.at(i));
    if (!Exec(insert))
        return -1;
    const qint64 newId = insert->lastInsertId().toLongLong();
    forgetOtherCaches(*plan);
    if (m_rowCache && plan->Loaded)
        plan->Rows.insert(key, TCachedRow{newId, newId, values});
    ++m_changes[table].added;
    return newId;
}

void TMasterDatabase::SetRowCache(bool on)
{
    m_rowCache = on;
    for (TUpsertPlan &plan : m_plans) {
        plan.Loaded = false;
        plan.Rows.clear();
    }
}

QString TMasterDatabase::cacheKey(const QVariantList &keys)
{
    QString key;
    for (const QVariant &k : keys) {
        key += k.toString();
        key += QChar(0x1f);
    }
    return key;
}

bool TMasterDatabase::loadRows(TUpsertPlan &plan)
{
    QSqlQuery *load = plan.Load;
    if (!Exec(load))
        return false;
    const int sets = int(plan.SetWidth.size());
    const int keys = int(plan.KeyWidth.size());
    plan.Rows.clear();
    while (load->next()) {
        QVariantList keyValues;
        bool nullKey = false;
        for (int i = 0; i < keys; ++i) {
            const QVariant v = load->value(2 + sets + i);
            nullKey = nullKey || v.isNull(); // "= ?" never finds a NULL
            keyValues << v;
        }
        if (nullKey)
            continue;
        const QString key = cacheKey(keyValues);
        if (plan.Rows.contains(key))
            continue; // the first row by rowid is the one found
        TCachedRow row{load->value(0).toLongLong(), load->value(1).toLongLong(), {}};
        for (int i = 0; i < sets; ++i)
            row.Values << load->value(2 + i);
        plan.Rows.insert(key, std::move(row));
    }
    load->finish();
    plan.Loaded = true;
    return true;
}

void TMasterDatabase::forgetOtherCaches(const TUpsertPlan &plan)
{
    // Another kind of upsert on the same table keeps other columns.
    for (TUpsertPlan &other : m_plans)
        if (&other != &plan && other.Table == plan.Table && other.Loaded) {
            other.Loaded = false;
            other.Rows.clear();
        }
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

    clearPrepared();
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
