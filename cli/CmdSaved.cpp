#include "CliCommand.h"

#include "savegame/TSavedGameList.h"
#include "shell/session/TParquetixApplication.h"

namespace {

// The saved games as the load wizard lists them; a damaged folder says why.
int runSaved(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() > 1) {
        err << "usage: parquetix-cli saved [SAVEROOT]\n";
        return 2;
    }
    QString root;
    if (args.isEmpty()) {
        TParquetixApplication app;
        app.Initialize();
        root = app.SaveRoot;
    } else {
        root = args.first();
    }
    out << "Folder\tHome team\tAway team\tCode\tDate\tScore\tClosed\tDamage\n";
    for (const TSavedGameRow &row : TSavedGameList::List(root))
        out << row.Folder << '\t' << row.HomeTeam << '\t' << row.AwayTeam << '\t' << row.Code << '\t'
            << row.Date << '\t' << row.HomePoints << '-' << row.AwayPoints << '\t'
            << (row.Closed ? "yes" : "no") << '\t' << row.Problem << '\n';
    return 0;
}

const TCliRegistration registration({QStringLiteral("saved"), QStringLiteral("saved [SAVEROOT]"), &runSaved});

} // namespace
