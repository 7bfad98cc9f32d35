#pragma once

#include "model/settings/TSettings.h"

#include <QList>
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
    // The statistics servers read four quarter lines and an overtime line
    // whatever the game's periods: the regular periods fill the first lines
    // in order (a two-period game leaves the third and fourth empty) and the
    // fifth holds every overtime together. The stretches (TPeriodRule) of
    // line 1 to 5; empty for a line the game has nothing in.
    static QList<int> LineStretches(const TGame &game, int line);
    // Line 1 to 5 of side 1 (home) or 2 (away), replayed from the event log.
    static QString PeriodLine(const TGame &game, int side, int line);
    // The side's own running totals: the period fields without the label.
    static QString TotalLine(const TGame &game, int side);

    // A two-decimal value with the system's decimal separator, never grouped.
    static QString TwoDecimals(double value);
    // A name or other text as one field: "|" would close the field and a line
    // break end the record early, so each stands as "/" or a space.
    static QString FieldText(const QString &text);

private:
    static QString totalsFields(const TGame &game, const TTeamTotals &totals, int valuation);
};
