#include "TMasterDataRows.h"

#include "TMasterDatabase.h"

#include "masterdata/TSchema.h"
#include "model/output/TNameOrder.h"

#include <algorithm>

#include <QSqlQuery>

namespace {

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

QString datasetTable(TMasterDataRows::TDataset dataset)
{
    switch (dataset) {
    case TMasterDataRows::TDataset::tblLiga:
        return QStringLiteral("League");
    case TMasterDataRows::TDataset::tblTeam:
        return QStringLiteral("Team");
    case TMasterDataRows::TDataset::tblJatekos:
        return QStringLiteral("Player");
    }
    return {};
}

QString startOrder(TMasterDataRows::TDataset dataset)
{
    switch (dataset) {
    case TMasterDataRows::TDataset::tblLiga:
        return QStringLiteral("LigaNev");
    case TMasterDataRows::TDataset::tblTeam:
        return QStringLiteral("EgyesuletNev");
    case TMasterDataRows::TDataset::tblJatekos:
        return QStringLiteral("JatekosNev");
    }
    return {};
}

} // namespace

void TMasterDataRows::ResetOrders()
{
    for (TDataset d : {TDataset::tblLiga, TDataset::tblTeam, TDataset::tblJatekos})
        m_orders.insert(d, startOrder(d));
}

bool TMasterDataRows::SetOrder(TDataset dataset, const QString &column)
{
    const TSchema::TTable *t = TSchema::Table(datasetTable(dataset));
    if (!t || !t->column(column))
        return m_db.Fail(QStringLiteral("%1 has no column %2").arg(datasetTable(dataset), column));
    m_orders.insert(dataset, column);
    return true;
}

QString TMasterDataRows::Order(TDataset dataset) const
{
    return m_orders.value(dataset, startOrder(dataset));
}

int TMasterDataRows::UpsertLeague(const QString &webId, const QString &name)
{
    m_orders.insert(TDataset::tblLiga, QStringLiteral("WebID"));
    return int(m_db.Upsert(QStringLiteral("League"), {QStringLiteral("WebID")}, {webId},
                           {QStringLiteral("LigaNev")}, {name}, QStringLiteral("LigaID")));
}

int TMasterDataRows::UpsertTeam(const TTeamRow &t)
{
    m_orders.insert(TDataset::tblTeam, QStringLiteral("WebID"));
    return int(m_db.Upsert(
        QStringLiteral("Team"), {QStringLiteral("WebID")}, {t.WebID},
        {QStringLiteral("EgyesuletNev"), QStringLiteral("EgyesuletRovidNev"), QStringLiteral("EgyesuletSzin"),
         QStringLiteral("EgyesuletCim"), QStringLiteral("EgyesuletTel"), QStringLiteral("EgyesuletCsarnok"),
         QStringLiteral("EgyesuletCsarnokTelefon"), QStringLiteral("EgyesuletCsarnokFerohely"),
         QStringLiteral("EgyesuletElnokNev"), QStringLiteral("EgyesuletTechNev"),
         QStringLiteral("EgyesuletEredetiNev")},
        {t.EgyesuletNev, t.EgyesuletRovidNev, t.EgyesuletSzin, t.EgyesuletCim, t.EgyesuletTel,
         t.EgyesuletCsarnok, t.EgyesuletCsarnokTelefon, t.EgyesuletCsarnokFerohely, t.EgyesuletElnokNev,
         t.EgyesuletTechNev, t.EgyesuletEredetiNev},
        QStringLiteral("CsapatID")));
}

