// parquetix-cli report: a printed report of a saved game (or of a script) as
// PDF, page pictures, its cells as JSON, or on the default printer.
#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"
#include "ReportCharts.h"
#include "ReportRoster.h"
#include "ReportVariants.h"

#include "masterdata/TdmMain.h"
#include "reports/catalogue/TReportCatalogue.h"
#include "reports/painter/TReportPainter.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const char *Usage =
    "report NAME DIR|--script FILE [--pdf FILE] [--png PREFIX] [--dpi N] [--cells FILE] "
    "[--print] [--set KEY=VALUE] [--team-note home|away=TEXT] [--coach-note home|away=TEXT]   "
    "(NAME: boxscore, printall, hebrew, press, quintet, quarters --periods 1,2,... (periods, then "
    "overtimes), shooting, "
    "alternative [--scope both|home|away] [--player JERSEY], shotlist (same options), individual home|away, "
    "gameflow, keymoments, roster)";

// The documents of a report name, in the order they print; false with the
// reason on err when the name or the choices do not fit.
bool buildReports(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents,
                  QTextStream &err)
{
    TReportRequest request(session.App.Game(), session.Translation.Translator());
    request.ImageFolder = session.App.ExeFolder;
    ReportVariants::SetChoices(session, request);
    SetRosterChoices(request);
    QString refusal;
    if (!SetChartChoices(session, request, refusal)) {
        err << "report: " << refusal << "\n";
        return false;
    }
    if (name == QLatin1String("printall")) {
        documents = TReportCatalogue::PrintAll(request);
        return true;
    }
    const TReportCatalogue::TEntry *entry = TReportCatalogue::ByCliName(name, request.Home);
    if (!entry) {
        err << "report: unknown report '" << name
            << "' (boxscore, printall, hebrew, press, quintet, quarters, " << ChartReportNames
            << ", roster)\n";
        return false;
    }
    const std::unique_ptr<TdmMain> jerseys = entry->Jerseys ? OpenJerseyLookup(request) : nullptr;
    TReportResult result;
    if (!TReportCatalogue::Build(*entry, request, result)) {
        err << "report: " << result.Refusal << "\n";
        return false;
    }
    for (const QString &message : result.Messages)
        err << "report: " << message << "\n";
    documents = std::move(result.Documents);
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << "report: cannot write " << path << ": " << file.errorString() << "\n";
        return false;
    }
    return true;
}

// The command line hands the pages to the system's print spooler (CUPS' lp) as
// one PDF, so the program needs no widget library to print.
bool printOnSpooler(const QList<const TReportDocument *> &documents, QTextStream &err)
{
    const QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (lp.isEmpty()) {
        err << "report: no printer to print on (the print spooler's lp command is missing; "
               "write the report with --pdf instead)\n";
        return false;
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    if (!folder.isValid() || !TReportPainter::WritePdf(documents, pdf)) {
        err << "report: cannot write the pages to print\n";
        return false;
    }
    QProcess spooler;
    spooler.start(lp, {QStringLiteral("-n"), QString::number(TReportPainter::CopyCount(documents)), pdf});
    if (!spooler.waitForFinished(60000) || spooler.exitStatus() != QProcess::NormalExit ||
        spooler.exitCode() != 0) {
        const QString why = QString::fromLocal8Bit(spooler.readAllStandardError()).trimmed();
        err << "report: no printer to print on"
            << (why.isEmpty() ? QString() : QStringLiteral(" (") + why + u')') << "\n";
        return false;
    }
    return true;
}

int runReport(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("report"), err) || !TakeRosterOptions(args, err))
        return 2;
    bool hasScript = false;
    const QString script = TakeOption(args, QStringLiteral("--script"), &hasScript);
    const QString pdf = TakeOption(args, QStringLiteral("--pdf"));
    const QString png = TakeOption(args, QStringLiteral("--png"));
    const QString cells = TakeOption(args, QStringLiteral("--cells"));
    bool hasDpi = false;
    const QString dpiText = TakeOption(args, QStringLiteral("--dpi"), &hasDpi);
    const bool print = args.removeAll(QStringLiteral("--print")) > 0;
    ReportVariants::TakeOptions(args);
    if (!TakeChartReportOptions(args, err))
        return 2;
    const int dpi = hasDpi ? dpiText.toInt() : 150;
    if (args.size() != (hasScript ? 1 : 2) || dpi < 30 || dpi > 1200) {
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }
    const QString name = args.first();
    session.Start(err);
    if (hasScript) {
        // A scripted game is only read here: nothing is saved or dumped.
        session.App.Game().SetStore(nullptr);
        if (!session.RunScript(script, err))
            return 1;
    } else {
        if (!session.LoadFolder(args.at(1), QStringLiteral("report"), err))
            return 1;
    }
    // A script may have chosen the language; the report speaks the game's.
    session.Translation.SetLanguage(session.App.Settings().Language());
    std::vector<TReportDocument> documents;
    if (!buildReports(name, session, documents, err))
        return 2;
    QList<const TReportDocument *> all;
    for (const TReportDocument &d : documents)
        all.append(&d);

    if (!cells.isEmpty()) {
        QByteArray json = documents.front().ToJson();
        if (documents.size() > 1) {
            QByteArrayList each;
            for (const TReportDocument &d : documents)
                each.append(d.ToJson().trimmed());
            json = "[\n" + each.join(",\n") + "\n]\n";
        }
        if (!writeFile(cells, json, err))
            return 1;
    }
    if (!pdf.isEmpty() && !TReportPainter::WritePdf(all, pdf)) {
        err << "report: cannot write " << pdf << "\n";
        return 1;
    }
    if (!png.isEmpty()) {
        int n = 0;
        for (const TReportDocument &d : documents)
            for (int page = 0; page < d.Pages.size(); ++page) {
                const QString file = QStringLiteral("%1-%2.png").arg(png).arg(++n);
                if (!TReportPainter::RenderPage(d, page, dpi).save(file, "PNG")) {
                    err << "report: cannot write " << file << "\n";
                    return 1;
                }
                out << file << "\n";
            }
    }
    if (print && !printOnSpooler(all, err))
        return 1;
    return 0;
}

const TCliRegistration registration({QStringLiteral("report"), QLatin1String(Usage), &runReport});

} // namespace
