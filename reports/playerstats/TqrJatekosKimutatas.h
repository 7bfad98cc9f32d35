#pragma once

#include "TJatekosKimutatasLogic.h"

#include "reports/document/TReportDocument.h"

class ITranslator;

// The report "Játékos kimutatás" (A4 landscape, Arial): one line per
// accumulated record under the column headings, repeated on every page, and
// a company line at the foot of every page.
class TqrJatekosKimutatas
{
public:
    TqrJatekosKimutatas(QList<TJatekosKimutatasLogic::TRow> rows, ITranslator &translator);
    TReportDocument Build() const;

    // 100 × made ÷ attempts rounded to a whole number, halves away from
    // zero; 0 below one attempt.
    static int Percent(int made, int attempts);

private:
    QList<TJatekosKimutatasLogic::TRow> m_rows;
    ITranslator &m_translator;
};
