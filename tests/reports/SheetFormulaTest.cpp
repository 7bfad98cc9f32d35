#include "reports/export/TSheetFormula.h"

#include <gtest/gtest.h>

namespace {

// E1 = 2, F1 = 3, G1 blank, H1 "x", A2 = 0, and formulas in row 3.
TSpreadsheet sheet()
{
    TSpreadsheet s;
    s.SetNumber(0, 4, 2);
    s.SetNumber(0, 5, 3);
    s.SetText(0, 7, QStringLiteral("x"));
    s.SetNumber(1, 0, 0);
    s.SetFormula(2, 0, QStringLiteral("=E1+F1"));
    s.SetFormula(2, 1, QStringLiteral("=A3*2"));
    s.SetFormula(2, 2, QStringLiteral("=C3+1"));
    s.SetFormula(2, 3, QStringLiteral("=E3"));
    s.SetFormula(2, 4, QStringLiteral("=D3"));
    return s;
}

TEST(SheetFormula, TemplateFormulasComputeLikeASpreadsheet)
{
    const TSpreadsheet s = sheet();
    const struct
    {
        const char *Formula;
        QVariant Expected;
    } cases[] = {
        {"=IF(F1>0,100*E1/F1,0)", 200.0 / 3},
        {"=IF(E1=\"\",\"\",2*E1+2*F1+3*A2)", 10.0},
        {"=IF(G1=\"\",\"\",1)", QStringLiteral("")},
        {"=IF(A2=\"\",\"\",1)", 1.0},   // a 0 is not empty
        {"=IF(A2>0,100*E1/A2,0)", 0.0}, // no attempts: the division is never made
        {"=-E1+F1*(2-1)/3", -1.0},
        {"=E1-F1-1", -2.0},
        {"=SUM(E1:F1)+SUM(F1:E1)", 10.0},
        {"=IF(H1=\"X\",1,2)", 1.0}, // texts compare without case
        {"=IF(E1<>F1,E1<=F1,0)", 1.0},
        {"=G1", 0.0},
        {"=B3", 10.0}, // through another formula
        {"=\"a\"\"b\"", QStringLiteral("a\"b")},
        {"= 1.5 * 2 ", 3.0},
        {"=E1/A2", QVariant()}, // division by zero
        {"=H1+1", QVariant()},  // arithmetic on a text
        {"=D3", QVariant()},    // circular
        {"=VLOOKUP(E1,F1,1)", QVariant()},
        {"=IF(E1>0,1", QVariant()},
        {"=E1 F1", QVariant()},
        {"=E0", QVariant()},
    };
    for (const auto &c : cases) {
        const QVariant v = TSheetFormula::Evaluate(s, QLatin1String(c.Formula));
        EXPECT_EQ(v.typeId(), c.Expected.typeId()) << c.Formula;
        if (c.Expected.typeId() == QMetaType::Double)
            EXPECT_DOUBLE_EQ(v.toDouble(), c.Expected.toDouble()) << c.Formula;
        else
            EXPECT_EQ(v, c.Expected) << c.Formula;
    }
    EXPECT_EQ(TSheetFormula::Evaluate(s, 2, 0), QVariant(5.0));
    EXPECT_FALSE(TSheetFormula::Evaluate(s, 2, 2).isValid()) << "refers to itself";
    EXPECT_FALSE(TSheetFormula::Evaluate(s, 0, 4).isValid()) << "not a formula";
}

} // namespace
