#include "TqrULEBTeamResultsItaly.h"

#include "model/output/TPeriodNames.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/statistics/TSideTotals.h"

namespace {

using Align = TReportCell::Align;

const TqrULEBTeamResults::TColumnSpec ItalyColumns[] = {
    {"S5", "S5", "", 0, 5, Align::Center},
    {"Mez", "", "", 5, 5, Align::Right},
    {"Nev", "", "", 11, 25, Align::Left},
    {"Perc", "Perc", "", 36, 10, Align::Center},
    {"Pst", "Pst", "", 46, 6, Align::Right},
    {"2-pts M", "M", "2-pts", 53, 9, Align::Right},
    {"2-pts %", "%", "2-pts", 62, 6, Align::Right},
    {"Sch", "Sch", "", 68, 6, Align::Right},
    {"3-pts M", "M", "3-pts", 75, 9, Align::Right},
    {"3-pts %", "%", "3-pts", 84, 6, Align::Right},
    {"FG M", "M", "FG", 91, 9, Align::Right},
    {"FG %", "%", "FG", 100, 6, Align::Right},
    {"FTS M", "M", "FTS", 107, 9, Align::Right},
    {"FTS %", "%", "FTS", 116, 6, Align::Right},
    {"Rebs. D", "D", "Rebs.", 123, 5, Align::Right},
    {"Rebs. O", "O", "Rebs.", 128, 5, Align::Right},
    {"Rebs. T", "T", "Rebs.", 133, 5, Align::Right},
    {"Foults F", "F", "Foults", 139, 5, Align::Right},
    {"Foults KF", "KF", "Foults", 144, 5, Align::Right},
    {"SzL", "SzL", "", 150, 5, Align::Right},
    {"EL", "EL", "", 155, 5, Align::Right},
    {"As", "As", "", 160, 5, Align::Right},
    {"Blocks Blk", "Blk", "Blocks", 166, 5, Align::Right},
    {"Blocks H", "H", "Blocks", 171, 5, Align::Right},
    {"VAL", "VAL", "", 176, 6, Align::Right},
    {"OER", "OER", "", 182, 6.5, Align::Right},
    {"P/M", "P/M", "", 188.5, 6.5, Align::Right},
    {"+/-", "+/-", "", 195, 6, Align::Right},
};

constexpr int SponsorStrips = 5;

} // namespace

TqrULEBTeamResultsItaly::TqrULEBTeamResultsItaly(const TGame &game, ITranslator &translator,
                                                 const TBoxScoreMaxima &home, const TBoxScoreMaxima &away)
    : TLeagueBoxScore(game, translator), m_homeBest(home), m_awayBest(away)
{
    m_italyColumns = ColumnsOf(ItalyColumns);
}

void TqrULEBTeamResultsItaly::bands(TLayout &layout) const
{
    header(layout);
    incomeLine(layout);
    for (const bool home : {true, false}) {
        const TTeamSide s = side(home);
        const TBoxScoreMaxima &best = home ? m_homeBest : m_awayBest;
        teamHeading(layout, s);
        for (int line = 0; line < s.Rows->size(); ++line)
            orderedLine(
                layout, s, line, QStringLiteral("S"),
                [&](QList<TReportCell> &cells, const TPlayer &p, bool teamRow, double y) {
                    playerCells(cells, p, teamRow ? nullptr : &best, y);
                },
                [&](QList<TReportCell> &cells, int r, double y) { sidePanel(cells, s, r, y, LineHeight); });
        total(layout, s);
        periodLines(layout, s);
    }
    closing(layout);
}

void TqrULEBTeamResultsItaly::incomeLine(TLayout &layout) const
{
    const QString band = QStringLiteral("PageHeaderBand1");
    // Beside the spectators on the header's last line.
    TReportLine &line = layout.Line(band, 0);
    const double y = 24;
    line.Cells.append(Caption(QStringLiteral("lblIncassoCaption"), QStringLiteral("Incasso:"), 162, y, 12, 4,
                              Align::Left, true, 7));
    line.Cells.append(Text(QStringLiteral("lblIncasso"),
                           m_game.Income != 0 ? QString::number(m_game.Income) : QString(), 176, y, 10, 4,
                           Align::Left, false, 7));
}

