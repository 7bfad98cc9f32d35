#include "TMasterStatements.h"

#include "masterdata/TdmMain.h"

namespace {

// A web identifier bound as text; a row without one binds NULL.
QVariant webIdValue(const QString &webId)
{
    return webId.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(webId);
}

} // namespace

TIDList TMasterStatements::select(const QString &sql, const QVariantMap &parameters, const char *idColumn,
                                  const char *textColumn)
{
    m_error.clear();
    TIDList list;
    QList<QVariantMap> rows;
    if (!m_dm.Query(sql, parameters, &rows)) {
        m_error = m_dm.LastError();
        return list;
    }
    for (const QVariantMap &row : rows)
        list << TIDEntry{
            row.value(QLatin1String(textColumn)).toString(),
            {row.value(QLatin1String(idColumn)).toInt(), row.value(QStringLiteral("WebID")).toString()}};
    SortByText(list, m_dm.NameCollator());
    return list;
}

bool TMasterStatements::run(const QString &sql, const QVariantMap &parameters)
{
    m_error.clear();
    if (m_dm.Query(sql, parameters))
        return true;
    m_error = m_dm.LastError();
    return false;
}

TIDList TMasterStatements::Leagues()
{
    return select(QStringLiteral("select * from \"League\""), {}, "LigaID", "LigaNev");
}

TIDList TMasterStatements::TeamsOfLeague(int ligaId)
{
    return select(QStringLiteral("select * from \"Team\" where CsapatID in (select CsapatID from "
                                 "\"LeagueTeam\" where LigaID = :PLIGAID)"),
                  {{QStringLiteral("PLIGAID"), ligaId}}, "CsapatID", "EgyesuletNev");
}

TIDList TMasterStatements::TeamsNotInLeague(int ligaId)
{
    return select(QStringLiteral("select * from \"Team\" where CsapatID not in (select CsapatID from "
                                 "\"LeagueTeam\" where LigaID = :PLIGAID)"),
                  {{QStringLiteral("PLIGAID"), ligaId}}, "CsapatID", "EgyesuletNev");
}

bool TMasterStatements::JoinTeam(const TIDObject &league, const TIDObject &team)
{
    return run(QStringLiteral("insert into \"LeagueTeam\" (LigaID, CsapatID, LigaWebID, CsapatWebID) "
                              "values (:PLIGAID, :PCSAPATID, :PLIGAWEBID, :PCSAPATWEBID)"),
               {{QStringLiteral("PLIGAID"), league.ID},
                {QStringLiteral("PCSAPATID"), team.ID},
                {QStringLiteral("PLIGAWEBID"), webIdValue(league.WebID)},
                {QStringLiteral("PCSAPATWEBID"), webIdValue(team.WebID)}});
}

bool TMasterStatements::RemoveTeam(const TIDObject &league, const TIDObject &team)
{
    const QVariantMap keys{{QStringLiteral("PLIGAID"), league.ID}, {QStringLiteral("PCSAPATID"), team.ID}};
    // Both deletes or neither: a team out of the league keeps no roster there.
    if (!m_dm.BeginTransaction()) {
        m_error = m_dm.LastError();
        return false;
    }
    const bool ok =
        run(QStringLiteral(
                "delete from \"LeagueTeam\" where (LigaID = :PLIGAID) and (CsapatID = :PCSAPATID)"),
            keys) &&
        run(QStringLiteral(
                "delete from \"TeamPlayer\" where (LigaID = :PLIGAID) and (CsapatID = :PCSAPATID)"),
            keys);
    if (!ok) {
        m_dm.Rollback();
        return false;
    }
    if (!m_dm.Commit()) {
        m_error = m_dm.LastError();
        m_dm.Rollback();
        return false;
    }
    return true;
}

TIDList TMasterStatements::PlayersOfTeam(int ligaId, int csapatId)
{
    return select(QStringLiteral("select * from \"Player\" where JatekosID in (select JatekosID from "
                                 "\"TeamPlayer\" where (LigaID = :PLIGAID) and (CsapatID = :PCSAPATID))"),
                  {{QStringLiteral("PLIGAID"), ligaId}, {QStringLiteral("PCSAPATID"), csapatId}}, "JatekosID",
                  "JatekosNev");
}

TIDList TMasterStatements::PlayersOnNoTeam(int ligaId)
{
    return select(QStringLiteral("select * from \"Player\" where not JatekosID in (select JatekosID from "
                                 "\"TeamPlayer\" where (LigaID = :PLIGAID))"),
                  {{QStringLiteral("PLIGAID"), ligaId}}, "JatekosID", "JatekosNev");
}

bool TMasterStatements::JoinPlayer(const TIDObject &league, const TIDObject &team, const TIDObject &player)
{
    return run(QStringLiteral("insert into \"TeamPlayer\" (LigaID, CsapatID, JatekosID, LigaWebID, "
                              "CsapatWebID, JatekosWebID) values (:PLIGAID, :PCSAPATID, :PJATEKOSID, "
                              ":PLIGAWEBID, :PCSAPATWEBID, :PJATEKOSWEBID)"),
               {{QStringLiteral("PLIGAID"), league.ID},
                {QStringLiteral("PCSAPATID"), team.ID},
                {QStringLiteral("PJATEKOSID"), player.ID},
                {QStringLiteral("PLIGAWEBID"), webIdValue(league.WebID)},
                {QStringLiteral("PCSAPATWEBID"), webIdValue(team.WebID)},
                {QStringLiteral("PJATEKOSWEBID"), webIdValue(player.WebID)}});
}

bool TMasterStatements::RemovePlayer(const TIDObject &league, const TIDObject &team, const TIDObject &player)
{
    return run(QStringLiteral("delete from \"TeamPlayer\" where (LigaID = :PLIGAID) and (CsapatID = "
                              ":PCSAPATID) and (JatekosID = :PJATEKOSID)"),
               {{QStringLiteral("PLIGAID"), league.ID},
                {QStringLiteral("PCSAPATID"), team.ID},
                {QStringLiteral("PJATEKOSID"), player.ID}});
}
