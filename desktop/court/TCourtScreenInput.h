#pragma once

#include "TCourtScreen.h"
#include "desktop/court/input/THotRegions.h"
#include "desktop/court/input/TKeyboardMap.h"
#include "desktop/court/input/TShiftDecoder.h"

#include <QPoint>
#include <QString>
#include <array>
#include <random>

class TGame;
struct TScreenItem;

// The input rules of the court screen's three devices: the system mouse
// (away team, and the home team with SYSTEM_MOUSE_USE), the home team's
// pointer with its hot regions, and the keyboard with its hotkeys. They turn
// presses, reports and keys into the screen's operations.
class TCourtScreenInput
{
public:
    TCourtScreenInput(TCourtScreen &screen, TGame &game);

    // Draws the keyboard's random spread afresh and fills the hotkey slots
    // from the rosters.
    void Open();
    // The home panel's rows as hot regions; once, when the screen opens.
    void BuildPanelHotRegions();
    void SeedRandom(unsigned seed) { m_random.seed(seed); }

    void SystemMousePress(QPoint p, TCourtScreen::Button button);
    void SystemMouseRelease(QPoint p, TCourtScreen::Button button);
    void SystemMouseMove(QPoint p);
    // A button is acted on when a report comes with no button held.
    void HomePointerReport(QPoint p, int buttons);
    void HomeRelease(QPoint p, TCourtScreen::Button button);
    void KeyPress(int key, bool shift);
    void KeyRelease(int key, bool shift, bool control = false);

    const THotRegions &HotRegions() const { return m_hotRegions; }
    const TKeyboardMap::Slots &HotkeySlots(int side) const { return m_hotkeySlots[size_t(side - 1)]; }

private:
    void runHomeAction(int number, int code);
    void pressAwayComponent(const TScreenItem &item, TCourtScreen::Button button);
    void clickComponent(const QString &name);
    void awayPositionPress(QPoint p, TCourtScreen::Button button);
    void updateZoneLabel(int side, QPoint p);
    static QString zoneLabelName(int side);
    void keyboardMap(int key, bool shift);
    void flagKey(bool shift, bool control);
    bool m_controlWithF5 = false;
    void selectByHotkey(int side, int slot);
    void chooseType(int entry);
    void exit();

    TCourtScreen &m_screen;
    TGame &m_game;
    THotRegions m_hotRegions;
    std::array<TKeyboardMap::Slots, 2> m_hotkeySlots{};
    std::mt19937 m_random;
    TShiftDecoder m_shift;
    std::array<bool, 3> m_pendingButtons{false, false, false};
    QString m_pressedItem;
    // The press that closed the key help; its release does nothing either.
    bool m_swallowSystemRelease = false;
    bool m_swallowHomeRelease = false;
};
