#include "TBoxScoreRows.h"

#include "model/game/TTeam.h"
#include "model/output/TNameOrder.h"

#include <algorithm>

QList<TBoxScoreRow> TBoxScoreRows::Build(const TTeam &team, bool sortByName, const TNameOrder &names)
{
    QList<TBoxScoreRow> rows;
    rows.append({QLatin1Char(' ') + team.TeamLine.JatekosNev, team.TeamLine});
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            rows.append({PlayerStats::RosterKey(p, sortByName), p});
        }
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const TBoxScoreRow &a, const TBoxScoreRow &b) { return names(a.Key, b.Key); });
    while (rows.size() < MinimumRows)
        rows.append({QStringLiteral("ZZZZZ"), std::nullopt});
    return rows;
}

TBoxScoreMaxima TBoxScoreRows::Maxima(const TTeam &team, TEdition edition)
{
    TBoxScoreMaxima m;
    bool first = true;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            const std::pair<int *, int> values[] = {
                {&m.Points, p.Points},
                {&m.TwoMade, p.CloseMade + p.MidMade},
                {&m.TwoPercent, PlayerStats::TwoPointPercent(p)},
                {&m.DunksMade, p.DunksMade},
                {&m.ThreeMade, p.ThreeMade},
                {&m.ThreePercent, PlayerStats::ThreePercent(p)},
                {&m.FieldGoalsMade, p.CloseMade + p.MidMade + p.ThreeMade},
                {&m.FieldGoalPercent, PlayerStats::FieldGoalPercent(p)},
                {&m.FreeThrowsMade, p.FreeThrowsMade},
                {&m.FreeThrowPercent, PlayerStats::FreeThrowPercent(p)},
                {&m.DefRebounds, p.DefRebounds},
                {&m.OffRebounds, p.OffRebounds},
                {&m.Rebounds, p.DefRebounds + p.OffRebounds},
                {&m.Steals, p.Steals},
                {&m.Turnovers, p.Turnovers},
                {&m.Fouls, p.PersonalFouls},
                {&m.FoulsDrawn, p.FoulsDrawn},
                {&m.Assists, p.Assists},
                {&m.Blocks, p.Blocks},
                {&m.BlocksReceived, p.BlocksReceived},
                {&m.PerformanceIndex, PlayerStats::PerformanceIndex(p, edition)},
                {&m.PlusMinus, PlayerStats::PlusMinus(p)},
            };
            // The first player sets every maximum, so negative values count too.
            for (const auto &[field, value] : values)
                *field = first ? value : std::max(*field, value);
            first = false;
        }
    return m;
}
