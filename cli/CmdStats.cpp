// parquetix-cli stats: everything the reports replay from a game's event log
// (period totals, starters and bench, the per-period report, plus-minus,
// line-ups, leads and runs), printed and optionally written as JSON.
#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include "model/output/TGameJson.h"
#include "model/services/THeadlessScreen.h"
#include "model/statistics/TGameReport.h"
#include "model/statistics/TLineupStatistics.h"
#include "model/statistics/TPlusMinus.h"
#include "model/statistics/TSideTotals.h"
#include "model/statistics/TTrackedSlots.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

QString pad(const QString &s, int width, bool right = true)
{
    return right ? s.rightJustified(width) : s.leftJustified(width);
}

QString pair(int made, int missed)
{
    return QStringLiteral("%1/%2").arg(made).arg(made + missed);
}

template <class Counters> QString counterColumns(const Counters &c)
{
    return pad(QString::number(c.Points), 5) + pad(pair(c.CloseMade, c.CloseMissed), 7) +
           pad(pair(c.MidMade, c.MidMissed), 7) + pad(pair(c.ThreeMade, c.ThreeMissed), 7) +
           pad(pair(c.FreeThrowsMade, c.FreeThrowsMissed), 7) + pad(pair(c.DunksMade, c.DunksMissed), 6) +
           pad(QString::number(c.OffRebounds), 4) + pad(QString::number(c.DefRebounds), 4) +
           pad(QString::number(c.Assists), 4) + pad(QString::number(c.Steals), 4) +
           pad(QString::number(c.Turnovers), 4) + pad(QString::number(c.Blocks), 4) +
           pad(QString::number(c.BlocksReceived), 4) + pad(QString::number(c.PersonalFouls), 4) +
           pad(QString::number(c.FoulsDrawn), 4);
}

QString counterHeader()
{
    return pad(QStringLiteral("Pts"), 5) + pad(QStringLiteral("Close"), 7) + pad(QStringLiteral("Mid"), 7) +
           pad(QStringLiteral("3P"), 7) + pad(QStringLiteral("FT"), 7) + pad(QStringLiteral("Dunk"), 6) +
           pad(QStringLiteral("OR"), 4) + pad(QStringLiteral("DR"), 4) + pad(QStringLiteral("As"), 4) +
           pad(QStringLiteral("St"), 4) + pad(QStringLiteral("TO"), 4) + pad(QStringLiteral("Bl"), 4) +
           pad(QStringLiteral("BR"), 4) + pad(QStringLiteral("PF"), 4) + pad(QStringLiteral("FD"), 4);
}

QString sideName(int side)
{
    return side == 1 ? QStringLiteral("Home") : QStringLiteral("Away");
}

// "1,3": stretches of the game in playing order (TPeriodRule), its regular
// periods first, then each overtime; each must be one the game had.
bool parsePeriods(const QString &text, int played, QList<int> &periods, QString *error)
{
    periods.clear();
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > played) {
            *error = QStringLiteral("--periods takes numbers from 1 to %1 (the game's periods, then its "
                                    "overtimes) separated by commas, not '%2'")
                         .arg(played)
                         .arg(text);
            return false;
        }
        periods.append(n);
    }
    return true;
}

// "P1", "P2"..., then "OT1", "OT2"...
QString stretchName(const TGame &game, int n)
{
    const TPeriodRule rule = game.Periods();
    return rule.IsOvertime(n) ? QStringLiteral("OT%1").arg(rule.OvertimeNumber(n))
                              : QStringLiteral("P%1").arg(n);
}

// Everything the command reports, computed once from the game.
struct TReplayResults
{
    explicit TReplayResults(TGame &game) : Report(game) {}

    // Every stretch the game had.
    QList<TTeamTotals> PeriodTotals[2];
    TTeamTotals StarterTotals[2];
    TTeamTotals BenchTotals[2];
    TGameReport Report;
    TLineupList Lineups[2];
};

