#pragma once

#include "model/game/TPlayer.h"
#include "model/settings/TSettings.h"

#include <QList>
#include <QString>
#include <optional>

class TGame;
class TNameOrder;
class TTeam;

// One row of a box score table: its sort key and a copy of the statistics
// record, or nothing for a filler row.
struct TBoxScoreRow
{
    QString Key;
    std::optional<TPlayer> Record;
};

// The largest value of each statistic over a team's players, each kept on
// its own; the Italian box score marks them. Zero for a team without players.
struct TBoxScoreMaxima
{
    int Points = 0, TwoMade = 0, TwoPercent = 0, DunksMade = 0, ThreeMade = 0, ThreePercent = 0;
    int FieldGoalsMade = 0, FieldGoalPercent = 0, FreeThrowsMade = 0, FreeThrowPercent = 0;
    int DefRebounds = 0, OffRebounds = 0, Rebounds = 0, Steals = 0, Turnovers = 0, Fouls = 0, FoulsDrawn = 0;
    int Assists = 0, Blocks = 0, BlocksReceived = 0, PerformanceIndex = 0, PlusMinus = 0;
    bool operator==(const TBoxScoreMaxima &o) const = default;
};

// The row lists the report menu gives a box score: the team line first (key
// " " + its name), a copy of every player keyed by name or jersey "00" as
// RENDEZES says, sorted case-insensitively with equal keys kept in order, and
// "ZZZZZ" filler rows up to 13. The copies never touch the model.
class TBoxScoreRows
{
public:
    static constexpr int MinimumRows = 13;
    static QList<TBoxScoreRow> Build(const TTeam &team, bool sortByName, const TNameOrder &names);
    static TBoxScoreMaxima Maxima(const TTeam &team, TEdition edition);
};
