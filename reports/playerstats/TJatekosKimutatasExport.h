#pragma once

#include "TJatekosKimutatasLogic.h"

#include "reports/export/TSpreadsheet.h"

class ITranslator;

// The spreadsheet export of the accumulated player records: one row per
// record from row 5 in the template "parquetix_player_report.xlt".
class TJatekosKimutatasExport
{
public:
    static QString TemplateName() { return QStringLiteral("parquetix_player_report.xlt"); }
    static void Build(const QList<TJatekosKimutatasLogic::TRow> &rows, TSpreadsheet &sheet);
    // Reads the template, builds and writes the workbook, or writes nothing.
    // With a translator the template's headings are in its language.
    static bool Run(const QList<TJatekosKimutatasLogic::TRow> &rows, const QString &templateFolder,
                    const QString &file, QString *error, ITranslator *translator = nullptr);
};