void compute(TGame &game, TReplayResults &r, const QList<int> &periods)
{
    for (int side = 1; side <= 2; ++side) {
        r.PeriodTotals[side - 1].resize(game.PeriodsPlayed());
        for (int n = 1; n <= game.PeriodsPlayed(); ++n)
            TSideTotals::PeriodTotals(game, side, n, true, r.PeriodTotals[side - 1][n - 1]);
        TSideTotals::GroupTotals(game, side, TSideTotals::Starters, r.StarterTotals[side - 1]);
        TSideTotals::GroupTotals(game, side, TSideTotals::Bench, r.BenchTotals[side - 1]);
    }
    for (const int n : periods)
        r.Report.PeriodFlags[size_t(n - 1)] = true;
    r.Report.Build();
    TPlusMinus::UpdatePlusMinus(game);
    TLineupStatistics(game).LineupStatistics(r.Lineups[0], r.Lineups[1]);
    game.Statistics.Compute();
}

QString memberNames(const ToCsereSorok &record)
{
    QStringList names;
    for (const TQuintetPlayer &m : record.Members)
        names.append(m.IsEmpty() ? QStringLiteral("-") : m.Name);
    return names.join(QStringLiteral(" / "));
}

void print(TGame &game, const TReplayResults &r, QTextStream &out)
{
    const TTeam *teams[] = {&game.HomeTeam(), &game.AwayTeam()};
    out << "Game " << game.GameCode << ": " << teams[0]->Data.EgyesuletNev << ' '
        << teams[0]->Data.Totals.Points << " : " << teams[1]->Data.Totals.Points << ' '
        << teams[1]->Data.EgyesuletNev << ", clock " << game.ClockText() << ", period length "
        << game.PeriodLength() << " min\n";

    out << "\nPeriod totals\n" << pad(QString(), 12) << counterHeader() << '\n';
    for (int t = 0; t < 2; ++t)
        for (int n = 0; n < r.PeriodTotals[t].size(); ++n)
            out << pad(sideName(t + 1) + QLatin1Char(' ') + stretchName(game, n + 1), 12, false)
                << counterColumns(r.PeriodTotals[t][n]) << '\n';

    out << "\nStarters and bench\n" << pad(QString(), 14) << counterHeader() << '\n';
    for (int t = 0; t < 2; ++t) {
        out << pad(sideName(t + 1) + QStringLiteral(" starters"), 14, false)
            << counterColumns(r.StarterTotals[t]) << '\n';
        out << pad(sideName(t + 1) + QStringLiteral(" bench"), 14, false) << counterColumns(r.BenchTotals[t])
            << '\n';
    }

    QStringList chosen;
    for (size_t n = 0; n < r.Report.PeriodFlags.size(); ++n)
        if (r.Report.PeriodFlags[n])
            chosen.append(stretchName(game, int(n) + 1));
    out << "\nPer-period report, periods " << (chosen.isEmpty() ? QStringLiteral("none") : chosen.join(u','))
        << '\n';
    const TTeam *reportTeams[] = {&r.Report.HomeTotals, &r.Report.AwayTotals};
    const TPlayerList *reportPlayers[] = {&r.Report.HomePlayers, &r.Report.AwayPlayers};
    for (int t = 0; t < 2; ++t) {
        out << sideName(t + 1) << ": " << reportTeams[t]->Data.EgyesuletNev << '\n';
        out << pad(QStringLiteral("No"), 4) << ' ' << pad(QStringLiteral("Player"), 22, false)
            << pad(QStringLiteral("Min"), 6) << counterHeader() << '\n';
        for (int i = 0; i < reportPlayers[t]->Count(); ++i) {
            const TPlayer &p = *reportPlayers[t]->At(i);
            out << pad(QString::number(p.JatekosMezSzam), 4) << ' ' << pad(p.JatekosNev.left(22), 22, false)
                << pad(PlayerStats::PlayingTimeText(p), 6) << counterColumns(p) << '\n';
        }
        out << pad(QString(), 4) << ' ' << pad(QStringLiteral("Team"), 22, false) << pad(QString(), 6)
            << counterColumns(reportTeams[t]->TeamLine) << '\n';
        out << pad(QString(), 4) << ' ' << pad(QStringLiteral("Totals"), 22, false) << pad(QString(), 6)
            << counterColumns(reportTeams[t]->Data.Totals) << '\n';
    }

    out << "\nPlus-minus\n";
    for (int t = 0; t < 2; ++t)
        for (const TPlayerList *list : {&teams[t]->OnCourt, &teams[t]->Bench})
            for (int i = 0; i < list->Count(); ++i) {
                const TPlayer &p = *list->At(i);
                const int pm = PlayerStats::PlusMinus(p);
                out << pad(sideName(t + 1), 5, false) << pad(QString::number(p.JatekosMezSzam), 4) << ' '
                    << pad(p.JatekosNev.left(22), 22, false)
                    << pad((pm > 0 ? QStringLiteral("+") : QString()) + QString::number(pm), 5) << '\n';
            }

    out << "\nLine-ups\n";
    for (int t = 0; t < 2; ++t) {
        out << sideName(t + 1) << ":\n"
            << pad(QStringLiteral("#"), 3) << ' ' << pad(QStringLiteral("Players"), 44, false)
            << pad(QStringLiteral("Min"), 6) << counterHeader() << '\n';
        for (int i = 0; i < r.Lineups[t].Count(); ++i) {
            const ToCsereSorok &l = *r.Lineups[t].At(i);
            out << pad(QString::number(i + 1), 3) << ' ' << pad(memberNames(l).left(44), 44, false)
                << pad(PlayerStats::PlayingTimeText(l), 6) << counterColumns(l) << '\n';
        }
    }

    const TGameStatistics &s = game.Statistics;
    out << "\nGame statistics\n"
        << "  MaxLead " << s.MaxLead << "  MinLead " << s.MinLead << "  Ties " << s.Ties << "  LeadChanges "
        << s.LeadChanges << "  MaxHomeRun " << s.MaxHomeRun << "  MaxAwayRun " << s.MaxAwayRun << '\n';
}

