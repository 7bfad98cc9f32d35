#include "TKeyboardMap.h"

#include "model/events/EventKinds.h"

#include <QStringList>

TKeyboardMap::Slots TKeyboardMap::HotkeySlots(const QList<int> &jerseys)
{
    QStringList texts;
    for (int jersey : jerseys) {
        const QString text = QStringLiteral("%1").arg(jersey, 2, 10, QLatin1Char('0'));
        if (!texts.contains(text))
            texts.append(text);
    }
    texts.sort();

    Slots result{-1, -1, -1, -1};
    for (int n = 4; n <= 15; ++n) {
        const QString text = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        if (!texts.contains(text))
            continue;
        for (int &slot : result) {
            if (slot == -1) {
                slot = n;
                texts.removeOne(text);
                break;
            }
        }
    }
    for (auto it = texts.crbegin(); it != texts.crend(); ++it) {
        for (int s = 3; s >= 0; --s) {
            if (result[size_t(s)] == -1) {
                result[size_t(s)] = it->toInt();
                break;
            }
        }
    }
    return result;
}

bool TKeyboardMap::HotkeySlot(int key, int *side, int *slot)
{
    const int home[] = {Tab, 'Q', 'W', 'E'};
    const int away[] = {Backslash, RightBracket, LeftBracket, 'P'};
    for (int i = 0; i < 4; ++i) {
        if (key == home[i] || key == away[i]) {
            *side = key == home[i] ? 1 : 2;
            *slot = i + 1;
            return true;
        }
    }
    return false;
}

bool TKeyboardMap::ShotPoint(int key, int side, bool horizontal, QPoint *point, bool *randomised)
{
    struct Spot
    {
        int key;
        QPoint homeVertical, homeHorizontal, awayVertical, awayHorizontal;
        bool random;
    };
    // M is B's wing on the other side of the court's long axis (y 287 on the
    // horizontal court).
    static const Spot spots[] = {
        {'B', {590, 360}, {410, 385}, {400, 190}, {585, 190}, true},
        {'N', {490, 310}, {480, 285}, {500, 258}, {520, 270}, true},
        {'M', {410, 360}, {410, 189}, {590, 200}, {585, 384}, true},
        {'G', {560, 400}, {380, 350}, {440, 170}, {625, 220}, true},
        {'H', {500, 370}, {410, 280}, {500, 190}, {580, 280}, true},
        {'J', {440, 400}, {380, 215}, {560, 170}, {615, 340}, true},
        {'T', {517, 452}, {334, 304}, {479, 119}, {666, 265}, false},
        {'Y', {480, 453}, {334, 266}, {519, 119}, {666, 302}, false},
    };
    for (const Spot &s : spots) {
        if (s.key != key)
            continue;
        if (side == 1)
            *point = horizontal ? s.homeHorizontal : s.homeVertical;
        else
            *point = horizontal ? s.awayHorizontal : s.awayVertical;
        *randomised = s.random;
        return true;
    }
    return false;
}

int TKeyboardMap::EventOfKey(int key)
{
    switch (key) {
    case '1':
        return Kind::Steal;
    case '2':
        return Kind::Turnover;
    case '3':
        return Kind::Assist;
    case '4':
        return -1;
    case '5':
        return Kind::PersonalFoul;
    case '6':
        return Kind::FoulDrawn;
    case '7':
        return Kind::TechnicalFoul;
    case '8':
        return Kind::Block;
    case '9':
        return Kind::BlockReceived;
    case '0':
        return Kind::DefensiveRebound;
    case Minus:
        return Kind::OffensiveRebound;
    case Equals:
        return Kind::IndirectSteal;
    default:
        return 0;
    }
}
