#pragma once

#include <QString>

// One row of TeamPlayer: a player on the roster of a team in a league.
struct TTeamPlayerRow
{
    int LigaID = 0;
    int CsapatID = 0;
    int JatekosID = 0;
    QString LigaWebID;
    QString CsapatWebID;
    QString JatekosWebID;
};
