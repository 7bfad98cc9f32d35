#pragma once

#include "model/TPlayer.h"

#include <QList>
#include <QString>
#include <optional>

class TGame;
class TTeam;

// One row of a box score table: its sort key and a copy of the statistics
// record, or nothing for a filler row.
struct TBoxScoreRow
{
    QString Key;
    std::optional<TPlayer> Record;
};

// The row lists the report menu gives a box score: the team line first (key
// " " + its name), a copy of every player keyed by name or jersey "00" as
// RENDEZES says, sorted case-insensitively with equal keys kept in order, and
// "ZZZZZ" filler rows up to 13. The copies never touch the model.
class TBoxScoreRows
{
public:
    static constexpr int MinimumRows = 13;
    static QList<TBoxScoreRow> Build(const TTeam &team, bool sortByName);
};
