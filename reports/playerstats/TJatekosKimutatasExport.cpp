#include "TJatekosKimutatasExport.h"

#include "reports/export/TSheetTemplate.h"
#include "reports/export/TXlsxWriter.h"

#include <QDir>

void TJatekosKimutatasExport::Build(const QList<TJatekosKimutatasLogic::TRow> &rows, TSpreadsheet &sheet)
{
    int row = 4;
    for (const TJatekosKimutatasLogic::TRow &r : rows) {
        const TPlayer &p = r.Record;
        int column = 0;
        auto number = [&](double value) { sheet.SetNumber(row, column++, value); };
        // A floating-point share, or the integer 0 without attempts.
        auto group = [&](int made, int tried) {
            number(made);
            number(tried);
            number(tried > 0 ? 100.0 * made / tried : 0);
        };
        number(p.JatekosMezSzam);
        if (p.Starter)
            sheet.SetBold(row, column);
        sheet.SetText(row, column++, p.JatekosNev);
        number(2 * p.CloseMade + 2 * p.MidMade + 3 * p.ThreeMade + p.FreeThrowsMade);
        number(p.PlayingTime);
        group(p.CloseMade, p.CloseMade + p.CloseMissed);
        group(p.MidMade, p.MidMade + p.MidMissed);
        group(p.ThreeMade, p.ThreeMade + p.ThreeMissed);
        const int fgMade = p.CloseMade + p.MidMade + p.ThreeMade;
        group(fgMade, fgMade + p.CloseMissed + p.MidMissed + p.ThreeMissed);
        group(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed);
        for (const int n : {p.DefRebounds, p.OffRebounds, p.DefRebounds + p.OffRebounds, p.Steals,
                            p.Turnovers, p.PersonalFouls, p.FoulsDrawn, p.Assists, p.Blocks, p.BlocksReceived,
                            p.TechnicalFouls, p.DunksMade, p.Rating})
            number(n);
        ++row;
    }
}

bool TJatekosKimutatasExport::Run(const QList<TJatekosKimutatasLogic::TRow> &rows,
                                  const QString &templateFolder, const QString &file, QString *error,
                                  ITranslator *translator)
{
    TSpreadsheet sheet;
    if (!TSheetTemplate::Load(QDir(templateFolder).filePath(TemplateName()), sheet, error))
        return false;
    if (translator)
        TSheetTemplate::Translate(sheet, *translator);
    Build(rows, sheet);
    return TXlsxWriter::Write(sheet, file, error);
}
