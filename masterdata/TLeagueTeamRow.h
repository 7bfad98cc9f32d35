#pragma once

#include <QString>

// One row of LeagueTeam: a team that plays in a league.
struct TLeagueTeamRow
{
    int LigaID = 0;
    int CsapatID = 0;
    QString LigaWebID;
    QString CsapatWebID;
};
