#include "BoxScoreFixture.h"

#include "reports/catalogue/TReportCatalogue.h"
#include "support/CliRunner.h"
#include "support/TestHome.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class ReportCatalogue : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
};

// Each report of the menu is one the command line builds by its name, and
// back: the two find the same entry.
TEST_F(ReportCatalogue, EveryReportOfTheMenuHasItsNameOnTheCommandLine)
{
    settings.SetValue(QStringLiteral("VERSION"), QStringLiteral("HEB")); // every choice visible
    const TNyomtatasokLogic menu(game, translator);
    int radios = 0;
    for (const TNyomtatasokLogic::TControl &control : menu.Controls()) {
        if (!control.Radio)
            continue;
        ++radios;
        const TReportCatalogue::TEntry *entry = TReportCatalogue::ByMenuEntry(control.Name);
        ASSERT_NE(entry, nullptr) << control.Name.toStdString();
        const bool home = entry->Team != TReportCatalogue::TEntry::TTeam::Away;
        EXPECT_EQ(TReportCatalogue::ByCliName(QLatin1String(entry->CliName), home), entry)
            << control.Name.toStdString();
    }
    EXPECT_GT(radios, 0);
    for (const TReportCatalogue::TEntry &entry : TReportCatalogue::Entries()) {
        if (*entry.MenuEntry) {
            EXPECT_NE(menu.Control(QLatin1String(entry.MenuEntry)), nullptr) << entry.MenuEntry;
        }
    }
}

// The report classes of print all as the command line writes them.
QStringList cliPrintAll(const char *version)
{
    TestHome out;
    const CliResult r =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("report"), QStringLiteral("printall"), QStringLiteral("--script"),
                    sourceFolder() + QStringLiteral("/demo/demo-game.txt"), QStringLiteral("--set"),
                    QStringLiteral("VERSION=%1").arg(QLatin1String(version)), QStringLiteral("--cells"),
                    out.file(QStringLiteral("all.json"))});
    EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    QStringList classes;
    for (const QJsonValue &document : QJsonDocument::fromJson(out.read(QStringLiteral("all.json"))).array())
        classes.append(document.toObject().value(QStringLiteral("report")).toString());
    return classes;
}

// Print all prints the same reports in the same order from the menu and
// from the command line, the edition's box score first.
TEST_F(ReportCatalogue, PrintAllIsTheSameFromTheMenuAndTheCommandLine)
{
    for (const char *version : {"ENG", "FRA", "ITA", "HEB"}) {
        settings.SetValue(QStringLiteral("VERSION"), QLatin1String(version));
        const TNyomtatasokLogic menu(game, translator);
        QStringList classes;
        for (const TReportDocument &document : menu.PrintAll())
            classes.append(document.ReportClass);
        ASSERT_EQ(classes.size(), 5) << version;
        EXPECT_EQ(classes.first(), TVariantReports(game, translator).EditionBoxScore().ReportClass)
            << version;
        EXPECT_EQ(classes, cliPrintAll(version)) << version;
    }
}

} // namespace
