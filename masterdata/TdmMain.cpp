#include "TdmMain.h"

#include "model/TNameOrder.h"

#include <algorithm>

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

QString str(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toString();
}

int num(const QSqlQuery &q, const char *column)
{
    return q.value(QLatin1String(column)).toInt();
}

void read(const QSqlQuery &q, TLeagueRow &r)
{
    r.LigaID = num(q, "LigaID");
    r.WebID = str(q, "WebID");
    r.LigaNev = str(q, "LigaNev");
    r.MusorLetezik = str(q, "MusorLetezik");
}

void read(const QSqlQuery &q, TTeamRow &r)
{
    r.CsapatID = num(q, "CsapatID");
    r.WebID = str(q, "WebID");
    r.EgyesuletNev = str(q, "EgyesuletNev");
    r.EgyesuletRovidNev = str(q, "EgyesuletRovidNev");
    r.EgyesuletSzin = str(q, "EgyesuletSzin");
    r.EgyesuletCim = str(q, "EgyesuletCim");
    r.EgyesuletTel = str(q, "EgyesuletTel");
    r.EgyesuletCsarnok = str(q, "EgyesuletCsarnok");
    r.EgyesuletCsarnokTelefon = str(q, "EgyesuletCsarnokTelefon");
    r.EgyesuletCsarnokFerohely = num(q, "EgyesuletCsarnokFerohely");
    r.EgyesuletEdzoNev = str(q, "EgyesuletEdzoNev");
    r.EgyesuletElnokNev = str(q, "EgyesuletElnokNev");
    r.EgyesuletTechNev = str(q, "EgyesuletTechNev");
    r.EgyesuletGyozelmek = str(q, "EgyesuletGyozelmek");
    r.EgyesuletEredetiNev = str(q, "EgyesuletEredetiNev");
}

void read(const QSqlQuery &q, TPlayerRow &r)
{
    r.JatekosID = num(q, "JatekosID");
    r.WebID = str(q, "WebID");
    r.JatekosNev = str(q, "JatekosNev");
    r.JatekosRovidNev = str(q, "JatekosRovidNev");
    r.Szuletes = str(q, "Szuletes");
    r.JatekosTestMagassag = num(q, "JatekosTestMagassag");
    r.JatekosSuly = num(q, "JatekosSuly");
    r.JatekosPoszt = str(q, "JatekosPoszt");
    r.JatekosMezSzam = num(q, "JatekosMezSzam");
    r.JatekosOrszagID = str(q, "JatekosOrszagID");
    r.JatekosEredetiNev = str(q, "JatekosEredetiNev");
}

void read(const QSqlQuery &q, TGameRow &r)
{
    r.ID = num(q, "ID");
    r.LigaID = num(q, "LigaID");
    r.HazaiCsapatID = num(q, "HazaiCsapatID");
    r.VendegCsapatID = num(q, "VendegCsapatID");
    r.LigaWebID = str(q, "LigaWebID");
    r.HazaiCsapatWebID = str(q, "HazaiCsapatWebID");
    r.VendegCsapatWebID = str(q, "VendegCsapatWebID");
    r.Datum = str(q, "Datum");
    r.Nap = str(q, "Nap");
    r.Ora = str(q, "Ora");
    r.MerkozesKod = str(q, "MerkozesKod");
    r.Note = str(q, "Note");
    r.Biro1 = str(q, "Biro1");
    r.Biro2 = str(q, "Biro2");
    r.Biro3 = str(q, "Biro3");
    r.LigaNev = str(q, "LookupLigaNev");
    r.HazaiCsapatNev = str(q, "LookupHazaiCsapatNev");
    r.VendegCsapatNev = str(q, "LookupVendegCsapatNev");
}

void read(const QSqlQuery &q, TLeagueTeamRow &r)
{
    r.LigaID = num(q, "LigaID");
    r.CsapatID = num(q, "CsapatID");
    r.LigaWebID = str(q, "LigaWebID");
    r.CsapatWebID = str(q, "CsapatWebID");
}

