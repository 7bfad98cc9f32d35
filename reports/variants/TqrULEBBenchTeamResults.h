#pragma once

#include "reports/boxscore/TqrULEBTeamResults.h"

class TLineupList;
class ToCsereSorok;

// The line-up report "Quintet": one line per line-up of three players of
// each team, with what the team did while that line-up played.
class TqrULEBBenchTeamResults : public TqrULEBTeamResults
{
public:
    // The line-up lists of the game model; they must outlive the report.
    TqrULEBBenchTeamResults(const TGame &game, ITranslator &translator, const TLineupList &home,
                            const TLineupList &away);

    // Minutes and seconds, and "+" after a time of zero.
    static QString LineupTime(int quarterMinutes);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBBenchTeamResults"); }
    void bands(TLayout &layout) const override;
    const QList<TColumn> &columns() const override { return m_lineupColumns; }
    QString dot(const QString &text) const override { return text; }
    int valuation(const TPlayer &record) const override;

private:
    void lineupHeading(TLayout &layout, bool home) const;
    void lineupLine(TLayout &layout, bool home, const ToCsereSorok &record) const;

    const TLineupList &m_homeLineups;
    const TLineupList &m_awayLineups;
    QList<TColumn> m_lineupColumns;
};
