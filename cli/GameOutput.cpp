#include "GameOutput.h"

#include "model/game/TGame.h"
#include "model/output/TGameJson.h"
#include "model/services/THeadlessScreen.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

QString TakeOption(QStringList &args, const QString &name, bool *present)
{
    const qsizetype i = args.indexOf(name);
    if (present)
        *present = i >= 0;
    if (i < 0)
        return {};
    QString value;
    if (i + 1 < args.size()) {
        value = args.at(i + 1);
        args.removeAt(i + 1);
    }
    args.removeAt(i);
    return value;
}

bool TGameOutputOptions::Parse(QStringList &args, QString *error)
{
    Messages = args.removeAll(QStringLiteral("--messages")) > 0;
    History = args.removeAll(QStringLiteral("--history")) > 0;
    bool hasJson = false;
    JsonFile = TakeOption(args, QStringLiteral("--json"), &hasJson);
    if (hasJson && JsonFile.isEmpty()) {
        *error = QStringLiteral("--json needs a file name");
        return false;
    }
    return true;
}

static QString pad(const QString &s, int width, bool right = true)
{
    return right ? s.rightJustified(width) : s.leftJustified(width);
}

static QString shots(int made, int missed)
{
    return QStringLiteral("%1/%2").arg(made).arg(made + missed);
}

static void playerLine(QTextStream &out, const TPlayer &p, const QString &jersey, const QString &name,
                       TEdition edition)
{
    out << pad(jersey, 3) << ' ' << pad(name.left(22), 22, false) << pad(PlayerStats::PlayingTimeText(p), 6)
        << pad(QString::number(p.Points), 5)
        << pad(shots(p.CloseMade + p.MidMade + p.ThreeMade, p.CloseMissed + p.MidMissed + p.ThreeMissed), 7)
        << pad(QString::number(PlayerStats::FieldGoalPercent(p)), 5)
        << pad(shots(p.CloseMade + p.MidMade, p.CloseMissed + p.MidMissed), 7)
        << pad(shots(p.ThreeMade, p.ThreeMissed), 6) << pad(shots(p.FreeThrowsMade, p.FreeThrowsMissed), 6)
        << pad(QString::number(p.OffRebounds), 4) << pad(QString::number(p.DefRebounds), 4)
        << pad(QString::number(p.Assists), 4) << pad(QString::number(p.Steals), 4)
        << pad(QString::number(p.Turnovers), 4) << pad(QString::number(p.Blocks), 4)
        << pad(QString::number(p.BlocksReceived), 4) << pad(QString::number(p.PersonalFouls), 4)
        << pad(QString::number(p.FoulsDrawn), 4)
        << pad(QString::number(PlayerStats::Valuation(p, edition)), 5)
        << pad(QString::number(PlayerStats::PlusMinus(p)), 5) << '\n';
}

static void teamBlock(QTextStream &out, const TTeam &team, TEdition edition)
{
    out << "\n"
        << (team.SideNumber == 1 ? "Home: " : "Away: ") << team.Data.EgyesuletNev << "  ("
        << team.Data.Totals.Points << " points)\n";
    out << pad(QStringLiteral("No"), 3) << ' ' << pad(QStringLiteral("Player"), 22, false)
        << pad(QStringLiteral("Min"), 6) << pad(QStringLiteral("Pts"), 5) << pad(QStringLiteral("FG"), 7)
        << pad(QStringLiteral("FG%"), 5) << pad(QStringLiteral("2P"), 7) << pad(QStringLiteral("3P"), 6)
        << pad(QStringLiteral("FT"), 6) << pad(QStringLiteral("OR"), 4) << pad(QStringLiteral("DR"), 4)
        << pad(QStringLiteral("As"), 4) << pad(QStringLiteral("St"), 4) << pad(QStringLiteral("TO"), 4)
        << pad(QStringLiteral("Bl"), 4) << pad(QStringLiteral("BR"), 4) << pad(QStringLiteral("PF"), 4)
        << pad(QStringLiteral("FD"), 4) << pad(QStringLiteral("Val"), 5) << pad(QStringLiteral("+/-"), 5)
        << '\n';
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            const QString mark = list == &team.OnCourt ? QStringLiteral("*") : QString();
            playerLine(out, p, QString::number(p.JatekosMezSzam), p.JatekosNev + mark, edition);
        }
    playerLine(out, team.TeamLine, QString(), QStringLiteral("Team"), edition);
    TPlayer totals = team.Data.Totals.AsPlayer();
    int time = 0;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            time += list->At(i)->PlayingTime;
    totals.PlayingTime = time;
    playerLine(out, totals, QString(), QStringLiteral("Totals"), edition);
    const TTeamTotals &t = team.Data.Totals;
    out << "    Dunks " << t.DunksMade << ", technical fouls " << t.TechnicalFouls << ", indirect steals "
        << t.IndirectSteals << ", fast-break points " << t.FastBreakPoints << ", second-chance points "
        << t.SecondChancePoints << ", team fouls this period " << team.TeamFouls << ", timeouts "
        << team.Timeouts.size() << "\n";
}

void WriteStatistics(const TGame &game, QTextStream &out)
{
    const TEdition edition = game.Settings().Edition();
    out << "Game " << game.GameCode << "  " << game.GameDate << ' ' << game.GameTime << "  " << game.Stadium
        << "\n";
    out << game.HomeTeam().Data.EgyesuletNev << ' ' << game.HomeTeam().Data.Totals.Points << " : "
        << game.AwayTeam().Data.Totals.Points << ' ' << game.AwayTeam().Data.EgyesuletNev << "\n";
    out << "Clock " << game.ClockText() << " elapsed, period " << game.Period << " (" << game.PeriodsEnded
        << " ended), shown " << game.ClockDisplay << ", events " << game.EventCounter << "\n";
    out << "By period:";
    const QList<TGame::Score> scores = game.PeriodScores(game.PeriodsPlayed());
    for (int n = 1; n <= scores.size(); ++n) {
        const TGame::Score &s = scores[n - 1];
        out << "  " << n << ": " << s.Home << '-' << s.Away;
    }
    out << "\n";
    teamBlock(out, game.HomeTeam(), edition);
    teamBlock(out, game.AwayTeam(), edition);
}

bool WriteGameOutput(const TGame &game, const THeadlessScreen &screen, const TGameOutputOptions &options,
                     QTextStream &out, QTextStream &err)
{
    WriteStatistics(game, out);
    if (options.History) {
        for (int side : {1, 2}) {
            out << "\n" << (side == 1 ? "Home" : "Away") << " history:\n";
            for (const THeadlessScreen::HistoryLine &line : screen.history(side))
                out << line.EventId << '\t' << line.Text << '\n';
        }
    }
    if (options.Messages) {
        out << "\nOutgoing messages:\n";
        for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
            out << e.Key << '\t' << e.Event->Message << '\n';
    }
    if (!options.JsonFile.isEmpty()) {
        QSaveFile file(options.JsonFile);
        if (!file.open(QIODevice::WriteOnly)) {
            err << "cannot write " << options.JsonFile << ": " << file.errorString() << "\n";
            return false;
        }
        file.write(QJsonDocument(GameJson::Game(game)).toJson(QJsonDocument::Indented));
        if (!file.commit()) {
            err << "cannot write " << options.JsonFile << ": " << file.errorString() << "\n";
            return false;
        }
    }
    return true;
}