void read(const QSqlQuery &q, TTeamPlayerRow &r)
{
    r.LigaID = num(q, "LigaID");
    r.CsapatID = num(q, "CsapatID");
    r.JatekosID = num(q, "JatekosID");
    r.LigaWebID = str(q, "LigaWebID");
    r.CsapatWebID = str(q, "CsapatWebID");
    r.JatekosWebID = str(q, "JatekosWebID");
}

void read(const QSqlQuery &q, TStaffRow &r)
{
    r.Name = str(q, "Name");
    r.Type = str(q, "Type");
}

void read(const QSqlQuery &q, TLanguageRow &r)
{
    r.Language = str(q, "Language");
    r.Description = str(q, "Description");
}

QString datasetTable(TdmMain::TDataset dataset)
{
    switch (dataset) {
    case TdmMain::TDataset::tblLiga:
        return QStringLiteral("League");
    case TdmMain::TDataset::tblTeam:
        return QStringLiteral("Team");
    case TdmMain::TDataset::tblJatekos:
        return QStringLiteral("Player");
    }
    return {};
}

QString startOrder(TdmMain::TDataset dataset)
{
    switch (dataset) {
    case TdmMain::TDataset::tblLiga:
        return QStringLiteral("LigaNev");
    case TdmMain::TDataset::tblTeam:
        return QStringLiteral("EgyesuletNev");
    case TdmMain::TDataset::tblJatekos:
        return QStringLiteral("JatekosNev");
    }
    return {};
}

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

