#pragma once

#include <QString>

// One row of the Player table. The game model's player record is filled
// from it by the caller; this layer knows nothing of that record's layout.
struct TPlayerRow
{
    int JatekosID = 0;
    QString WebID;
    QString JatekosNev;
    QString JatekosRovidNev;
    QString Szuletes;
    int JatekosTestMagassag = 0;
    int JatekosSuly = 0;
    QString JatekosPoszt;
    int JatekosMezSzam = 0;
    QString JatekosOrszagID;
    QString JatekosEredetiNev;
};
