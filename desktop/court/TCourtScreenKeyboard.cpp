#include "TCourtScreenInput.h"

#include "TScreenLayout.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"

// ---------------------------------------------------------------- keyboard

void TCourtScreenInput::KeyPress(int key, bool shift)
{
    m_shift.Press(key, shift);
    if (m_screen.KeyHelpShown())
        return;
    // Ctrl+F5 as Shift keys count: held at any moment while F5 was down.
    if (key == TKeyboardMap::F5)
        m_controlWithF5 = m_screen.PutBackPending;
    if (key == TKeyboardMap::Alt)
        m_screen.LockOverride = true;
    else if (key == TKeyboardMap::Control)
        m_screen.PutBackPending = true;
}

void TCourtScreenInput::KeyRelease(int key, bool shiftNow, bool controlNow)
{
    const bool shift = m_shift.Release(key, shiftNow);
    const bool control =
        controlNow || m_screen.PutBackPending || (key == TKeyboardMap::F5 && m_controlWithF5);
    if (key == TKeyboardMap::F5)
        m_controlWithF5 = false;
    m_screen.PutBackPending = false;
    if (m_screen.KeyHelpShown()) {
        m_screen.HideKeyHelp();
        m_screen.LockOverride = false;
        return;
    }
    if (key == TKeyboardMap::F12)
        m_screen.PrintBoxScore();
    // Both dialogs work with every input setting.
    if (key == TKeyboardMap::Delete)
        m_screen.OpenSetTime();
    if (key == TKeyboardMap::Space)
        m_screen.OpenSubstitutions();
    m_screen.SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), false);
    if (key == TKeyboardMap::F1)
        m_screen.ShowKeyHelp();
    else if (key == TKeyboardMap::F5)
        flagKey(shift, control);
    else if (m_game.Settings().KeyboardInput())
        keyboardMap(key, shift);
    m_screen.LockOverride = false;
    m_screen.Touch();
}

// The flags' keys work with every input setting, also between periods.
void TCourtScreenInput::flagKey(bool shift, bool control)
{
    if (control)
        m_screen.ToggleMark();
    else if (shift)
        m_screen.DismissFlag();
    else
        m_screen.NextFlag();
}

