#include "TqrULEBQuarterReport.h"

#include "model/output/TNameOrder.h"
#include "model/output/TPeriodNames.h"

#include "model/game/TPlayerList.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

#include <algorithm>

TqrULEBQuarterReport::TqrULEBQuarterReport(const TGame &game, ITranslator &translator, const TTeam &home,
                                           const TTeam &away, QList<int> periods)
    : TqrULEBTeamResults(game, translator), m_homeTeam(home), m_awayTeam(away), m_periods(std::move(periods))
{
    m_plainRunningScore = true;
    m_coachInHeading = false;
    m_coachInTotal = true;
    m_plainTotalPercents = true;
}

QString TqrULEBQuarterReport::remarkText() const
{
    const QString section = QStringLiteral("PRINT");
    return m_translator.Translate(QStringLiteral("Periods:"), section) + QLatin1Char(' ') +
           TPeriodNames::List(m_game, m_periods, m_translator, section);
}

bool TqrULEBQuarterReport::HasEvent(const TPlayer &p)
{
    const int counters[] = {p.Points,           p.CloseMade,      p.CloseMissed, p.MidMade,
                            p.MidMissed,        p.ThreeMade,      p.ThreeMissed, p.FreeThrowsMade,
                            p.FreeThrowsMissed, p.DefRebounds,    p.OffRebounds, p.Steals,
                            p.Turnovers,        p.PersonalFouls,  p.FoulsDrawn,  p.Assists,
                            p.Blocks,           p.BlocksReceived, p.DunksMade,   p.DunksMissed};
    return std::any_of(std::begin(counters), std::end(counters), [](int n) { return n != 0; });
}

QList<TBoxScoreRow> TqrULEBQuarterReport::Rows(const TTeam &reportTeam, const TPlayerList &players,
                                               bool sortByName, const TNameOrder &names)
{
    QList<TBoxScoreRow> rows;
    rows.append({QLatin1Char(' ') + reportTeam.TeamLine.JatekosNev, reportTeam.TeamLine});
    for (int i = 0; i < players.Count(); ++i) {
        const TPlayer &p = *players.At(i);
        if (!HasEvent(p))
            continue;
        rows.append({PlayerStats::RosterKey(p, sortByName), p});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const TBoxScoreRow &a, const TBoxScoreRow &b) { return names(a.Key, b.Key); });
    while (rows.size() < TBoxScoreRows::MinimumRows)
        rows.append({QStringLiteral("ZZZZZ"), std::nullopt});
    return rows;
}
