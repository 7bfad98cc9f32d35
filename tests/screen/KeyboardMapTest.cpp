#include "desktop/court/input/TKeyboardMap.h"
#include "desktop/court/input/TVirtualKeys.h"

#include <Qt>
#include <gtest/gtest.h>

using Slots = TKeyboardMap::Slots;

TEST(HotkeySlots, LowNumbersFromTheFirstSlotOthersFromTheLast)
{
    EXPECT_EQ(TKeyboardMap::HotkeySlots({23, 4, 44, 5}), (Slots{4, 5, 23, 44}));
    EXPECT_EQ(TKeyboardMap::HotkeySlots({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), (Slots{4, 5, 6, 7}));
    EXPECT_EQ(TKeyboardMap::HotkeySlots({15, 99, 3}), (Slots{15, -1, 3, 99}));
    // Numbers above 15 and below 4 take the highest free slots, highest number first.
    EXPECT_EQ(TKeyboardMap::HotkeySlots({20, 30}), (Slots{-1, -1, 20, 30}));
    // Five numbers for four slots: the lowest text gets no hotkey.
    EXPECT_EQ(TKeyboardMap::HotkeySlots({0, 1, 2, 3, 20}), (Slots{1, 2, 3, 20}));
}

TEST(HotkeySlots, TextOrderDecidesAmongTheRest)
{
    // The rest are sorted as two-digit texts: "03" < "20" < "30" < "31",
    // so 31 goes to slot 4, 30 to 3, 20 to 2, 3 to 1.
    EXPECT_EQ(TKeyboardMap::HotkeySlots({3, 20, 30, 31}), (Slots{3, 20, 30, 31}));
    EXPECT_EQ(TKeyboardMap::HotkeySlots({31, 30, 20, 3, 2}), (Slots{3, 20, 30, 31}));
    // Repeated numbers count once.
    EXPECT_EQ(TKeyboardMap::HotkeySlots({7, 7, 7}), (Slots{7, -1, -1, -1}));
    EXPECT_EQ(TKeyboardMap::HotkeySlots({}), (Slots{-1, -1, -1, -1}));
}

TEST(HotkeySlots, KeysOfBothTeams)
{
    int side = 0;
    int slot = 0;
    ASSERT_TRUE(TKeyboardMap::HotkeySlot(TKeyboardMap::Tab, &side, &slot));
    EXPECT_EQ(side, 1);
    EXPECT_EQ(slot, 1);
    ASSERT_TRUE(TKeyboardMap::HotkeySlot('E', &side, &slot));
    EXPECT_EQ(side, 1);
    EXPECT_EQ(slot, 4);
    ASSERT_TRUE(TKeyboardMap::HotkeySlot(TKeyboardMap::Backslash, &side, &slot));
    EXPECT_EQ(side, 2);
    EXPECT_EQ(slot, 1);
    ASSERT_TRUE(TKeyboardMap::HotkeySlot(TKeyboardMap::LeftBracket, &side, &slot));
    EXPECT_EQ(side, 2);
    EXPECT_EQ(slot, 3);
    ASSERT_TRUE(TKeyboardMap::HotkeySlot('P', &side, &slot));
    EXPECT_EQ(slot, 4);
    EXPECT_FALSE(TKeyboardMap::HotkeySlot('R', &side, &slot));
}

TEST(ShotKeys, PointsByTeamAndOrientation)
{
    QPoint p;
    bool randomised = false;
    ASSERT_TRUE(TKeyboardMap::ShotPoint('B', 1, false, &p, &randomised));
    EXPECT_EQ(p, QPoint(590, 360));
    EXPECT_TRUE(randomised);
    ASSERT_TRUE(TKeyboardMap::ShotPoint('J', 2, true, &p, &randomised));
    EXPECT_EQ(p, QPoint(615, 340));
    ASSERT_TRUE(TKeyboardMap::ShotPoint('T', 1, false, &p, &randomised));
    EXPECT_EQ(p, QPoint(517, 452));
    EXPECT_FALSE(randomised);
    ASSERT_TRUE(TKeyboardMap::ShotPoint('Y', 2, true, &p, &randomised));
    EXPECT_EQ(p, QPoint(666, 302));
    EXPECT_FALSE(TKeyboardMap::ShotPoint('U', 1, false, &p, &randomised));
}

TEST(ShotKeys, KeyMIsTheWingOppositeKeyB)
{
    QPoint b;
    QPoint m;
    bool randomised = false;
    for (int side : {1, 2}) {
        ASSERT_TRUE(TKeyboardMap::ShotPoint('B', side, true, &b, &randomised));
        ASSERT_TRUE(TKeyboardMap::ShotPoint('M', side, true, &m, &randomised));
        // Mirrored about the horizontal court's long axis, y = 287.
        EXPECT_EQ(m.x(), b.x()) << side;
        EXPECT_EQ(m.y() - 287, 287 - b.y()) << side;
    }
}

TEST(KeyEvents, DigitsAndPunctuation)
{
    EXPECT_EQ(TKeyboardMap::EventOfKey('1'), 1002);
    EXPECT_EQ(TKeyboardMap::EventOfKey('4'), -1);
    EXPECT_EQ(TKeyboardMap::EventOfKey('0'), 1001);
    EXPECT_EQ(TKeyboardMap::EventOfKey(TKeyboardMap::Minus), 1006);
    EXPECT_EQ(TKeyboardMap::EventOfKey(TKeyboardMap::Equals), 1020);
    EXPECT_EQ(TKeyboardMap::EventOfKey('B'), 0);
}

TEST(VirtualKeys, QtKeysBecomeWindowsCodes)
{
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Q), 0x51);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_5), 0x35);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_F2), 0x71);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_F12), 0x7B);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Tab), 0x09);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Backslash), 0xDC);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_BracketRight), 0xDD);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_BracketLeft), 0xDB);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Equal), 0xBB);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Alt), 0x12);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Control), 0x11);
    // With Shift held the key keeps its code.
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Exclam), 0x31);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Underscore), 0xBD);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Backtab), 0x09);
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Escape), 0);
}

TEST(VirtualKeys, KeypadKeysAreNeitherDigitsNorEventKeys)
{
    const int keypadKeys[] = {Qt::Key_0,    Qt::Key_1,        Qt::Key_5,     Qt::Key_9,     Qt::Key_Minus,
                              Qt::Key_Plus, Qt::Key_Asterisk, Qt::Key_Slash, Qt::Key_Period};
    for (const int qtKey : keypadKeys) {
        const int code = TVirtualKeys::FromQt(qtKey, true);
        EXPECT_NE(code, TVirtualKeys::FromQt(qtKey)) << std::hex << qtKey;
        EXPECT_EQ(TKeyboardMap::EventOfKey(code), 0) << std::hex << qtKey;
        QPoint point;
        bool randomised = false;
        EXPECT_FALSE(TKeyboardMap::ShotPoint(code, 1, false, &point, &randomised)) << std::hex << qtKey;
    }
    // The keypad's Enter and arrows are the keys they name.
    EXPECT_EQ(TVirtualKeys::FromQt(Qt::Key_Tab, true), TKeyboardMap::Tab);
}
