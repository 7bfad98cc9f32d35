// parquetix-cli playerstats: the statistics of players summed over saved
// games, as the "Invidual stats" dialog sums them, printed, as a report or
// as a workbook.
#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include "model/output/TNameOrder.h"
#include "reports/painter/TReportPainter.h"
#include "reports/playerstats/TJatekosKimutatasExport.h"
#include "reports/playerstats/TJatekosKimutatasLogic.h"
#include "reports/playerstats/TqrJatekosKimutatas.h"
#include "savegame/TSavedGameList.h"

#include <QDir>
#include <QSaveFile>

namespace {

const char *Usage = "playerstats FOLDER... [--pdf FILE] [--cells FILE] [--xlsx FILE] [--set KEY=VALUE]";

int runPlayerStats(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("playerstats"), err))
        return 2;
    const QString pdf = TakeOption(args, QStringLiteral("--pdf"));
    const QString cells = TakeOption(args, QStringLiteral("--cells"));
    const QString xlsx = TakeOption(args, QStringLiteral("--xlsx"));
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }
    session.Start(err);
    session.Translation.SetLanguage(session.App.Settings().Language());
    QList<TGameLine> lines;
    for (const QString &folder : args) {
        TGameLine line = TJatekosKimutatasLogic::LineOf(folder, {}, &TSavedGameList::Problem);
        if (line.Code.isEmpty()) {
            err << "playerstats: " << line.Folder << " holds no saved game (no hazai_*.dat file)\n";
            return 1;
        }
        if (!line.Problem.isEmpty())
            err << "playerstats: warning: " << line.Folder << " is damaged (" << line.Problem
                << "); its statistics are summed as its files stand and may be incomplete\n";
        line.Ticked = true;
        lines.append(line);
    }
    TJatekosKimutatasLogic logic;
    QString error;
    if (!logic.Collect(lines, &error)) {
        err << "playerstats: " << error << "\n";
        return 1;
    }
    const QList<TJatekosKimutatasLogic::TRow> rows = logic.Rows(TNameOrder(session.App.Settings().Edition()));
    for (const TJatekosKimutatasLogic::TRow &r : rows)
        out << r.Key << "\t" << r.Record.JatekosMezSzam << "\t" << r.Record.Points << "\t"
            << PlayerStats::ClockText(r.Record.PlayingTime) << "\n";
    if (!xlsx.isEmpty() && !TJatekosKimutatasExport::Run(
                               rows, QDir(session.App.ExeFolder).filePath(QStringLiteral("Template")),
                               QDir().absoluteFilePath(xlsx), &error, &session.Translation.Translator())) {
        err << "playerstats: " << error << "\n";
        return 1;
    }
    if (pdf.isEmpty() && cells.isEmpty())
        return 0;
    const TReportDocument doc = TqrJatekosKimutatas(rows, session.Translation.Translator()).Build();
    if (!cells.isEmpty()) {
        QSaveFile file(cells);
        const QByteArray json = doc.ToJson();
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            err << "playerstats: cannot write " << cells << "\n";
            return 1;
        }
    }
    if (!pdf.isEmpty() && !TReportPainter::WritePdf({&doc}, pdf)) {
        err << "playerstats: cannot write " << pdf << "\n";
        return 1;
    }
    return 0;
}

const TCliRegistration registration({QStringLiteral("playerstats"), QLatin1String(Usage), &runPlayerStats});

} // namespace
