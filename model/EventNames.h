#pragma once

#include <QList>
#include <QString>

// How the nine events of the event buttons are named, in one place: the
// history word (a translation key of section FORM, also the key of the team
// line ".p Csapat " + word and of the key help), the play-by-play word (a key
// of section PRINT) and the short captions painted on the buttons. Each
// edition's translations of the two words must agree, and each caption must
// abbreviate them.
struct TEventName
{
    int Kind = 0;
    // The picture of the event's button.
    const char *Picture = nullptr;
    const char *History = nullptr;
    const char *PlayByPlay = nullptr;
    // Button captions, upper case, at most seven characters.
    const char *CaptionHun = nullptr;
    const char *CaptionEng = nullptr;
};

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
