#pragma once

#include "TSpreadsheet.h"

#include <QString>

class ITranslator;
class TGame;

// The report menu's two spreadsheet exports of the current game: "Excel
// export" into the template "parquetix.xlt" and "FIBA export" into
// "fiba.xlt". Building fills a sheet already holding the template; Run reads
// the template, builds and writes the workbook, or writes nothing at all.
class TSpreadsheetExport
{
public:
    enum class TKind
    {
        Excel,
        Fiba
    };

    // Rows the templates keep for players.
    static constexpr int ExcelHomeRoom = 14; // rows 8 to 21
    static constexpr int ExcelAwayRoom = 15; // rows 27 to 41
    static constexpr int FibaRoom = 20;      // rows 9 to 28, away from 29

    static QString TemplateName(TKind kind);

    // False with a message when a team has more players than its block of
    // rows; the sheet is then unchanged.
    static bool BuildExcel(const TGame &game, ITranslator &translator, TSpreadsheet &sheet, QString *error);
    static bool BuildFiba(const TGame &game, TSpreadsheet &sheet, QString *error);

    // templateFolder is the home's "Template" folder.
    static bool Run(TKind kind, const TGame &game, ITranslator &translator, const QString &templateFolder,
                    const QString &file, QString *error);
};
