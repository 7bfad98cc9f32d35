// parquetix-cli notes: a roster note of a player, the team or its coach
// stored in the game's records and the game saved, as OK of the roster
// presentation does.
#include "CliCommand.h"
#include "CliGame.h"

#include "reports/roster/TRosterPresentationLogic.h"
#include "savegame/TFileError.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"

#include <QDir>

namespace {

const char *Usage = "notes DIR home|away JERSEY|team|coach TEXT [--set KEY=VALUE]";

int runNotes(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("notes"), err))
        return 2;
    bool number = false;
    const int jersey = args.value(2).toInt(&number);
    const bool teamNote = args.value(2) == QLatin1String("team");
    const bool coachNote = args.value(2) == QLatin1String("coach");
    if (args.size() != 4 || !(number || teamNote || coachNote) ||
        (args[1] != QLatin1String("home") && args[1] != QLatin1String("away"))) {
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }
    if (!session.LoadFolder(args[0], QStringLiteral("notes"), err))
        return 1;
    TGame &game = session.App.Game();
    TTeam &team = args[1] == QLatin1String("home") ? static_cast<TTeam &>(game.HomeTeam()) : game.AwayTeam();
    const QString note = args[3].left(TRosterPresentationLogic::MaxNote);
    TPlayer *player = nullptr;
    QString name;
    if (teamNote || coachNote) {
        // Where the roster presentation keeps them: the team line.
        (teamNote ? team.TeamLine.Note : team.TeamLine.CoachNote) = note;
        name = teamNote ? team.Data.EgyesuletNev
                        : (args[1] == QLatin1String("home") ? game.HomeCoach : game.AwayCoach);
    } else {
        player = TRosterPresentationLogic::PlayerByJersey(team, jersey);
        if (!player) {
            err << "notes: no " << args[1] << " player wears " << jersey << "\n";
            return 1;
        }
        player->Note = note;
        name = player->JatekosNev;
    }
    try {
        game.SaveGame();
    } catch (const TFileError &e) {
        err << "notes: " << e.Message() << "\n";
        return 1;
    }
    out << name << ": " << note << "\n";
    return 0;
}

const TCliRegistration registration({QStringLiteral("notes"), QLatin1String(Usage), &runNotes});

} // namespace
