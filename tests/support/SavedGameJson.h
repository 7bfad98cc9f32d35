#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

// The player wearing a jersey on the court or bench list of a team of a game
// as JSON; a test asking for one the team does not have fails.
inline QJsonObject SavedPlayer(const QJsonObject &team, int jersey)
{
    for (const char *list : {"OnCourt", "Bench"})
        for (const QJsonValue &v : team.value(QLatin1String(list)).toArray())
            if (v.toObject().value(QLatin1String("JatekosMezSzam")).toInt() == jersey)
                return v.toObject();
    ADD_FAILURE() << "no player " << jersey;
    return {};
}
