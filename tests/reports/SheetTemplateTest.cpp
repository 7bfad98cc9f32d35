#include "reports/export/TSheetTemplate.h"
#include "reports/export/TSpreadsheet.h"
#include "support/TestHome.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(SpreadsheetNames, ColumnsAndCellsConvertBothWays)
{
    const std::pair<const char *, int> columns[] = {{"A", 0},   {"Z", 25},  {"AA", 26},    {"AG", 32},
                                                    {"AZ", 51}, {"BA", 52}, {"XFD", 16383}};
    for (const auto &[name, index] : columns) {
        EXPECT_EQ(TSpreadsheet::ColumnIndex(QLatin1String(name)), index) << name;
        EXPECT_EQ(TSpreadsheet::ColumnName(index), QLatin1String(name)) << name;
    }
    EXPECT_EQ(TSpreadsheet::ColumnIndex(QStringLiteral("XFE")), -1) << "beyond the last column";
    int row = -1, column = -1;
    ASSERT_TRUE(TSpreadsheet::ParseCell(QStringLiteral("ad43"), row, column));
    EXPECT_EQ(row, 42);
    EXPECT_EQ(column, 29);
    EXPECT_EQ(TSpreadsheet::CellName(42, 29), "AD43");
    for (const char *bad : {"", "A", "7", "A0", "A-1", "A1B", "A 1", "A1048577", "ÄB1"})
        EXPECT_FALSE(TSpreadsheet::ParseCell(QString::fromUtf8(bad), row, column)) << bad;
    EXPECT_TRUE(TSpreadsheet::ParseCell(QStringLiteral("A1048576"), row, column));
}

TEST(SheetTemplate, StatementsFillTheirCellsAndRanges)
{
    TSpreadsheet sheet;
    QString error;
    ASSERT_TRUE(TSheetTemplate::Parse("# comment\n"
                                      "sheet \"Stats \"\"A\"\"\"\r\n"
                                      "   \n"
                                      "width B:D 12.5\n"
                                      "width AG 3\n"
                                      "text A1:B2 \"Cap # not a comment\"\n"
                                      "number C3 -1.5\n"
                                      "formula G7:G9 \"=IF(F{r}>0,100*E{r}/F{r},0)\"\n"
                                      "format G8 \"0.0\"\n"
                                      "bold G9:H9\n"
                                      "align D1:D2 center\n"
                                      "print landscape\n",
                                      QStringLiteral("t.xlt"), sheet, &error))
        << error.toStdString();
    EXPECT_EQ(sheet.SheetName, "Stats \"A\"");
    EXPECT_EQ(sheet.ColumnWidths.keys(), (QList<int>{1, 2, 3, 32}));
    EXPECT_EQ(sheet.ColumnWidths.value(2), 12.5);
    for (const char *name : {"A1", "B1", "A2", "B2"})
        EXPECT_EQ(sheet.Cell(QLatin1String(name))->Text, "Cap # not a comment") << name;
    EXPECT_EQ(sheet.Cell(QStringLiteral("C1")), nullptr);
    EXPECT_EQ(sheet.Cell(QStringLiteral("C3"))->Number, -1.5);
    EXPECT_EQ(sheet.Cell(QStringLiteral("G7"))->Text, "=IF(F7>0,100*E7/F7,0)");
    EXPECT_EQ(sheet.Cell(QStringLiteral("G9"))->Text, "=IF(F9>0,100*E9/F9,0)");
    EXPECT_EQ(sheet.Cell(QStringLiteral("G8"))->NumberFormat, "0.0");
    EXPECT_TRUE(sheet.Cell(QStringLiteral("H9"))->Bold);
    EXPECT_FALSE(sheet.Cell(QStringLiteral("G8"))->Bold);
    EXPECT_EQ(sheet.Cell(QStringLiteral("D2"))->Alignment, TSheetCell::TAlign::Center);
    EXPECT_EQ(sheet.Cell(QStringLiteral("G8"))->Alignment, TSheetCell::TAlign::General);
    EXPECT_TRUE(sheet.Landscape);

    // Data written later keeps the template's bold and format.
    sheet.SetNumber(7, 6, 66.5);
    EXPECT_EQ(sheet.Cell(QStringLiteral("G8"))->Kind, TSheetCell::TKind::Number);
    EXPECT_EQ(sheet.Cell(QStringLiteral("G8"))->NumberFormat, "0.0");
}

