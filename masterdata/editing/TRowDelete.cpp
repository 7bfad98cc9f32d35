#include "TRowDelete.h"

#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TRowEdit.h"
#include "model/services/Services.h"

namespace {

struct TReference
{
    TMasterKind kind;
    const char *sql;  // counts the rows referring to :PID
    const char *text; // translation key; %1 is the count
};

const TReference kReferences[] = {
    {TMasterKind::League, "select count(*) as N from \"LeagueTeam\" where LigaID = :PID",
     "Teams joined to the league: %1"},
    {TMasterKind::League, "select count(*) as N from \"TeamPlayer\" where LigaID = :PID",
     "Players on a team of the league: %1"},
    {TMasterKind::League, "select count(*) as N from \"Game\" where LigaID = :PID",
     "Games of the schedule: %1"},
    {TMasterKind::Team, "select count(*) as N from \"LeagueTeam\" where CsapatID = :PID",
     "Leagues the club is joined to: %1"},
    {TMasterKind::Team, "select count(*) as N from \"TeamPlayer\" where CsapatID = :PID",
     "Players on the club's rosters: %1"},
    {TMasterKind::Team,
     "select count(*) as N from \"Game\" where HazaiCsapatID = :PID or VendegCsapatID = :PID",
     "Games of the schedule: %1"},
    {TMasterKind::Player, "select count(*) as N from \"TeamPlayer\" where JatekosID = :PID",
     "Rosters the player is on: %1"},
};

} // namespace

int TRowDelete::count(const QString &sql, int id, bool *ok)
{
    QList<QVariantMap> rows;
    if (!m_dm.Query(sql, {{QStringLiteral("PID"), id}}, &rows) || rows.isEmpty()) {
        m_error = m_dm.LastError();
        *ok = false;
        return 0;
    }
    return rows.first().value(QStringLiteral("N")).toInt();
}

bool TRowDelete::References(TMasterKind kind, int id, QStringList *lines)
{
    m_error.clear();
    lines->clear();
    for (const TReference &r : kReferences) {
        if (r.kind != kind)
            continue;
        bool ok = true;
        const int n = count(QString::fromLatin1(r.sql), id, &ok);
        if (!ok)
            return false;
        if (n > 0)
            *lines << m_translator.Translate(QString::fromUtf8(r.text), QStringLiteral("FORM")).arg(n);
    }
    return true;
}

QString TRowDelete::Question()
{
    return m_translator.Translate(QStringLiteral("Delete the selected row?"), QStringLiteral("FORM"));
}

bool TRowDelete::CanDelete(TMasterKind kind, int id)
{
    QStringList lines;
    if (!References(kind, id, &lines))
        return false;
    if (lines.isEmpty())
        return true;
    m_error =
        m_translator.Translate(QStringLiteral("The row cannot be deleted while other data refer to it:"),
                               QStringLiteral("FORM")) +
        QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    return false;
}

bool TRowDelete::Delete(TMasterKind kind, int id)
{
    if (!CanDelete(kind, id))
        return false;
    QList<QVariantMap> rows;
    const QString where =
        QStringLiteral(" from %1 where %2 = :PID")
            .arg(TSchema::Quote(TRowEdit::Table(kind)), TSchema::Quote(TRowEdit::IdColumn(kind)));
    if (!m_dm.Query(QStringLiteral("select count(*) as N") + where, {{QStringLiteral("PID"), id}}, &rows)) {
        m_error = m_dm.LastError();
        return false;
    }
    if (rows.isEmpty() || rows.first().value(QStringLiteral("N")).toInt() == 0) {
        m_error = QStringLiteral("%1 has no row %2").arg(TRowEdit::Table(kind)).arg(id);
        return false;
    }
    if (!m_dm.Query(QStringLiteral("delete") + where, {{QStringLiteral("PID"), id}})) {
        m_error = m_dm.LastError();
        return false;
    }
    return true;
}
