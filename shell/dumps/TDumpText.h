#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class TGame;
class TGameEvent;

// The texts of the dump files that scoreboard and graphics software read:
// lines ended by CR LF, every field closed by "|", Windows-1250.
namespace TDumpText {

// "GameDumpData.dat": teams, coaches, referees, date, time, stadium, attendance, income.
QByteArray GameData(const TGame &game);
// "Dump_Data_" + number: the live box score of the whole game.
QByteArray LiveBoxScore(const TGame &game);
// "Dump_Data_Q" + period: the box score of one period from the per-period
// report; events it cannot count are reported to the operator by the report.
QByteArray PeriodBoxScore(TGame &game, int period);
// One line of "Game_Data_": the message without the server part, then the sub-event.
QByteArray EventLine(const TGameEvent &event, int serverNameLength);

QString LiveFileName(int number);
QString PeriodFileName(int period);
QString EventFileName(int number);
QString EventSubFileName(int number);

} // namespace TDumpText
