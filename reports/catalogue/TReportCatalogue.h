#pragma once

#include "reports/charts/TShotChoice.h"
#include "reports/charts/TqrULEBDobasterkep.h"
#include "reports/document/TReportDocument.h"
#include "reports/variants/TVariantReports.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class ITranslator;
class TGame;

// What a report is built from besides its name.
struct TReportRequest
{
    TReportRequest(TGame &game, ITranslator &translator) : Game(game), Translator(translator) {}

    // Not const: before a box score the plus-minus and the leads and runs are brought up to date.
    TGame &Game;
    ITranslator &Translator;
    // Relative image names of the settings are taken from this folder.
    QString ImageFolder;
    // The master data's native-script names, for the Hebrew box score.
    TNativeNames NativeNames;
    // Jerseys of the team shooting chart from the master data; without it
    // from the game's players.
    TqrULEBDobasterkep::TJerseyLookup JerseyLookup;
    // The alternative chart and the shot list: the scope, and the player
    // (0 all, else the n-th of the scope's players).
    TShotChoice::TScope Scope = TShotChoice::TScope::Both;
    int Player = 0;
    // The individual charts' team.
    bool Home = true;
    // The quarter report's periods: regular periods, then overtimes, in playing order.
    QList<int> Periods;
    // The roster sheet's team and coach notes, home then away.
    QString TeamNotes[2];
    QString CoachNotes[2];
};

// The documents a report gave, what it had to tell (failed lookups), or why
// it was refused.
struct TReportResult
{
    std::vector<TReportDocument> Documents;
    QStringList Messages;
    QString Refusal;
};

// Every report of the report menu and of `parquetix-cli report`: its radio
// button in the menu, its name on the command line and how it is built.
class TReportCatalogue
{
public:
    // What the menu asks the operator before the report is built.
    enum class TInput
    {
        None,
        Periods,     // the period dialog
        RosterNotes, // the notes dialog, which previews the roster sheet itself
    };

    struct TEntry
    {
        const char *MenuEntry; // empty when only the command line has the report
        const char *CliName;
        // The individual charts: the menu has one entry per team, the command
        // line one name with the team after it.
        enum class TTeam
        {
            Any,
            Home,
            Away
        } Team;
        TInput Input;
        // Jerseys from the master data (the command line opens it for these only).
        bool Jerseys;
        void (*Build)(const TReportRequest &request, TReportResult &result);
    };

    static std::span<const TEntry> Entries();
    static const TEntry *ByMenuEntry(const QString &radioName);
    // The individual charts' name takes the team (home true) from the request.
    static const TEntry *ByCliName(const QString &name, bool home = true);
    // The report's documents; false with the refusal in result when the
    // request's choice does not fit the game.
    static bool Build(const TEntry &entry, const TReportRequest &request, TReportResult &result);

    // Print all, in its order: the edition's box score (the Hebrew edition
    // too), the play-by-play list, the line-up report and the individual
    // charts of both teams.
    static std::vector<TReportDocument> PrintAll(const TReportRequest &request);
    // The edition's box score and the other variants, set up from the request.
    static TVariantReports Variants(const TReportRequest &request);
};
