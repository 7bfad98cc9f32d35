#pragma once

#include "reports/document/TReportDocument.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class TCliGame;

// The shot charts, the shot list, the play-by-play list and the score graph
// of `parquetix-cli report`.

// Takes "--scope both|home|away", "--player JERSEY" and the team word after
// "individual" out of args; false with a message on err.
bool TakeChartReportOptions(QStringList &args, QTextStream &err);
// Whether name is one of these reports.
bool IsChartReport(const QString &name);
// The documents of name in print order; false with a message on stderr when
// the options do not fit the game.
bool BuildChartReports(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents);
// The individual charts of one team, as print all prints them.
void AppendIndividualChart(TCliGame &session, bool home, std::vector<TReportDocument> &documents);
// Names for the usage text.
inline constexpr const char *ChartReportNames =
    "shooting, alternative [--scope both|home|away] [--player JERSEY], "
    "shotlist (same options), individual home|away, gameflow, keymoments";
