#pragma once

#include "masterdata/editing/TIDObject.h"

#include <QString>

class TdmMain;

// The statements the schedule and assignment dialogs run on the data
// module's free query, every value bound by name. Each returns false (or an
// empty list) on a storage error, whose message is then in LastError().
class TMasterStatements
{
public:
    explicit TMasterStatements(TdmMain &dm) : m_dm(dm) {}

    TIDList Leagues();
    TIDList TeamsOfLeague(int ligaId);
    TIDList TeamsNotInLeague(int ligaId);
    bool JoinTeam(const TIDObject &league, const TIDObject &team);
    // Takes the team's roster of that league with it.
    bool RemoveTeam(const TIDObject &league, const TIDObject &team);
    TIDList PlayersOfTeam(int ligaId, int csapatId);
    TIDList PlayersOnNoTeam(int ligaId);
    bool JoinPlayer(const TIDObject &league, const TIDObject &team, const TIDObject &player);
    bool RemovePlayer(const TIDObject &league, const TIDObject &team, const TIDObject &player);

    QString LastError() const { return m_error; }

private:
    TIDList select(const QString &sql, const QVariantMap &parameters, const char *idColumn,
                   const char *textColumn);
    bool run(const QString &sql, const QVariantMap &parameters);

    TdmMain &m_dm;
    QString m_error;
};
