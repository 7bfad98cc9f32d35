#include "TCourtScreen.h"

#include "ILineupDialogs.h"
#include "TScreenLayout.h"
#include "model/corrections/IRosterSource.h"
#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/game/TGame.h"
#include "model/game/TPlayer.h"

namespace {

// The number after the "_" of a panel label name; 0 when there is none.
int rowOfName(const QString &name)
{
    const qsizetype at = name.lastIndexOf(QLatin1Char('_'));
    return at < 0 ? 0 : name.mid(at + 1).toInt();
}

} // namespace

// ---------------------------------------------------------------- panels

void TCourtScreen::ClearHighlight(int side)
{
    for (int row = 1; row <= 3; ++row) {
        for (const QString &column : TScreenLayout::RowColumns()) {
            TScreenItem &l = m_items.Get(TScreenLayout::RowLabel(side, column, row));
            l.Color = Black;
            l.Bold = false;
        }
    }
    for (const QString &column : TScreenLayout::TeamRowColumns())
        m_items.Get(TScreenLayout::TeamRowLabel(side, column)).Color = Black;
    Touch();
}

void TCourtScreen::highlightRow(int side, int row)
{
    for (const QString &column : TScreenLayout::RowColumns()) {
        TScreenItem &l = m_items.Get(TScreenLayout::RowLabel(side, column, row));
        l.Color = Orange;
        l.Bold = column == QLatin1String("MezSzam") || column == QLatin1String("JatekosNev");
    }
    Touch();
}

void TCourtScreen::highlightTeamRow(int side)
{
    for (const QString &column : TScreenLayout::TeamRowColumns())
        m_items.Get(TScreenLayout::TeamRowLabel(side, column)).Color = Orange;
    Touch();
}

void TCourtScreen::DropSelection(int side)
{
    team(side).ClearSelection();
    team(side).TeamEventMode = false;
}

void TCourtScreen::RowClick(const QString &name, Button button)
{
    if (name.contains(QLatin1String("lblHomeTeamAdditionalType")) ||
        name.contains(QLatin1String("AwayTeamAdditionalType"))) {
        const int side = name.contains(QLatin1String("Home")) ? 1 : 2;
        // The list stays open showing the choice until the side's next
        // event closes it; another entry corrects the choice meanwhile.
        const int kind = ItemVisible(name) ? ItemTag(name) : 0;
        if (kind > 0)
            team(side).SetEventType(kind);
        return;
    }
    if (name.contains(QLatin1String("Csapat1Csapat")) || name.contains(QLatin1String("Csapat2Csapat"))) {
        const int side = name.contains(QLatin1String("Csapat1Csapat")) ? 1 : 2;
        ClearHighlight(side);
        team(side).ActiveIndex = -1;
        team(side).TeamEventMode = true;
        highlightTeamRow(side);
        return;
    }
    if (name.startsWith(QLatin1String("lblHistoryView"))) {
        const int side = name.contains(QLatin1String("Csapat1")) ? 1 : 2;
        if (!History(side).SelectLine(rowOfName(name))) {
            Touch();
            return;
        }
        m_flags.LineSelected(side, History(side).SelectedId());
        if (button == RightButton)
            ChangeSelectedEvent(side);
        Touch();
        return;
    }
    const int side = name.startsWith(QLatin1String("lblCsapat1"))   ? 1
                     : name.startsWith(QLatin1String("lblCsapat2")) ? 2
                                                                    : 0;
    const int row = rowOfName(name);
    if (side == 0 || row == 0)
        return;
    TTeam &t = team(side);
    const QString rowKeyLabel = TScreenLayout::RowLabel(side, QStringLiteral("JatekosNev"), row);
    if (row >= 1 && row <= 3) {
        if (ItemText(rowKeyLabel).isEmpty())
            return;
        t.SetActivePlayer(row, *this);
        ClearHighlight(side);
        if (t.ActivePlayer())
            highlightRow(side, row);
        return;
    }
    if (row < 6 || row > 15)
        return;
    if (button == RightButton) {
        // A row without a player: every label of it is empty.
        if (ItemText(rowKeyLabel).isEmpty())
            OpenAddPlayer(side);
        return;
    }
    const QString input = m_game.Settings().Input();
    const bool substitutionAllowed = input == QLatin1String("INPUT_SERIALMOUSE") ||
                                     (input == QLatin1String("INPUT_KEYBOARD") && SubstitutionMode);
    if (button != LeftButton || ItemText(name).isEmpty())
        return;
    // A bench player comes on only in substitution mode, for the selected player.
    if (!substitutionAllowed) {
        ShowNotice(OnTheBenchText());
        return;
    }
    if (!t.ActivePlayer()) {
        ShowNotice(WhoGoesOffText());
        return;
    }
    t.SetSubstitutionPlayer(row, *this);
    t.Substitute();
    t.KepernyoMezokFeltoltese(*this);
    ClearHighlight(side);
    SubstitutionMode = false;
    SetItemVisible(QStringLiteral("lblSubst"), false);
}

// ---------------------------------------------------------------- line-up, time and bench corrections

void TCourtScreen::OpenSubstitutions()
{
    if (!m_lineupDialogs)
        return;
    TSubstitutionsLogic logic(m_game);
    for (int side = 1; side <= 2; ++side)
        logic.SetHotkeySlots(side, HotkeySlots(side));
    logic.Fill();
    if (m_lineupDialogs->RunSubstitutions(logic))
        logic.Apply();
    for (int side = 1; side <= 2; ++side) {
        team(side).ClearSelection();
        ClearHighlight(side);
    }
    Touch();
}

void TCourtScreen::OpenSetTime()
{
    if (!m_lineupDialogs)
        return;
    TSetTimeLogic logic(m_game);
    if (m_lineupDialogs->RunSetTime(logic))
        logic.Send();
    Touch();
}

void TCourtScreen::OpenAddPlayer(int side)
{
    if (!m_lineupDialogs)
        return;
    TTeam &t = team(side);
    TAddPlayerLogic logic(m_game, t);
    logic.Fill(m_roster ? m_roster->Candidates(t) : QList<TPlayer>());
    if (m_lineupDialogs->RunAddPlayer(logic)) {
        logic.Apply();
        t.KepernyoMezokFeltoltese(*this);
    }
    Touch();
}