int TMasterDataRows::UpsertPlayer(const TPlayerRow &p)
{
    m_orders.insert(TDataset::tblJatekos, QStringLiteral("WebID"));
    return int(m_db.Upsert(QStringLiteral("Player"), {QStringLiteral("WebID")}, {p.WebID},
                           {QStringLiteral("JatekosNev"), QStringLiteral("JatekosRovidNev"),
                            QStringLiteral("Szuletes"), QStringLiteral("JatekosTestMagassag"),
                            QStringLiteral("JatekosSuly"), QStringLiteral("JatekosPoszt"),
                            QStringLiteral("JatekosMezSzam"), QStringLiteral("JatekosOrszagID"),
                            QStringLiteral("JatekosEredetiNev")},
                           {p.JatekosNev, p.JatekosRovidNev, p.Szuletes, p.JatekosTestMagassag, p.JatekosSuly,
                            p.JatekosPoszt, p.JatekosMezSzam, p.JatekosOrszagID, p.JatekosEredetiNev},
                           QStringLiteral("JatekosID")));
}

bool TMasterDataRows::UpsertLeagueTeam(int ligaId, int csapatId, const QString &leagueWebId,
                                       const QString &teamWebId)
{
    return m_db.Upsert(QStringLiteral("LeagueTeam"),
                       {QStringLiteral("LigaWebID"), QStringLiteral("CsapatWebID")}, {leagueWebId, teamWebId},
                       {QStringLiteral("LigaID"), QStringLiteral("CsapatID")}, {ligaId, csapatId}, {}) >= 0;
}

bool TMasterDataRows::UpsertTeamPlayer(int ligaId, int csapatId, int jatekosId, const QString &leagueWebId,
                                       const QString &teamWebId, const QString &playerWebId)
{
    return m_db.Upsert(
               QStringLiteral("TeamPlayer"),
               {QStringLiteral("LigaWebID"), QStringLiteral("CsapatWebID"), QStringLiteral("JatekosWebID")},
               {leagueWebId, teamWebId, playerWebId},
               {QStringLiteral("LigaID"), QStringLiteral("CsapatID"), QStringLiteral("JatekosID")},
               {ligaId, csapatId, jatekosId}, {}) >= 0;
}

bool TMasterDataRows::UpsertGame(const TGameRow &g)
{
    // A game without its third referee must not put a blank name among the referees.
    for (const QString &referee : {g.Biro1, g.Biro2, g.Biro3})
        if (!referee.trimmed().isEmpty() && !UpsertStaff(referee, QStringLiteral("B")))
            return false;
    return m_db.Upsert(QStringLiteral("Game"), {QStringLiteral("MerkozesKod")}, {g.MerkozesKod},
                       {QStringLiteral("LigaID"), QStringLiteral("HazaiCsapatID"),
                        QStringLiteral("VendegCsapatID"), QStringLiteral("LigaWebID"),
                        QStringLiteral("HazaiCsapatWebID"), QStringLiteral("VendegCsapatWebID"),
                        QStringLiteral("Datum"), QStringLiteral("Nap"), QStringLiteral("Ora"),
                        QStringLiteral("Biro1"), QStringLiteral("Biro2"), QStringLiteral("Biro3")},
                       {g.LigaID, g.HazaiCsapatID, g.VendegCsapatID, g.LigaWebID, g.HazaiCsapatWebID,
                        g.VendegCsapatWebID, g.Datum, g.Nap, g.Ora, g.Biro1, g.Biro2, g.Biro3},
                       QStringLiteral("ID")) >= 0;
}

bool TMasterDataRows::UpsertStaff(const QString &name, const QString &type)
{
    return m_db.Upsert(QStringLiteral("Staff"), {QStringLiteral("Name"), QStringLiteral("Type")},
                       {name, type}, {}, {}, {}) >= 0;
}

int TMasterDataRows::TeamIdByWebId(const QString &webId)
{
    if (!m_db.EnsureOpen())
        return -1;
    QSqlQuery *q = m_db.Prepare(QStringLiteral("select CsapatID from \"Team\" where WebID  = :PWEBID"), true);
    if (!q)
        return -1;
    q->bindValue(QStringLiteral(":PWEBID"),
                 TSchema::Cut(QStringLiteral("Team"), QStringLiteral("WebID"), webId));
    if (!m_db.Exec(q))
        return -1;
    const int id = q->next() ? q->value(0).toInt() : 0;
    q->finish();
    return id;
}