void TCourtScreenInput::keyboardMap(int key, bool shift)
{
    int hotkeySide = 0;
    int slot = 0;
    if (key == TKeyboardMap::F2) {
        m_screen.SubstitutionMode = !m_screen.SubstitutionMode;
        m_screen.SetItemVisible(QStringLiteral("lblSubst"), m_screen.SubstitutionMode);
        return;
    }
    if (TKeyboardMap::HotkeySlot(key, &hotkeySide, &slot)) {
        selectByHotkey(hotkeySide, slot);
        return;
    }
    if (m_screen.SubstitutionMode)
        return;
    if (key >= TKeyboardMap::Numpad0 + 1 && key <= TKeyboardMap::Numpad0 + 6) {
        chooseType(key - TKeyboardMap::Numpad0);
        return;
    }
    if (key == TKeyboardMap::F4) {
        if (!m_screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat21")))
            m_screen.Record(2, Kind::ClockStep);
        else
            m_screen.AskEndOfPeriod(2);
        return;
    }
    if (key == TKeyboardMap::F3) {
        if (!m_screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat21")))
            m_game.CompleteMinute();
        return;
    }
    // Corrections, not game events: they work in the intermission too.
    if (key == TKeyboardMap::F8 || key == TKeyboardMap::F11) {
        const int side = key == TKeyboardMap::F8 ? 1 : 2;
        m_screen.DeleteSelectedEvent(side);
        if (side == 1)
            m_screen.History(1).LineUp();
        return;
    }
    if (m_screen.Locked()) {
        QPoint ignored;
        bool randomised = false;
        if (key == TKeyboardMap::F6 || key == TKeyboardMap::F9 || key == TKeyboardMap::F7 ||
            key == TKeyboardMap::F10 || key == 'U' || TKeyboardMap::EventOfKey(key) != 0 ||
            TKeyboardMap::ShotPoint(key, 1, false, &ignored, &randomised))
            m_screen.RefusedBetweenPeriods();
        return;
    }
    switch (key) {
    case TKeyboardMap::F6:
    case TKeyboardMap::F9: {
        const int side = key == TKeyboardMap::F6 ? 1 : 2;
        const int other = side == 1 ? 2 : 1;
        m_screen.ClearHighlight(other);
        m_screen.DropSelection(other);
        m_screen.KeyboardTeam = side;
        m_screen.RowClick(TScreenLayout::TeamRowLabel(side, QStringLiteral("P")), TCourtScreen::LeftButton);
        return;
    }
    case TKeyboardMap::F7:
        m_screen.Record(1, Kind::Timeout, m_game.Period);
        return;
    case TKeyboardMap::F10:
        m_screen.Record(2, Kind::Timeout, m_game.Period);
        return;
    }
    QPoint point;
    bool randomised = false;
    if (m_screen.KeyboardTeam == 0) {
        if (TKeyboardMap::ShotPoint(key, 1, false, &point, &randomised) || key == 'U' ||
            TKeyboardMap::EventOfKey(key) != 0)
            m_screen.ShowNotice(TCourtScreen::NoKeyboardTeamText());
        return;
    }
    const int side = m_screen.KeyboardTeam;
    if (TKeyboardMap::ShotPoint(key, side, m_screen.CourtHorizontal, &point, &randomised)) {
        if (randomised) {
            std::uniform_int_distribution<int> draw(0, 19);
            point += QPoint(10 - draw(m_random), 10 - draw(m_random));
        }
        m_screen.ShotOnCourt(side, shift, point);
        m_screen.ClearHighlight(side);
        return;
    }
    if (key == 'U') {
        m_screen.FreeThrow(side, shift);
        m_screen.ClearHighlight(side);
        return;
    }
    const int kind = TKeyboardMap::EventOfKey(key);
    if (kind == 0)
        return;
    if (kind < 0)
        m_game.Team(side).SwitchFastBreak();
    else
        m_screen.Record(side, kind);
    m_screen.ClearHighlight(side);
}

// The keypad's digits choose from the type list of the addressed team.
void TCourtScreenInput::chooseType(int entry)
{
    const int side = m_screen.KeyboardTeam;
    if (side == 0) {
        m_screen.ShowNotice(TCourtScreen::NoKeyboardTeamText());
        return;
    }
    const QString name = QStringLiteral("lbl%1TeamAdditionalType%2")
                             .arg(side == 1 ? QStringLiteral("Home") : QStringLiteral("Away"))
                             .arg(entry);
    if (m_screen.ItemVisible(name))
        m_screen.RowClick(name, TCourtScreen::LeftButton);
    else
        m_screen.ShowNotice(TCourtScreen::NoTypeListText());
}

void TCourtScreenInput::selectByHotkey(int side, int slot)
{
    const int jersey = m_hotkeySlots[size_t(side - 1)][size_t(slot - 1)];
    if (jersey < 0)
        return;
    const QString wanted = QStringLiteral("%1").arg(jersey, 2, 10, QLatin1Char('0'));
    int found = 0;
    for (int row = 1; row <= 15 && !found; ++row) {
        if (row == 4 || row == 5)
            continue;
        const QString text = m_screen.ItemText(TScreenLayout::RowLabel(side, QStringLiteral("MezSzam"), row));
        if (!text.isEmpty() && (QStringLiteral("0") + text).right(2) == wanted)
            found = row;
    }
    if (!found)
        return;
    const int other = side == 1 ? 2 : 1;
    m_screen.ClearHighlight(other);
    m_screen.DropSelection(other);
    m_screen.KeyboardTeam = side;
    if (found >= 6 && !m_game.Team(side).ActivePlayer()) {
        m_screen.SubstitutionMode = false;
        m_screen.SetItemVisible(QStringLiteral("lblSubst"), false);
        m_screen.SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), true);
        // "Not on court" says it; nobody goes off.
        return;
    }
    m_screen.RowClick(TScreenLayout::RowLabel(side, QStringLiteral("JatekosNev"), found),
                      TCourtScreen::LeftButton);
}
