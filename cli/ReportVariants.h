#pragma once

#include "reports/document/TReportDocument.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class TCliGame;
struct TReportRequest;

// The box score variants of `parquetix-cli report`: the edition's box score,
// hebrew, press, quintet and quarters --periods 1,2,... (the game's periods,
// then its overtimes, in playing order).
namespace ReportVariants {

// Takes "--periods LIST" out of the arguments (the ticked periods of the quarter report).
void TakeOptions(QStringList &args);
// The native-script names of the master data and the periods of --periods into the request.
void SetChoices(TCliGame &session, TReportRequest &request);

} // namespace ReportVariants
