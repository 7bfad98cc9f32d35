#pragma once

#include "TSettings.h"

#include <QString>
#include <QStringList>

class TGame;
class TPlayer;
struct TTeamTotals;

// The plain-text box score uploaded with a finished game as its "box" field.
// The server tells records apart by their leading keywords and field counts,
// since the upload removes every line break: each field of a player, period
// or total line is followed by "|", the last one included.
class TTextBoxScore
{
public:
    // Empties lines and fills them with the report of the game; reads the
    // game and both teams and changes nothing.
    static void BuildTextBoxScore(const TGame &game, QStringList &lines);
    // The lines as SendGame takes them: joined with CR LF.
    static QString Joined(const QStringList &lines);

    // One player or team line: 27 fields, 28 in the Italian edition.
    static QString PlayerLine(const TPlayer &player, TEdition edition);
    // Period n (1 to 5) of side 1 (home) or 2 (away), replayed from the event log.
    static QString PeriodLine(const TGame &game, int side, int period);
    // The side's own running totals: the period fields without the label.
    static QString TotalLine(const TGame &game, int side);

    // A two-decimal value with the system's decimal separator, never grouped.
    static QString TwoDecimals(double value);

private:
    static QString totalsFields(const TGame &game, const TTeamTotals &totals, int valuation);
};
