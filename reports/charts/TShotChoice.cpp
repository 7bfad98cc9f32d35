#include "TShotChoice.h"

#include "ShotPositions.h"

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/Services.h"

namespace {

QString form(ITranslator &translator, const char *text)
{
    return translator.Translate(QString::fromUtf8(text), QStringLiteral("FORM"));
}

} // namespace

QStringList TShotChoice::ScopeItems(ITranslator &translator)
{
    return {form(translator, "Mindkét csapat dobásai"), form(translator, "Hazai csapat dobásai"),
            form(translator, "Vendég csapat dobásai")};
}

QList<TPlayer> TShotChoice::Players(const TGame &game, TScope scope)
{
    QList<TPlayer> players;
    if (scope == TScope::Both)
        return players;
    const TTeam &team = scope == TScope::Home ? static_cast<const TTeam &>(game.HomeTeam()) : game.AwayTeam();
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            players.append(*list->At(i));
    return players;
}

QStringList TShotChoice::PlayerItems(const TGame &game, TScope scope, ITranslator &translator)
{
    QStringList items{QLatin1Char(' ') + form(translator, "Összes játékos")};
    for (const TPlayer &p : Players(game, scope))
        items.append(p.JatekosNev);
    return items;
}

QString TShotChoice::Title(const TGame &game)
{
    return game.HomeTeam().Data.EgyesuletNev + QStringLiteral(" - ") + game.AwayTeam().Data.EgyesuletNev +
           QStringLiteral("   (") + PlayerStats::ClockText(game.Clock) + QLatin1Char(')');
}

TShotChoice::TSelection TShotChoice::Select(const TGame &game, TScope scope, int player,
                                            ITranslator &translator)
{
    TSelection s;
    s.Title = Title(game);
    const QList<TPlayer> players = Players(game, scope);
    const TPlayer *chosen = player >= 1 && player <= players.size() ? &players[player - 1] : nullptr;
    s.OnePlayer = chosen != nullptr;
    const QString map = form(translator, "Dobástérkép") + QStringLiteral(" - ");
    const int side = scope == TScope::Home ? 1 : 2;
    if (chosen)
        s.Subtitle = map + chosen->JatekosNev;
    else if (scope != TScope::Both)
        s.Subtitle = map + (scope == TScope::Home ? game.HomeTeam().Data : game.AwayTeam().Data).EgyesuletNev;
    for (const TEventList::Entry &entry : game.RecordedEvents.Entries()) {
        const TGameEvent &e = *entry.Event;
        if (e.Kind != Kind::ShotMade && e.Kind != Kind::ShotMissed)
            continue;
        if (chosen ? e.PlayerId != chosen->JatekosID : scope != TScope::Both && e.Side != side)
            continue;
        if (ShotPositions::ReadPoint(e.Message, ShotPositions::TRule::Alternative).Drawn())
            s.Events.append(e);
    }
    return s;
}
