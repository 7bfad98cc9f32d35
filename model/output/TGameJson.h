#pragma once

#include <QJsonObject>

class TGame;
class TGameEvent;
class TPlayer;
struct TTeamTotals;
class TTeam;

// The whole game state as JSON, keyed by the model's field names, so scripted
// games can be compared and inspected field by field.
namespace GameJson {
QJsonObject Game(const TGame &game);
QJsonObject Team(const TTeam &team);
QJsonObject Player(const TPlayer &player);
QJsonObject Totals(const TTeamTotals &totals);
QJsonObject Event(const TGameEvent &event);
} // namespace GameJson
