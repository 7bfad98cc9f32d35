#include "ReportCharts.h"

#include "CliGame.h"
#include "CliHome.h"

#include "masterdata/TdmMain.h"
#include "model/TNameOrder.h"
#include "reports/charts/TShotChoice.h"
#include "reports/charts/TqrDobasLista.h"
#include "reports/charts/TqrDobasok.h"
#include "reports/charts/TqrInvidualShotingChart.h"
#include "reports/charts/TqrULEBDobasterkep.h"
#include "reports/charts/TqrULEBGrafikon.h"
#include "reports/playbyplay/TqrULEBEventsList.h"

#include <cstdio>

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

void complain(const QString &text)
{
    QTextStream(stderr) << "report: " << text << "\n";
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

bool IsChartReport(const QString &name)
{
    static const QStringList names = {QStringLiteral("shooting"), QStringLiteral("alternative"),
                                      QStringLiteral("shotlist"), QStringLiteral("individual"),
                                      QStringLiteral("gameflow"), QStringLiteral("keymoments")};
    return names.contains(name);
}

void AppendIndividualChart(TCliGame &session, bool home, std::vector<TReportDocument> &documents)
{
    TGame &game = session.App.Game();
    const TTeam &team = home ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
    TqrInvidualShotingChart report(
        game,
        TqrInvidualShotingChart::TeamPlayers(team, game.Settings().SortByName(),
                                             TNameOrder(game.Settings().Edition())),
        session.Translation.Translator());
    report.SetImageFolder(session.App.ExeFolder);
    documents.push_back(report.Build());
}

bool BuildChartReports(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents)
{
    TGame &game = session.App.Game();
    ITranslator &translator = session.Translation.Translator();
    const QString images = session.App.ExeFolder;
    const TOptions &o = options();
    if (name == QLatin1String("shooting")) {
        TqrULEBDobasterkep report(game, translator);
        report.SetImageFolder(images);
        // Jerseys from the master data, as the program prints them.
        TdmMain dm(TdmMain::DatabaseFile(cliHomeFolder()));
        if (dm.OpenAll())
            report.SetJerseyLookup([&dm](const QString &webId, QString *error) {
                return dm.PlayerRecordByWebId(webId, error).JatekosMezSzam;
            });
        documents.push_back(report.Build());
        for (const QString &message : report.Messages())
            complain(message);
        return true;
    }
    if (name == QLatin1String("alternative") || name == QLatin1String("shotlist")) {
        int player = 0;
        if (o.Jersey >= 0) {
            const QList<TPlayer> players = TShotChoice::Players(game, o.Scope);
            for (int i = 0; i < players.size() && player == 0; ++i)
                if (players[i].JatekosMezSzam == o.Jersey)
                    player = i + 1;
            if (player == 0) {
                complain(o.Scope == TShotChoice::TScope::Both
                             ? QStringLiteral("--player needs --scope home or away")
                             : QStringLiteral("no player with jersey %1 in that team").arg(o.Jersey));
                return false;
            }
        }
        const TShotChoice::TSelection s = TShotChoice::Select(game, o.Scope, player, translator);
        const int copies = game.Settings().NumberOfCopies();
        if (name == QLatin1String("alternative"))
            documents.push_back(TqrDobasok(s.Title, s.Subtitle, s.OnePlayer, s.Events, copies).Build());
        documents.push_back(TqrDobasLista(s.Title, s.Events, translator, copies).Build());
        return true;
    }
    if (name == QLatin1String("individual")) {
        AppendIndividualChart(session, o.Home, documents);
        return true;
    }
    if (name == QLatin1String("gameflow")) {
        TqrULEBEventsList report(game, TqrULEBEventsList::Rows(game), translator);
        report.SetImageFolder(images);
        documents.push_back(report.Build());
        return true;
    }
    if (name == QLatin1String("keymoments")) {
        TqrULEBGrafikon report(game, translator);
        report.SetImageFolder(images);
        documents.push_back(report.Build());
        return true;
    }
    return false;
}
