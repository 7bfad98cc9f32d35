// parquetix-cli export: the report menu's spreadsheet exports of a saved
// game, written as .xlsx from the home's templates.
#include "CliCommand.h"
#include "CliGame.h"

#include "reports/export/TSpreadsheetExport.h"

#include <QDir>

namespace {

const char *Usage = "export excel|fiba DIR FILE.xlsx [--set KEY=VALUE]";

int runExport(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("export"), err))
        return 2;
    if (args.size() != 3 || (args[0] != QLatin1String("excel") && args[0] != QLatin1String("fiba"))) {
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }
    const auto kind = args[0] == QLatin1String("excel") ? TSpreadsheetExport::TKind::Excel
                                                        : TSpreadsheetExport::TKind::Fiba;
    if (!session.LoadFolder(args[1], QStringLiteral("export"), err))
        return 1;
    session.Translation.SetLanguage(session.App.Settings().Language());
    const QString file = QDir().absoluteFilePath(args[2]);
    QString error;
    if (!TSpreadsheetExport::Run(kind, session.App.Game(), session.Translation.Translator(),
                                 QDir(session.App.ExeFolder).filePath(QStringLiteral("Template")), file,
                                 &error)) {
        err << "export: " << error << "\n";
        return 1;
    }
    out << file << "\n";
    return 0;
}

const TCliRegistration registration({QStringLiteral("export"), QLatin1String(Usage), &runExport});

} // namespace
