#include "TMyTeamPlays.h"

#include "masterdata/TdmMain.h"

QStringList TMyTeamPlays::Columns()
{
    return {QStringLiteral("Home team"), QStringLiteral("Away team"), QStringLiteral("Date"),
            QStringLiteral("Time"), QStringLiteral("G. code")};
}

QList<QStringList> TMyTeamPlays::Rows(TdmMain &dm, int myTeam, const QDate &today)
{
    QList<QStringList> rows;
    if (myTeam < 0 || !dm.IsOpen())
        return rows;
    for (const TGameRow &game : dm.MyTeamPlays(myTeam, today))
        rows << QStringList{game.HazaiCsapatNev, game.VendegCsapatNev, game.Datum, game.Ora,
                            game.MerkozesKod};
    return rows;
}
