#include "support/CliRunner.h"
#include "support/Golden.h"
#include "support/TestHome.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// The box score of a scripted game as parquetix-cli writes it, with the
// build's home: its translations are the ones the program ships.
CliResult report(const QString &script, const QStringList &options)
{
    return runProgram(QStringLiteral("parquetix-cli"),
                      QStringList{QStringLiteral("report"), QStringLiteral("boxscore"),
                                  QStringLiteral("--script"), sourceFolder() + QLatin1Char('/') + script} +
                          options);
}

TEST(BoxScoreOutput, CellsOfTwoScriptedGamesMatchTheirReferences)
{
    struct Case
    {
        const char *Script;
        const char *Golden;
    };
    const Case cases[] = {
        {"demo/demo-game.txt", "reports/golden/boxscore-demo-eng.json"},
        {"tests/data/boxscore-overtime.txt", "reports/golden/boxscore-overtime-hun.json"},
    };
    for (const Case &c : cases) {
        TestHome out;
        const QString cells = out.file(QStringLiteral("cells.json"));
        const CliResult r = report(QLatin1String(c.Script), {QStringLiteral("--cells"), cells});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_TRUE(MatchesGolden(QLatin1String(c.Golden), out.read(QStringLiteral("cells.json"))))
            << c.Script;
    }
}

TEST(BoxScoreOutput, PdfHoldsTheTitleBothTeamsAndEveryPlayersLine)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils, installed by scripts/setup.sh) is missing";
    TestHome out;
    const QString pdf = out.file(QStringLiteral("box.pdf"));
    const CliResult r = report(QStringLiteral("demo/demo-game.txt"), {QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(page.contains(QLatin1String("Budapest Lions - Debrecen Hawks 17-14"))) << page.toStdString();
    EXPECT_GE(page.count(QLatin1String("Budapest Lions")), 4); // title, heading, running score, comparison
    EXPECT_GE(page.count(QLatin1String("Debrecen Hawks")), 4);
    // Each player's line: jersey, name, playing time and points on one line.
    const char *lines[] = {"4 Kovacs Janos 05:15 2", "7 Nagy Bence 10:00 10",   "10 Farkas Mate 10:00 2",
                           "15 Balogh Adam 04:45 3", "5 Molnar David 02:00 .",  "8 Varga Levente 10:00 4",
                           "12 Papp Daniel 10:00 8", "21 Lakatos Zsolt 08:00 2"};
    for (const char *line : lines) {
        QString pattern = QRegularExpression::escape(QLatin1String(line));
        pattern.replace(QLatin1String("\\ "), QLatin1String("\\s+"));
        EXPECT_TRUE(page.contains(QRegularExpression(pattern))) << line;
    }
}

TEST(BoxScoreOutput, PrintAllWritesOnePdfAndRefusesUnknownReports)
{
    TestHome out;
    const QString pdf = out.file(QStringLiteral("all.pdf"));
    const CliResult all =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("report"), QStringLiteral("printall"), QStringLiteral("--script"),
                    sourceFolder() + QStringLiteral("/demo/demo-game.txt"), QStringLiteral("--pdf"), pdf,
                    QStringLiteral("--png"), out.file(QStringLiteral("page"))});
    ASSERT_EQ(all.ExitCode, 0) << all.Err.toStdString();
    EXPECT_TRUE(out.read(QStringLiteral("all.pdf")).startsWith("%PDF-"));
    // The box score, the play-by-play list, the line-up report and both teams' individual charts.
    EXPECT_TRUE(QFile::exists(out.file(QStringLiteral("page-1.png"))));
    EXPECT_TRUE(QFile::exists(out.file(QStringLiteral("page-5.png"))));

    const CliResult unknown =
        runProgram(QStringLiteral("parquetix-cli"),
                   {QStringLiteral("report"), QStringLiteral("nosuchreport"), QStringLiteral("--script"),
                    sourceFolder() + QStringLiteral("/demo/demo-game.txt")});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Err.contains("unknown report")) << unknown.Err.toStdString();
}

// --print hands one PDF to the spooler's lp with the copy count; a missing or
// failing spooler is an error that says why, never a silent success.
TEST(BoxScoreOutput, PrintGoesToTheSpoolerOrSaysWhyNot)
{
    struct Case
    {
        const char *Name;
        const char *Lp; // the fake lp's script; empty: no lp at all
        int ExitCode;
        const char *Said;
    };
    const Case cases[] = {
        {"spooled",
         // PATH holds only this folder: no dirname or cp to call.
         "#!/bin/sh\nprintf '%s\\n' \"$*\" > \"${0%/*}/args\"\n"
         "eval last=\\${$#}\n/bin/cp \"$last\" \"${0%/*}/printed.pdf\"\n",
         0, ""},
        {"refused", "#!/bin/sh\necho 'lp: Error - No default destination.' >&2\nexit 1\n", 1,
         "no printer to print on (lp: Error - No default destination.)"},
        {"no spooler", "", 1, "write the report with --pdf instead"},
    };
    const QByteArray path = qgetenv("PATH");
    for (const Case &c : cases) {
        TestHome bin;
        if (*c.Lp) {
            bin.write(QStringLiteral("lp"), c.Lp);
            QFile::setPermissions(bin.file(QStringLiteral("lp")), QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit());
        const CliResult r =
            report(QStringLiteral("demo/demo-game.txt"), {QStringLiteral("--print"), QStringLiteral("--set"),
                                                          QStringLiteral("NUMBER_OF_COPIES=3")});
        qputenv("PATH", path);
        EXPECT_EQ(r.ExitCode, c.ExitCode) << c.Name << ": " << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains(c.Said)) << c.Name << ": " << r.Err.toStdString();
        if (c.ExitCode == 0) {
            EXPECT_TRUE(bin.read(QStringLiteral("args")).startsWith("-n 3 "))
                << bin.read(QStringLiteral("args")).toStdString();
            EXPECT_TRUE(bin.read(QStringLiteral("printed.pdf")).startsWith("%PDF")) << c.Name;
        }
    }
}

} // namespace
