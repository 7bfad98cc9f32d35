#include "TqrULEBTeamResultsHebrew.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"

namespace {
constexpr double NarrowerName = 6; // room for the "I" column
} // namespace

TqrULEBTeamResultsHebrew::TqrULEBTeamResultsHebrew(const TGame &game, ITranslator &translator,
                                                   TNativeNames names)
    : TqrULEBTeamResults(game, translator), m_names(std::move(names))
{
    m_plainRunningScore = true;
    m_coachInHeading = false;
    m_coachInTotal = true;
    m_footer = false;
    // Where David is missing the painter takes the system's face, which has Hebrew letters.
    m_headerFont = QStringLiteral("David");
    for (TColumn c : BoxScoreColumns()) {
        if (c.Name == QLatin1String("Nev"))
            c.Width -= NarrowerName;
        else if (c.X > 12 && c.Name != QLatin1String("VAL"))
            c.X -= NarrowerName;
        if (c.Name == QLatin1String("VAL"))
            m_hebrewColumns.append(TColumn{QStringLiteral("I"), QStringLiteral("I"), QString(),
                                           c.X - NarrowerName, NarrowerName, TReportCell::Align::Right});
        m_hebrewColumns.append(c);
    }
}

QString TqrULEBTeamResultsHebrew::ReversedPeriodScores(const TGame &game)
{
    const int regular = game.PeriodCount();
    const int last = game.PeriodsPlayed();
    const QList<TGame::Score> scores = game.PeriodScores(last);
    QString text = QStringLiteral("(");
    for (int period = last; period > regular; --period)
        text += QStringLiteral("%1-%2, ").arg(scores[period - 1].Home).arg(scores[period - 1].Away);
    QStringList regulars;
    for (int period = regular; period >= 1; --period)
        regulars.append(QStringLiteral("%1-%2").arg(scores[period - 1].Away).arg(scores[period - 1].Home));
    return text + regulars.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString TqrULEBTeamResultsHebrew::teamName(const TTeam &team) const
{
    const QString native = m_names.Team ? m_names.Team(team.Data.WebID) : QString();
    return native.isEmpty() ? team.Data.EgyesuletNev : native;
}

QString TqrULEBTeamResultsHebrew::playerName(const TBoxScoreRow &row) const
{
    if (!row.Record)
        return QString();
    if (row.Key.startsWith(QLatin1Char(' ')))
        return tr(row.Key.trimmed());
    const QString native = m_names.Player ? m_names.Player(row.Record->WebID) : QString();
    return native.isEmpty() ? row.Record->JatekosNev : native;
}

QString TqrULEBTeamResultsHebrew::titleText() const
{
    const int home = m_game.HomeTeam().Data.Totals.Points;
    const int away = m_game.AwayTeam().Data.Totals.Points;
    const QString names =
        (teamName(m_game.HomeTeam()) + QStringLiteral(" - ") + teamName(m_game.AwayTeam())).left(124);
    // Read from the right, the away score comes first unless the setting swaps it.
    return m_game.Settings().SwapResult() ? names + QStringLiteral(" %1-%2").arg(home).arg(away)
                                          : names + QStringLiteral(" %1-%2").arg(away).arg(home);
}

int TqrULEBTeamResultsHebrew::valuation(const TPlayer &record) const
{
    return PlayerStats::PerformanceIndex(record, m_edition) + PlayerStats::IndirectSteals(record);
}

int TqrULEBTeamResultsHebrew::teamValuation(const TTeam &team) const
{
    return PlayerStats::PerformanceIndex(team.TotalsAsPlayer(), m_edition) + team.Data.Totals.IndirectSteals;
}
