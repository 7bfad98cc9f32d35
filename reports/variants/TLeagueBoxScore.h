#pragma once

#include "reports/boxscore/TqrULEBTeamResults.h"

#include <functional>

struct TTeamTotals;

// What the Italian and French box scores share: the players before the team
// line, pair cells, five team lines under each total and the sponsor strips
// beside them.
class TLeagueBoxScore : public TqrULEBTeamResults
{
public:
    // The row a line of a table shows in players-then-team order: row
    // line + 1 for the players, row 0 (the team line) after them, -1 for
    // the empty lines that follow.
    static int OrderedRowIndex(int line, int players);

protected:
    TLeagueBoxScore(const TGame &game, ITranslator &translator);

    // One value of a line: its column, its text and, for the best-value
    // marks, the number compared with the team's best.
    struct TValue
    {
        QString Column;
        QString Text;
        int Number = 0;
        bool Dotted = false;
    };

    static int PlayerCount(const TTeam &team);
    // "made/attempts" in one cell.
    static QString Pair(int made, int attempts) { return QStringLiteral("%1/%2").arg(made).arg(attempts); }
    int totalsValuation(const TTeamTotals &totals) const;
    // The cells of the values, dotted where they say so.
    void valueCells(QList<TReportCell> &cells, const QList<TValue> &values, double y, double h,
                    bool bold) const;
    // A line of the row band in players-then-team order, from "Perc" on by fill.
    void orderedLine(TLayout &layout, const TTeamSide &side, int line, const QString &starter,
                     const std::function<void(QList<TReportCell> &, const TPlayer &, bool, double)> &fill,
                     const std::function<void(QList<TReportCell> &, int, double)> &panel) const;
    // The picture cell of strip i of the sponsor picture of that setting.
    TReportCell stripCell(const QString &sponsorSetting, int strip, double y, double h) const;
    // The team's total line, bold and TotalHeight tall, with the team's
    // playing time; the line's top is layout.LineTop.
    static constexpr double TotalHeight = LineHeight + 0.6;
    TReportLine &teamTotalLine(TLayout &layout, const TTeamSide &side, const QList<TValue> &values) const;
    // A team line: its label in the name column and its values; the line's top is layout.LineTop.
    TReportLine &teamLine(TLayout &layout, const QString &band, const QString &label, bool captionLabel,
                          const QList<TValue> &values, double h, bool bold) const;
};
