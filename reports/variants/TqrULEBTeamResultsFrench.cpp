#include "TqrULEBTeamResultsFrench.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TSideTotals.h"

namespace {

using Align = TReportCell::Align;

const TqrULEBTeamResults::TColumnSpec FrenchColumns[] = {
    {"S5", "5d", "", 0, 5, Align::Center},
    {"Mez", "", "", 5, 5, Align::Right},
    {"Nev", "", "", 11, 27, Align::Left},
    {"Perc", "Perc", "", 38, 10, Align::Center},
    {"Pst", "Pst", "", 48, 6, Align::Right},
    {"Tirs Tot. R", "R", "Tirs Tot.", 55, 9, Align::Right},
    {"Tirs Tot. T%", "T%", "Tirs Tot.", 64, 6, Align::Right},
    {"3-pts R", "R", "3-pts", 71, 9, Align::Right},
    {"3-pts T%", "T%", "3-pts", 80, 6, Align::Right},
    {"2 pts Ext. R", "R", "2 pts Ext.", 87, 9, Align::Right},
    {"2 pts Ext. T%", "T%", "2 pts Ext.", 96, 6, Align::Right},
    {"2 pts Int. R", "R", "2 pts Int.", 103, 9, Align::Right},
    {"2 pts Int. T%", "T%", "2 pts Int.", 112, 6, Align::Right},
    {"Sch", "Sch", "", 118, 6, Align::Right},
    {"FTS R", "R", "FTS", 125, 9, Align::Right},
    {"FTS T%", "T%", "FTS", 134, 6, Align::Right},
    {"Foults F", "F", "Foults", 141, 5, Align::Right},
    {"Foults Fp", "Fp", "Foults", 146, 5, Align::Right},
    {"Blocks Blk", "Blk", "Blocks", 152, 5, Align::Right},
    {"Blocks H", "H", "Blocks", 157, 5, Align::Right},
    {"Rebs. O", "O", "Rebs.", 163, 5, Align::Right},
    {"Rebs. D", "D", "Rebs.", 168, 5, Align::Right},
    {"Rebs. T", "T", "Rebs.", 173, 5, Align::Right},
    {"In", "In", "", 179, 5, Align::Right},
    {"Bp", "Bp", "", 184, 5, Align::Right},
    {"Pd", "Pd", "", 189, 5, Align::Right},
    {"Ev", "Ev", "", 194, 7, Align::Right},
};

constexpr int GroupLines = 5;

} // namespace

TqrULEBTeamResultsFrench::TqrULEBTeamResultsFrench(const TGame &game, ITranslator &translator)
    : TLeagueBoxScore(game, translator)
{
    m_homeColumns = ColumnsOf(FrenchColumns);
    m_awayColumns = m_homeColumns;
    for (TColumn &c : m_awayColumns)
        if (c.Name == QLatin1String("Foults Fp"))
            c.Caption = QStringLiteral("KF");
}

void TqrULEBTeamResultsFrench::bands(TLayout &layout) const
{
    m_inUse = &m_homeColumns;
    header(layout);
    for (const bool home : {true, false}) {
        m_inUse = home ? &m_homeColumns : &m_awayColumns;
        const TTeamSide s = side(home);
        heading(layout, s);
        for (int line = 0; line < s.Rows->size(); ++line)
            orderedLine(
                layout, s, line, QStringLiteral("#"),
                [&](QList<TReportCell> &cells, const TPlayer &p, bool, double y) {
                    valueCells(cells, values(p, valuation(p), TMode::Player), y, LineHeight, false);
                },
                [&](QList<TReportCell> &cells, int r, double y) { panel(cells, s, r, y); });
        total(layout, s);
        groupLines(layout, s);
    }
    m_inUse = &m_homeColumns;
}

void TqrULEBTeamResultsFrench::heading(TLayout &layout, const TTeamSide &side) const
{
    const QString band = side.Home ? QStringLiteral("QRStringsBand4") : QStringLiteral("QRStringsBand2");
    layout.KeepTogether(2 * HeadingHeight + 4 * LineHeight);
    TReportLine &name = layout.Line(band, HeadingHeight + 0.5);
    name.Cells.append(Text(side.Home ? QStringLiteral("lblHazaiCsapat") : QStringLiteral("lblVendegCsapat"),
                           teamName(*side.Team), 0, layout.LineTop, 69, HeadingHeight + 0.5, Align::Left,
                           true, 9));
    groupCaptions(name.Cells, layout.LineTop + 0.5);
    columnCaptions(layout, band,
                   tr(QStringLiteral("Ent.:")) + QLatin1Char(' ') +
                       (side.Home ? m_game.HomeCoach : m_game.AwayCoach),
                   false);
}