QJsonObject reportTeamJson(const TTeam &team)
{
    return QJsonObject{{"EgyesuletNev", team.Data.EgyesuletNev},
                       {"Totals", GameJson::Totals(team.Data.Totals)},
                       {"TeamLine", GameJson::Player(team.TeamLine)}};
}

QJsonArray playersJson(const TPlayerList &list)
{
    QJsonArray a;
    for (int i = 0; i < list.Count(); ++i)
        a.append(GameJson::Player(*list.At(i)));
    return a;
}

QJsonObject json(TGame &game, const TReplayResults &r)
{
    QJsonObject periodTotals, starters, bench, plusMinus, lineups;
    const TTeam *teams[] = {&game.HomeTeam(), &game.AwayTeam()};
    for (int t = 0; t < 2; ++t) {
        const QString side = sideName(t + 1);
        QJsonArray periods;
        for (const TTeamTotals &totals : r.PeriodTotals[t])
            periods.append(GameJson::Totals(totals));
        periodTotals.insert(side, periods);
        starters.insert(side, GameJson::Totals(r.StarterTotals[t]));
        bench.insert(side, GameJson::Totals(r.BenchTotals[t]));

        QJsonArray players;
        for (const TPlayerList *list : {&teams[t]->OnCourt, &teams[t]->Bench})
            for (int i = 0; i < list->Count(); ++i) {
                const TPlayer &p = *list->At(i);
                players.append(QJsonObject{{"JatekosID", p.JatekosID},
                                           {"JatekosMezSzam", p.JatekosMezSzam},
                                           {"JatekosNev", p.JatekosNev},
                                           {"WebID", p.WebID},
                                           {"INDEX", PlayerStats::PlusMinus(p)}});
            }
        plusMinus.insert(side, players);

        QJsonArray records;
        for (int i = 0; i < r.Lineups[t].Count(); ++i) {
            const ToCsereSorok &l = *r.Lineups[t].At(i);
            QJsonArray members;
            for (const TQuintetPlayer &m : l.Members)
                members.append(QJsonObject{{"Name", m.Name}, {"WebID", m.WebID}});
            QJsonObject o = GameJson::Player(l);
            o.insert(QStringLiteral("Members"), members);
            o.insert(QStringLiteral("Key"), l.Key());
            records.append(o);
        }
        lineups.insert(side, records);
    }
    QJsonArray flags;
    // One flag for each period the game had.
    for (int n = 0; n < game.PeriodsPlayed(); ++n)
        flags.append(bool(r.Report.PeriodFlags[size_t(n)]));
    const TGameStatistics &s = game.Statistics;
    return QJsonObject{
        {"GameCode", game.GameCode},
        {"PeriodLength", game.PeriodLength()},
        {"PeriodTotals", periodTotals},
        {"StarterTotals", starters},
        {"BenchTotals", bench},
        {"GameReport", QJsonObject{{"PeriodFlags", flags},
                                   {"HomeTotals", reportTeamJson(r.Report.HomeTotals)},
                                   {"AwayTotals", reportTeamJson(r.Report.AwayTotals)},
                                   {"HomePlayers", playersJson(r.Report.HomePlayers)},
                                   {"AwayPlayers", playersJson(r.Report.AwayPlayers)}}},
        {"PlusMinus", plusMinus},
        {"Lineups", lineups},
        {"Statistics", QJsonObject{{"MaxLead", s.MaxLead},
                                   {"MinLead", s.MinLead},
                                   {"Ties", s.Ties},
                                   {"LeadChanges", s.LeadChanges},
                                   {"MaxHomeRun", s.MaxHomeRun},
                                   {"MaxAwayRun", s.MaxAwayRun}}},
    };
}

