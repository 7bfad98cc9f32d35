#include "TVariantReports.h"

#include "TqrULEBBenchTeamResults.h"
#include "TqrULEBQuarterReport.h"
#include "TqrULEBTeamResultsFrench.h"
#include "TqrULEBTeamResultsItaly.h"
#include "TqrULEBTeamResultsPress.h"

#include "model/game/TGame.h"
#include "model/output/TNameOrder.h"
#include "model/statistics/TGameReport.h"
#include "model/statistics/TLineupStatistics.h"
#include "model/statistics/TPlusMinus.h"

TReportDocument TVariantReports::EditionBoxScore() const
{
    TPlusMinus::UpdatePlusMinus(m_game);
    switch (m_game.Settings().Edition()) {
    case TEdition::Italian: {
        TqrULEBTeamResultsItaly report(m_game, m_translator,
                                       TBoxScoreRows::Maxima(m_game.HomeTeam(), TEdition::Italian),
                                       TBoxScoreRows::Maxima(m_game.AwayTeam(), TEdition::Italian));
        report.SetImageFolder(m_imageFolder);
        return report.Build();
    }
    case TEdition::French: {
        m_game.Statistics.Compute();
        TqrULEBTeamResultsFrench report(m_game, m_translator);
        report.SetImageFolder(m_imageFolder);
        return report.Build();
    }
    default: {
        TqrULEBTeamResults report(m_game, m_translator);
        report.SetImageFolder(m_imageFolder);
        return report.Build();
    }
    }
}

TReportDocument TVariantReports::Hebrew() const
{
    TqrULEBTeamResultsHebrew report(m_game, m_translator, m_names);
    report.SetImageFolder(m_imageFolder);
    return report.Build();
}

TReportDocument TVariantReports::Press() const
{
    TqrULEBTeamResultsPress report(m_game, m_translator);
    report.SetImageFolder(m_imageFolder);
    return report.Build();
}

TReportDocument TVariantReports::Quintet() const
{
    TLineupList home;
    TLineupList away;
    TLineupStatistics(m_game).LineupStatistics(home, away);
    TqrULEBBenchTeamResults report(m_game, m_translator, home, away);
    report.SetImageFolder(m_imageFolder);
    return report.Build();
}

TReportDocument TVariantReports::Quarters(const QList<int> &periods) const
{
    TGameReport periodReport(m_game);
    for (const int n : periods)
        if (n >= 1 && n <= int(periodReport.PeriodFlags.size()))
            periodReport.PeriodFlags[size_t(n - 1)] = true;
    periodReport.Build();
    // The replayed team lines count events only; their name is the game's.
    periodReport.HomeTotals.TeamLine.JatekosNev = m_game.HomeTeam().TeamLine.JatekosNev;
    periodReport.AwayTotals.TeamLine.JatekosNev = m_game.AwayTeam().TeamLine.JatekosNev;
    const bool byName = m_game.Settings().SortByName();
    TqrULEBQuarterReport report(m_game, m_translator, periodReport.HomeTotals, periodReport.AwayTotals,
                                periods);
    const TNameOrder names(m_game.Settings().Edition());
    report.SetRows(
        TqrULEBQuarterReport::Rows(periodReport.HomeTotals, periodReport.HomePlayers, byName, names),
        TqrULEBQuarterReport::Rows(periodReport.AwayTotals, periodReport.AwayPlayers, byName, names));
    report.SetImageFolder(m_imageFolder);
    return report.Build();
}