QList<TLeagueBoxScore::TValue> TqrULEBTeamResultsFrench::values(const TPlayer &p, int val, TMode mode) const
{
    // The total line prints some groups plain and others dotted.
    const bool player = mode != TMode::Total;
    const int closeTried = p.CloseMade + p.CloseMissed;
    const int midTried = p.MidMade + p.MidMissed;
    const int threeTried = p.ThreeMade + p.ThreeMissed;
    const int fgMade = p.CloseMade + p.MidMade + p.ThreeMade;
    QList<TValue> v = {
        {QStringLiteral("Pst"), QString::number(p.Points), p.Points, false},
        {QStringLiteral("Tirs Tot. R"), Pair(fgMade, closeTried + midTried + threeTried), fgMade, player},
        {QStringLiteral("Tirs Tot. T%"), QString::number(PlayerStats::FieldGoalPercent(p)), 0, player},
        {QStringLiteral("3-pts R"), Pair(p.ThreeMade, threeTried), p.ThreeMade, true},
        {QStringLiteral("3-pts T%"), QString::number(PlayerStats::ThreePercent(p)), 0, true},
        {QStringLiteral("2 pts Ext. R"), Pair(p.MidMade, midTried), p.MidMade, true},
        {QStringLiteral("2 pts Ext. T%"), QString::number(PlayerStats::MidPercent(p)), 0, true},
        {QStringLiteral("2 pts Int. R"), Pair(p.CloseMade, closeTried), p.CloseMade, true},
        {QStringLiteral("2 pts Int. T%"), QString::number(PlayerStats::ClosePercent(p)), 0, player},
        {QStringLiteral("Sch"), QString::number(p.DunksMade), 0, player},
        {QStringLiteral("FTS R"), Pair(p.FreeThrowsMade, p.FreeThrowsMade + p.FreeThrowsMissed), 0, player},
        {QStringLiteral("FTS T%"), QString::number(PlayerStats::FreeThrowPercent(p)), 0, player},
    };
    const std::pair<const char *, int> counts[] = {{"Foults F", p.PersonalFouls},
                                                   {"Foults Fp", p.FoulsDrawn},
                                                   {"Blocks Blk", p.Blocks},
                                                   {"Blocks H", p.BlocksReceived},
                                                   {"Rebs. O", p.OffRebounds},
                                                   {"Rebs. D", p.DefRebounds},
                                                   {"Rebs. T", p.DefRebounds + p.OffRebounds},
                                                   {"In", p.Steals},
                                                   {"Bp", p.Turnovers},
                                                   {"Pd", p.Assists},
                                                   {"Ev", val}};
    for (const auto &[name, n] : counts)
        v.append({QLatin1String(name), QString::number(n), n, player});
    return v;
}

void TqrULEBTeamResultsFrench::panel(QList<TReportCell> &cells, const TTeamSide &side, int line,
                                     double y) const
{
    const TTeamTotals &t = side.Team->Data.Totals;
    const TTeamTotals &o = side.Opponent->Data.Totals;
    const TGameStatistics &stats = m_game.Statistics;
    auto span = [&](const QString &name, const QString &value, int from, int count, Align align, bool bold,
                    bool isCaption) {
        TReportCell cell =
            Text(name, value, PanelX + from * PanelColumn, y, count * PanelColumn, LineHeight, align, bold);
        cell.Caption = isCaption;
        cells.append(cell);
    };
    auto labelled = [&](const char *label, const QString &value) {
        panelPair(cells, QLatin1String(label), value, y, LineHeight, false);
    };
    auto ratio = [](int a, int b) { return b == 0 ? QString() : Fixed(double(a) / b, 2); };
    auto share = [](int a, int b) {
        return b == 0 ? QString() : QString::number(std::llround(100.0 * a / b)) + QLatin1Char('%');
    };
    // The away table's panel starts two lines higher and ends with the away team's lead and run.
    const int r = side.Home ? line : line + 2;
    const char *headings[] = {"Ratio", "AS/TO", "ST/TO", "PF/FD"};
    switch (r) {
    case 3:
        span(QStringLiteral("Ratio"), QLatin1String(headings[0]), 0, 3, Align::Left, true, true);
        for (int i = 1; i < 4; ++i)
            span(QLatin1String(headings[i]), QLatin1String(headings[i]), 2 + i, 1, Align::Right, true, true);
        break;
    case 4:
        span(QStringLiteral("Ratio"), QString(), 0, 3, Align::Left, false, false);
        span(QStringLiteral("AS/TO"), ratio(t.Assists, t.Turnovers), 3, 1, Align::Right, false, false);
        span(QStringLiteral("ST/TO"), ratio(t.Steals, t.Turnovers), 4, 1, Align::Right, false, false);
        span(QStringLiteral("PF/FD"), ratio(t.PersonalFouls, t.FoulsDrawn), 5, 1, Align::Right, false, false);
        break;
    case 5:
        labelled("Off. Rebs./Missed Shots", share(t.OffRebounds, t.OffRebounds + o.DefRebounds));
        break;
    case 6:
        labelled("Def. Rebs./Opp. Missed Shots", share(t.DefRebounds, t.DefRebounds + o.OffRebounds));
        break;
    case 7: {
        const int mine = t.DefRebounds + t.OffRebounds;
        labelled("Tot. Rebs./All Rebs.", share(mine, mine + o.DefRebounds + o.OffRebounds));
        break;
    }
    case 9:
        labelled("Sikeres ziccerek", QString::number(2 * t.CloseMade));
        break;
    case 10:
        labelled("Fast Break", QString::number(t.FastBreakPoints));
        break;
    case 11:
        labelled("2nd chance pts.", QString::number(t.SecondChancePoints));
        break;
    case 13:
        if (!side.Home)
            labelled("Maximalis vezetes", QString::number(-stats.MinLead));
        break;
    case 14:
        if (!side.Home)
            labelled("Maximalis rohanas", QString::number(stats.MaxAwayRun) + QStringLiteral("-0"));
        break;
    default:
        break;
    }
}

