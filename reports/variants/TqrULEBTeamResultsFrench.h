#pragma once

#include "TLeagueBoxScore.h"

// The French league's box score: shots split by zone, the players before
// the team line, team lines of the starters, the bench, the halves and the
// overtime, and the game's leads, ties and runs beside the tables.
class TqrULEBTeamResultsFrench : public TLeagueBoxScore
{
public:
    // Reads the game's Statistics as they are: the caller computes them first.
    TqrULEBTeamResultsFrench(const TGame &game, ITranslator &translator);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBTeamResultsFrench"); }
    void bands(TLayout &layout) const override;
    const QList<TColumn> &columns() const override { return *m_inUse; }

private:
    enum class TMode
    {
        Player,
        Total,
        Group
    };
    QList<TValue> values(const TPlayer &p, int val, TMode mode) const;
    void heading(TLayout &layout, const TTeamSide &side) const;
    void panel(QList<TReportCell> &cells, const TTeamSide &side, int line, double y) const;
    void total(TLayout &layout, const TTeamSide &side) const;
    void groupLines(TLayout &layout, const TTeamSide &side) const;

    QList<TColumn> m_homeColumns;
    QList<TColumn> m_awayColumns; // the fouls drawn read "KF" over the away table
    // The table being laid out; building switches it between the two teams.
    mutable const QList<TColumn> *m_inUse = &m_homeColumns;
};