TdmMain::TdmMain(QString databaseFile)
    : m_path(std::move(databaseFile)),
      m_connection(QStringLiteral("parquetix-dm-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

TdmMain::~TdmMain()
{
    CloseAll();
}

QString TdmMain::DatabaseFileName()
{
    return kDatabaseFileName;
}

QString TdmMain::DatabaseFile(const QString &home)
{
    return QDir(home).filePath(QStringLiteral("Datastore/") + kDatabaseFileName);
}

QString TdmMain::OriginalFile(const QString &databaseFile)
{
    const QFileInfo info(databaseFile);
    return QDir(info.absolutePath()).filePath(QStringLiteral("Original/") + info.fileName());
}

bool TdmMain::IsOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

bool TdmMain::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool TdmMain::ensureOpen()
{
    m_lastError.clear();
    if (!IsOpen())
        return fail(QStringLiteral("The database is not open"));
    return true;
}

bool TdmMain::OpenAll()
{
    CloseAll();
    m_lastError.clear();
    const bool inMemory = m_path == QLatin1String(":memory:");
    if (!inMemory && !QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return fail(QStringLiteral("Cannot create the folder of %1").arg(m_path));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    if (!m_db.open()) {
        const QString why = m_db.lastError().text();
        CloseAll();
        return fail(QStringLiteral("Cannot open %1: %2").arg(m_path, why));
    }
    QString why;
    if (!TSchema::Upgrade(m_db, &why)) {
        CloseAll();
        return fail(QStringLiteral("%1: %2").arg(m_path, why));
    }
    for (TDataset d : {TDataset::tblLiga, TDataset::tblTeam, TDataset::tblJatekos})
        m_orders.insert(d, startOrder(d));
    if (!inMemory && !QFileInfo::exists(OriginalFile(m_path)) && !createOriginal()) {
        const QString reason = m_lastError;
        CloseAll();
        return fail(reason);
    }
    return true;
}

bool TdmMain::createOriginal()
{
    const QString original = OriginalFile(m_path);
    if (!QDir().mkpath(QFileInfo(original).absolutePath()))
        return fail(QStringLiteral("Cannot create the folder of %1").arg(original));
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
        return fail(QStringLiteral("Cannot create the pristine copy %1: %2").arg(original, why));
    }
    return true;
}

void TdmMain::CloseAll()
{
    m_prepared.clear();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool TdmMain::BeginTransaction()
{
    if (!ensureOpen())
        return false;
    return m_db.transaction() || fail(m_db.lastError().text());
}

bool TdmMain::Commit()
{
    if (!ensureOpen())
        return false;
    return m_db.commit() || fail(m_db.lastError().text());
}

bool TdmMain::Rollback()
{
    if (!ensureOpen())
        return false;
    return m_db.rollback() || fail(m_db.lastError().text());
}

QSqlQuery *TdmMain::prepare(const QString &sql)
{
    auto it = m_prepared.find(sql);
    if (it != m_prepared.end()) {
        it.value()->finish();
        return it.value().get();
    }
    auto q = std::make_shared<QSqlQuery>(m_db);
    if (!q->prepare(sql)) {
        fail(q->lastError().text());
        return nullptr;
    }
    m_prepared.insert(sql, q);
    return q.get();
}

bool TdmMain::exec(QSqlQuery *q)
{
    if (!q)
        return false;
    if (!q->exec())
        return fail(q->lastError().text());
    return true;
}

bool TdmMain::SetOrder(TDataset dataset, const QString &column)
{
    const TSchema::TTable *t = TSchema::Table(datasetTable(dataset));
    if (!t || !t->column(column))
        return fail(QStringLiteral("%1 has no column %2").arg(datasetTable(dataset), column));
    m_orders.insert(dataset, column);
    return true;
}

QString TdmMain::Order(TDataset dataset) const
{
    return m_orders.value(dataset, startOrder(dataset));
}

QVariant TdmMain::bindable(const QString &table, const QString &column, const QVariant &value) const
{
    const TSchema::TTable *t = TSchema::Table(table);
    const TSchema::TColumn *c = t ? t->column(column) : nullptr;
    if (c && c->type == TSchema::TType::Text)
        return TSchema::CutTo(value.toString(), c->width);
    return value;
}

qint64 TdmMain::upsert(const QString &table, const QStringList &keyColumns, const QVariantList &keyValues,
                       const QStringList &setColumns, const QVariantList &setValues, const QString &idColumn)
{
    if (!ensureOpen())
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
    QSqlQuery *find = prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                                  .arg(selected.join(QLatin1String(", ")), TSchema::Quote(table),
                                       where.join(QLatin1String(" AND "))));
    if (!find)
        return -1;
    for (int i = 0; i < keyColumns.size(); ++i)
        find->bindValue(QStringLiteral(":k%1").arg(i), bindable(table, keyColumns.at(i), keyValues.at(i)));
    if (!exec(find))
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
        QSqlQuery *update = prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = :rowid")
                                        .arg(TSchema::Quote(table), assignments.join(QLatin1String(", "))));
        if (!update)
            return -1;
        for (int i = 0; i < values.size(); ++i)
            update->bindValue(QStringLiteral(":v%1").arg(i), values.at(i));
        update->bindValue(QStringLiteral(":rowid"), rowId);
        if (!exec(update))
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
    QSqlQuery *insert = prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(TSchema::Quote(table), quoted.join(QLatin1String(", ")),
                                         placeholders.join(QLatin1String(", "))));
    if (!insert)
        return -1;
    for (int i = 0; i < columns.size(); ++i)
        insert->bindValue(placeholders.at(i), bindable(table, columns.at(i), inserted.at(i)));
    if (!exec(insert))
        return -1;
    const qint64 newId = insert->lastInsertId().toLongLong();
    ++m_changes[table].added;
    return newId;
}

int TdmMain::UpsertLeague(const QString &webId, const QString &name)
{
    m_orders.insert(TDataset::tblLiga, QStringLiteral("WebID"));
    return int(upsert(QStringLiteral("League"), {QStringLiteral("WebID")}, {webId},
                      {QStringLiteral("LigaNev")}, {name}, QStringLiteral("LigaID")));
}