TPlayerRow TMasterDataRows::PlayerRecordByWebId(const QString &webId, QString *error)
{
    TPlayerRow record;
    record.WebID = webId;
    record.JatekosNev = QStringLiteral("N/A");
    record.JatekosRovidNev = QStringLiteral("N/A");
    record.JatekosMezSzam = 0;
    QSqlQuery *q = m_db.EnsureOpen()
                       ? m_db.Prepare(QStringLiteral("select * from \"Player\" where WebID  = :PWEBID"))
                       : nullptr;
    if (q) {
        q->bindValue(QStringLiteral(":PWEBID"),
                     TSchema::Cut(QStringLiteral("Player"), QStringLiteral("WebID"), webId));
        if (m_db.Exec(q) && q->next()) {
            record.JatekosRovidNev = str(*q, "JatekosRovidNev");
            record.JatekosNev = str(*q, "JatekosNev");
            record.JatekosMezSzam = num(*q, "JatekosMezSzam");
        }
        if (q)
            q->finish();
    }
    if (error)
        *error = m_db.LastError().isEmpty() ? QString()
                                            : QStringLiteral("GetJatekosDateFromWebID: ") + m_db.LastError();
    return record;
}

QString TMasterDataRows::nativeName(const QString &table, const QString &column, const QString &webId)
{
    if (!m_db.EnsureOpen())
        return {};
    QSqlQuery *q = m_db.Prepare(QStringLiteral("select %1 from %2 where WebID = :PWEBID")
                                    .arg(TSchema::Quote(column), TSchema::Quote(table)));
    if (!q)
        return {};
    q->bindValue(QStringLiteral(":PWEBID"), TSchema::Cut(table, QStringLiteral("WebID"), webId));
    if (!m_db.Exec(q))
        return {};
    const QString name = q->next() ? q->value(0).toString() : QString();
    q->finish();
    return name;
}

QString TMasterDataRows::PlayerNativeName(const QString &webId)
{
    return nativeName(QStringLiteral("Player"), QStringLiteral("JatekosEredetiNev"), webId);
}

QString TMasterDataRows::TeamNativeName(const QString &webId)
{
    return nativeName(QStringLiteral("Team"), QStringLiteral("EgyesuletEredetiNev"), webId);
}

QString TMasterDataRows::LeagueWebId(int ligaId)
{
    if (!m_db.EnsureOpen())
        return {};
    QSqlQuery *q = m_db.Prepare(QStringLiteral("select WebID from \"League\" where LigaID  = :PID"));
    if (!q)
        return {};
    q->bindValue(QStringLiteral(":PID"), ligaId);
    if (!m_db.Exec(q))
        return {};
    const QString webId = q->next() ? q->value(0).toString() : QString();
    q->finish();
    return webId;
}

template <typename TRow> QList<TRow> TMasterDataRows::rows(const QString &sql, const QVariantMap &parameters)
{
    QList<TRow> result;
    if (!m_db.EnsureOpen())
        return result;
    QSqlQuery *q = m_db.Prepare(sql);
    if (!q)
        return result;
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        q->bindValue(it.key(), it.value());
    if (!m_db.Exec(q))
        return result;
    while (q->next()) {
        TRow row;
        read(*q, row);
        result << row;
    }
    q->finish();
    return result;
}

QStringList TMasterDataRows::StaffNames(const QString &type)
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

QList<TStaffRow> TMasterDataRows::Staff()
{
    return rows<TStaffRow>(QStringLiteral("select * from \"Staff\" order by Type, Name"), {});
}

void TMasterDataRows::SetNameLocale(const QLocale &locale)
{
    m_names = QCollator(locale);
}

QLocale TMasterDataRows::EditionLocale(const QString &code)
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

