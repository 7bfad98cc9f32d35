#pragma once

#include "reports/boxscore/TqrULEBTeamResults.h"

class TGameReport;
class TNameOrder;
class TPlayerList;

// The box score of the periods the operator ticked: tables, totals and
// ratios from the per-period report's teams and player records; the header
// still shows the whole game.
class TqrULEBQuarterReport : public TqrULEBTeamResults
{
public:
    // The teams of the per-period report of the stretches given (TPeriodRule);
    // they must outlive the report.
    TqrULEBQuarterReport(const TGame &game, ITranslator &translator, const TTeam &home, const TTeam &away,
                         QList<int> periods);

    // The row list of one side of a built per-period report: its team line,
    // the records of the players with an event in the ticked periods, sorted
    // as RENDEZES says, and filler rows up to 13.
    static QList<TBoxScoreRow> Rows(const TTeam &reportTeam, const TPlayerList &players, bool sortByName,
                                    const TNameOrder &names);
    // True when the record counted any event.
    static bool HasEvent(const TPlayer &record);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBQuarterReport"); }
    int copies() const override { return 1; }
    const TTeam &valueTeam(bool home) const override { return home ? m_homeTeam : m_awayTeam; }
    // "Periods: 1. félidő, Hosszabbítás": what the tables count.
    QString remarkText() const override;

private:
    const TTeam &m_homeTeam;
    const TTeam &m_awayTeam;
    QList<int> m_periods;
};
