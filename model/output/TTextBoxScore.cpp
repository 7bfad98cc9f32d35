#include "TTextBoxScore.h"

#include "model/game/TGame.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TSideTotals.h"

#include <QLocale>

namespace {

QString pair(int made, int attempts)
{
    return QString::number(made) + QLatin1Char('/') + QString::number(attempts);
}

// Collects fields, each closed by "|".
class TFields
{
public:
    TFields &operator<<(const QString &field)
    {
        m_text += TTextBoxScore::FieldText(field);
        m_text += QLatin1Char('|');
        return *this;
    }
    TFields &operator<<(int value) { return *this << QString::number(value); }
    const QString &Text() const { return m_text; }

private:
    QString m_text;
};

// The two-point, three-point, field goal and free throw columns shared by
// player, period and total lines, with the dunks between the first two.
void shootingFields(TFields &f, const TPlayer &r)
{
    const int twoMade = r.CloseMade + r.MidMade;
    const int twoAttempts = twoMade + r.CloseMissed + r.MidMissed;
    const int fieldMade = twoMade + r.ThreeMade;
    const int fieldAttempts = twoAttempts + r.ThreeMade + r.ThreeMissed;
    f << pair(twoMade, twoAttempts) << PlayerStats::TwoPointPercent(r) << r.DunksMade;
    f << pair(r.ThreeMade, r.ThreeMade + r.ThreeMissed) << PlayerStats::ThreePercent(r);
    f << pair(fieldMade, fieldAttempts) << PlayerStats::FieldGoalPercent(r);
    f << pair(r.FreeThrowsMade, r.FreeThrowsMade + r.FreeThrowsMissed) << PlayerStats::FreeThrowPercent(r);
}

void reboundToBlockFields(TFields &f, const TPlayer &r)
{
    f << r.DefRebounds << r.OffRebounds << r.DefRebounds + r.OffRebounds << r.Steals << r.Turnovers
      << r.PersonalFouls << r.FoulsDrawn << r.Assists << r.Blocks << r.BlocksReceived;
}

const TTeam &teamOf(const TGame &game, int side)
{
    return side == 1 ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
}

QString periodLabel(int period)
{
    return period <= 4 ? QString::number(period) + QStringLiteral(". Negyed")
                       : QStringLiteral("Hosszabbítás");
}

} // namespace

