#pragma once

#include "TLeagueBoxScore.h"

// The Italian league's box score: the income, shot groups as pair cells,
// dunks, points per shot and per minute and the plus-minus, each team's best
// values underlined, the players before the team line, a team line per
// period with a strip of the sponsor's picture beside it, and a closing band.
class TqrULEBTeamResultsItaly : public TLeagueBoxScore
{
public:
    // The maxima the report menu collects over each team's players.
    TqrULEBTeamResultsItaly(const TGame &game, ITranslator &translator, const TBoxScoreMaxima &home,
                            const TBoxScoreMaxima &away);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBTeamResultsItaly"); }
    void bands(TLayout &layout) const override;
    const QList<TColumn> &columns() const override { return m_italyColumns; }

private:
    enum class TMode
    {
        Player,
        Total,
        Period
    };
    QList<TValue> values(const TPlayer &p, int val, TMode mode) const;
    void incomeLine(TLayout &layout) const;
    // marked: the team's maxima to underline; null for the team line, which is no player.
    void playerCells(QList<TReportCell> &cells, const TPlayer &p, const TBoxScoreMaxima *marked,
                     double y) const;
    void total(TLayout &layout, const TTeamSide &side) const;
    void periodLines(TLayout &layout, const TTeamSide &side) const;
    void closing(TLayout &layout) const;

    TBoxScoreMaxima m_homeBest;
    TBoxScoreMaxima m_awayBest;
    QList<TColumn> m_italyColumns;
};
