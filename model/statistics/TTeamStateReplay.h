#pragma once

#include <QList>

class TGame;
class TGameEvent;

// What the saved files keep no field for but the event log determines: the
// team fouls of the current period, the foul or turnover still waiting for
// its type, and the defence mode last sent. Rebuilt with the rules the live
// recording follows, so a reopened game goes on as it was left.
void RestoreTeamState(TGame &game, const QList<TGameEvent> &events);