int TdmMain::UpsertTeam(const TTeamRow &t)
{
    m_orders.insert(TDataset::tblTeam, QStringLiteral("WebID"));
    return int(upsert(QStringLiteral("Team"), {QStringLiteral("WebID")}, {t.WebID},
                      {QStringLiteral("EgyesuletNev"), QStringLiteral("EgyesuletRovidNev"),
                       QStringLiteral("EgyesuletSzin"), QStringLiteral("EgyesuletCim"),
                       QStringLiteral("EgyesuletTel"), QStringLiteral("EgyesuletCsarnok"),
                       QStringLiteral("EgyesuletCsarnokTelefon"), QStringLiteral("EgyesuletCsarnokFerohely"),
                       QStringLiteral("EgyesuletElnokNev"), QStringLiteral("EgyesuletTechNev"),
                       QStringLiteral("EgyesuletEredetiNev")},
                      {t.EgyesuletNev, t.EgyesuletRovidNev, t.EgyesuletSzin, t.EgyesuletCim, t.EgyesuletTel,
                       t.EgyesuletCsarnok, t.EgyesuletCsarnokTelefon, t.EgyesuletCsarnokFerohely,
                       t.EgyesuletElnokNev, t.EgyesuletTechNev, t.EgyesuletEredetiNev},
                      QStringLiteral("CsapatID")));
}

int TdmMain::UpsertPlayer(const TPlayerRow &p)
{
    m_orders.insert(TDataset::tblJatekos, QStringLiteral("WebID"));
    return int(
        upsert(QStringLiteral("Player"), {QStringLiteral("WebID")}, {p.WebID},
               {QStringLiteral("JatekosNev"), QStringLiteral("JatekosRovidNev"), QStringLiteral("Szuletes"),
                QStringLiteral("JatekosTestMagassag"), QStringLiteral("JatekosSuly"),
                QStringLiteral("JatekosPoszt"), QStringLiteral("JatekosMezSzam"),
                QStringLiteral("JatekosOrszagID"), QStringLiteral("JatekosEredetiNev")},
               {p.JatekosNev, p.JatekosRovidNev, p.Szuletes, p.JatekosTestMagassag, p.JatekosSuly,
                p.JatekosPoszt, p.JatekosMezSzam, p.JatekosOrszagID, p.JatekosEredetiNev},
               QStringLiteral("JatekosID")));
}

bool TdmMain::UpsertLeagueTeam(int ligaId, int csapatId, const QString &leagueWebId, const QString &teamWebId)
{
    return upsert(QStringLiteral("LeagueTeam"), {QStringLiteral("LigaWebID"), QStringLiteral("CsapatWebID")},
                  {leagueWebId, teamWebId}, {QStringLiteral("LigaID"), QStringLiteral("CsapatID")},
                  {ligaId, csapatId}, {}) >= 0;
}

bool TdmMain::UpsertTeamPlayer(int ligaId, int csapatId, int jatekosId, const QString &leagueWebId,
                               const QString &teamWebId, const QString &playerWebId)
{
    return upsert(
               QStringLiteral("TeamPlayer"),
               {QStringLiteral("LigaWebID"), QStringLiteral("CsapatWebID"), QStringLiteral("JatekosWebID")},
               {leagueWebId, teamWebId, playerWebId},
               {QStringLiteral("LigaID"), QStringLiteral("CsapatID"), QStringLiteral("JatekosID")},
               {ligaId, csapatId, jatekosId}, {}) >= 0;
}

