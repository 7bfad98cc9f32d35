#include "TScriptCall.h"

#include "model/review/TFlagRule.h"
#include "model/services/IScreenLink.h"

namespace ScriptCommands {

namespace {

// The event of a line of the side's history, as the go-to dialog finds it.
bool eventOfLine(TScriptCall &c, const QString &word, int &id)
{
    int number = 0;
    if (!c.Number(word, number, QStringLiteral("line")))
        return false;
    if (!c.Screen().SelectHistoryNumber(c.Side, number))
        return c.Fail(QStringLiteral("no line %1 in the %2 history").arg(number).arg(c.Words[1]));
    id = c.Screen().SelectedHistoryId(c.Side);
    return true;
}

} // namespace

bool runFlag(TScriptCall &c)
{
    int id = -1;
    QString error;
    if (!eventOfLine(c, c.Words[2], id))
        return false;
    if (!TFlagRule::Mark(c.Game(), id, &error))
        return c.Fail(QStringLiteral("line %1: %2").arg(c.Words[2], error));
    return true;
}

bool runDismiss(TScriptCall &c)
{
    TFlagReason reason{};
    if (!FlagReasons::FromKey(c.Words[3], &reason)) {
        QStringList keys;
        for (TFlagReason r : FlagReasons::All())
            keys.append(FlagReasons::Key(r));
        return c.Fail(
            QStringLiteral("unknown reason '%1' (one of %2)").arg(c.Words[3], keys.join(QLatin1Char(' '))));
    }
    int id = -1;
    QString error;
    if (!eventOfLine(c, c.Words[2], id))
        return false;
    if (!TFlagRule::Dismiss(c.Game(), id, reason, &error))
        return c.Fail(QStringLiteral("line %1: %2: %3").arg(c.Words[2], c.Words[3], error));
    return true;
}

bool runConfirm(TScriptCall &c)
{
    if (c.Words.size() != 2)
        return c.Fail(QStringLiteral("'confirm' takes the number of an ended period"));
    int period = 0;
    QString error;
    if (!c.Number(c.Words[1], period, QStringLiteral("period")))
        return false;
    if (!TFlagRule::ConfirmPeriod(c.Game(), period, &error))
        return c.Fail(QStringLiteral("period %1: %2").arg(period).arg(error));
    return true;
}

} // namespace ScriptCommands
