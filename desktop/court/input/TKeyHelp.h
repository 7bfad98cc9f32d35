#pragma once

#include "TKeyboardMap.h"

#include <QList>
#include <QString>

// The list of keys the court screen's help shows: every key that does
// something in the current mode, with what it does. The texts are the keys of
// the translation table; the key names are shown as they are.
class TKeyHelp
{
public:
    struct TLine
    {
        QString Keys;
        QString Text;
        // Shown after the translated text, untranslated (jersey numbers).
        QString Suffix;
        // Keys named by words ("Space") are translated as well.
        bool KeysAreWords = false;
    };

    struct TMode
    {
        bool KeyboardInput = false;
        bool SubstitutionMode = false;
        bool EventsLocked = false;
        TKeyboardMap::Slots HomeSlots{-1, -1, -1, -1};
        TKeyboardMap::Slots AwaySlots{-1, -1, -1, -1};
    };

    static QList<TLine> Lines(const TMode &mode);
    // Every text any mode may show, for the translation table.
    static QStringList AllTexts();
    static QString Title() { return QStringLiteral("Keys of the court screen"); }
};