void TqrULEBTeamResultsFrench::total(TLayout &layout, const TTeamSide &side) const
{
    TReportLine &line = teamTotalLine(
        layout, side, values(side.Team->TotalsAsPlayer(), teamValuation(*side.Team), TMode::Total));
    if (side.Home)
        panelPair(line.Cells, QStringLiteral("Maximalis vezetes"), QString::number(m_game.Statistics.MaxLead),
                  layout.LineTop, TotalHeight, true);
}

void TqrULEBTeamResultsFrench::groupLines(TLayout &layout, const TTeamSide &side) const
{
    const QString band = side.Home ? QStringLiteral("sbHomeQuerters") : QStringLiteral("sbAwayQuerters");
    const int sideNumber = side.Home ? 1 : 2;
    const TGameStatistics &stats = m_game.Statistics;
    // The halves are the first and second half of the regular periods (one
    // period each in a two-period game); the overtime line holds every overtime.
    const TPeriodRule rule = m_game.Periods();
    const int half = rule.RegularPeriods() / 2;
    const bool quarters = rule.RegularPeriods() == 4;
    const char *labels[] = {"Kezdo jatekosok", "Csere jatekosok", quarters ? "1-2 negyed" : "1. felido",
                            quarters ? "3-4 negyed" : "2. felido", "Hosszabbítás"};
    for (int i = 0; i < GroupLines; ++i) {
        TTeamTotals totals;
        TEventReplay::ClearTotals(totals);
        switch (i) {
        case 0:
            TSideTotals::GroupTotals(m_game, sideNumber, TSideTotals::Starters, totals);
            break;
        case 1:
            TSideTotals::GroupTotals(m_game, sideNumber, TSideTotals::Bench, totals);
            break;
        case 2:
        case 3:
            for (int n = (i - 2) * half + 1; n <= (i - 1) * half; ++n)
                TSideTotals::PeriodTotals(m_game, sideNumber, n, false, totals);
            break;
        default:
            for (int n = rule.RegularPeriods() + 1; n <= m_game.PeriodsPlayed(); ++n)
                TSideTotals::PeriodTotals(m_game, sideNumber, n, false, totals);
            break;
        }
        TReportLine &line =
            teamLine(layout, band, QString::fromUtf8(labels[i]), true,
                     values(totals.AsPlayer(), totalsValuation(totals), TMode::Group), LineHeight, false);
        const double y = layout.LineTop;
        if (!side.Home) {
            line.Cells.append(stripCell(m_game.Settings().Sponsor2Filename(), i, y, LineHeight));
            continue;
        }
        const char *label = i == 0   ? "Maximalis rohanas"
                            : i == 1 ? "Dontetlen"
                            : i == 2 ? "Vezeto csap. valtas"
                                     : nullptr;
        if (!label)
            continue;
        const QString value = i == 0   ? QString::number(stats.MaxHomeRun) + QStringLiteral("-0")
                              : i == 1 ? QString::number(stats.Ties)
                                       : QString::number(stats.LeadChanges);
        panelPair(line.Cells, QLatin1String(label), value, y, LineHeight, false);
    }
}