TEST(SheetTemplate, AFaultyLineIsNamedWithItsFileAndNumberAndChangesNothing)
{
    const struct
    {
        const char *Line;
        const char *Problem;
    } cases[] = {
        {"merge A1:B2", "unknown statement \"merge\""},
        {"text A1 \"open", "a text without its closing quote"},
        {"text A1 \"a\"b", "a closing quote not followed by a blank"},
        {"text A1 plain", "\"text\" needs its text in double quotes"},
        {"text A1", "\"text\" takes 2 values"},
        {"text 1A \"x\"", "\"1A\" is not a cell or a range of cells"},
        {"text B2:A1 \"x\"", "\"B2:A1\" is not a cell or a range of cells"},
        {"text A1:B2:C3 \"x\"", "\"A1:B2:C3\" is not a cell or a range of cells"},
        {"number A1 ten", "\"ten\" is not a number"},
        {"number A1 \"1\"", "\"number\" takes no quoted text"},
        {"formula A1 \"SUM(B1:B2)\"", "a formula starts with \"=\""},
        {"width A wide", "\"wide\" is not a column width (0 to 255)"},
        {"width A 300", "\"300\" is not a column width (0 to 255)"},
        {"width C:A 3", "\"C:A\" is not a column or a range of columns"},
        {"bold A1 \"x\"", "\"bold\" takes 1 values"},
        {"sheet \"\"", "a sheet name has 1 to 31 characters"},
        {"sheet \"12345678901234567890123456789012\"", "a sheet name has 1 to 31 characters"},
        {"\"text\" A1 \"x\"", "a line starts with a keyword, not a text"},
        {"align A1 middle", "\"align\" takes left, center or right"},
        {"align A1 \"left\"", "\"align\" takes no quoted text"},
        {"print sideways", "\"print\" takes landscape or portrait"},
    };
    for (const auto &c : cases) {
        TSpreadsheet sheet;
        sheet.SetText(0, 0, QStringLiteral("before"));
        QString error;
        const QByteArray text = QByteArray("# head\ntext B1 \"fine\"\n") + c.Line + "\ntext C1 \"after\"\n";
        EXPECT_FALSE(TSheetTemplate::Parse(text, QStringLiteral("Template/x.xlt"), sheet, &error)) << c.Line;
        EXPECT_EQ(error, QStringLiteral("Template/x.xlt:3: ") + QString::fromUtf8(c.Problem)) << c.Line;
        EXPECT_EQ(sheet.Cell(QStringLiteral("A1"))->Text, "before");
        EXPECT_EQ(sheet.Cell(QStringLiteral("B1")), nullptr) << "nothing of a faulty template is kept";
    }
}

TEST(SheetTemplate, AMissingFileIsNamed)
{
    TestHome home;
    TSpreadsheet sheet;
    QString error;
    EXPECT_FALSE(TSheetTemplate::Load(home.file(QStringLiteral("none.xlt")), sheet, &error));
    EXPECT_TRUE(error.startsWith(home.file(QStringLiteral("none.xlt")) + QStringLiteral(": cannot be read")))
        << error.toStdString();
}

TEST(SheetTemplate, TheBundledTemplatesRead)
{
    for (const char *name : {"parquetix.xlt", "fiba.xlt", "parquetix_player_report.xlt"}) {
        TSpreadsheet sheet;
        QString error;
        EXPECT_TRUE(TSheetTemplate::Load(
            QDir(sourceFolder()).filePath(QStringLiteral("home/Template/") + QLatin1String(name)), sheet,
            &error))
            << error.toStdString();
        EXPECT_FALSE(sheet.SheetName.isEmpty()) << name;
        EXPECT_FALSE(sheet.Cells().empty()) << name;
    }
}

} // namespace
