#pragma once

#include "TGameSummary.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// The scoreboard page: one card per game received live with its teams,
// score, period and clock and the latest events. It reloads itself every
// few seconds, so it can stay open beside the court.
class TScoreboardPage
{
public:
    static constexpr int RefreshSeconds = 5;
    static constexpr int EventsShown = 8;

    // UTF-8 HTML.
    static QByteArray render(const QList<TGameSummary> &games, const QDateTime &now);
};
