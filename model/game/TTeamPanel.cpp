#include "TTeamPanel.h"

#include "TGame.h"
#include "TTeam.h"
#include "model/services/IScreenLink.h"

namespace {
constexpr TColor Red = 0xffff0000;
constexpr TColor Black = 0xff000000;
constexpr TColor White = 0xffffffff;
constexpr TColor Chosen = 0xffffb000;
} // namespace

QString TTeamPanel::Prefix() const
{
    return m_team.SideNumber == 1 ? QStringLiteral("lblCsapat1") : QStringLiteral("lblCsapat2");
}

QString TTeamPanel::SideWord() const
{
    return m_team.SideNumber == 1 ? QStringLiteral("HomeTeam") : QStringLiteral("AwayTeam");
}

void TTeamPanel::Fill(IScreenLink &screen) const
{
    const QString p = Prefix();
    const QString header = PlayerStats::VariableColumnTitle(m_team.VariableColumn, nullptr);
    const QString title = m_game.Translate(header, QStringLiteral("PRINT"));
    // "%11" would be read as the eleventh placeholder, so the block number is an argument too.
    screen.SetItemText(QStringLiteral("lblVariable%1%2").arg(SideWord()).arg(1), title);
    screen.SetItemText(QStringLiteral("lblVariable%1%2").arg(SideWord()).arg(2), title);

    auto fillRow = [&](int row, const TPlayer &pl) {
        const QString n = QString::number(row);
        screen.SetItemText(p + QStringLiteral("MezSzam_") + n, QString::number(pl.JatekosMezSzam));
        screen.SetItemText(p + QStringLiteral("JatekosNev_") + n, pl.JatekosNev);
        screen.SetItemText(p + QStringLiteral("P_") + n, QString::number(pl.Points));
        screen.SetItemText(p + QStringLiteral("D_") + n, QString::number(PlayerStats::FieldGoalPercent(pl)));
        screen.SetItemText(p + QStringLiteral("L_") + n, QString::number(pl.DefRebounds + pl.OffRebounds));
        screen.SetItemText(p + QStringLiteral("A_") + n, QString::number(pl.Assists));
        screen.SetItemText(p + QStringLiteral("F_") + n, QString::number(pl.PersonalFouls));
        screen.SetItemText(p + QStringLiteral("IBM_") + n, QString::number(pl.Rating));
        screen.SetItemText(p + QStringLiteral("Variable_") + n,
                           PlayerStats::VariableColumnValue(pl, m_team.VariableColumn));
    };
    for (int i = 0; i < m_team.OnCourt.Count(); ++i)
        fillRow(i + 1, *m_team.OnCourt.At(i));
    for (int i = 0; i < m_team.Bench.Count() && i < 10; ++i)
        fillRow(6 + i, *m_team.Bench.At(i));

    const TPlayer totals = m_team.Data.Totals.AsPlayer();
    screen.SetItemText(p + QStringLiteral("CsapatP"), QString::number(totals.Points));
    screen.SetItemText(p + QStringLiteral("CsapatD"), QString::number(PlayerStats::FieldGoalPercent(totals)));
    screen.SetItemText(p + QStringLiteral("CsapatL"),
                       QString::number(totals.DefRebounds + totals.OffRebounds));
    screen.SetItemText(p + QStringLiteral("CsapatA"), QString::number(totals.Assists));
    screen.SetItemText(p + QStringLiteral("CsapatF"), QString::number(totals.PersonalFouls));
    screen.SetItemText(p + QStringLiteral("CsapatIBM"), QString::number(totals.Rating));
    screen.SetItemText(QStringLiteral("lblCsapatEredmeny%1").arg(m_team.SideNumber),
                       QString::number(totals.Points));

    FillDefense(screen);
    FillTeamFouls(screen);
}

void TTeamPanel::FillDefense(IScreenLink &screen) const
{
    const QString label = QStringLiteral("lbl%1DefenseMode").arg(SideWord());
    const int index = m_team.DefenseModeIndex;
    if (index >= 0 && index < m_team.DefenseModes.size())
        screen.SetItemText(label, m_game.Translate(m_team.DefenseModes[index].Name));
    else
        screen.SetItemText(label, QString());
}

void TTeamPanel::FillTeamFouls(IScreenLink &screen) const
{
    for (int i = 1; i <= 5; ++i)
        screen.SetItemVisible(QStringLiteral("img%1Foul%2").arg(SideWord()).arg(i), m_team.TeamFouls >= i);
}

void TTeamPanel::ShowFastBreak(IScreenLink &screen) const
{
    screen.SetItemColor(QStringLiteral("lblFastBreak%1").arg(m_team.SideNumber),
                        m_team.FastBreak ? Red : Black);
}

void TTeamPanel::ShowSecondChance(IScreenLink &screen) const
{
    screen.SetItemColor(QStringLiteral("lbl2ndChance%1").arg(m_team.SideNumber),
                        m_team.SecondChance ? Red : Black);
}

void TTeamPanel::ShowAdditionalTypes(IScreenLink &screen, const TRefList &types) const
{
    for (int i = 0; i < types.size() && i < 6; ++i) {
        const QString label = QStringLiteral("lbl%1AdditionalType%2").arg(SideWord()).arg(i + 1);
        // The names come from the reference file, in English.
        screen.SetItemText(label, m_game.Translate(types[i].Name));
        screen.SetItemTag(label, types[i].Id);
        screen.SetItemColor(label, White);
        screen.SetItemBold(label, false);
        screen.SetItemVisible(label, true);
        screen.SetItemVisible(QStringLiteral("img%1AdditionalType%2").arg(SideWord()).arg(i + 1), true);
    }
}

void TTeamPanel::MarkAdditionalType(IScreenLink &screen, int typeId) const
{
    for (int i = 1; i <= 6; ++i) {
        const QString label = QStringLiteral("lbl%1AdditionalType%2").arg(SideWord()).arg(i);
        const bool chosen = screen.ItemVisible(label) && screen.ItemTag(label) == typeId;
        screen.SetItemColor(label, chosen ? Chosen : White);
        screen.SetItemBold(label, chosen);
    }
}

void TTeamPanel::HideAdditionalTypes(IScreenLink &screen) const
{
    for (int i = 1; i <= 6; ++i) {
        screen.SetItemVisible(QStringLiteral("lbl%1AdditionalType%2").arg(SideWord()).arg(i), false);
        screen.SetItemVisible(QStringLiteral("img%1AdditionalType%2").arg(SideWord()).arg(i), false);
    }
}

QString TTeamPanel::rowText(int row, IScreenLink &screen) const
{
    const bool byName = m_game.Settings().SortByName();
    const QString label = Prefix() + (byName ? QStringLiteral("JatekosNev_") : QStringLiteral("MezSzam_")) +
                          QString::number(row);
    return screen.ItemText(label);
}

// The lists are keyed by name or by the two-digit jersey the panel shows without its leading zero.
QString TTeamPanel::rowKey(const QString &text) const
{
    if (m_game.Settings().SortByName())
        return text;
    return text.size() == 1 ? QStringLiteral("0") + text : text;
}

int TTeamPanel::CourtIndexAt(int row, IScreenLink &screen) const
{
    const QString text = rowText(row, screen);
    return text.isEmpty() ? -1 : m_team.OnCourt.IndexOf(rowKey(text));
}

int TTeamPanel::BenchIndexAt(int row, IScreenLink &screen) const
{
    const QString text = rowText(row, screen);
    return text.isEmpty() ? -1 : m_team.Bench.IndexOf(rowKey(text));
}
