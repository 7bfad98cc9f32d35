#include "BoxScoreFixture.h"
#include "XlsxReader.h"

#include "reports/export/TSheetTemplate.h"
#include "reports/export/TSpreadsheetExport.h"
#include "reports/export/TXlsxWriter.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>

namespace {

// The bundled templates of the source tree.
QString templateFolder()
{
    return QDir(sourceFolder()).filePath(QStringLiteral("home/Template"));
}

// A game with a starter named Kiss (jersey 4), jerseys 5 and 10, a bench
// player, team events, and shots in both regular periods.
class SpreadsheetExport : public BoxScoreFixture
{
protected:
    void SetUp() override
    {
        run(QStringLiteral(R"(game code=XLS1 coach1="Home Coach" coach2="Away Coach"
team home id=1 webid=T1 name="Home Team" league=1
team away id=2 webid=T2 name="Away Team" league=1
player home id=11 webid=H11 jersey=4 name="Kiss" court
player home id=12 webid=H12 jersey=10 name="abel Adam" court
player home id=13 webid=H13 jersey=5 name="Zold Zeno" court
player home id=14 webid=H14 jersey=7 name="Bede Bela" bench
player away id=21 webid=A21 jersey=8 name="Molnar David" court
player away id=22 webid=A22 jersey=12 name="Varga Levente" court
player away id=23 webid=A23 jersey=14 name="Papp Daniel" court
length 5
tick
select home 4
shot home made close 120 30
shot home made close 120 30
shot home missed close 120 30
shot home made three 40 200
event home 1008
tick
teammode home
event home 1001
select away 8
shot away made freethrow 120 60
)"));
        clockTo(21);
        run(QStringLiteral("select home 10\nshot home made mid 80 120"));
    }
    XlsxBook write(TSpreadsheetExport::TKind kind)
    {
        const QString file = home.file(QStringLiteral("out.xlsx"));
        QString error;
        EXPECT_TRUE(TSpreadsheetExport::Run(kind, game, translator, templateFolder(), file, &error))
            << error.toStdString();
        XlsxBook book;
        EXPECT_TRUE(book.Open(file, &error)) << error.toStdString();
        return book;
    }
    TestHome home;
};

TEST_F(SpreadsheetExport, ExcelSheetHoldsTitleTeamsAndPlayersSortedByName)
{
    const XlsxBook book = write(TSpreadsheetExport::TKind::Excel);
    EXPECT_EQ(book.SheetName, "Mérközés statisztikája");
    EXPECT_EQ(book.Cell("A1").Text, "Home Team - Away Team   (05:15) 9-1");
    EXPECT_EQ(book.Cell("A3").Text, "Home Team");
    EXPECT_EQ(book.Cell("A22").Text, "Away Team");
    // Case-insensitive name order: abel, Bede, Kiss, Zold.
    const char *names[] = {"abel Adam", "Bede Bela", "Kiss", "Zold Zeno"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(book.Cell(QStringLiteral("B%1").arg(8 + i)).Text, names[i]) << i;
    EXPECT_TRUE(book.Cell("B12").Formula.isEmpty() && !book.Cell("B12").IsText) << "row 12 stays empty";
    EXPECT_EQ(book.Cell("B27").Text, "Molnar David");
    EXPECT_TRUE(book.Entry(QStringLiteral("xl/worksheets/sheet1.xml")).contains("landscape"));
    EXPECT_EQ(book.Cell("H42").Text, "Home");
    EXPECT_EQ(book.Cell("I42").Text, "Away");
}

TEST_F(SpreadsheetExport, ExcelStarterIsBoldWithAStarAndNumbersAreNumbers)
{
    const XlsxBook book = write(TSpreadsheetExport::TKind::Excel);
    const int kiss = 10, bede = 9;
    EXPECT_TRUE(book.Cell(QStringLiteral("B%1").arg(kiss)).Bold);
    EXPECT_EQ(book.Cell(QStringLiteral("AG%1").arg(kiss)).Text, "*");
    EXPECT_FALSE(book.Cell(QStringLiteral("B%1").arg(bede)).Bold);
    EXPECT_FALSE(book.Cell(QStringLiteral("AG%1").arg(bede)).IsText);

    const XlsxCell jersey = book.Cell(QStringLiteral("A%1").arg(kiss));
    EXPECT_TRUE(jersey.IsNumber);
    EXPECT_EQ(jersey.Number, 4);
    const XlsxCell time = book.Cell(QStringLiteral("D%1").arg(kiss));
    EXPECT_TRUE(time.IsText);
    EXPECT_EQ(time.Text, "05:15");
    // Close 2 of 3, three 1 of 1, a personal foul.
    const std::pair<const char *, double> counts[] = {{"E", 2}, {"F", 3}, {"K", 1},
                                                      {"L", 1}, {"Y", 1}, {"AE", 0}};
    for (const auto &[column, value] : counts) {
        const XlsxCell c = book.Cell(QStringLiteral("%1%2").arg(QLatin1String(column)).arg(kiss));
        EXPECT_TRUE(c.IsNumber) << column;
        EXPECT_EQ(c.Number, value) << column;
    }
    // The percentage and field-goal cells are the template's formulas.
    EXPECT_EQ(book.Cell(QStringLiteral("G%1").arg(kiss)).Formula,
              QStringLiteral("IF(E%1=\"\",\"\",IF(F%1>0,100*E%1/F%1,0))").arg(kiss));
    EXPECT_EQ(book.Cell(QStringLiteral("N%1").arg(kiss)).Formula,
              QStringLiteral("IF(E%1=\"\",\"\",E%1+H%1+K%1)").arg(kiss));
    // Their results go along: 2 of 3 close shots, 7 points, and nothing on an empty row.
    EXPECT_DOUBLE_EQ(book.Cell(QStringLiteral("G%1").arg(kiss)).Cached.toDouble(), 200.0 / 3);
    EXPECT_EQ(book.Cell(QStringLiteral("C%1").arg(kiss)).Cached, "7");
    EXPECT_EQ(book.Cell(QStringLiteral("P%1").arg(kiss)).Cached, "75");
    EXPECT_EQ(book.Cell("C13").Cached, "");
    EXPECT_FALSE(book.Cell("C13").Formula.isEmpty());
}

TEST_F(SpreadsheetExport, ExcelTeamLineAndPeriodScores)
{
    const XlsxBook book = write(TSpreadsheetExport::TKind::Excel);
    // The home team line holds the team's own defensive rebound only.
    EXPECT_EQ(book.Cell("T7").Number, 1);
    EXPECT_EQ(book.Cell("E7").Number, 0);
    EXPECT_TRUE(book.Cell("E7").IsNumber);
    EXPECT_TRUE(book.Cell("D7").Formula.isEmpty() && !book.Cell("D7").IsText) << "no time on the team line";
    // Period 1: 7-1, period 2: 2-0, no third or fourth period.
    const int expected[4][2] = {{7, 1}, {2, 0}, {0, 0}, {0, 0}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(book.Cell(QStringLiteral("G%1").arg(43 + k)).Number, k + 1);
        EXPECT_EQ(book.Cell(QStringLiteral("H%1").arg(43 + k)).Number, expected[k][0]) << k;
        EXPECT_EQ(book.Cell(QStringLiteral("I%1").arg(43 + k)).Number, expected[k][1]) << k;
    }
}

TEST_F(SpreadsheetExport, ValuationIsStoredInHungarianAndComputedElsewhere)
{
    const int kiss = 10;
    const TPlayer *player = game.HomeTeam().OnCourt.At(game.HomeTeam().OnCourt.IndexOf(QStringLiteral("04")));
    ASSERT_NE(player, nullptr);
    ASSERT_NE(player->Rating, PlayerStats::PerformanceIndex(*player, TEdition::English))
        << "the foul must set the stored valuation apart";
    const TPlayer &line = game.HomeTeam().TeamLine;
    const struct
    {
        const char *Version;
        int Player;
        int Team;
    } cases[] = {
        {"HUN", player->Rating, line.Rating},
        {"ENG", PlayerStats::PerformanceIndex(*player, TEdition::English),
         PlayerStats::PerformanceIndex(line, TEdition::English)},
        {"FRA", PlayerStats::PerformanceIndex(*player, TEdition::French),
         PlayerStats::PerformanceIndex(line, TEdition::French)},
    };
    for (const auto &c : cases) {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(c.Version));
        const XlsxBook book = write(TSpreadsheetExport::TKind::Excel);
        EXPECT_EQ(book.Cell(QStringLiteral("AF%1").arg(kiss)).Number, c.Player) << c.Version;
        EXPECT_EQ(book.Cell("AD7").Number, c.Team) << c.Version;
    }
}

TEST_F(SpreadsheetExport, FibaSortsJerseysAsTextAndMarksStarters)
{
    const XlsxBook book = write(TSpreadsheetExport::TKind::Fiba);
    EXPECT_EQ(book.Cell("B9").Number, 10);
    EXPECT_EQ(book.Cell("B10").Number, 4);
    EXPECT_EQ(book.Cell("B11").Number, 5);
    EXPECT_EQ(book.Cell("B12").Number, 7);
    EXPECT_EQ(book.Cell("C10").Text, "Kiss *");
    EXPECT_EQ(book.Cell("C12").Text, "Bede Bela");
    EXPECT_EQ(book.Cell("F10").Text, "05:15");
    // Kiss: 2 of 3 close, 1 of 1 three: 2P 2/3, 3P 1/1, 7 points.
    const std::pair<const char *, double> kiss[] = {{"G", 2}, {"H", 3}, {"I", 1},
                                                    {"J", 1}, {"Q", 1}, {"T", 7}};
    for (const auto &[column, value] : kiss)
        EXPECT_EQ(book.Cell(QStringLiteral("%1%2").arg(QLatin1String(column)).arg(10)).Number, value)
            << column;
    EXPECT_EQ(book.Cell("B29").Number, 12) << "away players from row 29, 12 before 14 before 8";
    EXPECT_EQ(book.Cell("B31").Number, 8);
    EXPECT_EQ(book.Cell("T31").Number, 1);
    EXPECT_EQ(book.Cell("D10").Formula, "IF(G10=\"\",\"\",G10+I10)");
    // Nothing of the Excel export's title or team lines.
    EXPECT_EQ(book.Cell("A1").Text, "FIBA statistics sheet");
    EXPECT_FALSE(book.Cell("A22").IsText);
    EXPECT_EQ(book.SheetName, "FIBA");
}

TEST_F(SpreadsheetExport, FibaNameWithStarIsCutTo62Characters)
{
    game.HomeTeam().OnCourt.At(0)->JatekosNev = QString(61, QLatin1Char('x'));
    const XlsxBook book = write(TSpreadsheetExport::TKind::Fiba);
    bool seen = false;
    for (int row = 9; row < 13; ++row) {
        const QString name = book.Cell(QStringLiteral("C%1").arg(row)).Text;
        if (name.startsWith(QLatin1String("xxx"))) {
            seen = true;
            EXPECT_EQ(name, QString(61, QLatin1Char('x')) + QLatin1Char(' '));
        }
    }
    EXPECT_TRUE(seen);
}

TEST_F(SpreadsheetExport, TeamsBeyondTheRoomAreRefusedAndNothingIsWritten)
{
    const struct
    {
        TSpreadsheetExport::TKind Kind;
        bool Home;
        int Players;
        bool Fits;
    } cases[] = {
        {TSpreadsheetExport::TKind::Excel, true, 14, true},
        {TSpreadsheetExport::TKind::Excel, true, 15, false},
        {TSpreadsheetExport::TKind::Excel, false, 15, true},
        {TSpreadsheetExport::TKind::Excel, false, 16, false},
        {TSpreadsheetExport::TKind::Fiba, true, 20, true},
        {TSpreadsheetExport::TKind::Fiba, false, 21, false},
    };
    for (const auto &c : cases) {
        TTeam &team = c.Home ? static_cast<TTeam &>(game.HomeTeam()) : game.AwayTeam();
        while (team.OnCourt.Count() + team.Bench.Count() < c.Players) {
            auto p = std::make_unique<TPlayer>();
            p->JatekosNev = QStringLiteral("Extra %1").arg(team.Bench.Count());
            p->JatekosMezSzam = 50 + team.Bench.Count();
            team.AddToBench(std::move(p));
        }
        const QString file = home.file(QStringLiteral("room.xlsx"));
        home.write(QStringLiteral("room.xlsx"), "earlier");
        QString error;
        const bool ok = TSpreadsheetExport::Run(c.Kind, game, translator, templateFolder(), file, &error);
        EXPECT_EQ(ok, c.Fits) << c.Players;
        if (!c.Fits) {
            EXPECT_TRUE(error.contains(QString::number(c.Players))) << error.toStdString();
            EXPECT_EQ(home.read(QStringLiteral("room.xlsx")), "earlier");
        }
        team.Bench.Clear();
    }
    EXPECT_EQ(QDir(home.path()).entryList(QStringList{QStringLiteral(".*part")}, QDir::Hidden | QDir::Files),
              QStringList())
        << "no temporary file left";
}

TEST_F(SpreadsheetExport, UnreadableTemplateNamesFileAndLineAndWritesNothing)
{
    home.write(QStringLiteral("Template/parquetix.xlt"), "sheet \"S\"\n\ntext A1 \"ok\"\nmerge A1:B2\n");
    const QString file = home.file(QStringLiteral("never.xlsx"));
    QString error;
    EXPECT_FALSE(TSpreadsheetExport::Run(TSpreadsheetExport::TKind::Excel, game, translator,
                                         home.file(QStringLiteral("Template")), file, &error));
    EXPECT_TRUE(error.endsWith(QLatin1String("parquetix.xlt:4: unknown statement \"merge\"")))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(TSpreadsheetExport::Run(TSpreadsheetExport::TKind::Fiba, game, translator,
                                         home.file(QStringLiteral("Template")), file, &error));
    EXPECT_TRUE(error.contains(QLatin1String("fiba.xlt"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

TEST(XlsxWriter, AMissingFolderFailsWithoutLeavingAFile)
{
    TestHome home;
    TSpreadsheet sheet;
    sheet.SetNumber(0, 0, 1);
    QString error;
    EXPECT_FALSE(TXlsxWriter::Write(sheet, home.file(QStringLiteral("no/such/x.xlsx")), &error));
    EXPECT_TRUE(error.contains(QLatin1String("x.xlsx"))) << error.toStdString();
}

TEST(XlsxWriter, CellsKeepTheirKindFormatAndBoldThroughTheFile)
{
    TestHome home;
    TSpreadsheet sheet;
    sheet.SheetName = QStringLiteral("a/b[c]");
    sheet.SetNumberFormat(1, 2, QStringLiteral("0.0"));
    sheet.SetNumber(1, 2, 200.0 / 3);
    sheet.SetBold(2, 27);
    sheet.SetText(2, 27, QStringLiteral("Árvíztűrő \"x\" <y>"));
    sheet.SetFormula(3, 0, QStringLiteral("=C2*2"));
    sheet.SetNumber(4, 0, 0);
    const QString file = home.file(QStringLiteral("k.xlsx"));
    QString error;
    ASSERT_TRUE(TXlsxWriter::Write(sheet, file, &error)) << error.toStdString();
    XlsxBook book;
    ASSERT_TRUE(book.Open(file, &error)) << error.toStdString();
    EXPECT_EQ(book.SheetName, "a_b_c_");
    const QByteArray xml = book.Entry(QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_FALSE(xml.contains("landscape")) << "portrait unless the template says otherwise";
    EXPECT_TRUE(xml.contains("fitToWidth") || xml.contains("fitToPage")) << "one page wide";
    EXPECT_DOUBLE_EQ(book.Cell("C2").Number, 200.0 / 3);
    EXPECT_EQ(book.Cell("C2").NumberFormat, "0.0");
    EXPECT_TRUE(book.Cell("AB3").Bold);
    EXPECT_EQ(book.Cell("AB3").Text, "Árvíztűrő \"x\" <y>");
    EXPECT_EQ(book.Cell("A4").Formula, "C2*2");
    EXPECT_TRUE(book.Cell("A5").IsNumber);
    EXPECT_FALSE(book.Cell("A5").Bold);
}

} // namespace
