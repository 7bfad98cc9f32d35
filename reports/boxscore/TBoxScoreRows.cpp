#include "TBoxScoreRows.h"

#include "model/TTeam.h"

#include <algorithm>

QList<TBoxScoreRow> TBoxScoreRows::Build(const TTeam &team, bool sortByName)
{
    QList<TBoxScoreRow> rows;
    rows.append({QLatin1Char(' ') + team.TeamLine.JatekosNev, team.TeamLine});
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            rows.append({sortByName ? p.JatekosNev
                                    : QStringLiteral("%1").arg(p.JatekosMezSzam, 2, 10, QLatin1Char('0')),
                         p});
        }
    std::stable_sort(rows.begin(), rows.end(), [](const TBoxScoreRow &a, const TBoxScoreRow &b) {
        return QString::compare(a.Key, b.Key, Qt::CaseInsensitive) < 0;
    });
    while (rows.size() < MinimumRows)
        rows.append({QStringLiteral("ZZZZZ"), std::nullopt});
    return rows;
}
