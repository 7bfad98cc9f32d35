#include "TDumpText.h"

#include "common/Win1250.h"
#include "model/game/TGame.h"
#include "model/output/TTextBoxScore.h"
#include "model/statistics/TGameReport.h"

#include <iterator>

namespace {

// The text is rewritten after every event: numbers go in without a text of
// their own each.
class TLines
{
public:
    TLines() { m_text.reserve(4096); }
    TLines &field(const QString &text)
    {
        m_text += TTextBoxScore::FieldText(text);
        m_text += QLatin1Char('|');
        return *this;
    }
    TLines &field(qint64 n)
    {
        char digits[24];
        char *at = std::end(digits);
        const bool negative = n < 0;
        quint64 v = negative ? 0 - quint64(n) : quint64(n);
        do {
            *--at = char('0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (negative)
            *--at = '-';
        m_text += QLatin1StringView(at, std::end(digits) - at);
        m_text += QLatin1Char('|');
        return *this;
    }
    void raw(const QString &text) { m_text += text; }
    void end() { m_text += QLatin1StringView("\r\n"); }
    QByteArray bytes() const { return Win1250::Encode(m_text); }

private:
    QString m_text;
};

// The seventeen counters of a dump line; the two foul counters stand before the steals.
template <typename T> void counters(TLines &l, const T &c)
{
    for (qint32 v : {c.CloseMade, c.CloseMissed, c.MidMade, c.MidMissed, c.ThreeMade, c.ThreeMissed,
                     c.FreeThrowsMade, c.FreeThrowsMissed, c.DefRebounds, c.OffRebounds, c.PersonalFouls,
                     c.FoulsDrawn, c.Steals, c.Turnovers, c.Assists, c.Blocks, c.BlocksReceived})
        l.field(v);
}

QString teamName(const TTeam &team)
{
    return team.Data.EgyesuletNev.left(60);
}

QString playingTime(int t)
{
    return PlayerStats::ClockText(t);
}

// The team line and the player lines of one side; counts come from the game or
// from the per-period report.
void sideLines(TLines &l, const TGame &game, const TTeam &team, TGameReport *period)
{
    const QString side = team.SideNumber == 1 ? QStringLiteral("0") : QStringLiteral("1");
    const TTeam *counted = &team;
    TPlayerList *copies = nullptr;
    if (period) {
        counted = team.SideNumber == 1 ? static_cast<TTeam *>(&period->HomeTotals) : &period->AwayTotals;
        copies = team.SideNumber == 1 ? &period->HomePlayers : &period->AwayPlayers;
    }
    const TTeamTotals &totals = counted->Data.Totals;
    l.field(side).field(team.Data.WebID).field(team.TeamLine.JatekosMezSzam);
    l.field(team.SideNumber == 1 ? QStringLiteral("HOMETEAM") : QStringLiteral("AWAYTEAM"));
    l.field(0).field(0);
    counters(l, counted->TeamLine);
    l.field(totals.FastBreakPoints).field(totals.SecondChancePoints);
    l.end();

    const bool italian = game.Settings().Edition() == TEdition::Italian;
    const TPlayer none;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            const TPlayer *counts = &p;
            if (copies) {
                const int at = copies->IndexOf(TGameReport::JerseyKey(p));
                counts = at >= 0 ? copies->At(at) : &none;
            }
            l.field(side).field(p.WebID).field(p.JatekosMezSzam).field(p.JatekosNev);
            l.field(counts->Starter ? 1 : 0).field(playingTime(counts->PlayingTime));
            counters(l, *counts);
            if (italian)
                l.field(PlayerStats::PlusMinus(p));
            l.end();
        }
}

} // namespace

namespace TDumpText {

QByteArray GameData(const TGame &game)
{
    TLines l;
    l.field(teamName(game.HomeTeam())).field(teamName(game.AwayTeam()));
    l.end();
    l.field(game.HomeCoach).field(game.AwayCoach);
    l.end();
    l.field(game.Referee1).field(game.Referee2).field(game.Referee3);
    l.end();
    l.field(game.GameDate).field(game.GameTime).field(game.Stadium).field(game.Attendance).field(game.Income);
    l.end();
    return l.bytes();
}

QByteArray LiveBoxScore(const TGame &game)
{
    const TTeam &home = game.HomeTeam();
    const TTeam &away = game.AwayTeam();
    TLines l;
    l.field(teamName(home))
        .field(teamName(away))
        .field(home.Data.Totals.Points)
        .field(away.Data.Totals.Points);
    l.field(game.GameCode);
    for (const TGame::Score &s : game.PeriodScores(5))
        l.field(s.Home).field(s.Away);
    l.end();
    sideLines(l, game, home, nullptr);
    sideLines(l, game, away, nullptr);
    // The clock as the court screen shows it: the minutes of the display and
    // seconds 0, 45, 30 or 15.
    static const int seconds[] = {0, 45, 30, 15};
    l.raw(QStringLiteral("#"));
    l.field(game.Period).field(game.ClockDisplay.left(2).toInt()).field(seconds[game.Clock % 4]);
    l.end();
    return l.bytes();
}

QByteArray PeriodBoxScore(TGame &game, int period)
{
    TGameReport report(game);
    if (period >= 1 && period <= int(report.PeriodFlags.size()))
        report.PeriodFlags[size_t(period - 1)] = true;
    report.Build();
    const TTeam &home = game.HomeTeam();
    const TTeam &away = game.AwayTeam();
    TLines l;
    l.field(teamName(home)).field(teamName(away));
    l.field(report.HomeTotals.Data.Totals.Points).field(report.AwayTotals.Data.Totals.Points);
    l.field(game.GameCode);
    l.end();
    sideLines(l, game, home, &report);
    sideLines(l, game, away, &report);
    l.raw(QStringLiteral("#"));
    l.field(period);
    l.end();
    return l.bytes();
}

QByteArray EventLine(const TGameEvent &event, int serverNameLength)
{
    return Win1250::Encode(event.Message.mid(serverNameLength) + QStringLiteral("&subevent=") +
                           QString::number(event.SubEvent) + QStringLiteral("\r\n"));
}

QString LiveFileName(int number)
{
    return QStringLiteral("Dump_Data_%1.dat").arg(number, 6, 10, QLatin1Char('0'));
}

QString PeriodFileName(int period)
{
    return QStringLiteral("Dump_Data_Q%1.dat").arg(period);
}

QString EventFileName(int number)
{
    return QStringLiteral("Game_Data_%1.dat").arg(number, 6, 10, QLatin1Char('0'));
}

QString EventSubFileName(int number)
{
    return QStringLiteral("Game_Subdata_Data_%1.dat").arg(number, 6, 10, QLatin1Char('0'));
}

} // namespace TDumpText