bool TdmMain::UpsertGame(const TGameRow &g)
{
    // A game without its third referee must not put a blank name among the referees.
    for (const QString &referee : {g.Biro1, g.Biro2, g.Biro3})
        if (!referee.trimmed().isEmpty() && !UpsertStaff(referee, QStringLiteral("B")))
            return false;
    return upsert(QStringLiteral("Game"), {QStringLiteral("MerkozesKod")}, {g.MerkozesKod},
                  {QStringLiteral("LigaID"), QStringLiteral("HazaiCsapatID"),
                   QStringLiteral("VendegCsapatID"), QStringLiteral("LigaWebID"),
                   QStringLiteral("HazaiCsapatWebID"), QStringLiteral("VendegCsapatWebID"),
                   QStringLiteral("Datum"), QStringLiteral("Nap"), QStringLiteral("Ora"),
                   QStringLiteral("Biro1"), QStringLiteral("Biro2"), QStringLiteral("Biro3")},
                  {g.LigaID, g.HazaiCsapatID, g.VendegCsapatID, g.LigaWebID, g.HazaiCsapatWebID,
                   g.VendegCsapatWebID, g.Datum, g.Nap, g.Ora, g.Biro1, g.Biro2, g.Biro3},
                  QStringLiteral("ID")) >= 0;
}

bool TdmMain::UpsertStaff(const QString &name, const QString &type)
{
    return upsert(QStringLiteral("Staff"), {QStringLiteral("Name"), QStringLiteral("Type")}, {name, type}, {},
                  {}, {}) >= 0;
}

bool TdmMain::UpsertLanguage(const QString &code, const QString &description)
{
    return upsert(QStringLiteral("Language"), {QStringLiteral("Language")}, {code},
                  {QStringLiteral("Description")}, {description}, {}) >= 0;
}

bool TdmMain::UpsertTranslation(const QString &stringType, const QString &language, const QString &text,
                                const QString &translated)
{
    return upsert(QStringLiteral("translate"),
                  {QStringLiteral("StringType"), QStringLiteral("Language"),
                   QStringLiteral("NonTranslatedString")},
                  {stringType, language, text}, {QStringLiteral("TranslatedString")}, {translated}, {}) >= 0;
}

int TdmMain::TeamIdByWebId(const QString &webId)
{
    if (!ensureOpen())
        return -1;
    QSqlQuery *q = prepare(QStringLiteral("select CsapatID from \"Team\" where WebID  = :PWEBID"));
    if (!q)
        return -1;
    q->bindValue(QStringLiteral(":PWEBID"),
                 TSchema::Cut(QStringLiteral("Team"), QStringLiteral("WebID"), webId));
    if (!exec(q))
        return -1;
    const int id = q->next() ? q->value(0).toInt() : 0;
    q->finish();
    return id;
}

TPlayerRow TdmMain::PlayerRecordByWebId(const QString &webId, QString *error)
{
    TPlayerRow record;
    record.WebID = webId;
    record.JatekosNev = QStringLiteral("N/A");
    record.JatekosRovidNev = QStringLiteral("N/A");
    record.JatekosMezSzam = 0;
    QSqlQuery *q =
        ensureOpen() ? prepare(QStringLiteral("select * from \"Player\" where WebID  = :PWEBID")) : nullptr;
    if (q) {
        q->bindValue(QStringLiteral(":PWEBID"),
                     TSchema::Cut(QStringLiteral("Player"), QStringLiteral("WebID"), webId));
        if (exec(q) && q->next()) {
            record.JatekosRovidNev = str(*q, "JatekosRovidNev");
            record.JatekosNev = str(*q, "JatekosNev");
            record.JatekosMezSzam = num(*q, "JatekosMezSzam");
        }
        if (q)
            q->finish();
    }
    if (error)
        *error =
            m_lastError.isEmpty() ? QString() : QStringLiteral("GetJatekosDateFromWebID: ") + m_lastError;
    return record;
}

QString TdmMain::nativeName(const QString &table, const QString &column, const QString &webId)
{
    if (!ensureOpen())
        return {};
    QSqlQuery *q = prepare(QStringLiteral("select %1 from %2 where WebID = :PWEBID")
                               .arg(TSchema::Quote(column), TSchema::Quote(table)));
    if (!q)
        return {};
    q->bindValue(QStringLiteral(":PWEBID"), TSchema::Cut(table, QStringLiteral("WebID"), webId));
    if (!exec(q))
        return {};
    const QString name = q->next() ? q->value(0).toString() : QString();
    q->finish();
    return name;
}

