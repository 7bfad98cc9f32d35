#pragma once

#include "TSpreadsheet.h"

#include <QByteArray>
#include <QString>

class ITranslator;

// The text templates of the spreadsheet exports ("Template/parquetix.xlt",
// "fiba.xlt", "parquetix_player_report.xlt"): one statement per line, UTF-8.
//
//   # a comment                 blank lines and comments are skipped
//   sheet "Name"                the sheet's name
//   width A:C 12                column width (a column or a range of columns)
//   text A1 "Caption"           a text in every cell of a cell or range
//   number G43 1                a number
//   formula G7:G21 "=E{r}*2"    a formula; {r} is each cell's own row number
//   format G7:G21 "0.0"         number format, kept when data is written there
//   bold A1:AG6                 bold font, kept when data is written there
//   align D8:D21 center         left, center or right, kept when data is written there
//   print landscape             landscape or portrait; always one page wide
//
// Texts are in double quotes, a quote inside doubled ("").
class TSheetTemplate
{
public:
    // Reads a template into the sheet. A file that cannot be read or a line
    // that cannot be understood gives false and "FILE:LINE: what" in error;
    // the sheet is then left as it was.
    static bool Load(const QString &file, TSpreadsheet &sheet, QString *error);
    // The template's texts and sheet name in the edition's language ("PRINT"
    // texts): a heading the user wrote in his own language has no entry and stays.
    static void Translate(TSpreadsheet &sheet, ITranslator &translator);
    static bool Parse(const QByteArray &text, const QString &fileName, TSpreadsheet &sheet, QString *error);
};