bool writeJson(const QString &path, const QJsonObject &object, QTextStream &err)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        err << "stats: cannot write " << path << ": " << file.errorString() << "\n";
        return false;
    }
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        err << "stats: cannot write " << path << ": " << file.errorString() << "\n";
        return false;
    }
    return true;
}

const char *const Usage = "usage: parquetix-cli stats DIR|--script SCRIPT [--periods 1,3] [--json FILE]\n";

int runStats(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    bool hasScript = false;
    bool hasPeriods = false;
    bool hasJson = false;
    const QString scriptPath = TakeOption(args, QStringLiteral("--script"), &hasScript);
    const QString periodText = TakeOption(args, QStringLiteral("--periods"), &hasPeriods);
    const QString jsonPath = TakeOption(args, QStringLiteral("--json"), &hasJson);
    if ((hasScript && scriptPath.isEmpty()) || (hasJson && jsonPath.isEmpty()) ||
        (hasPeriods && periodText.isEmpty()) || args.size() != (hasScript ? 0 : 1)) {
        err << Usage;
        return 2;
    }
    TCliGame session;
    session.Start(err);
    if (hasScript) {
        // A scripted game is only read here: nothing is saved or dumped.
        session.App.Game().SetStore(nullptr);
        if (!session.RunScript(scriptPath, err))
            return 1;
    } else if (!session.LoadFolder(args.first(), QStringLiteral("stats"), err)) {
        return 1;
    }
    TGame &game = session.App.Game();

    for (const TTeam *team :
         {static_cast<const TTeam *>(&game.HomeTeam()), static_cast<const TTeam *>(&game.AwayTeam())})
        if (const int extra = TTrackedSlots::UntrackedStarters(*team))
            err << "stats: the " << sideName(team->SideNumber).toLower() << " team has " << extra
                << " starter(s) beyond the third; plus-minus and line-ups follow the first three\n";

    QList<int> periods;
    for (int n = 1; n <= game.PeriodsPlayed(); ++n)
        periods.append(n);
    QString error;
    if (hasPeriods && !parsePeriods(periodText, game.PeriodsPlayed(), periods, &error)) {
        err << "stats: " << error << "\n";
        return 2;
    }
    const TScriptPrompter &prompter = session.Prompter;
    const qsizetype before = prompter.Messages.size();
    TReplayResults results(game);
    compute(game, results, periods);
    // Errors of single events (the event's position in the log) do not stop the replay.
    for (qsizetype i = before; i < prompter.Messages.size(); ++i) {
        const QString &m = prompter.Messages.at(i);
        bool position = false;
        m.toInt(&position);
        err << "stats: replay error"
            << (position ? QStringLiteral(" at event position ") : QStringLiteral(": ")) << m << "\n";
    }

    print(game, results, out);
    if (hasJson && !writeJson(jsonPath, json(game, results), err))
        return 1;
    return 0;
}

const TCliRegistration
    registration({QStringLiteral("stats"),
                  QStringLiteral("stats DIR|--script SCRIPT [--periods 1,3] [--json FILE]"), &runStats});

} // namespace