QString TdmMain::PlayerNativeName(const QString &webId)
{
    return nativeName(QStringLiteral("Player"), QStringLiteral("JatekosEredetiNev"), webId);
}

QString TdmMain::TeamNativeName(const QString &webId)
{
    return nativeName(QStringLiteral("Team"), QStringLiteral("EgyesuletEredetiNev"), webId);
}

QString TdmMain::LeagueWebId(int ligaId)
{
    if (!ensureOpen())
        return {};
    QSqlQuery *q = prepare(QStringLiteral("select WebID from \"League\" where LigaID  = :PID"));
    if (!q)
        return {};
    q->bindValue(QStringLiteral(":PID"), ligaId);
    if (!exec(q))
        return {};
    const QString webId = q->next() ? q->value(0).toString() : QString();
    q->finish();
    return webId;
}

template <typename TRow> QList<TRow> TdmMain::rows(const QString &sql, const QVariantMap &parameters)
{
    QList<TRow> result;
    if (!ensureOpen())
        return result;
    QSqlQuery *q = prepare(sql);
    if (!q)
        return result;
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        q->bindValue(it.key(), it.value());
    if (!exec(q))
        return result;
    while (q->next()) {
        TRow row;
        read(*q, row);
        result << row;
    }
    q->finish();
    return result;
}

QList<TLanguageRow> TdmMain::LoadLanguages()
{
    return rows<TLanguageRow>(QStringLiteral("select * from \"Language\" order by rowid"), {});
}

QStringList TdmMain::StaffNames(const QString &type)
{
    QStringList names;
    const QList<TStaffRow> staff = rows<TStaffRow>(
        QStringLiteral("select Name, Type from \"Staff\" where Type  = :PTYPE order by Name"),
        {{QStringLiteral(":PTYPE"), TSchema::Cut(QStringLiteral("Staff"), QStringLiteral("Type"), type)}});
    for (const TStaffRow &s : staff)
        names << s.Name;
    std::stable_sort(names.begin(), names.end(),
                     [this](const QString &a, const QString &b) { return m_names.compare(a, b) < 0; });
    return names;
}

QList<TStaffRow> TdmMain::Staff()
{
    return rows<TStaffRow>(QStringLiteral("select * from \"Staff\" order by Type, Name"), {});
}

void TdmMain::SetNameLocale(const QLocale &locale)
{
    m_names = QCollator(locale);
}

QLocale TdmMain::EditionLocale(const QString &code)
{
    return TNameOrder::Locale(code);
}

namespace {

// The rows in the collator's order of a name; equal names keep the storage's order.
template <typename TRow, typename TName>
void sortByName(QList<TRow> &list, const QCollator &names, TName name)
{
    std::stable_sort(list.begin(), list.end(),
                     [&](const TRow &a, const TRow &b) { return names.compare(name(a), name(b)) < 0; });
}

} // namespace

