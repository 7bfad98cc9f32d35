#pragma once

#include <QString>

// One row of the League table.
struct TLeagueRow
{
    int LigaID = 0;
    QString WebID;
    QString LigaNev;
    QString MusorLetezik; // "I" online league, "N" not
};
