#include "TReportCatalogue.h"

#include "reports/charts/TqrDobasLista.h"
#include "reports/charts/TqrDobasok.h"
#include "reports/charts/TqrInvidualShotingChart.h"
#include "reports/charts/TqrULEBGrafikon.h"
#include "reports/playbyplay/TqrULEBEventsList.h"
#include "reports/roster/TRosterPresentationLogic.h"
#include "reports/roster/TqrRostersPresentation.h"
#include "reports/variants/TQuarterChoice.h"

#include "model/game/TGame.h"
#include "model/output/TNameOrder.h"

namespace {

using TEntry = TReportCatalogue::TEntry;
using TInput = TReportCatalogue::TInput;
using TSide = TEntry::TTeam;

void boxScore(const TReportRequest &r, TReportResult &out)
{
    out.Documents.push_back(TReportCatalogue::Variants(r).EditionBoxScore());
}

void hebrew(const TReportRequest &r, TReportResult &out)
{
    out.Documents.push_back(TReportCatalogue::Variants(r).Hebrew());
}

void press(const TReportRequest &r, TReportResult &out)
{
    out.Documents.push_back(TReportCatalogue::Variants(r).Press());
}

void quintet(const TReportRequest &r, TReportResult &out)
{
    out.Documents.push_back(TReportCatalogue::Variants(r).Quintet());
}

void quarters(const TReportRequest &r, TReportResult &out)
{
    out.Refusal = TQuarterChoice::Refusal(r.Game, r.Periods, r.Translator);
    if (out.Refusal.isEmpty())
        out.Documents.push_back(TReportCatalogue::Variants(r).Quarters(r.Periods));
}

void shooting(const TReportRequest &r, TReportResult &out)
{
    TqrULEBDobasterkep report(r.Game, r.Translator);
    report.SetImageFolder(r.ImageFolder);
    if (r.JerseyLookup)
        report.SetJerseyLookup(r.JerseyLookup);
    out.Documents.push_back(report.Build());
    out.Messages = report.Messages();
}

// The alternative chart (withChart) or its shot list alone; the chart comes first.
void shots(const TReportRequest &r, TReportResult &out, bool withChart)
{
    const TShotChoice::TSelection s = TShotChoice::Select(r.Game, r.Scope, r.Player, r.Translator);
    const int copies = r.Game.Settings().NumberOfCopies();
    if (withChart)
        out.Documents.push_back(TqrDobasok(s.Title, s.Subtitle, s.OnePlayer, s.Events, copies).Build());
    out.Documents.push_back(TqrDobasLista(s.Title, s.Events, r.Translator, copies).Build());
}

void alternative(const TReportRequest &r, TReportResult &out)
{
    shots(r, out, true);
}

void shotList(const TReportRequest &r, TReportResult &out)
{
    shots(r, out, false);
}

void individual(const TReportRequest &r, TReportResult &out)
{
    const TGame &game = r.Game;
    const TTeam &team = r.Home ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
    TqrInvidualShotingChart report(
        game,
        TqrInvidualShotingChart::TeamPlayers(team, game.Settings().SortByName(),
                                             TNameOrder(game.Settings().Edition())),
        r.Translator);
    report.SetImageFolder(r.ImageFolder);
    out.Documents.push_back(report.Build());
}

void gameFlow(const TReportRequest &r, TReportResult &out)
{
    TqrULEBEventsList report(r.Game, TqrULEBEventsList::Rows(r.Game), r.Translator);
    report.SetImageFolder(r.ImageFolder);
    out.Documents.push_back(report.Build());
}

void keyMoments(const TReportRequest &r, TReportResult &out)
{
    TqrULEBGrafikon report(r.Game, r.Translator);
    report.SetImageFolder(r.ImageFolder);
    out.Documents.push_back(report.Build());
}

// The sheet with the request's team and coach notes; the players' notes are the game's.
void roster(const TReportRequest &r, TReportResult &out)
{
    TRosterPresentationLogic logic(r.Game);
    for (const bool home : {true, false}) {
        QStringList list = logic.Notes(home);
        list.first() = r.TeamNotes[home ? 0 : 1];
        list.last() = r.CoachNotes[home ? 0 : 1];
        logic.StoreNotes(home, list);
    }
    TqrRostersPresentation report(r.Game, logic.Entries(true), logic.Entries(false), r.Translator);
    report.SetImageFolder(r.ImageFolder);
    out.Documents.push_back(report.Build());
}

// In the menu's order, down its group box.
constexpr TEntry Catalogue[] = {
    {"rbULEBTeamResultHeber", "hebrew", TSide::Any, TInput::None, false, &hebrew},
    {"rbULEBTeamResult", "boxscore", TSide::Any, TInput::None, false, &boxScore},
    {"rbULEBGraphicon", "keymoments", TSide::Any, TInput::None, false, &keyMoments},
    {"rbULEBDobasterkep", "shooting", TSide::Any, TInput::None, true, &shooting},
    {"rbULEBEventsList", "gameflow", TSide::Any, TInput::None, false, &gameFlow},
    {"rbULEBBenchTeamResults", "quintet", TSide::Any, TInput::None, false, &quintet},
    {"rbULEBTeamResultPress", "press", TSide::Any, TInput::None, false, &press},
    {"rbRosterPresentation", "roster", TSide::Any, TInput::RosterNotes, false, &roster},
    {"cbInvidualShotsHomeTeam", "individual", TSide::Home, TInput::None, false, &individual},
    {"cbInvidualShotsAwayTeam", "individual", TSide::Away, TInput::None, false, &individual},
    {"rbDobasTerkep", "alternative", TSide::Any, TInput::None, false, &alternative},
    {"", "shotlist", TSide::Any, TInput::None, false, &shotList},
    {"rbQuarterReports", "quarters", TSide::Any, TInput::Periods, false, &quarters},
};

// Print all's reports, by command-line name and team.
constexpr struct
{
    const char *CliName;
    bool Home;
} PrintAllOrder[] = {
    {"boxscore", true}, {"gameflow", true}, {"quintet", true}, {"individual", true}, {"individual", false},
};

} // namespace