QList<TLeagueRow> TdmMain::Leagues()
{
    const QString order = Order(TDataset::tblLiga);
    QList<TLeagueRow> list = rows<TLeagueRow>(
        QStringLiteral("select * from \"League\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("LigaNev"))
        sortByName(list, m_names, [](const TLeagueRow &r) { return r.LigaNev; });
    return list;
}

QList<TTeamRow> TdmMain::Teams()
{
    const QString order = Order(TDataset::tblTeam);
    QList<TTeamRow> list = rows<TTeamRow>(
        QStringLiteral("select * from \"Team\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("EgyesuletNev"))
        sortByName(list, m_names, [](const TTeamRow &r) { return r.EgyesuletNev; });
    return list;
}

QList<TPlayerRow> TdmMain::Players()
{
    const QString order = Order(TDataset::tblJatekos);
    QList<TPlayerRow> list = rows<TPlayerRow>(
        QStringLiteral("select * from \"Player\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("JatekosNev"))
        sortByName(list, m_names, [](const TPlayerRow &r) { return r.JatekosNev; });
    return list;
}

QString TdmMain::gameSelect() const
{
    return QStringLiteral("select g.*, l.LigaNev as LookupLigaNev, h.EgyesuletNev as LookupHazaiCsapatNev, "
                          "v.EgyesuletNev as LookupVendegCsapatNev from \"Game\" g "
                          "left join \"League\" l on l.LigaID = g.LigaID "
                          "left join \"Team\" h on h.CsapatID = g.HazaiCsapatID "
                          "left join \"Team\" v on v.CsapatID = g.VendegCsapatID ");
}

QList<TGameRow> TdmMain::Games()
{
    return rows<TGameRow>(gameSelect() + QStringLiteral("order by g.MerkozesKod, g.ID"), {});
}

QList<TGameRow> TdmMain::Schedule()
{
    return rows<TGameRow>(gameSelect() + QStringLiteral("order by g.ID"), {});
}

QList<TGameRow> TdmMain::MyTeamPlays(int myTeam, const QDate &today)
{
    // Datum is day first ("dd.mm.yyyy"); compared as "yyyymmdd" text.
    return rows<TGameRow>(
        gameSelect() +
            QStringLiteral(
                "where (g.HazaiCsapatID = :PTEAM or g.VendegCsapatID = :PTEAM) "
                "and substr(g.Datum, 7, 4) || substr(g.Datum, 4, 2) || substr(g.Datum, 1, 2) >= :PTODAY "
                // Tonight's game, the one the operator is there for, comes first.
                "order by substr(g.Datum, 7, 4) || substr(g.Datum, 4, 2) || substr(g.Datum, 1, 2), g.Ora, "
                "g.ID"),
        {{QStringLiteral(":PTEAM"), myTeam},
         {QStringLiteral(":PTODAY"), today.toString(QStringLiteral("yyyyMMdd"))}});
}

QList<TLeagueTeamRow> TdmMain::LeagueTeams()
{
    return rows<TLeagueTeamRow>(QStringLiteral("select * from \"LeagueTeam\" order by rowid"), {});
}

QList<TTeamPlayerRow> TdmMain::TeamPlayers()
{
    return rows<TTeamPlayerRow>(QStringLiteral("select * from \"TeamPlayer\" order by rowid"), {});
}

QList<TTeamPlayerRow> TdmMain::Roster(int ligaId, int csapatId)
{
    return rows<TTeamPlayerRow>(
        QStringLiteral("select * from \"TeamPlayer\" where LigaID = :PLIGAID and CsapatID = :PCSAPATID "
                       "order by LigaID, CsapatID, JatekosID, rowid"),
        {{QStringLiteral(":PLIGAID"), ligaId}, {QStringLiteral(":PCSAPATID"), csapatId}});
}

std::optional<TPlayerRow> TdmMain::PlayerById(int jatekosId)
{
    const QList<TPlayerRow> found =
        rows<TPlayerRow>(QStringLiteral("select * from \"Player\" where JatekosID = :PID"),
                         {{QStringLiteral(":PID"), jatekosId}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<TTeamRow> TdmMain::TeamById(int csapatId)
{
    const QList<TTeamRow> found = rows<TTeamRow>(
        QStringLiteral("select * from \"Team\" where CsapatID = :PID"), {{QStringLiteral(":PID"), csapatId}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<TGameRow> TdmMain::GameByCode(const QString &code)
{
    const QList<TGameRow> found =
        rows<TGameRow>(gameSelect() + QStringLiteral("where g.MerkozesKod = :PKOD order by g.ID limit 1"),
                       {{QStringLiteral(":PKOD"),
                         TSchema::Cut(QStringLiteral("Game"), QStringLiteral("MerkozesKod"), code)}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

bool TdmMain::FindTranslation(const QString &stringType, const QString &language, const QString &text,
                              QString *translated, bool *found)
{
    *found = false;
    if (!ensureOpen())
        return false;
    QSqlQuery *q =
        prepare(QStringLiteral("select TranslatedString from \"translate\" where StringType = :PTYPE "
                               "and Language = :PLANG and NonTranslatedString = :PTEXT"));
    if (!q)
        return false;
    const QString table = QStringLiteral("translate");
    q->bindValue(QStringLiteral(":PTYPE"), TSchema::Cut(table, QStringLiteral("StringType"), stringType));
    q->bindValue(QStringLiteral(":PLANG"), TSchema::Cut(table, QStringLiteral("Language"), language));
    q->bindValue(QStringLiteral(":PTEXT"), TSchema::Cut(table, QStringLiteral("NonTranslatedString"), text));
    if (!exec(q))
        return false;
    if (q->next()) {
        *found = true;
        *translated = q->value(0).toString();
    }
    q->finish();
    return true;
}

bool TdmMain::InsertTranslation(const QString &stringType, const QString &language, const QString &text)
{
    if (!ensureOpen())
        return false;
    QSqlQuery *q =
        prepare(QStringLiteral("insert into \"translate\" (StringType, Language, NonTranslatedString, "
                               "TranslatedString) values (:PTYPE, :PLANG, :PTEXT, '')"));
    if (!q)
        return false;
    const QString table = QStringLiteral("translate");
    q->bindValue(QStringLiteral(":PTYPE"), TSchema::Cut(table, QStringLiteral("StringType"), stringType));
    q->bindValue(QStringLiteral(":PLANG"), TSchema::Cut(table, QStringLiteral("Language"), language));
    q->bindValue(QStringLiteral(":PTEXT"), TSchema::Cut(table, QStringLiteral("NonTranslatedString"), text));
    const bool ok = exec(q);
    if (ok)
        ++m_changes[table].added;
    return ok;
}

int TdmMain::RowCount(const QString &table)
{
    if (!ensureOpen())
        return -1;
    if (!TSchema::Table(table)) {
        fail(QStringLiteral("No table %1").arg(table));
        return -1;
    }
    QSqlQuery *q = prepare(QStringLiteral("select count(*) from %1").arg(TSchema::Quote(table)));
    if (!q || !exec(q) || !q->next())
        return -1;
    const int n = q->value(0).toInt();
    q->finish();
    return n;
}

bool TdmMain::Query(const QString &sql, const QVariantMap &parameters, QList<QVariantMap> *result)
{
    if (!ensureOpen())
        return false;
    // Free statements are not kept prepared: their text changes for each use.
    QSqlQuery q(m_db);
    if (!q.prepare(sql))
        return fail(q.lastError().text());
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        q.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(),
                    it.value());
    if (!q.exec())
        return fail(q.lastError().text());
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

bool TdmMain::EmptyDatabase()
{
    if (!ensureOpen())
        return false;
    const QString original = OriginalFile(m_path);
    if (m_path == QLatin1String(":memory:") || !QFileInfo::exists(original))
        return fail(QStringLiteral("The pristine copy %1 is missing").arg(original));

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
            return fail(QStringLiteral("%1: %2").arg(original, why));
    }

    m_prepared.clear();
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("ATTACH DATABASE :PFILE AS pristine"));
    q.bindValue(QStringLiteral(":PFILE"), original);
    if (!q.exec())
        return fail(q.lastError().text());

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
        return fail(QStringLiteral("Cannot empty the database: %1").arg(why));
    return true;
}

QString TdmMain::DisplayLabel(const QString &table, const QString &column) const
{
    return m_labels.value(table + QLatin1Char('.') + column, column);
}

void TdmMain::SetDisplayLabel(const QString &table, const QString &column, const QString &label)
{
    m_labels.insert(table + QLatin1Char('.') + column, label);
}