QString TTextBoxScore::FieldText(const QString &text)
{
    if (!text.contains(QLatin1Char('|')) && !text.contains(QLatin1Char('\r')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString field = text;
    field.replace(QLatin1Char('|'), QLatin1Char('/'));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

QString TTextBoxScore::TwoDecimals(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

QString TTextBoxScore::PlayerLine(const TPlayer &r, TEdition edition)
{
    TFields f;
    f << r.JatekosMezSzam << r.JatekosNev << QString(r.Starter ? QStringLiteral("S") : QStringLiteral(" "))
      << r.Points;
    shootingFields(f, r);
    reboundToBlockFields(f, r);
    f << PlayerStats::Valuation(r, edition);
    f << PlayerStats::PlayingTimeText(r);
    // Points per minute of a whole game: players hold no GAMELENGTH and so
    // divide by 40; the home team line holds the game's period length.
    const int divisor = 4 * PlayerStats::GameLength(r);
    f << TwoDecimals(divisor > 0 ? double(r.Points) / divisor : 0.0);
    f << TwoDecimals(PlayerStats::PointsPerShot(r));
    if (edition == TEdition::Italian)
        f << PlayerStats::PlusMinus(r);
    return f.Text();
}

QString TTextBoxScore::totalsFields(const TGame &game, const TTeamTotals &totals, int valuation)
{
    const TPlayer r = totals.AsPlayer();
    TFields f;
    f << r.Points;
    shootingFields(f, r);
    reboundToBlockFields(f, r);
    f << valuation << game.ClockText();
    const int divisor = 4 * game.PeriodLength();
    f << TwoDecimals(divisor > 0 ? double(r.Points) / divisor : 0.0);
    f << TwoDecimals(PlayerStats::PointsPerShot(r));
    return f.Text();
}

QList<int> TTextBoxScore::LineStretches(const TGame &game, int line)
{
    const TPeriodRule rule = game.Periods();
    QList<int> stretches;
    if (line >= 1 && line <= 4) {
        if (line <= rule.RegularPeriods())
            stretches << line;
    } else if (line == 5) {
        for (int n = rule.RegularPeriods() + 1; n <= game.PeriodsPlayed(); ++n)
            stretches << n;
    }
    return stretches;
}

QString TTextBoxScore::PeriodLine(const TGame &game, int side, int line)
{
    TTeamTotals totals;
    TEventReplay::ClearTotals(totals);
    for (const int n : LineStretches(game, line))
        TSideTotals::PeriodTotals(game, side, n, false, totals);
    const TEdition edition = game.Settings().Edition();
    // The replay counts no rating: the period's totals are rated as the team
    // rates its own.
    TPlayer r = totals.AsPlayer();
    r.Rating = PlayerStats::StoredRating(r, edition);
    return periodLabel(line) + QLatin1Char('|') +
           totalsFields(game, totals, PlayerStats::Valuation(r, edition));
}

QString TTextBoxScore::TotalLine(const TGame &game, int side)
{
    const TTeamTotals &totals = teamOf(game, side).Data.Totals;
    const TEdition edition = game.Settings().Edition();
    return totalsFields(game, totals, PlayerStats::Valuation(totals.AsPlayer(), edition));
}

void TTextBoxScore::BuildTextBoxScore(const TGame &game, QStringList &lines)
{
    lines.clear();
    const TTeam &home = game.HomeTeam();
    const TTeam &away = game.AwayTeam();
    const TEdition edition = game.Settings().Edition();

    // The four quarter entries the server reads, each the score of its line's periods.
    const QList<TGame::Score> scores = game.PeriodScores(4);
    QStringList periods;
    for (int line = 1; line <= 4; ++line) {
        TGame::Score s;
        for (const int n : LineStretches(game, line)) {
            s.Home += scores[n - 1].Home;
            s.Away += scores[n - 1].Away;
        }
        periods << QString::number(s.Home) + QLatin1Char('-') + QString::number(s.Away);
    }
    lines << QStringLiteral("GENERAL:") + FieldText(home.Data.EgyesuletNev) + QStringLiteral(" - ") +
                 FieldText(away.Data.EgyesuletNev) + QLatin1Char(' ') +
                 QString::number(home.Data.Totals.Points) + QLatin1Char('-') +
                 QString::number(away.Data.Totals.Points) + QStringLiteral("|(") +
                 periods.join(QStringLiteral(", ")) + QLatin1Char(')');
    lines << QStringLiteral("STADIUM:") + FieldText(game.Stadium);

    QString referees = QStringLiteral("REFEREES:");
    if (!game.Referee1.trimmed().isEmpty())
        referees += FieldText(game.Referee1);
    for (const QString *other : {&game.Referee2, &game.Referee3})
        if (!other->trimmed().isEmpty())
            referees += QStringLiteral(", ") + FieldText(*other);
    lines << referees;
    lines << QStringLiteral("DATE:") + FieldText(game.GameDate);
    lines << QStringLiteral("TIME:") + FieldText(game.GameTime);
    lines << QStringLiteral("INCOME:") + QString::number(game.Income);
    lines << QStringLiteral("CROUD:") + QString::number(game.Attendance);
    lines << QStringLiteral("PLAYED TIME:") + game.ClockText();

    for (int side = 1; side <= 2; ++side) {
        const TTeam &team = side == 1 ? home : away;
        lines << (side == 1 ? QStringLiteral("HOME TEAM") : QStringLiteral("AWAY TEAM"));
        lines << PlayerLine(team.TeamLine, edition);
        for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
            for (int i = 0; i < list->Count(); ++i)
                lines << PlayerLine(*list->At(i), edition);
        lines << QStringLiteral("QUARTERS");
        for (int n = 1; n <= 5; ++n)
            lines << PeriodLine(game, side, n);
        lines << QStringLiteral("TOTAL");
        lines << TotalLine(game, side);
    }
}

QString TTextBoxScore::Joined(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}
