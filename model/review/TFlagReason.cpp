#include "TFlagReason.h"

namespace {

struct ReasonRow
{
    TFlagReason Reason;
    const char *Key;
    const char *Text;
};

// The texts are keys of section FORM, translated for the edition.
constexpr ReasonRow Rows[] = {
    {TFlagReason::Possession, "possession", "Possession out of order"},
    {TFlagReason::NotOnCourt, "not-on-court", "Player not on court"},
    {TFlagReason::FreeThrowWithoutFoul, "free-throw-without-foul", "Free throw without a foul"},
    {TFlagReason::AssistWithoutBasket, "assist-without-basket", "Assist without a basket"},
    {TFlagReason::ReboundWithoutMiss, "rebound-without-miss", "Rebound without a miss"},
    {TFlagReason::BlockWithoutShot, "block-without-shot", "Block without a missed shot"},
    {TFlagReason::StealWithoutTurnover, "steal-without-turnover", "Steal without a turnover"},
    {TFlagReason::User, "user", "Marked to check"},
};

const ReasonRow *row(TFlagReason reason)
{
    for (const ReasonRow &r : Rows)
        if (r.Reason == reason)
            return &r;
    return nullptr;
}

} // namespace

namespace FlagReasons {

const QList<TFlagReason> &All()
{
    static const QList<TFlagReason> all = [] {
        QList<TFlagReason> list;
        for (const ReasonRow &r : Rows)
            list.append(r.Reason);
        return list;
    }();
    return all;
}

QString Key(TFlagReason reason)
{
    const ReasonRow *r = row(reason);
    return r ? QString::fromLatin1(r->Key) : QString();
}

bool FromKey(const QString &key, TFlagReason *reason)
{
    for (const ReasonRow &r : Rows) {
        if (key == QLatin1String(r.Key)) {
            if (reason)
                *reason = r.Reason;
            return true;
        }
    }
    return false;
}

QString Text(TFlagReason reason)
{
    const ReasonRow *r = row(reason);
    return r ? QString::fromLatin1(r->Text) : QString();
}

} // namespace FlagReasons
