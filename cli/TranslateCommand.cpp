// parquetix-cli translate TEXT [--type FORM] [--lang ENG]: the translation of
// one text, added to the translate table when it is not there yet.

#include "CliCommand.h"
#include "CliHome.h"

#include "masterdata/TBundledData.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"

namespace {

int runTranslate(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString text;
    QString type = QStringLiteral("FORM");
    QString language = QStringLiteral("HUN");
    bool haveText = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if ((a == QLatin1String("--type") || a == QLatin1String("--lang")) && i + 1 < args.size()) {
            (a == QLatin1String("--type") ? type : language) = args.at(++i);
        } else if (!a.startsWith(QLatin1String("--")) && !haveText) {
            text = a;
            haveText = true;
        } else {
            err << "translate: unexpected argument '" << a << "'\n";
            return 2;
        }
    }
    if (!haveText) {
        err << "usage: parquetix-cli translate TEXT [--type FORM|HINT|TABSET|RG|MENU|PRINT|DBTABLE] [--lang "
               "CODE]\n";
        return 2;
    }
    TdmMain dm(TdmMain::DatabaseFile(cliHomeFolder()));
    QString error;
    if (!dm.OpenAll() || !TBundledData::GiveTextsToBareDatabase(dm, &error)) {
        err << "translate: " << (error.isEmpty() ? dm.LastError() : error) << "\n";
        return 1;
    }
    TTranslator translator(dm, language);
    const QString translated = translator.Translate(text, type, language, &error);
    if (!error.isEmpty()) {
        err << "translate: " << error << "\n";
        return 1;
    }
    out << translated << "\n";
    return 0;
}

const TCliRegistration registration({QStringLiteral("translate"),
                                     QStringLiteral("translate TEXT [--type FORM] [--lang ENG]"),
                                     runTranslate});

} // namespace
