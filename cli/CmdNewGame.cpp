#include "CliCommand.h"
#include "GameOutput.h"
#include "WizardCommand.h"

#include "model/game/TGame.h"
#include "workflow/wizard/TNewGameLogic.h"

namespace {

const char *const Usage =
    "newgame --game CODE [--online] [--send URL [--http-timeout MS] [--wait SECONDS]] [--date D] [--time T] "
    "[--attendance N] [--income N] [--referee1 NAME] [--referee2 NAME] [--referee3 NAME] [--coach1 NAME] "
    "[--coach2 NAME] [--stadium NAME] --home-starters J,J,J [--home-sub J] --away-starters J,J,J [--away-sub "
    "J] "
    "[--folder NAME] [--script FILE] [--played home|away INDEX=QUARTERMINUTES ...] [--now YYYYMMDDHHNNSS] "
    "[--set KEY=VALUE] [--messages] [--history] [--json FILE]";

void operatorMessages(TWizardCommand &command, QTextStream &err)
{
    for (const QString &message : command.Session.Prompter.Messages)
        err << "operator: " << message << "\n";
    command.Session.Prompter.Messages.clear();
}

// The jersey numbers of a line-up option; false when one is not a number.
bool jerseys(const QString &text, QList<int> &out)
{
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        out.append(part.trimmed().toInt(&ok));
        if (!ok)
            return false;
    }
    return true;
}

bool pickTeam(TNewGameLogic &w, int side, const QString &starters, const QString &substitute,
              TWizardCommand &command, QTextStream &err)
{
    TTeamPick &pick = *w.Pick(side);
    const QString team = side == 1 ? QStringLiteral("home") : QStringLiteral("away");
    QList<int> numbers;
    if (!jerseys(starters, numbers) || numbers.size() != 3) {
        err << "newgame: --" << team << "-starters needs three jersey numbers, not '" << starters << "'\n";
        return false;
    }
    QList<int> sub;
    if (!substitute.isEmpty() && (!jerseys(substitute, sub) || sub.size() != 1)) {
        err << "newgame: --" << team << "-sub needs one jersey number, not '" << substitute << "'\n";
        return false;
    }
    auto move = [&](int jersey, bool starter) {
        pick.Players.Select(-1);
        for (int i = 0; i < pick.Players.Count(); ++i)
            if (pick.Players.Player(i).JatekosMezSzam == jersey)
                pick.Players.Select(i);
        if (pick.Players.Selected() < 0) {
            err << "newgame: no player wears " << jersey << " in the " << team << " team's roster ("
                << pick.Players.Texts().join(QStringLiteral(", ")) << ")\n";
            return false;
        }
        if (starter ? pick.AddStarter() : pick.AddSubstitute())
            return true;
        operatorMessages(command, err);
        return false;
    };
    for (int jersey : numbers)
        if (!move(jersey, true))
            return false;
    for (int jersey : sub)
        if (!move(jersey, false))
            return false;
    return true;
}

int runNewGame(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TGameOutputOptions output;
    QString error;
    if (!output.Parse(args, &error)) {
        err << "newgame: " << error << "\n";
        return 2;
    }
    TWizardCommand command(QStringLiteral("newgame"));
    if (!command.TakeOptions(args, err))
        return 2;
    bool hasGame = false;
    const QString code = TakeOption(args, QStringLiteral("--game"), &hasGame);
    const bool online = args.removeAll(QStringLiteral("--online")) > 0;
    struct TField
    {
        const char *option;
        QString TGameDataLogic::TFields::*field;
        bool present = false;
        QString value;
    };
    TField fields[] = {{"--date", &TGameDataLogic::TFields::GameDate},
                       {"--time", &TGameDataLogic::TFields::GameTime},
                       {"--attendance", &TGameDataLogic::TFields::Attendance},
                       {"--income", &TGameDataLogic::TFields::Income},
                       {"--referee1", &TGameDataLogic::TFields::Referee1},
                       {"--referee2", &TGameDataLogic::TFields::Referee2},
                       {"--referee3", &TGameDataLogic::TFields::Referee3},
                       {"--coach1", &TGameDataLogic::TFields::HomeCoach},
                       {"--coach2", &TGameDataLogic::TFields::AwayCoach},
                       {"--stadium", &TGameDataLogic::TFields::Stadium}};
    for (TField &f : fields)
        f.value = TakeOption(args, QString::fromLatin1(f.option), &f.present);
    bool hasHome = false, hasAway = false, hasFolder = false;
    const QString homeStarters = TakeOption(args, QStringLiteral("--home-starters"), &hasHome);
    const QString homeSub = TakeOption(args, QStringLiteral("--home-sub"));
    const QString awayStarters = TakeOption(args, QStringLiteral("--away-starters"), &hasAway);
    const QString awaySub = TakeOption(args, QStringLiteral("--away-sub"));
    const QString folder = TakeOption(args, QStringLiteral("--folder"), &hasFolder);
    if (!args.isEmpty() || !hasGame || code.isEmpty() || !hasHome || !hasAway) {
        if (!args.isEmpty())
            err << "newgame: unknown arguments: " << args.join(QLatin1Char(' ')) << "\n";
        err << "usage: parquetix-cli " << Usage << "\n";
        return 2;
    }

    command.Start(err);
    TWizardServices services = command.Services();
    bool written = true;
    const auto finishing = services.Finishing;
    services.Finishing = [&](TGame &game) {
        finishing(game);
        written = WriteGameOutput(game, command.Session.Screen, output, out, err);
        if (command.Sending.Wanted())
            command.Sending.PrintCounters(command.Session, out);
    };
    TNewGameLogic w(services);
    auto next = [&](const char *page) {
        if (w.Next())
            return true;
        operatorMessages(command, err);
        err << "newgame: " << page << ": "
            << (w.LastError().isEmpty() ? QStringLiteral("the wizard stays on its page") : w.LastError())
            << "\n";
        return false;
    };
    // Page 1: the schedule.
    if (!w.SelectGame(code)) {
        err << "newgame: no scheduled game has the code " << code << "\n";
        return 1;
    }
    w.SetOnline(online);
    if (!next("schedule"))
        return 1;
    // Page 2: the game data, the schedule's where no option is given.
    for (const TField &f : fields)
        if (f.present)
            w.Fields.*f.field = f.value;
    if (!next("game data"))
        return 1;
    // Pages 3 and 4: the line-ups.
    if (!pickTeam(w, 1, homeStarters, homeSub, command, err) || !next("home team"))
        return 1;
    if (!pickTeam(w, 2, awayStarters, awaySub, command, err) || !next("away team"))
        return 1;
    // Page 5 proposes the folder; page 6 records the game.
    if (!next("begin data"))
        return 1;
    if (hasFolder)
        w.FolderName = folder;
    if (!next("game"))
        return 1;
    // Page 7: the played times.
    if (!command.ApplyPlayed(*w.PlayedTimes(), err))
        return 1;
    if (!next("players min"))
        return 1;
    // Page 8: the closing message, the save, the game replaced.
    const QString saved = command.Session.App.Game().GameFolder;
    if (!next("end game"))
        return 1;
    operatorMessages(command, err);
    out << "Saved in " << saved << "\n";
    return written && command.Sent ? 0 : 1;
}

const TCliRegistration registration({QStringLiteral("newgame"), QString::fromLatin1(Usage), &runNewGame});

} // namespace
