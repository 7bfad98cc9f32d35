#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

class TCliGame;
class TdmMain;
struct TReportRequest;

// The choices of the shot charts and the shot list of `parquetix-cli report`.

// Takes "--scope both|home|away", "--player JERSEY" and the team word after
// "individual" out of args; false with a message on err.
bool TakeChartReportOptions(QStringList &args, QTextStream &err);
// The chart choices into the request: the team of "individual", the scope,
// and the player of --player (a jersey of the scope's team); false with the
// reason in refusal when the jersey does not fit the game.
bool SetChartChoices(TCliGame &session, TReportRequest &request, QString &refusal);

// The players' jerseys from the home's master data for the reports that
// print them; the lookup lasts as long as what this returns.
std::unique_ptr<TdmMain> OpenJerseyLookup(TReportRequest &request);

// Names for the usage text.
inline constexpr const char *ChartReportNames =
    "shooting, alternative [--scope both|home|away] [--player JERSEY], "
    "shotlist (same options), individual home|away, gameflow, keymoments";
