#include "ReportCharts.h"

#include "CliGame.h"
#include "CliHome.h"

#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "reports/catalogue/TReportCatalogue.h"
#include "reports/charts/TShotChoice.h"

namespace {

struct TOptions
{
    TShotChoice::TScope Scope = TShotChoice::TScope::Both;
    int Jersey = -1; // -1: all players
    bool Home = true;
};

TOptions &options()
{
    static TOptions o;
    return o;
}

} // namespace

bool TakeChartReportOptions(QStringList &args, QTextStream &err)
{
    TOptions &o = options();
    for (int i = 0; i < args.size();) {
        const QString a = args.at(i);
        if ((a == QLatin1String("--scope") || a == QLatin1String("--player")) && i + 1 < args.size()) {
            const QString value = args.at(i + 1);
            if (a == QLatin1String("--scope")) {
                const QStringList scopes = {QStringLiteral("both"), QStringLiteral("home"),
                                            QStringLiteral("away")};
                if (!scopes.contains(value)) {
                    err << "report: --scope takes both, home or away, not '" << value << "'\n";
                    return false;
                }
                o.Scope = TShotChoice::TScope(scopes.indexOf(value));
            } else {
                bool ok = false;
                o.Jersey = value.toInt(&ok);
                if (!ok || o.Jersey < 0) {
                    err << "report: --player takes a jersey number, not '" << value << "'\n";
                    return false;
                }
            }
            args.remove(i, 2);
            continue;
        }
        ++i;
    }
    if (!args.isEmpty() && args.first() == QLatin1String("individual")) {
        const QString side = args.size() > 1 ? args.at(1) : QString();
        if (side != QLatin1String("home") && side != QLatin1String("away")) {
            err << "report: individual takes home or away\n";
            return false;
        }
        o.Home = side == QLatin1String("home");
        args.removeAt(1);
    }
    return true;
}

bool SetChartChoices(TCliGame &session, TReportRequest &request, QString &refusal)
{
    const TOptions &o = options();
    request.Scope = o.Scope;
    request.Home = o.Home;
    request.Player = 0;
    if (o.Jersey < 0)
        return true;
    const QList<TPlayer> players = TShotChoice::Players(session.App.Game(), o.Scope);
    for (int i = 0; i < players.size(); ++i)
        if (players[i].JatekosMezSzam == o.Jersey) {
            request.Player = i + 1;
            return true;
        }
    refusal = o.Scope == TShotChoice::TScope::Both
                  ? QStringLiteral("--player needs --scope home or away")
                  : QStringLiteral("no player with jersey %1 in that team").arg(o.Jersey);
    return false;
}

std::unique_ptr<TdmMain> OpenJerseyLookup(TReportRequest &request)
{
    auto dm = std::make_unique<TdmMain>(TdmMain::DatabaseFile(cliHomeFolder()));
    if (dm->OpenAll()) {
        TdmMain *data = dm.get();
        request.JerseyLookup = [data](const QString &webId, QString *error) {
            return data->PlayerRecordByWebId(webId, error).JatekosMezSzam;
        };
    }
    return dm;
}