QList<TLeagueBoxScore::TValue> TqrULEBTeamResultsItaly::values(const TPlayer &p, int val, TMode mode) const
{
    const bool dotted = mode != TMode::Total;
    const int twoMade = p.CloseMade + p.MidMade;
    const int twoTried = twoMade + p.CloseMissed + p.MidMissed;
    const int fgMade = twoMade + p.ThreeMade;
    const int fgTried = twoTried + p.ThreeMade + p.ThreeMissed;
    QList<TValue> v = {
        {QStringLiteral("Pst"), QString::number(p.Points), p.Points, false},
        {QStringLiteral("2-pts M"), Pair(twoMade, twoTried), twoMade, dotted},
        {QStringLiteral("2-pts %"), QString::number(PlayerStats::TwoPointPercent(p)),
         PlayerStats::TwoPointPercent(p), dotted},
        {QStringLiteral("Sch"), QString::number(p.DunksMade), p.DunksMade, dotted},
        {QStringLiteral("3-pts M"), Pair(p.ThreeMade, p.ThreeMade + p.ThreeMissed), p.ThreeMade, dotted},
        {QStringLiteral("3-pts %"), QString::number(PlayerStats::ThreePercent(p)),
         PlayerStats::ThreePercent(p), dotted},
        {QStringLiteral("FG M"), Pair(fgMade, fgTried), fgMade, dotted},
        {QStringLiteral("FG %"), QString::number(PlayerStats::FieldGoalPercent(p)),
         PlayerStats::FieldGoalPercent(p), dotted},
        {QStringLiteral("FTS M"), Pair(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed),
         p.FreeThrowsMade, dotted},
        {QStringLiteral("FTS %"), QString::number(PlayerStats::FreeThrowPercent(p)),
         PlayerStats::FreeThrowPercent(p), dotted},
    };
    const std::pair<const char *, int> counts[] = {{"Rebs. D", p.DefRebounds},
                                                   {"Rebs. O", p.OffRebounds},
                                                   {"Rebs. T", p.DefRebounds + p.OffRebounds},
                                                   {"Foults F", p.PersonalFouls},
                                                   {"Foults KF", p.FoulsDrawn},
                                                   {"SzL", p.Steals},
                                                   {"EL", p.Turnovers},
                                                   {"As", p.Assists},
                                                   {"Blocks Blk", p.Blocks},
                                                   {"Blocks H", p.BlocksReceived},
                                                   {"VAL", val}};
    for (const auto &[name, n] : counts)
        v.append({QLatin1String(name), QString::number(n), n, dotted});
    v.append({QStringLiteral("OER"), Fixed(PlayerStats::PointsPerShot(p), 2), 0, false});
    if (mode == TMode::Player) {
        v.append({QStringLiteral("P/M"), PlayerStats::PointsPerMinute(p), 0, false});
        v.append({QStringLiteral("+/-"), QString::number(PlayerStats::PlusMinus(p)),
                  PlayerStats::PlusMinus(p), true});
    }
    return v;
}

void TqrULEBTeamResultsItaly::playerCells(QList<TReportCell> &cells, const TPlayer &p,
                                          const TBoxScoreMaxima *marked, double y) const
{
    const QList<TValue> list = values(p, valuation(p), TMode::Player);
    const TBoxScoreMaxima best = marked ? *marked : TBoxScoreMaxima();
    // The team's best of each column, by the column's name.
    const std::pair<const char *, int> maxima[] = {
        {"Pst", best.Points},           {"2-pts M", best.TwoMade},
        {"2-pts %", best.TwoPercent},   {"Sch", best.DunksMade},
        {"3-pts M", best.ThreeMade},    {"3-pts %", best.ThreePercent},
        {"FG M", best.FieldGoalsMade},  {"FG %", best.FieldGoalPercent},
        {"FTS M", best.FreeThrowsMade}, {"FTS %", best.FreeThrowPercent},
        {"Rebs. D", best.DefRebounds},  {"Rebs. O", best.OffRebounds},
        {"Rebs. T", best.Rebounds},     {"Foults F", best.Fouls},
        {"Foults KF", best.FoulsDrawn}, {"SzL", best.Steals},
        {"EL", best.Turnovers},         {"As", best.Assists},
        {"Blocks Blk", best.Blocks},    {"Blocks H", best.BlocksReceived},
        {"VAL", best.PerformanceIndex}};
    for (const TValue &v : list) {
        TReportCell cell = at(v.Column, v.Dotted ? dot(v.Text) : v.Text, y, LineHeight);
        for (const auto &[name, max] : maxima)
            if (v.Column == QLatin1String(name))
                cell.Underline = marked && v.Number != 0 && v.Number == max;
        cells.append(cell);
    }
}

void TqrULEBTeamResultsItaly::total(TLayout &layout, const TTeamSide &side) const
{
    TReportLine &line = teamTotalLine(
        layout, side, values(side.Team->TotalsAsPlayer(), teamValuation(*side.Team), TMode::Total));
    panelPair(line.Cells, QStringLiteral("Points in the paint"),
              QString::number(2 * side.Team->Data.Totals.CloseMade), layout.LineTop, TotalHeight, true);
}

void TqrULEBTeamResultsItaly::periodLines(TLayout &layout, const TTeamSide &side) const
{
    const QString band = side.Home ? QStringLiteral("sbHomeQuerters") : QStringLiteral("sbAwayQuerters");
    const QString sponsor =
        side.Home ? m_game.Settings().Sponsor1Filename() : m_game.Settings().Sponsor2Filename();
    // A line for every period the game had, regular periods and overtimes;
    // the sponsor's picture is five strips high, so fewer periods leave
    // empty lines that still carry its strips.
    for (int i = 0; i < std::max(SponsorStrips, m_game.PeriodsPlayed()); ++i) {
        if (i >= m_game.PeriodsPlayed()) {
            TReportLine &empty = layout.Line(band, LineHeight);
            empty.Cells.append(stripCell(sponsor, i, layout.LineTop, LineHeight));
            continue;
        }
        TTeamTotals totals;
        TSideTotals::PeriodTotals(m_game, side.Home ? 1 : 2, i + 1, true, totals);
        const QString label = TPeriodNames::Name(m_game, i + 1, m_translator, QStringLiteral("PRINT"));
        TReportLine &line =
            teamLine(layout, band, label, false,
                     values(totals.AsPlayer(), totalsValuation(totals), TMode::Period), LineHeight, false);
        line.Cells.append(stripCell(sponsor, i, layout.LineTop, LineHeight));
    }
}

void TqrULEBTeamResultsItaly::closing(TLayout &layout) const
{
    layout.Y += 2;
    layout.Line(QStringLiteral("SummaryBand1"), 4)
        .Cells.append(Caption(QStringLiteral("lblNotice"), TPageFooter::NoticeKey(), 0, layout.LineTop, 283,
                              4, Align::Center, false, 6.5));
}
