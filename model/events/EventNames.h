#pragma once

#include "EventKindTable.h"

#include <QList>
#include <QString>

// The nine events of the event buttons, rows of the table of event kinds: the
// history word (also the key of the team line ".p Csapat " + word and of the
// key help), the play-by-play word and the captions painted on the buttons.
// Each edition's translations of the two words must agree, and each caption
// must abbreviate them.
using TEventName = TEventKind;

class EventNames
{
public:
    static const QList<TEventName> &Buttons();
    // nullptr for a kind without a button.
    static const TEventName *Find(int kind);
    // The caption of a button picture ("GOMB1" to "GOMB9") in a language; empty for other pictures.
    static QString Caption(const QString &picture, const QString &language);
    // Whether a caption abbreviates a name: its letters appear in the name in
    // order, and it starts with the first letter of a word of the name.
    static bool Abbreviates(const QString &caption, const QString &name);
};