QList<TLeagueRow> TMasterDataRows::Leagues()
{
    const QString order = Order(TDataset::tblLiga);
    QList<TLeagueRow> list = rows<TLeagueRow>(
        QStringLiteral("select * from \"League\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("LigaNev"))
        sortByName(list, m_names, [](const TLeagueRow &r) { return r.LigaNev; });
    return list;
}

QList<TTeamRow> TMasterDataRows::Teams()
{
    const QString order = Order(TDataset::tblTeam);
    QList<TTeamRow> list = rows<TTeamRow>(
        QStringLiteral("select * from \"Team\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("EgyesuletNev"))
        sortByName(list, m_names, [](const TTeamRow &r) { return r.EgyesuletNev; });
    return list;
}

QList<TPlayerRow> TMasterDataRows::Players()
{
    const QString order = Order(TDataset::tblJatekos);
    QList<TPlayerRow> list = rows<TPlayerRow>(
        QStringLiteral("select * from \"Player\" order by %1, rowid").arg(TSchema::Quote(order)), {});
    if (order == QLatin1String("JatekosNev"))
        sortByName(list, m_names, [](const TPlayerRow &r) { return r.JatekosNev; });
    return list;
}

QString TMasterDataRows::gameSelect() const
{
    return QStringLiteral("select g.*, l.LigaNev as LookupLigaNev, h.EgyesuletNev as LookupHazaiCsapatNev, "
                          "v.EgyesuletNev as LookupVendegCsapatNev from \"Game\" g "
                          "left join \"League\" l on l.LigaID = g.LigaID "
                          "left join \"Team\" h on h.CsapatID = g.HazaiCsapatID "
                          "left join \"Team\" v on v.CsapatID = g.VendegCsapatID ");
}

QList<TGameRow> TMasterDataRows::Games()
{
    return rows<TGameRow>(gameSelect() + QStringLiteral("order by g.MerkozesKod, g.ID"), {});
}

QList<TGameRow> TMasterDataRows::Schedule()
{
    return rows<TGameRow>(gameSelect() + QStringLiteral("order by g.ID"), {});
}

QList<TGameRow> TMasterDataRows::MyTeamPlays(int myTeam, const QDate &today)
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

QList<TLeagueTeamRow> TMasterDataRows::LeagueTeams()
{
    return rows<TLeagueTeamRow>(QStringLiteral("select * from \"LeagueTeam\" order by rowid"), {});
}

QList<TTeamPlayerRow> TMasterDataRows::TeamPlayers()
{
    return rows<TTeamPlayerRow>(QStringLiteral("select * from \"TeamPlayer\" order by rowid"), {});
}

QList<TTeamPlayerRow> TMasterDataRows::Roster(int ligaId, int csapatId)
{
    return rows<TTeamPlayerRow>(
        QStringLiteral("select * from \"TeamPlayer\" where LigaID = :PLIGAID and CsapatID = :PCSAPATID "
                       "order by LigaID, CsapatID, JatekosID, rowid"),
        {{QStringLiteral(":PLIGAID"), ligaId}, {QStringLiteral(":PCSAPATID"), csapatId}});
}

std::optional<TPlayerRow> TMasterDataRows::PlayerById(int jatekosId)
{
    const QList<TPlayerRow> found =
        rows<TPlayerRow>(QStringLiteral("select * from \"Player\" where JatekosID = :PID"),
                         {{QStringLiteral(":PID"), jatekosId}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<TTeamRow> TMasterDataRows::TeamById(int csapatId)
{
    const QList<TTeamRow> found = rows<TTeamRow>(
        QStringLiteral("select * from \"Team\" where CsapatID = :PID"), {{QStringLiteral(":PID"), csapatId}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<TGameRow> TMasterDataRows::GameByCode(const QString &code)
{
    const QList<TGameRow> found =
        rows<TGameRow>(gameSelect() + QStringLiteral("where g.MerkozesKod = :PKOD order by g.ID limit 1"),
                       {{QStringLiteral(":PKOD"),
                         TSchema::Cut(QStringLiteral("Game"), QStringLiteral("MerkozesKod"), code)}});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QString TMasterDataRows::DisplayLabel(const QString &table, const QString &column) const
{
    return m_labels.value(table + QLatin1Char('.') + column, column);
}

void TMasterDataRows::SetDisplayLabel(const QString &table, const QString &column, const QString &label)
{
    m_labels.insert(table + QLatin1Char('.') + column, label);
}
