#pragma once

#include "model/events/TGameEvent.h"
#include "model/game/TPlayer.h"

#include <QList>
#include <QString>
#include <QStringList>

class ITranslator;
class TGame;

// The alternative chart's choice in the report menu: the scope list, the
// player list it fills, and the title, subtitle and shots that follow.
class TShotChoice
{
public:
    enum class TScope
    {
        Both,
        Home,
        Away,
    };

    struct TSelection
    {
        QString Title;
        QString Subtitle;
        bool OnePlayer = false;
        // Copies of the shot events with a position, in recording order.
        QList<TGameEvent> Events;
    };

    // "Mindkét csapat dobásai", "Hazai csapat dobásai", "Vendég csapat dobásai", translated.
    static QStringList ScopeItems(ITranslator &translator);
    // The second list: " " + translated "Összes játékos", then for one team
    // every player of its lists by name, in the order of the lists.
    static QStringList PlayerItems(const TGame &game, TScope scope, ITranslator &translator);
    // Copies of the records behind the player list's entries after the first.
    static QList<TPlayer> Players(const TGame &game, TScope scope);
    // Home name - away name   (game clock).
    static QString Title(const TGame &game);
    // The chart's input for the lists' choice; player 0 is all players, a
    // player past the list's end counts as all players.
    static TSelection Select(const TGame &game, TScope scope, int player, ITranslator &translator);
};
