#include "TEventReplay.h"

void TEventReplay::ClearTotals(TTeamTotals &t)
{
    const qint32 indirect = t.IndirectSteals;
    const qint32 fastBreak = t.FastBreakPoints;
    const qint32 secondChance = t.SecondChancePoints;
    t = TTeamTotals{};
    t.IndirectSteals = indirect;
    t.FastBreakPoints = fastBreak;
    t.SecondChancePoints = secondChance;
}

QString TEventReplay::queryValue(const QString &message, const QString &name, bool *found)
{
    const qsizetype at = message.indexOf(name);
    *found = at >= 0;
    if (at < 0)
        return {};
    const qsizetype from = at + name.size();
    const qsizetype end = message.indexOf(QLatin1Char('&'), from);
    return message.mid(from, end < 0 ? -1 : end - from);
}

bool TEventReplay::SubstitutionIds(const QString &message, QString *incoming, QString *outgoing)
{
    bool hasIn = false;
    bool hasOut = false;
    *incoming = queryValue(message, QStringLiteral("jatekosbe="), &hasIn);
    *outgoing = queryValue(message, QStringLiteral("jatekoski="), &hasOut);
    return hasIn && hasOut;
}
