#pragma once

#include <QList>
#include <QString>

// What a kind of event is for the rest of the system.
enum class TKindGroup
{
    Player,  // credited to a player on court, or to the team in team mode
    Shot,    // made or missed, always a player's
    Team,    // the team's own (timeout)
    History, // moves or deletes in a history box, never counted
    Course,  // the course of the game: clock, periods, substitutions, defence
    Message, // a message-only record
};

// The type list a recorded event opens for the operator's choice.
enum class TTypeList
{
    None,
    Turnover,
    Foul,
};

// What an event does to the second-chance mark that is on.
enum class TSecondChance
{
    Keeps,
    Starts, // switches it on when it is off
    Ends,
    EndsUnlessFreeThrow,
};

// One row per kind of event: how it is named in the history, the
// play-by-play and the history filter, the live messages it sends for a
// player and for the team, the type list it asks for, the Active AI hint it
// lights, and what it does to the second-chance mark. History and team lines
// are keys of section FORM, the play-by-play word one of section PRINT.
struct TEventKind
{
    int Kind = 0;
    TKindGroup Group = TKindGroup::Message;
    // The player's history word (shots name their shot kind instead).
    const char *History = nullptr;
    // The team's history line, shown behind the clock.
    const char *TeamLine = nullptr;
    const char *PlayByPlay = nullptr;
    // The history filter's name of the kind; the table's order is the filter's.
    const char *FilterCaption = nullptr;
    int PlayerCode = 0;
    // The message leaves a type ("&tipus=0") for the operator's choice.
    bool PlayerTyped = false;
    int TeamCode = 0;
    bool TeamTyped = false;
    TTypeList Types = TTypeList::None;
    // The Active AI hint (0: none), the setting that enables it, and whether
    // the team's event lights it as well.
    int Hint = 0;
    int HintSetting = 0;
    bool TeamHint = true;
    TSecondChance SecondChance = TSecondChance::Keeps;
    // Whether a recorded event of the kind may be deleted, and why the change
    // dialog refuses it (nullptr: the common refusal).
    bool Deletable = true;
    const char *Refusal = nullptr;
    // The kind's event button and its upper-case captions (at most seven characters).
    const char *Picture = nullptr;
    const char *CaptionHun = nullptr;
    const char *CaptionEng = nullptr;
};

namespace EventKindTable {

const QList<TEventKind> &All();
// nullptr for a kind the table does not know.
const TEventKind *Find(int kind);
bool InGroup(int kind, TKindGroup group);
bool IsShot(int kind);
// A kind that can be credited to a player: a player event or a shot.
bool Credited(int kind);
// The untranslated history word of an event; a shot's names its shot kind.
QString HistoryWord(int kind, int shotKind);
// The team's untranslated history line; empty for a kind the team cannot have.
QString TeamLine(int kind);

} // namespace EventKindTable