std::span<const TEntry> TReportCatalogue::Entries()
{
    return Catalogue;
}

const TEntry *TReportCatalogue::ByMenuEntry(const QString &radioName)
{
    for (const TEntry &e : Catalogue)
        if (*e.MenuEntry && radioName == QLatin1String(e.MenuEntry))
            return &e;
    return nullptr;
}

const TEntry *TReportCatalogue::ByCliName(const QString &name, bool home)
{
    for (const TEntry &e : Catalogue)
        if (name == QLatin1String(e.CliName) && (e.Team == TSide::Any || (e.Team == TSide::Home) == home))
            return &e;
    return nullptr;
}

bool TReportCatalogue::Build(const TEntry &entry, const TReportRequest &request, TReportResult &result)
{
    if (entry.Team == TSide::Any) {
        entry.Build(request, result);
    } else {
        TReportRequest forTeam = request;
        forTeam.Home = entry.Team == TSide::Home;
        entry.Build(forTeam, result);
    }
    return result.Refusal.isEmpty();
}

std::vector<TReportDocument> TReportCatalogue::PrintAll(const TReportRequest &request)
{
    TReportResult result;
    for (const auto &report : PrintAllOrder)
        Build(*ByCliName(QLatin1String(report.CliName), report.Home), request, result);
    return std::move(result.Documents);
}

TVariantReports TReportCatalogue::Variants(const TReportRequest &request)
{
    TVariantReports reports(request.Game, request.Translator);
    reports.SetImageFolder(request.ImageFolder);
    reports.SetNativeNames(request.NativeNames);
    return reports;
}
