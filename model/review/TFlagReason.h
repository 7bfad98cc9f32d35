#pragma once

#include <QList>
#include <QString>

// Why a history line is flagged. The order is the order reasons are listed in.
enum class TFlagReason
{
    Possession,
    NotOnCourt,
    FreeThrowWithoutFoul,
    AssistWithoutBasket,
    ReboundWithoutMiss,
    BlockWithoutShot,
    StealWithoutTurnover,
    User,
};

namespace FlagReasons {

// Every reason, in order.
const QList<TFlagReason> &All();
// The reason's key in scripts, JSON and saved decisions ("possession", ...).
QString Key(TFlagReason reason);
// The reason of a key; false when the key names none.
bool FromKey(const QString &key, TFlagReason *reason);
// The reason as the operator reads it, untranslated (a key of section FORM).
QString Text(TFlagReason reason);

} // namespace FlagReasons
