#pragma once

#include <QList>
#include <QString>

class TTeam;

// One entry of a history dialog's list: its text and what choosing it gives.
struct THistoryChoice
{
    QString Text;
    int Value = 0;
    bool operator==(const THistoryChoice &) const = default;
};

// The lists of the history's three small dialogs.
namespace HistoryChoices {
// "Select player": every player of the team, on court and bench, as the
// jersey number, a space and the name, sorted by number or by name; the
// value is the player's JatekosID.
QList<THistoryChoice> Players(const TTeam &team, bool sortByName);
// "Select event": the twelve filterable events with their untranslated
// captions; the value is the event code.
QList<THistoryChoice> Events();
// "Select event id": the field's value as a whole number, 0 when it is not one.
int LineNumber(const QString &text);
} // namespace HistoryChoices
