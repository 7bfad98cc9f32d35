#pragma once

#include "workflow/history/THistoryChoices.h"

#include <QList>
#include <QString>

class TChangeEventLogic;

// The history's dialogs as the court screen opens them; each is modal and
// answers true on OK. The window shows them; tests answer for the operator.
class IHistoryDialogs
{
public:
    virtual ~IHistoryDialogs() = default;
    // "Select player": the team's name and its players; the chosen value.
    virtual bool SelectPlayer(const QString &teamName, const QList<THistoryChoice> &players, int *value) = 0;
    // "Select event": the translated event captions; the chosen code.
    virtual bool SelectEvent(const QList<THistoryChoice> &events, int *value) = 0;
    // "Select event id": the line number typed (0 when it is not a number).
    virtual bool SelectEventId(int *value) = 0;
    // "Change event", driven through its logic; true when closed with OK.
    virtual bool ChangeEvent(TChangeEventLogic &logic) = 0;
};
