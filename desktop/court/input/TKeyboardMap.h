#pragma once

#include <QList>
#include <QPoint>
#include <array>

// The keys of the court screen as Windows virtual-key codes, the hotkey slots
// of the players and the court points of the shot keys.
class TKeyboardMap
{
public:
    enum Key : int
    {
        Tab = 0x09,
        Shift = 0x10,
        Control = 0x11,
        Alt = 0x12,
        Space = 0x20,
        Delete = 0x2E,
        Digit0 = 0x30,
        Digit9 = 0x39,
        Numpad0 = 0x60,
        NumpadMultiply = 0x6A,
        NumpadAdd = 0x6B,
        NumpadSubtract = 0x6D,
        NumpadDecimal = 0x6E,
        NumpadDivide = 0x6F,
        F1 = 0x70,
        F2 = 0x71,
        F3 = 0x72,
        F4 = 0x73,
        F5 = 0x74,
        F6 = 0x75,
        F7 = 0x76,
        F8 = 0x77,
        F9 = 0x78,
        F10 = 0x79,
        F11 = 0x7A,
        F12 = 0x7B,
        Equals = 0xBB,
        Minus = 0xBD,
        LeftBracket = 0xDB,
        Backslash = 0xDC,
        RightBracket = 0xDD,
    };

    using Slots = std::array<int, 4>;

    // Four jersey numbers for the hotkeys of a team (-1 for an empty slot):
    // 4 to 15 fill the slots from the first, then the other numbers from the
    // highest fill them from the last.
    static Slots HotkeySlots(const QList<int> &jerseys);
    // The team (1 home, 2 away) and slot (1 to 4) of a hotkey; false for other keys.
    static bool HotkeySlot(int key, int *side, int *slot);

    // The court point of a shot key for the team and orientation, and whether
    // a random offset is added to it; false for keys that are not shot keys.
    static bool ShotPoint(int key, int side, bool horizontal, QPoint *point, bool *randomised);
    // The event of an event key (digits, minus, equals); 0 for other keys.
    // Key 4 switches the fast break mark and has no event: -1.
    static int EventOfKey(int key);
};
